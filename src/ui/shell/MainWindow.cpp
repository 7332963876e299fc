#include "MainWindow.h"

#include "core/counter/KeyRouter.h"
#include "core/shop/AppTexts.h"
#include "ui/calc/CalcWindow.h"
#include "ui/items/EditorPanel.h"
#include "ui/items/ItemsMenu.h"
#include "ui/items/ItemsPanel.h"
#include "ui/keyboard/KeyboardGlue.h"
#include "ui/keyboard/Keypad.h"
#include "ui/note/AmountMenu.h"
#include "ui/note/AmountsPanel.h"
#include "ui/note/EntryFieldsPanel.h"
#include "ui/note/NotesMenu.h"
#include "ui/note/NotesPanel.h"
#include "ui/register/RegisterMenu.h"
#include "ui/shell/DataMenu.h"
#include "ui/shell/HeaderBar.h"
#include "ui/shell/ViewLayout.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/ShownText.h"
#include "ui/widgets/ThemeStyle.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(const QString& dataDir, const Language& language, const QString& userKey,
                       Counter::Ports ports, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmCash"));
    m_counter = new Counter(dataDir, language, userKey, ports, this);
    setWindowTitle(m_counter->text(AppTexts::ProgramTitle));
    buildPanels();
    m_view = new ViewLayout(this, m_header->parentWidget(), m_header, m_frmeCoord, ports.dialogs,
                            m_counter->language());
    buildMenus();
    buildShortcuts();
    routeKeys();
    connectCounter();
    applyTheme(m_theme);
}

MainWindow::~MainWindow() {
    delete m_calculator;
}

QMenu* MainWindow::amountMenu() const {
    return m_mnuOpc;
}

QMenu* MainWindow::notesMenu() const {
    return m_mnuGral;
}

QMenu* MainWindow::itemsMenu() const {
    return m_mnuList;
}

void MainWindow::buildPanels() {
    Counter& c = *m_counter;
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("shpFond"));
    setCentralWidget(central);
    // The shop's name, the side buttons and the panel, placed on the background by the view.
    auto* stage = new QWidget(central);
    stage->setObjectName(QStringLiteral("stage"));
    auto* outer = new QVBoxLayout(stage);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(4);
    m_header = new HeaderBar(c, stage);
    outer->addWidget(m_header);

    m_frmeCoord = new QFrame(stage);
    m_frmeCoord->setObjectName(QStringLiteral("frmeCoord"));
    outer->addWidget(m_frmeCoord, 1);
    auto* panel = new QVBoxLayout(m_frmeCoord);
    panel->setContentsMargins(8, 14, 8, 8); // the drag handle sits in the top margin
    panel->setSpacing(8);
    m_entry = new EntryFieldsPanel(c, m_frmeCoord);
    panel->addWidget(m_entry);
    // Notes at the left, the item list at the right.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(10);
    m_notes = new NotesPanel(c, m_frmeCoord);
    middle->addWidget(m_notes, 3);
    m_items = new ItemsPanel(c, m_frmeCoord);
    middle->addWidget(m_items, 2);
    panel->addLayout(middle, 1);
    m_amounts = new AmountsPanel(c, m_frmeCoord);
    panel->addWidget(m_amounts);
    // The editor slides in over the panel, as tall as the notes.
    m_editor = new EditorPanel(c, m_frmeCoord, m_notes);

    m_keypad = new Keypad(central);
    m_keypad->setTexts(c.text(Captions::TipCorrect), c.text(Captions::TipCloseKeypad));
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    m_mnuReg = new RegisterMenu(*m_counter, bar);
    bar->addMenu(m_mnuReg);
    m_mnuGral = new NotesMenu(*m_counter, bar);
    bar->addMenu(m_mnuGral);
    m_mnuList = new ItemsMenu(*m_counter, bar);
    bar->addMenu(m_mnuList);
    m_mnuExtra = new DataMenu(*m_counter, bar);
    bar->addMenu(m_mnuExtra);
    connect(m_mnuExtra, &DataMenu::printerAsked, this, &MainWindow::printerSettingsAsked);
    // "Importe": a pop-up menu only, never on the menu bar.
    m_mnuOpc = new AmountMenu(*m_counter, this);
}

void MainWindow::buildShortcuts() {
    const auto shortcut = [this](const char* name, const QKeySequence& keys) {
        auto* action = findChild<QAction*>(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        QWidget::addAction(action); // reachable also while its menu is a closed pop-up
    };
    shortcut("mnuButton1", QKeySequence(Qt::Key_F1));
    shortcut("mnuButton2", QKeySequence(Qt::Key_F2));
    shortcut("mnuButton3", QKeySequence(Qt::Key_F3));
    shortcut("mnuCancelAll", QKeySequence(Qt::Key_F4));
    shortcut("mnuAdd", QKeySequence(Qt::Key_F5));
    shortcut("mnuQuit", QKeySequence(Qt::Key_F6));
    shortcut("mnuDescx", QKeySequence(Qt::Key_F8));
    shortcut("mnuCashIn", QKeySequence(Qt::Key_F12));
    shortcut("mnuCard", QKeySequence(Qt::CTRL | Qt::Key_F5));
    shortcut("mnuCardIn", QKeySequence(Qt::CTRL | Qt::Key_F12));
}

void MainWindow::routeKeys() {
    m_keys = new KeyboardGlue(*m_counter, *m_keypad, centralWidget());
    for (int k = 0; k < 4; ++k) {
        m_keys->route(m_entry->field(k), KeyRouter::Quantity + k);
        if (k != Counter::Description) m_keys->keypadFor(m_entry->field(k), 60);
    }
    m_keys->route(m_amounts->cash(), KeyRouter::Cash);
    m_keys->keypadFor(m_amounts->cash(), 60, m_amounts);
    for (int n = 0; n < Counter::kNotes; ++n)
        m_keys->route(m_notes->note(n), KeyRouter::NoteList);
    m_keys->route(m_items->list(), KeyRouter::ItemList);
    m_keys->routeFinder(m_items->finder());
    m_keys->keypadFor(m_items->finder(), 380);
}

void MainWindow::connectCounter() {
    Counter* c = m_counter;
    connect(c, &Counter::focusRequested, this, &MainWindow::applyFocus);
    connect(c, &Counter::popupRequested, this, [this](Counter::Popup which) {
        QMenu* menu = which == Counter::Popup::Amount  ? amountMenu()
                      : which == Counter::Popup::Notes ? notesMenu()
                                                       : itemsMenu();
        QWidget* from = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        menu->popup(KeyboardGlue::popupPlace(from, menu->sizeHint()));
    });
    connect(c, &Counter::calculatorRequested, this, &MainWindow::openCalculator);
    connect(c, &Counter::shopChanged, this, [this] {
        setWindowTitle(ShownText::capped(m_counter->windowCaption()));
        applyTheme(ThemePalette(m_counter->themeColour()));
    });
    connect(m_amounts, &AmountsPanel::menuRequested, this, [this] { popUp(m_mnuOpc); });
    connect(m_notes, &NotesPanel::menuRequested, this, [this] { popUp(m_mnuGral); });
    connect(m_items, &ItemsPanel::menuRequested, this, [this] { popUp(m_mnuList); });
}

void MainWindow::openCalculator() {
    // One calculator for the whole run: made the first time, shown again afterwards.
    if (!m_calculator) {
        m_calculator = new CalcWindow(m_counter->language(), m_theme);
        m_calculator->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    m_calculator->show();
    m_calculator->raise();
    m_calculator->activateWindow();
}

void MainWindow::load() {
    // Near-black around the panel; the height follows the screen.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(std::min(1040, area.width()), std::max(560, area.height() - 160));
    }
    m_view->centreOnScreen();
    m_counter->load();
    m_entry->render();
    m_amounts->render();
    m_notes->render();
    m_mnuReg->render();
    m_mnuGral->render();
    m_mnuList->render();
    m_mnuOpc->render();
    m_items->render();
    m_counter->startTimers();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_unloaded) {
        m_unloaded = true;
        m_counter->unload();
    }
    event->accept();
    // Closing the counter ends the program, with every other window of it.
    QTimer::singleShot(0, qApp, [] { QApplication::closeAllWindows(); });
}

void MainWindow::applyFocus(Counter::Focus target) {
    QWidget* widget = nullptr;
    switch (target) {
    case Counter::Focus::Quantity:
        widget = m_entry->field(Counter::Quantity);
        break;
    case Counter::Focus::Description:
        widget = m_entry->field(Counter::Description);
        break;
    case Counter::Focus::Discount:
        widget = m_entry->field(Counter::Discount);
        break;
    case Counter::Focus::Price:
        widget = m_entry->field(Counter::Price);
        break;
    case Counter::Focus::Cash:
        widget = m_amounts->cash();
        break;
    case Counter::Focus::Note:
        widget = m_notes->note(m_counter->currentNote());
        break;
    case Counter::Focus::ItemList:
        widget = m_items->list()->isVisible() || !isVisible() ? static_cast<QWidget*>(m_items->list())
                                                              : m_entry->field(Counter::Description);
        break;
    case Counter::Focus::Finder:
        widget = m_items->finder();
        break;
    }
    if (!widget) return;
    if (!isVisible()) {
        m_pendingFocus = widget; // the load leaves the focus here; it is given once the window shows
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (target == Counter::Focus::Finder) m_items->finder()->selectAll();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_pendingFocus) m_pendingFocus = m_notes->note(m_counter->currentNote());
    QWidget* target = m_pendingFocus;
    m_pendingFocus = nullptr;
    target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::popUp(QMenu* menu) {
    menu->popup(QCursor::pos());
}

void MainWindow::applyTheme(const ThemePalette& colours) {
    m_theme = colours;
    const ThemeStyle style(colours);
    centralWidget()->setStyleSheet(style.background());
    m_frmeCoord->setStyleSheet(style.panel());
    m_header->applyTheme(style);
    m_entry->applyTheme(style);
    m_notes->applyTheme(style);
    m_items->applyTheme(style);
    m_amounts->applyTheme(style);
    m_editor->applyTheme(style);
    m_keypad->applyTheme(colours);
    m_view->applyTheme(colours);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(10, 10, 10));
    setPalette(p);
    menuBar()->setStyleSheet(style.menuBar());
}
