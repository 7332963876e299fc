#include "ReportDocument.h"

#include "core/base/Numbers.h"
#include "core/history/HistoryTexts.h"
#include "core/history/ReportTables.h"

namespace ReportDocument {

QString columns(const QString& left, const QString& right, int width) {
    const qsizetype room = std::max<qsizetype>(0, width - right.size() - 1);
    const QString shown = left.size() > room ? left.left(room) : left;
    return shown + QString(std::max<qsizetype>(1, width - shown.size() - right.size()), u' ') + right;
}

PrintDocument build(const Data& data) {
    using namespace HistoryTexts;
    const Language& language = data.language;
    const auto money = [&data](double amount) { return ReportTables::money(amount, data.symbol); };
    const QString rule(kColumns, u'-');
    PrintDocument document(PrintDocument::Kind::SalesReport);
    document.font(QString::fromLatin1(kFont)).size(8).bold(true);
    document.line(QString());
    document.line(data.shopName.toUpper());
    document.line(language(ReportHeading));
    document.bold(false);
    document.line(data.period.first.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" - ") +
                  data.period.last.toString(QStringLiteral("dd/MM/yyyy")));
    document.line(data.folderName);
    document.line(data.printedAt);
    document.line(QString());
    for (const QByteArray& chart : data.charts)
        document.picture(chart);
    for (const ReportTables::FigureRow& row : ReportTables::figureRows(data.figures, language)) {
        QString right = row.count ? QString::number(*row.count) : QString();
        if (row.amount) right += (right.isEmpty() ? QString() : QStringLiteral("  ")) + money(*row.amount);
        if (!row.amount && row.difference) right += QStringLiteral("  ") + money(*row.difference);
        document.line(columns(row.label, right));
        if (row.amount && row.expected)
            document.line(columns(QStringLiteral("  ") + language(Expected), money(*row.expected)));
        if (row.amount && row.difference)
            document.line(columns(QStringLiteral("  ") + language(Difference), money(*row.difference)));
    }
    document.line(rule);
    document.bold(true).line(language(BestByQuantity)).bold(false);
    for (qsizetype i = 0; i < data.bestSellers.size() && i < kBestSellers; ++i) {
        const History::BestSeller& b = data.bestSellers[i];
        document.line(columns(Numbers::plain(b.quantity) + u' ' + b.description, money(b.amount)));
    }
    if (data.bestSellers.isEmpty()) document.line(language(NoSales));
    document.line(QString()).line(QString()).line(QStringLiteral(".")).line(QString());
    return document;
}

} // namespace ReportDocument
