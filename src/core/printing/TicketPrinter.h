#pragma once

#include "core/base/Language.h"
#include "core/printing/Documents.h"
#include "core/printing/PrintDocument.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <optional>

class Boxes;
class Clock;
class Printer;
class SettingsStore;
struct ShopInfo;

// What a closed sale leaves for its ticket.
struct TicketSale {
    QString itemText;   // the sale's item lines, each ended by CR LF
    QString totalLine;  // the register's closing line of the sale
    QString cashText;   // "$500.00"
    QString changeText; // "$104.00"
    QString timeText;   // "14:35"
    QString symbol;
    bool paidByCard = false;
};

// The sale ticket: one copy, or a customer copy and a business copy with a box between them. The
// ticket number rises only for a customer copy or single ticket that printed, and is saved at once.
// The last sale closed in the run, and any sale read back from a register, can have its ticket printed
// again: marked as a copy on its first line, the number unchanged.
class TicketPrinter : public QObject {
    Q_OBJECT

public:
    using Sale = TicketSale;

    TicketPrinter(const Language& language, Printer& printer, Clock& clock, const ShopInfo& shop,
                  SettingsStore& settings, Boxes& boxes);

    // Builds the ticket of the sale and prints one or two copies.
    void eOpenListTicket(const Sale& sale);
    // A sale was closed: its ticket can be printed again later, whether or not it prints now.
    void remember(const Sale& sale);
    // Whether a notice is printed: always while tickets are on; otherwise the cashier is asked once,
    // at the first notice of a run that has closed no sale yet.
    bool noticeWanted(bool ticketAsked);
    void mnuWhereTicket_Click();

    bool reprintAvailable() const { return m_lastSale.has_value(); }
    // The last closed sale's ticket again, "COPIA" on its first line; the number stays. A ticket that
    // printed is printed as it was; one that did not is made now, without a number.
    void mnuReprint_Click();
    // The ticket of a sale of the given day read back from a register, as a copy without a number;
    // false (after the warning) when it did not print.
    bool reprint(const Sale& sale, const QDate& date);
    // Opens the cash drawer without a sale; a warning when the printer cannot.
    void mnuDrawer_Click();

Q_SIGNALS:
    void changed(); // the ticket number or the reprint's availability

private:
    // One copy; false (after the warning) when it did not print.
    bool ePrintTicket(const PrintDocument& document);
    // What the ticket of the sale prints, on the given day with the given number (0: none).
    Documents::TicketData ticketData(const Sale& sale, const QDate& date, int number) const;
    bool printCopy(const PrintDocument& document);

    Language m_language;
    Printer& m_printer;
    Clock& m_clock;
    const ShopInfo& m_shop;
    SettingsStore& m_settings;
    Boxes& m_boxes;
    bool m_businessCopy = false; // on while the business copy prints: the number stays
    bool m_noticeAsked = false;
    // The last closed sale, its day, and its ticket as printed (none when it did not print).
    std::optional<Sale> m_lastSale;
    QDate m_lastSaleDate;
    std::optional<PrintDocument> m_lastTicket;
};
