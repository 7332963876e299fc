#include "KeyRouter.h"

#include "core/base/Numbers.h"
#include "core/counter/Counter.h"

#include <QChar>

void KeyRouter::eMyKeyDown(int& keyCode, int shift, int index) {
    Counter& c = m_counter;
    const bool ctrlOnly = shift == CtrlBit;

    if (keyCode == Tab && ctrlOnly) {
        const int next = c.currentNote() + 1;
        c.lblTask_Click(next < Counter::kNotes && c.tabEnabled(next) ? next : 0);
        keyCode = 0;
        return;
    }
    if (keyCode == Down && index >= Quantity && index <= Cash) {
        c.mnuCashIn_Click(); // the step of typing the cash, and the focus in the cash field
        keyCode = 0;
        return;
    }
    if (keyCode == Up && index >= Description && index <= Price) {
        static const Counter::Focus kAbove[] = {Counter::Focus::Quantity, Counter::Focus::Description,
                                                Counter::Focus::Discount};
        c.requestFocus(kAbove[index - Description]);
        keyCode = 0;
        return;
    }
    if (keyCode == Up && index == ItemList && c.itemSelected() == 0) {
        c.lblFinder_Click();
        keyCode = 0;
        return;
    }
    if (keyCode == ContextMenu) {
        if (index == Cash && Numbers::amount(c.totalText()) > 0) c.requestPopup(Counter::Popup::Amount);
        if (index == NoteList) c.requestPopup(Counter::Popup::Notes);
        if (index == ItemList) c.requestPopup(Counter::Popup::Items);
        keyCode = 0;
        return;
    }
    if (keyCode == Delete && index == NoteList && shift == 0) {
        if (c.lineCancellable()) c.mnuDel_Click();
        keyCode = 0;
        return;
    }
    if (index == ItemList) itemListKeyDown(keyCode, shift);
}

void KeyRouter::itemListKeyDown(int& keyCode, int shift) {
    Counter& c = m_counter;
    const bool ctrlOnly = shift == CtrlBit;
    if ((keyCode == Enter || keyCode == Equals) && shift == 0) {
        if (c.items().shownCount() < 1) return;
        c.lstItem_DblClick(c.itemSelected());
        keyCode = 0;
    } else if ((keyCode == Left || keyCode == Right) && shift == 0) {
        c.ePutInfo();
        keyCode = 0;
    } else if (keyCode == Delete && ctrlOnly) {
        c.setField(Counter::Quantity, QStringLiteral("1"));
        keyCode = 0;
    } else if (ctrlOnly && keyCode >= Digit0 && keyCode <= Digit9) {
        appendToQuantity(QString(QChar(u'0' + (keyCode - Digit0))));
        keyCode = 0;
    } else if (ctrlOnly && keyCode >= Pad0 && keyCode <= Pad9) {
        appendToQuantity(QString(QChar(u'0' + (keyCode - Pad0))));
        keyCode = 0;
    } else if (ctrlOnly && (keyCode == Period || keyCode == PadDecimal)) {
        appendToQuantity(QStringLiteral("."));
        keyCode = 0;
    }
}

void KeyRouter::appendToQuantity(const QString& text) {
    const QString quantity = m_counter.field(Counter::Quantity);
    if (Numbers::amount(quantity) > 0) m_counter.setField(Counter::Quantity, quantity + text);
}

void KeyRouter::eMyKeyPress(int& keyAscii, int index) {
    Counter& c = m_counter;
    const QChar ch = QChar(char16_t(keyAscii)).toUpper();
    const bool enter = keyAscii == Enter;
    auto focus = [&](Counter::Focus target) {
        c.requestFocus(target);
        keyAscii = 0;
    };

    if (index == Description) {
        if (enter) focus(Counter::Focus::Discount);
        return;
    }
    if ((ch == u'C' || ch == u'Q') && index != Quantity) return focus(Counter::Focus::Quantity);
    if (ch == u'D' || (enter && index == Quantity)) return focus(Counter::Focus::Description);
    if (ch == u'%' && index != Discount) return focus(Counter::Focus::Discount);
    if ((ch == u'P' && index != Price) || (enter && index == Discount)) return focus(Counter::Focus::Price);
    if (ch == u'B' || ch == u'H') {
        c.lblFinder_Click();
        keyAscii = 0;
        return;
    }
    if (ch == u'L') return focus(c.itemListShown() ? Counter::Focus::ItemList : Counter::Focus::Description);
    if (ch == u'N') return focus(Counter::Focus::Note);
    if ((ch == u'+' || enter) && index == Price) {
        c.ePreFactura();
        keyAscii = 0;
        return;
    }
    if (enter && index == Cash) {
        c.eFinal();
        keyAscii = 0;
        return;
    }
    if (index == ItemList && ch >= u'1' && ch <= u'9') {
        c.setField(Counter::Quantity, QString(ch));
        keyAscii = 0;
        return;
    }
    if (index == ItemList && ch == u'E') {
        if (!c.editorVisible() || !c.editingList()) c.eItemToEdit();
        keyAscii = 0;
        return;
    }
    if (index == NoteList && ch >= u'1' && ch <= u'5') {
        const int tab = ch.unicode() - u'1';
        if (c.tabEnabled(tab)) c.lblTask_Click(tab);
        return;
    }
    if (index == NoteList && ch == u'E') {
        if (!c.editorVisible() || c.editingList()) c.eNoteToEdit();
        keyAscii = 0;
    }
}

void KeyRouter::finderKeyDown(int& keyCode, int shift) {
    Counter& c = m_counter;
    const bool ctrlOnly = shift == CtrlBit;
    if (keyCode == Tab && ctrlOnly) {
        c.setLastFocus(5);
        const int current = c.currentNote();
        const int next = current + 1;
        c.lblTask_Click(current < Counter::kNotes - 1 && c.tabEnabled(next) ? next : 0);
        keyCode = 0;
    } else if (keyCode == Delete && ctrlOnly) {
        c.setField(Counter::Quantity, QStringLiteral("1"));
        keyCode = 0;
    } else if (keyCode == Equals && ctrlOnly) {
        c.setLookupMode(!c.lookupMode());
        keyCode = 0;
    } else if (ctrlOnly && ((keyCode > Digit0 && keyCode <= Digit9) || (keyCode > Pad0 && keyCode <= Pad9))) {
        const int digit = keyCode >= Pad0 ? keyCode - Pad0 : keyCode - Digit0;
        if (Numbers::amount(c.field(Counter::Quantity)) > 0)
            c.setField(Counter::Quantity, QString(QChar(u'0' + digit)));
        keyCode = 0;
    } else if (keyCode == Down && shift == 0) {
        c.requestFocus(c.itemListShown() ? Counter::Focus::ItemList : Counter::Focus::Description);
        keyCode = 0;
    }
}

void KeyRouter::finderKeyPress(int& keyAscii) {
    if (keyAscii == Enter) {
        m_counter.txtFinder_Enter();
        keyAscii = 0;
    } else if (keyAscii == 10) {
        keyAscii = 0; // Ctrl+Enter types a line feed: swallowed
    }
}
