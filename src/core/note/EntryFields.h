#pragma once

#include "core/base/Language.h"
#include "core/note/NoteLines.h"

#include <QObject>
#include <QString>

#include <array>

class Boxes;
class Notes;

// The four entry fields (quantity, description, discount, price) of the note in front: what they
// show, what focus does to them, what an added item leaves in them, and the price reminder.
class EntryFields : public QObject {
    Q_OBJECT

public:
    enum Field { Quantity = 0, Description = 1, Discount = 2, Price = 3 };

    EntryFields(const Language& language, Notes& notes, Boxes& boxes);

    QString field(int k) const { return m_fields[std::size_t(k)]; }
    const QString& noneText() const { return m_noneText; }
    void setNoneText(const QString& text) { m_noneText = text; }
    // The fields at rest: quantity 1, no description, no discount, no price.
    std::array<QString, 4> blank() const;
    const QString& priceTitle() const { return m_priceTitle; }

    // A field's text changed (typed, or written by a procedure); the note in front keeps it.
    void set(int k, const QString& text);
    void focusIn(int k);
    void focusOut(int k);
    // Shows these texts (a note coming to the front, or the defaults).
    void show(const std::array<QString, 4>& fields);
    // The description and the price back at rest.
    void clearItem();
    // An item of the list put in the fields.
    void putItem(const QString& description, const QString& price);

    // An item with a negative price or beyond the range of numbers is refused silently, one without a
    // price is added only when the cashier says yes.
    bool confirmAdd();
    // The line of the item in the fields (the placeholder description cleared, the discount made whole).
    NoteLines::Added take(const QString& symbol);
    // What the fields show once the item is in the note.
    void afterAdd();

    // The price reminder: a description without a price blinks a "*" before the price title.
    void remindPrice();

Q_SIGNALS:
    void changed();
    void priceTitleChanged();

private:
    void readyTest();
    // One field back at rest.
    void restore(int k);

    Language m_language;
    Notes& m_notes;
    Boxes& m_boxes;
    QString m_noneText;
    std::array<QString, 4> m_fields;
    QString m_priceTitle;
};
