#include "ItemsMenu.h"

#include "core/counter/Counter.h"
#include "core/items/ItemActions.h"
#include "core/shop/SettingsStore.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"

ItemsMenu::ItemsMenu(Counter& counter, QWidget* parent)
    : QMenu(counter.text(Captions::MenuList), parent), m_counter(counter) {
    Counter* c = &m_counter;
    ItemActions* actions = &c->itemActions();
    setObjectName(QStringLiteral("mnuList"));
    m_mnuSeeStock = addMenuEntry(this, "mnuSeeStock", c->text(Captions::MenuSeeStock));
    m_mnuSeeStock->setCheckable(true);
    connect(m_mnuSeeStock, &QAction::triggered, c, &Counter::mnuSeeStock_Click);
    connect(addMenuEntry(this, "mnuCountAll", c->text(Captions::MenuCountAll)), &QAction::triggered, actions,
            &ItemActions::mnuCountAll_Click);
    addSeparator();
    connect(addMenuEntry(this, "mnuEditList", c->text(Captions::MenuEditList)), &QAction::triggered, c,
            &Counter::eItemToEdit);
    addSeparator();
    connect(addMenuEntry(this, "mnuPriceChg0", c->text(Captions::MenuRaise)), &QAction::triggered, actions,
            [actions] { actions->mnuPriceChg_Click(0); });
    connect(addMenuEntry(this, "mnuPriceChg1", c->text(Captions::MenuLower)), &QAction::triggered, actions,
            [actions] { actions->mnuPriceChg_Click(1); });
    connect(&c->settings(), &SettingsStore::changed, this, &ItemsMenu::render);
    connect(c, &Counter::loaded, this, &ItemsMenu::render);
}

void ItemsMenu::render() {
    m_mnuSeeStock->setChecked(m_counter.settings().values().seeStock);
}
