#pragma once

#include "core/base/Language.h"

#include <QString>

class Boxes;
class CashCount;
class Clock;
class Currency;
class Notes;
class Printer;
class PrintDocument;
class SettingsStore;
struct ShopInfo;

// The print-outs beside the sale ticket: the register report, the day's summary (X and Z reports),
// the notice of a cash movement, a simple card entry or a count of the drawer, and the shop's data
// behind the user key. Each is one print job; a failed job shows the warning and changes nothing.
class ReportPrinter {
public:
    ReportPrinter(const Language& language, const QString& userKey, Printer& printer, Clock& clock,
                  const ShopInfo& shop, const Notes& notes, const Currency& currency, SettingsStore& settings,
                  Boxes& boxes);

    // Every line of the record note with the cash total; false (after the warning) when it failed.
    bool ePrintHistory();
    // The day's summary of the record note, at any time ("CORTE X"), or at the cut under the split-off
    // file's name ("CORTE Z"); false (after the warning) when it failed.
    bool printXReport();
    bool printZReport(const QString& fileName);
    // The notice under the shop's name and address; a printed notice uses up one ticket number.
    bool ePrintNotif(const QString& info);
    // The notice of a count of the drawer booked at `time`; it carries no ticket number.
    bool printCountNotice(const CashCount& count, const QString& time);
    // The shop's data, after the user key.
    void mnuPrintInfo_Click();
    // A sales report made elsewhere; false (after the warning) when it did not print.
    bool printSalesReport(const PrintDocument& document);

private:
    QString dateText() const;
    QString timeText() const;
    bool printSummary(const QString& fileName);

    Language m_language;
    QString m_userKey;
    Printer& m_printer;
    Clock& m_clock;
    const ShopInfo& m_shop;
    const Notes& m_notes;
    const Currency& m_currency;
    SettingsStore& m_settings;
    Boxes& m_boxes;
};
