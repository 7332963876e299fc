#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

// Adds one entry to a menu under the object name the tests know it by, with its shortcut when it has
// one. A shortcut works in the whole window, also while its menu is a closed pop-up (see
// addShortcutsTo).
inline QAction* addMenuEntry(QMenu* menu, const char* objectName, const QString& caption,
                             const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

// The window takes the shortcuts of every entry of the menu and its submenus.
inline void addShortcutsTo(QWidget* window, const QMenu* menu) {
    for (QAction* action : menu->findChildren<QAction*>())
        if (!action->shortcut().isEmpty()) window->addAction(action);
}
