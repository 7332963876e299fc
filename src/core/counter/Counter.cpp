#include "Counter.h"

#include "core/base/GuardedRead.h"
#include "core/base/Numbers.h"
#include "core/base/TextFile.h"
#include "core/note/NoteLines.h"
#include "core/note/NoteTexts.h"
#include "core/printing/Documents.h"
#include "core/register/RegisterLines.h"
#include "core/shop/AppTexts.h"

#include <QDir>
#include <QTimer>

Counter::Counter(const QString& dataDir, const Language& language, const QString& userKey, Ports ports,
                 QObject* parent)
    : QObject(parent), m_dataDir(dataDir), m_language(language), m_userKey(userKey), m_clock(ports.clock),
      m_printer(ports.printer), m_boxes(ports.dialogs),
      m_settings(dataDir, userKey, language, ports.clock, m_boxes), m_currency(language, m_boxes),
      m_fields(language, m_notes, m_boxes), m_amounts(language, m_notes, m_currency, m_settings, m_boxes),
      m_adjustments(language, m_notes, m_currency, m_boxes), m_tabs(language, m_notes),
      m_search(language, m_items, m_currency, m_settings, m_boxes, ports.shell),
      m_itemActions(dataDir, userKey, language, m_items, m_currency, m_settings, m_boxes),
      m_editor(language, m_items, m_currency, m_boxes, ports.shell),
      m_book(dataDir, language, ports.clock, m_notes, m_currency, m_settings, m_boxes),
      m_movements(language, m_notes, m_currency, m_boxes), m_cards(language, m_notes, m_currency, m_boxes),
      m_cut(dataDir, language, ports.clock, m_notes, m_currency, m_settings, m_boxes),
      m_help(dataDir, language, ports.shell, m_boxes),
      m_tickets(language, ports.printer, ports.clock, m_shop, m_settings, m_boxes),
      m_reports(language, ports.printer, ports.clock, m_shop, m_notes, m_currency, m_settings, m_boxes) {
    for (int n = 0; n < kNotes; ++n)
        m_notes[n].fields = m_fields.blank();
    wire();
}

Counter::~Counter() = default;

// What one area announces or needs from another goes through here.
void Counter::wire() {
    connect(&m_notes, &Notes::changed, this, &Counter::noteChanged);
    connect(&m_notes, &Notes::selectionChanged, this, &Counter::noteSelectionChanged);
    connect(&m_settings, &SettingsStore::changed, this, &Counter::menusChanged);
    connect(&m_tickets, &TicketPrinter::changed, this, &Counter::menusChanged);

    connect(&m_fields, &EntryFields::changed, this, &Counter::fieldsChanged);
    connect(&m_fields, &EntryFields::priceTitleChanged, this, &Counter::priceTitleChanged);

    connect(&m_amounts, &Amounts::changed, this, &Counter::amountsChanged);
    connect(&m_amounts, &Amounts::menusChanged, this, &Counter::menusChanged);
    connect(&m_amounts, &Amounts::cashFocusWanted, this, [this] { Q_EMIT focusRequested(Focus::Cash); });
    connect(&m_amounts, &Amounts::saveWanted, this, &Counter::eSaveNote);

    connect(&m_adjustments, &Adjustments::totalChanged, this, &Counter::showTotal);
    connect(&m_adjustments, &Adjustments::linesRemoved, this, &Counter::eCheckTabs);
    connect(&m_adjustments, &Adjustments::tabCaptionWanted, &m_tabs, &NoteTabs::setCaption);
    connect(&m_adjustments, &Adjustments::menusChanged, this, &Counter::menusChanged);

    connect(&m_tabs, &NoteTabs::changed, this, &Counter::tabsChanged);
    connect(&m_tabs, &NoteTabs::captionChanged, this, &Counter::eClickMenu);
    connect(&m_tabs, &NoteTabs::frontWanted, this, &Counter::eClickOnTabs);

    connect(&m_search, &ItemSearch::finderChanged, this, &Counter::finderChanged);
    connect(&m_search, &ItemSearch::itemsChanged, this, &Counter::itemsChanged);
    connect(&m_search, &ItemSearch::selectionChanged, this, &Counter::itemSelectionChanged);
    connect(&m_search, &ItemSearch::finderFocusWanted, this,
            [this] { Q_EMIT focusRequested(Focus::Finder); });
    connect(&m_search, &ItemSearch::lookupModeChanged, this, &Counter::lookupModeChanged);
    connect(&m_search, &ItemSearch::itemPicked, &m_fields, &EntryFields::putItem);
    connect(&m_search, &ItemSearch::itemCleared, &m_fields, &EntryFields::clearItem);
    connect(&m_search, &ItemSearch::addWanted, this, &Counter::ePreFactura);

    connect(&m_itemActions, &ItemActions::listRead, this, [this] {
        m_search.unselect();
        eWhatMoney();
        Q_EMIT itemsChanged();
    });
    connect(&m_itemActions, &ItemActions::listReplaced, this, [this] {
        m_search.unselect();
        Q_EMIT itemsChanged();
    });
    connect(&m_itemActions, &ItemActions::linesChanged, this, &Counter::itemLinesChanged);

    connect(&m_book, &RegisterBook::menusChanged, this, &Counter::menusChanged);
    connect(&m_cut, &RegisterCut::menusChanged, this, &Counter::menusChanged);
}

QString Counter::nowTime() const {
    return m_clock.now().time().toString(QStringLiteral("HH:mm"));
}

// ---------------------------------------------------------------------------------------------------
// Lifecycle

void Counter::load() {
    m_currency.reset();
    for (int n = 0; n < kNotes; ++n) {
        Note& x = m_notes[n];
        x.total = 0.0;
        x.cash = x.change = 0.0;
        x.used = false;
        x.step = 1;
    }
    m_notes.setCurrent(0);
    m_fields.setNoneText(text(NoteTexts::NoneText));
    m_book.startDay();

    m_settings.read();
    m_items.setSeeStock(settings().seeStock);
    m_settings.save();
    if (m_book.eOpenReg()) eCheckTabs();
    m_itemActions.eOpenList();
    eOpenLogo();

    m_notes.startSaleAfterLast();
    if (!settings().backToRecord) lblTask_Click(1);
    eCheckCanCut();
    Q_EMIT menusChanged();
}

void Counter::unload() {
    eCheckDay();
    m_book.cancelOpenSale(nowTime());
    eSaveNote();
    m_itemActions.saveIfRead();
    m_settings.saveIfUnsaved();
}

void Counter::startTimers() {
    if (!m_attTimer) {
        m_attTimer = new QTimer(this);
        m_attTimer->setInterval(500);
        connect(m_attTimer, &QTimer::timeout, this, &Counter::tmrAtt_Timer);
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
        GuardedRead::read(QDir(m_dataDir).filePath(QStringLiteral("VL Info.txt")), m_language, m_boxes);
    m_shop = ShopInfo::read(file.ok() ? std::optional(file.lines) : std::nullopt, m_language);
    Q_EMIT shopChanged();
}

// The list was read: the currency follows the register or the list, every note's fields go back to
// their defaults.
void Counter::eWhatMoney() {
    m_currency.pick(noteLines(0), m_items.lines());
    m_amounts.setChangeMoney(symbol());
    for (int n = 0; n < kNotes; ++n)
        m_notes[n].fields = m_fields.blank();
    m_fields.show(front().fields);
}

// ---------------------------------------------------------------------------------------------------
// Settings and the currency

void Counter::mnuSeeStock_Click() {
    m_settings.toggleSeeStock();
    m_items.setSeeStock(settings().seeStock);
    txtFinder_Change(finderText());
    m_settings.save();
}

bool Counter::askAmount(const Text& question, double& value) {
    const auto answer = m_boxes.askUntil(text(question) + u' ' + symbol(), Amounts::acceptableAmount);
    if (!answer) return false;
    value = Numbers::amount(*answer);
    return true;
}

void Counter::mnuBigCash_Click() {
    double value = 0;
    if (!askAmount(NoteTexts::HighestValuePrompt, value)) return;
    m_settings.settings().topNote = value;
    m_settings.save();
}

void Counter::mnuHangCash_Click() {
    double value = 0;
    if (askAmount(NoteTexts::WarnWhenPrompt, value)) {
        m_settings.settings().cashLimit = value;
        m_settings.save();
    }
    eCheckSum();
}

// ---------------------------------------------------------------------------------------------------
// Adding an item

void Counter::ePreFactura() {
    if (editorVisible() && !editingList()) {
        m_boxes.say(text(NoteTexts::EditingRefusal), Dialogs::Icon::Information);
        return;
    }
    if (m_fields.confirmAdd()) ActFactura();
}

void Counter::ActFactura() {
    const int n = currentNote();
    Note& x = m_notes[n];
    x.used = true;
    const NoteLines::Added added = m_fields.take(symbol());
    x.total += added.amount;
    m_notes.appendLine(n, added.line);
    m_fields.afterAdd();
    m_notes.selectLast(n);
    eCheckTabs();
    showTotal(n);
    x.step = 3;
}

void Counter::lstItem_DblClick(int row) {
    if (m_search.holdsItem(row))
        ePreFactura();
    else
        showSyntaxMessage();
}

void Counter::showTotal(int n) {
    m_notes.selectLast(n);
    eCheckTabs();
    m_tabs.showTotal(n, symbol(), m_amounts.showTotal(m_notes.at(n)));
}

// ---------------------------------------------------------------------------------------------------
// Closing and cancelling a sale

void Counter::eFinal() {
    eCheckDay();
    const int n = currentNote();
    Note& x = m_notes[n];
    if (!x.used || !x.cashEnough) return;
    if (n > 0 && noteUsed(0)) {
        m_boxes.say(text(NoteTexts::CompleteRecordFirst), Dialogs::Icon::Information);
        return;
    }
    m_cashTicketText = m_amounts.cashTicketText();
    m_changeTicketText = m_amounts.changeTicketText();
    const QStringList sale = m_notes.saleLines(n);
    m_timeText = nowTime();
    m_notes.closeSale(n, RegisterLines::saleTotal(m_timeText, symbol(), x.total));
    if (n > 0) releaseNote(n);
    m_paidByCard = false;
    // The sale is on disk with its closing line before the stock moves and before any ticket stands
    // for it: a crash in between never leaves the stock lowered for a sale that no total counts.
    eSaveNote();
    m_itemActions.eMoveProduct(sale);
    eAddtoBuy();
    m_ticketAsked = true;
    clearOperation(n, true);
    settleOperation(n);
}

void Counter::eAddtoBuy() {
    m_ticketText.clear();
    if (!m_settings.ticketWanted(m_ticketAsked)) return;
    m_ticketText = NoteLines::ticketText(noteLines(0), saleStart());
    eOpenListTicket();
}

void Counter::eOpenListTicket() {
    const QStringList& record = noteLines(0);
    m_tickets.eOpenListTicket({m_ticketText, record.isEmpty() ? QString() : record.last(), m_cashTicketText,
                               m_changeTicketText, m_timeText, symbol(), m_paidByCard});
}

void Counter::eDelBox() {
    eCheckDay();
    const int n = currentNote();
    m_timeText = nowTime();
    if (noteUsed(n)) {
        m_notes.appendLine(n, RegisterLines::cancelled(m_timeText, m_language));
        m_notes.selectLast(n);
    }
    clearOperation(n);
    if (n > 0) releaseNote(n);
    settleOperation(n);
}

void Counter::clearOperation(int n, bool registerSaved) {
    m_fields.show(m_fields.blank());
    // The search is emptied and the whole list shown again; the entry fields keep their defaults.
    m_search.clear();
    m_amounts.clear();
    m_notes.reset(n, m_fields.blank());
    // A sale saved its register before its ticket; clearing the note changes no register line.
    if (!registerSaved) eSaveNote();
}

void Counter::settleOperation(int n, bool refocus) {
    m_notes.selectLast(n);
    eCheckTabs();
    m_notes.startSaleAfterLast();
    eCheckCanCut();
    if (refocus) Q_EMIT focusRequested(m_items.shownCount() > 0 ? Focus::ItemList : Focus::Description);
}

void Counter::releaseNote(int n) {
    m_notes.release(n);
    m_tabs.close(n);
    if (settings().backToRecord) eBacktoIndex();
}

// Paid by card, the note closes like a cash sale with a card line in place of its total.
void Counter::eUsingCard() {
    eCheckDay();
    const int n = currentNote();
    if (!m_cards.mayPay()) return;
    const QStringList sale = m_notes.saleLines(n);
    m_timeText = nowTime();
    m_cards.closeByCard(n, m_timeText);
    if (n > 0) releaseNote(n);
    m_paidByCard = true;
    // As a cash sale: on disk with its card line before the stock moves.
    eSaveNote();
    m_itemActions.eMoveProduct(sale);
    eAddtoBuy();
    clearOperation(n, true);
    settleOperation(n);
}

// ---------------------------------------------------------------------------------------------------
// Tabs and notes

void Counter::lblTask_Click(int index) {
    if (index < 0 || index >= kNotes) return;
    m_notes.setCurrent(index);
    eClickOnTabs(index);
}

void Counter::eClickOnTabs(int which) {
    const int n = currentNote();
    Q_EMIT currentNoteChanged(which);
    m_notes.selectLast(n);
    if (m_lastFocus == 5)
        lblFinder_Click();
    else
        Q_EMIT focusRequested(Focus::Note);
    const auto saved = m_notes.at(n).fields;
    m_fields.show(saved);
    m_amounts.showNote(m_notes.at(n));
    eCheckTabs();
    eCheckCanCut();
    eClickMenu();
}

void Counter::eNoteToEdit() {
    if (front().used) {
        m_boxes.say(text(AppTexts::CancelCurrentFirst), Dialogs::Icon::Information);
        return;
    }
    if (!m_editWarned) {
        m_boxes.say(text(NoteTexts::EditWarning), Dialogs::Icon::Information);
        m_editWarned = true;
    }
    eEdit(0);
}

void Counter::eEdit(int index) {
    m_editor.eEdit(index, index == 1 ? m_items.lines() : noteLines(0));
    eCheckCanCut();
    m_editor.startSlide(true);
}

void Counter::eCloseEdit() {
    m_editor.eCloseEdit();
    Q_EMIT focusRequested(Focus::ItemList);
    eCheckCanCut();
}

void Counter::eSaveNotetoList(const QString& edited) {
    const QStringList lines = ListEditor::splitLines(edited);
    if (editingList()) {
        m_editor.storeList(lines);
        m_search.clear();
        m_search.unselect();
        Q_EMIT itemsChanged();
        m_itemActions.eSaveList();
        return;
    }
    m_notes.record() = lines;
    Q_EMIT noteChanged(0);
    settleOperation(0, false);
    eSaveNote();
}

// ---------------------------------------------------------------------------------------------------
// The day register

void Counter::eFinalDay() {
    m_book.turnDay();
    m_notes.selectLast(currentNote());
    eCheckTabs();
    eCheckCanCut();
}

void Counter::bookMovement(CashMovements::Kind kind) {
    eCheckDay();
    if (!m_movements.mayBook(editorVisible() && !editingList())) return;
    if (const auto line = m_movements.book(kind, nowTime())) settleBooking(*line);
}

void Counter::eCreditCard() {
    eCheckDay();
    if (!m_movements.mayBook(editorVisible() && !editingList())) return;
    if (const auto entry = m_cards.eCreditCard(nowTime())) settleBooking(entry->line, entry->booked);
}

void Counter::settleBooking(const QString& line, bool booked) {
    if (booked) {
        settleOperation(0);
        eSaveNote();
    }
    ePrintQuiz(Documents::movementNotice(m_shop.remark, int(ticketNumber()), line, m_language));
}

void Counter::mnuPrintCut_Click() {
    if (!m_cut.splitOff()) return;
    ePrintHistory();
    m_book.eOpenReg();
    settleOperation(currentNote());
}

// ---------------------------------------------------------------------------------------------------
// Help

void Counter::eTip() {
    if (m_help.eTip(editorVisible(), front().step)) Q_EMIT focusRequested(Focus::Cash);
}
