#pragma once

#include <QDeadlineTimer>

#include <functional>

// Waiting for a print job without freezing the counter: the window's event loop keeps running (it
// paints, the sockets and processes of the job make progress) until the job is done or its deadline
// passes. While it waits the counter takes no keys and no clicks: what the system still holds comes
// after the job, what reaches the program is refused, so nothing is booked or rung up in the middle
// of a job. The wait shows that it is printing.
namespace JobDeadline {

inline constexpr int kDefaultMs = 5000;

// True when `done` became true before the deadline.
bool waitUntil(const std::function<bool()>& done, const QDeadlineTimer& deadline);

// Told true when a wait starts and false when it ends (nested waits count once); the window shows
// that it is printing. Empty: nothing shown.
void setIndicator(std::function<void(bool printing)> indicator);

} // namespace JobDeadline
