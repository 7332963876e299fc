#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The settings that survive a restart, kept in the ten lines of "VL Config.ini".
struct Settings {
    bool backToRecord = false;       // "Regresar a la nota de registro"
    bool printTickets = false;       // "Imprimir tickets"
    bool doubleTicket = false;       // "Imprimir doble ticket"
    bool seeStock = false;           // "Inventario visible"
    qint64 ticketNumber = 1;         // the number the next ticket of the day will carry
    std::optional<double> cashLimit; // unset until the owner gives one
    std::optional<double> topNote;   // the highest banknote; unset until given
};

namespace Config {

inline const QString kFileName = QStringLiteral("VL Config.ini");

// Applies the lines of the file, in the file's order of reading. A line 5 that is not a date stops
// the reading there: the ticket number restarts at 1 and what follows keeps its default.
void apply(const QStringList& lines, const QDate& today, Settings& settings);

// The ten lines that record the settings, today's date and the installation's key and language.
QStringList lines(const Settings& settings, const QDate& today, const QString& userKey,
                  const QString& language);

// The form in which the ticket number is stored, and back. Unscrambling something that is no
// scrambled number gives "1".
QString scramble(const QString& digits);
QString unscramble(const QString& text);

// The date text of line 5.
QString dateText(const QDate& date);
QDate parseDate(const QString& text);

} // namespace Config
