#include "Cp1252.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

char16_t* decodeTo(const char* bytes, qsizetype n, char16_t* dst) {
    const auto* src = reinterpret_cast<const unsigned char*>(bytes);
    qsizetype i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time, each widened to its Latin-1 character; only the bytes 80 to 9F, rare
    // in a shop's file, are then put right one by one, from a copy: the widened text may already
    // have been written over them.
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        auto high = unsigned(_mm_movemask_epi8(
            _mm_cmpeq_epi8(_mm_and_si128(v, _mm_set1_epi8(char(0xE0))), _mm_set1_epi8(char(0x80)))));
        alignas(16) unsigned char kept[16];
        if (high != 0) _mm_store_si128(reinterpret_cast<__m128i*>(kept), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 8), _mm_unpackhi_epi8(v, zero));
        for (; high != 0; high &= high - 1) {
            const int k = __builtin_ctz(high);
            dst[i + k] = kHigh[kept[k] - 0x80];
        }
    }
#endif
    for (; i < n; ++i) {
        const unsigned char b = src[i];
        dst[i] = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b);
    }
    return dst + n;
}

QString decode(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    decodeTo(bytes.data(), bytes.size(), reinterpret_cast<char16_t*>(out.data()));
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
#if defined(__SSE2__)
        // Runs of plain ASCII, sixteen bytes at a time, up to the next byte beyond it.
        if (i + 16 <= n) {
            const auto high = unsigned(
                _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i))));
            if (high == 0) {
                i += 16;
                continue;
            }
            i += __builtin_ctz(high);
        }
#endif
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
