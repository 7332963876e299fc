#include "ItemsMenu.h"

#include "core/counter/Counter.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"

ItemsMenu::ItemsMenu(Counter& counter, QWidget* parent)
    : QMenu(counter.text(Captions::MenuList), parent), m_counter(counter) {
    Counter* c = &m_counter;
    setObjectName(QStringLiteral("mnuList"));
    m_mnuSeeStock = addMenuEntry(this, "mnuSeeStock", c->text(Captions::MenuSeeStock));
    m_mnuSeeStock->setCheckable(true);
    connect(m_mnuSeeStock, &QAction::triggered, c, &Counter::mnuSeeStock_Click);
    connect(addMenuEntry(this, "mnuCountAll", c->text(Captions::MenuCountAll)), &QAction::triggered, c,
            &Counter::mnuCountAll_Click);
    addSeparator();
    connect(addMenuEntry(this, "mnuEditList", c->text(Captions::MenuEditList)), &QAction::triggered, c,
            &Counter::mnuEditList_Click);
    addSeparator();
    connect(addMenuEntry(this, "mnuPriceChg0", c->text(Captions::MenuRaise)), &QAction::triggered, c,
            [c] { c->mnuPriceChg_Click(0); });
    connect(addMenuEntry(this, "mnuPriceChg1", c->text(Captions::MenuLower)), &QAction::triggered, c,
            [c] { c->mnuPriceChg_Click(1); });
    connect(c, &Counter::menusChanged, this, &ItemsMenu::render);
}

void ItemsMenu::render() {
    m_mnuSeeStock->setChecked(m_counter.settings().seeStock);
}
