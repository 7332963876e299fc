#include "SettingsStore.h"

#include "app/AppTexts.h"
#include "app/Boxes.h"
#include "app/TextFile.h"
#include "note/NoteTexts.h"

#include <QDir>

SettingsStore::SettingsStore(const QString& dataDir, const QString& userKey, const Language& language,
                             Clock& clock, Boxes& boxes)
    : m_dataDir(dataDir), m_userKey(userKey), m_language(language), m_clock(clock), m_boxes(boxes) {}

void SettingsStore::read() {
    m_settings = Settings();
    const auto lines = TextFile::readLines(QDir(m_dataDir).filePath(Config::kFileName));
    Config::apply(lines.value_or(QStringList()), m_clock.now().date(), m_settings);
}

void SettingsStore::save() {
    const QStringList lines = Config::lines(m_settings, m_clock.now().date(), m_userKey, m_language.code());
    if (!TextFile::saveLines(QDir(m_dataDir).filePath(Config::kFileName), lines))
        m_boxes.say(m_language(AppTexts::ConfigSaveFailed), Dialogs::Icon::Error);
    Q_EMIT changed();
}

void SettingsStore::toggleBackToRecord() {
    m_settings.backToRecord = !m_settings.backToRecord;
    save();
}

void SettingsStore::toggleTickets() {
    m_settings.printTickets = !m_settings.printTickets;
    if (!m_settings.printTickets) m_settings.doubleTicket = false;
    save();
}

void SettingsStore::toggleDouble() {
    m_settings.doubleTicket = !m_settings.doubleTicket;
    if (m_settings.doubleTicket) m_settings.printTickets = true;
    save();
}

void SettingsStore::toggleSeeStock() {
    m_settings.seeStock = !m_settings.seeStock;
}

bool SettingsStore::ticketWanted(bool alreadyAsked) {
    if (m_settings.printTickets) return true;
    if (alreadyAsked) return false;
    if (!m_boxes.ask(m_language(NoteTexts::PrintTicketQuestion))) return false;
    m_settings.printTickets = true;
    if (m_boxes.ask(m_language(NoteTexts::CustomerCopyQuestion))) m_settings.doubleTicket = true;
    save();
    return true;
}
