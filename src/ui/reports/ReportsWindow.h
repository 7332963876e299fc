#pragma once

#include "core/history/History.h"
#include "core/shop/ThemePalette.h"

#include <QMainWindow>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class Counter;
class Dialogs;
class QChart;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QThread;
class QTimer;

// The reports: the sales history of the shop's folder and of the other tills' folders added to it,
// for a period, as figures, two charts, best sellers and the sales of a day with their lines. The
// history is read on a worker thread while the window keeps answering; a period is then added up at
// once. It exports CSV files, prints the report and reprints a past sale's ticket. One window lives
// for the whole run, like the calculator.
class ReportsWindow : public QMainWindow {
    Q_OBJECT

public:
    ReportsWindow(Counter& counter, Dialogs& dialogs, const ThemePalette& palette, QWidget* parent = nullptr);
    ~ReportsWindow() override;

    // Reads the history again (the counter's register from memory) and shows the period chosen.
    void reload();
    bool loaded() const { return m_history.has_value() && !m_reading; }
    void setPeriod(Period::Kind kind);
    Period period() const;
    void applyTheme(const ThemePalette& palette);

    // Where the exports go and which folder is added: asked with the desktop's folder dialog; a test
    // answers in its place. An empty answer cancels.
    using FolderChooser = std::function<QString(const QString& title, const QString& start)>;
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }

    void exportCsv();
    void printReport();
    void addFolder();
    void removeFolders();
    void reprintSale();

Q_SIGNALS:
    void historyShown(); // the figures, charts and lists show a history just read

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildTop();
    QWidget* buildSummary();
    QWidget* buildBestSellers();
    QWidget* buildSales();
    void read(const QList<History::Source>& sources);
    void render();
    void renderSales();
    void renderSaleLines();
    void say(const QString& text, bool warning = false);
    int folder() const;
    QList<History::Source> sources() const;

    Counter& m_counter;
    Dialogs& m_dialogs;
    ThemePalette m_palette;
    FolderChooser m_chooseFolder;
    std::optional<History> m_history;
    bool m_reading = false;
    bool m_rereadAfter = false;
    QThread* m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_stop;
    QTimer* m_refresh = nullptr;
    Period::Kind m_kind = Period::Kind::ThisMonth;

    QComboBox* m_cboPeriod = nullptr;
    QDateEdit* m_dtFrom = nullptr;
    QDateEdit* m_dtTo = nullptr;
    QComboBox* m_cboFolder = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableWidget* m_tblFigures = nullptr;
    QChartView* m_chartDays = nullptr;
    QChartView* m_chartHours = nullptr;
    QTableWidget* m_tblByQuantity = nullptr;
    QTableWidget* m_tblByAmount = nullptr;
    QDateEdit* m_dtDay = nullptr;
    QTableWidget* m_tblSales = nullptr;
    QListWidget* m_lstSaleLines = nullptr;
    QPushButton* m_btnReprint = nullptr;
    QLabel* m_lblStatus = nullptr;
    QList<SalesDay::SaleRow> m_dayRows;
};
