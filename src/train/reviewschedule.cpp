#include "reviewschedule.h"

#include "reviewtime.h"
#include "trainlog.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

bool earlier(const ReviewEvent &a, const ReviewEvent &b)
{
    return a.time < b.time;
}

} // namespace

ReviewSchedule::ReviewSchedule()
    : ReviewSchedule(Options())
{ }

ReviewSchedule::ReviewSchedule(const Options &options)
    : m_options(options)
    , m_model(options.desiredRetention)
{ }

qint64 ReviewSchedule::dayOf(qint64 time) const
{
    return ReviewTime::dayOf(time, m_options.utcOffset);
}

const CardSchedule *ReviewSchedule::card(const CardKey &key) const
{
    const auto it = m_cards.constFind(key);
    return it == m_cards.cend() ? nullptr : &*it;
}

void ReviewSchedule::apply(CardSchedule &card, ReviewEvent &event) const
{
    const qint64 day = dayOf(event.time);
    const qint64 lastDay = dayOf(card.lastReview);
    event.first = card.reviews == 0;
    event.counted = event.first || day > lastDay;
    if (!event.counted)
        return;
    const MemoryModel::Step step
        = event.first ? m_model.first(event.rating) : m_model.next(card.memory, int(day - lastDay), event.rating);
    card.memory = step.memory;
    card.interval = step.interval;
    card.lastReview = event.time;
    card.due = event.time + qint64(step.interval) * ReviewTime::SecondsPerDay;
    ++card.reviews;
    if (!event.first && event.rating == Review::Again)
        ++card.lapses;
}

void ReviewSchedule::replay(const ReviewLog::Contents &contents, qint64 until)
{
    QElapsedTimer timer;
    timer.start();
    m_cards.clear();
    m_events.clear();
    const std::vector<int> ids = contents.currentIds();
    m_events.reserve(contents.reviews.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        const Review &review = contents.reviews[i];
        if (review.time <= until)
            m_events.push_back({review.time, {ids[i], review.card.direction}, review.rating, false, false});
    }
    // the log is appended in time order but for reviews given a time of
    // their own; a stable sort keeps the order of the file among equal times
    if (!std::is_sorted(m_events.begin(), m_events.end(), earlier))
        std::stable_sort(m_events.begin(), m_events.end(), earlier);
    for (ReviewEvent &event : m_events) {
        CardSchedule &card = m_cards[event.card];
        card.card = event.card;
        apply(card, event);
    }
    qCDebug(lcTrain) << "replayed" << m_events.size() << "reviews of" << m_cards.size() << "cards in" << timer.elapsed()
                     << "ms";
}

ReviewEvent ReviewSchedule::add(const Review &review)
{
    ReviewEvent event{review.time, review.card, review.rating, false, false};
    const auto added = m_events.insert(std::upper_bound(m_events.begin(), m_events.end(), event, earlier), event);
    const qsizetype index = added - m_events.begin();
    CardSchedule &card = m_cards[review.card];
    card.card = review.card;
    if (card.reviews > 0 && review.time < card.lastReview)
        replayCard(review.card);
    else
        apply(card, *added);
    return m_events[size_t(index)];
}

bool ReviewSchedule::correct(const Review &review, quint8 rating)
{
    // the latest review of the card at that time, as in the log
    const ReviewEvent probe{review.time, {}, 0, false, false};
    auto it = std::upper_bound(m_events.begin(), m_events.end(), probe, earlier);
    while (it != m_events.begin()) {
        --it;
        if (it->time != review.time)
            return false;
        if (it->card == review.card) {
            it->rating = rating;
            replayCard(review.card);
            return true;
        }
    }
    return false;
}

void ReviewSchedule::replayCard(const CardKey &key)
{
    CardSchedule &card = m_cards[key];
    card = CardSchedule();
    card.card = key;
    for (ReviewEvent &event : m_events) {
        if (event.card == key)
            apply(card, event);
    }
}
