#include "ui/shell/StartWindow.h"

#include <QPointer>
#include <QTest>

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
