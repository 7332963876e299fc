#include "AmountMenu.h"

#include "core/counter/Counter.h"
#include "core/note/Adjustments.h"
#include "core/note/Amounts.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"

AmountMenu::AmountMenu(Counter& counter, QWidget* parent)
    : QMenu(counter.text(Captions::MenuOpc), parent), m_counter(counter) {
    Counter* c = &m_counter;
    Adjustments* adjustments = &c->adjustments();
    setObjectName(QStringLiteral("mnuOpc"));
    QMenu* group = addMenu(c->text(Captions::MenuGroup));
    group->setObjectName(QStringLiteral("mnuGroup"));
    const auto discount = [group, c, adjustments](const char* name, const Text& caption,
                                                  const QString& value) {
        connect(addMenuEntry(group, name, c->text(caption)), &QAction::triggered, adjustments,
                [adjustments, value] { adjustments->eDesc(value); });
    };
    discount("mnuDesc5", Captions::MenuDesc5, QStringLiteral("5%"));
    discount("mnuDesc10", Captions::MenuDesc10, QStringLiteral("10%"));
    discount("mnuDesc15", Captions::MenuDesc15, QStringLiteral("15%"));
    group->addSeparator();
    connect(addMenuEntry(group, "mnuDescx", c->text(Captions::MenuDescx), Qt::Key_F8), &QAction::triggered,
            adjustments, &Adjustments::mnuDescx_Click);
    connect(addMenuEntry(this, "mnuIVA", c->text(Captions::MenuIVA)), &QAction::triggered, adjustments,
            &Adjustments::mnuIVA_Click);
    addSeparator();
    QMenu* moneyIn = addMenu(c->text(Captions::MenuMoneyIn));
    moneyIn->setObjectName(QStringLiteral("mnuMoneyIn"));
    Amounts* amounts = &c->amounts();
    connect(addMenuEntry(moneyIn, "mnuCashIn", c->text(Captions::MenuCashIn), Qt::Key_F12),
            &QAction::triggered, amounts, &Amounts::payInCash);
    connect(addMenuEntry(moneyIn, "mnuCardIn", c->text(Captions::MenuCardIn), Qt::CTRL | Qt::Key_F12),
            &QAction::triggered, c, &Counter::eUsingCard);
    connect(amounts, &Amounts::menusChanged, this, &AmountMenu::render);
    connect(c, &Counter::loaded, this, &AmountMenu::render);
}

void AmountMenu::render() {
    const bool open = m_counter.amounts().menuVisible();
    menuAction()->setVisible(open);
    for (QAction* a : findChildren<QAction*>())
        if (!a->menu()) a->setEnabled(open);
}
