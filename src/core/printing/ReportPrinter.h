#pragma once

#include "core/base/Language.h"

#include <QString>

class Boxes;
class Clock;
class Currency;
class Notes;
class Printer;
class PrintDocument;
class SettingsStore;
struct ShopInfo;

// The print-outs beside the sale ticket: the register report, the notice of a cash movement or a
// simple card entry, and the shop's data behind the user key. Each is one print job; a failed job
// shows the warning and changes nothing.
class ReportPrinter {
public:
    ReportPrinter(const Language& language, const QString& userKey, Printer& printer, Clock& clock,
                  const ShopInfo& shop, const Notes& notes, const Currency& currency, SettingsStore& settings,
                  Boxes& boxes);

    // Every line of the record note with the cash total; false (after the warning) when it failed.
    bool ePrintHistory();
    // The notice under the shop's name and address; a printed notice uses up one ticket number.
    bool ePrintNotif(const QString& info);
    // The shop's data, after the user key.
    void mnuPrintInfo_Click();
    // A sales report made elsewhere; false (after the warning) when it did not print.
    bool printSalesReport(const PrintDocument& document);

private:
    QString dateText() const;

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
