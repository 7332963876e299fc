#include "MainWindow.h"

#include "core/counter/KeyRouter.h"
#include "core/note/EntryFields.h"
#include "core/note/Notes.h"
#include "core/shop/AppTexts.h"
#include "core/shop/ShopInfo.h"
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
#include "ui/printing/JobDeadline.h"
#include "ui/register/RegisterMenu.h"
#include "ui/reports/ReportsWindow.h"
#include "ui/shell/DataMenu.h"
#include "ui/shell/HeaderBar.h"
#include "ui/shell/ViewLayout.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"
#include "ui/widgets/ShownText.h"
#include "ui/widgets/ThemeStyle.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

MainWindow::MainWindow(const QString& dataDir, const Language& language, const QString& userKey, Ports ports,
                       QWidget* parent)
    : QMainWindow(parent), m_dialogs(&ports.dialogs) {
    setObjectName(QStringLiteral("frmCash"));
    m_counter = new Counter(dataDir, language, userKey, ports, this);
    setWindowTitle(m_counter->text(AppTexts::ProgramTitle));
    buildPanels();
    m_view = new ViewLayout(this, m_header->parentWidget(), m_header, m_frmeCoord, ports.dialogs,
                            m_counter->language());
    buildMenus();
    routeKeys();
    connectCounter();
    applyTheme(m_theme);
    buildPrintingNotice();
    // After a box, a menu or a print job the keys must still reach a control the cashier can see.
    qApp->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && (qobject_cast<QDialog*>(watched) || qobject_cast<QMenu*>(watched)))
        QTimer::singleShot(0, this, &MainWindow::keepFocusUsable);
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keepFocusUsable() {
    if (!isVisible() || QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
    if (!isActiveWindow()) {
        if (QApplication::activeWindow()) return; // another window of the program has the keys
        activateWindow();                         // a box of ours closed and left no window with the keys
    }
    const QWidget* focused = QApplication::focusWidget();
    if (focused && focused->window() == this && focused->isVisible() && focused->isEnabled()) return;
    m_notes->note(m_counter->notes().current())->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() {
    JobDeadline::setIndicator({});
    delete m_calculator;
    delete m_reports;
}

// While a print job waits, the window says so and the cursor waits; keys and clicks are refused.
void MainWindow::buildPrintingNotice() {
    m_printing = new QLabel(m_counter->text(Captions::Printing), centralWidget());
    m_printing->setObjectName(QStringLiteral("lblPrinting"));
    m_printing->setAlignment(Qt::AlignCenter);
    QFont font = m_printing->font();
    font.setPointSize(16);
    font.setBold(true);
    m_printing->setFont(font);
    m_printing->setStyleSheet(QStringLiteral("background: #202020; color: #ffffff; padding: 12px;"));
    m_printing->hide();
    JobDeadline::setIndicator([this](bool printing) {
        if (printing) {
            m_printing->adjustSize();
            m_printing->move((centralWidget()->width() - m_printing->width()) / 2,
                             (centralWidget()->height() - m_printing->height()) / 2);
            m_printing->raise();
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
            QTimer::singleShot(0, this, &MainWindow::keepFocusUsable);
        }
        m_printing->setVisible(printing);
    });
}

QMenu* MainWindow::amountMenu() const {
    return m_amountMenu;
}

QMenu* MainWindow::notesMenu() const {
    return m_notesMenu;
}

QMenu* MainWindow::itemsMenu() const {
    return m_itemsMenu;
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
    m_registerMenu = new RegisterMenu(*m_counter, bar);
    m_notesMenu = new NotesMenu(*m_counter, bar);
    m_itemsMenu = new ItemsMenu(*m_counter, bar);
    m_dataMenu = new DataMenu(*m_counter, bar);
    connect(m_dataMenu, &DataMenu::printerAsked, this, &MainWindow::printerSettingsAsked);
    connect(m_registerMenu, &RegisterMenu::reportsAsked, this, &MainWindow::openReports);
    // "Importe": a pop-up menu only, never on the menu bar.
    m_amountMenu = new AmountMenu(*m_counter, this);
    for (QMenu* menu : {static_cast<QMenu*>(m_registerMenu), static_cast<QMenu*>(m_notesMenu),
                        static_cast<QMenu*>(m_itemsMenu), static_cast<QMenu*>(m_dataMenu)})
        bar->addMenu(menu);
    for (QMenu* menu : {static_cast<QMenu*>(m_registerMenu), static_cast<QMenu*>(m_notesMenu),
                        static_cast<QMenu*>(m_itemsMenu), static_cast<QMenu*>(m_dataMenu),
                        static_cast<QMenu*>(m_amountMenu)})
        addShortcutsTo(this, menu);
}

void MainWindow::routeKeys() {
    m_keys = new KeyboardGlue(*m_counter, *m_keypad, centralWidget());
    using Control = KeyRouter::Control;
    const Control fields[] = {Control::Quantity, Control::Description, Control::Discount, Control::Price};
    for (int k = 0; k < 4; ++k) {
        m_keys->route(m_entry->field(k), fields[k]);
        if (k != EntryFields::Description) m_keys->keypadFor(m_entry->field(k), 60);
    }
    m_keys->route(m_amounts->cash(), Control::Cash);
    m_keys->keypadFor(m_amounts->cash(), 60, m_amounts);
    for (int n = 0; n < Notes::kNotes; ++n)
        m_keys->route(m_notes->note(n), Control::NoteList);
    m_keys->route(m_items->list(), Control::ItemList);
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
        setWindowTitle(ShownText::capped(m_counter->shop().windowCaption));
        applyTheme(ThemePalette(m_counter->shop().theme));
    });
    connect(m_amounts, &AmountsPanel::menuRequested, this, [this] { popUp(m_amountMenu); });
    connect(m_notes, &NotesPanel::menuRequested, this, [this] { popUp(m_notesMenu); });
    connect(m_items, &ItemsPanel::menuRequested, this, [this] { popUp(m_itemsMenu); });
}

void MainWindow::closeAnyway() {
    m_closingAnyway = true;
    close();
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

void MainWindow::openReports() {
    // One reports window for the whole run; each opening reads the history again.
    if (!m_reports) {
        m_reports = new ReportsWindow(*m_counter, *m_dialogs, m_theme);
        m_reports->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    m_reports->show();
    m_reports->raise();
    m_reports->activateWindow();
}

void MainWindow::load() {
    // Near-black around the panel; the height follows the screen.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(std::min(1040, area.width()), std::max(560, area.height() - 160));
    }
    m_view->centreOnScreen();
    m_counter->load(); // every panel and menu renders on the counter's loaded()
    m_counter->startTimers();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A sale still open asks first, unless the session ends or the program is told to stop.
    if (!m_unloaded && !m_closingAnyway && !m_counter->mayClose()) {
        event->ignore();
        return;
    }
    if (!m_unloaded) {
        m_unloaded = true;
        m_dayKept = m_counter->unload();
    }
    event->accept();
    // Closing the counter ends the program, with every other window of it.
    QTimer::singleShot(0, qApp, [] { QApplication::closeAllWindows(); });
}

void MainWindow::applyFocus(Counter::Focus target) {
    QWidget* widget = nullptr;
    switch (target) {
    case Counter::Focus::Quantity:
        widget = m_entry->field(EntryFields::Quantity);
        break;
    case Counter::Focus::Description:
        widget = m_entry->field(EntryFields::Description);
        break;
    case Counter::Focus::Discount:
        widget = m_entry->field(EntryFields::Discount);
        break;
    case Counter::Focus::Price:
        widget = m_entry->field(EntryFields::Price);
        break;
    case Counter::Focus::Cash:
        widget = m_amounts->cash();
        break;
    case Counter::Focus::Note:
        widget = m_notes->note(m_counter->notes().current());
        break;
    case Counter::Focus::ItemList:
        widget = m_items->list()->isVisible() || !isVisible() ? static_cast<QWidget*>(m_items->list())
                                                              : m_entry->field(EntryFields::Description);
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
    if (!m_pendingFocus) m_pendingFocus = m_notes->note(m_counter->notes().current());
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
    if (m_reports) m_reports->applyTheme(colours);
}
