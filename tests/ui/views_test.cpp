#include "WindowRig.h"
#include "core/base/Ports.h"
#include "ui/shell/StartWindow.h"
#include "ui/shell/ViewLayout.h"
#include "ui/widgets/LabelButton.h"

#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

namespace {

struct AboutDialogs : Dialogs {
    void message(const QString&, Icon) override {}
    bool question(const QString&) override { return false; }
    std::optional<QString> input(const QString&, Echo) override { return std::nullopt; }
    void about(const QString& title, const QString& text) override { shown << title << text; }
    QStringList shown;
};

// A window with a header and a panel, as the counter's window is built, and its two views.
struct ViewRig {
    QMainWindow window;
    QWidget* header = nullptr;
    QWidget* help = nullptr;
    QFrame* panel = nullptr;
    AboutDialogs dialogs;
    ViewLayout* view = nullptr;

    explicit ViewRig(bool maximised) {
        auto* back = new QWidget(&window);
        back->setObjectName(QStringLiteral("shpFond"));
        window.setCentralWidget(back);
        auto* stage = new QWidget(back);
        auto* outer = new QVBoxLayout(stage);
        outer->setContentsMargins(0, 0, 0, 0);
        header = new QWidget(stage);
        auto* row = new QHBoxLayout(header);
        row->addStretch(1);
        for (const char* name : {"lblCalc", "lblMyTip", "lblHelp"}) {
            auto* b = new QLabel(QString::fromLatin1(name), header);
            b->setObjectName(QString::fromLatin1(name));
            b->setFixedSize(80, 24);
            row->addWidget(b);
            help = b;
        }
        outer->addWidget(header);
        panel = new QFrame(stage);
        panel->setMinimumSize(100, 80);
        outer->addWidget(panel, 1);
        view = new ViewLayout(&window, stage, header, panel, dialogs, Language(QStringLiteral("EN")));
        view->setPanelSize(QSize(400, 300));
        window.resize(700, 500);
        if (maximised)
            window.showMaximized();
        else
            window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
    }
    QWidget* back() const { return window.centralWidget(); }
    QWidget* find(const char* name) const { return window.findChild<QWidget*>(QLatin1String(name)); }
    QRect inBack(const QWidget* w) const { return QRect(w->mapTo(back(), QPoint(0, 0)), w->size()); }
};

} // namespace

class ViewsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ordinaryViewFillsTheWindow() {
        ViewRig rig(false);
        QCOMPARE(rig.inBack(rig.panel).x(), ViewLayout::kMargin);
        QCOMPARE(rig.panel->width(), rig.back()->width() - 2 * ViewLayout::kMargin);
        QVERIFY(!rig.find("lblDrag")->isVisible());
        // The handle does nothing here.
        QTest::mousePress(rig.find("lblDrag"), Qt::LeftButton);
        rig.view->dragTo(QPoint(300, 300));
        QVERIFY(!rig.view->dragging());
        QCOMPARE(rig.inBack(rig.panel).x(), ViewLayout::kMargin);
    }

    void maximisedViewCentresThePanel() {
        ViewRig rig(true);
        QVERIFY(rig.view->maximised());
        const QRect area = rig.back()->rect();
        const QRect panel = rig.inBack(rig.panel);
        QCOMPARE(panel.size(), QSize(400, 300));
        QVERIFY(qAbs(panel.center().x() - area.center().x()) <= 1);
        // The side buttons sit on the panel's top edge, the last one ending where the panel ends.
        const QRect help = rig.inBack(rig.help);
        QVERIFY(help.bottom() < panel.top());
        QVERIFY(qAbs(help.right() - panel.right()) <= 12);
        // The logo at the bottom right.
        const QRect logo = rig.inBack(rig.find("imgFirm"));
        QCOMPARE(logo.right(), area.right() - ViewLayout::kMargin);
        QCOMPARE(logo.bottom(), area.bottom() - ViewLayout::kMargin);
        QVERIFY(rig.find("lblDrag")->isVisible());
    }

    void draggingMovesThePanelAndDoubleClickCentres() {
        ViewRig rig(true);
        const QRect centred = rig.inBack(rig.panel);
        QWidget* handle = rig.find("lblDrag");
        QTest::mousePress(handle, Qt::LeftButton);
        QVERIFY(rig.view->dragging());
        QVERIFY(!rig.header->isVisible());
        QVERIFY(!rig.find("imgFirm")->isVisible());
        rig.view->dragTo(QPoint(centred.left() + rig.panel->width() / 2 - 60, centred.top() + 40));
        QApplication::processEvents();
        QCOMPARE(rig.inBack(rig.panel).topLeft(), centred.topLeft() + QPoint(-60, 40 - handle->height() / 2));
        QTest::mouseRelease(handle, Qt::LeftButton);
        QVERIFY(!rig.view->dragging());
        QVERIFY(rig.header->isVisible());
        QVERIFY(rig.find("imgFirm")->isVisible());
        QApplication::processEvents();
        QVERIFY(qAbs(rig.inBack(rig.help).right() - rig.inBack(rig.panel).right()) <= 12);
        QTest::mouseDClick(handle, Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(rig.inBack(rig.panel).topLeft(), centred.topLeft());
    }

    void logoShowsTheAboutBox() {
        ViewRig rig(false);
        QTest::mouseClick(rig.find("imgFirm"), Qt::LeftButton);
        QCOMPARE(rig.dialogs.shown.size(), 2);
        QCOMPARE(rig.dialogs.shown[0], QStringLiteral("About Vendel"));
        QVERIFY(rig.dialogs.shown[1].endsWith(QStringLiteral("Vendel " VENDEL_VERSION)));
    }

    // The start window and the main window open in the middle of the screen.
    void windowsOpenCentred() {
        const QRect area = QApplication::primaryScreen()->availableGeometry();
        // Centred, or at the screen's top left when larger than the screen.
        const auto expected = [area](const QRect& frame) {
            return QPoint(std::max(area.left(), area.center().x() - frame.width() / 2),
                          std::max(area.top(), area.center().y() - frame.height() / 2));
        };
        StartWindow start([] {});
        start.show();
        QVERIFY((start.frameGeometry().topLeft() - expected(start.frameGeometry())).manhattanLength() <= 2);
        WindowRig rig;
        MainWindow& window = rig.open();
        const QRect frame = window.frameGeometry();
        QVERIFY2((frame.topLeft() - expected(frame)).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(frame.x())
                                .arg(frame.y())
                                .arg(frame.width())
                                .arg(frame.height())));
    }

    // At its least size the window still shows the largest amount whole, and a very long shop name
    // never widens it.
    void leastSizeKeepsAmountsWhole() {
        WindowRig rig;
        rig.shop.write(QStringLiteral("VL Info.txt"), QStringList{QString(100000, u'W')});
        MainWindow& window = rig.open();
        QVERIFY(window.width() <= 1366);
        QVERIFY(window.frameGeometry().height() <= 768);
        window.resize(200, 200);
        QApplication::processEvents();
        for (const char* name : {"lblTotal1", "lblTotal3"}) {
            auto* label = rig.find<QLabel>(QLatin1String(name));
            label->setText(QStringLiteral("9,999,999.99"));
            QApplication::processEvents();
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     name);
        }
        QVERIFY(window.width() <= 1366);
        auto* brand = rig.find<QLabel>(QStringLiteral("lblBrand"));
        QVERIFY(brand->text().size() < 1000);
    }
};

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
