#include "JobDeadline.h"

#include <QEventLoop>
#include <QTimer>

namespace JobDeadline {

bool waitUntil(const std::function<bool()>& done, const QDeadlineTimer& deadline) {
    if (done()) return true;
    if (deadline.hasExpired()) return false;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired()) loop.quit();
    });
    poll.start();
    loop.exec();
    return done();
}

} // namespace JobDeadline
