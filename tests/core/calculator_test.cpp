#include "core/calc/CalcEvaluator.h"
#include "core/calc/Calculator.h"

#include <QHash>
#include <QTest>

#include <functional>
#include <tuple>

namespace {
// Expressions are written with "*" and "/" here and turned into the calculator's "×" and "÷".
QString expr(const char* text) {
    return QString::fromUtf8(text).replace(u'*', CalcEvaluator::kTimes).replace(u'/', CalcEvaluator::kDivide);
}

// Plain characters are typed; {L} {R} {H} {E} {B} are Left, Right, Home, End, Backspace, {A} "AC",
// {%} percent, {s} square root, {X} "Borrar todo", {P:text} a paste.
void play(Calculator& calc, const QString& keys) {
    static const QHash<QString, int> moves = {{"L", Qt::Key_Left},
                                              {"R", Qt::Key_Right},
                                              {"H", Qt::Key_Home},
                                              {"E", Qt::Key_End},
                                              {"B", Qt::Key_Backspace}};
    static const QHash<QString, std::function<void(Calculator&)>> named = {
        {"A", [](Calculator& c) { c.lblF_Click(Calculator::Function::Clear); }},
        {"%", [](Calculator& c) { c.lblF_Click(Calculator::Function::Percent); }},
        {"s", [](Calculator& c) { c.mRaiz_Click(); }},
        {"X", [](Calculator& c) { c.mDel_Click(); }},
    };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys[i] != u'{') {
            calc.txtAction_KeyPress(keys[i]);
            continue;
        }
        const qsizetype end = keys.indexOf(u'}', i);
        const QString name = keys.mid(i + 1, end - i - 1);
        i = end;
        if (name.startsWith(QLatin1String("P:")))
            calc.mPaste_Click(name.mid(2));
        else if (moves.contains(name))
            calc.txtAction_KeyDown(moves[name]);
        else if (named.contains(name))
            named[name](calc);
        else
            QFAIL(qPrintable(QStringLiteral("unknown key {%1}").arg(name)));
    }
}

} // namespace

// expression for "=" or keys, expression line then ("&" is the cursor), display, language or memory
using CalcRow = std::tuple<QString, QString, QString, QString>;
using HistoryRow = std::pair<QString, QString>;

class CalculatorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eResult_data() {
        QTest::addColumn<CalcRow>("row");
        auto row = [](const char* name, const char* e, const char* display, const char* line,
                      const char* language = "") {
            QTest::newRow(name) << CalcRow{expr(e), expr(line), display, language};
        };
        row("precedence", "2+3*4", "14", "1&4");
        row("subtraction left to right", "10-4-3", "3", "&3");
        row("division left to right", "8/4/2", "1", "&1");
        row("full precision between steps", "1/3*3", "1", "&1");
        row("fifteen digits", "0.1+0.2", "0.3", "0.&3");
        row("trailing operator", "7+", "7", "&7");
        row("leading times", "*3", "0", "&0");
        row("parentheses first", "(2+3)*4", "20", "2&0");
        row("nested", "2*(3+(4-1)*2)", "18", "1&8");
        row("empty group", "2+()", "2", "&2");
        row("unclosed", "(1+2", "error", "(1+&2");
        row("too many closing", "1+2)", "error", "1+2&)");
        row("close before open", ")2(", "error", ")2&(");
        row("number before group", "2(3)", "error", "2(3&)");
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
        row("exponent with minus", "1.5E-7*2", "3E-07", "3E-0&7");
        row("exponent with plus", "1.5E+3+1", "1,501", "150&1");
        row("result at 1E15", "999999999999999+1", "1E+15", "1E+1&5");
        row("underflow is zero", "1E-400", "0", "&0");
        row("grouped long integer", "123456789*1000000", "123,456,789,000,000", "12345678900000&0");
        row("negative grouped", "0-1234567.25", "-1,234,567.25", "-1234567.2&5");
        row("second point stops the number", "1.2.3+1", "2.2", "2.&2");
        row("foreign characters skipped", "a5+ x2", "7", "&7");
        row("indefinite", "1/0", "error", "1/&0 =indefinido");
        row("indeterminate", "0/0", "error", "0/&0 =indeterminado");
        row("zero product divided by zero", "5*0/0", "error", "5*0/&0 =indeterminado");
        row("first failing group decides", "(0/0)+(1/0)", "error", "(0/0)+(1/0&) =indeterminado");
        row("divide by minus zero", "3/-0", "error", "3/-&0 =indefinido");
        row("indefinite in English", "7/0", "error", "7/&0 =indefinite", "EN");
        row("indeterminate in English", "0/0", "error", "0/&0 =indeterminate", "EN");
        row("product overflows", "1E308*10", "error", "1E308*1&0");
        row("huge exponent", "1E99999999999999+1", "error", "1E99999999999999+&1");
        const QString nines = QString(400, u'9') + QStringLiteral("+1");
        QTest::newRow("400 digits overflow")
            << CalcRow{nines, CalcEvaluator::markBeforeLast(nines), "error", ""};
    }
    void eResult() {
        QFETCH(CalcRow, row);
        const auto& [expression, line, display, language] = row;
        Calculator calc{Language(language)};
        calc.setExpression(expression);
        calc.eResult();
        QCOMPARE(calc.display(), display);
        QCOMPARE(calc.expression(), line);
    }

    void keys_data() {
        QTest::addColumn<CalcRow>("row");
        auto row = [](const char* name, const char* keys, const char* expression, const char* display,
                      const char* memory = "0") {
            QTest::newRow(name) << CalcRow{QString::fromUtf8(keys), expr(expression), display, memory};
        };
        row("leading zero replaced", "05", "&5", "0");
        row("zero kept before point", "0.", "0&.", "0");
        row("comma is the decimal point", "1,5", "1.&5", "0");
        row("zero replaced by parenthesis", "0(", "&(", "0");
        row("left stops at start", "12{L}{L}{L}", "&12", "0");
        row("right stops at last", "12{R}", "1&2", "0");
        row("end", "123{L}{L}{E}", "12&3", "0");
        row("correct at start drops the mark", "12{H}{B}", "2", "0");
        row("mark comes back in front", "12{H}{B}5", "2&5", "0");
        row("right on markless puts it in front", "12{H}{B}{R}", "&2", "0");
        row("correct on empty", "{B}", "", "0");
        row("equals on empty", "=", "", "0");
        row("digit after result starts anew", "2+3=4", "&4", "5");
        row("operator after result continues", "2+3=+4=", "&9", "9");
        row("percent of negative product", "-200*15{%}", "-3&0", "-30");
        row("percent of sum", "200+15{%}", "200+1&5", "error");
        row("percent on empty", "{%}", "", "0");
        row("root of result in exponent form", "{P:1E+20}{s}", "1000000000&0", "10,000,000,000");
        row("root of expression", "9-3{s}", "9-&3", "error");
        row("root of negative", "-9{s}", "-&9", "error");
        row("memory used after operator", "5=k+r", "5+&5", "5", "5");
        row("memory replaces lone zero", "5=k{A}0r", "&5", "0", "5");
        row("memory overflow", "{P:1E308}=kk", "1E+30&8", "error", "1E+308");
        row("paste replaces result", "2+3={P:7}", "&7", "5");
        row("paste after current", "12{L}{P:34}", "13&42", "0");
        row("paste signs and commas", "{P:1,234*2}=", "246&8", "2,468");
        row("paste drops marks", "{P:1&2&3}", "12&3", "0");
    }
    void keys() {
        QFETCH(CalcRow, row);
        const auto& [keys, expression, display, memory] = row;
        Calculator calc{Language()};
        play(calc, keys);
        QCOMPARE(calc.expression(), expression);
        QCOMPARE(calc.display(), display);
        QCOMPARE(calc.memory(), memory);
    }

    // Entries "=" and the root add to the history; percent adds none.
    void history_data() {
        QTest::addColumn<HistoryRow>("row");
        QTest::newRow("error entry") << HistoryRow{"1/0=", " 1÷0 =error"};
        QTest::newRow("root") << HistoryRow{"9{s}", " raíz(9) =3"};
        QTest::newRow("percent adds none") << HistoryRow{"200*15{%}", ""};
    }
    void history() {
        QFETCH(HistoryRow, row);
        Calculator calc{Language()};
        play(calc, row.first);
        QCOMPARE(calc.eList2Text(), row.second);
    }
};

QTEST_APPLESS_MAIN(CalculatorTest)
#include "calculator_test.moc"
