#include "ScanGlue.h"

#include "core/counter/Counter.h"
#include "core/items/ItemSearch.h"
#include "core/note/Amounts.h"
#include "core/note/EntryFields.h"
#include "core/note/Notes.h"

#include <QApplication>
#include <QKeyEvent>

namespace {
bool isModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}
} // namespace

bool ScanGlue::keyPress(const QKeyEvent* event) {
    // Shift comes before the upper-case letters of a code: it belongs to the run.
    if (isModifierKey(event->key())) return false;
    const qint64 ms = qint64(event->timestamp());
    const bool commandKey =
        event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (ms == 0 || event->isAutoRepeat() || commandKey) {
        m_detector.interrupt();
        return false;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QString code = m_detector.enter(ms);
        if (code.isEmpty()) return false;
        putBack();
        m_counter.scanBarcode(code);
        return true;
    }
    const QString text = event->text();
    if (text.size() != 1 || !text[0].isPrint()) {
        m_detector.interrupt();
        return false;
    }
    m_detector.key(text[0], ms);
    if (m_detector.run().size() == 1) remember(); // this key may begin a scan
    return false;
}

void ScanGlue::remember() {
    const Counter& c = m_counter;
    m_before.note = c.notes().current();
    m_before.noteLine = c.notes().at(m_before.note).selected;
    m_before.item = c.search().selected();
    m_before.finder = c.search().finderText();
    for (int k = 0; k < 4; ++k)
        m_before.fields[std::size_t(k)] = c.fields().field(k);
    m_before.cash = c.amounts().cashText();
    m_before.focus = QApplication::focusWidget();
}

void ScanGlue::putBack() {
    Counter& c = m_counter;
    // In this order: a note brings its own fields, the search picks its first hit into the fields,
    // leaving the emptied search hides it and leaving a field corrects it; the fields come last.
    if (c.notes().current() != m_before.note) c.lblTask_Click(m_before.note);
    if (c.search().finderText() != m_before.finder) c.search().txtFinder_Change(m_before.finder);
    if (m_before.focus && QApplication::focusWidget() != m_before.focus)
        m_before.focus->setFocus(Qt::OtherFocusReason);
    if (c.search().selected() != m_before.item) c.search().selectItem(m_before.item);
    if (c.notes().at(m_before.note).selected != m_before.noteLine) c.lstNote_Click(m_before.noteLine);
    for (int k = 0; k < 4; ++k)
        if (c.fields().field(k) != m_before.fields[std::size_t(k)])
            c.fields().set(k, m_before.fields[std::size_t(k)]);
    if (c.amounts().cashText() != m_before.cash) c.amounts().setCashText(m_before.cash);
}
