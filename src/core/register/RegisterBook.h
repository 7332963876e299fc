#pragma once

#include "core/base/Language.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class Boxes;
class Clock;
class Currency;
class Notes;
class SettingsStore;

// The day register: the record note read from and saved to the day's file, and the change of day.
class RegisterBook : public QObject {
    Q_OBJECT

public:
    RegisterBook(const QString& dataDir, const Language& language, Clock& clock, Notes& notes,
                 Currency& currency, SettingsStore& settings, Boxes& boxes);

    const QDate& registerDate() const { return m_registerDate; }
    // The file the record note is saved to: the day's file, or its recovered file; empty when neither
    // can be written.
    const QString& filePath() const { return m_path; }

    // The day starts at the load.
    void startDay();
    // Reads the day's file into the record note; true when there was one. A file that is there but
    // cannot be read is left alone: the day's sales then go to its recovered file.
    bool eOpenReg();
    // Saves the record note; a failure is reported once per run of failures and the lines stay.
    // Saves the record note into the day's file; true when the day is on disk.
    bool eSaveNote();
    // At close, a day that could not be saved is not left behind: the cashier tries again, or the day
    // goes into a rescue copy in rescueFolder (the home folder when empty). False only when neither
    // worked and the cashier chose to close anyway.
    bool keepAtClose(const QString& rescueFolder);
    // The unload cancels a sale left open in the record note.
    void cancelOpenSale(const QString& time);
    // A tick of the change-of-day timer; true when a new day began (after its message).
    bool nightTick();
    // Whether the clock left the register's day (after the new day's message). Every booking asks
    // first, as the timer does.
    bool changeOfDay();
    // The change of day: the closed sales of the day left leave the record note, the new day's file
    // is read, and the sale being written carries over after its lines.
    void turnDay();

Q_SIGNALS:
    void menusChanged();

private:
    QStringList openDay(const QDate& date, bool& found);

    QString m_dataDir;
    Language m_language;
    Clock& m_clock;
    Notes& m_notes;
    Currency& m_currency;
    SettingsStore& m_settings;
    Boxes& m_boxes;
    QDate m_registerDate;
    QString m_path; // the file the record note is saved to
    QDate m_midnightWarned;
    bool m_saveFailing = false;
    // The lines last written to m_path: the cash typed into a sale asks for a save at every keystroke,
    // and a day's register is too long to rewrite when nothing in it changed.
    std::optional<QStringList> m_saved;
};
