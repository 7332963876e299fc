#include "Folding.h"

#include <QChar>

#include <algorithm>

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

char* writeCodePoint(char32_t c, char* p) {
    if (c < 0x80) {
        *p++ = char(c);
    } else if (c < 0x800) {
        *p++ = char(0xC0 | (c >> 6));
        *p++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *p++ = char(0xE0 | (c >> 12));
        *p++ = char(0x80 | ((c >> 6) & 0x3F));
        *p++ = char(0x80 | (c & 0x3F));
    } else {
        *p++ = char(0xF0 | (c >> 18));
        *p++ = char(0x80 | ((c >> 12) & 0x3F));
        *p++ = char(0x80 | ((c >> 6) & 0x3F));
        *p++ = char(0x80 | (c & 0x3F));
    }
    return p;
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
    // A code unit takes at most three bytes, a surrogate pair four. The bytes are written in place:
    // the item search folds every line of a long list this way.
    const qsizetype start = out.size();
    const qsizetype need = start + 3 * text.size();
    if (out.capacity() < need) out.reserve(std::max(need, 2 * out.capacity()));
    out.resize(need);
    char* p = out.data() + start;
    const char16_t* u = text.utf16();
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        if (u[i] < 0x80) {
            *p++ = char(foldUnit(u[i]));
        } else if (QChar::isHighSurrogate(u[i]) && i + 1 < n && QChar::isLowSurrogate(u[i + 1])) {
            p = writeCodePoint(foldCodePoint(QChar::surrogateToUcs4(u[i], u[i + 1])), p);
            ++i;
        } else {
            p = writeCodePoint(foldCodePoint(u[i]), p);
        }
    }
    out.truncate(p - out.constData());
}

char16_t foldWide(char16_t u) {
    return QChar::isSurrogate(u) ? u : char16_t(foldCodePoint(u));
}

qsizetype indexOfFolded(QStringView text, QStringView foldedWord, qsizetype from) {
    const qsizetype m = foldedWord.size();
    if (m == 0) return -1;
    const char16_t first = foldedWord[0].unicode();
    const char16_t* t = text.utf16();
    for (qsizetype i = std::max<qsizetype>(from, 0), last = text.size() - m; i <= last; ++i) {
        if (foldUnit(t[i]) != first) continue;
        qsizetype j = 1;
        while (j < m && foldUnit(t[i + j]) == foldedWord[j].unicode())
            ++j;
        if (j == m) return i;
    }
    return -1;
}

} // namespace Folding
