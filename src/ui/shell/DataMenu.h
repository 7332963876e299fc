#pragma once

#include <QMenu>

class Counter;

// The menu "Datos" (mnuExtra): manual, advice and calculator, the shop's data, the cash limits and
// the currency.
class DataMenu : public QMenu {
    Q_OBJECT

public:
    DataMenu(Counter& counter, QWidget* parent);
};
