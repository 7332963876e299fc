#pragma once

#include "core/counter/Counter.h"
#include "core/shop/ThemePalette.h"

#include <QMainWindow>

class QLabel;
class QMenu;
class QFrame;
class AmountMenu;
class AmountsPanel;
class CalcWindow;
class DataMenu;
class EditorPanel;
class EntryFieldsPanel;
class HeaderBar;
class ItemsMenu;
class ItemsPanel;
class KeyboardGlue;
class Keypad;
class NotesMenu;
class NotesPanel;
class RegisterMenu;
class ReportsWindow;
class ViewLayout;

// The counter's window: the panels and menus that show the counter, put together and wired. Every
// rule lives in the counter; each panel shows its own part of it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(const QString& dataDir, const Language& language, const QString& userKey, Ports ports,
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
    ViewLayout* view() const { return m_view; }
    void openCalculator();
    // Closes without asking about an open sale (the session ends, the program is told to stop): the
    // record note's open sale is cancelled, the side notes stay saved for the next start.
    void closeAnyway();
    // False when the day's register could be kept nowhere at close.
    bool dayKept() const { return m_dayKept; }
    // The reports window, once it has been opened ("Informes", Ctrl+I).
    ReportsWindow* reports() const { return m_reports; }
    void openReports();
    QMenu* amountMenu() const;
    QMenu* notesMenu() const;
    QMenu* itemsMenu() const;

Q_SIGNALS:
    // "Impresora…" in the Datos menu: whoever chose the printer opens its settings.
    void printerSettingsAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildPanels();
    void buildMenus();
    void buildPrintingNotice();
    // The focus is on a visible, enabled control of the window (the note in front when it was lost).
    void keepFocusUsable();
    void routeKeys();
    void connectCounter();
    void applyFocus(Counter::Focus target);
    void popUp(QMenu* menu);

    Counter* m_counter = nullptr;
    ThemePalette m_theme;
    QWidget* m_pendingFocus = nullptr;
    CalcWindow* m_calculator = nullptr;
    ReportsWindow* m_reports = nullptr;
    Dialogs* m_dialogs = nullptr;

    QFrame* m_frmeCoord = nullptr;
    HeaderBar* m_header = nullptr;
    EntryFieldsPanel* m_entry = nullptr;
    NotesPanel* m_notes = nullptr;
    ItemsPanel* m_items = nullptr;
    AmountsPanel* m_amounts = nullptr;
    EditorPanel* m_editor = nullptr;
    Keypad* m_keypad = nullptr;
    QLabel* m_printing = nullptr;
    KeyboardGlue* m_keys = nullptr;

    RegisterMenu* m_registerMenu = nullptr;
    NotesMenu* m_notesMenu = nullptr;
    ItemsMenu* m_itemsMenu = nullptr;
    DataMenu* m_dataMenu = nullptr;
    AmountMenu* m_amountMenu = nullptr;
    ViewLayout* m_view = nullptr;
    bool m_unloaded = false;
    bool m_closingAnyway = false;
    bool m_dayKept = true;
};
