#include "schedulequeries.h"

#include "reviewtime.h"

#include <QSet>

#include <algorithm>

namespace ScheduleQueries {

namespace {

bool dueFirst(const CardSchedule &a, const CardSchedule &b)
{
    return a.due != b.due ? a.due < b.due : a.card < b.card;
}

bool accepts(const CardFilter &filter, const CardKey &key)
{
    return !filter || filter(key);
}

qint64 startOfDay(const ReviewSchedule &schedule, qint64 day)
{
    return ReviewTime::startOfDay(day, schedule.options().utcOffset);
}

QList<DayCount> days(qint64 firstDay, int count)
{
    QList<DayCount> out;
    for (int i = 0; i < count; ++i)
        out.append({ReviewTime::dateOfDay(firstDay + i), 0});
    return out;
}

template <typename Keep> QList<CardSchedule> sortedCards(const ReviewSchedule &schedule, Keep keep)
{
    QList<CardSchedule> out;
    for (const CardSchedule &card : schedule.cards()) {
        if (keep(card))
            out.append(card);
    }
    std::sort(out.begin(), out.end(), dueFirst);
    return out;
}

} // namespace

QList<CardSchedule> byDueTime(const ReviewSchedule &schedule, const CardFilter &filter)
{
    return sortedCards(schedule, [&](const CardSchedule &card) { return accepts(filter, card.card); });
}

QList<CardSchedule> dueNow(const ReviewSchedule &schedule, qint64 now, const CardFilter &filter)
{
    return sortedCards(
        schedule, [&](const CardSchedule &card) { return card.due <= now && accepts(filter, card.card); });
}

DueCounts dueCounts(const ReviewSchedule &schedule, qint64 now, const CardFilter &filter)
{
    const qint64 tomorrow = startOfDay(schedule, schedule.dayOf(now) + 1);
    const qint64 dayAfter = startOfDay(schedule, schedule.dayOf(now) + 2);
    DueCounts counts;
    for (const CardSchedule &card : schedule.cards()) {
        if (!accepts(filter, card.card))
            continue;
        counts.now += card.due <= now;
        counts.today += card.due < tomorrow;
        counts.tomorrow += card.due >= tomorrow && card.due < dayAfter;
    }
    return counts;
}

QList<DayCount> reviewsPerDay(const ReviewSchedule &schedule, qint64 now, int count)
{
    const qint64 first = schedule.dayOf(now) - count + 1;
    QList<DayCount> out = days(first, count);
    const std::vector<ReviewEvent> &events = schedule.events();
    const ReviewEvent start{startOfDay(schedule, first), {}, 0, false, false};
    auto it = std::lower_bound(events.begin(), events.end(), start,
        [](const ReviewEvent &a, const ReviewEvent &b) { return a.time < b.time; });
    for (; it != events.end(); ++it) {
        const qint64 index = schedule.dayOf(it->time) - first;
        if (index >= count)
            break;
        ++out[index].count;
    }
    return out;
}

QList<DayCount> duePerDay(const ReviewSchedule &schedule, qint64 now, int count, const CardFilter &filter)
{
    const qint64 today = schedule.dayOf(now);
    QList<DayCount> out = days(today, count);
    for (const CardSchedule &card : schedule.cards()) {
        const qint64 index = std::max(schedule.dayOf(card.due), today) - today;
        if (index < count && accepts(filter, card.card))
            ++out[index].count;
    }
    return out;
}

Retention measuredRetention(const ReviewSchedule &schedule, qint64 from, qint64 to)
{
    Retention retention;
    for (const ReviewEvent &event : schedule.events()) {
        if (event.time < from || event.time >= to || !event.counted || event.first)
            continue;
        ++retention.reviews;
        retention.recalled += event.rating >= Review::Hard;
    }
    return retention;
}

Stages stages(const ReviewSchedule &schedule, const QList<CardKey> &cards)
{
    Stages stages;
    for (const CardKey &key : cards) {
        const CardSchedule *card = schedule.card(key);
        if (!card)
            ++stages.unseen;
        else if (card->memory.stability < KnownStability)
            ++stages.learning;
        else
            ++stages.known;
    }
    return stages;
}

int daysInARow(const ReviewSchedule &schedule, qint64 now)
{
    QSet<qint64> trained;
    for (const ReviewEvent &event : schedule.events()) {
        if (event.time <= now)
            trained.insert(schedule.dayOf(event.time));
    }
    qint64 day = schedule.dayOf(now);
    if (!trained.contains(day))
        --day;
    int run = 0;
    for (; trained.contains(day); --day)
        ++run;
    return run;
}

} // namespace ScheduleQueries
