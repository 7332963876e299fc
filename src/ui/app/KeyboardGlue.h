#pragma once

#include <QHash>
#include <QObject>

#include <memory>

class Counter;
class Keypad;
class KeyRouter;
class QKeyEvent;
class QWidget;

// Hands the keys of the window's controls to the counter's keyboard router under the control number
// it knows each by, and opens the on-screen keypad on a double click of the fields that have one.
class KeyboardGlue : public QObject {
    Q_OBJECT

public:
    // The keypad opens within area (the window's central widget).
    KeyboardGlue(Counter& counter, Keypad& keypad, QWidget* area);
    ~KeyboardGlue() override;

    // Keys of the widget go to the router as those of the control (KeyRouter::Control).
    void route(QWidget* widget, int control);
    // Keys of the search field go to the router's own search handlers.
    void routeFinder(QWidget* finder);
    // A double click on the field opens the keypad gapTwips below the field, or, when above is
    // given, gapTwips above that frame.
    void keypadFor(QWidget* field, int gapTwips, QWidget* above = nullptr);

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
    Keypad& m_keypad;
    QWidget* m_area;
    QObject* m_finder = nullptr;
    QHash<const QObject*, int> m_controls;
    QHash<const QObject*, KeypadPlace> m_keypadPlaces;
};
