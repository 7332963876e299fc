#pragma once

#include "core/base/Language.h"
#include "core/history/ChartLook.h"
#include "core/history/History.h"

#include <QByteArray>

class QChart;

// The report's two charts: the sales of the period in bars, cash and card stacked (one bar a day, or a
// month), and the sales at each hour of the day. The same charts are shown in the window in the
// theme's colours and drawn for print in black on white.
namespace ReportCharts {

void showDays(QChart* chart, const QList<History::Bar>& bars, bool monthly, const ChartLook& look,
              const Language& language);
void showHours(QChart* chart, const History::Hours& hours, const ChartLook& look, const Language& language);
// The chart drawn as a PNG picture of the given size in pixels; the chart is taken over and deleted.
QByteArray picture(QChart* chart, int width, int height);

} // namespace ReportCharts
