#include "Period.h"

#include <utility>

Period Period::of(Kind kind, const QDate& today, const QDate& from, const QDate& to) {
    switch (kind) {
    case Kind::Today:
        return {today, today};
    case Kind::Yesterday:
        return {today.addDays(-1), today.addDays(-1)};
    case Kind::ThisWeek:
        return {today.addDays(1 - today.dayOfWeek()), today};
    case Kind::ThisMonth:
        return {QDate(today.year(), today.month(), 1), today};
    case Kind::LastMonth: {
        const QDate first = QDate(today.year(), today.month(), 1).addMonths(-1);
        return {first, first.addMonths(1).addDays(-1)};
    }
    case Kind::ThisYear:
        return {QDate(today.year(), 1, 1), today};
    case Kind::Range:
        break;
    }
    QDate a = from.isValid() ? from : today;
    QDate b = to.isValid() ? to : today;
    if (b < a) std::swap(a, b);
    return {a, b};
}
