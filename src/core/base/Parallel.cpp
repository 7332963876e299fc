#include "Parallel.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace Parallel {

namespace {

// The helpers, started at the first job and kept for the life of the program: waking one costs a
// few microseconds, starting one far more.
struct Helpers {
    std::mutex lock;
    std::condition_variable jobPosted;
    std::condition_variable helpersLeft;
    const std::function<void(int)>* work = nullptr; // the job on offer, if any
    int parts = 0;
    std::atomic<int> next{0}; // the first part nobody has taken
    std::uint64_t posted = 0; // jobs posted so far
    int inside = 0;           // helpers taking parts of the job on offer

    void serve() {
        std::uint64_t seen = 0;
        std::unique_lock held(lock);
        for (;;) {
            jobPosted.wait(held, [&] { return posted != seen; });
            seen = posted;
            if (!work) continue; // that job is over already
            const std::function<void(int)>& job = *work;
            const int count = parts;
            ++inside;
            held.unlock();
            for (int part = next++; part < count; part = next++)
                job(part);
            held.lock();
            if (--inside == 0) helpersLeft.notify_all();
        }
    }
};

int processors() {
    static const int count = int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    return count;
}

Helpers& helpers() {
    // Never destroyed: the helpers wait for work until the program ends.
    static Helpers* const shared = [] {
        auto* made = new Helpers;
        for (int i = 1; i < processors(); ++i)
            std::thread([made] { made->serve(); }).detach();
        return made;
    }();
    return *shared;
}

std::mutex gOneJob; // one job at a time is offered to the helpers
int gEveryJobParts = 0;

} // namespace

int partsFor(qsizetype units, qsizetype minimumPerPart) {
    if (gEveryJobParts > 0) return gEveryJobParts;
    return int(std::clamp<qsizetype>(units / std::max<qsizetype>(minimumPerPart, 1), 1, processors()));
}

void cutEveryJobInto(int parts) {
    gEveryJobParts = parts;
}

void run(int parts, const std::function<void(int)>& work) {
    std::unique_lock<std::mutex> mine(gOneJob, std::defer_lock);
    if (parts <= 1 || processors() == 1 || !mine.try_lock()) {
        for (int part = 0; part < parts; ++part)
            work(part);
        return;
    }
    Helpers& h = helpers();
    {
        const std::lock_guard<std::mutex> held(h.lock);
        h.work = &work;
        h.parts = parts;
        h.next = 0;
        ++h.posted;
    }
    h.jobPosted.notify_all();
    for (int part = h.next++; part < parts; part = h.next++)
        work(part);
    // Every part is taken; those a helper took are done when it leaves the job.
    std::unique_lock<std::mutex> held(h.lock);
    h.work = nullptr;
    h.helpersLeft.wait(held, [&] { return h.inside == 0; });
}

} // namespace Parallel
