#pragma once

#include <QMenu>

class Counter;

// The menu "Datos" (mnuExtra): manual, advice and calculator, the shop's data, the drawer, the
// printer, the cash limits and the currency.
class DataMenu : public QMenu {
    Q_OBJECT

public:
    DataMenu(Counter& counter, QWidget* parent);

Q_SIGNALS:
    // "Impresora…": the printer settings are wanted.
    void printerAsked();
};
