#include "KeyCodes.h"

#include "core/counter/KeyRouter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace KeyCodes {

int virtualKey(const QKeyEvent* event) {
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (keypad ? KeyRouter::Pad0 : KeyRouter::Digit0) + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Backspace:
        return KeyRouter::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KeyRouter::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyRouter::Enter;
    case Qt::Key_Left:
        return KeyRouter::Left;
    case Qt::Key_Up:
        return KeyRouter::Up;
    case Qt::Key_Right:
        return KeyRouter::Right;
    case Qt::Key_Down:
        return KeyRouter::Down;
    case Qt::Key_Delete:
        return KeyRouter::Delete;
    case Qt::Key_Menu:
        return KeyRouter::ContextMenu;
    case Qt::Key_F10: // Shift+F10 is the context-menu key of keyboards without one
        return event->modifiers().testFlag(Qt::ShiftModifier) ? int(KeyRouter::ContextMenu) : 0;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return keypad ? KeyRouter::PadDecimal : (key == Qt::Key_Period ? int(KeyRouter::Period) : 0);
    case Qt::Key_Equal:
        return KeyRouter::Equals;
    case Qt::Key_Plus:
        return keypad ? 0 : int(KeyRouter::Equals);
    default:
        return 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) state |= KeyRouter::ShiftBit;
    if (modifiers.testFlag(Qt::ControlModifier)) state |= KeyRouter::CtrlBit;
    if (modifiers.testFlag(Qt::AltModifier)) state |= KeyRouter::AltBit;
    return state;
}

int typedCharacter(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return KeyRouter::Enter;
    const QString text = event->text();
    if (text.size() != 1 || !text[0].isPrint()) return 0;
    return text[0].unicode();
}

void ePressKey(int virtualKey) {
    QWidget* target = QApplication::focusWidget();
    if (!target) return;
    int key = 0;
    QString text;
    if (virtualKey >= KeyRouter::Digit0 && virtualKey <= KeyRouter::Digit9) {
        key = Qt::Key_0 + (virtualKey - KeyRouter::Digit0);
        text = QString(QChar(u'0' + (virtualKey - KeyRouter::Digit0)));
    } else if (virtualKey == KeyRouter::Period) {
        key = Qt::Key_Period;
        text = QStringLiteral(".");
    } else if (virtualKey == KeyRouter::Backspace) {
        key = Qt::Key_Backspace;
    } else {
        return;
    }
    QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

} // namespace KeyCodes
