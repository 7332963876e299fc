#include "Folding.h"

#include <QChar>

namespace Folding {

namespace {

char32_t foldCodePoint(char32_t c) {
    if (c < 0x80) return (c >= U'A' && c <= U'Z') ? c + (U'a' - U'A') : c;
    c = QChar::toLower(c);
    switch (c) {
    case U'á':
        return U'a';
    case U'é':
        return U'e';
    case U'í':
        return U'i';
    case U'ó':
        return U'o';
    case U'ú':
        return U'u';
    default:
        return c;
    }
}

// Calls emit with every code point of the text; a lone surrogate counts as a code point of its own,
// so every text folds the same way every time.
template <typename Emit> void forEachCodePoint(QStringView text, Emit emit) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            emit(QChar::surrogateToUcs4(u, text[i + 1].unicode()));
            ++i;
        } else {
            emit(char32_t(u));
        }
    }
}

void appendCodePoint(char32_t c, QByteArray& out) {
    if (c < 0x80) {
        out.append(char(c));
    } else if (c < 0x800) {
        out.append(char(0xC0 | (c >> 6)));
        out.append(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(char(0xE0 | (c >> 12)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    } else {
        out.append(char(0xF0 | (c >> 18)));
        out.append(char(0x80 | ((c >> 12) & 0x3F)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    }
}

} // namespace

QString fold(QStringView text) {
    QString out;
    out.reserve(text.size());
    forEachCodePoint(text, [&](char32_t c) {
        const char32_t f = foldCodePoint(c);
        if (QChar::requiresSurrogates(f)) {
            out.append(QChar(QChar::highSurrogate(f)));
            out.append(QChar(QChar::lowSurrogate(f)));
        } else {
            out.append(QChar(char16_t(f)));
        }
    });
    return out;
}

void appendUtf8(QStringView text, QByteArray& out) {
    forEachCodePoint(text, [&](char32_t c) { appendCodePoint(foldCodePoint(c), out); });
}

} // namespace Folding
