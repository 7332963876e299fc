#include "MainWindow.h"

#include "KeyCodes.h"
#include "Keypad.h"
#include "LabelButton.h"
#include "app/AppTexts.h"
#include "app/KeyRouter.h"
#include "app/Texts.h"
#include "calc/CalcWindow.h"
#include "items/ItemListModel.h"
#include "note/CharacterValidator.h"
#include "note/NoteListModel.h"
#include "note/NoteTexts.h"

#include "app/Cp1252.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QColor toColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

QString css(Rgb c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue);
}

QFont monospace(int points) {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSize(points);
    return f;
}

} // namespace

MainWindow::MainWindow(const QString& dataDir, const Language& language, const QString& userKey,
                       Counter::Ports ports, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmCash"));
    m_counter = new Counter(dataDir, language, userKey, ports, this);
    m_router = std::make_unique<KeyRouter>(*m_counter);
    setWindowTitle(m_counter->text(AppTexts::ProgramTitle));
    buildPanel();
    buildMenus();
    buildShortcuts();
    connectModel();
    connectSideButtons();
    applyTheme(m_theme);
}

MainWindow::~MainWindow() {
    delete m_calculator;
}

QAction* MainWindow::addAction(QMenu* menu, const char* objectName, const Text& caption) {
    QAction* action = menu->addAction(m_counter->text(caption));
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

void MainWindow::buildPanel() {
    const Counter& c = *m_counter;
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("shpFond"));
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 4, 8, 8);
    outer->setSpacing(4);

    // Brand and side buttons above the panel.
    auto* header = new QHBoxLayout;
    m_lblBrand = new QLabel(c.text(AppTexts::MyBusiness), central);
    m_lblBrand->setObjectName(QStringLiteral("lblBrand"));
    m_lblBrand->setToolTip(c.text(Texts::TipBrand));
    QFont brandFont = m_lblBrand->font();
    brandFont.setPointSize(16);
    brandFont.setBold(true);
    m_lblBrand->setFont(brandFont);
    header->addWidget(m_lblBrand, 1);
    const auto sideButton = [&](const char* name, const QString& caption, const Text& tip) {
        auto* b = new LabelButton(caption, central);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(c.text(tip));
        b->setAlignment(Qt::AlignCenter);
        b->setFixedSize(100, 30);
        header->addWidget(b);
        return b;
    };
    m_lblCalc = sideButton("lblCalc", QStringLiteral("CALCUL."), Texts::TipCalc);
    m_lblMyTip = sideButton("lblMyTip", c.text(Texts::MyTipCaption), Texts::TipMyTip);
    m_lblHelp = sideButton("lblHelp", QStringLiteral("MANUAL"), Texts::TipHelp);
    outer->addLayout(header);

    m_frmeCoord = new QFrame(central);
    m_frmeCoord->setObjectName(QStringLiteral("frmeCoord"));
    outer->addWidget(m_frmeCoord, 1);
    auto* panel = new QVBoxLayout(m_frmeCoord);
    panel->setContentsMargins(8, 8, 8, 8);
    panel->setSpacing(8);

    // The entry fields of the item.
    m_frmeBoxs = new QFrame(m_frmeCoord);
    m_frmeBoxs->setObjectName(QStringLiteral("frmeBoxs"));
    auto* boxes = new QGridLayout(m_frmeBoxs);
    boxes->setContentsMargins(6, 4, 6, 6);
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(2);
    const std::array<Text, 4> titles = {Texts::TitleQuantity, Texts::TitleDescription, Texts::TitleDiscount,
                                        NoteTexts::PriceTitle};
    const std::array<Text, 4> tips = {Texts::TipQuantity, Texts::TipDescription, Texts::TipDiscount,
                                      Texts::TipPrice};
    const std::array<int, 4> columns = {0, 1, 2, 4};
    QFont fieldFont = font();
    fieldFont.setPointSize(12);
    for (int k = 0; k < 4; ++k) {
        auto* title = new LabelButton(c.text(titles[std::size_t(k)]), m_frmeBoxs);
        title->setObjectName(QStringLiteral("lblTitle%1").arg(k + 4));
        m_lblTitle[std::size_t(k + 4)] = title;
        boxes->addWidget(title, 0, columns[std::size_t(k)]);
        auto* edit = new QLineEdit(m_frmeBoxs);
        edit->setObjectName(QStringLiteral("txtDato%1").arg(k + 1));
        title->setBuddy(edit); // shows the "&" of a title as the underlined letter of its shortcut
        edit->setToolTip(c.text(tips[std::size_t(k)]));
        edit->setFont(fieldFont);
        edit->installEventFilter(this);
        m_txtDato[std::size_t(k)] = edit;
        boxes->addWidget(edit, 1, columns[std::size_t(k)]);
    }
    m_txtDato[Counter::Description]->setPlaceholderText(c.noneText());
    m_txtDato[Counter::Quantity]->setValidator(
        new CharacterValidator(&CharacterValidator::amountCharacter, this));
    m_txtDato[Counter::Price]->setValidator(
        new CharacterValidator(&CharacterValidator::amountCharacter, this));
    m_txtDato[Counter::Discount]->setValidator(
        new CharacterValidator(&CharacterValidator::discountCharacter, this));
    m_txtDato[Counter::Description]->setValidator(
        new CharacterValidator([](QChar ch) { return Cp1252::canEncode(ch); }, this));
    m_txtDato[Counter::Quantity]->setMaximumWidth(90);
    m_txtDato[Counter::Discount]->setMaximumWidth(90);
    m_txtDato[Counter::Price]->setMaximumWidth(140);
    boxes->setColumnStretch(1, 1);

    m_lblMoney[0] = new LabelButton(c.symbol(), m_frmeBoxs);
    m_lblMoney[0]->setObjectName(QStringLiteral("lblMoney0"));
    m_lblMoney[0]->setToolTip(c.text(Texts::TipMoney));
    m_lblMoney[0]->setFont(fieldFont);
    boxes->addWidget(m_lblMoney[0], 1, 3);
    m_lblAdd = new LabelButton(QStringLiteral("+"), m_frmeBoxs);
    m_lblAdd->setObjectName(QStringLiteral("lblButton0"));
    m_lblAdd->setToolTip(c.text(Texts::TipAdd));
    m_lblAdd->setAlignment(Qt::AlignCenter);
    m_lblAdd->setFixedSize(44, 32);
    QFont addFont = fieldFont;
    addFont.setBold(true);
    addFont.setPointSize(16);
    m_lblAdd->setFont(addFont);
    boxes->addWidget(m_lblAdd, 1, 5);
    panel->addWidget(m_frmeBoxs);

    // Notes at the left, the item list at the right.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(10);
    auto* noteColumn = new QVBoxLayout;
    noteColumn->setSpacing(0);
    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(2);
    for (int i = 0; i < Counter::kNotes; ++i) {
        auto* tab = new LabelButton(c.tabCaption(i), m_frmeCoord);
        tab->setObjectName(QStringLiteral("lblTask%1").arg(i));
        tab->setAlignment(Qt::AlignCenter);
        tab->setMinimumHeight(26);
        tab->setToolTip(i == 0 ? c.text(Texts::TipRecordTab)
                               : c.text(Texts::TipTab) + QString::number(i + 1) + u' ');
        m_lblTask[std::size_t(i)] = tab;
        tabs->addWidget(tab, 1);
    }
    noteColumn->addLayout(tabs);
    m_notes = new QStackedWidget(m_frmeCoord);
    for (int i = 0; i < Counter::kNotes; ++i) {
        auto* list = new QListView(m_notes);
        list->setObjectName(QStringLiteral("lstNote%1").arg(i));
        list->setToolTip(i == 0 ? c.text(Texts::TipRecordNote)
                                : c.text(Texts::TipNote) + QString::number(i + 1) + u' ');
        list->setUniformItemSizes(true);
        list->setFont(monospace(9));
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        list->installEventFilter(this);
        m_noteModels[std::size_t(i)] = new NoteListModel(*m_counter, i, this);
        list->setModel(m_noteModels[std::size_t(i)]);
        m_lstNote[std::size_t(i)] = list;
        m_notes->addWidget(list);
    }
    noteColumn->addWidget(m_notes, 1);
    middle->addLayout(noteColumn, 3);

    auto* itemColumn = new QVBoxLayout;
    itemColumn->setSpacing(2);
    auto* finderRow = new QHBoxLayout;
    m_lblFinder = new LabelButton(c.text(Texts::FinderCaption), m_frmeCoord);
    m_lblFinder->setObjectName(QStringLiteral("lblFinder"));
    m_lblFinder->setToolTip(c.text(Texts::TipFinderLabel));
    m_lblFinder->setMinimumHeight(26);
    finderRow->addWidget(m_lblFinder);
    m_txtFinder = new QLineEdit(m_frmeCoord);
    m_txtFinder->setObjectName(QStringLiteral("txtFinder"));
    m_txtFinder->setToolTip(c.text(Texts::TipFinder));
    m_txtFinder->setVisible(false);
    m_txtFinder->installEventFilter(this);
    finderRow->addWidget(m_txtFinder, 1);
    itemColumn->addLayout(finderRow);
    m_lstItem = new QListView(m_frmeCoord);
    m_lstItem->setObjectName(QStringLiteral("lstItem1"));
    m_lstItem->setToolTip(c.text(Texts::TipItemList));
    m_lstItem->setUniformItemSizes(true);
    m_lstItem->setFont(monospace(9));
    m_lstItem->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstItem->setContextMenuPolicy(Qt::CustomContextMenu);
    m_lstItem->installEventFilter(this);
    m_itemModel = new ItemListModel(c.items(), this);
    m_lstItem->setModel(m_itemModel);
    itemColumn->addWidget(m_lstItem, 1);
    middle->addLayout(itemColumn, 2);
    panel->addLayout(middle, 1);

    // The three amounts.
    m_frmeBottom = new QFrame(m_frmeCoord);
    m_frmeBottom->setObjectName(QStringLiteral("frmeBottom"));
    auto* bottom = new QGridLayout(m_frmeBottom);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setHorizontalSpacing(10);
    bottom->setVerticalSpacing(0);
    QFont amountFont = font();
    amountFont.setPointSize(22);
    amountFont.setBold(true);
    const std::array<Text, 3> amountTitles = {Texts::TitleAmount, Texts::TitleCash, Texts::TitleChange};
    for (int i = 0; i < 3; ++i) {
        auto* title = new LabelButton(c.text(amountTitles[std::size_t(i)]), m_frmeBottom);
        title->setObjectName(QStringLiteral("lblTitle%1").arg(i));
        m_lblTitle[std::size_t(i)] = title;
        bottom->addWidget(title, 0, i);
        auto* box = new QFrame(m_frmeBottom);
        box->setObjectName(QStringLiteral("lblRe%1").arg(i));
        m_lblRe[std::size_t(i)] = nullptr;
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(8, 2, 8, 2);
        auto* money = new LabelButton(c.symbol(), box);
        money->setObjectName(QStringLiteral("lblMoney%1").arg(i + 1));
        money->setFont(amountFont);
        m_lblMoney[std::size_t(i + 1)] = money;
        row->addWidget(money);
        if (i == 1) {
            m_txtTotal2 = new QLineEdit(box);
            m_txtTotal2->setObjectName(QStringLiteral("txtTotal2"));
            m_txtTotal2->setToolTip(c.text(Texts::TipCash));
            m_txtTotal2->setFont(amountFont);
            m_txtTotal2->setAlignment(Qt::AlignRight);
            m_txtTotal2->setFrame(false);
            m_txtTotal2->setValidator(new CharacterValidator(&CharacterValidator::amountCharacter, this));
            m_txtTotal2->installEventFilter(this);
            row->addWidget(m_txtTotal2, 1);
        } else {
            auto* amount = new LabelButton(QStringLiteral("0.00"), box);
            amount->setObjectName(i == 0 ? QStringLiteral("lblTotal1") : QStringLiteral("lblTotal3"));
            amount->setToolTip(c.text(i == 0 ? Texts::TipTotal : Texts::TipChange));
            amount->setFont(amountFont);
            amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            row->addWidget(amount, 1);
            (i == 0 ? m_lblTotal1 : m_lblTotal3) = amount;
        }
        bottom->addWidget(box, 1, i);
    }
    panel->addWidget(m_frmeBottom);

    m_keypad = new Keypad(central);
    m_keypad->setTexts(c.text(Texts::TipCorrect), c.text(Texts::TipCloseKeypad));
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    m_mnuReg = bar->addMenu(m_counter->text(Texts::MenuReg));
    m_mnuReg->setObjectName(QStringLiteral("mnuReg"));
    addAction(m_mnuReg, "mnuAdd", Texts::MenuAdd);
    addAction(m_mnuReg, "mnuQuit", Texts::MenuQuit);
    m_mnuReg->addSeparator();
    addAction(m_mnuReg, "mnuCut", Texts::MenuCut);
    addAction(m_mnuReg, "mnuCount", Texts::MenuCount);
    QMenu* group2 = m_mnuReg->addMenu(m_counter->text(Texts::MenuGroup2));
    group2->setObjectName(QStringLiteral("mnuGroup2"));
    addAction(group2, "mnuSumCard", Texts::MenuSumCard);
    addAction(group2, "mnuNumbCard", Texts::MenuNumbCard);
    group2->addSeparator();
    addAction(group2, "mnuCard", Texts::MenuCard);
    m_mnuReg->addSeparator();
    QMenu* cutZ = m_mnuReg->addMenu(m_counter->text(Texts::MenuCutZ));
    cutZ->setObjectName(QStringLiteral("mnuCutZ"));
    m_mnuCutZ = cutZ->menuAction();
    addAction(cutZ, "mnuPrintSimple", Texts::MenuPrintSimple);
    addAction(cutZ, "mnuPrintCut", Texts::MenuPrintCut);

    m_mnuGral = bar->addMenu(m_counter->text(Texts::MenuGral));
    m_mnuGral->setObjectName(QStringLiteral("mnuGral"));
    m_mnuDel = addAction(m_mnuGral, "mnuDel", Texts::MenuDel);
    m_mnuDel->setVisible(false);
    connect(m_mnuDel, &QAction::triggered, m_counter, &Counter::mnuDel_Click);
    connect(addAction(m_mnuGral, "mnuCancelAll", Texts::MenuCancelAll), &QAction::triggered, m_counter,
            &Counter::eDelBox);
    m_mnuGral->addSeparator();
    connect(addAction(m_mnuGral, "mnuEditNote", Texts::MenuEditNote), &QAction::triggered, m_counter,
            &Counter::mnuEditNote_Click);
    m_mnuGral->addSeparator();
    m_mnuBack = addAction(m_mnuGral, "mnuBack", Texts::MenuBack);
    m_mnuBack->setCheckable(true);
    connect(m_mnuBack, &QAction::triggered, m_counter, &Counter::mnuBack_Click);
    m_mnuTicket = addAction(m_mnuGral, "mnuTicket", Texts::MenuTicket);
    m_mnuTicket->setCheckable(true);
    connect(m_mnuTicket, &QAction::triggered, m_counter, &Counter::mnuTicket_Click);
    m_mnuDouble = addAction(m_mnuGral, "mnuDouble", Texts::MenuDouble);
    m_mnuDouble->setCheckable(true);
    connect(m_mnuDouble, &QAction::triggered, m_counter, &Counter::mnuDouble_Click);
    m_mnuGral->addSeparator();
    addAction(m_mnuGral, "mnuWhereTicket", Texts::MenuWhereTicket);

    m_mnuList = bar->addMenu(m_counter->text(Texts::MenuList));
    m_mnuList->setObjectName(QStringLiteral("mnuList"));
    m_mnuSeeStock = addAction(m_mnuList, "mnuSeeStock", Texts::MenuSeeStock);
    m_mnuSeeStock->setCheckable(true);
    connect(m_mnuSeeStock, &QAction::triggered, m_counter, &Counter::mnuSeeStock_Click);
    connect(addAction(m_mnuList, "mnuCountAll", Texts::MenuCountAll), &QAction::triggered, m_counter,
            &Counter::mnuCountAll_Click);
    m_mnuList->addSeparator();
    connect(addAction(m_mnuList, "mnuEditList", Texts::MenuEditList), &QAction::triggered, m_counter,
            &Counter::eItemToEdit);
    m_mnuList->addSeparator();
    connect(addAction(m_mnuList, "mnuPriceChg0", Texts::MenuRaise), &QAction::triggered, m_counter,
            [this] { m_counter->mnuPriceChg_Click(0); });
    connect(addAction(m_mnuList, "mnuPriceChg1", Texts::MenuLower), &QAction::triggered, m_counter,
            [this] { m_counter->mnuPriceChg_Click(1); });

    m_mnuExtra = bar->addMenu(m_counter->text(Texts::MenuExtra));
    m_mnuExtra->setObjectName(QStringLiteral("mnuExtra"));
    addAction(m_mnuExtra, "mnuButton1", Texts::MenuButton1);
    addAction(m_mnuExtra, "mnuButton2", Texts::MenuButton2);
    addAction(m_mnuExtra, "mnuButton3", Texts::MenuButton3);
    m_mnuExtra->addSeparator();
    addAction(m_mnuExtra, "mnuPrintInfo", Texts::MenuPrintInfo);
    m_mnuExtra->addSeparator();
    connect(addAction(m_mnuExtra, "mnuHangCash", Texts::MenuHangCash), &QAction::triggered, m_counter,
            &Counter::mnuHangCash_Click);
    connect(addAction(m_mnuExtra, "mnuBigCash", Texts::MenuBigCash), &QAction::triggered, m_counter,
            &Counter::mnuBigCash_Click);
    QMenu* currency = m_mnuExtra->addMenu(m_counter->text(Texts::MenuCurrency));
    currency->setObjectName(QStringLiteral("mnuCurrency"));
    const std::array<QString, 3> symbols = {QStringLiteral("$"), QStringLiteral("€"), QStringLiteral("£")};
    for (int i = 0; i < 3; ++i) {
        QAction* a = currency->addAction(symbols[std::size_t(i)]);
        a->setObjectName(QStringLiteral("mMoneda%1").arg(i));
        connect(a, &QAction::triggered, m_counter, [this, i] { m_counter->mMoneda_Click(i); });
    }

    // "Importe": a pop-up menu only, never on the menu bar.
    m_mnuOpc = new QMenu(m_counter->text(Texts::MenuOpc), this);
    m_mnuOpc->setObjectName(QStringLiteral("mnuOpc"));
    QMenu* group = m_mnuOpc->addMenu(m_counter->text(Texts::MenuGroup));
    group->setObjectName(QStringLiteral("mnuGroup"));
    connect(addAction(group, "mnuDesc5", Texts::MenuDesc5), &QAction::triggered, m_counter,
            [this] { m_counter->eDesc(QStringLiteral("5%")); });
    connect(addAction(group, "mnuDesc10", Texts::MenuDesc10), &QAction::triggered, m_counter,
            [this] { m_counter->eDesc(QStringLiteral("10%")); });
    connect(addAction(group, "mnuDesc15", Texts::MenuDesc15), &QAction::triggered, m_counter,
            [this] { m_counter->eDesc(QStringLiteral("15%")); });
    group->addSeparator();
    connect(addAction(group, "mnuDescx", Texts::MenuDescx), &QAction::triggered, m_counter,
            &Counter::mnuDescx_Click);
    connect(addAction(m_mnuOpc, "mnuIVA", Texts::MenuIVA), &QAction::triggered, m_counter,
            &Counter::mnuIVA_Click);
    m_mnuOpc->addSeparator();
    QMenu* moneyIn = m_mnuOpc->addMenu(m_counter->text(Texts::MenuMoneyIn));
    moneyIn->setObjectName(QStringLiteral("mnuMoneyIn"));
    connect(addAction(moneyIn, "mnuCashIn", Texts::MenuCashIn), &QAction::triggered, m_counter,
            &Counter::mnuCashIn_Click);
    connect(addAction(moneyIn, "mnuCardIn", Texts::MenuCardIn), &QAction::triggered, m_counter,
            &Counter::mnuCardIn_Click);
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

void MainWindow::connectSideButtons() {
    Counter* c = m_counter;
    connect(m_lblHelp, &LabelButton::clicked, c, &Counter::lblHelp_Click);
    connect(m_lblMyTip, &LabelButton::clicked, c, &Counter::eTip);
    connect(m_lblCalc, &LabelButton::clicked, c, &Counter::lblCalc_Click);
    connect(findChild<QAction*>(QStringLiteral("mnuButton1")), &QAction::triggered, c,
            &Counter::lblHelp_Click);
    connect(findChild<QAction*>(QStringLiteral("mnuButton2")), &QAction::triggered, c, &Counter::eTip);
    connect(findChild<QAction*>(QStringLiteral("mnuButton3")), &QAction::triggered, c,
            &Counter::lblCalc_Click);
    for (LabelButton* b : {m_lblCalc, m_lblMyTip, m_lblHelp}) {
        connect(b, &LabelButton::pressed, this, [this, b] {
            b->setStyleSheet(QStringLiteral("background:%1; color:%2; font-weight:bold; border:1px solid %3;")
                                 .arg(css(m_theme[3]), css(m_theme.buttonText()), css(m_theme[0])));
        });
        connect(b, &LabelButton::released, this, [this] { applyTheme(m_theme); });
    }
}

void MainWindow::connectModel() {
    Counter* c = m_counter;
    connect(c, &Counter::fieldsChanged, this, &MainWindow::renderFields);
    connect(c, &Counter::amountsChanged, this, &MainWindow::renderAmounts);
    connect(c, &Counter::tabsChanged, this, &MainWindow::renderTabs);
    connect(c, &Counter::noteChanged, this, &MainWindow::renderNote);
    connect(c, &Counter::noteSelectionChanged, this, &MainWindow::renderNoteSelection);
    connect(c, &Counter::currentNoteChanged, this, &MainWindow::renderCurrentNote);
    connect(c, &Counter::menusChanged, this, &MainWindow::renderMenus);
    connect(c, &Counter::itemsChanged, this, &MainWindow::renderItems);
    connect(c, &Counter::itemSelectionChanged, this, &MainWindow::renderItemSelection);
    connect(c, &Counter::finderChanged, this, &MainWindow::renderFinder);
    connect(c, &Counter::priceTitleChanged, this, &MainWindow::renderPriceTitle);
    connect(c, &Counter::focusRequested, this, &MainWindow::applyFocus);
    connect(c, &Counter::popupRequested, this, [this](Counter::Popup which) {
        QMenu* menu = which == Counter::Popup::Amount  ? m_mnuOpc
                      : which == Counter::Popup::Notes ? m_mnuGral
                                                       : m_mnuList;
        QWidget* from = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        menu->popup(from->mapToGlobal(from->rect().center()));
    });
    connect(c, &Counter::calculatorRequested, this, &MainWindow::openCalculator);
    connect(c, &Counter::shopChanged, this, [this] {
        m_lblBrand->setText(m_counter->brand());
        m_lblBrand->setToolTip(m_counter->brandTooltip().isEmpty() ? m_counter->text(Texts::TipBrand)
                                                                   : m_counter->brandTooltip());
        setWindowTitle(m_counter->windowCaption());
        applyTheme(ThemePalette(m_counter->themeColour()));
    });

    for (int k = 0; k < 4; ++k)
        connect(m_txtDato[std::size_t(k)], &QLineEdit::textEdited, c,
                [c, k](const QString& t) { c->setField(k, t); });
    connect(m_txtTotal2, &QLineEdit::textEdited, c, &Counter::setCashText);
    connect(m_txtFinder, &QLineEdit::textEdited, c, &Counter::txtFinder_Change);
    connect(c, &Counter::itemLinesChanged, m_itemModel, &ItemListModel::linesChanged);
    connect(c, &Counter::lookupModeChanged, this, [this] { applyTheme(m_theme); });

    // The add button doubles as the switch of the look-up mode: the right button switches it, the
    // left one turns it off and adds the item.
    connect(m_lblAdd, &LabelButton::pressed, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) m_counter->setLookupMode(false);
        if (b == Qt::RightButton) m_counter->setLookupMode(!m_counter->lookupMode());
        m_lblAdd->setStyleSheet(addButtonStyle(true));
    });
    connect(m_lblAdd, &LabelButton::released, this,
            [this] { m_lblAdd->setStyleSheet(addButtonStyle(m_counter->lookupMode())); });
    connect(m_lblAdd, &LabelButton::clicked, c, [c](Qt::MouseButton b) {
        if (b == Qt::LeftButton) c->ePreFactura();
    });
    connect(m_lblTotal1, &LabelButton::clicked, this, [this] {
        if (m_counter->amountMenuVisible()) popUp(m_mnuOpc);
    });
    connect(m_lblTotal3, &LabelButton::clicked, c, &Counter::eFinal);
    connect(m_lblTitle[2], &LabelButton::clicked, c, &Counter::eFinal);
    connect(m_lblFinder, &LabelButton::clicked, c, &Counter::lblFinder_Click);
    for (int i = 0; i < Counter::kNotes; ++i) {
        connect(m_lblTask[std::size_t(i)], &LabelButton::clicked, this, [this, i] {
            if (m_counter->tabEnabled(i)) m_counter->lblTask_Click(i);
        });
        QListView* list = m_lstNote[std::size_t(i)];
        connect(list, &QListView::clicked, c,
                [c](const QModelIndex& index) { c->lstNote_Click(index.row()); });
        connect(list, &QListView::customContextMenuRequested, this, [this] { popUp(m_mnuGral); });
    }
    connect(m_lstItem, &QListView::clicked, c, [c](const QModelIndex& index) { c->selectItem(index.row()); });
    connect(m_lstItem->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (!m_rendering && index.isValid() && index.row() != m_counter->itemSelected())
                    m_counter->selectItem(index.row());
            });
    connect(m_lstItem, &QListView::doubleClicked, c, [c](const QModelIndex& index) {
        if (c->items().shownLine(index.row()).contains(c->symbol()))
            c->ePreFactura();
        else
            c->showSyntaxMessage();
    });
    connect(m_lstItem, &QListView::customContextMenuRequested, this, [this] { popUp(m_mnuList); });

    // Pressed look of the amount labels: the amount, its currency label and its frame together.
    const auto pressedLook = [this](LabelButton* label, int box) {
        connect(label, &LabelButton::pressed, this, [this, box] {
            const QString pressed = QStringLiteral("background:%1; color:black;").arg(css(m_theme[1]));
            m_lblMoney[std::size_t(box + 1)]->setStyleSheet(pressed);
            (box == 0 ? m_lblTotal1 : m_lblTotal3)->setStyleSheet(pressed);
            m_frmeBottom->findChild<QFrame*>(QStringLiteral("lblRe%1").arg(box))
                ->setStyleSheet(QStringLiteral("#lblRe%1 { background:%2; }").arg(box).arg(css(m_theme[1])));
        });
        connect(label, &LabelButton::released, this, [this] { applyTheme(m_theme); });
    };
    pressedLook(m_lblTotal1, 0);
    pressedLook(m_lblTotal3, 2);
    connect(m_lblTitle[2], &LabelButton::pressed, this, [this] {
        m_lblTitle[2]->setStyleSheet(
            QStringLiteral("background:%1; color:white; font-weight:bold; padding:1px 4px;")
                .arg(css(m_theme[1])));
    });
    connect(m_lblTitle[2], &LabelButton::released, this, [this] { applyTheme(m_theme); });
    // A tab being pressed.
    for (int i = 0; i < Counter::kNotes; ++i) {
        LabelButton* tab = m_lblTask[std::size_t(i)];
        connect(tab, &LabelButton::pressed, this, [this, tab] { tab->setStyleSheet(tabStyle(m_theme[1])); });
        connect(tab, &LabelButton::released, this, &MainWindow::renderTabs);
    }
}

QString MainWindow::addButtonStyle(bool pressed) const {
    return QStringLiteral("background:%1; color:%2; border-radius:4px;")
        .arg(css(m_theme[pressed ? 3 : 2]), css(m_theme.buttonText()));
}

QString MainWindow::tabStyle(Rgb back) const {
    return QStringLiteral(
               "background:%1; color:black; border-top-left-radius:4px; border-top-right-radius:4px;")
        .arg(css(back));
}

void MainWindow::load() {
    // Near-black around the panel; the height follows the screen.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(std::min(1040, area.width()), std::max(560, area.height() - 160));
    }
    m_counter->load();
    renderFields();
    renderAmounts();
    renderTabs();
    for (int n = 0; n < Counter::kNotes; ++n)
        renderNote(n);
    renderCurrentNote(m_counter->currentNote());
    renderMenus();
    renderItems();
    renderFinder();
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

// ---------------------------------------------------------------------------------------------------
// Rendering what the model says

void MainWindow::renderFields() {
    for (int k = 0; k < 4; ++k) {
        QLineEdit* edit = m_txtDato[std::size_t(k)];
        const QString value = m_counter->field(k);
        if (edit->text() != value) edit->setText(value);
    }
}

void MainWindow::renderAmounts() {
    m_lblTotal1->setText(m_counter->totalText());
    if (m_txtTotal2->text() != m_counter->cashText()) m_txtTotal2->setText(m_counter->cashText());
    m_lblTotal3->setText(m_counter->changeText());
    for (int i = 0; i < 4; ++i)
        m_lblMoney[std::size_t(i)]->setText(m_counter->moneyText(i));
}

void MainWindow::renderTabs() {
    const Rgb front{250, 250, 250};
    for (int i = 0; i < Counter::kNotes; ++i) {
        LabelButton* tab = m_lblTask[std::size_t(i)];
        tab->setText(m_counter->tabCaption(i));
        tab->setEnabled(m_counter->tabEnabled(i));
        tab->setStyleSheet(tabStyle(i == m_counter->currentNote() ? front : m_theme[0]));
    }
}

void MainWindow::renderNote(int n) {
    {
        const QScopedValueRollback<bool> guard(m_rendering, true);
        m_noteModels[std::size_t(n)]->refresh();
    }
    renderNoteSelection(n);
}

void MainWindow::renderNoteSelection(int n) {
    const QScopedValueRollback<bool> guard(m_rendering, true);
    QListView* list = m_lstNote[std::size_t(n)];
    const int selected = m_counter->selectedLine(n);
    if (selected >= 0) {
        const QModelIndex index = m_noteModels[std::size_t(n)]->index(selected);
        list->setCurrentIndex(index);
        list->scrollTo(index);
    } else {
        list->clearSelection();
    }
}

void MainWindow::renderCurrentNote(int n) {
    m_notes->setCurrentIndex(n);
    renderTabs();
}

void MainWindow::renderMenus() {
    const Settings& s = m_counter->settings();
    m_mnuBack->setChecked(s.backToRecord);
    m_mnuTicket->setChecked(s.printTickets);
    m_mnuDouble->setChecked(s.doubleTicket);
    m_mnuSeeStock->setChecked(s.seeStock);
    m_mnuDel->setVisible(m_counter->cancelEntryVisible());
    m_mnuDel->setText(m_counter->cancelEntryCaption());
    m_mnuCutZ->setEnabled(m_counter->cutMenuEnabled());
    m_mnuOpc->menuAction()->setVisible(m_counter->amountMenuVisible());
    for (QAction* a : m_mnuOpc->findChildren<QAction*>())
        if (!a->menu()) a->setEnabled(m_counter->amountMenuVisible());
}

void MainWindow::renderItems() {
    {
        const QScopedValueRollback<bool> guard(m_rendering, true);
        m_itemModel->refresh();
    }
    renderItemSelection();
}

void MainWindow::renderItemSelection() {
    const QScopedValueRollback<bool> guard(m_rendering, true);
    const int row = m_counter->itemSelected();
    if (row >= 0) {
        const QModelIndex index = m_itemModel->index(row);
        m_lstItem->setCurrentIndex(index);
        m_lstItem->scrollTo(index);
    }
}

void MainWindow::renderFinder() {
    m_txtFinder->setVisible(m_counter->finderVisible());
    if (m_txtFinder->text() != m_counter->finderText()) m_txtFinder->setText(m_counter->finderText());
}

void MainWindow::renderPriceTitle() {
    m_lblTitle[7]->setText(m_counter->priceTitle());
}

void MainWindow::applyFocus(Counter::Focus target) {
    QWidget* widget = nullptr;
    switch (target) {
    case Counter::Focus::Quantity:
        widget = m_txtDato[Counter::Quantity];
        break;
    case Counter::Focus::Description:
        widget = m_txtDato[Counter::Description];
        break;
    case Counter::Focus::Discount:
        widget = m_txtDato[Counter::Discount];
        break;
    case Counter::Focus::Price:
        widget = m_txtDato[Counter::Price];
        break;
    case Counter::Focus::Cash:
        widget = m_txtTotal2;
        break;
    case Counter::Focus::Note:
        widget = m_lstNote[std::size_t(m_counter->currentNote())];
        break;
    case Counter::Focus::ItemList:
        widget = m_lstItem->isVisible() || !isVisible() ? static_cast<QWidget*>(m_lstItem)
                                                        : m_txtDato[Counter::Description];
        break;
    case Counter::Focus::Finder:
        widget = m_txtFinder;
        break;
    }
    if (!widget) return;
    if (!isVisible()) {
        m_pendingFocus = widget; // the load leaves the focus here; it is given once the window shows
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (target == Counter::Focus::Finder) m_txtFinder->selectAll();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_pendingFocus) m_pendingFocus = m_lstNote[std::size_t(m_counter->currentNote())];
    QWidget* target = m_pendingFocus;
    m_pendingFocus = nullptr;
    target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::popUp(QMenu* menu) {
    menu->popup(QCursor::pos());
}

void MainWindow::applyTheme(const ThemePalette& colours) {
    m_theme = colours;
    const QString light = css(colours[0]);
    const QString base = css(colours[2]);
    const QString dark = css(colours[4]);
    const QString buttonText = css(colours.buttonText());
    centralWidget()->setStyleSheet(QStringLiteral("#shpFond { background:%1; }").arg(css(colours[5])));
    m_frmeCoord->setStyleSheet(QStringLiteral("#frmeCoord { background:%1; border-radius:6px; }").arg(base));
    m_frmeBoxs->setStyleSheet(QStringLiteral("#frmeBoxs { background:%1; border-radius:4px; }").arg(light));
    m_frmeBottom->setStyleSheet(QStringLiteral("#frmeBottom { background:%1; }").arg(base));
    m_lblBrand->setStyleSheet(QStringLiteral("color:%1;").arg(light));
    for (LabelButton* b : {m_lblCalc, m_lblMyTip, m_lblHelp})
        b->setStyleSheet(QStringLiteral("background:%1; color:%2; font-weight:bold; border:1px solid %3;")
                             .arg(base, buttonText, light));
    for (QLineEdit* edit : m_txtDato)
        edit->setStyleSheet(QStringLiteral("background:white; color:black;"));
    for (int i = 0; i < 8; ++i)
        if (m_lblTitle[std::size_t(i)])
            m_lblTitle[std::size_t(i)]->setStyleSheet(
                QStringLiteral("background:%1; color:white; font-weight:bold; padding:1px 4px;").arg(dark));
    const QString amountStyle = QStringLiteral("background:%1; color:black;").arg(light);
    for (QWidget* w : {static_cast<QWidget*>(m_lblTotal1), static_cast<QWidget*>(m_txtTotal2),
                       static_cast<QWidget*>(m_lblTotal3)})
        w->setStyleSheet(amountStyle);
    for (LabelButton* money : m_lblMoney)
        money->setStyleSheet(amountStyle);
    for (int i = 0; i < 3; ++i)
        m_frmeBottom->findChild<QFrame*>(QStringLiteral("lblRe%1").arg(i))
            ->setStyleSheet(QStringLiteral("#lblRe%1 { background:%2; }").arg(i).arg(light));
    m_lblAdd->setStyleSheet(
        QStringLiteral("background:%1; color:%2; border-radius:4px;").arg(base, buttonText));
    m_lblFinder->setStyleSheet(QStringLiteral("color:white; font-weight:bold;"));
    m_keypad->applyTheme(colours);
    QPalette p = palette();
    p.setColor(QPalette::Window, toColor(Rgb{10, 10, 10}));
    setPalette(p);
    menuBar()->setStyleSheet(QStringLiteral("QMenuBar { background:%1; color:white; }"
                                            "QMenuBar::item:selected { background:%2; }")
                                 .arg(dark, base));
    renderTabs();
}

// ---------------------------------------------------------------------------------------------------
// Focus handlers of the fields

int MainWindow::fieldIndex(QObject* watched) const {
    for (int k = 0; k < 4; ++k)
        if (watched == m_txtDato[std::size_t(k)]) return k;
    return -1;
}

int MainWindow::keyControl(QObject* watched) const {
    const int k = fieldIndex(watched);
    if (k >= 0) return k + KeyRouter::Quantity;
    if (watched == m_txtTotal2) return KeyRouter::Cash;
    if (watched == m_lstItem) return KeyRouter::ItemList;
    for (QListView* list : m_lstNote)
        if (watched == list) return KeyRouter::NoteList;
    return 0;
}

bool MainWindow::routeKey(QObject* watched, QKeyEvent* event) {
    if (watched == m_txtFinder) {
        if (int code = KeyCodes::virtualKey(event); code != 0) {
            m_router->finderKeyDown(code, KeyCodes::shiftState(event->modifiers()));
            if (code == 0) return true;
        }
        int typed = KeyCodes::typedCharacter(event);
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            event->modifiers().testFlag(Qt::ControlModifier))
            typed = 10;
        if (typed != 0) {
            m_router->finderKeyPress(typed);
            if (typed == 0) return true;
        }
        return false;
    }
    const int control = keyControl(watched);
    if (control == 0) return false;
    if (int code = KeyCodes::virtualKey(event); code != 0) {
        m_router->eMyKeyDown(code, KeyCodes::shiftState(event->modifiers()), control);
        if (code == 0) return true;
    }
    if (int typed = KeyCodes::typedCharacter(event); typed != 0) {
        m_router->eMyKeyPress(typed, control);
        if (typed == 0) return true;
    }
    return false;
}

void MainWindow::placeKeypad(QWidget* field) {
    QWidget* area = centralWidget();
    const QRect r(field->mapTo(area, QPoint(0, 0)), field->size());
    QPoint at(r.left(), r.bottom() + 1 + 60 / 15);
    if (field == m_txtFinder) at.setY(r.bottom() + 1 + 380 / 15);
    if (field == m_txtTotal2)
        at.setY(m_frmeBottom->mapTo(area, QPoint(0, 0)).y() - m_keypad->height() - 60 / 15);
    at.setX(std::clamp(at.x(), 0, std::max(0, area->width() - m_keypad->width())));
    at.setY(std::clamp(at.y(), 0, std::max(0, area->height() - m_keypad->height())));
    m_keypad->showAt(at);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && routeKey(watched, static_cast<QKeyEvent*>(event))) return true;
    if (event->type() == QEvent::MouseButtonDblClick) {
        const int field = fieldIndex(watched);
        if ((field >= 0 && field != Counter::Description) || watched == m_txtTotal2 || watched == m_txtFinder)
            placeKeypad(static_cast<QWidget*>(watched));
    }
    const int k = fieldIndex(watched);
    const bool focusEvent = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
    if (focusEvent) {
        // A message box or a menu taking the keyboard for a moment is no move between the fields.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        if (k >= 0) {
            m_counter->fieldFocusIn(k);
            if (k != Counter::Discount) {
                QLineEdit* edit = m_txtDato[std::size_t(k)];
                edit->selectAll();
                QTimer::singleShot(0, edit, [edit] {
                    if (edit->hasFocus()) edit->selectAll();
                });
            }
        } else if (watched == m_txtTotal2) {
            m_counter->cashFocusIn();
            m_txtTotal2->selectAll();
            QTimer::singleShot(0, m_txtTotal2, [this] {
                if (m_txtTotal2->hasFocus()) m_txtTotal2->selectAll();
            });
        } else if (watched == m_txtFinder) {
            m_txtFinder->end(false);
        }
    } else if (event->type() == QEvent::FocusOut) {
        if (k >= 0)
            m_counter->fieldFocusOut(k);
        else if (watched == m_txtTotal2)
            m_counter->cashFocusOut();
        else if (watched == m_txtFinder)
            m_counter->txtFinder_FocusOut();
        if ((k >= 0 && k != Counter::Description) || watched == m_txtTotal2 || watched == m_txtFinder)
            m_keypad->hide();
    }
    return QMainWindow::eventFilter(watched, event);
}
