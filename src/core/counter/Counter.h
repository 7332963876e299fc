#pragma once

#include "core/base/Boxes.h"
#include "core/base/Language.h"
#include "core/base/Ports.h"
#include "core/items/ItemActions.h"
#include "core/items/ItemList.h"
#include "core/items/ItemSearch.h"
#include "core/items/ListEditor.h"
#include "core/note/Adjustments.h"
#include "core/note/Amounts.h"
#include "core/note/EntryFields.h"
#include "core/note/NoteTabs.h"
#include "core/note/Notes.h"
#include "core/printing/ReportPrinter.h"
#include "core/printing/TicketPrinter.h"
#include "core/register/CardPayments.h"
#include "core/register/CashMovements.h"
#include "core/register/RegisterBook.h"
#include "core/register/RegisterCut.h"
#include "core/shop/Config.h"
#include "core/shop/Currency.h"
#include "core/shop/HelpTips.h"
#include "core/shop/SettingsStore.h"
#include "core/shop/ShopInfo.h"
#include "core/shop/ThemePalette.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QTimer;

// The counter: the main window's whole state and its named procedures, without a widget. It owns one
// collaborator per area (entry fields, amounts, adjustments, tabs, item search, item list actions, the
// day register, help) over the shared state (boxes, settings, currency, notes, the item list), keeps
// every named procedure callable, and holds the sequences that cross areas. The window forwards what
// the cashier does to the methods below and shows what the signals announce.
class Counter : public QObject {
    Q_OBJECT

public:
    static constexpr int kNotes = Notes::kNotes;
    enum Field {
        Quantity = EntryFields::Quantity,
        Description = EntryFields::Description,
        Discount = EntryFields::Discount,
        Price = EntryFields::Price
    };
    // Where a procedure puts the keyboard focus.
    enum class Focus { Quantity, Description, Discount, Price, Cash, Note, ItemList, Finder };
    Q_ENUM(Focus)

    using Ports = ::Ports;

    Counter(const QString& dataDir, const Language& language, const QString& userKey, Ports ports,
            QObject* parent = nullptr);
    ~Counter() override;

    // ---- Lifecycle ----
    // The main window's load: settings, the day register, the item list, the shop's information,
    // in this order; then the start tab.
    void load();
    // The main window's close: an unfinished sale in the record note is cancelled, the register and
    // the item list are saved.
    void unload();
    // Starts the half-second timers (price reminder, change of day).
    void startTimers();

    // ---- What the window shows ----
    const Language& language() const { return m_language; }
    QString text(const Text& pair) const { return m_language(pair); }
    const QString& dataDir() const { return m_dataDir; }
    const QString& userKey() const { return m_userKey; }
    const QString& symbol() const { return m_currency.symbol(); }
    const QString& noneText() const { return m_fields.noneText(); }
    const Settings& settings() const { return m_settings.settings(); }
    const ItemList& items() const { return m_items; }

    int currentNote() const { return m_notes.current(); }
    const QStringList& noteLines(int n) const { return m_notes.at(n).lines; }
    int selectedLine(int n) const { return m_notes.at(n).selected; }
    double noteTotal(int n) const { return m_notes.at(n).total; }
    bool noteUsed(int n) const { return m_notes.at(n).used; }
    int noteStep(int n) const { return m_notes.at(n).step; }
    bool cashEnough(int n) const { return m_notes.at(n).cashEnough; }
    double noteCash(int n) const { return m_notes.at(n).cash; }
    double noteChange(int n) const { return m_notes.at(n).change; }
    QString noteField(int n, int k) const { return m_notes.at(n).fields[std::size_t(k)]; }
    int saleStart() const { return m_notes.saleStart(); }

    QString field(int k) const { return m_fields.field(k); }
    QString totalText() const { return m_amounts.totalText(); }                            // lblTotal1
    QString cashText() const { return m_amounts.cashText(); }                              // txtTotal2
    QString changeText() const { return m_amounts.changeText(); }                          // lblTotal3
    QString moneyText(int i) const { return i == 3 ? m_amounts.changeMoney() : symbol(); } // lblMoney(i)
    QString tabCaption(int i) const { return m_tabs.caption(i); }
    bool tabEnabled(int i) const { return m_tabs.enabled(i); }
    QString priceTitle() const { return m_fields.priceTitle(); } // lblTitle(7), with the blinking marker
    bool amountMenuVisible() const { return m_amounts.menuVisible(); }
    bool cancelEntryVisible() const { return m_adjustments.cancelEntryVisible(); }
    QString cancelEntryCaption() const { return m_adjustments.cancelEntryCaption(); }
    // The chosen line of the note in front may be cancelled (the keyboard, the menu and the pop-up).
    bool lineCancellable() const { return m_adjustments.mayCancel(); }
    bool cutMenuEnabled() const { return m_cut.cutMenuEnabled(); }
    int itemSelected() const { return m_search.selected(); }
    bool finderVisible() const { return m_search.finderVisible(); }
    QString finderText() const { return m_search.finderText(); }
    bool editorVisible() const { return m_editor.visible(); }
    bool editingList() const { return m_editor.editingList(); }
    // The editor panel follows its signals.
    const ListEditor& editor() const { return m_editor; }
    const QDate& registerDate() const { return m_book.registerDate(); }
    // The shop: its name (the brand label), the window caption, the brand's tooltip, the theme colour.
    QString brand() const { return m_shop.brand; }
    QString windowCaption() const { return m_shop.windowCaption; }
    QString brandTooltip() const { return m_shop.brandTooltip; }
    Rgb themeColour() const { return m_shop.theme; }
    QString ticketLegend() const { return m_shop.legend; }
    qint64 ticketNumber() const { return settings().ticketNumber; }

    // ---- Entry fields ----
    // A field's text changed (typed, or written by a procedure).
    void setField(int k, const QString& text) { m_fields.set(k, text); }
    void fieldFocusIn(int k) { m_fields.focusIn(k); }
    void fieldFocusOut(int k) { m_fields.focusOut(k); }

    // ---- Adding items ----
    void ePreFactura();
    void ePutInfo() { m_search.ePutInfo(); }
    // A line of the shown item list was chosen.
    void selectItem(int row) { m_search.selectItem(row); }
    // A line of the shown item list was double-clicked (or Enter pressed on it): an item is added, any
    // other line shows how an item line is written.
    void lstItem_DblClick(int row);

    // ---- Amounts, payment, closing ----
    void setCashText(const QString& text) { m_amounts.setCashText(text); } // txtTotal2 changed
    void cashFocusIn() { m_amounts.cashFocusIn(); }
    void cashFocusOut() { m_amounts.cashFocusOut(); }
    void eCambio() { m_amounts.eCambio(); }
    void eFinal();
    void eDelBox();
    void mnuCashIn_Click() { m_amounts.payInCash(); }
    void mnuCardIn_Click() {
        if (amountMenuVisible()) eUsingCard();
    }
    void mnuBigCash_Click();
    void mnuHangCash_Click();

    // ---- Adjustments ----
    void eDesc(const QString& value) { m_adjustments.eDesc(value); }
    void mnuDescx_Click() { m_adjustments.mnuDescx_Click(); }
    void mnuIVA_Click() { m_adjustments.mnuIVA_Click(); }
    void mnuDel_Click() { m_adjustments.mnuDel_Click(); }
    void eClickMenu() { m_adjustments.eClickMenu(); }

    // ---- Tabs and notes ----
    void lblTask_Click(int index);
    void eBacktoIndex() {
        m_notes.setCurrent(0);
        eClickOnTabs(0);
    }
    void eCheckTabs() { m_tabs.eCheckTabs(); }
    // A line of the note in front was clicked.
    void lstNote_Click(int row) {
        m_notes.select(currentNote(), row);
        eClickMenu();
    }
    void mnuEditNote_Click() {
        if (!editorVisible() || editingList()) eNoteToEdit();
    }
    void eNoteToEdit();
    // Opens the editor on the item list (after the format reminder).
    void eItemToEdit() {
        m_editor.remindFormat();
        eEdit(1);
    }

    // ---- The list and register editor ----
    void mnuEditList_Click() {
        if (!editorVisible() || !editingList()) eItemToEdit();
    }
    // The edited text replaces the list or the register, in memory and on disk.
    void eSaveNotetoList(const QString& text);
    // Ctrl+G: the save, then "Datos guardados.".
    void saveByKey(const QString& text) {
        eSaveNotetoList(text);
        m_editor.saySaved();
    }
    void closeEditor() { m_editor.startSlide(false); } // lblButton(2)
    void tmrAni_Timer() {
        if (m_editor.tmrAni_Timer()) eCloseEdit();
    }
    void eCloseEdit();
    // The position after the next hit of the editor's search, or -1.
    qsizetype eFindText(QStringView text, qsizetype caret, QStringView query) {
        return m_editor.eFindText(text, caret, query);
    }
    void txtFindEdit_Change() { m_editor.txtFindEdit_Change(); }
    ListEditor::Typed txtEditar_KeyPress(QChar key, QStringView before, QChar after) {
        return m_editor.txtEditar_KeyPress(key, before, after);
    }
    QString takeEditorText() { return m_editor.takeText(); }

    // ---- Settings and menus ----
    void mMoneda_Click(int index) {
        if (m_currency.choose(index, !noteLines(0).isEmpty(), front().used))
            m_amounts.setChangeMoney(symbol());
    }
    void mnuBack_Click() { m_settings.toggleBackToRecord(); }
    void mnuTicket_Click() { m_settings.toggleTickets(); }
    void mnuDouble_Click() { m_settings.toggleDouble(); }
    void mnuSeeStock_Click();

    // ---- Printing ----
    void mnuWhereTicket_Click() { m_tickets.mnuWhereTicket_Click(); }
    void mnuReprint_Click() { m_tickets.mnuReprint_Click(); }
    bool reprintAvailable() const { return m_tickets.reprintAvailable(); }
    void mnuDrawer_Click() { m_tickets.mnuDrawer_Click(); }
    // The printed notice of a cash movement or a simple card entry, when the cashier wants it.
    void ePrintQuiz(const QString& iTicket) {
        if (m_tickets.noticeWanted(m_ticketAsked)) m_reports.ePrintNotif(iTicket);
    }
    void ePrintHistory() { printHistory(); }
    // The register report; false when it did not print.
    bool printHistory() { return m_reports.ePrintHistory(); }
    void mnuPrintSimple_Click() { ePrintHistory(); }
    void mnuPrintInfo_Click() { m_reports.mnuPrintInfo_Click(m_userKey); }

    // ---- Item search ----
    void lblFinder_Click() { m_search.lblFinder_Click(); }
    // The search text changed: the shown list narrows to the lines holding every word.
    void txtFinder_Change(const QString& query) { m_search.txtFinder_Change(query); }
    // Enter in the search field: adds the first hit, or shows it in look-up mode.
    void txtFinder_Enter() { m_search.txtFinder_Enter(); }
    void txtFinder_FocusOut() { m_search.txtFinder_FocusOut(); }
    // A barcode read by a scanner, searched for exactly: its one item goes into the note with the
    // quantity in force, as an item chosen from the list does (a quantity field left empty or at 0
    // counts 1, as on leaving it); no such item beeps and changes nothing.
    void scanBarcode(const QString& code) {
        if (!m_search.scanBarcode(code)) return;
        m_fields.focusOut(Quantity);
        ePreFactura();
    }
    bool lookupMode() const { return m_search.lookupMode(); }
    void setLookupMode(bool on) { m_search.setLookupMode(on); }

    // ---- Item list menu ----
    void mnuCountAll_Click() { m_itemActions.mnuCountAll_Click(); }
    void mnuPriceChg_Click(int index) { m_itemActions.mnuPriceChg_Click(index); }
    // The box that explains how an item line is written (a line without the currency was chosen).
    void showSyntaxMessage() { m_itemActions.showSyntaxMessage(); }
    bool itemListShown() const { return m_itemListShown; }
    void setItemListShown(bool shown) { m_itemListShown = shown; }

    // ---- Help ----
    void lblHelp_Click() { m_help.lblHelp_Click(); }
    void eTip();
    void lblCalc_Click() { Q_EMIT calculatorRequested(); }

    // ---- Keyboard ----
    // Moves the keyboard focus (the window carries it out).
    void requestFocus(Focus target) { Q_EMIT focusRequested(target); }
    enum class Popup { Amount, Notes, Items };
    void requestPopup(Popup menu) { Q_EMIT popupRequested(menu); }
    void setLastFocus(int value) { m_lastFocus = value; }

    // ---- Timers ----
    void tmrAtt_Timer() { m_fields.remindPrice(); }
    void tmrNight_Timer() {
        if (m_book.nightTick()) eFinalDay();
    }

    // ---- Register ----
    void eSaveNote() { m_book.eSaveNote(); }
    void eCheckCanCut() {
        eCheckSum();
        m_cut.checkCanCut(editorVisible());
    }
    void eCheckSum() { m_tabs.setCaption(0, m_cut.recordCaption()); }

    // ---- Cash movements, card payments, totals and the cut ----
    void eInMoney() { bookMovement(CashMovements::Kind::Entry); }
    void eOutMoney() { bookMovement(CashMovements::Kind::Withdrawal); }
    // The note in front paid by card and closed.
    void eUsingCard();
    void eCreditCard();
    void eSumCard() { m_cards.eSumCard(); }
    void eNumbCard() { m_cards.eNumbCard(); }
    void mnuCut_Click() { m_cut.mnuCut_Click(); }
    void mnuCount_Click() { eCountSales(); }
    void eCountSales() { m_cut.eCountSales(); }
    // The day's lines so far move into a split-off file and are printed; the register starts afresh.
    void mnuPrintCut_Click();

Q_SIGNALS:
    void noteChanged(int n);          // the lines of note n
    void noteSelectionChanged(int n); // the chosen line of note n
    void currentNoteChanged(int n);
    void fieldsChanged();
    void amountsChanged(); // total, cash, change and their currency labels
    void tabsChanged();
    void menusChanged();         // check marks, visibility and captions of menu entries
    void itemsChanged();         // the shown item list
    void itemSelectionChanged(); // the chosen line of the shown item list
    void finderChanged();
    void priceTitleChanged();
    void focusRequested(Counter::Focus target);
    void shopChanged();
    // These full-list lines were rewritten in place (a stock movement).
    void itemLinesChanged(const std::vector<int>& fullIndexes);
    void lookupModeChanged(bool on);
    void popupRequested(Counter::Popup menu);
    void calculatorRequested();

private:
    void wire();
    QString nowTime() const;
    Note& front() { return m_notes.front(); }
    void showTotal(int n);
    void ActFactura();
    void eClickOnTabs(int which);
    void eWhatMoney();
    void eOpenLogo();
    void eFinalDay();
    // Every booking first follows a change of day, as the timer does.
    void eCheckDay() {
        if (m_book.changeOfDay()) eFinalDay();
    }
    void eAddtoBuy();
    // The ticket of the sale just closed (printing).
    void eOpenListTicket();
    // The editor panel on the register or the item list.
    void eEdit(int index);
    // Every completed operation (a sale closed or cancelled) ends the same way: the window cleared,
    // the note reset and the register saved; then the next sale starts after the record's last line.
    void clearOperation(int n, bool registerSaved = false);
    void settleOperation(int n, bool refocus = true);
    // The note's lines go, its tab closes, and the record note comes back in front when so set.
    void releaseNote(int n);
    void bookMovement(CashMovements::Kind kind);
    // A booking outside a sale (a movement, a simple card entry) is settled and saved, then its notice
    // printed; a card entry of 0 only prints.
    void settleBooking(const QString& line, bool booked = true);
    // A prompt for a non-negative amount in the currency; false on a blank answer.
    bool askAmount(const Text& question, double& value);

    QString m_dataDir;
    Language m_language;
    QString m_userKey;
    Clock& m_clock;
    Printer& m_printer;

    // Shared state.
    Boxes m_boxes;
    SettingsStore m_settings;
    Currency m_currency;
    Notes m_notes;
    ItemList m_items;
    // One owner per area.
    EntryFields m_fields;
    Amounts m_amounts;
    Adjustments m_adjustments;
    NoteTabs m_tabs;
    ItemSearch m_search;
    ItemActions m_itemActions;
    ListEditor m_editor;
    RegisterBook m_book;
    CashMovements m_movements;
    CardPayments m_cards;
    RegisterCut m_cut;
    HelpTips m_help;

    ShopInfo m_shop;
    TicketPrinter m_tickets;
    ReportPrinter m_reports;
    bool m_ticketAsked = false;
    bool m_paidByCard = false;
    QString m_ticketText;
    QString m_cashTicketText;
    QString m_changeTicketText;
    QString m_timeText;
    bool m_editWarned = false;
    int m_lastFocus = 0;
    bool m_itemListShown = true;

    QTimer* m_attTimer = nullptr;
    QTimer* m_nightTimer = nullptr;
};
