#pragma once

// The real main window on a temporary shop with scripted ports (user-interface tests only).

#include "CounterAreas.h"
#include "ScriptedPorts.h"
#include "TempShop.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QTest>

#include <memory>

struct WindowRig {
    TempShop shop;
    ScriptedDialogs dialogs;
    FakeClock clock;
    RecordingPrinter printer;
    FakeShell shell;
    std::unique_ptr<MainWindow> window;

    // `boxes` and `printing`, when given, stand in for the scripted dialogs and the recording printer.
    MainWindow& open(const QString& language = QString(), Dialogs* boxes = nullptr,
                     Printer* printing = nullptr) {
        window = std::make_unique<MainWindow>(
            shop.path(), Language(language), QString(),
            Ports{boxes ? *boxes : dialogs, clock, printing ? *printing : printer, shell});
        window->load();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
        return *window;
    }
    Counter& counter() { return window->counter(); }
    // Types an item into the entry fields and adds it.
    void add(const QString& quantity, const QString& description, const QString& price) {
        counter().fields().set(EntryFields::Quantity, quantity);
        counter().fields().set(EntryFields::Description, description);
        counter().fields().set(EntryFields::Price, price);
        counter().ePreFactura();
    }

    template <class T> T* find(const QString& name) const {
        T* w = window->findChild<T*>(name);
        if (!w) qWarning("no widget named %s", qPrintable(name));
        return w;
    }
    // Gives a widget the keyboard focus as a cashier's Tab or click would.
    static void focus(QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
};

inline QString focusedName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString("(none)");
}
// A key to whatever has the focus; a mnemonic presses its button as a click would: released a moment later.
inline void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    if (modifiers & Qt::AltModifier) QTest::qWait(150);
}
