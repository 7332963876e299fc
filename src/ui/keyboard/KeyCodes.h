#pragma once

#include <Qt>

class QKeyEvent;

// Qt's key events in the terms of the counter's keyboard: virtual-key codes, the shift state
// (1 Shift, 2 Ctrl, 4 Alt) and the typed character.
namespace KeyCodes {

// The virtual-key code of the keys the counter reacts to, or 0.
int virtualKey(const QKeyEvent* event);
int shiftState(Qt::KeyboardModifiers modifiers);
// The typed character (13 for Enter), or 0 when the key types none or Ctrl/Alt is held.
int typedCharacter(const QKeyEvent* event);

// Sends one press and one release of a virtual key to whatever has the keyboard focus, so it runs
// through that control's own handling exactly as a typed key: the digits "0".."9" (48..57),
// "." (190) and Backspace (8).
void ePressKey(int virtualKey);

} // namespace KeyCodes
