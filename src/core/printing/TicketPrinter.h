#pragma once

#include "core/base/Language.h"
#include "core/printing/PrintDocument.h"

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
// The last ticket of the run can be printed again, marked as a copy.
class TicketPrinter : public QObject {
    Q_OBJECT

public:
    using Sale = TicketSale;

    TicketPrinter(const Language& language, Printer& printer, Clock& clock, const ShopInfo& shop,
                  SettingsStore& settings, Boxes& boxes);

    // Builds the ticket of the sale and prints one or two copies.
    void eOpenListTicket(const Sale& sale);
    // Whether a notice is printed: always while tickets are on; otherwise the cashier is asked once,
    // at the first notice of a run that has closed no sale yet.
    bool noticeWanted(bool ticketAsked);
    void mnuWhereTicket_Click();

    bool reprintAvailable() const { return m_lastTicket.has_value(); }
    // The last ticket of the run again, "COPIA" on its last line; the number stays.
    void mnuReprint_Click();
    // Opens the cash drawer without a sale; a warning when the printer cannot.
    void mnuDrawer_Click();

Q_SIGNALS:
    void changed(); // the ticket number or the reprint's availability

private:
    // One copy; false (after the warning) when it did not print.
    bool ePrintTicket(const PrintDocument& document);

    Language m_language;
    Printer& m_printer;
    Clock& m_clock;
    const ShopInfo& m_shop;
    SettingsStore& m_settings;
    Boxes& m_boxes;
    bool m_businessCopy = false; // on while the business copy prints: the number stays
    bool m_noticeAsked = false;
    std::optional<PrintDocument> m_lastTicket;
};
