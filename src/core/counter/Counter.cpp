#include "Counter.h"

#include "core/base/Boxes.h"
#include "core/base/GuardedRead.h"
#include "core/base/Numbers.h"
#include "core/help/HelpTips.h"
#include "core/items/ItemActions.h"
#include "core/items/ItemList.h"
#include "core/items/ItemSearch.h"
#include "core/items/ItemTexts.h"
#include "core/items/ListEditor.h"
#include "core/note/Adjustments.h"
#include "core/note/Amounts.h"
#include "core/note/EntryFields.h"
#include "core/note/NoteLines.h"
#include "core/note/NoteTabs.h"
#include "core/note/NoteTexts.h"
#include "core/note/Notes.h"
#include "core/note/SideNotes.h"
#include "core/printing/Documents.h"
#include "core/printing/PrintTexts.h"
#include "core/printing/ReportPrinter.h"
#include "core/printing/TicketPrinter.h"
#include "core/register/CardPayments.h"
#include "core/register/CashCount.h"
#include "core/register/CashMovements.h"
#include "core/register/RegisterBook.h"
#include "core/register/RegisterCut.h"
#include "core/register/RegisterLines.h"
#include "core/shop/AppTexts.h"
#include "core/shop/Currency.h"
#include "core/shop/SettingsStore.h"
#include "core/shop/ShopInfo.h"

#include <QDir>
#include <QStandardPaths>
#include <QTimer>

#include <utility>

Counter::Counter(const QString& dataDir, const Language& language, const QString& userKey, Ports ports,
                 QObject* parent)
    : QObject(parent), m_dataDir(dataDir), m_language(language), m_userKey(userKey), m_clock(ports.clock) {
    m_boxes = std::make_unique<Boxes>(ports.dialogs);
    Boxes& boxes = *m_boxes;
    m_settings = std::make_unique<SettingsStore>(dataDir, userKey, language, ports.clock, boxes);
    m_currency = std::make_unique<Currency>(language, boxes);
    m_notes = std::make_unique<Notes>();
    m_sideNotes = std::make_unique<SideNotes>(dataDir, language, *m_notes, boxes);
    m_items = std::make_unique<ItemList>();
    m_shop = std::make_unique<ShopInfo>();
    Notes& notes = *m_notes;
    m_fields = std::make_unique<EntryFields>(language, notes, boxes);
    m_amounts = std::make_unique<Amounts>(language, notes, *m_currency, *m_settings, boxes);
    m_adjustments = std::make_unique<Adjustments>(language, notes, *m_currency, boxes);
    m_tabs = std::make_unique<NoteTabs>(language, notes);
    m_search = std::make_unique<ItemSearch>(language, *m_items, *m_currency, *m_settings, boxes, ports.shell);
    m_itemActions =
        std::make_unique<ItemActions>(dataDir, userKey, language, *m_items, *m_currency, *m_settings, boxes);
    m_editor = std::make_unique<ListEditor>(language, *m_items, *m_currency, boxes, ports.shell);
    m_book = std::make_unique<RegisterBook>(dataDir, language, ports.clock, notes, *m_currency, *m_settings,
                                            boxes);
    m_movements = std::make_unique<CashMovements>(language, notes, *m_currency, boxes);
    m_cards = std::make_unique<CardPayments>(language, notes, *m_currency, boxes);
    m_cut =
        std::make_unique<RegisterCut>(dataDir, language, ports.clock, notes, *m_currency, *m_settings, boxes);
    m_help = std::make_unique<HelpTips>(dataDir, language, ports.shell, boxes);
    m_tickets =
        std::make_unique<TicketPrinter>(language, ports.printer, ports.clock, *m_shop, *m_settings, boxes);
    m_reports = std::make_unique<ReportPrinter>(language, userKey, ports.printer, ports.clock, *m_shop, notes,
                                                *m_currency, *m_settings, boxes);
    for (int n = 0; n < Notes::kNotes; ++n)
        notes[n].fields = m_fields->blank();
    wire();
}

Counter::~Counter() = default;

// What one area needs from another. Panels follow each area's own signals.
void Counter::wire() {
    connect(m_amounts.get(), &Amounts::cashFocusWanted, this, [this] { requestFocus(Focus::Cash); });
    connect(m_amounts.get(), &Amounts::saveWanted, this, &Counter::eSaveNote);

    connect(m_adjustments.get(), &Adjustments::totalChanged, this, &Counter::showTotal);
    connect(m_adjustments.get(), &Adjustments::linesRemoved, this, &Counter::eCheckTabs);
    connect(m_adjustments.get(), &Adjustments::tabCaptionWanted, m_tabs.get(), &NoteTabs::setCaption);

    connect(m_tabs.get(), &NoteTabs::captionChanged, m_adjustments.get(), &Adjustments::eClickMenu);
    connect(m_tabs.get(), &NoteTabs::frontWanted, this, &Counter::eClickOnTabs);

    connect(m_search.get(), &ItemSearch::finderFocusWanted, this, [this] { requestFocus(Focus::Finder); });
    connect(m_search.get(), &ItemSearch::itemPicked, m_fields.get(), &EntryFields::putItem);
    connect(m_search.get(), &ItemSearch::itemCleared, m_fields.get(), &EntryFields::clearItem);
    connect(m_search.get(), &ItemSearch::addWanted, this, &Counter::ePreFactura);
    connect(m_search.get(), &ItemSearch::syntaxWanted, m_itemActions.get(), &ItemActions::showSyntaxMessage);

    connect(m_itemActions.get(), &ItemActions::listRead, this, [this] {
        m_search->listChanged();
        eWhatMoney();
    });
    connect(m_itemActions.get(), &ItemActions::listReplaced, m_search.get(), &ItemSearch::listChanged);
}

QString Counter::nowTime() const {
    return m_clock.now().time().toString(QStringLiteral("HH:mm"));
}

// ---------------------------------------------------------------------------------------------------
// Lifecycle

void Counter::load() {
    m_currency->reset();
    for (int n = 0; n < Notes::kNotes; ++n) {
        Note& x = (*m_notes)[n];
        x.total = 0.0;
        x.cash = x.change = 0.0;
        x.used = false;
        x.step = SaleStep::Nothing;
    }
    m_notes->setCurrent(0);
    m_fields->setNoneText(text(NoteTexts::NoneText));
    m_book->startDay();

    m_settings->read();
    m_items->setSeeStock(m_settings->values().seeStock);
    m_settings->save();
    if (m_book->eOpenReg()) eCheckTabs();
    m_itemActions->eOpenList();
    eOpenLogo();
    // The sales left open on the side tabs by the last run come back with their totals.
    if (m_sideNotes->restore(m_currency->symbol())) {
        eCheckTabs();
        for (int n = 1; n < Notes::kNotes; ++n)
            if (m_notes->at(n).used)
                m_tabs->showTotal(n, m_currency->symbol(), Numbers::amountText(m_notes->at(n).total));
    }

    m_notes->startSaleAfterLast();
    if (!m_settings->values().backToRecord) lblTask_Click(1);
    eCheckCanCut();
    Q_EMIT loaded();
}

bool Counter::mayClose() {
    for (int n = 0; n < Notes::kNotes; ++n)
        if (m_notes->at(n).used) return m_boxes->ask(text(NoteTexts::CloseWithOpenSale));
    return true;
}

bool Counter::unload() {
    eCheckDay();
    m_book->cancelOpenSale(nowTime());
    // A day that cannot be saved is never left behind silently: try again, or a rescue copy.
    const bool kept = eSaveNote() || m_book->keepAtClose(
                                         QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    m_itemActions->saveIfRead();
    m_settings->saveIfUnsaved();
    return kept;
}

void Counter::startTimers() {
    if (!m_attTimer) {
        m_attTimer = new QTimer(this);
        m_attTimer->setInterval(500);
        connect(m_attTimer, &QTimer::timeout, m_fields.get(), &EntryFields::remindPrice);
    }
    if (!m_nightTimer) {
        m_nightTimer = new QTimer(this);
        m_nightTimer->setInterval(500);
        connect(m_nightTimer, &QTimer::timeout, this, &Counter::tmrNight_Timer);
    }
    m_attTimer->start();
    m_nightTimer->start();
}

void Counter::eOpenLogo() {
    const auto file =
        GuardedRead::read(QDir(m_dataDir).filePath(QStringLiteral("VL Info.txt")), m_language, *m_boxes);
    *m_shop = ShopInfo::read(file.ok() ? std::optional(file.lines) : std::nullopt, m_language);
    Q_EMIT shopChanged();
}

// The list was read: the currency follows the register or the list, every note's fields go back to
// their defaults.
void Counter::eWhatMoney() {
    m_currency->pick(m_notes->record(), m_items->lines());
    m_amounts->setChangeMoney(m_currency->symbol());
    for (int n = 0; n < Notes::kNotes; ++n)
        (*m_notes)[n].fields = m_fields->blank();
    m_fields->show(m_notes->front().fields);
}

// ---------------------------------------------------------------------------------------------------
// Settings and the currency

void Counter::mMoneda_Click(int index) {
    if (m_currency->choose(index, !m_notes->record().isEmpty(), m_notes->front().used))
        m_amounts->setChangeMoney(m_currency->symbol());
}

void Counter::mnuSeeStock_Click() {
    m_settings->toggleSeeStock();
    m_items->setSeeStock(m_settings->values().seeStock);
    m_search->txtFinder_Change(m_search->finderText());
    m_settings->save();
}

void Counter::mnuHangCash_Click() {
    m_settings->askCashLimit(m_currency->symbol());
    eCheckSum();
}

// ---------------------------------------------------------------------------------------------------
// Adding an item

bool Counter::editingRegister() const {
    return m_editor->visible() && !m_editor->editingList();
}

void Counter::ePreFactura() {
    if (editingRegister()) {
        m_boxes->say(text(NoteTexts::EditingRefusal), Dialogs::Icon::Information);
        return;
    }
    if (m_fields->confirmAdd()) ActFactura();
}

void Counter::ActFactura() {
    const int n = m_notes->current();
    Note& x = (*m_notes)[n];
    x.used = true;
    const NoteLines::Added added = m_fields->take(m_currency->symbol());
    x.total += added.amount;
    m_notes->appendLine(n, added.line);
    m_fields->afterAdd();
    m_notes->selectLast(n);
    eCheckTabs();
    showTotal(n);
    x.step = SaleStep::LinesInNote;
}

void Counter::lstItem_DblClick(int row) {
    if (m_search->holdsItem(row))
        ePreFactura();
    else
        m_itemActions->showSyntaxMessage();
}

void Counter::scanBarcode(const QString& code) {
    if (!m_search->scanBarcode(code)) return;
    m_fields->focusOut(EntryFields::Quantity); // an empty quantity or 0 counts 1, as on leaving the field
    ePreFactura();
}

void Counter::showTotal(int n) {
    m_notes->selectLast(n);
    eCheckTabs();
    m_tabs->showTotal(n, m_currency->symbol(), m_amounts->showTotal(m_notes->at(n)));
}

// ---------------------------------------------------------------------------------------------------
// Closing and cancelling a sale

void Counter::eFinal() {
    eCheckDay();
    const int n = m_notes->current();
    const Note& x = m_notes->at(n);
    if (!x.used || !x.cashEnough) return;
    if (n > 0 && m_notes->at(0).used) {
        m_boxes->say(text(NoteTexts::CompleteRecordFirst), Dialogs::Icon::Information);
        return;
    }
    closeSale(n, false);
}

// Paid by card, the note closes like a cash sale with a card line in place of its total.
void Counter::eUsingCard() {
    eCheckDay();
    if (!m_amounts->menuVisible() || !m_cards->mayPay()) return;
    closeSale(m_notes->current(), true);
}

// A sale is complete, in memory and on disk (its closing line saved, its note cleared, the next sale's
// start moved), before its ticket starts: while a ticket prints, the counter holds the next sale only.
void Counter::closeSale(int n, bool byCard) {
    m_stockOwed.append(m_notes->saleLines(n));
    TicketSale ticket;
    ticket.timeText = nowTime();
    ticket.symbol = m_currency->symbol();
    ticket.paidByCard = byCard;
    if (!byCard) {
        ticket.cashText = m_amounts->cashTicketText();
        ticket.changeText = m_amounts->changeTicketText();
        m_notes->closeSale(n, RegisterLines::saleTotal(ticket.timeText, ticket.symbol, m_notes->at(n).total));
    } else {
        m_cards->closeByCard(n, ticket.timeText);
    }
    ticket.itemText = NoteLines::ticketText(m_notes->record(), m_notes->saleStart());
    ticket.totalLine = m_notes->record().last();
    if (n > 0) releaseNote(n);
    // On disk with its closing line before the stock moves and before any ticket stands for it.
    eSaveNote();
    clearOperation(n, true);
    settleOperation(n);
    eAddtoBuy(ticket);
    if (!byCard) m_ticketAsked = true;
}

void Counter::eAddtoBuy(const TicketSale& sale) {
    // Every closed sale's ticket can be printed again later, whether or not it prints now.
    m_tickets->remember(sale);
    if (m_settings->ticketWanted(m_ticketAsked)) m_tickets->eOpenListTicket(sale);
}

void Counter::eDelBox() {
    eCheckDay();
    const int n = m_notes->current();
    if (m_notes->at(n).used) {
        m_notes->appendLine(n, RegisterLines::cancelled(nowTime(), m_language));
        m_notes->selectLast(n);
    }
    clearOperation(n);
    if (n > 0) releaseNote(n);
    settleOperation(n);
}

void Counter::clearOperation(int n, bool registerSaved) {
    m_fields->show(m_fields->blank());
    // The search is emptied and the whole list shown again; the entry fields keep their defaults.
    m_search->clear();
    m_amounts->clear();
    m_notes->reset(n, m_fields->blank());
    // A sale saved its register before its ticket; clearing the note changes no register line.
    if (!registerSaved) eSaveNote();
}

void Counter::settleOperation(int n, bool refocus) {
    m_notes->selectLast(n);
    eCheckTabs();
    // The next sale starts after the record's last line, unless a sale is still open in the record
    // note (a side note closed or cancelled meanwhile): its lines stay the record's open sale.
    if (n == 0 || !m_notes->at(0).used) m_notes->startSaleAfterLast();
    eCheckCanCut();
    if (refocus) requestFocus(m_items->shownCount() > 0 ? Focus::ItemList : Focus::Description);
}

void Counter::releaseNote(int n) {
    m_notes->release(n);
    m_tabs->close(n);
    if (m_settings->values().backToRecord) eBacktoIndex();
}

// ---------------------------------------------------------------------------------------------------
// Tabs and notes

void Counter::lblTask_Click(int index) {
    if (index < 0 || index >= Notes::kNotes) return;
    m_notes->setCurrent(index);
    eClickOnTabs(index);
}

void Counter::eBacktoIndex() {
    m_notes->setCurrent(0);
    eClickOnTabs(0);
}

void Counter::lstNote_Click(int row) {
    m_notes->select(m_notes->current(), row);
    m_adjustments->eClickMenu();
}

void Counter::eCheckTabs() {
    m_tabs->eCheckTabs();
}

void Counter::eClickOnTabs(int which) {
    Q_UNUSED(which); // the note in front already is `which`
    const int n = m_notes->current();
    m_notes->selectLast(n);
    if (m_searchAfterSwitch)
        m_search->lblFinder_Click();
    else
        requestFocus(Focus::Note);
    const auto saved = m_notes->at(n).fields;
    m_fields->show(saved);
    m_amounts->showNote(m_notes->at(n));
    eCheckTabs();
    eCheckCanCut();
    m_adjustments->eClickMenu();
}

// ---------------------------------------------------------------------------------------------------
// The editor

void Counter::eNoteToEdit() {
    if (editingRegister()) return;
    if (m_notes->front().used) {
        m_boxes->say(text(AppTexts::CancelCurrentFirst), Dialogs::Icon::Information);
        return;
    }
    // The day's closed sales change only for whoever holds the user key, when the shop has one.
    if (!m_userKey.isEmpty() &&
        !m_boxes->grantedByKey(text(PrintTexts::ShopKeyPrompt), m_userKey, text(ItemTexts::KeyIncorrect)))
        return;
    if (!m_editWarned) {
        m_boxes->say(text(NoteTexts::EditWarning), Dialogs::Icon::Information);
        m_editWarned = true;
    }
    eEdit(EditTarget::Register);
}

void Counter::eItemToEdit() {
    if (m_editor->visible() && m_editor->editingList()) return;
    m_editor->remindFormat();
    eEdit(EditTarget::ItemList);
}

void Counter::eEdit(EditTarget target) {
    const bool list = target == EditTarget::ItemList;
    m_editor->eEdit(list ? 1 : 0, list ? m_items->lines() : m_notes->record());
    eCheckCanCut();
    m_editor->startSlide(true);
}

void Counter::tmrAni_Timer() {
    if (m_editor->tmrAni_Timer()) eCloseEdit();
}

void Counter::eCloseEdit() {
    m_editor->eCloseEdit();
    requestFocus(Focus::ItemList);
    eCheckCanCut();
}

void Counter::eSaveNotetoList(const QString& edited) {
    QStringList lines = ListEditor::splitLines(edited);
    if (m_editor->editingList()) {
        m_editor->storeList(lines);
        m_search->clear();
        m_search->listChanged();
        m_itemActions->eSaveList();
        return;
    }
    m_notes->setRecord(std::move(lines));
    settleOperation(0, false);
    eSaveNote();
}

void Counter::saveByKey(const QString& edited) {
    eSaveNotetoList(edited);
    m_editor->saySaved();
}

// ---------------------------------------------------------------------------------------------------
// Help (the day register's commands are in CounterRegister.cpp)

void Counter::eTip() {
    if (m_help->eTip(m_editor->visible(), m_notes->front().step)) requestFocus(Focus::Cash);
}
