#include "KeyRouter.h"

#include "core/base/Numbers.h"
#include "core/counter/Counter.h"
#include "core/items/ItemList.h"
#include "core/items/ItemSearch.h"
#include "core/items/ListEditor.h"
#include "core/note/Adjustments.h"
#include "core/note/Amounts.h"
#include "core/note/EntryFields.h"
#include "core/note/NoteTabs.h"
#include "core/note/Notes.h"

#include <QString>

namespace {

using Control = KeyRouter::Control;

// Shift, Ctrl and Alt as the keys see them; the keypad and the system key do not count.
Qt::KeyboardModifiers held(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}
bool none(Qt::KeyboardModifiers modifiers) {
    return held(modifiers) == Qt::NoModifier;
}
bool ctrlOnly(Qt::KeyboardModifiers modifiers) {
    return held(modifiers) == Qt::ControlModifier;
}
bool isTab(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}
bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
// The menu key, or Shift+F10 on keyboards without one.
bool isMenuKey(int key, Qt::KeyboardModifiers modifiers) {
    return key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers.testFlag(Qt::ShiftModifier));
}
// "=" (also as "+" on its key), never the keypad's "+".
bool isEquals(int key, Qt::KeyboardModifiers modifiers) {
    return key == Qt::Key_Equal || (key == Qt::Key_Plus && !modifiers.testFlag(Qt::KeypadModifier));
}
// The decimal point: "." of the main keys, "." or "," of the keypad.
bool isPoint(int key, Qt::KeyboardModifiers modifiers) {
    return key == Qt::Key_Period || (key == Qt::Key_Comma && modifiers.testFlag(Qt::KeypadModifier));
}
int digitOf(int key) {
    return key >= Qt::Key_0 && key <= Qt::Key_9 ? key - Qt::Key_0 : -1;
}
bool isEntryField(Control c) {
    return c == Control::Quantity || c == Control::Description || c == Control::Discount ||
           c == Control::Price;
}

} // namespace

void KeyRouter::nextNote() {
    Counter& c = m_counter;
    const int next = c.notes().current() + 1;
    c.lblTask_Click(next < Notes::kNotes && c.tabs().enabled(next) ? next : 0);
}

bool KeyRouter::keyDown(Control from, int key, Qt::KeyboardModifiers modifiers) {
    Counter& c = m_counter;
    if (isTab(key) && ctrlOnly(modifiers)) {
        nextNote();
        return true;
    }
    if (key == Qt::Key_Down && (isEntryField(from) || from == Control::Cash)) {
        c.amounts().payInCash(); // the step of typing the cash, and the focus in the cash field
        return true;
    }
    if (key == Qt::Key_Up && isEntryField(from) && from != Control::Quantity) {
        c.requestFocus(from == Control::Description ? Counter::Focus::Quantity
                       : from == Control::Discount  ? Counter::Focus::Description
                                                    : Counter::Focus::Discount);
        return true;
    }
    if (key == Qt::Key_Up && from == Control::ItemList && c.search().selected() == 0) {
        c.search().lblFinder_Click();
        return true;
    }
    if (isMenuKey(key, modifiers)) {
        if (from == Control::Cash && Numbers::amount(c.amounts().totalText()) > 0)
            c.requestPopup(Counter::Popup::Amount);
        if (from == Control::NoteList) c.requestPopup(Counter::Popup::Notes);
        if (from == Control::ItemList) c.requestPopup(Counter::Popup::Items);
        return true;
    }
    if (key == Qt::Key_Delete && from == Control::NoteList && none(modifiers)) {
        if (c.adjustments().mayCancel()) c.adjustments().mnuDel_Click();
        return true;
    }
    return from == Control::ItemList && itemListKeyDown(key, modifiers);
}

bool KeyRouter::itemListKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    Counter& c = m_counter;
    if ((isEnter(key) || isEquals(key, modifiers)) && none(modifiers)) {
        if (c.items().shownCount() < 1) return false;
        c.lstItem_DblClick(c.search().selected());
        return true;
    }
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && none(modifiers)) {
        c.search().ePutInfo();
        return true;
    }
    if (!ctrlOnly(modifiers)) return false;
    if (key == Qt::Key_Delete) {
        c.fields().set(EntryFields::Quantity, QStringLiteral("1"));
        return true;
    }
    if (const int digit = digitOf(key); digit >= 0) {
        appendToQuantity(QString(QChar(u'0' + digit)));
        return true;
    }
    if (isPoint(key, modifiers)) {
        appendToQuantity(QStringLiteral("."));
        return true;
    }
    return false;
}

void KeyRouter::appendToQuantity(const QString& text) {
    EntryFields& fields = m_counter.fields();
    const QString quantity = fields.field(EntryFields::Quantity);
    if (Numbers::amount(quantity) > 0) fields.set(EntryFields::Quantity, quantity + text);
}

bool KeyRouter::keyPress(Control from, QChar typed) {
    Counter& c = m_counter;
    const QChar ch = typed.toUpper();
    const bool enter = typed == u'\r';
    const auto focus = [&](Counter::Focus target) {
        c.requestFocus(target);
        return true;
    };

    if (from == Control::Description) return enter && focus(Counter::Focus::Discount);
    if ((ch == u'C' || ch == u'Q') && from != Control::Quantity) return focus(Counter::Focus::Quantity);
    if (ch == u'D' || (enter && from == Control::Quantity)) return focus(Counter::Focus::Description);
    if (ch == u'%' && from != Control::Discount) return focus(Counter::Focus::Discount);
    if ((ch == u'P' && from != Control::Price) || (enter && from == Control::Discount))
        return focus(Counter::Focus::Price);
    if (ch == u'B' || ch == u'H') {
        c.search().lblFinder_Click();
        return true;
    }
    if (ch == u'L') return focus(Counter::Focus::ItemList);
    if (ch == u'N') return focus(Counter::Focus::Note);
    if ((ch == u'+' || enter) && from == Control::Price) {
        c.ePreFactura();
        return true;
    }
    if (enter && from == Control::Cash) {
        c.eFinal();
        return true;
    }
    if (from == Control::ItemList && ch >= u'1' && ch <= u'9') {
        c.fields().set(EntryFields::Quantity, QString(ch));
        return true;
    }
    if (from == Control::ItemList && ch == u'E') {
        c.eItemToEdit();
        return true;
    }
    if (from == Control::NoteList && ch >= u'1' && ch <= u'5') {
        const int tab = ch.unicode() - u'1';
        if (c.tabs().enabled(tab)) c.lblTask_Click(tab);
        return false; // the key goes on to the list
    }
    if (from == Control::NoteList && ch == u'E') {
        c.eNoteToEdit();
        return true;
    }
    return false;
}

bool KeyRouter::finderKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    Counter& c = m_counter;
    if (isTab(key) && ctrlOnly(modifiers)) {
        c.reopenSearchAfterSwitch();
        nextNote();
        return true;
    }
    if (key == Qt::Key_Delete && ctrlOnly(modifiers)) {
        c.fields().set(EntryFields::Quantity, QStringLiteral("1"));
        return true;
    }
    if (isEquals(key, modifiers) && ctrlOnly(modifiers)) {
        c.search().setLookupMode(!c.search().lookupMode());
        return true;
    }
    if (const int digit = digitOf(key); digit > 0 && ctrlOnly(modifiers)) {
        if (Numbers::amount(c.fields().field(EntryFields::Quantity)) > 0)
            c.fields().set(EntryFields::Quantity, QString(QChar(u'0' + digit)));
        return true;
    }
    if (key == Qt::Key_Down && none(modifiers)) {
        c.requestFocus(Counter::Focus::ItemList);
        return true;
    }
    return false;
}

bool KeyRouter::finderKeyPress(QChar typed) {
    if (typed == u'\r') {
        m_counter.search().txtFinder_Enter();
        return true;
    }
    return typed == u'\n'; // Ctrl+Enter types a line feed: swallowed
}
