#include "CalcEvaluator.h"

#include <cmath>
#include <vector>

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Characters that start or continue a number.
bool continuesNumber(QChar c) {
    return isDigit(c) || c == u'.' || c == u'E';
}

bool isSign(QChar c) {
    return c == CalcEvaluator::kPlus || c == CalcEvaluator::kMinus;
}

bool isProductOperator(QChar c) {
    return c == CalcEvaluator::kTimes || c == CalcEvaluator::kDivide;
}

struct Token {
    enum class Type { Number, Operator, Open, Close };
    Type type = Type::Number;
    QChar op;             // the operator of an Operator token
    double value = 0.0;   // the value of a Number token
    QChar loneSign;       // a Number token that is only a sign ("-" before a parenthesis)
    bool negated = false; // an Open token whose group takes a minus sign
};

Token number(double value) {
    Token t;
    t.value = value;
    return t;
}

Token ofType(Token::Type type, QChar op = {}) {
    Token t;
    t.type = type;
    t.op = op;
    return t;
}

// Splits an expression into numbers, operators and parentheses. Fails on a number beyond the double
// range and on a number or a group written directly against a parenthesis, as in 2(3), (2)3 or (2)(3).
class Tokenizer {
public:
    bool run(QStringView text) {
        for (const QChar c : text) {
            if (continuesNumber(c)) {
                m_number += c;
            } else if (isSign(c)) {
                if (isLoneSign(m_number)) {
                    // Signs in a row in front of a number combine into one.
                    m_number = QString(m_number.front() == c ? CalcEvaluator::kPlus : CalcEvaluator::kMinus);
                } else if (m_previous == u'E' && !m_number.isEmpty()) {
                    m_number += c; // the exponent's sign: 1.5E-7 is one number
                } else if (m_previous.isNull() || isProductOperator(m_previous)) {
                    if (!flush()) return false;
                    m_number = QString(c); // the sign of the following number: 5×-3
                } else {
                    if (!flush()) return false;
                    m_tokens.push_back(ofType(Token::Type::Operator, c));
                }
            } else if (isProductOperator(c)) {
                if (!flush()) return false;
                m_tokens.push_back(ofType(Token::Type::Operator, c));
            } else if (c == u'(') {
                if (!flush()) return false;
                m_tokens.push_back(ofType(Token::Type::Open));
            } else if (c == u')') {
                if (!flush()) return false;
                m_tokens.push_back(ofType(Token::Type::Close));
            } else {
                continue; // the cursor mark, blanks, group separators and anything foreign
            }
            m_previous = c;
        }
        return flush() && joinSignsToGroups();
    }

    std::vector<Token>& tokens() { return m_tokens; }

private:
    static bool isLoneSign(const QString& text) { return text.size() == 1 && isSign(text.front()); }

    bool flush() {
        if (m_number.isEmpty()) return true;
        Token t = number(CalcEvaluator::readNumber(m_number));
        if (isLoneSign(m_number)) t.loneSign = m_number.front();
        m_number.clear();
        if (!std::isfinite(t.value)) return false;
        m_tokens.push_back(t);
        return true;
    }

    // A lone sign in front of "(" belongs to the group (-(2+3) is -5); any other number against a
    // parenthesis has no operator to apply and makes the expression wrong.
    bool joinSignsToGroups() {
        std::vector<Token> joined;
        joined.reserve(m_tokens.size());
        for (std::size_t i = 0; i < m_tokens.size(); ++i) {
            const Token& t = m_tokens[i];
            const Token* next = i + 1 < m_tokens.size() ? &m_tokens[i + 1] : nullptr;
            if (t.type == Token::Type::Number && next && next->type == Token::Type::Open) {
                if (t.loneSign.isNull()) return false;
                m_tokens[i + 1].negated = t.loneSign == CalcEvaluator::kMinus;
                continue;
            }
            if (t.type == Token::Type::Close && next &&
                (next->type == Token::Type::Number || next->type == Token::Type::Open))
                return false;
            joined.push_back(t);
        }
        m_tokens.swap(joined);
        return true;
    }

    std::vector<Token> m_tokens;
    QString m_number; // the number being read, as typed
    QChar m_previous; // the last character that was not skipped
};

// Evaluates tokens; the first failing operation ends the evaluation and says why.
class Evaluation {
public:
    bool run(const std::vector<Token>& tokens, double& result) {
        // Innermost parentheses first: at each ")" the group since the last open "(" is evaluated and
        // put in place of the whole group, so the groups go in the order of their closing parentheses.
        std::vector<Token> pending;
        std::vector<std::size_t> opens;
        for (const Token& t : tokens) {
            if (t.type == Token::Type::Open) {
                opens.push_back(pending.size());
                pending.push_back(t);
            } else if (t.type == Token::Type::Close) {
                if (opens.empty()) return fail(CalcOutcome::Kind::Error);
                const std::size_t start = opens.back();
                opens.pop_back();
                double value = 0.0;
                if (!flat(pending, start + 1, value)) return false;
                if (pending[start].negated) value = -value;
                pending.resize(start);
                pending.push_back(number(value));
            } else {
                pending.push_back(t);
            }
        }
        if (!opens.empty()) return fail(CalcOutcome::Kind::Error);
        return flat(pending, 0, result);
    }

    CalcOutcome::Kind failure() const { return m_failure; }

private:
    bool fail(CalcOutcome::Kind kind) {
        m_failure = kind;
        return false;
    }

    bool checked(double value, double& out) {
        if (!std::isfinite(value)) return fail(CalcOutcome::Kind::Error);
        out = value;
        return true;
    }

    // An expression without parentheses, tokens[from..end). A missing operand reads 0, so "7+" is 7+0,
    // "×3" is 0×3 and "2×÷3" is 2×0÷3.
    bool flat(const std::vector<Token>& tokens, std::size_t from, double& result) {
        std::vector<double> operands;
        std::vector<QChar> operators;
        bool expectOperand = true;
        for (std::size_t i = from; i < tokens.size(); ++i) {
            const Token& t = tokens[i];
            if (t.type == Token::Type::Number) {
                if (!expectOperand) return fail(CalcOutcome::Kind::Error);
                operands.push_back(t.value);
                expectOperand = false;
            } else {
                if (expectOperand) operands.push_back(0.0);
                operators.push_back(t.op);
                expectOperand = true;
            }
        }
        if (expectOperand) operands.push_back(0.0);

        // First level: "×" and "÷" from left to right, each on its own two operands.
        std::vector<double> terms{operands.front()};
        std::vector<QChar> sums;
        for (std::size_t i = 0; i < operators.size(); ++i) {
            const double right = operands[i + 1];
            if (operators[i] == CalcEvaluator::kTimes) {
                if (!checked(terms.back() * right, terms.back())) return false;
            } else if (operators[i] == CalcEvaluator::kDivide) {
                if (right == 0.0)
                    return fail(terms.back() == 0.0 ? CalcOutcome::Kind::Indeterminate
                                                    : CalcOutcome::Kind::Indefinite);
                if (!checked(terms.back() / right, terms.back())) return false;
            } else {
                sums.push_back(operators[i]);
                terms.push_back(right);
            }
        }
        // Second level: "+" and "-" from left to right.
        double value = terms.front();
        for (std::size_t i = 0; i < sums.size(); ++i) {
            const double right = terms[i + 1];
            if (!checked(sums[i] == CalcEvaluator::kPlus ? value + right : value - right, value))
                return false;
        }
        result = value;
        return true;
    }

    CalcOutcome::Kind m_failure = CalcOutcome::Kind::Error;
};

} // namespace

QString CalcEvaluator::eCheckChrs(QString text) {
    text.remove(kMark);
    static const struct {
        QString pair;
        QString single;
    } repairs[] = {
        {QStringLiteral("-+"), QStringLiteral("-")},    {QString(kTimes) + kTimes, QString(kTimes)},
        {QString(kDivide) + kDivide, QString(kDivide)}, {QStringLiteral("--"), QStringLiteral("+")},
        {QStringLiteral("++"), QStringLiteral("+")},
    };
    // Every repair shortens the text, so this ends.
    bool repaired = true;
    while (repaired) {
        repaired = false;
        for (const auto& r : repairs) {
            while (text.contains(r.pair)) {
                text.replace(r.pair, r.single);
                repaired = true;
            }
        }
    }
    return text;
}

bool CalcEvaluator::hasForbiddenPair(QStringView text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (isSign(text[i]) && isProductOperator(text[i + 1])) return true;
    return false;
}

QString CalcEvaluator::markBeforeLast(const QString& text) {
    if (text.isEmpty()) return text;
    return text.left(text.size() - 1) + kMark + text.back();
}

bool CalcEvaluator::parenthesesBalanced(QStringView text) {
    return text.count(u'(') == text.count(u')');
}

CalcOutcome CalcEvaluator::evaluate(QStringView text) {
    Tokenizer tokenizer;
    if (!tokenizer.run(text)) return {CalcOutcome::Kind::Error, {}};
    Evaluation evaluation;
    double value = 0.0;
    if (!evaluation.run(tokenizer.tokens(), value)) return {evaluation.failure(), {}};
    return {CalcOutcome::Kind::Value, numberText(value)};
}

QString CalcEvaluator::numberText(double value) {
    if (value == 0.0) return QStringLiteral("0"); // also for -0
    return QString::number(value, 'G', 15);
}

double CalcEvaluator::readNumber(QStringView text) {
    QString clean;
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && isSign(text[i])) clean += text[i++];
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(text[i])) {
            digits = true;
        } else if (text[i] == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        clean += text[i];
    }
    if (!digits) return 0.0;
    if (i < n && text[i] == u'E') {
        QString exponent(u'E');
        ++i;
        if (i < n && isSign(text[i])) exponent += text[i++];
        while (i < n && text[i] == u'0')
            ++i;
        QString exponentDigits;
        for (; i < n && isDigit(text[i]); ++i)
            exponentDigits += text[i];
        // Past nine digits the value is an infinity or 0 anyway; keep the conversion's input small.
        if (exponentDigits.size() > 9) exponentDigits = QStringLiteral("999999999");
        if (!exponentDigits.isEmpty()) clean += exponent + exponentDigits;
    }
    // The C-locale conversion gives an infinity on overflow and 0 on underflow.
    return clean.toDouble();
}

QString CalcEvaluator::displayText(const QString& numberText) {
    if (numberText.contains(u'E')) return numberText;
    const bool negative = numberText.contains(kMinus);
    QString digits = numberText;
    digits.remove(kMinus);
    const qsizetype point = digits.indexOf(u'.');
    const QString whole = point < 0 ? digits : digits.left(point);
    if (whole.size() >= 19) return errorText();
    QString shown;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) shown += u',';
        shown += whole[i];
    }
    if (point >= 0) shown += digits.mid(point);
    if (negative) shown.prepend(kMinus);
    return shown;
}

bool CalcEvaluator::isSingleNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && text[i] == kMinus) ++i;
    bool digits = false;
    bool point = false;
    for (; i < n && (isDigit(text[i]) || (text[i] == u'.' && !point)); ++i) {
        if (text[i] == u'.')
            point = true;
        else
            digits = true;
    }
    if (!digits) return false;
    if (i < n && text[i] == u'E') {
        ++i;
        if (i < n && isSign(text[i])) ++i;
        const qsizetype exponentStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        if (i == exponentStart) return false;
    }
    return i == n;
}
