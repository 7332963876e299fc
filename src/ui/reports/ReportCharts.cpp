#include "ReportCharts.h"

#include "core/history/HistoryTexts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLegend>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace ReportCharts {

namespace {

constexpr int kOpening = 8;
constexpr int kClosing = 20;

QColor colour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Drops what the chart showed and paints its frame, title and legend in the look.
void prepare(QChart* chart, const QString& title, const ChartLook& look) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);
    chart->setTitle(title);
    chart->setTitleBrush(colour(look.text));
    chart->setBackgroundBrush(colour(look.background));
    chart->setBackgroundRoundness(0);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setLabelColor(colour(look.text));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
}

void styleAxis(QAbstractAxis* axis, const ChartLook& look) {
    axis->setLabelsColor(colour(look.text));
    axis->setLinePenColor(colour(look.text));
    axis->setGridLineColor(colour(look.grid));
}

QBarSet* barSet(const QString& name, Rgb fill, const ChartLook& look) {
    auto* set = new QBarSet(name);
    set->setColor(colour(fill));
    set->setBorderColor(colour(look.text));
    set->setLabelColor(colour(look.text));
    return set;
}

void addAxes(QChart* chart, QAbstractBarSeries* series, const QStringList& categories, double top,
             const ChartLook& look) {
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    styleAxis(x, look);
    auto* y = new QValueAxis;
    y->setRange(0, top > 0 ? top : 1.0);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    styleAxis(y, look);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

} // namespace

void showDays(QChart* chart, const QList<History::Bar>& bars, bool monthly, const ChartLook& look,
              const Language& language) {
    prepare(chart, language(monthly ? HistoryTexts::SalesPerMonth : HistoryTexts::SalesPerDay), look);
    auto* series = new QStackedBarSeries;
    QBarSet* cash = barSet(language(HistoryTexts::Cash), look.cash, look);
    QBarSet* card = barSet(language(HistoryTexts::Card), look.card, look);
    QStringList labels;
    double top = 0;
    for (const History::Bar& bar : bars) {
        cash->append(bar.cash);
        card->append(bar.card);
        labels << bar.label;
        top = std::max(top, bar.cash + bar.card);
    }
    series->append(cash);
    series->append(card);
    series->setBarWidth(0.8);
    chart->addSeries(series);
    addAxes(chart, series, labels, top, look);
    chart->legend()->setVisible(true);
}

void showHours(QChart* chart, const History::Hours& hours, const ChartLook& look, const Language& language) {
    prepare(chart, language(HistoryTexts::SalesPerHour), look);
    auto* series = new QBarSeries;
    QBarSet* sales = barSet(language(HistoryTexts::Sales), look.cash, look);
    // The hours from the first to the last with a sale (the shop's day; 8 to 20 without sales), so
    // that every hour's label fits under its bar.
    int first = 0;
    int last = 23;
    while (first < 24 && hours.sales[std::size_t(first)] == 0)
        ++first;
    while (last >= 0 && hours.sales[std::size_t(last)] == 0)
        --last;
    if (first > last) {
        first = kOpening;
        last = kClosing;
    }
    QStringList labels;
    double top = 0;
    for (int h = first; h <= last; ++h) {
        sales->append(hours.sales[std::size_t(h)]);
        labels << QString::number(h);
        top = std::max<double>(top, hours.sales[std::size_t(h)]);
    }
    series->append(sales);
    series->setBarWidth(0.8);
    chart->addSeries(series);
    addAxes(chart, series, labels, top, look);
    chart->legend()->setVisible(false);
}

QByteArray picture(QChart* chart, int width, int height) {
    QChartView view(chart);
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(width, height);
    const QImage image = view.grab().toImage();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
    return bytes;
}

} // namespace ReportCharts
