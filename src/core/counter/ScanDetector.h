#pragma once

#include <QString>
#include <QtGlobal>

// Tells a barcode scanner from a cashier's hands: a scanner types its code at machine speed and ends
// it with Enter. The keys are fed with the time they came (in milliseconds); Enter then says whether
// the characters before it were a scan.
class ScanDetector {
public:
    static constexpr qint64 kMaxGapMs = 30; // between two keys of one scan, Enter included
    static constexpr int kMinLength = 6;

    // A printable character typed at the time.
    void key(QChar c, qint64 ms);
    // Any other key (a move, a function key): the run ends.
    void interrupt() { m_run.clear(); }
    // Enter at the time: the scanned code when the run before it is one, else nothing. The run ends.
    QString enter(qint64 ms);
    // The characters of the run that is being typed (fast keys so far).
    const QString& run() const { return m_run; }

private:
    // A key at this time follows the last one at machine speed. A time before the last one (a clock
    // that wrapped or was set back) is never quick.
    bool quick(qint64 ms) const { return ms >= m_last && ms - m_last <= kMaxGapMs; }

    QString m_run;
    qint64 m_last = 0;
};
