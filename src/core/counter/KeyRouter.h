#pragma once

#include <QChar>
#include <Qt>

class Counter;

// The keyboard of the counter: the controls that take keys (the four entry fields, the cash field, the
// notes, the item list and the search field) pass every key here first. Letters jump between the
// fields, arrows walk the form, Enter moves on or completes. Each method says whether it used the key
// up; a key it leaves goes on to the control.
class KeyRouter {
public:
    // Which control the key came from.
    enum class Control { Quantity, Description, Discount, Price, Cash, NoteList, ItemList };

    explicit KeyRouter(Counter& counter) : m_counter(counter) {}

    // A key went down (Qt's key and modifiers; the keypad's keys carry Qt::KeypadModifier).
    bool keyDown(Control from, int key, Qt::KeyboardModifiers modifiers);
    // A character was typed (Enter as "\r"); nothing is typed while Ctrl or Alt is held.
    bool keyPress(Control from, QChar typed);

    // The search field has keys of its own: Enter adds (or looks up) the first hit, Ctrl+Tab moves to
    // the next note and reopens the search there, Ctrl+Delete resets the quantity, Ctrl+"=" switches
    // the look-up mode, Ctrl+1..9 set the quantity, Down goes to the list. Ctrl+Enter ("\n") is
    // swallowed.
    bool finderKeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool finderKeyPress(QChar typed);

private:
    bool itemListKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void appendToQuantity(const QString& text);
    void nextNote();

    Counter& m_counter;
};
