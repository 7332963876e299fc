#pragma once

#include "core/base/Language.h"

#include <QString>
#include <QStringList>

class Boxes;

// The currency symbol of the counter: taken from the day register or the item list at the load, or
// chosen from the menu before the day's first sale.
class Currency {
public:
    Currency(const Language& language, Boxes& boxes) : m_language(language), m_boxes(boxes) {}

    const QString& symbol() const { return m_symbol; }
    void reset() { m_symbol = QStringLiteral("$"); }
    // The symbol the record's first line carries, else the list's first line; "$" without a list.
    void pick(const QStringList& record, const QStringList& itemLines);
    // The menu's choice ($, €, £); refused with a message once the day or the note has begun.
    bool choose(int index, bool recordStarted, bool noteUsed);

    // The symbol a whole list is read with, taken from its first line: "$" when it holds "$", otherwise
    // "€", otherwise "£"; "$" when it holds none of them.
    static QString symbolOf(QStringView firstLine);

private:
    Language m_language;
    Boxes& m_boxes;
    QString m_symbol = QStringLiteral("$");
};
