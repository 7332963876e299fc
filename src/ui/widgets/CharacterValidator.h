#pragma once

#include <QValidator>

#include <functional>

// Accepts a text only when every character passes the test, so a field keeps only what it accepts,
// whether typed or pasted.
class CharacterValidator : public QValidator {
public:
    using Test = std::function<bool(QChar)>;
    explicit CharacterValidator(Test test, QObject* parent = nullptr)
        : QValidator(parent), m_test(std::move(test)) {}

    State validate(QString& input, int& /*pos*/) const override {
        for (const QChar c : input)
            if (!m_test(c)) return Invalid;
        return Acceptable;
    }

    // Digits, "." and "," (quantity, price and cash).
    static bool amountCharacter(QChar c) { return (c >= u'0' && c <= u'9') || c == u'.' || c == u','; }
    // Digits, "." and "-" (discount).
    static bool discountCharacter(QChar c) { return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-'; }

private:
    Test m_test;
};
