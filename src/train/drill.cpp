#include "drill.h"

#include "reviewhistory.h"
#include "schedulequeries.h"

#include "model/dictionary.h"
#include "lang/hebrewtext.h"

#include <QDateTime>
#include <QMap>
#include <QRandomGenerator>
#include <QSet>

namespace {

// True when an entry of `same` other than `entry` has the same property.
template <typename Property> bool othersShare(const QList<Entry> &same, const Entry &entry, Property property)
{
    return std::any_of(same.cbegin(), same.cend(),
        [&](const Entry &other) { return other.id() != entry.id() && property(other) == property(entry); });
}

QString typeName(int type)
{
    const QString name = Entry::typeName(type);
    return name.isEmpty() ? Entry::typeName(Entry::TypeUnset) : name;
}

} // namespace

Drill::Drill(Dictionary *dictionary, QRandomGenerator *random, ReviewHistory *history)
    : m_dictionary(dictionary)
    , m_random(random)
    , m_history(history)
    , m_clock([] { return QDateTime::currentSecsSinceEpoch(); })
{
    if (!m_history) {
        m_ownHistory = std::make_unique<ReviewHistory>();
        m_history = m_ownHistory.get();
    }
}

Drill::~Drill() = default;

bool Drill::start(Order order)
{
    m_order = order;
    m_asked = 0;
    m_right = 0;
    m_question = Question();
    m_secondTry = false;
    m_last = Last();
    m_wordList.clear();
    m_queue.clear();
    m_index = -1;
    if (!m_dictionary)
        return false;
    if (order == Order::Due) {
        m_queue = dueSession(m_clock());
        return !m_queue.isEmpty();
    }
    m_wordList = m_dictionary->learnedIds();
    if (order == Order::WeakestFirst)
        m_wordList = sortedByKnowledge(m_wordList, false);
    return !m_wordList.isEmpty();
}

void Drill::clear()
{
    m_wordList.clear();
    m_queue.clear();
    m_question = Question();
    m_secondTry = false;
    m_last = Last();
}

// The cards due, most overdue first; then the entries that were never
// reviewed both ways, weakest first, as many as today's new words leave
// room for: each one's forward question first, its backward ones after all
// of those, so one word is not asked twice in a row.
QList<CardKey> Drill::dueSession(qint64 now) const
{
    const ReviewSchedule &schedule = m_history->schedule();
    const QList<int> marked = m_dictionary->learnedIds();
    const QSet<int> markedSet(marked.cbegin(), marked.cend());
    QList<CardKey> session;
    const auto due = ScheduleQueries::dueNow(
        schedule, now, [&markedSet](const CardKey &key) { return markedSet.contains(key.entryId); });
    for (const CardSchedule &card : due)
        session.append(card.card);

    const qint64 today = schedule.dayOf(now);
    QSet<int> introduced;
    for (auto it = schedule.events().crbegin(); it != schedule.events().crend() && schedule.dayOf(it->time) >= today;
         ++it) {
        if (it->first && schedule.dayOf(it->time) == today)
            introduced.insert(it->card.entryId);
    }
    QList<int> fresh;
    for (int id : sortedByKnowledge(marked, true)) {
        if (fresh.size() + introduced.size() >= m_newPerDay)
            break;
        if (!schedule.card({id, Direction::Forward}) || !schedule.card({id, Direction::Backward}))
            fresh.append(id);
    }
    for (Direction direction : {Direction::Forward, Direction::Backward}) {
        for (int id : std::as_const(fresh)) {
            if (!schedule.card({id, direction}))
                session.append({id, direction});
        }
    }
    return session;
}

// By the sum of the two counters, a random order among equal sums; an
// entry never asked one way waits for the random order, unless it is to be
// included with its unasked way counted as 0.
QList<int> Drill::sortedByKnowledge(const QList<int> &ids, bool includeUnasked) const
{
    QMap<int, QList<int>> groups;
    for (int id : ids) {
        const Entry e = m_dictionary->entryById(id);
        if (!includeUnasked && (e.learnedForward() < 0 || e.learnedBackward() < 0))
            continue;
        groups[qMax<int>(e.learnedForward(), 0) + qMax<int>(e.learnedBackward(), 0)].append(id);
    }
    QList<int> sorted;
    for (QList<int> &group : groups) {
        while (!group.isEmpty())
            sorted.append(group.takeAt(int(m_random->bounded(quint32(group.size())))));
    }
    return sorted;
}

bool Drill::next()
{
    m_question = Question();
    m_secondTry = false;
    if (m_order == Order::Due) {
        // an entry deleted or no longer marked since the list was made is skipped
        while (!m_queue.isEmpty()) {
            const CardKey card = m_queue.first();
            m_question.entry = m_dictionary->entryById(card.entryId);
            if (m_question.entry.id() != 0 && m_question.entry.isLearned()) {
                m_question.direction = card.direction;
                rephrase();
                return true;
            }
            m_queue.removeFirst();
        }
        m_question = Question();
        return false;
    }
    if (m_wordList.isEmpty())
        return false;
    m_index = m_order == Order::Random ? int(m_random->bounded(quint32(m_wordList.size()))) : 0;
    m_question.entry = m_dictionary->entryById(m_wordList[m_index]);
    m_question.direction
        = asksForeignWord(m_random->generate(), m_question.entry.learnedForward(), m_question.entry.learnedBackward())
        ? Direction::Forward
        : Direction::Backward;
    rephrase();
    return true;
}

void Drill::rephrase()
{
    const Entry &e = m_question.entry;
    m_question.text = m_question.direction == Direction::Forward
        ? hintForWord(e)
        : hintForMeaning(e.userTranslation(m_userLanguage, true), e);
}

bool Drill::asksForeignWord(quint32 draw, qint8 forward, qint8 backward)
{
    const float r = float(draw & 1023) / 1023.0f;
    const float v = r + 0.1f * float(forward - backward);
    return v < 0.5f;
}

QString Drill::hintForWord(const Entry &entry) const
{
    const QString question = HebrewText::withoutPoints(entry.word());
    const QList<Entry> same = m_dictionary->findExact(entry.word());
    if (same.size() <= 1)
        return question;
    if (!othersShare(same, entry, [](const Entry &e) { return e.wordType(); }))
        return question + QStringLiteral(" (%1)").arg(typeName(entry.wordType()));
    if (!othersShare(same, entry, [](const Entry &e) { return e.word(); }))
        return entry.word(); // the points tell the homographs apart
    return question + tr(" (%1 choices)").arg(same.size());
}

QString Drill::hintForMeaning(const QString &meaning, const Entry &entry) const
{
    const QStringList meanings = splitMeanings(meaning);
    if (meanings.size() != 1)
        return meaning;
    const QList<Entry> same = m_dictionary->findByMeaning(meanings.first());
    if (same.size() <= 1)
        return meaning;
    if (!othersShare(same, entry, [](const Entry &e) { return e.wordType(); }))
        return meaning + QStringLiteral(" (%1)").arg(typeName(entry.wordType()));
    if (!othersShare(same, entry, [](const Entry &e) { return e.letterCount(); }))
        return meaning + tr(" (%1 letters)").arg(entry.letterCount());
    return meaning + tr(" (%1 choices)").arg(same.size());
}

qint8 Drill::counterAfter(qint8 counter, bool correct)
{
    if (correct)
        return counter < 100 ? qint8(counter + 1) : counter;
    if (counter > 15)
        return qint8(counter - counter / 10 - 2);
    return counter;
}

bool Drill::pointsShown() const
{
    const QString &word = m_question.entry.word();
    return m_question.direction == Direction::Forward && word != HebrewText::withoutPoints(word)
        && m_question.text.startsWith(word);
}

Drill::Result Drill::answer(const QString &typed)
{
    const AnswerCheck check(*m_dictionary, m_userLanguage);
    const Verdict verdict = check.check(m_question.entry, m_question.direction, typed, pointsShown());
    if (verdict == Verdict::Almost && !m_secondTry) {
        m_secondTry = true;
        Result result;
        result.verdict = verdict;
        result.tryAgain = true;
        result.typed = typed;
        return result;
    }
    const quint8 rating = verdict == Verdict::Wrong ? Review::Again
        : verdict == Verdict::Almost || m_secondTry ? Review::Hard
                                                    : Review::Good;
    return rate(verdict, rating, typed);
}

Drill::Result Drill::rate(Verdict verdict, quint8 rating, const QString &typed)
{
    const Entry &e = m_question.entry;
    const CardKey card{e.id(), m_question.direction};
    Result result;
    result.verdict = verdict;
    result.rating = rating;
    result.correct = rating >= Review::Hard;
    result.typed = typed;
    result.expected = card.direction == Direction::Forward ? e.userTranslation(m_userLanguage, true) : e.word();
    const qint8 before = card.direction == Direction::Forward ? e.learnedForward() : e.learnedBackward();
    setCounter(card, counterAfter(before, result.correct));

    const Review review{m_clock(), card, rating, typed};
    ReviewEvent taken;
    if (!m_history->record(review, &taken))
        result.logError = m_history->errorString();
    result.counted = taken.counted;
    if (const CardSchedule *schedule = m_history->schedule().card(card); schedule && taken.counted)
        result.interval = schedule->interval;

    if (m_order == Order::Due) {
        m_queue.removeOne(card);
        if (!result.correct)
            requeue(card);
    } else if (m_index >= 0 && m_index < m_wordList.size()) {
        m_wordList.removeAt(m_index);
    }
    ++m_asked;
    m_right += result.correct ? 1 : 0;
    m_secondTry = false;
    m_last = Last{review, before, result};
    return result;
}

bool Drill::correct(quint8 rating)
{
    Review &review = m_last.review;
    if (!canCorrect() || rating < Review::Again || rating > Review::Easy || rating == review.rating)
        return false;
    const bool wasCorrect = review.rating >= Review::Hard;
    const bool isCorrect = rating >= Review::Hard;
    Result &result = m_last.result;
    result.logError = m_history->correct(review, rating, m_clock()) ? QString() : m_history->errorString();
    review.rating = rating;
    result.rating = rating;
    result.correct = isCorrect;
    if (const CardSchedule *schedule = m_history->schedule().card(review.card); schedule && result.counted)
        result.interval = schedule->interval;
    if (wasCorrect == isCorrect)
        return true;
    result.verdict = isCorrect ? Verdict::Right : Verdict::Wrong;
    setCounter(review.card, counterAfter(m_last.counterBefore, isCorrect));
    m_right += isCorrect ? 1 : -1;
    if (m_order == Order::Due) {
        if (isCorrect)
            m_queue.removeOne(review.card);
        else
            requeue(review.card);
    }
    return true;
}

void Drill::requeue(const CardKey &card)
{
    m_queue.insert(qMin<qsizetype>(ComesBackAfter, m_queue.size()), card);
}

void Drill::setCounter(const CardKey &card, qint8 counter)
{
    const Entry stored = m_dictionary->entryById(card.entryId);
    if (stored.id() == 0)
        return;
    qint8 forward = stored.learnedForward();
    qint8 backward = stored.learnedBackward();
    (card.direction == Direction::Forward ? forward : backward) = counter;
    m_dictionary->setLearnCounters(card.entryId, forward, backward);
    if (m_question.entry.id() == card.entryId)
        m_question.entry.setLearnCounters(forward, backward);
}
