#include "EscPosEncoder.h"

#include "core/base/Cp1252.h"

#include <array>

namespace {

constexpr char kEsc = 0x1B;
constexpr char kGs = 0x1D;

// Code page 858, bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kPc858 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x20AC, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

char pc858Byte(char32_t c) {
    if (c < 0x80) return char(c);
    for (std::size_t i = 0; i < kPc858.size(); ++i)
        if (kPc858[i] == c) return char(0x80 + i);
    return '?';
}

// Control characters would reach the printer as commands: they print as "?".
bool isControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

QByteArray command(std::initializer_list<char> bytes) {
    return QByteArray(bytes.begin(), qsizetype(bytes.size()));
}

} // namespace

EscPosEncoder::EscPosEncoder() : m_options(Options{}) {}

int EscPosEncoder::columnsForPaper(int paperMm) {
    return paperMm == 58 ? 32 : 48;
}

QByteArray EscPosEncoder::encodeText(const QString& text) const {
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (isControl(c)) {
            out.append('?');
        } else if (c < 0x80) {
            out.append(char(c));
        } else if (m_options.codePage == CodePage::Pc858) {
            out.append(pc858Byte(c));
        } else {
            const QString one = QString::fromUcs4(&c, 1);
            out.append(Cp1252::canEncode(one) ? Cp1252::encode(one) : QByteArray("?"));
        }
    }
    return out;
}

QList<QByteArray> EscPosEncoder::wrap(const QByteArray& line, int columns) {
    QList<QByteArray> pieces;
    if (columns < 1 || line.size() <= columns) {
        pieces.append(line);
        return pieces;
    }
    qsizetype start = 0;
    while (line.size() - start > columns) {
        // Break after the last blank that fits; a word longer than the paper is cut at the edge.
        qsizetype cut = line.lastIndexOf(' ', start + columns);
        qsizetype next = cut + 1;
        if (cut <= start) {
            cut = start + columns;
            next = cut;
        }
        pieces.append(line.mid(start, cut - start));
        start = next;
    }
    pieces.append(line.mid(start));
    return pieces;
}

QByteArray EscPosEncoder::drawerKick() const {
    // Pin 2, 50 ms on, 500 ms off.
    return command({kEsc, '@'}) + command({kEsc, 'p', 0, 0x19, char(0xFA)});
}

QByteArray EscPosEncoder::statusRequest() {
    constexpr char kDle = 0x10;
    constexpr char kEot = 0x04;
    return command({kDle, kEot, 1, kDle, kEot, 4});
}

EscPosEncoder::Status EscPosEncoder::readStatus(const QByteArray& received) {
    QList<quint8> answers;
    for (const char c : received) {
        const auto b = quint8(c);
        if ((b & 0x93) == 0x12) answers.append(b);
        if (answers.size() == 2) break;
    }
    if (answers.size() < 2) return Status::Unanswered;
    if (answers[0] & 0x08) return Status::Offline;
    if (answers[1] & 0x60) return Status::NoPaper;
    return Status::Ready;
}

QByteArray EscPosEncoder::encode(const PrintDocument& document, bool kickDrawer) const {
    QByteArray out = command({kEsc, '@'});
    if (kickDrawer) out += command({kEsc, 'p', 0, 0x19, char(0xFA)});
    out += command({kEsc, 't', m_options.codePage == CodePage::Pc858 ? char(19) : char(16)});
    bool bold = false;
    bool tall = false;
    for (const PrintDocument::PrintedLine& printed : document.printedLines()) {
        if (printed.bold != bold) {
            bold = printed.bold;
            out += command({kEsc, 'E', char(bold ? 1 : 0)});
        }
        const bool wantTall = printed.size >= 10.0;
        if (wantTall != tall) {
            tall = wantTall;
            out += command({kGs, '!', char(tall ? 0x01 : 0x00)});
        }
        for (const QByteArray& piece : wrap(encodeText(printed.text), m_options.columns))
            out += piece + '\n';
    }
    if (bold) out += command({kEsc, 'E', 0});
    if (tall) out += command({kGs, '!', 0});
    // Feed the last line past the cutter, then cut.
    if (m_options.cut) out += command({kGs, 'V', 'A', 3});
    return out;
}
