#pragma once

#include "core/base/Ports.h"

#include <QDateTime>
#include <QString>

// Prints into a folder: each job becomes "<yyyyMMdd-HHmmss-zzz> <kind>.pdf", an 80 mm receipt page as
// long as its content, and beside it "<…> <kind>.txt" holding exactly the printed lines (UTF-8, each
// ended by LF). A folder that cannot be written fails the job.
class PdfFolderPrinter : public Printer {
public:
    PdfFolderPrinter(const QString& folder, const Clock& clock) : m_folder(folder), m_clock(clock) {}

    bool print(const PrintDocument& document) override;

    // The job's file path without its ".pdf" / ".txt" ending, for the time `at`.
    static QString basePath(const QString& folder, const QDateTime& at, const PrintDocument& document);
    // The printed lines as the .txt file holds them.
    static QByteArray textOf(const PrintDocument& document);

private:
    QString m_folder;
    const Clock& m_clock;
    QDateTime m_last; // the time stamp of the last job, so that no two jobs share a name
};
