#include "PdfFolderPrinter.h"

#include "core/printing/PrintDocument.h"
#include "ui/printing/ReceiptRenderer.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

bool writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QString PdfFolderPrinter::basePath(const QString& folder, const QDateTime& at,
                                   const PrintDocument& document) {
    return QDir(folder).filePath(at.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + u' ' +
                                 PrintDocument::kindName(document.kind()));
}

QByteArray PdfFolderPrinter::textOf(const PrintDocument& document) {
    QByteArray out;
    for (const QString& line : document.lines())
        out += line.toUtf8() + '\n';
    return out;
}

bool PdfFolderPrinter::print(const PrintDocument& document) {
    if (!QDir().mkpath(m_folder)) return false;
    // Two jobs in the same millisecond (or a clock that went back) take the next free millisecond.
    QDateTime at = m_clock.now();
    if (m_last.isValid() && at <= m_last) at = m_last.addMSecs(1);
    QString base = basePath(m_folder, at, document);
    while (QFile::exists(base + QStringLiteral(".pdf")) || QFile::exists(base + QStringLiteral(".txt"))) {
        at = at.addMSecs(1);
        base = basePath(m_folder, at, document);
    }
    m_last = at;

    const QByteArray pdf = ReceiptRenderer::pdf(document);
    if (pdf.isEmpty()) return false;
    const QString pdfPath = base + QStringLiteral(".pdf");
    if (!writeWhole(pdfPath, pdf)) return false;
    if (!writeWhole(base + QStringLiteral(".txt"), textOf(document))) {
        QFile::remove(pdfPath);
        return false;
    }
    return true;
}
