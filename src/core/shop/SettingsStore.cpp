#include "SettingsStore.h"

#include "core/base/Boxes.h"
#include "core/base/GuardedRead.h"
#include "core/base/Numbers.h"
#include "core/base/TextFile.h"
#include "core/shop/AppTexts.h"

#include <QDir>

SettingsStore::SettingsStore(const QString& dataDir, const QString& userKey, const Language& language,
                             Clock& clock, Boxes& boxes)
    : m_dataDir(dataDir), m_userKey(userKey), m_language(language), m_clock(clock), m_boxes(boxes) {}

void SettingsStore::read() {
    m_settings = Settings();
    const auto result = GuardedRead::read(QDir(m_dataDir).filePath(Config::kFileName), m_language, m_boxes);
    // An unreadable file keeps the shop's settings: this run works on the defaults and leaves it.
    m_fileKept = result.unreadable();
    Config::apply(result.lines, m_clock.now().date(), m_settings);
}

void SettingsStore::save() {
    if (!m_fileKept) {
        const QStringList lines =
            Config::lines(m_settings, m_clock.now().date(), m_userKey, m_language.code());
        m_unsaved = !TextFile::saveLines(QDir(m_dataDir).filePath(Config::kFileName), lines);
        if (m_unsaved) m_boxes.say(m_language(AppTexts::ConfigSaveFailed), Dialogs::Icon::Error);
    }
    Q_EMIT changed();
}

void SettingsStore::saveIfUnsaved() {
    if (m_unsaved) save();
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
    if (!m_boxes.ask(m_language(AppTexts::PrintTicketQuestion))) return false;
    m_settings.printTickets = true;
    if (m_boxes.ask(m_language(AppTexts::CustomerCopyQuestion))) m_settings.doubleTicket = true;
    save();
    return true;
}

namespace {
std::optional<double> askAmount(Boxes& boxes, const QString& question) {
    const auto answer = boxes.askUntil(question, Numbers::acceptableAmount);
    if (!answer) return std::nullopt;
    return Numbers::amount(*answer);
}
} // namespace

bool SettingsStore::askTopNote(const QString& symbol) {
    const auto value = askAmount(m_boxes, m_language(AppTexts::HighestValuePrompt) + u' ' + symbol);
    if (!value) return false;
    m_settings.topNote = *value;
    save();
    return true;
}

bool SettingsStore::askCashLimit(const QString& symbol) {
    const auto value = askAmount(m_boxes, m_language(AppTexts::WarnWhenPrompt) + u' ' + symbol);
    if (!value) return false;
    m_settings.cashLimit = *value;
    save();
    return true;
}
