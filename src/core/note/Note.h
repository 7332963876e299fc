#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Where the cashier is in the sale of a note: nothing entered, an item ready in the entry fields, lines
// in the note, the cash received being typed, the cash covering the total. The tip (F2) advises by it.
enum class SaleStep { Nothing = 1, ItemReady, LinesInNote, TypingCash, CashCovers };

// One note of the counter: its lines, the chosen line, the running total, the step of the sale and
// what the entry fields and the amounts showed when it was last in front.
struct Note {
    QStringList lines;
    int selected = -1;
    double total = 0.0;
    bool used = false;
    SaleStep step = SaleStep::Nothing;
    bool cashEnough = false;
    double cash = 0.0;   // cash received as last typed
    double change = 0.0; // change last shown
    std::array<QString, 4> fields;

    // The entry fields at rest: quantity 1, no description, no discount, no price.
    static std::array<QString, 4> blankFields(const QString& noneText) {
        return {QStringLiteral("1"), noneText, QStringLiteral("0"), QStringLiteral("0.00")};
    }
};
