#pragma once

#include "core/counter/KeyRouter.h"

#include <QHash>
#include <QObject>

#include <memory>

class Counter;
class Keypad;
class QKeyEvent;
class QPoint;
class QSize;
class QWidget;
class ScanGlue;

// Hands the keys of the window's controls to the counter's keyboard router as the control it knows
// each by, and opens the on-screen keypad on a double click of the fields that have one.
// Every key press of those controls and of the search field first passes the barcode scanner's
// watch (ScanGlue). The context-menu key of the controls is the router's alone: the platform's
// keyboard context menu (a field's Undo/Cut/Copy/Paste) never shows; a right click keeps its menu.
class KeyboardGlue : public QObject {
    Q_OBJECT

public:
    // The keypad opens within area (the window's central widget).
    KeyboardGlue(Counter& counter, Keypad& keypad, QWidget* area);
    ~KeyboardGlue() override;

    // Keys of the widget go to the router as those of the control.
    void route(QWidget* widget, KeyRouter::Control control);
    // Keys of the search field go to the router's own search handlers.
    void routeFinder(QWidget* finder);
    // A double click on the field opens the keypad gapTwips below the field, or, when above is
    // given, gapTwips above that frame.
    void keypadFor(QWidget* field, int gapTwips, QWidget* above = nullptr);
    // Where a pop-up menu of the size opened by a key in the widget opens (global): under a field's
    // bottom-left corner; in a list, under its current line while that line is in view, else at the
    // list's top. Above the field or line when the screen has no room below it.
    static QPoint popupPlace(const QWidget* widget, const QSize& menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct KeypadPlace {
        int gapTwips = 0;
        QWidget* above = nullptr;
    };
    bool routeKey(QObject* watched, QKeyEvent* event);
    void placeKeypad(QWidget* field, const KeypadPlace& place);

    std::unique_ptr<KeyRouter> m_router;
    std::unique_ptr<ScanGlue> m_scan;
    Keypad& m_keypad;
    QWidget* m_area;
    QObject* m_finder = nullptr;
    QHash<const QObject*, KeyRouter::Control> m_controls;
    QHash<const QObject*, KeypadPlace> m_keypadPlaces;
};
