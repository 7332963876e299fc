#pragma once

#include <QEvent>
#include <QFocusEvent>

// A message box or a menu taking the keyboard for a moment is no move between the fields: true
// only for a focus event that the cashier's own move caused.
inline bool isFocusMove(const QEvent* event) {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
