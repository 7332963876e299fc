#include "NoteTabs.h"

#include "core/note/NoteTexts.h"

namespace {

const QString kDash = QStringLiteral("-");

} // namespace

NoteTabs::NoteTabs(const Language& language, Notes& notes) : m_language(language), m_notes(notes) {
    m_captions = {language(NoteTexts::RecordTab), language(NoteTexts::NewTab), kDash, kDash, kDash};
    m_enabled = {true, true, false, false, false};
}

void NoteTabs::setCaption(int i, const QString& value) {
    m_captions[std::size_t(i)] = value;
    Q_EMIT changed();
    // lblTask_Change: the cancel entry follows the tabs.
    Q_EMIT captionChanged();
}

void NoteTabs::showTotal(int n, const QString& symbol, const QString& total) {
    if (n > 0) setCaption(n, symbol + total);
}

void NoteTabs::close(int n) {
    setCaption(n, kDash);
}

void NoteTabs::eCheckTabs() {
    for (int i = 0; i <= 3; ++i) {
        const int t = i + 1;
        if (i > 0 && m_notes.at(i).lines.isEmpty() && m_notes.at(t).lines.isEmpty()) {
            m_enabled[std::size_t(t)] = false;
            setCaption(t, kDash);
        } else {
            m_enabled[std::size_t(t)] = true;
            if (m_captions[std::size_t(t)] == kDash) setCaption(t, m_language(NoteTexts::NewTab));
        }
    }
    Q_EMIT changed();
    while (m_notes.current() > 0 && m_captions[std::size_t(m_notes.current())] == kDash) {
        m_notes.setCurrent(m_notes.current() - 1);
        Q_EMIT frontWanted(m_notes.current());
    }
}
