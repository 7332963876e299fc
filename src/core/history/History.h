#pragma once

#include "core/base/Language.h"
#include "core/history/Period.h"
#include "core/history/SalesDay.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <optional>
#include <vector>

// The sales history of one or more shop folders (one per till): every register file read once into
// each day's sums and sales, so that a report of any period is added up from those sums at once. The
// day the counter has in memory is read from memory, not from its file.
class History {
public:
    // One shop folder. The counter's own folder carries its register in memory: the day, the file it
    // is saved to and its lines.
    struct Source {
        QString folder;
        QDate memoryDate;
        QString memoryFile;
        QStringList memoryLines;
    };

    // Reads every register file of the folders. `stop`, when given, is looked at between days; a read
    // stopped early holds what was read until then.
    static History read(const QList<Source>& sources, const std::atomic<bool>* stop = nullptr);

    int folderCount() const { return int(m_sources.size()); }
    const QString& folder(int index) const { return m_sources[index].folder; }
    // Files that could not be read or are no register (skipped; never fatal).
    int unreadable() const;

    // The sums of a period, over every folder (-1) or one.
    struct Figures {
        int sales = 0;
        double amount = 0.0;
        double average = 0.0;
        int cashSales = 0;
        double cashAmount = 0.0;
        int cardSales = 0;
        double cardAmount = 0.0;
        int cardEntries = 0;
        double cardEntryAmount = 0.0;
        int entries = 0;
        double entryAmount = 0.0;
        int withdrawals = 0;
        double withdrawalAmount = 0.0;
        int cancelled = 0;
        QList<SalesDay::DrawerCount> counts;
        double countDifference = 0.0; // the differences the counts say, added up
    };
    Figures figures(const Period& period, int folder = -1) const;

    // The sales of a period in bars: one per day, or one per month for a period longer than two
    // months. The label is the day of the month ("5") within one month, else "5/12"; a month is "12/2026".
    struct Bar {
        QDate first;
        QString label;
        double cash = 0.0;
        double card = 0.0;
        int sales = 0;
    };
    static constexpr qint64 kLongestDaily = 62;
    QList<Bar> perDay(const Period& period, int folder = -1) const;
    // The number of sales and their amount at each hour of the day.
    struct Hours {
        std::array<int, 24> sales{};
        std::array<double, 24> amount{};
    };
    Hours perHour(const Period& period, int folder = -1) const;

    // The items sold in the period, by the description written in their lines: the quantity and the
    // amount their lines say, most first (ties by the other figure, then by description).
    struct BestSeller {
        QString description;
        double quantity = 0.0;
        double amount = 0.0;
    };
    enum class Order { Quantity, Amount };
    QList<BestSeller> bestSellers(const Period& period, int folder = -1, Order order = Order::Quantity) const;

    // The sales of the period by date, time and folder.
    QList<SalesDay::SaleRow> sales(const Period& period, int folder = -1) const;
    // One sale with its lines, read again from its day's files; nothing when they changed meanwhile.
    std::optional<SalesDay::PastSale> sale(const SalesDay::SaleRow& row) const;

    // The counter's register changed: its day is read again with these lines.
    void refreshMemory(const QStringList& lines);

private:
    // Where each day of each folder is written.
    SalesDay::Sources sourcesOf(int folder, const QDate& date) const;
    void store(SalesDay::Day day);
    // The days of the period, one folder or all.
    template <class F> void eachDay(const Period& period, int folder, F&& f) const;

    QList<Source> m_sources;
    QList<QMap<QDate, QStringList>> m_files; // per folder: each day's files in order
    int m_oddFiles = 0;
    std::vector<SalesDay::Summary> m_days; // by date, then folder
    std::vector<SalesDay::SaleRow> m_sales;
    SalesDay::ItemNames m_names;
};
