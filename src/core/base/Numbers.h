#pragma once

#include <QString>
#include <QStringView>

// Reading numbers from texts and writing amounts as texts, the same way everywhere.
namespace Numbers {

// The leading number of a text: blanks, tabs, line feeds and carriage returns are skipped wherever they
// stand; then an optional sign, digits with at most one ".", and an optional exponent ("E" or "D", optional
// sign, digits). Reading stops at the first character that cannot continue the number. A text that does not
// begin with a number, and a number too large for a double, read as 0.
double leading(QStringView text);

// The leading number after every "," has been removed (how amount texts are read back).
double amount(QStringView text);
// An answer to an amount prompt is taken when it reads as an amount that is not negative.
inline bool acceptableAmount(const QString& answer) {
    return amount(answer) >= 0;
}

enum class Picture {
    Plain,   // "0.00"
    Grouped, // "0,000.00"
    Millions // "0,000,000.00"
};

// The number taken to 15 significant digits, then rounded to two decimals with a half rounded away
// from zero, written with the picture. A value that is not finite is written as zero.
QString format(double value, Picture picture);

// The amount rule: "0,000.00" from 1000 on, "0.00" below (negative amounts are never grouped).
QString amountText(double value);
Picture pictureFor(double value);

// A number as a plain text: at most 15 significant digits, no trailing zeros, exponent form
// (1.5E+20, 2E-07) for very large or very small magnitudes.
QString plain(double value);

// The whole part towards minus infinity, as a plain text (12.7 -> "12", -2.5 -> "-3").
QString floorText(double value);

} // namespace Numbers
