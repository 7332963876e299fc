#include "ListEditor.h"

#include "core/base/Boxes.h"
#include "core/items/Folding.h"
#include "core/items/ItemList.h"
#include "core/items/ItemTexts.h"
#include "core/shop/Currency.h"

#include <algorithm>

namespace {

bool isBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

} // namespace

ListEditor::ListEditor(const Language& language, ItemList& items, Currency& currency, Boxes& boxes,
                       Shell& shell)
    : m_language(language), m_items(items), m_currency(currency), m_boxes(boxes), m_shell(shell) {}

void ListEditor::remindFormat() {
    if (m_formatShown) return;
    m_boxes.say(ItemTexts::formatReminder(m_language), Dialogs::Icon::Information);
    m_formatShown = true;
}

void ListEditor::eEdit(int index, const QStringList& lines) {
    m_buffer.clear();
    m_editingList = index == 1;
    m_title = m_language(m_editingList ? ItemTexts::EditingList : ItemTexts::EditingRegister);
    m_left = m_editingList ? kListStart : kRegisterStart;
    // The text field separates lines with "\n"; the saved file gets CR LF again.
    m_buffer = lines.join(u'\n');
    // eOpenRegEdit: the panel shows its text with a fresh search.
    m_visible = true;
    m_findWrapped = false;
    Q_EMIT moved();
    Q_EMIT opened();
}

void ListEditor::startSlide(bool opening) {
    m_opening = opening;
    m_sliding = true;
}

bool ListEditor::tmrAni_Timer() {
    // A tick waits while a box is open.
    if (!m_sliding || m_boxes.busy()) return false;
    int step = 0;
    if (m_opening && !m_editingList)
        step = m_left < -480 ? 480 : m_left < 120 ? 60 : 0;
    else if (m_opening)
        step = m_left > 5520 ? -480 : m_left > 5040 ? -60 : 0;
    else if (m_editingList)
        step = m_left < 14400 ? 480 : m_left < 14880 ? 60 : 0;
    else
        step = m_left > -9240 ? -480 : m_left > -9720 ? -60 : 0;
    if (step != 0) {
        m_left += step;
        Q_EMIT moved();
        return false;
    }
    m_sliding = false;
    Q_EMIT slideEnded();
    return !m_opening;
}

void ListEditor::eCloseEdit() {
    m_visible = false;
    m_sliding = false;
    Q_EMIT closed();
}

QStringList ListEditor::splitLines(QStringView text) {
    QStringList lines;
    if (text.isEmpty()) return lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (!isBreak(text[i])) continue;
        lines.append(text.mid(start, i - start).toString());
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    lines.append(text.mid(start).toString());
    return lines;
}

void ListEditor::storeList(QStringList lines) {
    // The typing aid opens an item line with "["; a line that holds nothing else was never written.
    lines.removeIf([](const QString& line) { return line.trimmed() == u'['; });
    m_items.setLines(lines);
    if (m_items.isEmpty()) m_items.showPlaceholder(m_language(ItemTexts::NoItems));
}

void ListEditor::saySaved() {
    m_boxes.say(m_language(ItemTexts::DataSaved), Dialogs::Icon::Information);
    Q_EMIT editorFocusWanted();
}

qsizetype ListEditor::eFindText(QStringView text, qsizetype caret, QStringView query) {
    if (text.size() < 2 || query.isEmpty()) return -1;
    QString word(query.size(), Qt::Uninitialized);
    std::transform(query.begin(), query.end(), word.begin(),
                   [](QChar c) { return QChar(Folding::foldUnit(c.unicode())); });
    const qsizetype from = m_findWrapped ? 0 : std::clamp<qsizetype>(caret, 0, text.size());
    qsizetype at = Folding::indexOfFolded(text, word, from);
    if (at < 0) {
        at = Folding::indexOfFolded(text, word, 0);
        if (at < 0) {
            m_boxes.say(m_language(ItemTexts::NoMatches), Dialogs::Icon::None);
            return -1;
        }
        m_findWrapped = true; // past the end: the search started again at the top
    }
    m_findNext = true;
    m_findWrapped = false;
    Q_EMIT findChanged();
    Q_EMIT editorFocusWanted();
    return at + word.size();
}

void ListEditor::txtFindEdit_Change() {
    if (!m_findNext) return;
    m_findNext = false;
    Q_EMIT findChanged();
}

ListEditor::Typed ListEditor::aid(QChar key, QStringView before, QChar after, const QString& symbol) {
    Typed t;
    const QChar last = before.isEmpty() ? QChar() : before.back();
    // The character n places left of the caret (1 is the one right before it).
    const auto back = [&](qsizetype n) { return n <= before.size() ? before[before.size() - n] : QChar(); };
    switch (key.unicode()) {
    case u'\n': // Ctrl+Enter
        t.handled = true;
        break;
    case u'{':
        t = {true, QStringLiteral("["), false};
        break;
    case u'}':
        t = {true, QStringLiteral("]"), false};
        break;
    case u' ':
        if (last == u' ')
            t = {true, symbol, true};
        else if (last != u']' && (back(2) == u'[' || back(3) == u'[' || back(4) == u'['))
            t = {true, QStringLiteral("] "), true};
        break;
    case u'\r': {
        t.handled = true;
        if (last == u'.') t.insert = QStringLiteral("00");
        t.insert += QStringLiteral("\r\n");
        if (after.isNull() || after == u'\r') t.insert += u'[';
        break;
    }
    default:
        break;
    }
    return t;
}

ListEditor::Typed ListEditor::txtEditar_KeyPress(QChar key, QStringView before, QChar after) {
    if (!m_visible || !m_editingList) return {};
    Typed t = aid(key, before, after, m_currency.symbol());
    if (t.beep) m_shell.beep();
    return t;
}
