#include "Folding.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The folded UTF-8 of the characters 00 to FF, which the code page's files are made of: each folds
// within them, so into one or two bytes.
struct Narrow {
    char bytes[2];
    unsigned char size;
};
const std::array<Narrow, 256> kNarrow = [] {
    std::array<Narrow, 256> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        char bytes[4] = {};
        const char* end = writeCodePoint(foldCodePoint(char32_t(i)), bytes);
        table[i] = {{bytes[0], bytes[1]}, static_cast<unsigned char>(end - bytes)};
    }
    return table;
}();

#if defined(__SSE2__)
// Eight UTF-16 units with the capitals A to Z lowered.
inline __m128i lowered(__m128i v) {
    const __m128i capital = _mm_and_si128(_mm_cmpgt_epi16(v, _mm_set1_epi16('A' - 1)),
                                          _mm_cmplt_epi16(v, _mm_set1_epi16('Z' + 1)));
    return _mm_add_epi16(v, _mm_and_si128(capital, _mm_set1_epi16(0x20)));
}
#endif

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

char* writeUtf8(QStringView text, char* p) {
    const char16_t* u = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
#if defined(__SSE2__)
        // Sixteen characters at a time, capitals lowered, each written as one byte: the run of ASCII
        // among them is kept, and the character after it, if any, is folded on its own below.
        if (i + 16 <= n) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i + 8));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(lowered(a), lowered(b)));
            // One bit per character beyond ASCII (packed from the high bytes and the eighth bits).
            const __m128i beyond = _mm_packus_epi16(_mm_srli_epi16(a, 7), _mm_srli_epi16(b, 7));
            const auto mask =
                unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(beyond, _mm_setzero_si128()))) ^ 0xFFFFu;
            const int run = mask == 0 ? 16 : __builtin_ctz(mask);
            p += run;
            i += run;
            if (run == 16) continue;
        }
#endif
        const char16_t c = u[i];
        if (c < 0x100) {
            const Narrow& folded = kNarrow[c];
            std::memcpy(p, folded.bytes, 2); // the room is there: three bytes a unit
            p += folded.size;
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(u[i + 1])) {
            p = writeCodePoint(foldCodePoint(QChar::surrogateToUcs4(c, u[i + 1])), p);
            ++i;
        } else {
            p = writeCodePoint(foldCodePoint(c), p);
        }
        ++i;
    }
    return p;
}

void appendUtf8(QStringView text, QByteArray& out) {
    const qsizetype start = out.size();
    out.resize(start + 3 * text.size());
    out.truncate(writeUtf8(text, out.data() + start) - out.constData());
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
