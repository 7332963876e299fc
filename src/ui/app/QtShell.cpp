#include "QtShell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

bool QtShell::open(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtShell::beep() {
    QApplication::beep();
}
