#include "core/calc/CalcEvaluator.h"
#include "core/calc/Calculator.h"

#include <QTest>

#include <tuple>

// Expressions are written with "*" and "/" here and turned into the calculator's "×" and "÷".
static QString expr(QString s) {
    s.replace(u'*', CalcEvaluator::kTimes);
    s.replace(u'/', CalcEvaluator::kDivide);
    return s;
}

using EResultRow = std::tuple<QString, QString, QString, QString>;

class CalcEvaluatorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // "=" on an expression: what the display shows and what the expression line keeps ("&" is the
    // cursor mark).
    void eResult_data() {
        QTest::addColumn<EResultRow>("row");
        auto row = [](const char* name, const char* e, const char* display, const char* line,
                      const char* language = "") {
            QTest::newRow(name) << EResultRow{QString(language), expr(QString::fromUtf8(e)), QString(display),
                                              expr(QString::fromUtf8(line))};
        };
        // Precedence and chains, each level left to right
        row("precedence", "2+3*4", "14", "1&4");
        row("subtraction left to right", "10-4-3", "3", "&3");
        row("division left to right", "8/4/2", "1", "&1");
        row("full precision between steps", "1/3*3", "1", "&1");
        row("fifteen digits", "0.1+0.2", "0.3", "0.&3");
        row("trailing operator", "7+", "7", "&7");
        row("leading times", "*3", "0", "&0");
        // Parentheses
        row("parentheses first", "(2+3)*4", "20", "2&0");
        row("empty group", "2+()", "2", "&2");
        row("unclosed", "(1+2", "error", "(1+&2");
        row("too many closing", "1+2)", "error", "1+2&)");
        row("number before group", "2(3)", "error", "2(3&)");
        // Signs after operators
        row("sign after (", "2*(-3)", "-6", "-&6");
        row("sign after times", "5*-3", "-15", "-1&5");
        row("signs after times combine", "5*+-3", "-15", "-1&5");
        row("sign before times", "5+*3", "error", "5+*&3");
        row("times divide reads 0 between", "2*/3", "0", "&0");
        row("divide run is one divide", "8///2", "4", "&4");
        row("minus minus is plus", "5--3", "8", "&8");
        row("plus minus", "5+-3", "2", "&2");
        row("sign before group", "-(2+3)", "-5", "-&5");
        row("minus zero shows 0", "0*-1", "0", "&0");
        // Exponents
        row("exponent with minus", "1.5E-7*2", "3E-07", "3E-0&7");
        row("exponent with plus", "1.5E+3+1", "1,501", "150&1");
        row("result at 1E15", "999999999999999+1", "1E+15", "1E+1&5");
        row("underflow is zero", "1E-400", "0", "&0");
        // Grouping of the integer part
        row("grouped long integer", "123456789*1000000", "123,456,789,000,000", "12345678900000&0");
        row("negative grouped", "0-1234567.25", "-1,234,567.25", "-1234567.2&5");
        // Reading numbers
        row("second point stops the number", "1.2.3+1", "2.2", "2.&2");
        row("foreign characters skipped", "a5+ x2", "7", "&7");
        // Division by zero, with its note
        row("indefinite", "1/0", "error", "1/&0 =indefinido");
        row("indeterminate", "0/0", "error", "0/&0 =indeterminado");
        row("zero product divided by zero", "5*0/0", "error", "5*0/&0 =indeterminado");
        row("first failing group decides", "(0/0)+(1/0)", "error", "(0/0)+(1/0&) =indeterminado");
        row("indefinite in English", "7/0", "error", "7/&0 =indefinite", "EN");
        // Beyond the double range
        row("product overflows", "1E308*10", "error", "1E308*1&0");
        row("huge exponent", "1E99999999999999+1", "error", "1E99999999999999+&1");
        const QString nines = QString(400, u'9') + QStringLiteral("+1");
        QTest::newRow("400 digits overflow")
            << EResultRow{QString(), nines, "error", CalcEvaluator::markBeforeLast(nines)};
    }
    void eResult() {
        QFETCH(EResultRow, row);
        auto [language, expression, display, line] = row;
        Calculator calc{Language(language)};
        calc.setExpression(expression);
        calc.eResult();
        QCOMPARE(calc.display(), display);
        QCOMPARE(calc.expression(), line);
    }
};

QTEST_APPLESS_MAIN(CalcEvaluatorTest)
#include "calc_evaluator_test.moc"
