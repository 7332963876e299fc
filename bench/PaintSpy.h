#pragma once

#include <QEvent>
#include <QObject>

// Counts the paints of the widget it is installed on, to show that a benchmark's timed part did paint.
class PaintSpy : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};
