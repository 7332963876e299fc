#pragma once

#include <QMenu>

class Counter;

// The menu "Inventario" (mnuList), also the pop-up menu of the item list: visible stock, the value
// of all items, the list editor and the price changes.
class ItemsMenu : public QMenu {
    Q_OBJECT

public:
    ItemsMenu(Counter& counter, QWidget* parent);
    void render();

private:
    Counter& m_counter;
    QAction* m_mnuSeeStock = nullptr;
};
