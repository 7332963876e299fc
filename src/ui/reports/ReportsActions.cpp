// What the reports window does with what it shows: the CSV export, the printed report, the reprint of a
// past sale's ticket, and the other tills' folders.
#include "ReportsWindow.h"

#include "core/base/Ports.h"
#include "core/base/TextFile.h"
#include "core/counter/Counter.h"
#include "core/history/HistoryTexts.h"
#include "core/history/PastTicket.h"
#include "core/history/RegisterFiles.h"
#include "core/history/ReportDocument.h"
#include "core/history/ReportFolders.h"
#include "core/history/ReportTables.h"
#include "core/printing/PrinterSettings.h"
#include "core/printing/ReportPrinter.h"
#include "core/printing/TicketPrinter.h"
#include "core/shop/Currency.h"
#include "core/shop/ShopInfo.h"
#include "ui/reports/ReportCharts.h"
#include "ui/widgets/Captions.h"

#include <QChart>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>

namespace {

const QString kExportFolder = QStringLiteral("reports/exportFolder");

} // namespace

void ReportsWindow::reprintSale() {
    const int r = m_tblSales->currentRow();
    if (!m_history || r < 0 || r >= int(m_dayRows.size())) return;
    const SalesDay::SaleRow& row = m_dayRows[r];
    if (const std::optional<SalesDay::PastSale> sale = m_history->sale(row))
        m_counter.tickets().reprint(PastTicket::saleOf(*sale), row.date);
}

void ReportsWindow::exportCsv() {
    if (!m_history) return;
    const QString own = m_counter.dataDir();
    QSettings settings(QDir(own).filePath(PrinterSettings::kFileName), QSettings::IniFormat);
    const QString start =
        settings.value(kExportFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .toString();
    const QString target = m_chooseFolder(m_counter.text(Captions::ReportExportTitle), start);
    if (target.isEmpty()) return;
    settings.setValue(kExportFolder, target);
    const Language& language = m_counter.language();
    const Period p = period();
    const QString prefix = language(HistoryTexts::Title) + u' ' + p.first.toString(Qt::ISODate) + u'_' +
                           p.last.toString(Qt::ISODate) + u' ';
    const QList<std::pair<Text, QList<QStringList>>> tables = {
        {HistoryTexts::FiguresFile, ReportTables::figuresTable(*m_history, p, language)},
        {HistoryTexts::BestSellersFile, ReportTables::bestSellersTable(*m_history, p, folder(), language)},
        {HistoryTexts::SalesFile, ReportTables::salesTable(*m_history, p, folder(), language)}};
    QStringList written;
    for (const auto& [name, rows] : tables) {
        const QString path = QDir(target).filePath(prefix + language(name) + QStringLiteral(".csv"));
        if (!TextFile::save(path, ReportTables::csv(rows))) {
            say(language(HistoryTexts::ExportFailed), true);
            return;
        }
        written << QDir::toNativeSeparators(path);
    }
    say(language(HistoryTexts::Exported) + u'\n' + written.join(u'\n'));
}

void ReportsWindow::printReport() {
    if (!m_history) return;
    const Period p = period();
    const int f = folder();
    const Language& language = m_counter.language();
    const ChartLook look = ChartLook::printed();
    auto* days = new QChart;
    ReportCharts::showDays(days, m_history->perDay(p, f), p.days() > History::kLongestDaily, look, language);
    auto* hours = new QChart;
    ReportCharts::showHours(hours, m_history->perHour(p, f), look, language);
    ReportDocument::Data report;
    report.shopName = m_counter.shop().brand;
    report.period = p;
    report.folderName = m_cboFolder->currentText();
    report.printedAt = QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    report.figures = m_history->figures(p, f);
    report.bestSellers = m_history->bestSellers(p, f);
    report.charts = {ReportCharts::picture(days, 800, 450), ReportCharts::picture(hours, 800, 360)};
    report.symbol = m_counter.currency().symbol();
    report.language = language;
    m_counter.reports().printSalesReport(ReportDocument::build(report));
}

void ReportsWindow::addFolder() {
    const Language& language = m_counter.language();
    const QString folder = m_chooseFolder(m_counter.text(Captions::ReportFolderTitle), QDir::homePath());
    if (folder.isEmpty()) return;
    const QString own = m_counter.dataDir();
    QStringList folders = ReportFolders::read(own);
    if (ReportFolders::same(folder, own) ||
        std::any_of(folders.begin(), folders.end(),
                    [&](const QString& f) { return ReportFolders::same(f, folder); })) {
        say(language(HistoryTexts::FolderKept));
        return;
    }
    const RegisterFiles::Scan scan = RegisterFiles::scan(folder);
    if (scan.files.isEmpty() && scan.odd.isEmpty()) {
        say(language(HistoryTexts::NotAShopFolder));
        return;
    }
    folders.append(folder);
    ReportFolders::write(own, folders);
    reload();
}

void ReportsWindow::removeFolders() {
    ReportFolders::write(m_counter.dataDir(), {});
    m_cboFolder->setCurrentIndex(0);
    reload();
}
