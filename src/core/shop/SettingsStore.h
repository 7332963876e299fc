#pragma once

#include "core/base/Language.h"
#include "core/shop/Config.h"

#include <QObject>
#include <QString>

class Boxes;
class Clock;

// The settings of the counter and their file: read at the load, written back after every change.
class SettingsStore : public QObject {
    Q_OBJECT

public:
    SettingsStore(const QString& dataDir, const QString& userKey, const Language& language, Clock& clock,
                  Boxes& boxes);

    Settings& values() { return m_settings; }
    const Settings& values() const { return m_settings; }

    // The settings file read over the defaults (a missing or bad file gives the defaults).
    void read();
    // Writes the file; a failure is reported and the settings stay in memory.
    void save();
    // The close tries once more a save that failed (a disk that was full).
    void saveIfUnsaved();

    void toggleBackToRecord();
    void toggleTickets();
    void toggleDouble();
    void toggleSeeStock();
    // Whether the sale just closed gets a ticket: once per run the counter offers tickets (and a
    // customer copy) while they are off.
    bool ticketWanted(bool alreadyAsked);
    // The owner's amounts, asked in the currency and saved: the highest banknote (the change above it
    // warns) and the cash that marks the record tab. False when the prompt was left blank.
    bool askTopNote(const QString& symbol);
    bool askCashLimit(const QString& symbol);

Q_SIGNALS:
    void changed();

private:
    QString m_dataDir;
    QString m_userKey;
    Language m_language;
    Clock& m_clock;
    Boxes& m_boxes;
    Settings m_settings;
    bool m_fileKept = false; // the file is there but could not be read
    bool m_unsaved = false;  // the last save failed
};
