#pragma once

#include "core/base/Language.h"

#include <QObject>
#include <QString>

class Boxes;
class Currency;
class Notes;
class SettingsStore;
struct Note;

// The three amounts under the notes: the total (lblTotal1), the cash received (txtTotal2) and the
// change (lblTotal3) with its currency label; the change follows the total and the cash.
class Amounts : public QObject {
    Q_OBJECT

public:
    Amounts(const Language& language, Notes& notes, Currency& currency, SettingsStore& settings,
            Boxes& boxes);

    const QString& totalText() const { return m_totalText; }
    const QString& cashText() const { return m_cashText; }
    const QString& changeText() const { return m_changeText; }
    const QString& changeMoney() const { return m_changeMoney; }
    bool menuVisible() const { return m_menuVisible; }

    void setTotalText(const QString& text);
    void setCashText(const QString& text);
    void setChangeText(const QString& text);
    void setChangeMoney(const QString& text);
    // Shows the total of note n (rounded to cents) and gives it back for the note's tab.
    QString showTotal(const Note& note);
    // Shows a note's total, cash and change as it left them.
    void showNote(const Note& note);
    // All three back to zero.
    void clear();
    void cashFocusIn();
    void cashFocusOut();
    // The change of the note in front, from the cash received and the total.
    void eCambio();
    // The ticket's cash and change texts of the sale being closed.
    QString cashTicketText() const;
    QString changeTicketText() const;
    // The note in front gets paid in cash: the cash field is the next step.
    void payInCash();

Q_SIGNALS:
    void changed();
    void menusChanged();
    void cashFocusWanted();
    void saveWanted();

private:
    Language m_language;
    Notes& m_notes;
    Currency& m_currency;
    SettingsStore& m_settings;
    Boxes& m_boxes;
    QString m_totalText = QStringLiteral("0.00");
    QString m_cashText = QStringLiteral("0.00");
    QString m_changeText = QStringLiteral("0.00");
    QString m_changeMoney = QStringLiteral("$");
    bool m_menuVisible = false;
    double m_lastChange = 0.0;
};
