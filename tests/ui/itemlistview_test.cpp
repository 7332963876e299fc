#include "ui/items/ItemListView.h"

#include <QApplication>
#include <QTest>

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
};

QTEST_MAIN(ItemListViewTest)
#include "itemlistview_test.moc"
