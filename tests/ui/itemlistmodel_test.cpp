#include "core/items/ItemList.h"
#include "ui/items/ItemListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class ItemListModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Which rows a stock movement repaints, for each search.
    void stockMovementRepaintsOnlyTheShownRow_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("repaintedRow"); // -1: nothing repainted
        QTest::newRow("whole list") << "" << 1;
        QTest::newRow("sold item among the hits") << "vaso" << 0;
        QTest::newRow("only other items shown") << "plato" << -1;
        QTest::newRow("no match line") << "zzz" << -1;
    }
    void stockMovementRepaintsOnlyTheShownRow() {
        QFETCH(QString, query);
        QFETCH(int, repaintedRow);
        ItemList items;
        items.setLines({QStringLiteral("[5] PLATO $20.00"), QStringLiteral("[9] VASO $10.00")});
        ItemListModel model(items);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        items.filter(query, Language());
        model.refresh();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        const auto move = items.moveStock({QStringLiteral("2 x VASO de $10.00 = $20.00")},
                                          QStringLiteral("$"), QStringLiteral(" de "));
        model.linesChanged(move.changed);
        QCOMPARE(changed.size(), repaintedRow < 0 ? 0 : 1);
        if (repaintedRow < 0) return;
        const auto row = changed.first().first().value<QModelIndex>().row();
        QCOMPARE(row, repaintedRow);
        items.setSeeStock(true);
        model.shownFormsChanged();
        QCOMPARE(model.data(model.index(row)).toString(), QStringLiteral("[7] VASO $10.00"));
    }
};

QTEST_GUILESS_MAIN(ItemListModelTest)
#include "itemlistmodel_test.moc"
