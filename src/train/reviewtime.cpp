#include "reviewtime.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QString>

namespace ReviewTime {

namespace {

bool digits(QByteArrayView text, qsizetype from, qsizetype count, int &value)
{
    value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, by
// the era arithmetic of 400-year cycles.
qint64 daysFromCivil(int year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return qint64(era) * 146097 + dayOfEra - 719468;
}

// The log's own form, "YYYY-MM-DDTHH:MM:SSZ", read without building a
// QDateTime: a long log is read line by line at every start.
bool parseLogForm(QByteArrayView text, qint64 &time)
{
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':'
        || text[19] != 'Z')
        return false;
    int year, month, day, hour, minute, second;
    if (!digits(text, 0, 4, year) || !digits(text, 5, 2, month) || !digits(text, 8, 2, day)
        || !digits(text, 11, 2, hour) || !digits(text, 14, 2, minute) || !digits(text, 17, 2, second))
        return false;
    if (!QDate::isValid(year, month, day) || hour > 23 || minute > 59 || second > 59)
        return false;
    time = daysFromCivil(year, month, day) * SecondsPerDay + hour * 3600 + minute * 60 + second;
    return true;
}

} // namespace

QByteArray format(qint64 time)
{
    return QDateTime::fromSecsSinceEpoch(time, Qt::UTC).toString(Qt::ISODate).toLatin1();
}

bool parse(QByteArrayView text, qint64 &time)
{
    if (parseLogForm(text, time))
        return true;
    // without a zone Qt would take the machine's own
    static const QRegularExpression zone(QStringLiteral("(Z|[+-]\\d\\d(:?\\d\\d)?)$"));
    QString iso = QString::fromLatin1(text);
    if (!iso.contains(u'T'))
        iso += QLatin1String("T00:00:00");
    if (!zone.match(iso).hasMatch())
        iso += u'Z';
    const QDateTime parsed = QDateTime::fromString(iso, Qt::ISODateWithMs);
    if (!parsed.isValid())
        return false;
    const qint64 ms = parsed.toMSecsSinceEpoch();
    time = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
    return true;
}

} // namespace ReviewTime
