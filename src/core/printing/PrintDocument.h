#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// One print job exactly as the program prints it: its kind, then a run of steps (font name, size,
// bold, one line, a picture). A line holding CR LF prints as several lines. Every printer renders the
// same document, and the tests read it back with lines(). A picture (a chart of a report) is drawn by
// the printers that draw pages, as wide as the paper; a receipt printer's text leaves it out, and so
// do lines().
class PrintDocument {
public:
    enum class Kind {
        Ticket,
        BusinessCopy,
        Report,
        Notice,
        ShopData,
        TestPage,
        XReport,
        ZReport,
        CountNotice,
        SalesReport
    };

    struct Step {
        enum class Type { Font, Size, Bold, Line, Picture } type;
        QString text;       // the font name, or the line
        double size = 0.0;  // points, for Size
        bool bold = false;  // for Bold
        QByteArray picture; // an encoded image (PNG), for Picture
    };

    // One printed line with the font in force when it was printed.
    struct PrintedLine {
        QString text;
        QString font;
        double size = 0.0;
        bool bold = false;
        QByteArray picture; // a picture in place of a line (printedLines(true) only)
    };

    explicit PrintDocument(Kind kind = Kind::Ticket) : m_kind(kind) {}

    Kind kind() const { return m_kind; }
    // A job of money changing hands in cash (a cash sale's ticket, a cash movement's notice): a
    // printer with a cash drawer opens it as the job starts.
    bool opensDrawer() const { return m_opensDrawer; }
    PrintDocument& setOpensDrawer(bool on) {
        m_opensDrawer = on;
        return *this;
    }
    // A short name of the kind for file names: "ticket", "copy", "report", "notice", "shop", "test",
    // "x-report", "z-report", "count".
    static QString kindName(Kind kind);

    PrintDocument& font(const QString& name);
    PrintDocument& size(double points);
    PrintDocument& bold(bool on);
    PrintDocument& line(const QString& text);
    PrintDocument& picture(const QByteArray& image);
    // A line printed before every other line, in the font set at the job's start (a reprint's mark).
    PrintDocument& prependLine(const QString& text);

    const std::vector<Step>& steps() const { return m_steps; }
    // The printed lines in order (every CR LF, lone CR or lone LF breaks a line).
    QStringList lines() const;
    std::vector<PrintedLine> printedLines(bool withPictures = false) const;
    // The steps as short texts ("font Segoe UI", "size 7", "bold 1", "line …"), for tests.
    QStringList stepTexts() const;

private:
    Kind m_kind;
    bool m_opensDrawer = false;
    std::vector<Step> m_steps;
};
