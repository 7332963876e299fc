#pragma once

#include <QAction>
#include <QMenu>

// Adds one entry to a menu under the object name the tests and the shortcuts know it by.
inline QAction* addMenuEntry(QMenu* menu, const char* objectName, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}
