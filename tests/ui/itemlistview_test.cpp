#include "ui/items/ItemListView.h"

#include <QApplication>
#include <QStringListModel>
#include <QTest>

namespace {

// A view of 100 rows that shows exactly ten of them.
struct TenRows {
    QStringListModel model;
    ItemListView view;
    TenRows() {
        QStringList rows;
        for (int i = 0; i < 100; ++i)
            rows << QStringLiteral("[%1] ROW %1 $1.00").arg(i);
        model.setStringList(rows);
        view.setFrameShape(QFrame::NoFrame);
        view.setModel(&model);
        view.resize(300, 10 * view.rowHeight());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
};

} // namespace

class ItemListViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A line cut short by counting its characters reads as the text measured and cut short would.
    void fittedTextReadsAsMeasured_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("accents") << "[3] CAFÉ ORGÁNICO DOÑA MARÍA 250 G REF 1234 $1,250.00 #7501234567890";
        QTest::newRow("euro") << "[3] CUADERNO RAYADO €25.50 #7501031311309 PAQUETE DE DOCE";
        QTest::newRow("beyond Latin, measured") << "[1] TÉ 绿茶 VERDE $12.00 #7501031311309 PAQUETE";
    }
    void fittedTextReadsAsMeasured() {
        QFETCH(QString, text);
        ItemListView view;
        const QFontMetrics metrics(view.font());
        for (int width = 0; width <= 600; ++width)
            QCOMPARE(view.fittedText(text, width), metrics.elidedText(text, Qt::ElideRight, width));
    }

    void keysMoveTheCurrentRowIntoView_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("down") << 0 << int(Qt::Key_Down) << 1;
        QTest::newRow("up at the top") << 0 << int(Qt::Key_Up) << 0;
        QTest::newRow("down at the bottom") << 99 << int(Qt::Key_Down) << 99;
        QTest::newRow("page down") << 0 << int(Qt::Key_PageDown) << 9;
        QTest::newRow("page up") << 50 << int(Qt::Key_PageUp) << 41;
        QTest::newRow("end") << 3 << int(Qt::Key_End) << 99;
        QTest::newRow("home") << 60 << int(Qt::Key_Home) << 0;
    }
    void keysMoveTheCurrentRowIntoView() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        TenRows rig;
        rig.view.setCurrentIndex(rig.model.index(from));
        QTest::keyClick(&rig.view, Qt::Key(key));
        QCOMPARE(rig.view.currentIndex().row(), to);
        QVERIFY(rig.view.viewport()->rect().contains(rig.view.visualRect(rig.view.currentIndex())));
    }

    void aClickChoosesTheRowUnderThePointer() {
        TenRows rig;
        rig.view.scrollTo(rig.model.index(50), QAbstractItemView::PositionAtTop);
        const int height = rig.view.rowHeight();
        QTest::mouseClick(rig.view.viewport(), Qt::LeftButton, {}, QPoint(20, 2 * height + height / 2));
        QCOMPARE(rig.view.currentIndex().row(), 52);
    }
};

QTEST_MAIN(ItemListViewTest)
#include "itemlistview_test.moc"
