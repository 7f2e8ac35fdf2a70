#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>

// The times of the review log: whole seconds since 1970-01-01 UTC, written
// as ISO 8601 in UTC ("2026-01-04T10:00:00Z"), and the learner's days they
// fall on.
namespace ReviewTime {

constexpr qint64 SecondsPerDay = 86400;

QByteArray format(qint64 time);
// Reads an ISO 8601 date and time; one without a zone is taken as UTC, a
// fraction of a second is dropped. False when the text is no such time.
[[nodiscard]] bool parse(QByteArrayView text, qint64 &time);

// The learner's calendar day of a time, as days since 1970-01-01, for a
// learner utcOffset seconds east of UTC.
inline qint64 dayOf(qint64 time, int utcOffset)
{
    const qint64 local = time + utcOffset;
    return local / SecondsPerDay - (local % SecondsPerDay < 0 ? 1 : 0);
}
// The time that day begins for that learner.
inline qint64 startOfDay(qint64 day, int utcOffset)
{
    return day * SecondsPerDay - utcOffset;
}
inline QDate dateOfDay(qint64 day)
{
    return QDate::fromJulianDay(day + QDate(1970, 1, 1).toJulianDay());
}

} // namespace ReviewTime
