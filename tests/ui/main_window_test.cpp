#include "ScriptedPorts.h"
#include "TempShop.h"
#include "app/LabelButton.h"
#include "app/MainWindow.h"
#include "app/StartWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTest>

class MainWindowTest : public QObject {
    Q_OBJECT

    struct Rig {
        TempShop shop;
        ScriptedDialogs dialogs;
        FakeClock clock;
        RecordingPrinter printer;
        FakeShell shell;
        std::unique_ptr<MainWindow> window;

        MainWindow& open(const QString& language = QString()) {
            window = std::make_unique<MainWindow>(shop.path(), Language(language), QString(),
                                                  Counter::Ports{dialogs, clock, printer, shell});
            window->load();
            window->show();
            if (!QTest::qWaitForWindowExposed(window.get())) qWarning("window not exposed");
            return *window;
        }
        template <class T> T* find(const QString& name) { return window->findChild<T*>(name); }
    };

private Q_SLOTS:
    void firstSaleLineThroughTheFields() {
        Rig rig;
        rig.shop.write("VL Lista.txt", {"[10] PAN $12.50"});
        MainWindow& w = rig.open();
        QCOMPARE(w.counter().currentNote(), 1);

        auto* quantity = rig.find<QLineEdit>("txtDato1");
        auto* description = rig.find<QLineEdit>("txtDato2");
        auto* price = rig.find<QLineEdit>("txtDato4");
        QVERIFY(quantity && description && price);
        quantity->setFocus();
        QTest::keyClicks(quantity, "2");
        description->setFocus();
        description->selectAll();
        QTest::keyClicks(description, "PAN");
        price->setFocus();
        QTest::keyClicks(price, "12.50");
        auto* add = rig.find<LabelButton>("lblButton0");
        QTest::mouseClick(add, Qt::LeftButton);

        auto* note = rig.find<QListView>("lstNote1");
        QCOMPARE(note->model()->rowCount(), 1);
        QCOMPARE(note->model()->index(0, 0).data().toString(), QString("2 x PAN de $12.50 = $25.00"));
        QCOMPARE(rig.find<QLabel>("lblTotal1")->text(), QString("25.00"));
        QCOMPARE(rig.find<QLabel>("lblTask1")->text(), QString("$25.00"));
        QCOMPARE(quantity->text(), QString("1"));
    }

    void englishCaptions() {
        Rig rig;
        rig.dialogs.answer(false);
        MainWindow& w = rig.open("EN");
        QCOMPARE(rig.find<QLabel>("lblTask0")->text(), QString("Record"));
        QCOMPARE(rig.find<QLabel>("lblTitle0")->text(), QString(" AMOUNT"));
        QCOMPARE(rig.find<QLineEdit>("txtDato2")->text(), QString("(None)"));
        QCOMPARE(w.counter().items().shownLine(0), QString("No items."));
    }

    void startWindowOpensTheMainWindowOnce() {
        int opened = 0;
        auto* start = new StartWindow([&] { ++opened; });
        QPointer<StartWindow> guard(start);
        start->show();
        QTRY_COMPARE(opened, 1);
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(opened, 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
