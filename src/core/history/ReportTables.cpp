#include "ReportTables.h"

#include "core/base/Numbers.h"
#include "core/history/HistoryTexts.h"

#include <cmath>

#include <QDir>
#include <QFileInfo>

namespace ReportTables {

namespace {

QString plain(double value) {
    return Numbers::plain(std::round(value * 100.0) / 100.0);
}

QString optionalNumber(const std::optional<double>& value) {
    return value ? plain(*value) : QString();
}

} // namespace

QString money(double amount, const QString& symbol) {
    return amount < 0 ? u'-' + symbol + Numbers::amountText(-amount) : symbol + Numbers::amountText(amount);
}

QString folderName(const QString& folder) {
    const QString name = QFileInfo(QDir::cleanPath(folder)).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(folder) : name;
}

QList<FigureRow> figureRows(const History::Figures& x, const Language& language) {
    using namespace HistoryTexts;
    QList<FigureRow> rows = {
        {language(Sales), x.sales, x.amount, {}, {}},
        {language(Average), {}, x.average, {}, {}},
        {language(CashSales), x.cashSales, x.cashAmount, {}, {}},
        {language(CardSales), x.cardSales, x.cardAmount, {}, {}},
        {language(CardEntries), x.cardEntries, x.cardEntryAmount, {}, {}},
        {language(Entries), x.entries, x.entryAmount, {}, {}},
        {language(Withdrawals), x.withdrawals, x.withdrawalAmount, {}, {}},
        {language(Cancelled), x.cancelled, {}, {}, {}},
        {language(Counts),
         int(x.counts.size()),
         {},
         {},
         x.counts.isEmpty() ? std::nullopt : std::optional<double>(x.countDifference)},
    };
    for (const SalesDay::DrawerCount& count : x.counts)
        rows.append(
            {language(Count) + u' ' + count.date.toString(QStringLiteral("dd/MM/yyyy")) + u' ' + count.time,
             {},
             count.counted,
             count.expected,
             count.difference});
    return rows;
}

QList<QStringList> figuresTable(const History& history, const Period& period, const Language& language) {
    using namespace HistoryTexts;
    QList<QStringList> table = {{language(Folder), language(Figure), language(Number), language(Amount),
                                 language(Expected), language(Difference)}};
    const int folders = history.folderCount();
    for (int f = folders > 1 ? -1 : 0; f < folders; ++f) {
        const QString name = f < 0 ? language(AllFolders) : folderName(history.folder(f));
        for (const FigureRow& row : figureRows(history.figures(period, f), language))
            table.append({name, row.label, row.count ? QString::number(*row.count) : QString(),
                          optionalNumber(row.amount), optionalNumber(row.expected),
                          optionalNumber(row.difference)});
    }
    return table;
}

QList<QStringList> bestSellersTable(const History& history, const Period& period, int folder,
                                    const Language& language) {
    using namespace HistoryTexts;
    QList<QStringList> table = {{language(Description), language(Quantity), language(Amount)}};
    for (const History::BestSeller& b : history.bestSellers(period, folder))
        table.append({b.description, Numbers::plain(b.quantity), plain(b.amount)});
    return table;
}

QList<QStringList> salesTable(const History& history, const Period& period, int folder,
                              const Language& language) {
    using namespace HistoryTexts;
    QList<QStringList> table = {{language(Date), language(Time), language(Folder), language(Payment),
                                 language(Amount), language(Items)}};
    for (const SalesDay::SaleRow& row : history.sales(period, folder))
        table.append({row.date.toString(Qt::ISODate), row.time, folderName(history.folder(row.folder)),
                      language(row.card ? Card : Cash), plain(row.amount), QString::number(row.items)});
    return table;
}

QByteArray csv(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0) text += u',';
            const QString& field = row[i];
            if (field.contains(u',') || field.contains(u'"') || field.contains(u'\r') ||
                field.contains(u'\n'))
                text += u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
            else
                text += field;
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QList<QStringList> parseCsv(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        any = true;
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row.append(field);
            field.clear();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            row.append(field);
            rows.append(row);
            row.clear();
            field.clear();
            any = false;
        } else {
            field += c;
        }
    }
    if (any) {
        row.append(field);
        rows.append(row);
    }
    return rows;
}

} // namespace ReportTables
