#include "core/calc/CalcEvaluator.h"
#include "core/calc/Calculator.h"

#include <QHash>
#include <QTest>

#include <tuple>

#include <functional>

namespace {

// Plays keys on the calculator. Plain characters go through the keyboard table; braces name the
// other keys and commands: {L} {R} {H} {E} {B} (Left, Right, Home, End, Backspace), {A} "AC",
// {%} percent, {s} square root, {X} "Borrar todo", {P:text} paste of text.
void play(Calculator& calc, const QString& keys) {
    static const QHash<QString, int> moves = {
        {"L", Qt::Key_Left}, {"R", Qt::Key_Right},     {"H", Qt::Key_Home},
        {"E", Qt::Key_End},  {"B", Qt::Key_Backspace},
    };
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

using KeysRow = std::tuple<QString, QString, QString, QString>;

class CalculatorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Editing, memory and paste rules: the expression line ("&" is the cursor mark), display and memory.
    void keys_data() {
        QTest::addColumn<KeysRow>("row");
        auto row = [](const char* name, const char* keys, const char* expression, const char* display,
                      const char* memory = "0") {
            QString e = QString::fromUtf8(expression);
            e.replace(u'*', CalcEvaluator::kTimes);
            QTest::newRow(name) << KeysRow{QString::fromUtf8(keys), e, QString(display), QString(memory)};
        };
        // Typing and the cursor mark
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
        // "=" and what follows it
        row("equals on empty", "=", "", "0");
        row("digit after result starts anew", "2+3=4", "&4", "5");
        row("operator after result continues", "2+3=+4=", "&9", "9");
        // Percent and root
        row("percent of negative product", "-200*15{%}", "-3&0", "-30");
        row("percent of sum", "200+15{%}", "200+1&5", "error");
        row("percent on empty", "{%}", "", "0");
        row("root of result in exponent form", "{P:1E+20}{s}", "1000000000&0", "10,000,000,000");
        row("root of expression", "9-3{s}", "9-&3", "error");
        row("root of negative", "-9{s}", "-&9", "error");
        // Memory
        row("memory used after operator", "5=k+r", "5+&5", "5", "5");
        row("memory replaces lone zero", "5=k{A}0r", "&5", "0", "5");
        row("memory overflow", "{P:1E308}=kk", "1E+30&8", "error", "1E+308");
        // Paste
        row("paste replaces result", "2+3={P:7}", "&7", "5");
        row("paste after current", "12{L}{P:34}", "13&42", "0");
        row("paste signs and commas", "{P:1,234*2}=", "246&8", "2,468");
        row("paste drops marks", "{P:1&2&3}", "12&3", "0");
    }
    void keys() {
        QFETCH(KeysRow, row);
        auto [keys, expression, display, memory] = row;
        Calculator calc{Language()};
        play(calc, keys);
        QCOMPARE(calc.expression(), expression);
        QCOMPARE(calc.display(), display);
        QCOMPARE(calc.memory(), memory);
    }

    // Entries "=" and the root add to the history; percent adds none.
    void history_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("error entry") << QString("1/0=") << QString(" 1÷0 =error");
        QTest::newRow("root") << QString("9{s}") << QString(" raíz(9) =3");
        QTest::newRow("percent adds none") << QString("200*15{%}") << QString();
    }
    void history() {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        Calculator calc{Language()};
        play(calc, keys);
        QCOMPARE(calc.eList2Text(), text);
    }
};

QTEST_APPLESS_MAIN(CalculatorTest)
#include "calculator_test.moc"
