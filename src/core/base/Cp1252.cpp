#include "Cp1252.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace Cp1252 {

namespace {

// Bytes 80 to 9F; the others equal their Latin-1 character.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a character, or -1 when the code page has none.
int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c) return int(0x80 + i);
    return -1;
}

} // namespace

QString decode(QByteArrayView bytes) {
    // The bytes outside 80..9F are the Latin-1 characters of the same value, which Qt widens quickly;
    // the few others are put right afterwards.
    QString out = QString::fromLatin1(bytes);
    unsigned high = 0;
    for (const char b : bytes)
        high |= unsigned((static_cast<unsigned char>(b) & 0xE0) == 0x80);
    if (high == 0) return out;
    for (QChar& c : out)
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0) c = QChar(kHigh[c.unicode() - 0x80]);
    return out;
}

char* encodeTo(QStringView text, char* dst) {
    const char16_t* src = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        // Runs of plain ASCII, four characters at a time: a register is almost all of them.
        if constexpr (std::endian::native == std::endian::little) {
            for (; i + 4 <= n; i += 4, dst += 4) {
                std::uint64_t four = 0;
                std::memcpy(&four, src + i, sizeof four);
                if (four & 0xFF80FF80FF80FF80ULL) break;
                dst[0] = char(four & 0x7F);
                dst[1] = char((four >> 16) & 0x7F);
                dst[2] = char((four >> 32) & 0x7F);
                dst[3] = char((four >> 48) & 0x7F);
            }
            if (i == n) break;
        }
        const char16_t c = src[i++];
        if (c < 0x80) {
            *dst++ = char(c);
        } else if (QChar::isHighSurrogate(c) && i < n && QChar::isLowSurrogate(src[i])) {
            *dst++ = '?'; // one character beyond the code page, written once
            ++i;
        } else {
            const int b = byteFor(c);
            *dst++ = b < 0 ? '?' : char(b);
        }
    }
    return dst;
}

QByteArray encode(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    out.truncate(encodeTo(text, out.data()) - out.data());
    return out;
}

bool canEncode(QChar c) {
    return byteFor(c.unicode()) >= 0;
}

bool canEncode(const QString& text) {
    for (const QChar c : text)
        if (!canEncode(c)) return false;
    return true;
}

bool isUtf8Text(QByteArrayView bytes) {
    bool beyondAscii = false;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        beyondAscii = true;
        int follow = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            follow = 1;
            code = b & 0x1Fu;
            least = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            follow = 2;
            code = b & 0x0Fu;
            least = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            follow = 3;
            code = b & 0x07u;
            least = 0x10000;
        } else {
            return false; // a continuation byte without a lead, or a lead that UTF-8 never uses
        }
        for (int k = 1; k <= follow; ++k) {
            if (i + k >= n) return false;
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0u) != 0x80u) return false;
            code = (code << 6) | (c & 0x3Fu);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += follow + 1;
    }
    return beyondAscii;
}

} // namespace Cp1252
