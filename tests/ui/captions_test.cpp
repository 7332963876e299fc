#include "WindowRig.h"
#include "ui/calc/CalcWindow.h"
#include "ui/ports/QtDialogs.h"
#include "ui/ports/QtTranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

using ButtonsRow = std::tuple<QString, QStringList, QStringList, QStringList>;

// Words that read the same in both languages.
const QStringList kSameInBoth = {"CALCUL.", "MANUAL", "Manual", "&Manual", "&Simple", "EDITANDO", "&$",
                                 "&€",      "&£",     "+",      "$",       "0.00",    "Vendel"};

// The mnemonic letter of a caption ("&" followed by anything but "&"), or none; more than one is a fault.
QStringList mnemonics(const QString& caption) {
    QStringList letters;
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] != u'&') letters << caption.mid(i + 1, 1).toUpper();
        ++i;
    }
    return letters;
}

// What a person sees of every named menu, entry and widget: its caption and its tooltip.
QMap<QString, QString> shownTexts(const QWidget& root) {
    QMap<QString, QString> texts;
    for (const QAction* a : root.findChildren<QAction*>()) {
        if (a->isSeparator() || a->objectName().isEmpty()) continue;
        texts.insert(a->objectName(), a->menu() ? a->menu()->title() : a->text());
    }
    for (const QMenu* m : root.findChildren<QMenu*>())
        if (!m->objectName().isEmpty()) texts.insert(m->objectName(), m->title());
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || qobject_cast<const QMenu*>(w)) continue;
        if (!w->toolTip().isEmpty()) texts.insert(w->objectName() + QStringLiteral(" tip"), w->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts.insert(w->objectName(),
                         QString(label->text()).remove(QRegularExpression(QStringLiteral("<[^>]*>"))));
    }
    return texts;
}

// Within every menu (and the menu bar), each entry has one mnemonic, and no two entries share it.
QStringList mnemonicFaults(const QList<QAction*>& actions, const QString& where) {
    QStringList faults;
    QMap<QString, QString> taken;
    for (const QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible()) continue;
        const QString caption = a->menu() ? a->menu()->title() : a->text();
        const QStringList letters = mnemonics(caption);
        if (letters.size() != 1) {
            faults << QStringLiteral("%1: \"%2\" has %3 mnemonics").arg(where, caption).arg(letters.size());
            continue;
        }
        if (taken.contains(letters[0]))
            faults << QStringLiteral("%1: \"%2\" and \"%3\" share %4")
                          .arg(where, caption, taken[letters[0]], letters[0]);
        taken.insert(letters[0], caption);
        if (a->menu()) faults << mnemonicFaults(a->menu()->actions(), caption);
    }
    return faults;
}

// The buttons' texts of the box that opens next, without their shortcut marks; the box is then closed.
QStringList buttonsOfNextBox(const std::function<void()>& open) {
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        for (const QAbstractButton* b : box->findChildren<QAbstractButton*>())
            if (b->isVisible()) texts << b->text().remove(u'&');
        if (auto* dialog = qobject_cast<QDialog*>(box)) dialog->reject();
    });
    open();
    texts.sort();
    return texts;
}
} // namespace

class CaptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every caption and tooltip is there in both languages and none is left in the other language.
    void everyTextInBothLanguages() {
        WindowRig spanish;
        const auto es = shownTexts(spanish.open(QStringLiteral("ES")));
        WindowRig english;
        const auto en = shownTexts(english.open(QStringLiteral("EN")));
        CalcWindow calcEs{Language(QStringLiteral("ES")), ThemePalette()};
        CalcWindow calcEn{Language(QStringLiteral("EN")), ThemePalette()};
        const auto ces = shownTexts(calcEs);
        const auto cen = shownTexts(calcEn);
        QStringList faults;
        for (const auto& [a, b] : {std::pair{&es, &en}, std::pair{&ces, &cen}}) {
            QCOMPARE(a->keys(), b->keys());
            for (auto it = a->cbegin(); it != a->cend(); ++it) {
                const QString other = b->value(it.key());
                if (it.value().trimmed().isEmpty() != other.trimmed().isEmpty())
                    faults << QStringLiteral("%1: \"%2\" / \"%3\"").arg(it.key(), it.value(), other);
                else if (it.value() == other && !kSameInBoth.contains(it.value().trimmed()) &&
                         it.value().contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}"))))
                    faults << QStringLiteral("%1 untranslated: \"%2\"").arg(it.key(), it.value());
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // A keyboard-only owner reaches every entry by its letter: one mnemonic each, unique in its menu.
    void mnemonicsAreUnique_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("firstMenu");
        QTest::newRow("en lowercase is Spanish") << "en" << QString("&Registro");
        QTest::newRow("EN") << "EN" << QString("&Record");
    }
    void mnemonicsAreUnique() {
        QFETCH(QString, code);
        QFETCH(QString, firstMenu);
        WindowRig rig;
        MainWindow& window = rig.open(code);
        QCOMPARE(window.menuBar()->actions().first()->text(), firstMenu);
        QStringList faults = mnemonicFaults(window.menuBar()->actions(), QStringLiteral("menu bar"));
        faults << mnemonicFaults(window.amountMenu()->actions(), QStringLiteral("Importe"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The buttons of Qt's own boxes speak the language of the counter.
    void buttons_data() {
        QTest::addColumn<ButtonsRow>("row"); // language; question, message and input box buttons
        QTest::newRow("Spanish") << ButtonsRow{"", {"No", "Sí"}, {"Aceptar"}, {"Aceptar", "Cancelar"}};
        QTest::newRow("English") << ButtonsRow{"EN", {"No", "Yes"}, {"OK"}, {"Cancel", "OK"}};
    }
    void buttons() {
        QFETCH(ButtonsRow, row);
        const auto& [code, question, message, input] = row;
        const Language language(code);
        QTranslator* translator = QtTranslation::install(language);
        if (!language.isEnglish())
            QVERIFY2(translator, "Qt's Spanish catalogue (qt6-translations-l10n) is missing");
        QtDialogs dialogs(language);
        QCOMPARE(buttonsOfNextBox([&] { dialogs.question(QStringLiteral("?")); }), question);
        QCOMPARE(buttonsOfNextBox([&] { dialogs.message(QStringLiteral("!"), Dialogs::Icon::Information); }),
                 message);
        QCOMPARE(buttonsOfNextBox([&] { dialogs.input(QStringLiteral("key:"), Dialogs::Echo::Masked); }),
                 input);
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

QTEST_MAIN(CaptionsTest)
#include "captions_test.moc"
