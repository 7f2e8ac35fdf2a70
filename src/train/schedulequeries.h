#pragma once

#include "reviewschedule.h"

#include <QDate>
#include <QList>

#include <functional>

// What the trainer page shows of a schedule, as plain values. `now` is the
// moment asked about; days are the learner's days of the schedule. A card
// filter, when given, leaves out the cards it refuses (entries deleted or no
// longer trained).
namespace ScheduleQueries {

using CardFilter = std::function<bool(const CardKey &)>;

// Every reviewed card, the one due first first; equal due times by entry
// id, forward before backward.
QList<CardSchedule> byDueTime(const ReviewSchedule &schedule, const CardFilter &filter = {});
// The cards due at `now` (due time reached), most overdue first.
QList<CardSchedule> dueNow(const ReviewSchedule &schedule, qint64 now, const CardFilter &filter = {});

struct DueCounts
{
    int now = 0; // due time reached
    int today = 0; // due before the end of today, overdue ones included
    int tomorrow = 0; // falling due during tomorrow
};
DueCounts dueCounts(const ReviewSchedule &schedule, qint64 now, const CardFilter &filter = {});

struct DayCount
{
    QDate date;
    int count = 0;
};
// The reviews done on each of the `days` days up to today, practice ones
// included, oldest first.
QList<DayCount> reviewsPerDay(const ReviewSchedule &schedule, qint64 now, int days = 30);
// The cards falling due on each of the `days` days from today on; today's
// count includes the cards overdue.
QList<DayCount> duePerDay(const ReviewSchedule &schedule, qint64 now, int days = 30, const CardFilter &filter = {});

struct Retention
{
    int reviews = 0;
    int recalled = 0; // rated Hard or better
    // 0 when there was no review
    double share() const { return reviews > 0 ? double(recalled) / reviews : 0.0; }
};
// The share of counted reviews from `from` to before `to` that were
// recalled. A card's first review is left out: it meets the word, it does
// not test a memory of it.
Retention measuredRetention(const ReviewSchedule &schedule, qint64 from, qint64 to);

// A card is learning until its stability reaches three weeks.
constexpr double KnownStability = 21;
struct Stages
{
    int unseen = 0; // never reviewed
    int learning = 0;
    int known = 0;
};
// The stages of the cards the trainer drills, such as both directions of
// every entry marked for learning.
Stages stages(const ReviewSchedule &schedule, const QList<CardKey> &cards);

// The days in a row with a review, up to today, or up to yesterday while
// today has none yet: a run is not broken before the day is over.
int daysInARow(const ReviewSchedule &schedule, qint64 now);

} // namespace ScheduleQueries
