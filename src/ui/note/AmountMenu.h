#pragma once

#include <QMenu>

class Counter;

// The pop-up menu "Importe" (mnuOpc), never on the menu bar: discounts, interest and the payment
// with cash or card.
class AmountMenu : public QMenu {
    Q_OBJECT

public:
    AmountMenu(Counter& counter, QWidget* parent);
    void render();

private:
    Counter& m_counter;
};
