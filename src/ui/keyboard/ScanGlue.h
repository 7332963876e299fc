#pragma once

#include "core/counter/ScanDetector.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

class Counter;
class QKeyEvent;

// A barcode scanner types its code into whatever control of the counter has the focus, at machine
// speed, and ends it with Enter. Every key press of those controls passes here before the control
// and the keyboard router see it. The counter is remembered as it stood when a quick run of keys
// began; when Enter shows the run to be a scan, the counter is put back as it was (undoing what the
// run's characters did to the fields, the search, the lists and the focus), the Enter is used up and
// the code is searched for as a barcode. Keys typed by hand never make a run and pass unchanged.
//
// Keys are timed by the time the platform gives their events, not by when they are handled, so keys
// of a cashier that wait in the queue while the counter is busy do not make a run. Events without a
// time (those the program makes itself, like the on-screen keypad's) and a key held down (auto-repeat)
// end a run.
class ScanGlue {
public:
    explicit ScanGlue(Counter& counter) : m_counter(counter) {}

    // True when the key was used up here.
    bool keyPress(const QKeyEvent* event);

private:
    struct Before {
        int note = 0;
        int noteLine = -1;
        int item = -1;
        QString finder;
        std::array<QString, 4> fields;
        QString cash;
        QPointer<QWidget> focus;
    };
    void remember();
    void putBack();

    Counter& m_counter;
    ScanDetector m_detector;
    Before m_before;
};
