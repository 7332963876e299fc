#include "EntryFields.h"

#include "core/base/Boxes.h"
#include "core/base/Numbers.h"
#include "core/note/NoteTexts.h"
#include "core/note/Notes.h"

#include <cmath>

EntryFields::EntryFields(const Language& language, Notes& notes, Boxes& boxes)
    : m_language(language), m_notes(notes), m_boxes(boxes), m_noneText(language(NoteTexts::NoneText)),
      m_priceTitle(language(NoteTexts::PriceTitle)) {
    m_fields = blank();
}

std::array<QString, 4> EntryFields::blank() const {
    return Note::blankFields(m_noneText);
}

void EntryFields::set(int k, const QString& value) {
    if (k < 0 || k > 3) return;
    // A quantity is written with a point only: a comma would be read as a thousands separator by one
    // reader and as the end of the number by another.
    const QString text = k == Quantity ? QString(value).remove(u',') : value;
    m_fields[std::size_t(k)] = text;
    m_notes.front().fields[std::size_t(k)] = text;
    if (k == Description || k == Price) readyTest();
    Q_EMIT changed();
}

void EntryFields::readyTest() {
    const double price = Numbers::amount(field(Price));
    if (price > 0 && field(Description) != m_noneText) m_notes.front().step = SaleStep::ItemReady;
}

void EntryFields::show(const std::array<QString, 4>& fields) {
    for (int k = 0; k < 4; ++k)
        set(k, fields[std::size_t(k)]);
}

void EntryFields::clearItem() {
    restore(Description);
    restore(Price);
}

void EntryFields::restore(int k) {
    set(k, blank()[std::size_t(k)]);
}

void EntryFields::putItem(const QString& description, const QString& price) {
    set(Description, description);
    set(Price, price);
    m_notes.front().step = SaleStep::ItemReady;
}

void EntryFields::focusIn(int k) {
    switch (k) {
    case Quantity:
        if (Numbers::amount(field(Quantity)) <= 1) set(Quantity, QString());
        break;
    case Description:
        if (field(Description).isEmpty()) restore(Description);
        break;
    case Discount:
        if (Numbers::leading(field(Discount)) == 0) set(Discount, QString());
        break;
    case Price:
        if (Numbers::amount(field(Price)) == 0) set(Price, QString());
        break;
    default:
        break;
    }
}

void EntryFields::focusOut(int k) {
    switch (k) {
    case Quantity:
        if (Numbers::leading(field(Quantity)) <= 0) restore(Quantity);
        break;
    case Description:
        if (field(Description).isEmpty()) restore(Description);
        break;
    case Discount: {
        const double d = Numbers::leading(field(Discount));
        if (d <= 0)
            restore(Discount);
        else
            set(Discount, Numbers::floorText(d));
        break;
    }
    case Price: {
        const double price = Numbers::amount(field(Price));
        set(Price, Numbers::format(price, Numbers::Picture::Plain));
        if (price >= 1000) set(Price, Numbers::format(price, Numbers::Picture::Grouped));
        break;
    }
    default:
        break;
    }
}

bool EntryFields::confirmAdd() {
    const double price = Numbers::amount(field(Price));
    const double discount = std::floor(Numbers::leading(field(Discount)));
    const double amount = (1.0 - discount / 100.0) * price * Numbers::leading(field(Quantity));
    if (!std::isfinite(amount)) return false;
    if (price < 0 || discount > 100) {
        m_boxes.say(m_language(price < 0 ? NoteTexts::NegativePrice : NoteTexts::LineDiscountTooHigh),
                    Dialogs::Icon::Information);
        return false;
    }
    return price != 0 || m_boxes.ask(m_language(NoteTexts::FreeItemQuestion));
}

NoteLines::Added EntryFields::take(const QString& symbol) {
    if (NoteLines::isPlaceholder(field(Description), m_noneText)) set(Description, QString());
    const double price = Numbers::amount(field(Price));
    if (price > 0) set(Discount, Numbers::floorText(Numbers::leading(field(Discount))));
    return NoteLines::item(field(Quantity), field(Description), field(Discount), price, symbol, m_language);
}

void EntryFields::afterAdd() {
    if (field(Description).isEmpty()) clearItem();
    restore(Quantity);
    restore(Discount);
}

void EntryFields::remindPrice() {
    if (m_boxes.busy()) return;
    const QString description = field(Description);
    const bool active =
        !description.isEmpty() && description != m_noneText && Numbers::amount(field(Price)) == 0;
    QString title = m_priceTitle;
    if (active && !title.contains(u'*'))
        title.prepend(u'*');
    else
        title.remove(u'*');
    if (title != m_priceTitle) {
        m_priceTitle = title;
        Q_EMIT priceTitleChanged();
    }
}
