#include "calc/CalcEvaluator.h"
#include "calc/Calculator.h"

#include <QTest>

#include <limits>

// Expressions are written with "*" and "/" here and turned into the calculator's "×" and "÷".
static QString expr(const char* text) {
    QString s = QString::fromUtf8(text);
    s.replace(u'*', CalcEvaluator::kTimes);
    s.replace(u'/', CalcEvaluator::kDivide);
    return s;
}

class CalcEvaluatorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // eResult on an expression: what the display shows and what the expression line keeps.
    void eResult_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("line");
        auto row = [](const char* name, const char* e, const char* display, const char* line) {
            QTest::newRow(name) << expr(e) << QString::fromUtf8(display) << expr(line);
        };
        // The document's examples
        row("precedence", "2+3*4", "14", "1&4");
        row("parentheses first", "(2+3)*4", "20", "2&0");
        row("subtraction left to right", "10-4-3", "3", "&3");
        row("sign after ( is 0 minus", "2*(-3)", "-6", "-&6");
        row("sign after times", "5*-3", "-15", "-1&5");
        row("sign before times is forbidden", "5+*3", "error", "5+*&3");
        row("trailing operator", "7+", "7", "&7");
        row("leading times", "*3", "0", "&0");
        row("unbalanced", "(1+2", "error", "(1+&2");
        row("double parentheses", "((4))", "4", "&4");
        row("division chain", "8/4/2", "1", "&1");
        row("subtraction chain", "5-2-2-1", "0", "&0");
        row("chain inside group", "(5-2-2-1)*2", "0", "&0");
        row("two products", "2*3+12*35", "426", "42&6");
        row("grouped with fraction", "1234.5", "1,234.5", "1234.&5");
        row("fifteen digits", "0.1+0.2", "0.3", "0.&3");
        // Division by zero and its notes
        row("indefinite", "1/0", "error", "1/&0 =indefinido");
        row("indeterminate", "0/0", "error", "0/&0 =indeterminado");
        row("zero product divided by zero", "5*0/0", "error", "5*0/&0 =indeterminado");
        row("first failing group decides", "(0/0)+(1/0)", "error", "(0/0)+(1/0&) =indeterminado");
        row("divide by minus zero", "3/-0", "error", "3/-&0 =indefinido");
        // Beyond the double range
        row("product overflows", "1E308*10", "error", "1E308*1&0");
        row("sum overflows", "1E308+1E308", "error", "1E308+1E30&8");
        row("number overflows", "1E999+1", "error", "1E999+&1");
        row("twenty digits read as a number", "99999999999999999999", "1E+20", "1E+2&0");
        row("underflow is zero", "1E-400", "0", "&0");
        // Doubled signs and odd pairs
        row("minus minus is plus", "5--3", "8", "&8");
        row("plus plus is plus", "5++3", "8", "&8");
        row("minus plus is minus", "5-+3", "2", "&2");
        row("three minus", "5---3", "2", "&2");
        row("plus minus reads an empty operand", "5+-3", "2", "&2");
        row("signs before a number combine", "5*+-3", "-15", "-1&5");
        row("times divide reads 0 between", "2*/3", "0", "&0");
        // Parentheses
        row("sign before group", "-(2+3)", "-5", "-&5");
        row("sign before group after times", "10/-(4)", "-2.5", "-2.&5");
        row("nested", "2*(3+(4-1)*2)", "18", "1&8");
        row("empty group", "2+()", "2", "&2");
        row("number before group", "2(3)", "error", "2(3&)");
        row("number after group", "(2)3", "error", "(2)&3");
        row("group after group", "(2)(3)", "error", "(2)(3&)");
        row("close before open", ")2(", "error", ")2&(");
        row("too many closing", "1+2)", "error", "1+2&)");
        // Exponents
        row("exponent with minus", "1.5E-7*2", "3E-07", "3E-0&7");
        row("exponent with plus", "1.5E+3+1", "1,501", "150&1");
        row("result at 1E15", "999999999999999+1", "1E+15", "1E+1&5");
        // Reading numbers
        row("second point stops the number", "1.2.3+1", "2.2", "2.&2");
        row("foreign characters skipped", "a5+ x2", "7", "&7");
        row("full precision between steps", "1/3*3", "1", "&1");
        row("grouped long integer", "123456789*1000000", "123,456,789,000,000", "12345678900000&0");
        row("negative grouped", "0-1234567.25", "-1,234,567.25", "-1234567.2&5");
    }
    void eResult() {
        QFETCH(QString, expression);
        QFETCH(QString, display);
        QFETCH(QString, line);
        Calculator calc{Language()};
        calc.setExpression(expression);
        calc.eResult();
        QCOMPARE(calc.display(), display);
        QCOMPARE(calc.expression(), line);
    }

    void englishNotes_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("line");
        QTest::newRow("indefinite") << expr("7/0") << expr("7/&0 =indefinite");
        QTest::newRow("indeterminate") << expr("0/0") << expr("0/&0 =indeterminate");
    }
    void englishNotes() {
        QFETCH(QString, expression);
        QFETCH(QString, line);
        Calculator calc{Language(QStringLiteral("EN"))};
        calc.setExpression(expression);
        calc.eResult();
        QCOMPARE(calc.display(), QStringLiteral("error"));
        QCOMPARE(calc.expression(), line);
    }

    void eCheckChrs_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("repaired");
        QTest::newRow("mark removed") << expr("1&2") << expr("12");
        QTest::newRow("minus plus") << expr("5-+3") << expr("5-3");
        QTest::newRow("divide run") << expr("8///2") << expr("8/2");
        QTest::newRow("minus plus minus") << expr("5-+-3") << expr("5+3");
        QTest::newRow("plus minus kept") << expr("5+-3") << expr("5+-3");
        QTest::newRow("times divide kept") << expr("2*/3") << expr("2*/3");
    }
    void eCheckChrs() {
        QFETCH(QString, text);
        QFETCH(QString, repaired);
        QCOMPARE(CalcEvaluator::eCheckChrs(text), repaired);
    }

    void displayText_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* number, const char* shown) {
            QTest::newRow(number) << QString(number) << QString(shown);
        };
        row("1000", "1,000");
        row("1234.5678", "1,234.5678");
        row("-1234567", "-1,234,567");
        row("123456789012345678", "123,456,789,012,345,678");
        row("1234567890123456789", "error");
        row("1.5E+20", "1.5E+20");
    }
    void displayText() {
        QFETCH(QString, number);
        QFETCH(QString, shown);
        QCOMPARE(CalcEvaluator::displayText(number), shown);
    }

    void numberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("fifteen nines") << 999999999999999.0 << "999999999999999";
        QTest::newRow("1E15") << 1e15 << "1E+15";
        QTest::newRow("exponent two digits") << 2e-7 << "2E-07";
        QTest::newRow("1E-5 exponent") << 0.00001 << "1E-05";
        QTest::newRow("minus zero") << -0.0 << "0";
        QTest::newRow("largest double") << std::numeric_limits<double>::max() << "1.79769313486232E+308";
    }
    void numberText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(CalcEvaluator::numberText(value), text);
    }

    void readNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("exponent without digits") << "7E+" << 7.0;
        QTest::newRow("signed exponent") << "-2.5E-2" << -0.025;
        QTest::newRow("huge exponent") << "1E99999999999999" << std::numeric_limits<double>::infinity();
        QTest::newRow("zero with huge exponent") << "0E99999999999999" << 0.0;
        QTest::newRow("shown largest double overflows")
            << "1.79769313486232E+308" << std::numeric_limits<double>::infinity();
    }
    void readNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(CalcEvaluator::readNumber(text), value);
    }

    void longNumberOverflows() {
        Calculator calc{Language()};
        calc.setExpression(QString(400, u'9') + u'+' + u'1');
        calc.eResult();
        QCOMPARE(calc.display(), QStringLiteral("error"));
    }
};

QTEST_APPLESS_MAIN(CalcEvaluatorTest)
#include "calc_evaluator_test.moc"
