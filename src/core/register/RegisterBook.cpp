#include "RegisterBook.h"

#include "core/base/Boxes.h"
#include "core/base/GuardedRead.h"
#include "core/note/NoteLines.h"
#include "core/note/NoteTexts.h"
#include "core/note/Notes.h"
#include "core/register/DayRegister.h"
#include "core/register/RegisterLines.h"
#include "core/register/RegisterTexts.h"
#include "core/shop/Currency.h"
#include "core/shop/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

RegisterBook::RegisterBook(const QString& dataDir, const Language& language, Clock& clock, Notes& notes,
                           Currency& currency, SettingsStore& settings, Boxes& boxes)
    : m_dataDir(dataDir), m_language(language), m_clock(clock), m_notes(notes), m_currency(currency),
      m_settings(settings), m_boxes(boxes) {}

void RegisterBook::startDay() {
    m_registerDate = m_clock.now().date();
}

bool RegisterBook::eOpenReg() {
    bool found = false;
    m_notes.setRecord(openDay(m_registerDate, found));
    if (found) m_notes.selectLast(0);
    return found;
}

QStringList RegisterBook::openDay(const QDate& date, bool& found) {
    m_saved.reset();
    m_registerDate = date;
    m_path = DayRegister::filePath(m_dataDir, date, m_language);
    TextFile::ReadResult day = DayRegister::read(m_dataDir, date, m_language);
    if (day.unreadable()) {
        const QFileInfo main(m_path);
        const bool mainKept = main.exists() || main.isSymLink();
        m_boxes.say(GuardedRead::unreadableMessage(
                        m_language, mainKept ? m_path : DayRegister::oldStylePath(m_dataDir, date)),
                    Dialogs::Icon::Error);
        // The day's own file is left as it is; the sales go to a file beside it.
        if (mainKept) {
            m_path = DayRegister::recoveredPath(m_dataDir, date, m_language);
            day = GuardedRead::read(m_path, m_language, m_boxes);
            day.lines.removeIf(DayRegister::isBlank);
            if (day.unreadable()) m_path.clear(); // every save then fails and is reported
        }
    }
    found = day.ok();
    return day.lines;
}

bool RegisterBook::eSaveNote() {
    const QStringList& lines = m_notes.at(0).lines;
    if (m_saved && m_saved->size() == lines.size() && NoteLines::startsWithLines(lines, *m_saved))
        return true;
    QString error;
    if (!m_path.isEmpty() && DayRegister::saveTo(m_path, lines, &error)) {
        m_saveFailing = false;
        m_saved = lines;
        return true;
    }
    if (!m_saveFailing) {
        m_saveFailing = true;
        m_boxes.say(m_language(RegisterTexts::RegisterSaveFailed), Dialogs::Icon::Warning);
    }
    return false;
}

bool RegisterBook::keepAtClose(const QString& rescueFolder) {
    const QDir folder(rescueFolder.isEmpty() ? QDir::homePath() : rescueFolder);
    for (;;) {
        if (m_boxes.ask(m_language(RegisterTexts::RetryAtClose))) {
            if (eSaveNote()) return true;
            continue;
        }
        const QString name =
            QStringLiteral("Vendel ") +
            QFileInfo(DayRegister::filePath(QString(), m_registerDate, m_language)).completeBaseName();
        QString rescue = folder.filePath(name + QStringLiteral(".txt"));
        for (int copy = 2; QFileInfo::exists(rescue); ++copy)
            rescue = folder.filePath(name + QStringLiteral(" (copia %1).txt").arg(copy));
        if (folder.mkpath(QStringLiteral(".")) && DayRegister::saveTo(rescue, m_notes.at(0).lines)) {
            m_boxes.say(m_language(RegisterTexts::RescuedTo) + QDir::toNativeSeparators(rescue),
                        Dialogs::Icon::Information);
            return true;
        }
        if (!m_boxes.ask(m_language(RegisterTexts::RescueFailed))) return false;
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
    return changeOfDay();
}

bool RegisterBook::changeOfDay() {
    if (m_clock.now().date() == m_registerDate) return false;
    m_boxes.say(m_language(RegisterTexts::NewDay), Dialogs::Icon::Information);
    return true;
}

void RegisterBook::turnDay() {
    // The day left behind is complete in its own file, with its closed operations only, before they
    // leave the note; the sale being written goes on into the new day and its file alone.
    const QStringList& record = m_notes.record();
    const int drop = std::clamp<int>(m_notes.saleStart() + 1, 0, int(record.size()));
    const QStringList open = record.mid(drop);
    QString error;
    if (!m_path.isEmpty() && !DayRegister::saveTo(m_path, record.mid(0, drop), &error) && !m_saveFailing) {
        m_saveFailing = true;
        m_boxes.say(m_language(RegisterTexts::RegisterSaveFailed), Dialogs::Icon::Warning);
    }
    bool found = false;
    // The clock may come to a day that already has sales (set back, or forward again): they stay
    // first, and the sale being written follows them.
    QStringList day = openDay(m_clock.now().date(), found);
    m_notes.startSaleAfter(int(day.size()) - 1);
    day.append(open);
    m_saveFailing = false;
    m_notes.setRecord(std::move(day));
}
