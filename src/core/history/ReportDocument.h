#pragma once

#include "core/base/Language.h"
#include "core/history/History.h"
#include "core/printing/PrintDocument.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The sales report as one print job: the shop's name, the period and the folder, the charts as
// pictures (drawn by the printers that draw pages, left out by a receipt printer), then the figures and
// the best sellers as text in two columns, 32 characters wide so that a line fits 58 mm paper, in a
// font of even width so that the columns stand on a page too.
namespace ReportDocument {

inline constexpr int kColumns = 32;
inline constexpr int kBestSellers = 10;
inline constexpr const char* kFont = "DejaVu Sans Mono";

struct Data {
    QString shopName;
    Period period;
    QString folderName; // "Todas las carpetas" or the folder's name
    QString printedAt;  // "05/12/2026 14:35"
    History::Figures figures;
    QList<History::BestSeller> bestSellers;
    QList<QByteArray> charts; // encoded pictures, in order
    QString symbol;
    Language language;
};

PrintDocument build(const Data& data);

// `left` and `right` on one line of `width` characters, the right one flush right, at least one blank
// between them; a left text too long is cut short.
QString columns(const QString& left, const QString& right, int width = kColumns);

} // namespace ReportDocument
