#pragma once

#include "core/base/Cp1252.h"

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

inline Job decode(const QByteArray& bytes) {
    Job job;
    bool bold = false;
    bool tall = false;
    QByteArray text;
    const auto at = [&bytes](qsizetype i) { return i < bytes.size() ? quint8(bytes.at(i)) : 0x100; };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const quint8 b = quint8(bytes.at(i));
        if (b == 0x1B && at(i + 1) == '@') {
            job.commands << QStringLiteral("init");
            bold = tall = false;
            i += 1;
        } else if (b == 0x1B && at(i + 1) == 't' && at(i + 2) < 0x100) {
            job.commands << QStringLiteral("code table %1").arg(at(i + 2));
            i += 2;
        } else if (b == 0x1B && at(i + 1) == 'E' && at(i + 2) < 0x100) {
            bold = at(i + 2) & 1;
            job.commands << QStringLiteral("bold %1").arg(int(bold));
            i += 2;
        } else if (b == 0x1D && at(i + 1) == '!' && at(i + 2) < 0x100) {
            tall = at(i + 2) & 0x0F;
            job.commands << QStringLiteral("double height %1").arg(int(tall));
            i += 2;
        } else if (b == 0x1B && at(i + 1) == 'p' && at(i + 4) < 0x100) {
            job.commands << QStringLiteral("drawer");
            i += 4;
        } else if (b == 0x1D && at(i + 1) == 'V' && (at(i + 2) == 'A' || at(i + 2) == 'B') &&
                   at(i + 3) < 0x100) {
            job.commands << QStringLiteral("cut");
            i += 3;
        } else if (b == 0x10 && at(i + 1) == 0x04 && at(i + 2) < 0x100) {
            job.commands << QStringLiteral("status %1").arg(at(i + 2));
            i += 2;
        } else if (b == '\n') {
            job.lines.append({Cp1252::decode(text), bold, tall});
            text.clear();
        } else if (b < 0x20 || b == 0x7F) {
            job.unknown.append(char(b));
        } else {
            text.append(char(b));
        }
    }
    if (!text.isEmpty()) job.lines.append({Cp1252::decode(text), bold, tall});
    return job;
}

} // namespace EscPosDecoder
