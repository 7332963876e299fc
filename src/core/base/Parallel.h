#pragma once

#include <QtGlobal>

#include <functional>

namespace Parallel {

// How many parts a job over so many units (lines, bytes) is worth cutting into: one below
// minimumPerPart each, so a small job never pays for waking another thread; at most one per
// processor.
int partsFor(qsizetype units, qsizetype minimumPerPart);

// Calls work(0) ... work(parts - 1), each once, spread over the calling thread and a helper thread
// per further processor, and returns when all are done. The caller takes parts too: when the other
// processors are busy it does every part itself, a little slower than one piece of work would have
// been, never stuck waiting for a helper. Parts run in no given order; each must touch only what
// is its own. A call made while another is running (from another thread) runs its parts in turn.
void run(int parts, const std::function<void(int)>& work);

// For tests: every job is cut into this many parts, however small (0: as partsFor says), so that
// a small text takes the paths a long one does.
void cutEveryJobInto(int parts);

} // namespace Parallel
