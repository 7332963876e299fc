#pragma once

#include "core/base/Language.h"

#include <QObject>
#include <QString>

class Boxes;
class Currency;
class Notes;

// Discounts, interest and cancelling a line of the note in front.
class Adjustments : public QObject {
    Q_OBJECT

public:
    Adjustments(const Language& language, Notes& notes, Currency& currency, Boxes& boxes);

    // May the chosen line of the note in front be cancelled: any line of another note; in the record
    // note, a line of the sale being written that is no cash or card entry.
    bool mayCancel() const;
    bool cancelEntryVisible() const { return m_entryVisible; }
    const QString& cancelEntryCaption() const { return m_entryCaption; }

    // A discount given as an amount or a percentage ("5%").
    void eDesc(const QString& value);
    void mnuDescx_Click();
    void mnuIVA_Click();
    // Cancels the chosen line; the total is read back from the lines that stay.
    void mnuDel_Click();
    // The cancel entry of the menus follows the chosen line.
    void eClickMenu();

Q_SIGNALS:
    void totalChanged(int n); // the note's total is to be shown
    void linesRemoved();      // the tabs follow
    void tabCaptionWanted(int n, const QString& caption);
    void menusChanged();

private:
    Language m_language;
    Notes& m_notes;
    Currency& m_currency;
    Boxes& m_boxes;
    bool m_entryVisible = false;
    QString m_entryCaption;
};
