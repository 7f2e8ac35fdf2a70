#pragma once

#include "memorymodel.h"
#include "review.h"
#include "reviewlog.h"

#include <QHash>
#include <QList>

#include <limits>
#include <vector>

// Where one card stands: its memory state after the reviews that counted,
// the last of them and when the card is due again.
struct CardSchedule
{
    CardKey card;
    MemoryState memory;
    qint64 lastReview = 0;
    qint64 due = 0;
    int interval = 0; // days from the last review to the due time
    int reviews = 0; // the reviews that counted
    int lapses = 0; // of those, the ones rated Again after the first
};

// One review as the schedule took it.
struct ReviewEvent
{
    qint64 time = 0;
    CardKey card;
    quint8 rating = 0;
    // the first review of the card on the learner's day: only these move
    // the schedule; later ones that day are practice
    bool counted = false;
    // the card's very first review
    bool first = false;
};

// The trainer's schedule, worked out from the review log: the memory model
// is fed, per card in the order of time, the first review of each of the
// learner's days; later reviews of a card on the same day are practice,
// kept but not scheduled. The learner's day runs from midnight at a fixed
// offset from UTC, so the day boundary is the same on every machine that is
// told the same offset. Elapsed time is counted in those calendar days.
class ReviewSchedule
{
public:
    struct Options
    {
        double desiredRetention = 0.9;
        // seconds east of UTC of the learner's clock
        int utcOffset = 0;
    };

    ReviewSchedule();
    explicit ReviewSchedule(const Options &options);

    const Options &options() const { return m_options; }
    const MemoryModel &model() const { return m_model; }

    // Forgets everything and replays the log, its renumberings applied;
    // reviews after `until` are left out, for the schedule as it stood then.
    void replay(const ReviewLog::Contents &contents, qint64 until = std::numeric_limits<qint64>::max());
    // Takes one more review, such as the one just appended to the log. One
    // older than the card's last counted review replays that card. Returns
    // the review as the schedule took it (counted or practice).
    ReviewEvent add(const Review &review);
    // Gives the card's latest review at that time another rating, as a
    // correction in the log does, and works the card out again; false when
    // there is no such review.
    bool correct(const Review &review, quint8 rating);

    // The card's schedule, or null when it was never reviewed.
    const CardSchedule *card(const CardKey &key) const;
    const QHash<CardKey, CardSchedule> &cards() const { return m_cards; }
    // Every review, in the order of time.
    const std::vector<ReviewEvent> &events() const { return m_events; }

    // The learner's calendar day of a time (days since 1970-01-01).
    qint64 dayOf(qint64 time) const;

private:
    void apply(CardSchedule &card, ReviewEvent &event) const;
    void replayCard(const CardKey &key);

    Options m_options;
    MemoryModel m_model;
    QHash<CardKey, CardSchedule> m_cards;
    std::vector<ReviewEvent> m_events;
};
