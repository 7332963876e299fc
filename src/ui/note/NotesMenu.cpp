#include "NotesMenu.h"

#include "core/counter/Counter.h"
#include "core/note/Adjustments.h"
#include "core/printing/TicketPrinter.h"
#include "core/shop/SettingsStore.h"
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
    Adjustments* adjustments = &c->adjustments();
    m_mnuDel = addMenuEntry(this, "mnuDel", c->text(Captions::MenuDel));
    m_mnuDel->setVisible(false);
    connect(m_mnuDel, &QAction::triggered, adjustments, &Adjustments::mnuDel_Click);
    connect(addMenuEntry(this, "mnuCancelAll", c->text(Captions::MenuCancelAll), Qt::Key_F4),
            &QAction::triggered, c, &Counter::eDelBox);
    addSeparator();
    connect(addMenuEntry(this, "mnuEditNote", c->text(Captions::MenuEditNote)), &QAction::triggered, c,
            &Counter::eNoteToEdit);
    addSeparator();
    SettingsStore* settings = &c->settings();
    const auto option = [this, c, settings](const char* name, const Text& caption,
                                            void (SettingsStore::*toggle)()) {
        QAction* a = addMenuEntry(this, name, c->text(caption));
        a->setCheckable(true);
        connect(a, &QAction::triggered, settings, toggle);
        return a;
    };
    m_mnuBack = option("mnuBack", Captions::MenuBack, &SettingsStore::toggleBackToRecord);
    m_mnuTicket = option("mnuTicket", Captions::MenuTicket, &SettingsStore::toggleTickets);
    m_mnuDouble = option("mnuDouble", Captions::MenuDouble, &SettingsStore::toggleDouble);
    addSeparator();
    TicketPrinter* tickets = &c->tickets();
    connect(addMenuEntry(this, "mnuWhereTicket", c->text(Captions::MenuWhereTicket)), &QAction::triggered,
            tickets, &TicketPrinter::mnuWhereTicket_Click);
    m_mnuReprint = addMenuEntry(this, "mnuReprint", c->text(Captions::MenuReprint));
    connect(m_mnuReprint, &QAction::triggered, tickets, &TicketPrinter::mnuReprint_Click);
    connect(settings, &SettingsStore::changed, this, &NotesMenu::render);
    connect(tickets, &TicketPrinter::changed, this, &NotesMenu::render);
    connect(adjustments, &Adjustments::menusChanged, this, &NotesMenu::render);
    connect(c, &Counter::loaded, this, &NotesMenu::render);
}

void NotesMenu::render() {
    const Settings& s = m_counter.settings().values();
    m_mnuBack->setChecked(s.backToRecord);
    m_mnuTicket->setChecked(s.printTickets);
    m_mnuDouble->setChecked(s.doubleTicket);
    m_mnuReprint->setEnabled(m_counter.tickets().reprintAvailable());
    const Adjustments& adjustments = m_counter.adjustments();
    m_mnuDel->setVisible(adjustments.cancelEntryVisible());
    // The entry names the chosen line: a long one is cut short, so the menu keeps a menu's width.
    // An "&" of the line is shown as written; the entry's own mnemonic is its first letter.
    QString caption = ShownText::capped(adjustments.cancelEntryCaption(), kEntryChars);
    m_mnuDel->setText(u'&' + caption.replace(u'&', QStringLiteral("&&")));
}
