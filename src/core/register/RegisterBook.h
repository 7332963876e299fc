#pragma once

#include "app/Language.h"

#include <QDate>
#include <QObject>
#include <QString>

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

    // The day starts at the load.
    void startDay();
    // Reads today's file into the record note; true when there was one.
    bool eOpenReg();
    // Saves the record note; a failure is reported once per run of failures and the lines stay.
    void eSaveNote();
    // The unload cancels a sale left open in the record note.
    void cancelOpenSale(const QString& time);
    // A tick of the change-of-day timer; true when a new day began (after its message).
    bool nightTick();
    // The change of day: yesterday's closed sales leave the record note.
    void dropClosedSales();

Q_SIGNALS:
    void menusChanged();

private:
    QString m_dataDir;
    Language m_language;
    Clock& m_clock;
    Notes& m_notes;
    Currency& m_currency;
    SettingsStore& m_settings;
    Boxes& m_boxes;
    QDate m_registerDate;
    QDate m_midnightWarned;
    bool m_saveFailing = false;
};
