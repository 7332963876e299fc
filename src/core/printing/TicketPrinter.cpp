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

void TicketPrinter::eOpenListTicket(const Sale& sale) {
    const std::optional<QString> amount = Documents::ticketAmount(sale.totalLine, sale.symbol);
    if (!amount) {
        m_boxes.say(m_language(PrintTexts::TicketDataError), Dialogs::Icon::Warning);
        return;
    }
    Documents::TicketData data;
    data.shop = Documents::shopOf(m_shop);
    data.dateText = m_clock.now().date().toString(QStringLiteral("dd/MM/yyyy"));
    data.timeText = sale.timeText;
    data.ticketNumber = int(m_settings.values().ticketNumber);
    data.itemText = sale.itemText;
    data.cashText = sale.cashText;
    data.changeText = sale.changeText;
    data.paidByCard = sale.paidByCard;
    data.symbol = sale.symbol;
    data.language = m_language;
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
    if (!m_lastTicket) {
        m_boxes.say(m_language(PrintTexts::NoTicketPrinted), Dialogs::Icon::Information);
        return;
    }
    PrintDocument copy = *m_lastTicket;
    copy.line(m_language(PrintTexts::CopyMark));
    copy.setOpensDrawer(false);
    if (!m_boxes.printJob(m_printer, copy))
        m_boxes.say(m_language(PrintTexts::TicketPrintFailed), Dialogs::Icon::Warning);
}

void TicketPrinter::mnuDrawer_Click() {
    if (!m_boxes.printerJob([this] { return m_printer.openDrawer(); }))
        m_boxes.say(m_language(PrintTexts::DrawerFailed), Dialogs::Icon::Warning);
}
