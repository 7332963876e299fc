#include "WindowRig.h"

#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

// The editor panel driven by the keyboard as a cashier uses it.
class EditorPanelTest : public QObject {
    Q_OBJECT

    // Types keys into a widget: "\r" is Enter, "\n" Ctrl+Enter, anything else is typed as it is.
    static void type(QWidget* w, const QString& keys) {
        for (const QChar k : keys) {
            if (k == u'\r')
                QTest::keyClick(w, Qt::Key_Return);
            else if (k == u'\n')
                QTest::keyClick(w, Qt::Key_Return, Qt::ControlModifier);
            else
                QTest::keyClicks(w, QString(k));
        }
    }
    static void waitForRest(WindowRig& rig) {
        auto* timer = rig.window->findChild<QTimer*>(QStringLiteral("tmrAni"));
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 5000);
    }
    static QPlainTextEdit* openListEditor(WindowRig& rig) {
        auto* list = rig.find<QListView>(QStringLiteral("lstItem1"));
        WindowRig::focus(list);
        QTest::keyClick(list, Qt::Key_E);
        waitForRest(rig);
        return rig.find<QPlainTextEdit>(QStringLiteral("txtEditar"));
    }

private Q_SLOTS:
    // The typing aid, key by key in the real text field; "|" marks the caret in the text before.
    void typingAid_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("beeps");
        struct Row {
            const char *name, *before, *keys, *after;
            int beeps;
        };
        const Row rows[] = {
            {"stock closed", "|", "[5 ", "[5] ", 1},
            {"bracket right before: no close", "|", "[ ", "[ ", 0},
            {"already closed", "|", "[5] ", "[5] ", 0},
            {"two blanks give the symbol", "[2] PAN|", "  ", "[2] PAN $", 1},
            {"decimals and a new line", "|", "12.\r", "12.00\n[", 0},
            {"enter before an empty line", "A|\nB", "\r", "A\n[\nB", 0},
            {"enter inside a line", "A|B", "\r", "A\nB", 0},
            {"braces as brackets", "|", "{3}", "[3]", 0},
            {"ctrl+enter swallowed", "AB|", "\n", "AB", 0},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QString(r.before) << QString(r.keys) << QString(r.after) << r.beeps;
    }
    void typingAid() {
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        QFETCH(int, beeps);
        WindowRig rig;
        rig.shop.write(QStringLiteral("VL Lista.txt"), {"[10] PAN $12.50"});
        rig.open();
        QPlainTextEdit* edit = openListEditor(rig);
        const qsizetype caret = before.indexOf(u'|');
        edit->setPlainText(QString(before).remove(u'|'));
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(int(caret));
        edit->setTextCursor(cursor);
        type(edit, keys);
        QCOMPARE(edit->toPlainText(), after);
        QCOMPARE(rig.shell.beeps, beeps);
    }

    // A long list reaches the text field in pieces; whatever comes first works on the whole text,
    // and a save keeps every byte (a no-break space stays one).
    void aLongListIsWholeForWhatComesFirst_data() {
        QTest::addColumn<QString>("first");
        for (const char* first : {"save", "key", "find", "close"})
            QTest::newRow(first) << QString::fromLatin1(first);
    }
    void aLongListIsWholeForWhatComesFirst() {
        QFETCH(QString, first);
        QStringList list;
        for (int i = 0; i < 5000; ++i)
            list << QStringLiteral("[%1] ARTICULO %2 $1.50").arg(i % 9 + 1).arg(i);
        list.last() = QString::fromUtf8("[2] ÚLTIMO\u00A0PAN $3.00");
        WindowRig rig;
        rig.shop.write(QStringLiteral("VL Lista.txt"), list);
        rig.open();
        rig.counter().eItemToEdit();
        auto* edit = rig.find<QPlainTextEdit>(QStringLiteral("txtEditar"));
        QVERIFY(edit->blockCount() < list.size()); // the rest follows between events
        if (first == "save") {
            QTest::keyClick(edit, Qt::Key_G, Qt::ControlModifier);
            QCOMPARE(rig.shop.lines(QStringLiteral("VL Lista.txt")), list);
        } else if (first == "key") {
            QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClicks(edit, QStringLiteral("x"));
            QCOMPARE(edit->document()->toRawText().split(QChar::ParagraphSeparator).size(), list.size());
            QVERIFY(edit->document()->toRawText().startsWith(u'x'));
        } else if (first == "find") {
            rig.find<QLineEdit>(QStringLiteral("txtFindEdit"))->setText(QStringLiteral("ultimo"));
            QTest::keyClick(rig.find<QLineEdit>(QStringLiteral("txtFindEdit")), Qt::Key_Return);
            QCOMPARE(edit->textCursor().block().blockNumber(), list.size() - 1);
        } else {
            QTest::keyClick(edit, Qt::Key_R, Qt::ControlModifier);
            waitForRest(rig);
            QVERIFY(edit->toPlainText().isEmpty());
            QCOMPARE(rig.shop.lines(QStringLiteral("VL Lista.txt")), list);
        }
        QVERIFY(!edit->isReadOnly());
    }
};

QTEST_MAIN(EditorPanelTest)
#include "editor_panel_test.moc"
