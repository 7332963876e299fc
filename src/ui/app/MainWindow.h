#pragma once

#include "app/Counter.h"
#include "app/ThemePalette.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QKeyEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QStackedWidget;
class LabelButton;
class NoteListModel;
class ItemListModel;
class Keypad;
class CalcWindow;
class KeyRouter;

// The counter's window. It shows what the counter model says and forwards what the cashier does;
// every rule lives in the model.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(const QString& dataDir, const Language& language, const QString& userKey, Counter::Ports ports,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Counter& counter() { return *m_counter; }
    // Lays the window out, then loads the counter (settings, register, item list, shop).
    void load();
    // Paints every part of the window from one base colour.
    void applyTheme(const ThemePalette& palette);
    const ThemePalette& theme() const { return m_theme; }

    Keypad* keypad() const { return m_keypad; }
    // The calculator window, once it has been opened.
    CalcWindow* calculator() const { return m_calculator; }
    void openCalculator();
    QMenu* amountMenu() const { return m_mnuOpc; }
    QMenu* notesMenu() const { return m_mnuGral; }
    QMenu* itemsMenu() const { return m_mnuList; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanel();
    void buildMenus();
    QAction* addAction(QMenu* menu, const char* objectName, const Text& caption);
    void connectModel();

    void renderFields();
    void renderAmounts();
    void renderTabs();
    void renderNote(int n);
    void renderNoteSelection(int n);
    void renderCurrentNote(int n);
    void renderMenus();
    void renderItems();
    void renderItemSelection();
    void renderFinder();
    void renderPriceTitle();
    void applyFocus(Counter::Focus target);
    void popUp(QMenu* menu);
    QString tabStyle(Rgb back) const;
    QString addButtonStyle(bool pressed) const;

    int fieldIndex(QObject* watched) const;
    // The control number the keyboard router knows a widget by (0 for others).
    int keyControl(QObject* watched) const;
    bool routeKey(QObject* watched, QKeyEvent* event);
    void placeKeypad(QWidget* field);
    void buildShortcuts();
    void connectSideButtons();

    Counter* m_counter = nullptr;
    std::unique_ptr<KeyRouter> m_router;
    Keypad* m_keypad = nullptr;
    CalcWindow* m_calculator = nullptr;
    QWidget* m_pendingFocus = nullptr;
    ThemePalette m_theme;

    QFrame* m_frmeCoord = nullptr;
    QFrame* m_frmeBoxs = nullptr;
    QFrame* m_frmeBottom = nullptr;
    QLabel* m_lblBrand = nullptr;
    LabelButton* m_lblCalc = nullptr;
    LabelButton* m_lblMyTip = nullptr;
    LabelButton* m_lblHelp = nullptr;
    std::array<QLineEdit*, 4> m_txtDato{};
    std::array<LabelButton*, 8> m_lblTitle{};
    std::array<LabelButton*, 4> m_lblMoney{};
    std::array<QLabel*, 3> m_lblRe{};
    LabelButton* m_lblAdd = nullptr; // lblButton(0)
    std::array<LabelButton*, Counter::kNotes> m_lblTask{};
    QStackedWidget* m_notes = nullptr;
    std::array<QListView*, Counter::kNotes> m_lstNote{};
    std::array<NoteListModel*, Counter::kNotes> m_noteModels{};
    LabelButton* m_lblFinder = nullptr;
    QLineEdit* m_txtFinder = nullptr;
    QListView* m_lstItem = nullptr;
    ItemListModel* m_itemModel = nullptr;
    LabelButton* m_lblTotal1 = nullptr;
    QLineEdit* m_txtTotal2 = nullptr;
    LabelButton* m_lblTotal3 = nullptr;

    QMenu* m_mnuReg = nullptr;
    QMenu* m_mnuGral = nullptr;
    QMenu* m_mnuList = nullptr;
    QMenu* m_mnuExtra = nullptr;
    QMenu* m_mnuOpc = nullptr;
    QAction* m_mnuDel = nullptr;
    QAction* m_mnuBack = nullptr;
    QAction* m_mnuTicket = nullptr;
    QAction* m_mnuDouble = nullptr;
    QAction* m_mnuSeeStock = nullptr;
    QAction* m_mnuCutZ = nullptr;
    bool m_unloaded = false;
    bool m_rendering = false;
};
