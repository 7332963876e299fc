#include "KeyboardGlue.h"

#include "ui/keyboard/FocusMove.h"
#include "ui/keyboard/KeyCodes.h"
#include "ui/keyboard/Keypad.h"
#include "ui/keyboard/ScanGlue.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

KeyboardGlue::KeyboardGlue(Counter& counter, Keypad& keypad, QWidget* area)
    : QObject(area), m_router(std::make_unique<KeyRouter>(counter)),
      m_scan(std::make_unique<ScanGlue>(counter)), m_keypad(keypad), m_area(area) {}

KeyboardGlue::~KeyboardGlue() = default;

void KeyboardGlue::route(QWidget* widget, KeyRouter::Control control) {
    m_controls.insert(widget, control);
    widget->installEventFilter(this);
}

void KeyboardGlue::routeFinder(QWidget* finder) {
    m_finder = finder;
    finder->installEventFilter(this);
}

void KeyboardGlue::keypadFor(QWidget* field, int gapTwips, QWidget* above) {
    m_keypadPlaces.insert(field, KeypadPlace{gapTwips, above});
}

bool KeyboardGlue::routeKey(QObject* watched, QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (watched == m_finder) {
        if (m_router->finderKeyDown(key, modifiers)) return true;
        QChar typed = KeyCodes::typedCharacter(event);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers.testFlag(Qt::ControlModifier))
            typed = u'\n';
        return !typed.isNull() && m_router->finderKeyPress(typed);
    }
    const auto control = m_controls.constFind(watched);
    if (control == m_controls.constEnd()) return false;
    if (m_router->keyDown(*control, key, modifiers)) return true;
    const QChar typed = KeyCodes::typedCharacter(event);
    return !typed.isNull() && m_router->keyPress(*control, typed);
}

QPoint KeyboardGlue::popupPlace(const QWidget* widget, const QSize& menu) {
    const QWidget* anchor = widget;
    QRect at = widget->rect();
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
        anchor = view->viewport();
        at = view->visualRect(view->currentIndex());
        if (!at.isValid() || !anchor->rect().intersects(at)) at = QRect(0, 0, anchor->width(), 0);
    }
    const QPoint below = anchor->mapToGlobal(QPoint(at.left(), at.bottom() + 1));
    const QScreen* screen = widget->screen();
    if (screen && below.y() + menu.height() > screen->availableGeometry().bottom() + 1)
        return anchor->mapToGlobal(at.topLeft()) - QPoint(0, menu.height()); // no room below: above it
    return below;
}

void KeyboardGlue::placeKeypad(QWidget* field, const KeypadPlace& place) {
    const QRect r(field->mapTo(m_area, QPoint(0, 0)), field->size());
    QPoint at(r.left(), r.bottom() + 1 + place.gapTwips / 15);
    if (place.above)
        at.setY(place.above->mapTo(m_area, QPoint(0, 0)).y() - m_keypad.height() - place.gapTwips / 15);
    at.setX(std::clamp(at.x(), 0, std::max(0, m_area->width() - m_keypad.width())));
    at.setY(std::clamp(at.y(), 0, std::max(0, m_area->height() - m_keypad.height())));
    m_keypad.showAt(at);
}

bool KeyboardGlue::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool watchedControl = watched == m_finder || m_controls.contains(watched);
        if (watchedControl && m_scan->keyPress(key)) return true;
        if (routeKey(watched, key)) return true;
    }
    if (event->type() == QEvent::ContextMenu && m_controls.contains(watched) &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
        return true;
    const auto place = m_keypadPlaces.constFind(watched);
    if (place != m_keypadPlaces.constEnd()) {
        if (event->type() == QEvent::MouseButtonDblClick) placeKeypad(static_cast<QWidget*>(watched), *place);
        if (event->type() == QEvent::FocusOut && isFocusMove(event)) m_keypad.hide();
    }
    return QObject::eventFilter(watched, event);
}
