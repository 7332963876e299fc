#include "ScanDetector.h"

void ScanDetector::key(QChar c, qint64 ms) {
    if (!m_run.isEmpty() && !quick(ms)) m_run.clear();
    m_run += c;
    m_last = ms;
}

QString ScanDetector::enter(qint64 ms) {
    QString code;
    if (m_run.size() >= kMinLength && quick(ms)) code = m_run;
    m_run.clear();
    return code;
}
