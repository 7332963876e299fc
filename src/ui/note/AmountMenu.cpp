#include "AmountMenu.h"

#include "core/counter/Counter.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"

AmountMenu::AmountMenu(Counter& counter, QWidget* parent)
    : QMenu(counter.text(Captions::MenuOpc), parent), m_counter(counter) {
    Counter* c = &m_counter;
    setObjectName(QStringLiteral("mnuOpc"));
    QMenu* group = addMenu(c->text(Captions::MenuGroup));
    group->setObjectName(QStringLiteral("mnuGroup"));
    const auto discount = [group, c](const char* name, const Text& caption, const QString& value) {
        connect(addMenuEntry(group, name, c->text(caption)), &QAction::triggered, c,
                [c, value] { c->eDesc(value); });
    };
    discount("mnuDesc5", Captions::MenuDesc5, QStringLiteral("5%"));
    discount("mnuDesc10", Captions::MenuDesc10, QStringLiteral("10%"));
    discount("mnuDesc15", Captions::MenuDesc15, QStringLiteral("15%"));
    group->addSeparator();
    connect(addMenuEntry(group, "mnuDescx", c->text(Captions::MenuDescx)), &QAction::triggered, c,
            &Counter::mnuDescx_Click);
    connect(addMenuEntry(this, "mnuIVA", c->text(Captions::MenuIVA)), &QAction::triggered, c,
            &Counter::mnuIVA_Click);
    addSeparator();
    QMenu* moneyIn = addMenu(c->text(Captions::MenuMoneyIn));
    moneyIn->setObjectName(QStringLiteral("mnuMoneyIn"));
    connect(addMenuEntry(moneyIn, "mnuCashIn", c->text(Captions::MenuCashIn)), &QAction::triggered, c,
            &Counter::mnuCashIn_Click);
    connect(addMenuEntry(moneyIn, "mnuCardIn", c->text(Captions::MenuCardIn)), &QAction::triggered, c,
            &Counter::mnuCardIn_Click);
    connect(c, &Counter::menusChanged, this, &AmountMenu::render);
}

void AmountMenu::render() {
    const bool open = m_counter.amountMenuVisible();
    menuAction()->setVisible(open);
    for (QAction* a : findChildren<QAction*>())
        if (!a->menu()) a->setEnabled(open);
}
