#include "NotesMenu.h"

#include "core/counter/Counter.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"
#include "ui/widgets/ShownText.h"

namespace {
constexpr qsizetype kEntryChars = 80;
}

NotesMenu::NotesMenu(Counter& counter, QWidget* parent)
    : QMenu(counter.text(Captions::MenuGral), parent), m_counter(counter) {
    Counter* c = &m_counter;
    setObjectName(QStringLiteral("mnuGral"));
    m_mnuDel = addMenuEntry(this, "mnuDel", c->text(Captions::MenuDel));
    m_mnuDel->setVisible(false);
    connect(m_mnuDel, &QAction::triggered, c, &Counter::mnuDel_Click);
    connect(addMenuEntry(this, "mnuCancelAll", c->text(Captions::MenuCancelAll)), &QAction::triggered, c,
            &Counter::eDelBox);
    addSeparator();
    connect(addMenuEntry(this, "mnuEditNote", c->text(Captions::MenuEditNote)), &QAction::triggered, c,
            &Counter::mnuEditNote_Click);
    addSeparator();
    const auto option = [this, c](const char* name, const Text& caption, void (Counter::*click)()) {
        QAction* a = addMenuEntry(this, name, c->text(caption));
        a->setCheckable(true);
        connect(a, &QAction::triggered, c, click);
        return a;
    };
    m_mnuBack = option("mnuBack", Captions::MenuBack, &Counter::mnuBack_Click);
    m_mnuTicket = option("mnuTicket", Captions::MenuTicket, &Counter::mnuTicket_Click);
    m_mnuDouble = option("mnuDouble", Captions::MenuDouble, &Counter::mnuDouble_Click);
    addSeparator();
    connect(addMenuEntry(this, "mnuWhereTicket", c->text(Captions::MenuWhereTicket)), &QAction::triggered, c,
            &Counter::mnuWhereTicket_Click);
    m_mnuReprint = addMenuEntry(this, "mnuReprint", c->text(Captions::MenuReprint));
    connect(m_mnuReprint, &QAction::triggered, c, &Counter::mnuReprint_Click);
    connect(c, &Counter::menusChanged, this, &NotesMenu::render);
}

void NotesMenu::render() {
    const Settings& s = m_counter.settings();
    m_mnuBack->setChecked(s.backToRecord);
    m_mnuTicket->setChecked(s.printTickets);
    m_mnuDouble->setChecked(s.doubleTicket);
    m_mnuReprint->setEnabled(m_counter.reprintAvailable());
    m_mnuDel->setVisible(m_counter.cancelEntryVisible());
    // The entry names the chosen line: a long one is cut short, so the menu keeps a menu's width.
    m_mnuDel->setText(ShownText::capped(m_counter.cancelEntryCaption(), kEntryChars));
}
