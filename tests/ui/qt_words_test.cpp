#include "ui/ports/QtDialogs.h"
#include "ui/ports/QtTranslation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {
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

class QtWordsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buttons_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("question");
        QTest::addColumn<QStringList>("message");
        QTest::addColumn<QStringList>("input");
        QTest::newRow("Spanish") << QString() << QStringList{"No", "Sí"} << QStringList{"Aceptar"}
                                 << QStringList{"Aceptar", "Cancelar"};
        QTest::newRow("English") << "EN" << QStringList{"No", "Yes"} << QStringList{"OK"}
                                 << QStringList{"Cancel", "OK"};
    }
    void buttons() {
        QFETCH(QString, code);
        QFETCH(QStringList, question);
        QFETCH(QStringList, message);
        QFETCH(QStringList, input);
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

QTEST_MAIN(QtWordsTest)
#include "qt_words_test.moc"
