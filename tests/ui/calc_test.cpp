#include "core/calc/CalcEvaluator.h"
#include "core/calc/Calculator.h"
#include "ui/calc/CalcWindow.h"
#include "ui/widgets/LabelButton.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
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

// The calculator's rules (expressions, keys, history), then its window driven by real keys.
class CalcTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CalcWindow> m_window;

    CalcWindow* open(Rgb base = ThemePalette::kDefaultBase) {
        m_window = std::make_unique<CalcWindow>(Language(), ThemePalette(base));
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get())) qWarning("calculator window not active");
        return m_window.get();
    }
    template <typename T> T* child(const char* name) { return m_window->findChild<T*>(QLatin1String(name)); }
    QString pant() { return child<QLabel>("lblPant")->text(); }
    QString line() { return m_window->calculator().expression(); }

    // Types keys into the window as real key events. Braces name the other keys: {L} {H} {E} {B} {D}
    // {N} (Left, Home, End, Backspace, Delete, Enter), {C} {V} {Z} {I} (Ctrl+C, Ctrl+V, Ctrl+Z,
    // Ctrl+I); {A} clicks "AC" and {X} chooses "Borrar todo".
    void type(const QString& keys) {
        static const QHash<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> named = {
            {"L", {Qt::Key_Left, Qt::NoModifier}},   {"H", {Qt::Key_Home, Qt::NoModifier}},
            {"E", {Qt::Key_End, Qt::NoModifier}},    {"B", {Qt::Key_Backspace, Qt::NoModifier}},
            {"D", {Qt::Key_Delete, Qt::NoModifier}}, {"N", {Qt::Key_Return, Qt::NoModifier}},
            {"C", {Qt::Key_C, Qt::ControlModifier}}, {"V", {Qt::Key_V, Qt::ControlModifier}},
            {"Z", {Qt::Key_Z, Qt::ControlModifier}}, {"I", {Qt::Key_I, Qt::ControlModifier}},
        };
        for (qsizetype i = 0; i < keys.size(); ++i) {
            if (keys[i] == u'{') {
                const qsizetype end = keys.indexOf(u'}', i);
                const QString name = keys.mid(i + 1, end - i - 1);
                i = end;
                if (name == "A")
                    QTest::mouseClick(child<LabelButton>("lblF6"), Qt::LeftButton);
                else if (name == "X")
                    child<QAction>("mDel")->trigger();
                else
                    QTest::keyClick(m_window.get(), named[name].first, named[name].second);
            } else if (keys[i].unicode() < 128) {
                QTest::keyClicks(m_window.get(), QString(keys[i]));
            } else {
                QTest::sendKeyEvent(QTest::Click, m_window.get(), Qt::Key_unknown, QString(keys[i]),
                                    Qt::NoModifier);
            }
        }
    }

private Q_SLOTS:
    void cleanup() { m_window.reset(); }

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

    // The keys' shortcuts; the expression line underlines the current character.
    void editing_data() {
        QTest::addColumn<CalcRow>("row"); // keys, expression, underlined, display
        QTest::newRow("backspace after insert") << CalcRow{"123{L}9{B}", "1&23", "2", "0"};
        QTest::newRow("enter evaluates") << CalcRow{"6*7{N}", "4&2", "2", "42"};
        QTest::newRow("square root key") << CalcRow{"9{Z}", "&3", "3", "3"};
        QTest::newRow("sign change key") << CalcRow{"1250={I}", "-125&0", "0", "-1,250"};
        QTest::newRow("pasted") << CalcRow{"1234.5={C}+{V}=", "246&9", "9", "2,469"};
    }
    void editing() {
        QFETCH(CalcRow, row);
        const auto& [keys, expression, underlined, display] = row;
        open();
        type(keys);
        QCOMPARE(line(), expression);
        QCOMPARE(pant(), display);
        const QString shown = child<QLabel>("lblLong")->text();
        QVERIFY2(shown.contains("<u>" + underlined + "</u>"), qPrintable(shown));
    }

    void historyPanel() {
        CalcWindow* w = open();
        auto* mErase = child<QAction>("mErase");
        auto* txtHist = child<QPlainTextEdit>("txtHist");
        QVERIFY(!mErase->isEnabled());
        type("2+3=*2={I}");
        QCOMPARE(txtHist->toPlainText(), QString(" 2+3 =5\n 5×2 =10\n 10 -> -10"));
        // Opened at the screen's left edge, the panel grows the window to the right: every key stays on
        // the screen.
        const QRect area = w->screen()->availableGeometry();
        w->move(area.left(), w->y());
        QTest::keyClick(w, Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY(txtHist->isVisible());
        QTRY_VERIFY(!w->findChild<QTimer*>("tmrList")->isActive());
        QVERIFY(area.contains(w->frameGeometry()));
        QTest::keyClick(w, Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY(!txtHist->isVisible());
        mErase->trigger();
        QCOMPARE(txtHist->toPlainText(), QString());
        QVERIFY(!mErase->isEnabled());
    }

    // On "error" every key, click and command does nothing but the three clears.
    void errorGuard_data() {
        QTest::addColumn<HistoryRow>("row"); // the clear, the memory after it
        QTest::newRow("AC") << HistoryRow{"{A}", "5"};
        QTest::newRow("Borrar todo") << HistoryRow{"{X}", "0"};
    }
    void errorGuard() {
        QFETCH(HistoryRow, row);
        const auto& [clear, memory] = row;
        CalcWindow* w = open();
        type("5=k1/0=");
        for (const char* name : {"mCopy", "mPaste", "mRaiz", "mNeg"})
            QVERIFY2(!child<QAction>(name)->isEnabled(), name);
        type("7+{L}{H}{E}{B}%={N}kmr{V}{Z}{I}");
        for (const char* name : {"lblN7", "lblO3", "lblF0", "lblF1", "lblF2", "lblF3", "lblM0"})
            QTest::mouseClick(child<LabelButton>(name), Qt::LeftButton);
        QCOMPARE(pant(), QString("error"));
        QCOMPARE(line(), QString("1÷&0 =indefinido"));
        QCOMPARE(w->calculator().memory(), QString("5"));
        type(clear);
        QCOMPARE(pant(), QString("0"));
        QCOMPARE(line(), QString());
        QCOMPARE(w->calculator().memory(), memory);
        type("7");
        QCOMPARE(line(), QString("&7"));
    }

    // The longest displays fit their frame: fifteen grouped digits and a sign, and an exponent form.
    void longestDisplaysFit() {
        open();
        for (const char* keys : {"0-99999999999999*9=", "{A}0-1/3000000000000000000="}) {
            type(keys);
            const QLabel* shown = child<QLabel>("lblPant");
            QVERIFY2(shown->text().size() >= 20, qPrintable(shown->text()));
            QVERIFY2(shown->x() >= 0 && shown->geometry().right() < child<QFrame>("frmePant")->width(),
                     qPrintable(shown->text()));
        }
    }
};

QTEST_MAIN(CalcTest)
#include "calc_test.moc"
