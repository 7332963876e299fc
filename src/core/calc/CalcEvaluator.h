#pragma once

#include <QString>
#include <QStringView>

// What evaluating an expression gave.
struct CalcOutcome {
    enum class Kind {
        Value,         // value holds the number text
        Error,         // a wrong expression or a result beyond the double range
        Indefinite,    // a number divided by zero
        Indeterminate, // zero divided by zero
    };
    Kind kind = Kind::Error;
    QString value;
};

// The calculator's arithmetic on expression texts. The alphabet of an expression is the digits, ".",
// the exponent letter "E", the operators "×", "÷", "+" and "-", the parentheses and the cursor mark
// "&"; any other character is skipped when evaluating.
class CalcEvaluator {
public:
    static constexpr QChar kMark = u'&';
    static constexpr QChar kTimes = u'\u00D7';
    static constexpr QChar kDivide = u'\u00F7';
    static constexpr QChar kPlus = u'+';
    static constexpr QChar kMinus = u'-';

    // The display's one failure report, the same in both languages.
    static QString errorText() { return QStringLiteral("error"); }

    // Removes the cursor mark and repairs doubled signs: "-+" becomes "-", "--" and "++" become "+",
    // "××" becomes "×" and "÷÷" becomes "÷", until none is left.
    static QString eCheckChrs(QString text);

    // A sign directly before a multiplication or division ("+×", "-×", "+÷", "-÷").
    static bool hasForbiddenPair(QStringView text);

    // The text with the cursor mark in front of its last character (an empty text stays empty).
    static QString markBeforeLast(const QString& text);

    // The counts of "(" and ")" are equal.
    static bool parenthesesBalanced(QStringView text);

    // Splits the text into tokens and evaluates it: parentheses innermost first, then "×" and "÷", then
    // "+" and "-", each level left to right.
    static CalcOutcome evaluate(QStringView text);

    // A value as number text: at most 15 significant digits, no trailing zeros, exponent form for a
    // magnitude of 1E+15 or more or a very small one.
    static QString numberText(double value);

    // The leading number of a text: an optional sign, digits with at most one ".", an optional exponent
    // "E" with an optional sign. An empty or non-numeric text reads 0; a number beyond the double range
    // reads as an infinity, so callers can tell it from a real value.
    static double readNumber(QStringView text);

    // The display text of a number text: with an exponent it stays as it is; otherwise the integer
    // digits are grouped in threes with ",", the fraction is kept as it is and the minus sign goes in
    // front. Nineteen or more integer digits give "error".
    static QString displayText(const QString& numberText);

    // The text is one whole number as the calculator writes it (an optional "-", digits with at most
    // one ".", an optional exponent).
    static bool isSingleNumber(QStringView text);
};
