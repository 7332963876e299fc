#pragma once

#include <QDeadlineTimer>

#include <functional>

// Waiting for a print job without freezing the counter: the window's event loop keeps running (it
// paints, the sockets and processes of the job make progress) until the job is done or its deadline
// passes.
namespace JobDeadline {

inline constexpr int kDefaultMs = 5000;

// True when `done` became true before the deadline.
bool waitUntil(const std::function<bool()>& done, const QDeadlineTimer& deadline);

} // namespace JobDeadline
