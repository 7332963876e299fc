#pragma once

#include <QString>

#include <optional>

class QSettings;
struct StartOptions;

// Where a receipt printer's bytes go: a device file, a raw TCP port or a CUPS raw queue.
struct ReceiptTarget {
    enum class Kind { Device, Tcp, CupsQueue } kind = Kind::Device;
    QString path; // the device file, or the CUPS queue
    QString host; // for Tcp
    quint16 port = 9100;
};

// The printer the shop prints on, as chosen in the printer dialog and kept in the shop folder's
// "vendel.ini" (group [printer]). The printer options of the command line override it for one run.
// A value that is missing or cannot be read stands for its default; the defaults are the system's
// default printer and, for a receipt printer, 80 mm paper, code page 1252, cut, drawer and status on.
struct PrinterSettings {
    enum class Kind { System, Receipt, Folder };
    enum class Link { Device, Tcp, CupsQueue };

    Kind kind = Kind::System;
    QString systemName; // a system printer (CUPS queue); empty: the system's default printer
    Link link = Link::Device;
    QString address;     // the device file, "HOST[:PORT]" or the CUPS queue of a receipt printer
    int paper = 80;      // mm: 80 or 58
    int codepage = 1252; // 1252 or 858
    bool cut = true;
    bool drawer = true;
    bool status = true; // ask a receipt printer on a device or TCP whether it is online with paper
    QString folder;     // the folder of PDF and text files

    static inline const QString kFileName = QStringLiteral("vendel.ini");

    static PrinterSettings read(const QSettings& settings);
    // Writes every key, so the file shows the whole choice.
    void write(QSettings& settings) const;

    // Reads a --printer text: escpos:/dev/usb/lp0, escpos:tcp://HOST[:PORT], escpos:cups:QUEUE, else the
    // name of a system printer. Receipt options already set stay.
    void applyPrinterText(const QString& text);
    // This choice with the printer options given on the command line in its place: --print-to wins over
    // --printer; --paper, --codepage, --no-cut, --no-drawer and --no-status change what they name.
    PrinterSettings overriddenBy(const StartOptions& options) const;
    // True when the command line names any printer option.
    static bool overrides(const StartOptions& options);

    // The receipt printer's target; nothing for an address that names none (an empty device or queue,
    // a host that cannot be read, a port outside 1..65535).
    std::optional<ReceiptTarget> receiptTarget() const;

    bool operator==(const PrinterSettings&) const = default;
};
