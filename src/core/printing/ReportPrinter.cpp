#include "ReportPrinter.h"

#include "core/base/Boxes.h"
#include "core/base/Ports.h"
#include "core/items/ItemTexts.h"
#include "core/note/Notes.h"
#include "core/printing/Documents.h"
#include "core/printing/PrintTexts.h"
#include "core/register/DaySummary.h"
#include "core/shop/Currency.h"
#include "core/shop/SettingsStore.h"
#include "core/shop/ShopInfo.h"

ReportPrinter::ReportPrinter(const Language& language, const QString& userKey, Printer& printer, Clock& clock,
                             const ShopInfo& shop, const Notes& notes, const Currency& currency,
                             SettingsStore& settings, Boxes& boxes)
    : m_language(language), m_userKey(userKey), m_printer(printer), m_clock(clock), m_shop(shop),
      m_notes(notes), m_currency(currency), m_settings(settings), m_boxes(boxes) {}

QString ReportPrinter::dateText() const {
    return m_clock.now().date().toString(QStringLiteral("dd/MM/yyyy"));
}

QString ReportPrinter::timeText() const {
    return m_clock.now().time().toString(QStringLiteral("HH:mm"));
}

bool ReportPrinter::ePrintHistory() {
    const Documents::ReportData data{m_shop.brand,        dateText(),          timeText(),
                                     m_notes.at(0).lines, m_currency.symbol(), m_language};
    if (m_boxes.printJob(m_printer, Documents::report(data))) return true;
    m_boxes.say(m_language(PrintTexts::SplitPrintFailed), Dialogs::Icon::Warning);
    return false;
}

bool ReportPrinter::printXReport() {
    return printSummary(QString());
}

bool ReportPrinter::printZReport(const QString& fileName) {
    return printSummary(fileName);
}

bool ReportPrinter::printSummary(const QString& fileName) {
    const QString& symbol = m_currency.symbol();
    const Documents::SummaryData data{m_shop.brand, dateText(),
                                      timeText(),   DaySummary::of(m_notes.at(0).lines, symbol, m_language),
                                      symbol,       m_printer.columns(),
                                      m_language};
    const PrintDocument document =
        fileName.isEmpty() ? Documents::xReport(data) : Documents::zReport(data, fileName);
    if (m_boxes.printJob(m_printer, document)) return true;
    m_boxes.say(m_language(PrintTexts::SplitPrintFailed), Dialogs::Icon::Warning);
    return false;
}

bool ReportPrinter::printCountNotice(const CashCount& count, const QString& time) {
    const Documents::CountNoticeData data{m_shop.brand, m_shop.address,      dateText(), time,
                                          count,        m_printer.columns(), m_language};
    if (m_boxes.printJob(m_printer, Documents::countNotice(data))) return true;
    m_boxes.say(m_language(PrintTexts::TicketPrintFailed), Dialogs::Icon::Warning);
    return false;
}

bool ReportPrinter::ePrintNotif(const QString& info) {
    if (!m_boxes.printJob(m_printer,
                          Documents::notice(m_shop.brand, m_shop.address, info).setOpensDrawer(true))) {
        m_boxes.say(m_language(PrintTexts::TicketPrintFailed), Dialogs::Icon::Warning);
        return false;
    }
    ++m_settings.values().ticketNumber;
    m_settings.save();
    return true;
}

void ReportPrinter::mnuPrintInfo_Click() {
    if (!m_boxes.grantedByKey(m_language(PrintTexts::ShopKeyPrompt), m_userKey,
                              m_language(ItemTexts::KeyIncorrect)))
        return;
    if (!m_boxes.printJob(m_printer, Documents::shopData(Documents::shopOf(m_shop), m_language)))
        m_boxes.say(m_language(PrintTexts::TicketPrintFailed), Dialogs::Icon::Warning);
}

bool ReportPrinter::printSalesReport(const PrintDocument& document) {
    if (m_boxes.printJob(m_printer, document)) return true;
    m_boxes.say(m_language(PrintTexts::SalesReportFailed), Dialogs::Icon::Warning);
    return false;
}
