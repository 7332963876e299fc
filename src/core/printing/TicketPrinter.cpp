#include "TicketPrinter.h"

#include "core/base/Boxes.h"
#include "core/base/Ports.h"
#include "core/printing/Documents.h"
#include "core/printing/PrintTexts.h"
#include "core/shop/AppTexts.h"
#include "core/shop/SettingsStore.h"
#include "core/shop/ShopInfo.h"

TicketPrinter::TicketPrinter(const Language& language, Printer& printer, Clock& clock, const ShopInfo& shop,
                             SettingsStore& settings, Boxes& boxes)
    : m_language(language), m_printer(printer), m_clock(clock), m_shop(shop), m_settings(settings),
      m_boxes(boxes) {}

Documents::TicketData TicketPrinter::ticketData(const Sale& sale, const QDate& date, int number) const {
    Documents::TicketData data;
    data.shop = Documents::shopOf(m_shop);
    data.dateText = date.toString(QStringLiteral("dd/MM/yyyy"));
    data.timeText = sale.timeText;
    data.ticketNumber = number;
    data.itemText = sale.itemText;
    data.cashText = sale.cashText;
    data.changeText = sale.changeText;
    data.paidByCard = sale.paidByCard;
    data.symbol = sale.symbol;
    data.language = m_language;
    return data;
}

void TicketPrinter::eOpenListTicket(const Sale& sale) {
    const std::optional<QString> amount = Documents::ticketAmount(sale.totalLine, sale.symbol);
    if (!amount) {
        m_boxes.say(m_language(PrintTexts::TicketDataError), Dialogs::Icon::Warning);
        return;
    }
    const Documents::TicketData data =
        ticketData(sale, m_clock.now().date(), int(m_settings.values().ticketNumber));
    // Both copies carry the same body, and so the same number.
    const QString body = Documents::ticketBody(data);
    // A cash sale opens the drawer as its ticket starts; a card sale and the business copy do not.
    if (!ePrintTicket(
            Documents::ticket(data, body, *amount, data.shop.legend, false).setOpensDrawer(!sale.paidByCard)))
        return;
    if (!m_settings.values().doubleTicket) return;
    // The box says the customer copy printed, so it shows only when it did.
    m_boxes.say(m_language(PrintTexts::CustomerCopyPrinted), Dialogs::Icon::Information);
    m_businessCopy = true;
    ePrintTicket(Documents::ticket(data, body, *amount, m_language(PrintTexts::BusinessLegend), true));
}

void TicketPrinter::remember(const Sale& sale) {
    m_lastSale = sale;
    m_lastSaleDate = m_clock.now().date();
    m_lastTicket.reset();
    Q_EMIT changed();
}

bool TicketPrinter::ePrintTicket(const PrintDocument& document) {
    const bool printed = m_boxes.printJob(m_printer, document);
    if (printed && !m_businessCopy) {
        ++m_settings.values().ticketNumber;
        m_settings.save();
        m_lastTicket = document;
        Q_EMIT changed();
    }
    m_businessCopy = false;
    if (!printed) m_boxes.say(m_language(PrintTexts::TicketDataError), Dialogs::Icon::Warning);
    return printed;
}

bool TicketPrinter::noticeWanted(bool ticketAsked) {
    Settings& s = m_settings.values();
    if (s.printTickets) return true;
    if (ticketAsked || m_noticeAsked) return false;
    m_noticeAsked = true;
    if (!m_boxes.ask(m_language(AppTexts::PrintTicketQuestion))) return false;
    s.printTickets = true;
    m_settings.save();
    return true;
}

void TicketPrinter::mnuWhereTicket_Click() {
    const qint64 number = m_settings.values().ticketNumber;
    if (number < 2)
        m_boxes.say(m_language(PrintTexts::NoTicketPrinted), Dialogs::Icon::Information);
    else
        m_boxes.say(m_language(PrintTexts::TicketHash) + QString::number(number - 1),
                    Dialogs::Icon::Information);
}

void TicketPrinter::mnuReprint_Click() {
    if (!m_lastSale) {
        m_boxes.say(m_language(PrintTexts::NoTicketPrinted), Dialogs::Icon::Information);
        return;
    }
    if (m_lastTicket) {
        printCopy(*m_lastTicket);
        return;
    }
    reprint(*m_lastSale, m_lastSaleDate);
}

bool TicketPrinter::reprint(const Sale& sale, const QDate& date) {
    const std::optional<QString> amount = Documents::ticketAmount(sale.totalLine, sale.symbol);
    if (!amount) {
        m_boxes.say(m_language(PrintTexts::TicketDataError), Dialogs::Icon::Warning);
        return false;
    }
    return printCopy(Documents::customerTicket(ticketData(sale, date, 0), *amount));
}

bool TicketPrinter::printCopy(const PrintDocument& document) {
    // The mark stands above the shop's name, where the copy is read first, not below the tear-off.
    PrintDocument copy = document;
    copy.prependLine(m_language(PrintTexts::CopyMark));
    copy.setOpensDrawer(false);
    if (m_boxes.printJob(m_printer, copy)) return true;
    m_boxes.say(m_language(PrintTexts::TicketPrintFailed), Dialogs::Icon::Warning);
    return false;
}

void TicketPrinter::mnuDrawer_Click() {
    if (!m_boxes.printerJob([this] { return m_printer.openDrawer(); }))
        m_boxes.say(m_language(PrintTexts::DrawerFailed), Dialogs::Icon::Warning);
}
