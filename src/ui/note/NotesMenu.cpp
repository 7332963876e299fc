#include "NotesMenu.h"

#include "core/counter/Counter.h"
#include "core/history/PastTicket.h"
#include "core/history/SalesDay.h"
#include "core/note/Adjustments.h"
#include "core/note/Notes.h"
#include "core/printing/TicketPrinter.h"
#include "core/register/RegisterBook.h"
#include "core/shop/Currency.h"
#include "core/shop/SettingsStore.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"
#include "ui/widgets/ShownText.h"

namespace {
constexpr qsizetype kEntryChars = 80;

// The closed sale of the line chosen in the record note, when the record note is in front.
std::optional<SalesDay::PastSale> chosenSale(const Counter& c) {
    const Notes& notes = c.notes();
    if (notes.current() != 0) return std::nullopt;
    return SalesDay::saleAt(notes.record(), notes.at(0).selected, c.currency().symbol(), c.language());
}
} // namespace

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
    m_mnuReprintSale = addMenuEntry(this, "mnuReprintSale", c->text(Captions::MenuReprintSale));
    connect(m_mnuReprintSale, &QAction::triggered, this, &NotesMenu::reprintChosenSale);
    // Offered on a closed sale's line only, found as the menu opens.
    connect(this, &QMenu::aboutToShow, this,
            [this] { m_mnuReprintSale->setVisible(chosenSale(m_counter).has_value()); });
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

void NotesMenu::reprintChosenSale() {
    if (const std::optional<SalesDay::PastSale> sale = chosenSale(m_counter))
        m_counter.tickets().reprint(PastTicket::saleOf(*sale), m_counter.book().registerDate());
}
