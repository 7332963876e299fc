#include "WindowRig.h"
#include "app/LabelButton.h"
#include "app/StartWindow.h"

#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QTest>

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstSaleLineThroughTheFields() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", {"[10] PAN $12.50"});
        MainWindow& w = rig.open();
        QCOMPARE(w.counter().currentNote(), 1);
        const QList<std::pair<const char*, const char*>> typed = {
            {"txtDato1", "2"}, {"txtDato2", "PAN"}, {"txtDato4", "12.50"}};
        for (const auto& [field, text] : typed) {
            auto* edit = rig.find<QLineEdit>(field);
            WindowRig::focus(edit);
            QTest::keyClicks(edit, text);
        }
        QTest::mouseClick(rig.find<LabelButton>("lblButton0"), Qt::LeftButton);

        auto* note = rig.find<QListView>("lstNote1");
        QCOMPARE(note->model()->rowCount(), 1);
        QCOMPARE(note->model()->index(0, 0).data().toString(), QString("2 x PAN de $12.50 = $25.00"));
        QCOMPARE(rig.find<QLabel>("lblTotal1")->text(), QString("25.00"));
        QCOMPARE(rig.find<QLabel>("lblTask1")->text(), QString("$25.00"));
        QCOMPARE(rig.find<QLineEdit>("txtDato1")->text(), QString("1"));
    }

    void englishCaptions() {
        WindowRig rig;
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
