#include "ReportsWindow.h"

#include "core/base/Numbers.h"
#include "core/base/Ports.h"
#include "core/base/TextFile.h"
#include "core/counter/Counter.h"
#include "core/history/HistoryTexts.h"
#include "core/history/PastTicket.h"
#include "core/history/RegisterFiles.h"
#include "core/history/ReportDocument.h"
#include "core/history/ReportFolders.h"
#include "core/history/ReportTables.h"
#include "core/note/Notes.h"
#include "core/printing/PrinterSettings.h"
#include "core/printing/ReportPrinter.h"
#include "core/printing/TicketPrinter.h"
#include "core/register/RegisterBook.h"
#include "core/shop/Contrast.h"
#include "core/shop/Currency.h"
#include "core/shop/ShopInfo.h"
#include "ui/reports/ReportCharts.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"
#include "ui/widgets/ThemeStyle.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The best sellers the window lists; the export holds them all.
constexpr int kListed = 100;

const std::array<Text, 7> kPeriodNames = {
    HistoryTexts::Today,     HistoryTexts::Yesterday, HistoryTexts::ThisWeek, HistoryTexts::ThisMonth,
    HistoryTexts::LastMonth, HistoryTexts::ThisYear,  HistoryTexts::Range};

QTableWidget* table(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* t = new QTableWidget(0, int(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return t;
}

// The cells of a row; numbers (from column `numbers` on) flush right.
void setRow(QTableWidget* t, int row, const QStringList& cells, int numbers = 1) {
    for (int c = 0; c < int(cells.size()); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c >= numbers) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t->setItem(row, c, item);
    }
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

ReportsWindow::ReportsWindow(Counter& counter, Dialogs& dialogs, const ThemePalette& palette, QWidget* parent)
    : QMainWindow(parent), m_counter(counter), m_dialogs(dialogs), m_palette(palette) {
    setObjectName(QStringLiteral("frmReports"));
    setWindowTitle(counter.text(HistoryTexts::Title));
    m_chooseFolder = [this](const QString& title, const QString& start) {
        return QFileDialog::getExistingDirectory(this, title, start);
    };
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("shpReports"));
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildTop());
    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("tabReports"));
    m_tabs->addTab(buildSummary(), counter.text(Captions::ReportSummaryTab));
    m_tabs->addTab(buildBestSellers(), counter.text(Captions::ReportBestTab));
    m_tabs->addTab(buildSales(), counter.text(Captions::ReportSalesTab));
    layout->addWidget(m_tabs, 1);
    m_lblStatus = new QLabel(central);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    layout->addWidget(m_lblStatus);
    buildMenus();
    // A sale closed while the window is open shows in it a moment later.
    m_refresh = new QTimer(this);
    m_refresh->setSingleShot(true);
    m_refresh->setInterval(200);
    connect(m_refresh, &QTimer::timeout, this, [this] {
        if (!loaded() || !isVisible()) return;
        if (m_counter.book().registerDate() != sources().first().memoryDate) {
            reload();
            return;
        }
        m_history->refreshMemory(m_counter.notes().record());
        render();
    });
    connect(&m_counter.notes(), &Notes::changed, this, [this](int n) {
        if (n == 0) m_refresh->start();
    });
    resize(1000, 700);
    applyTheme(palette);
}

ReportsWindow::~ReportsWindow() {
    if (m_thread) {
        m_stop->store(true);
        m_thread->disconnect(this);
        m_thread->wait();
        delete m_thread;
    }
}

void ReportsWindow::buildMenus() {
    Counter& c = m_counter;
    QMenu* menu = menuBar()->addMenu(c.text(Captions::ReportMenu));
    menu->setObjectName(QStringLiteral("mnuReport"));
    const std::array<std::pair<const char*, Text>, 7> periods = {{{"mnuToday", Captions::ReportToday},
                                                                  {"mnuYesterday", Captions::ReportYesterday},
                                                                  {"mnuThisWeek", Captions::ReportThisWeek},
                                                                  {"mnuThisMonth", Captions::ReportThisMonth},
                                                                  {"mnuLastMonth", Captions::ReportLastMonth},
                                                                  {"mnuThisYear", Captions::ReportThisYear},
                                                                  {"mnuRange", Captions::ReportRange}}};
    for (int i = 0; i < int(periods.size()); ++i) {
        const auto& [name, caption] = periods[std::size_t(i)];
        QAction* a =
            addMenuEntry(menu, name, c.text(caption), QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)));
        connect(a, &QAction::triggered, this, [this, i] {
            setPeriod(Period::Kind(i));
            if (Period::Kind(i) == Period::Kind::Range) m_dtFrom->setFocus(Qt::ShortcutFocusReason);
        });
    }
    menu->addSeparator();
    connect(
        addMenuEntry(menu, "mnuExport", c.text(Captions::ReportExport), QKeySequence(Qt::CTRL | Qt::Key_E)),
        &QAction::triggered, this, &ReportsWindow::exportCsv);
    connect(addMenuEntry(menu, "mnuPrintReport", c.text(Captions::ReportPrint),
                         QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &ReportsWindow::printReport);
    menu->addSeparator();
    connect(addMenuEntry(menu, "mnuAddFolder", c.text(Captions::ReportAddFolder)), &QAction::triggered, this,
            &ReportsWindow::addFolder);
    connect(addMenuEntry(menu, "mnuRemoveFolders", c.text(Captions::ReportRemoveFolders)),
            &QAction::triggered, this, &ReportsWindow::removeFolders);
    menu->addSeparator();
    connect(
        addMenuEntry(menu, "mnuCloseReports", c.text(Captions::ReportClose), QKeySequence(Qt::Key_Escape)),
        &QAction::triggered, this, &QWidget::close);
    addShortcutsTo(this, menu);
}

QWidget* ReportsWindow::buildTop() {
    Counter& c = m_counter;
    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("frmeTop"));
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    m_cboPeriod = new QComboBox(top);
    m_cboPeriod->setObjectName(QStringLiteral("cboPeriod"));
    for (const Text& name : kPeriodNames)
        m_cboPeriod->addItem(c.text(name));
    connect(m_cboPeriod, &QComboBox::activated, this, [this](int i) { setPeriod(Period::Kind(i)); });
    const auto dateEdit = [top](const char* name) {
        auto* d = new QDateEdit(top);
        d->setObjectName(QString::fromLatin1(name));
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
        return d;
    };
    m_dtFrom = dateEdit("dtFrom");
    m_dtTo = dateEdit("dtTo");
    for (QDateEdit* d : {m_dtFrom, m_dtTo})
        connect(d, &QDateEdit::dateChanged, this, [this] {
            if (m_dtFrom->hasFocus() || m_dtTo->hasFocus()) setPeriod(Period::Kind::Range);
        });
    m_cboFolder = new QComboBox(top);
    m_cboFolder->setObjectName(QStringLiteral("cboFolder"));
    m_cboFolder->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_cboFolder, &QComboBox::activated, this, [this] { render(); });
    row->addWidget(buddyLabel(c.text(Captions::ReportPeriod), m_cboPeriod, top));
    row->addWidget(m_cboPeriod);
    row->addWidget(buddyLabel(c.text(Captions::ReportFrom), m_dtFrom, top));
    row->addWidget(m_dtFrom);
    row->addWidget(buddyLabel(c.text(Captions::ReportTo), m_dtTo, top));
    row->addWidget(m_dtTo);
    row->addStretch(1);
    row->addWidget(buddyLabel(c.text(Captions::ReportFolder), m_cboFolder, top));
    row->addWidget(m_cboFolder);
    return top;
}

QWidget* ReportsWindow::buildSummary() {
    Counter& c = m_counter;
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("pageSummary"));
    auto* row = new QHBoxLayout(page);
    m_tblFigures = table(
        QStringLiteral("tblFigures"),
        {c.text(HistoryTexts::Figure), c.text(HistoryTexts::Number), c.text(HistoryTexts::Amount)}, page);
    m_tblFigures->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tblFigures->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto* charts = new QVBoxLayout;
    for (QChartView** view : {&m_chartDays, &m_chartHours}) {
        *view = new QChartView(new QChart, page);
        (*view)->setRenderHint(QPainter::Antialiasing);
        (*view)->setFocusPolicy(Qt::NoFocus);
        (*view)->setMinimumSize(360, 200);
        charts->addWidget(*view, 1);
    }
    m_chartDays->setObjectName(QStringLiteral("chartDays"));
    m_chartHours->setObjectName(QStringLiteral("chartHours"));
    row->addWidget(m_tblFigures, 0);
    row->addLayout(charts, 1);
    return page;
}

QWidget* ReportsWindow::buildBestSellers() {
    Counter& c = m_counter;
    auto* page = new QSplitter(Qt::Horizontal, this);
    page->setObjectName(QStringLiteral("pageBest"));
    const QStringList headers = {c.text(HistoryTexts::Description), c.text(HistoryTexts::Quantity),
                                 c.text(HistoryTexts::Amount)};
    for (auto [slot, name, title] :
         {std::tuple(&m_tblByQuantity, "tblByQuantity", HistoryTexts::BestByQuantity),
          std::tuple(&m_tblByAmount, "tblByAmount", HistoryTexts::BestByAmount)}) {
        auto* box = new QWidget(page);
        auto* column = new QVBoxLayout(box);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(new QLabel(c.text(title), box));
        *slot = table(QString::fromLatin1(name), headers, box);
        column->addWidget(*slot, 1);
        page->addWidget(box);
    }
    return page;
}

QWidget* ReportsWindow::buildSales() {
    Counter& c = m_counter;
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("pageSales"));
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    m_dtDay = new QDateEdit(page);
    m_dtDay->setObjectName(QStringLiteral("dtDay"));
    m_dtDay->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_dtDay->setCalendarPopup(true);
    connect(m_dtDay, &QDateEdit::dateChanged, this, [this] { renderSales(); });
    top->addWidget(buddyLabel(c.text(Captions::ReportDay), m_dtDay, page));
    top->addWidget(m_dtDay);
    top->addStretch(1);
    m_btnReprint = new QPushButton(c.text(Captions::MenuReprintSale), page);
    m_btnReprint->setObjectName(QStringLiteral("btnReprint"));
    connect(m_btnReprint, &QPushButton::clicked, this, &ReportsWindow::reprintSale);
    top->addWidget(m_btnReprint);
    layout->addLayout(top);
    auto* split = new QSplitter(Qt::Horizontal, page);
    m_tblSales =
        table(QStringLiteral("tblSales"),
              {c.text(HistoryTexts::Time), c.text(HistoryTexts::Folder), c.text(HistoryTexts::Payment),
               c.text(HistoryTexts::Amount), c.text(HistoryTexts::Items)},
              split);
    connect(m_tblSales, &QTableWidget::currentCellChanged, this, [this] { renderSaleLines(); });
    m_lstSaleLines = new QListWidget(split);
    m_lstSaleLines->setObjectName(QStringLiteral("lstSaleLines"));
    split->addWidget(m_tblSales);
    split->addWidget(m_lstSaleLines);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
    return page;
}

QList<History::Source> ReportsWindow::sources() const {
    const QString own = m_counter.dataDir();
    QList<History::Source> list = {
        {own, m_counter.book().registerDate(), m_counter.book().filePath(), m_counter.notes().record()}};
    for (const QString& folder : ReportFolders::read(own))
        if (!ReportFolders::same(folder, own)) list.append({folder, {}, {}, {}});
    return list;
}

void ReportsWindow::reload() {
    read(sources());
}

void ReportsWindow::read(const QList<History::Source>& sources) {
    if (m_reading) {
        // One read at a time; the newest wish is read once the running one ends.
        m_stop->store(true);
        m_rereadAfter = true;
        return;
    }
    m_reading = true;
    m_lblStatus->setText(m_counter.text(HistoryTexts::Reading));
    m_stop = std::make_shared<std::atomic<bool>>(false);
    auto result = std::make_shared<std::optional<History>>();
    const std::shared_ptr<std::atomic<bool>> stop = m_stop;
    m_thread = QThread::create([sources, stop, result] { *result = History::read(sources, stop.get()); });
    connect(m_thread, &QThread::finished, this, [this, result] {
        m_thread->deleteLater();
        m_thread = nullptr;
        m_reading = false;
        if (m_rereadAfter) {
            m_rereadAfter = false;
            reload();
            return;
        }
        m_history = std::move(*result);
        render();
        Q_EMIT historyShown();
    });
    m_thread->start();
}

Period ReportsWindow::period() const {
    return Period::of(m_kind, m_counter.book().registerDate(), m_dtFrom->date(), m_dtTo->date());
}

void ReportsWindow::setPeriod(Period::Kind kind) {
    m_kind = kind;
    render();
}

int ReportsWindow::folder() const {
    return m_cboFolder->currentIndex() - 1;
}

void ReportsWindow::render() {
    const Period p = period();
    {
        const QSignalBlocker a(m_dtFrom), b(m_dtTo), c(m_cboPeriod);
        m_dtFrom->setDate(p.first);
        m_dtTo->setDate(p.last);
        m_cboPeriod->setCurrentIndex(int(m_kind));
    }
    if (!m_history) return;
    const History& h = *m_history;
    const Language& language = m_counter.language();
    if (const int unread = h.unreadable(); unread > 0)
        m_lblStatus->setText(unread == 1
                                 ? language(HistoryTexts::OneUnreadable)
                                 : QString::number(unread) + u' ' + language(HistoryTexts::Unreadable));
    else
        m_lblStatus->clear();
    if (m_cboFolder->count() != h.folderCount() + 1) {
        const QSignalBlocker block(m_cboFolder);
        m_cboFolder->clear();
        m_cboFolder->addItem(language(HistoryTexts::AllFolders));
        for (int f = 0; f < h.folderCount(); ++f) {
            m_cboFolder->addItem(ReportTables::folderName(h.folder(f)));
            m_cboFolder->setItemData(f + 1, QDir::toNativeSeparators(h.folder(f)), Qt::ToolTipRole);
        }
    }
    const int f = folder();
    const QString& symbol = m_counter.currency().symbol();
    const QList<ReportTables::FigureRow> rows = ReportTables::figureRows(h.figures(p, f), language);
    m_tblFigures->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const ReportTables::FigureRow& row = rows[r];
        QString amount = row.amount ? ReportTables::money(*row.amount, symbol) : QString();
        if (row.expected)
            amount += QStringLiteral(" (") + language(HistoryTexts::Expected) + u' ' +
                      ReportTables::money(*row.expected, symbol) + u')';
        if (row.difference)
            amount += (amount.isEmpty() ? QString() : QStringLiteral(" ")) +
                      language(HistoryTexts::Difference) + u' ' +
                      ReportTables::money(*row.difference, symbol);
        setRow(m_tblFigures, r, {row.label, row.count ? QString::number(*row.count) : QString(), amount});
    }
    // The table as wide as its columns, the charts take the rest.
    m_tblFigures->setFixedWidth(m_tblFigures->horizontalHeader()->length() + 2 * m_tblFigures->frameWidth() +
                                4);
    const ChartLook look = ChartLook::of(m_palette);
    ReportCharts::showDays(m_chartDays->chart(), h.perDay(p, f), p.days() > History::kLongestDaily, look,
                           language);
    ReportCharts::showHours(m_chartHours->chart(), h.perHour(p, f), look, language);
    for (auto [t, order] : {std::pair(m_tblByQuantity, History::Order::Quantity),
                            std::pair(m_tblByAmount, History::Order::Amount)}) {
        const QList<History::BestSeller> best = h.bestSellers(p, f, order);
        t->setRowCount(int(std::min<qsizetype>(best.size(), kListed)));
        for (int r = 0; r < t->rowCount(); ++r)
            setRow(t, r,
                   {best[r].description, Numbers::plain(best[r].quantity),
                    ReportTables::money(best[r].amount, symbol)});
    }
    {
        // The day's list shows the period's last day until another day of the period is chosen.
        const QSignalBlocker block(m_dtDay);
        const bool inside = p.contains(m_dtDay->date());
        m_dtDay->setDateRange(p.first, p.last);
        if (!inside) m_dtDay->setDate(p.last);
    }
    renderSales();
}

void ReportsWindow::renderSales() {
    if (!m_history) return;
    const QDate day = m_dtDay->date();
    m_dayRows = m_history->sales({day, day}, folder());
    const QSignalBlocker block(m_tblSales);
    m_tblSales->setRowCount(int(m_dayRows.size()));
    const Language& language = m_counter.language();
    const QString& symbol = m_counter.currency().symbol();
    for (int r = 0; r < int(m_dayRows.size()); ++r) {
        const SalesDay::SaleRow& row = m_dayRows[r];
        setRow(m_tblSales, r,
               {row.time, ReportTables::folderName(m_history->folder(row.folder)),
                language(row.card ? HistoryTexts::Card : HistoryTexts::Cash),
                ReportTables::money(row.amount, symbol), QString::number(row.items)},
               3);
    }
    m_tblSales->setColumnHidden(1, m_history->folderCount() < 2); // the folder, when there are several
    m_tblSales->setCurrentCell(m_dayRows.isEmpty() ? -1 : 0, 0);
    renderSaleLines();
}

void ReportsWindow::renderSaleLines() {
    m_lstSaleLines->clear();
    const int r = m_tblSales->currentRow();
    m_btnReprint->setEnabled(r >= 0 && r < int(m_dayRows.size()));
    if (!m_history || !m_btnReprint->isEnabled()) return;
    if (const std::optional<SalesDay::PastSale> sale = m_history->sale(m_dayRows[r])) {
        m_lstSaleLines->addItems(sale->lines);
        m_lstSaleLines->addItem(sale->totalLine);
    }
}

void ReportsWindow::say(const QString& text, bool warning) {
    m_dialogs.message(text, warning ? Dialogs::Icon::Warning : Dialogs::Icon::Information);
}

void ReportsWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    reload();
}

void ReportsWindow::applyTheme(const ThemePalette& palette) {
    m_palette = palette;
    const Ink ink{Contrast::textOn(palette[2]), palette[2]};
    centralWidget()->setStyleSheet(QStringLiteral("#shpReports { background:%1; } #shpReports > QLabel, "
                                                  "#frmeTop > QLabel { color:%2; }")
                                       .arg(ThemeStyle::css(ink.back), ThemeStyle::css(ink.text)));
    menuBar()->setStyleSheet(ThemeStyle(palette).menuBar());
    render();
}
