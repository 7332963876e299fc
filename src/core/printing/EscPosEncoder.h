#pragma once

#include "core/printing/PrintDocument.h"

#include <QByteArray>
#include <QString>

// Turns a print job into the bytes of an ESC/POS receipt printer: initialise, select the code table,
// bold on and off, double height for the large amount line (10 points and more), one line feed per
// printed line with lines longer than the paper wrapped, and a cut with a feed at the end. A
// character the code table lacks, and every control character, prints as "?".
class EscPosEncoder {
public:
    enum class CodePage {
        Windows1252, // code table 16
        Pc858        // code table 19: code page 850 with "€" at 0xD5, for printers without table 16
    };

    struct Options {
        int columns = 48; // 48 on 80 mm paper, 32 on 58 mm
        CodePage codePage = CodePage::Windows1252;
        bool cut = true;
    };

    EscPosEncoder();
    explicit EscPosEncoder(Options options) : m_options(options) {}

    // Columns of a paper width in millimetres: 58 gives 32, anything else 48.
    static int columnsForPaper(int paperMm);

    // The whole job; with `kickDrawer` the drawer opens at its start.
    QByteArray encode(const PrintDocument& document, bool kickDrawer = false) const;
    // A job that only opens the drawer.
    QByteArray drawerKick() const;

    // What a printer answered to statusRequest().
    enum class Status {
        Unanswered, // not both answers yet
        Ready,      // online, with paper (a roll near its end still prints)
        Offline,    // offline: cover open, paper being fed, an error, or waiting
        NoPaper     // online, but the paper roll sensor finds no paper
    };
    // Asks the printer's real-time status after a job: DLE EOT 1 (printer) and DLE EOT 4 (paper roll).
    // A printer takes these at once, even while it still prints the job before them.
    static QByteArray statusRequest();
    // Reads the answers in `received`: each is one byte with bit 1 and bit 4 set and bits 0 and 7 clear;
    // other bytes (automatic status messages, noise) are skipped. The first answer is the printer's
    // (bit 3: offline), the second the paper roll's (bits 5 and 6: paper end).
    static Status readStatus(const QByteArray& received);

    // The text in the code page, one byte per character ("?" for what it lacks).
    QByteArray encodeText(const QString& text) const;
    // The encoded line cut into pieces of at most `columns` bytes, at a blank where there is one.
    static QList<QByteArray> wrap(const QByteArray& line, int columns);

private:
    Options m_options;
};
