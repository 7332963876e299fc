#pragma once

#include "core/base/Language.h"
#include "core/base/Ports.h"

#include <QObject>
#include <QString>
#include <memory>

class Adjustments;
class Amounts;
class Boxes;
class CardPayments;
class CashMovements;
class Currency;
class EntryFields;
class HelpTips;
class ItemActions;
class ItemList;
class ItemSearch;
class ListEditor;
class Notes;
class NoteTabs;
class QTimer;
class RegisterBook;
class RegisterCut;
class ReportPrinter;
class SettingsStore;
class TicketPrinter;
struct ShopInfo;
enum class MovementKind;

// The counter: the main window's whole state without a widget. It owns one area per subsystem over the
// shared notes, settings and currency. A panel reads its area through the views below and follows that
// area's own signals; a command within one area goes to the area (`counter.search().txtFinder_Change(t)`);
// the commands that cross areas (a sale, a booking, the cut, the editor's save, the tabs, the change of
// day) are the methods here, and every completed operation ends the same way (settleOperation).
class Counter : public QObject {
    Q_OBJECT

public:
    // Where a procedure puts the keyboard focus, and the pop-up menus the keyboard opens.
    enum class Focus { Quantity, Description, Discount, Price, Cash, Note, ItemList, Finder };
    Q_ENUM(Focus)
    enum class Popup { Amount, Notes, Items };
    Counter(const QString& dataDir, const Language& language, const QString& userKey, Ports ports,
            QObject* parent = nullptr);
    ~Counter() override;
    // Settings, the day register, the item list, the shop's information, in this order; then the start
    // tab; then loaded(). Unloading cancels an open sale of the record note and saves the files.
    void load();
    void unload();
    void startTimers(); // the price reminder and the change of day, every half second

    // The areas.
    const Language& language() const { return m_language; }
    QString text(const Text& pair) const { return m_language(pair); }
    const QString& dataDir() const { return m_dataDir; }
    const Notes& notes() const { return *m_notes; }
    const Currency& currency() const { return *m_currency; }
    const ShopInfo& shop() const { return *m_shop; }
    const ItemList& items() const { return *m_items; }
    const NoteTabs& tabs() const { return *m_tabs; }
    RegisterBook& book() { return *m_book; }
    const RegisterBook& book() const { return *m_book; }
    EntryFields& fields() { return *m_fields; }
    const EntryFields& fields() const { return *m_fields; }
    Amounts& amounts() { return *m_amounts; }
    const Amounts& amounts() const { return *m_amounts; }
    Adjustments& adjustments() { return *m_adjustments; }
    const Adjustments& adjustments() const { return *m_adjustments; }
    ItemSearch& search() { return *m_search; }
    const ItemSearch& search() const { return *m_search; }
    ItemActions& itemActions() { return *m_itemActions; }
    ListEditor& editor() { return *m_editor; }
    const ListEditor& editor() const { return *m_editor; }
    SettingsStore& settings() { return *m_settings; }
    const SettingsStore& settings() const { return *m_settings; }
    CardPayments& cards() { return *m_cards; }
    RegisterCut& cut() { return *m_cut; }
    const RegisterCut& cut() const { return *m_cut; }
    TicketPrinter& tickets() { return *m_tickets; }
    const TicketPrinter& tickets() const { return *m_tickets; }
    ReportPrinter& reports() { return *m_reports; }
    HelpTips& help() { return *m_help; }

    // A sale: the item in the fields added, a list line double-clicked (an item is added, another line
    // shows how an item line is written), a scanned barcode added; the note paid, by card, cancelled.
    void ePreFactura();
    void lstItem_DblClick(int row);
    void scanBarcode(const QString& code);
    void eFinal();
    void eUsingCard();
    void eDelBox();

    // Notes and tabs. After Ctrl+Tab in the search field, a tab switch reopens the search.
    void lblTask_Click(int index);
    void lstNote_Click(int row);
    void reopenSearchAfterSwitch() { m_searchAfterSwitch = true; }

    // The editor on the register (refused while a sale is open) or the item list; its save (Ctrl+G also
    // says "Datos guardados.") and its slide.
    void eNoteToEdit();
    void eItemToEdit();
    void eSaveNotetoList(const QString& text);
    void saveByKey(const QString& text);
    void tmrAni_Timer();

    // Settings.
    void mMoneda_Click(int index);
    void mnuSeeStock_Click();
    void mnuHangCash_Click();

    // The day register: movements, card entries, the cut, the cash total's check, a movement's notice,
    // the change of day.
    void eInMoney();
    void eOutMoney();
    void eCreditCard();
    void mnuPrintCut_Click();
    void eCheckCanCut();
    void ePrintQuiz(const QString& iTicket);
    void tmrNight_Timer();

    // Help and the window.
    void eTip();
    void lblCalc_Click() { Q_EMIT calculatorRequested(); }
    void requestFocus(Focus target) { Q_EMIT focusRequested(target); }
    void requestPopup(Popup menu) { Q_EMIT popupRequested(menu); }

Q_SIGNALS:
    void loaded();
    void shopChanged();
    void focusRequested(Counter::Focus target);
    void popupRequested(Counter::Popup menu);
    void calculatorRequested();

private:
    void wire();
    QString nowTime() const;
    void showTotal(int n);
    void ActFactura();
    void eClickOnTabs(int which);
    void eBacktoIndex();
    void eWhatMoney();
    void eOpenLogo();
    void eFinalDay();
    void eCheckDay();
    void eCheckTabs();
    void eCheckSum();
    void eSaveNote();
    void eAddtoBuy();
    void closeSale(int n, bool byCard);
    enum class EditTarget { Register, ItemList };
    void eEdit(EditTarget target);
    void eCloseEdit();
    void clearOperation(int n, bool registerSaved = false);
    void settleOperation(int n, bool refocus = true);
    void releaseNote(int n);
    void bookMovement(MovementKind kind);
    void settleBooking(const QString& line, bool booked = true);
    bool editingRegister() const;

    QString m_dataDir;
    Language m_language;
    Clock& m_clock;
    // Shared state, then one owner per area.
    std::unique_ptr<Boxes> m_boxes;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Currency> m_currency;
    std::unique_ptr<Notes> m_notes;
    std::unique_ptr<ItemList> m_items;
    std::unique_ptr<ShopInfo> m_shop;
    std::unique_ptr<EntryFields> m_fields;
    std::unique_ptr<Amounts> m_amounts;
    std::unique_ptr<Adjustments> m_adjustments;
    std::unique_ptr<NoteTabs> m_tabs;
    std::unique_ptr<ItemSearch> m_search;
    std::unique_ptr<ItemActions> m_itemActions;
    std::unique_ptr<ListEditor> m_editor;
    std::unique_ptr<RegisterBook> m_book;
    std::unique_ptr<CashMovements> m_movements;
    std::unique_ptr<CardPayments> m_cards;
    std::unique_ptr<RegisterCut> m_cut;
    std::unique_ptr<HelpTips> m_help;
    std::unique_ptr<TicketPrinter> m_tickets;
    std::unique_ptr<ReportPrinter> m_reports;
    // The sale being closed, for its ticket; the run's questions asked.
    bool m_ticketAsked = false;
    bool m_paidByCard = false;
    QString m_cashTicketText;
    QString m_changeTicketText;
    QString m_timeText;
    bool m_editWarned = false;
    bool m_searchAfterSwitch = false;
    QTimer* m_attTimer = nullptr;
    QTimer* m_nightTimer = nullptr;
};
