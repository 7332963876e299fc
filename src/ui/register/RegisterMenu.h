#pragma once

#include <QMenu>

class Counter;

// The menu "Registro" (mnuReg): cash movements, the sums and counts of the day, card payments and
// the printing and cut of the register.
class RegisterMenu : public QMenu {
    Q_OBJECT

public:
    RegisterMenu(Counter& counter, QWidget* parent);
    void render();

Q_SIGNALS:
    // "Informes": the window opens the reports.
    void reportsAsked();

private:
    Counter& m_counter;
    QAction* m_mnuCutZ = nullptr;
};
