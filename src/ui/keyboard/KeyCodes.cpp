#include "KeyCodes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace KeyCodes {

QChar typedCharacter(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return u'\r';
    const QString text = event->text();
    if (text.size() != 1 || !text[0].isPrint()) return {};
    return text[0];
}

void ePressKey(Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    if (!target) return;
    QString text;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        text = QString(QChar(u'0' + (key - Qt::Key_0)));
    else if (key == Qt::Key_Period)
        text = QStringLiteral(".");
    else if (key != Qt::Key_Backspace)
        return;
    QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

} // namespace KeyCodes
