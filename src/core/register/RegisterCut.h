#pragma once

#include "core/base/Language.h"

#include <QObject>
#include <QString>

#include <optional>

class Boxes;
class Clock;
class Currency;
class Notes;
class SettingsStore;

// What the day register adds up to: the cash the drawer should hold, the number of sales, the record
// tab's mark at the cash limit, and the cut that moves the day's lines into a split-off file so that
// the rest of the day starts a fresh register.
class RegisterCut : public QObject {
    Q_OBJECT

public:
    RegisterCut(const QString& dataDir, const Language& language, Clock& clock, Notes& notes,
                Currency& currency, SettingsStore& settings, Boxes& boxes);

    bool cutMenuEnabled() const { return m_cutEnabled; }

    // The cash the drawer should hold now: the record note's sale totals and entries less its
    // withdrawals.
    double cashTotal() const;
    // The record tab's caption: marked "*" once the cash reaches the limit.
    QString recordCaption() const;
    // The cut is offered for a record with closed sales, in front, while no editor is open.
    void checkCanCut(bool editorVisible);

    // "SUMA TOTAL [$120.00]"; nothing while a sale is open in the record note.
    void mnuCut_Click();
    // "NÚMERO DE VENTAS [3]", or that there are none.
    void eCountSales();

    // The cut's file work, after the cashier's yes: the record note saved, then the day's file renamed
    // to the first free split-off name, which is returned ("VENTAS #05-12-2026 (1).txt"). Nothing (after
    // the failure box when it was tried) when nothing was split off; the record note and the files are
    // then as they were.
    std::optional<QString> splitOff();

Q_SIGNALS:
    void menusChanged();

private:
    QString m_dataDir;
    Language m_language;
    Clock& m_clock;
    Notes& m_notes;
    Currency& m_currency;
    SettingsStore& m_settings;
    Boxes& m_boxes;
    bool m_cutEnabled = false;
    // The cash total runs after every booking over the whole day: the lines already summed and their
    // total, so that only the lines after them are read again.
    mutable QStringList m_summed;
    mutable double m_summedTotal = 0.0;
    mutable QString m_summedSymbol;
};
