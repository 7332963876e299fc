#pragma once

#include "ui/widgets/ElidedLabel.h"

// A label that acts as a button: it reports the press, the release and the click (a release over
// the label after a press on it), with the mouse button used. Its caption is elided, never widening
// the window.
class LabelButton : public ElidedLabel {
    Q_OBJECT

public:
    explicit LabelButton(const QString& text = QString(), QWidget* parent = nullptr);

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void clicked(Qt::MouseButton button);
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Qt::MouseButton m_down = Qt::NoButton;
};
