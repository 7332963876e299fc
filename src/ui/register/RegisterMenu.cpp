#include "RegisterMenu.h"

#include "app/Captions.h"
#include "app/Counter.h"
#include "app/MenuEntry.h"

RegisterMenu::RegisterMenu(Counter& counter, QWidget* parent)
    : QMenu(counter.text(Captions::MenuReg), parent), m_counter(counter) {
    const Counter& c = m_counter;
    setObjectName(QStringLiteral("mnuReg"));
    addMenuEntry(this, "mnuAdd", c.text(Captions::MenuAdd));
    addMenuEntry(this, "mnuQuit", c.text(Captions::MenuQuit));
    addSeparator();
    addMenuEntry(this, "mnuCut", c.text(Captions::MenuCut));
    addMenuEntry(this, "mnuCount", c.text(Captions::MenuCount));
    QMenu* group2 = addMenu(c.text(Captions::MenuGroup2));
    group2->setObjectName(QStringLiteral("mnuGroup2"));
    addMenuEntry(group2, "mnuSumCard", c.text(Captions::MenuSumCard));
    addMenuEntry(group2, "mnuNumbCard", c.text(Captions::MenuNumbCard));
    group2->addSeparator();
    addMenuEntry(group2, "mnuCard", c.text(Captions::MenuCard));
    addSeparator();
    QMenu* cutZ = addMenu(c.text(Captions::MenuCutZ));
    cutZ->setObjectName(QStringLiteral("mnuCutZ"));
    m_mnuCutZ = cutZ->menuAction();
    connect(addMenuEntry(cutZ, "mnuPrintSimple", c.text(Captions::MenuPrintSimple)), &QAction::triggered,
            &m_counter, &Counter::mnuPrintSimple_Click);
    addMenuEntry(cutZ, "mnuPrintCut", c.text(Captions::MenuPrintCut));
    connect(&m_counter, &Counter::menusChanged, this, &RegisterMenu::render);
}

void RegisterMenu::render() {
    m_mnuCutZ->setEnabled(m_counter.cutMenuEnabled());
}
