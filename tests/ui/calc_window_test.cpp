#include "core/calc/Calculator.h"
#include "ui/calc/CalcWindow.h"
#include "ui/widgets/LabelButton.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

using EditRow = std::tuple<QString, QString, QString, QString>;

class CalcWindowTest : public QObject {
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

    // The keys' shortcuts; the expression line underlines the current character.
    void editing_data() {
        QTest::addColumn<EditRow>("row"); // keys, expression, underlined, display
        QTest::newRow("insert after current") << EditRow{"123{L}9", "12&93", "9", "0"};
        QTest::newRow("backspace after insert") << EditRow{"123{L}9{B}", "1&23", "2", "0"};
        QTest::newRow("enter evaluates") << EditRow{"6*7{N}", "4&2", "2", "42"};
        QTest::newRow("square root key") << EditRow{"9{Z}", "&3", "3", "3"};
        QTest::newRow("sign change key") << EditRow{"1250={I}", "-125&0", "0", "-1,250"};
        QTest::newRow("pasted") << EditRow{"1234.5={C}+{V}=", "246&9", "9", "2,469"};
    }
    void editing() {
        QFETCH(EditRow, row);
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
        QVERIFY2(area.contains(w->frameGeometry()),
                 qPrintable(
                     QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())));
        QTest::keyClick(w, Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY(!txtHist->isVisible());
        mErase->trigger();
        QCOMPARE(txtHist->toPlainText(), QString());
        QVERIFY(!mErase->isEnabled());
    }

    // On "error" every key, click and command does nothing but the three clears.
    void errorGuard_data() {
        QTest::addColumn<QString>("clear");
        QTest::addColumn<QString>("memory");
        QTest::newRow("AC") << QString("{A}") << QString("5");
        QTest::newRow("Borrar todo") << QString("{X}") << QString("0");
    }
    void errorGuard() {
        QFETCH(QString, clear);
        QFETCH(QString, memory);
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

    // Random keys, clears and pastes: the display stays a number text or "error" (never "inf" or
    // "nan") that fits its frame, the memory a number text and the expression line keeps one mark at most.
    void randomKeys() {
        const QRegularExpression display(
            "^(error|-?\\d{1,3}(,\\d{3})*(\\.\\d+)?|-?\\d(\\.\\d+)?E[+-]\\d{2,3})$");
        const QRegularExpression number("^-?\\d+(\\.\\d+)?(E[+-]\\d{2,3})?$");
        const QString typed = QString::fromUtf8("01234567890123456789.,()/*-+=%MmkKjJrR<>Eé ñ×÷");
        const QStringList named = {"{L}", "{H}", "{E}", "{B}", "{N}", "{Z}", "{I}", "{C}", "{V}"};
        const QStringList clears = {"{A}", "{D}", "{X}"};
        CalcWindow* w = open();
        auto* lblPant = child<QLabel>("lblPant");
        QRandomGenerator random(77);
        for (int sequence = 0; sequence < 2000; ++sequence) {
            if (random.bounded(10) == 0) {
                QString pasted;
                for (int c = int(random.bounded(1, random.bounded(20) == 0 ? 3000 : 30)); c > 0; --c)
                    pasted += random.bounded(3) == 0 ? QChar(char16_t(random.bounded(0x20, 0xD7FF)))
                                                     : typed[random.bounded(typed.size())];
                QApplication::clipboard()->setText(pasted);
            }
            // Mostly start afresh after an error; sometimes keep typing on it.
            const bool clear = pant() == "error" ? random.bounded(4) != 0 : random.bounded(10) == 0;
            QString keys = clear ? clears[random.bounded(clears.size())] : QString();
            for (int k = int(random.bounded(1, 20)); k > 0; --k)
                keys += random.bounded(4) == 0 ? named[random.bounded(named.size())]
                                               : QString(typed[random.bounded(typed.size())]);
            type(keys);
            const QString context = keys + " -> " + pant() + " memory " + w->calculator().memory();
            QVERIFY2(display.match(pant()).hasMatch(), qPrintable(context));
            QVERIFY2(number.match(w->calculator().memory()).hasMatch(), qPrintable(context));
            QVERIFY2(line().count(u'&') <= 1, qPrintable(context));
            QVERIFY2(lblPant->x() >= 0 && lblPant->geometry().right() < child<QFrame>("frmePant")->width(),
                     qPrintable(context));
        }
    }
};

QTEST_MAIN(CalcWindowTest)
#include "calc_window_test.moc"
