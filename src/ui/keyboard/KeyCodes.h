#pragma once

#include <QChar>
#include <Qt>

class QKeyEvent;

// Qt's key events as the counter's keyboard takes them.
namespace KeyCodes {

// The typed character ("\r" for Enter), or none when the key types none or Ctrl, Alt or the system
// key is held.
QChar typedCharacter(const QKeyEvent* event);

// Sends one press and one release of a key to whatever has the keyboard focus, so it runs through that
// control's own handling exactly as a typed key: the digits Qt::Key_0..Qt::Key_9, Qt::Key_Period and
// Qt::Key_Backspace.
void ePressKey(Qt::Key key);

} // namespace KeyCodes
