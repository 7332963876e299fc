#include "RegisterMenu.h"

#include "core/counter/Counter.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"

RegisterMenu::RegisterMenu(Counter& counter, QWidget* parent)
    : QMenu(counter.text(Captions::MenuReg), parent), m_counter(counter) {
    const Counter& c = m_counter;
    Counter* x = &m_counter;
    setObjectName(QStringLiteral("mnuReg"));
    connect(addMenuEntry(this, "mnuAdd", c.text(Captions::MenuAdd)), &QAction::triggered, x,
            &Counter::eInMoney);
    connect(addMenuEntry(this, "mnuQuit", c.text(Captions::MenuQuit)), &QAction::triggered, x,
            &Counter::eOutMoney);
    addSeparator();
    connect(addMenuEntry(this, "mnuCut", c.text(Captions::MenuCut)), &QAction::triggered, x,
            &Counter::mnuCut_Click);
    connect(addMenuEntry(this, "mnuCount", c.text(Captions::MenuCount)), &QAction::triggered, x,
            &Counter::mnuCount_Click);
    QMenu* group2 = addMenu(c.text(Captions::MenuGroup2));
    group2->setObjectName(QStringLiteral("mnuGroup2"));
    connect(addMenuEntry(group2, "mnuSumCard", c.text(Captions::MenuSumCard)), &QAction::triggered, x,
            &Counter::eSumCard);
    connect(addMenuEntry(group2, "mnuNumbCard", c.text(Captions::MenuNumbCard)), &QAction::triggered, x,
            &Counter::eNumbCard);
    group2->addSeparator();
    connect(addMenuEntry(group2, "mnuCard", c.text(Captions::MenuCard)), &QAction::triggered, x,
            &Counter::eCreditCard);
    addSeparator();
    QMenu* cutZ = addMenu(c.text(Captions::MenuCutZ));
    cutZ->setObjectName(QStringLiteral("mnuCutZ"));
    m_mnuCutZ = cutZ->menuAction();
    connect(addMenuEntry(cutZ, "mnuPrintSimple", c.text(Captions::MenuPrintSimple)), &QAction::triggered, x,
            &Counter::mnuPrintSimple_Click);
    connect(addMenuEntry(cutZ, "mnuPrintCut", c.text(Captions::MenuPrintCut)), &QAction::triggered, x,
            &Counter::mnuPrintCut_Click);
    connect(&m_counter, &Counter::menusChanged, this, &RegisterMenu::render);
}

void RegisterMenu::render() {
    m_mnuCutZ->setEnabled(m_counter.cutMenuEnabled());
}
