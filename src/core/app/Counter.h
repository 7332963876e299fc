#pragma once

#include "app/Config.h"
#include "app/Language.h"
#include "app/Ports.h"
#include "app/ThemePalette.h"
#include "items/ItemList.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QTimer;

// The counter: the main window's whole state and its named procedures, without a widget. Five notes
// (index 0 is the record note, which is also the day register in memory), the four entry fields, the
// three amounts, the tabs, the settings, the item list. The window forwards what the cashier does to
// the methods below and shows what the signals announce.
class Counter : public QObject {
    Q_OBJECT

public:
    static constexpr int kNotes = 5;
    enum Field { Quantity = 0, Description = 1, Discount = 2, Price = 3 };
    // Where a procedure puts the keyboard focus.
    enum class Focus { Quantity, Description, Discount, Price, Cash, Note, ItemList, Finder };
    Q_ENUM(Focus)

    struct Ports {
        Dialogs& dialogs;
        Clock& clock;
        Printer& printer;
        Shell& shell;
    };

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
    const QString& symbol() const { return m_symbol; }
    const QString& noneText() const { return m_noneText; }
    const Settings& settings() const { return m_settings; }
    const ItemList& items() const { return m_items; }

    int currentNote() const { return m_current; }
    const QStringList& noteLines(int n) const { return m_notes[std::size_t(n)].lines; }
    int selectedLine(int n) const { return m_notes[std::size_t(n)].selected; }
    double noteTotal(int n) const { return m_notes[std::size_t(n)].total; }
    bool noteUsed(int n) const { return m_notes[std::size_t(n)].used; }
    int noteStep(int n) const { return m_notes[std::size_t(n)].step; }
    bool cashEnough(int n) const { return m_notes[std::size_t(n)].cashEnough; }
    double noteCash(int n) const { return m_notes[std::size_t(n)].cash; }
    double noteChange(int n) const { return m_notes[std::size_t(n)].change; }
    QString noteField(int n, int k) const { return m_notes[std::size_t(n)].fields[std::size_t(k)]; }
    int saleStart() const { return m_saleStart; }

    QString field(int k) const { return m_fields[std::size_t(k)]; }
    QString totalText() const { return m_totalText; }                            // lblTotal1
    QString cashText() const { return m_cashText; }                              // txtTotal2
    QString changeText() const { return m_changeText; }                          // lblTotal3
    QString moneyText(int i) const { return i == 3 ? m_changeMoney : m_symbol; } // lblMoney(i)
    QString tabCaption(int i) const { return m_tabCaptions[std::size_t(i)]; }
    bool tabEnabled(int i) const { return m_tabEnabled[std::size_t(i)]; }
    QString priceTitle() const { return m_priceTitle; } // lblTitle(7), with the blinking marker
    bool amountMenuVisible() const { return m_amountMenuVisible; }
    bool cancelEntryVisible() const { return m_cancelEntryVisible; }
    QString cancelEntryCaption() const { return m_cancelEntryCaption; }
    bool cutMenuEnabled() const { return m_cutMenuEnabled; }
    int itemSelected() const { return m_itemSelected; }
    bool finderVisible() const { return m_finderVisible; }
    QString finderText() const { return m_finderText; }
    bool editorVisible() const { return m_editorVisible; }
    bool editingList() const { return m_editingList; }
    const QDate& registerDate() const { return m_registerDate; }
    // The shop: its name (the brand label), the window caption, the brand's tooltip, the theme colour.
    QString brand() const { return m_brand; }
    QString windowCaption() const { return m_windowCaption; }
    QString brandTooltip() const { return m_brandTooltip; }
    Rgb themeColour() const { return m_themeColour; }
    QString ticketLegend() const { return m_ticketLegend; }
    qint64 ticketNumber() const { return m_settings.ticketNumber; }

    // ---- Entry fields ----
    // A field's text changed (typed, or written by a procedure).
    void setField(int k, const QString& text);
    void fieldFocusIn(int k);
    void fieldFocusOut(int k);

    // ---- Adding items ----
    void ePreFactura();
    void ePutInfo();
    // A line of the shown item list was chosen.
    void selectItem(int row);
    // A double click on a line of the shown item list: a line holding the currency symbol adds it,
    // any other shows the syntax box.
    void lstItem_DblClick(int row);

    // ---- Amounts, payment, closing ----
    void setCashText(const QString& text); // txtTotal2 changed
    void cashFocusIn();
    void cashFocusOut();
    void eCambio();
    void eFinal();
    void eDelBox();
    void mnuCashIn_Click();
    void mnuCardIn_Click();
    void mnuBigCash_Click();
    void mnuHangCash_Click();

    // ---- Adjustments ----
    void eDesc(const QString& value);
    void mnuDescx_Click();
    void mnuIVA_Click();
    void mnuDel_Click();
    void eClickMenu();

    // ---- Tabs and notes ----
    void lblTask_Click(int index);
    void eBacktoIndex();
    void eCheckTabs();
    // A line of the note in front was clicked.
    void lstNote_Click(int row);
    void mnuEditNote_Click();
    void eNoteToEdit();
    // Opens the editor on the item list (after the format reminder).
    void eItemToEdit();

    // ---- Settings and menus ----
    void mMoneda_Click(int index);
    void mnuBack_Click();
    void mnuTicket_Click();
    void mnuDouble_Click();
    void mnuSeeStock_Click();

    // ---- Item search ----
    void lblFinder_Click();
    // The search text changed: the shown list narrows to the lines holding every word.
    void txtFinder_Change(const QString& query);
    // Enter in the search field: adds the first hit, or shows it in look-up mode.
    void txtFinder_Enter();
    void txtFinder_FocusOut();
    bool lookupMode() const { return m_lookupMode; }
    void setLookupMode(bool on);

    // ---- Item list menu ----
    void mnuCountAll_Click();
    void mnuPriceChg_Click(int index);
    // The box that explains how an item line is written (a line without the currency was chosen).
    void showSyntaxMessage();
    bool itemListShown() const { return m_itemListShown; }
    void setItemListShown(bool shown) { m_itemListShown = shown; }

    // ---- Help ----
    void lblHelp_Click();
    void eTip();
    void lblCalc_Click();

    // ---- Keyboard ----
    // Moves the keyboard focus (the window carries it out).
    void requestFocus(Focus target) { Q_EMIT focusRequested(target); }
    enum class Popup { Amount, Notes, Items };
    void requestPopup(Popup menu) { Q_EMIT popupRequested(menu); }
    void setLastFocus(int value) { m_lastFocus = value; }

    // ---- Timers ----
    void tmrAtt_Timer();
    void tmrNight_Timer();

    // ---- Register ----
    void eSaveNote();
    void eCheckCanCut();
    void eCheckSum();

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
    struct Note {
        QStringList lines;
        int selected = -1;
        double total = 0.0;
        bool used = false;
        int step = 1;
        bool cashEnough = false;
        double cash = 0.0;   // cash received as last typed
        double change = 0.0; // change last shown
        std::array<QString, 4> fields;
    };

    Note& note(int n) { return m_notes[std::size_t(n)]; }
    Note& front() { return note(m_current); }
    std::array<QString, 4> defaultFields() const;
    QString path(const QString& fileName) const;
    // The boxes of the counter; the timers wait while one is open.
    void say(const QString& message, Dialogs::Icon icon);
    bool ask(const QString& question);
    QString prompt(const QString& question);
    QString nowTime() const;

    void resetNote(int n);
    void clearWindow();
    void selectLast(int n);
    void appendLine(int n, const QString& line);
    void showTotal(int n);
    void setTotalText(const QString& text);
    void setChangeText(const QString& text);
    void setTabCaption(int i, const QString& text);
    void setChangeMoney(const QString& text);
    void readyTest();
    void ActFactura();
    void eClickOnTabs(int which);
    void eAddtoBuy();
    void focusAfterClosing();
    bool askAmount(const Text& question, double& value); // a non-negative answer; false on cancel

    // Readers of the load and the files they keep.
    void eOpenConfig();
    void eSaveConfig();
    void eOpenReg();
    void eOpenList(bool offerCreate = true);
    void eCreate();
    void eSaveList();
    void eOpenLogo();
    void eWhatMoney();
    void eFinalDay();
    // Stock of the items of the sale being closed.
    void eMoveProduct();
    // The ticket of the sale just closed (printing).
    void eOpenListTicket();
    // The editor panel on the register or the item list.
    void eEdit(int index);

    QString m_dataDir;
    Language m_language;
    QString m_userKey;
    Dialogs& m_dialogs;
    Clock& m_clock;
    Printer& m_printer;
    Shell& m_shell;

    Settings m_settings;
    ItemList m_items;
    std::array<Note, kNotes> m_notes;
    int m_current = 0;
    int m_saleStart = -1;
    QDate m_registerDate;
    QDate m_midnightWarned;
    bool m_registerSaveFailing = false;
    int m_inDialog = 0;

    QString m_symbol = QStringLiteral("$");
    QString m_noneText;
    std::array<QString, 4> m_fields;
    QString m_totalText = QStringLiteral("0.00");
    QString m_cashText = QStringLiteral("0.00");
    QString m_changeText = QStringLiteral("0.00");
    QString m_changeMoney = QStringLiteral("$");
    std::array<QString, kNotes> m_tabCaptions;
    std::array<bool, kNotes> m_tabEnabled{};
    QString m_priceTitle;
    bool m_amountMenuVisible = false;
    bool m_cancelEntryVisible = false;
    QString m_cancelEntryCaption;
    bool m_cutMenuEnabled = false;
    double m_lastChange = 0.0;
    bool m_ticketAsked = false;
    bool m_paidByCard = false;
    QString m_ticketText;
    QString m_cashTicketText;
    QString m_changeTicketText;
    QString m_timeText;
    QString m_ticketLegend;
    QString m_brand;
    QString m_windowCaption;
    QString m_brandTooltip;
    Rgb m_themeColour = ThemePalette::kDefaultBase;
    QString m_infoAddress;
    QString m_infoPhone;
    QString m_infoExtra;
    QString m_infoRemark;
    bool m_editWarned = false;
    bool m_editorVisible = false;
    bool m_editingList = false;
    int m_lastFocus = 0;
    bool m_itemListShown = true;
    bool m_lookupMode = false;
    int m_itemSelected = -1;
    bool m_finderVisible = false;
    QString m_finderText;

    QTimer* m_attTimer = nullptr;
    QTimer* m_nightTimer = nullptr;
};
