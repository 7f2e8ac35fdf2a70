#include "drill.h"

#include "model/dictionary.h"
#include "lang/hebrewtext.h"

#include <QMap>
#include <QRandomGenerator>

namespace {

QString withoutLeadingTo(const QString &text)
{
    return text.startsWith(QLatin1String("to ")) ? text.mid(3) : text;
}

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

Drill::Drill(Dictionary *dictionary, QRandomGenerator *random)
    : m_dictionary(dictionary)
    , m_random(random)
{ }

bool Drill::start(Order order)
{
    m_order = order;
    m_asked = 0;
    m_right = 0;
    m_question = Question();
    m_wordList = m_dictionary ? m_dictionary->learnedIds() : QList<int>();
    if (order == Order::WeakestFirst)
        m_wordList = sortedByKnowledge(m_wordList);
    m_index = -1;
    return !m_wordList.isEmpty();
}

void Drill::clear()
{
    m_wordList.clear();
    m_question = Question();
}

// By the sum of the two counters, a random order among equal sums; an
// entry never asked one way waits for the random order.
QList<int> Drill::sortedByKnowledge(const QList<int> &ids) const
{
    QMap<int, QList<int>> groups;
    for (int id : ids) {
        const Entry e = m_dictionary->entryById(id);
        if (e.learnedForward() < 0 || e.learnedBackward() < 0)
            continue;
        groups[e.learnedForward() + e.learnedBackward()].append(id);
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

bool Drill::isCorrect(const QString &typed) const
{
    const Entry &e = m_question.entry;
    const bool verb = e.wordType() == Entry::Verb;
    // an invisible difference must not make an answer wrong
    QString answer = typed.trimmed();
    if (verb)
        answer = withoutLeadingTo(answer);
    if (m_question.direction == Direction::Backward) {
        // typed answers carry no points, nor shin and sin dots
        return HebrewText::unpointed(answer) == HebrewText::unpointed(e.word());
    }
    // every meaning of a verb may be given with or without its "to"
    const QStringList meanings = splitMeanings(e.userTranslation(m_userLanguage, true));
    return std::any_of(meanings.cbegin(), meanings.cend(),
        [&](const QString &meaning) { return answer == (verb ? withoutLeadingTo(meaning) : meaning); });
}

Drill::Result Drill::answer(const QString &typed)
{
    const Entry &e = m_question.entry;
    Result result;
    result.correct = isCorrect(typed);
    result.expected = m_question.direction == Direction::Forward ? e.userTranslation(m_userLanguage, true) : e.word();
    qint8 forward = e.learnedForward();
    qint8 backward = e.learnedBackward();
    qint8 &asked = m_question.direction == Direction::Forward ? forward : backward;
    asked = counterAfter(asked, result.correct);
    m_dictionary->setLearnCounters(e.id(), forward, backward);
    m_question.entry.setLearnCounters(forward, backward);
    if (m_index >= 0 && m_index < m_wordList.size())
        m_wordList.removeAt(m_index);
    ++m_asked;
    m_right += result.correct ? 1 : 0;
    return result;
}
