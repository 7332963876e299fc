#pragma once

#include <QMenu>

class Counter;

// The menu "Registro" (mnuReg): cash movements and the count of the drawer, the sums and counts of the
// day, card payments, the X report and the printing and cut of the register.
class RegisterMenu : public QMenu {
    Q_OBJECT

public:
    RegisterMenu(Counter& counter, QWidget* parent);
    void render();

Q_SIGNALS:
    // "Informes": the window opens the reports.
    void reportsAsked();

private:
    // "Arqueo de caja": the count dialog over the window, unless the count is refused.
    void countCash();

    Counter& m_counter;
    QWidget* m_window = nullptr;
    QAction* m_mnuCutZ = nullptr;
};
