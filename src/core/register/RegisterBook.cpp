#include "RegisterBook.h"

#include "app/Boxes.h"
#include "app/Currency.h"
#include "app/SettingsStore.h"
#include "note/NoteTexts.h"
#include "note/Notes.h"
#include "register/DayRegister.h"
#include "register/RegisterLines.h"
#include "register/RegisterTexts.h"

#include <algorithm>

RegisterBook::RegisterBook(const QString& dataDir, const Language& language, Clock& clock, Notes& notes,
                           Currency& currency, SettingsStore& settings, Boxes& boxes)
    : m_dataDir(dataDir), m_language(language), m_clock(clock), m_notes(notes), m_currency(currency),
      m_settings(settings), m_boxes(boxes) {}

void RegisterBook::startDay() {
    m_registerDate = m_clock.now().date();
}

bool RegisterBook::eOpenReg() {
    Note& record = m_notes[0];
    record.lines.clear();
    record.selected = -1;
    const auto lines = DayRegister::load(m_dataDir, m_clock.now().date(), m_language);
    if (!lines) {
        Q_EMIT m_notes.changed(0);
        return false;
    }
    record.lines = *lines;
    Q_EMIT m_notes.changed(0);
    m_notes.selectLast(0);
    return true;
}

void RegisterBook::eSaveNote() {
    QString error;
    if (DayRegister::save(m_dataDir, m_clock.now().date(), m_language, m_notes.at(0).lines, &error)) {
        m_saveFailing = false;
        return;
    }
    if (!m_saveFailing) {
        m_saveFailing = true;
        m_boxes.say(m_language(RegisterTexts::RegisterSaveFailed), Dialogs::Icon::Warning);
    }
}

void RegisterBook::cancelOpenSale(const QString& time) {
    const QStringList& record = m_notes.at(0).lines;
    if (record.isEmpty()) return;
    const QString& last = record.last();
    if (last.isEmpty() || !RegisterLines::closesOperation(last))
        m_notes.appendLine(0, RegisterLines::cancelled(time, m_language));
}

bool RegisterBook::nightTick() {
    // A tick waits while a message or input box is open; the next one after it catches up.
    if (m_boxes.busy()) return false;
    const QDateTime now = m_clock.now();
    if (now.time().toString(QStringLiteral("HH:mm:ss")) == QLatin1String("23:55:00")) {
        if (m_midnightWarned != now.date()) {
            m_midnightWarned = now.date();
            m_boxes.say(m_language(RegisterTexts::MidnightWarning), Dialogs::Icon::Information);
        }
        return false;
    }
    if (now.date() == m_registerDate) return false;
    m_registerDate = now.date();
    m_boxes.say(m_language(RegisterTexts::NewDay), Dialogs::Icon::Information);
    return true;
}

void RegisterBook::dropClosedSales() {
    QStringList& record = m_notes.record();
    const int drop = std::min<int>(m_notes.saleStart() + 1, int(record.size()));
    if (drop > 0) record.erase(record.begin(), record.begin() + drop);
    m_notes[0].selected = -1;
    Q_EMIT m_notes.changed(0);
}
