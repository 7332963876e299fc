#pragma once

#include <QDate>

// The days a report covers, first and last included.
struct Period {
    enum class Kind { Today, Yesterday, ThisWeek, ThisMonth, LastMonth, ThisYear, Range };

    QDate first;
    QDate last;

    // The period of that kind around `today`; a week starts on Monday. A range is from..to, in either
    // order; a date that is not valid stands for today.
    static Period of(Kind kind, const QDate& today, const QDate& from = QDate(), const QDate& to = QDate());

    bool contains(const QDate& date) const { return date >= first && date <= last; }
    qint64 days() const { return first.daysTo(last) + 1; }
    bool operator==(const Period&) const = default;
};
