#include "Adjustments.h"

#include "core/base/Boxes.h"
#include "core/base/Numbers.h"
#include "core/note/NoteLines.h"
#include "core/note/NoteTexts.h"
#include "core/note/Notes.h"
#include "core/shop/Currency.h"

#include <algorithm>

Adjustments::Adjustments(const Language& language, Notes& notes, Currency& currency, Boxes& boxes)
    : m_language(language), m_notes(notes), m_currency(currency), m_boxes(boxes) {}

bool Adjustments::mayCancel() const {
    const int n = m_notes.current();
    const Note& x = m_notes.at(n);
    const int sel = x.selected;
    if (sel < 0 || sel >= int(x.lines.size())) return false;
    if (n > 0) return true;
    const QString& line = x.lines[sel];
    return sel > m_notes.saleStart() && !NoteLines::isBooking(line);
}

void Adjustments::eDesc(const QString& value) {
    const int n = m_notes.current();
    Note& x = m_notes[n];
    if (x.total <= 0) return;
    const NoteLines::Adjustment a = NoteLines::discount(value, m_currency.symbol(), m_language);
    // No discount takes a note below 0: a sale never closes with a negative total.
    if (Numbers::amount(Numbers::amountText(a.applied(x.total))) < 0) {
        m_boxes.say(m_language(NoteTexts::DiscountAboveTotal), Dialogs::Icon::Information);
        return;
    }
    x.total = a.applied(x.total);
    m_notes.appendLine(n, a.line);
    Q_EMIT totalChanged(n);
}

void Adjustments::mnuDescx_Click() {
    if (const auto answer = m_boxes.askUntil(m_language(NoteTexts::DiscountPrompt), NoteLines::acceptable))
        eDesc(*answer);
}

void Adjustments::mnuIVA_Click() {
    const auto answer = m_boxes.askUntil(m_language(NoteTexts::InterestPrompt), NoteLines::acceptable);
    if (!answer) return;
    const int n = m_notes.current();
    Note& x = m_notes[n];
    const NoteLines::Adjustment a = NoteLines::interest(*answer, m_currency.symbol(), m_language);
    x.total = a.applied(x.total);
    m_notes.appendLine(n, a.line);
    Q_EMIT totalChanged(n);
}

void Adjustments::eClickMenu() {
    const bool offered = mayCancel();
    const Note& x = m_notes.front();
    const QString caption = offered ? NoteLines::cancelCaption(x.lines[x.selected], m_language) : QString();
    if (offered != m_entryVisible || caption != m_entryCaption) {
        m_entryVisible = offered;
        m_entryCaption = caption;
        Q_EMIT menusChanged();
    }
}

void Adjustments::mnuDel_Click() {
    if (!mayCancel()) return;
    const int n = m_notes.current();
    Note& x = m_notes[n];
    const int first = n == 0 ? m_notes.saleStart() + 1 : 0;
    m_notes.removeLine(n, x.selected);
    Q_EMIT linesRemoved();

    // The lines that stay are read back; a discount larger than what is left leaves the note at 0.
    x.total = std::max(0.0, NoteLines::replayTotal(x.lines, first, m_currency.symbol(), m_language));
    Q_EMIT totalChanged(n);
    if (n > 0 && Numbers::amount(Numbers::amountText(x.total)) <= 0)
        Q_EMIT tabCaptionWanted(n, m_language(NoteTexts::NewTab));
    if ((n > 0 && x.lines.isEmpty()) || (n == 0 && int(x.lines.size()) - 1 == m_notes.saleStart()))
        x.used = false;
    if (!x.lines.isEmpty()) m_notes.selectLast(n);
    eClickMenu();
}
