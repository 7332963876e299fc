#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

// A job handed to CUPS through its command-line programs (lp, lpstat, cancel) and followed until CUPS
// has finished it. Every program runs while the window's event loop goes on, and is stopped at the
// deadline.
namespace CupsJob {

struct Options {
    bool raw = false; // sent to the printer as it is, without the queue's filters
    QString title;    // the job's name in the queue
    QString server;   // the CUPS server (CUPS_SERVER for the programs); empty: the system's own
};

// Prints `data` on `queue` (empty: the system's default printer). True once CUPS reports the job
// completed, that is sent whole to the printer. False when the job is refused, cancelled or aborted,
// when CUPS stops answering, or at the deadline; a job not completed by then is cancelled (when CUPS
// still answers), so that it does not print later under a ticket number the counter did not give.
bool print(const QString& queue, const QByteArray& data, const Options& options,
           const QDeadlineTimer& deadline);

// The job named "QUEUE-NUMBER" in the output of lp ("request id is QUEUE-12 (1 file(s))"); empty when
// there is none.
QString jobIdIn(const QByteArray& lpOutput);
// Whether lpstat's job list names the job at the start of a line.
bool listsJob(const QByteArray& lpstatOutput, const QString& job);
// Whether lpstat's long list of finished jobs shows the job cancelled or aborted.
bool endedUnprinted(const QByteArray& lpstatLongOutput, const QString& job);

} // namespace CupsJob
