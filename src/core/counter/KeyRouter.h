#pragma once

#include <QString>

class Counter;

// The keyboard of the counter: the seven controls that take keys (the four entry fields, the cash
// field, the note and the item list) pass every key here first. Letters jump between the fields,
// arrows walk the form, Enter moves on or completes. Key codes are the classic virtual-key codes.
class KeyRouter {
public:
    // Which control the key came from.
    enum Control {
        Quantity = 1,
        Description = 2,
        Discount = 3,
        Price = 4,
        Cash = 5,
        NoteList = 6,
        ItemList = 7
    };
    // Bits of the shift state.
    enum ShiftState { ShiftBit = 1, CtrlBit = 2, AltBit = 4 };
    // Virtual-key codes the router knows.
    enum Key {
        Backspace = 8,
        Tab = 9,
        Enter = 13,
        Left = 37,
        Up = 38,
        Right = 39,
        Down = 40,
        Delete = 46,
        Digit0 = 48,
        Digit9 = 57,
        ContextMenu = 93,
        Pad0 = 96,
        Pad9 = 105,
        PadDecimal = 110,
        Equals = 187,
        Period = 190
    };

    explicit KeyRouter(Counter& counter) : m_counter(counter) {}

    // A key went down; keyCode becomes 0 when the key was used up here.
    void eMyKeyDown(int& keyCode, int shift, int index);
    // A character was typed; keyAscii becomes 0 when it was used up here (13 is Enter).
    void eMyKeyPress(int& keyAscii, int index);

    // The search field has keys of its own: Enter adds (or looks up) the first hit, Ctrl+Tab moves to
    // the next note and reopens the search there, Ctrl+Delete resets the quantity, Ctrl+"=" switches
    // the look-up mode, Ctrl+1..9 set the quantity, Down goes to the list.
    void finderKeyDown(int& keyCode, int shift);
    void finderKeyPress(int& keyAscii);

private:
    void itemListKeyDown(int& keyCode, int shift);
    void appendToQuantity(const QString& text);

    Counter& m_counter;
};
