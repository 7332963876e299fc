#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Reads back what a receipt printer received: the printed lines with their bold and double height,
// and the commands in the order met ("init", "code table 16", "bold 1", "double height 1", "drawer",
// "cut", "status 1"). Text is read in code table 16 (Windows-1252). Bytes it does not know are kept.
namespace EscPosDecoder {

struct Line {
    QString text;
    bool bold = false;
    bool tall = false;
    bool operator==(const Line&) const = default;
};

struct Job {
    QList<Line> lines;
    QStringList commands;
    QByteArray unknown;
};

Job decode(const QByteArray& bytes);

} // namespace EscPosDecoder
