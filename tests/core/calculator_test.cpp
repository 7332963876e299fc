#include "calc/CalcEvaluator.h"
#include "calc/Calculator.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {

QString calcText(QString s) {
    s.replace(u'*', CalcEvaluator::kTimes);
    s.replace(u'/', CalcEvaluator::kDivide);
    return s;
}

// Plays keys on the calculator. Plain characters go through the keyboard table; braces name the
// other keys and commands: {L} {R} {H} {E} {B} {D} {N} (Left, Right, Home, End, Backspace, Delete,
// Enter), {A} "AC", {%} percent, {s} square root, {n} sign change, {X} "Borrar todo",
// {P:text} paste of text.
void play(Calculator& calc, const QString& keys) {
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
        else if (name == QLatin1String("L"))
            calc.txtAction_KeyDown(Qt::Key_Left);
        else if (name == QLatin1String("R"))
            calc.txtAction_KeyDown(Qt::Key_Right);
        else if (name == QLatin1String("H"))
            calc.txtAction_KeyDown(Qt::Key_Home);
        else if (name == QLatin1String("E"))
            calc.txtAction_KeyDown(Qt::Key_End);
        else if (name == QLatin1String("B"))
            calc.txtAction_KeyDown(Qt::Key_Backspace);
        else if (name == QLatin1String("D"))
            calc.txtAction_KeyDown(Qt::Key_Delete);
        else if (name == QLatin1String("N"))
            calc.txtAction_KeyDown(Qt::Key_Return);
        else if (name == QLatin1String("A"))
            calc.lblF_Click(Calculator::kClear);
        else if (name == QLatin1String("%"))
            calc.lblF_Click(Calculator::kPercent);
        else if (name == QLatin1String("s"))
            calc.mRaiz_Click();
        else if (name == QLatin1String("n"))
            calc.mNeg_Click();
        else if (name == QLatin1String("X"))
            calc.mDel_Click();
        else
            QFAIL(qPrintable(QStringLiteral("unknown key {%1}").arg(name)));
    }
}

// What the display may ever show: "error" or a number text as the display writes it.
const QRegularExpression
    kDisplay(QStringLiteral("^(error|-?\\d{1,3}(,\\d{3})*(\\.\\d+)?|-?\\d(\\.\\d+)?E[+-]\\d{2,3})$"));
const QRegularExpression kNumberText(QStringLiteral("^-?\\d+(\\.\\d+)?(E[+-]\\d{2,3})?$"));

} // namespace

class CalculatorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("memory");
        auto row = [](const char* name, const char* keys, const char* expression, const char* display,
                      const char* memory = "0") {
            QTest::newRow(name) << QString::fromUtf8(keys) << calcText(QString::fromUtf8(expression))
                                << QString::fromUtf8(display) << QString::fromUtf8(memory);
        };
        // Typing and the cursor mark
        row("comma is the decimal point", "1,5", "1.&5", "0");
        row("zero replaced by parenthesis", "0(", "&(", "0");
        row("left stops at start", "12{L}{L}{L}", "&12", "0");
        row("right stops at last", "12{R}", "1&2", "0");
        row("end", "123{L}{L}{E}", "12&3", "0");
        row("correct at start drops the mark", "12{H}{B}", "2", "0");
        row("mark comes back in front", "12{H}{B}5", "2&5", "0");
        row("correct on empty", "{B}", "", "0");
        row("right on markless puts it in front", "12{H}{B}{R}", "&2", "0");
        // "=" and what follows it
        row("equals on empty", "=", "", "0");
        // Percent, root, sign
        row("percent of negative product", "-200*15{%}", "-3&0", "-30");
        row("percent on empty", "{%}", "", "0");
        row("root of result in exponent form", "{P:1E+20}{s}", "1000000000&0", "10,000,000,000");
        row("root of expression", "9-3{s}", "9-&3", "error");
        row("root of negative", "-9{s}", "-&9", "error");
        // Memory
        row("memory minus", "5=j", "&5", "5", "-5");
        row("memory used after operator", "5=k+r", "5+&5", "5", "5");
        row("memory replaces lone zero", "5=k{A}0r", "&5", "0", "5");
        row("memory overflow", "{P:1E308}=kk", "1E+30&8", "error", "1E+308");
        row("clear keeps memory", "5=k{A}", "", "0", "5");
        row("delete all clears memory", "5=k{X}", "", "0", "0");
        // Paste
        row("paste replaces result", "2+3={P:7}", "&7", "5");
        row("paste after current", "12{L}{P:34}", "13&42", "0");
        row("paste signs and commas", "{P:1,234*2}=", "246&8", "2,468");
        row("paste drops marks", "{P:1&2&3}", "12&3", "0");
        row("paste keeps foreign letters", "{P:x7y}=", "&7", "7");
        // The error guard
        row("keys do nothing on error", "1/0=5+{L}{H}{%}k{s}{n}{P:3}=", "1/&0 =indefinido", "error");
    }
    void keys() {
        QFETCH(QString, keys);
        QFETCH(QString, expression);
        QFETCH(QString, display);
        QFETCH(QString, memory);
        Calculator calc{Language()};
        play(calc, keys);
        QCOMPARE(calc.expression(), expression);
        QCOMPARE(calc.display(), display);
        QCOMPARE(calc.memory(), memory);
    }

    void history_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, const char* language, const char* keys, const char* text) {
            QTest::newRow(name) << QString(language) << QString(keys) << QString(text);
        };
        row("error entry", "", "1/0=", " 1÷0 =error");
        row("root", "", "9{s}", " raíz(9) =3");
        row("root in English", "EN", "9{s}", " square(9) =3");
        row("percent adds none", "", "200*15{%}", "");
        row("entries in order", "", "2*3=+1=", " 2×3 =6\r\n 6+1 =7");
    }
    void history() {
        QFETCH(QString, language);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        Calculator calc{Language(language)};
        play(calc, keys);
        QCOMPARE(calc.eList2Text(), text);
    }

    // Any keys and pasted texts leave the display a number text or "error", the memory a number text
    // and the expression with at most one mark.
    void randomKeysKeepTheDisplaySound() {
        const QStringList named = {QStringLiteral("{L}"), QStringLiteral("{R}"), QStringLiteral("{H}"),
                                   QStringLiteral("{E}"), QStringLiteral("{B}"), QStringLiteral("{N}"),
                                   QStringLiteral("{%}"), QStringLiteral("{s}"), QStringLiteral("{n}")};
        const QStringList clears = {QStringLiteral("{A}"), QStringLiteral("{D}"), QStringLiteral("{X}")};
        const QString typed = QString::fromUtf8("0123456789.,()/*-+=%MmkKjJrR<>Ex ñ€×÷");
        QRandomGenerator random(20240611);
        for (int sequence = 0; sequence < 4000; ++sequence) {
            Calculator calc{Language(sequence % 2 ? QStringLiteral("EN") : QString())};
            QString keys;
            const int length = int(random.bounded(1, 40));
            for (int k = 0; k < length; ++k) {
                const quint32 kind = random.bounded(100);
                if (kind < 70) {
                    keys += typed[random.bounded(typed.size())];
                } else if (kind < 93) {
                    keys += named[random.bounded(named.size())];
                } else if (kind < 95) {
                    keys += clears[random.bounded(clears.size())];
                } else {
                    // A paste of digits, operators, parentheses, letters and any other character.
                    QString pasted;
                    const int size =
                        int(random.bounded(100) < 5 ? random.bounded(1000, 4000) : random.bounded(12));
                    for (int c = 0; c < size; ++c)
                        pasted += random.bounded(4) == 0 ? QChar(char16_t(random.bounded(0x20, 0xD7FF)))
                                                         : typed[random.bounded(typed.size())];
                    pasted.remove(u'}');
                    keys += QStringLiteral("{P:") + pasted + u'}';
                }
            }
            play(calc, keys);
            const QString context = QStringLiteral("keys %1 display %2").arg(keys.left(200), calc.display());
            QVERIFY2(kDisplay.match(calc.display()).hasMatch(), qPrintable(context));
            QVERIFY2(kNumberText.match(calc.memory()).hasMatch(), qPrintable(context));
            QVERIFY2(calc.expression().count(u'&') <= 1, qPrintable(context));
        }
    }
};

QTEST_APPLESS_MAIN(CalculatorTest)
#include "calculator_test.moc"
