#include "LabelButton.h"

#include <QMouseEvent>

LabelButton::LabelButton(const QString& text, QWidget* parent) : ElidedLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
    m_down = event->button();
    Q_EMIT pressed(event->button());
    event->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    Q_EMIT released(button);
    if (button == m_down && rect().contains(event->position().toPoint())) Q_EMIT clicked(button);
    m_down = Qt::NoButton;
    event->accept();
}

void LabelButton::mouseDoubleClickEvent(QMouseEvent* event) {
    m_down = event->button();
    Q_EMIT pressed(event->button());
    Q_EMIT doubleClicked();
    event->accept();
}
