#pragma once

#include "answercheck.h"
#include "review.h"

#include "model/entry.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class Dictionary;
class QRandomGenerator;
class ReviewHistory;

// One drill of the entries marked for learning, without widgets: the
// questions to ask, the check of each answer, the rating it earns and the
// two learn counters it moves in the store.
//
// Three orders: Due asks the cards the schedule has due (most overdue
// first), then entries never reviewed up to the daily limit of new words,
// and asks a card answered wrong again a few questions later until it is
// answered right; WeakestFirst and Random ask every marked entry once, in
// the order of their counters or at random, the direction drawn towards
// the one known less well.
//
// Every answer is rated and recorded in the history: right at the first
// try Good, right (or almost) at the second try after an "almost" Hard,
// wrong Again; the learner may correct the last rating. The counters move
// as they always did: a right answer raises the asked one, a wrong one
// lowers it, and a correction moves it back and forth again.
class Drill
{
    Q_DECLARE_TR_FUNCTIONS(Drill)

public:
    enum class Order { Due, WeakestFirst, Random };
    using Verdict = AnswerCheck::Verdict;
    static constexpr int DefaultNewPerDay = 20;

    struct Question
    {
        Entry entry;
        Direction direction = Direction::Forward;
        // what is shown: the word or the meaning, with a hint where other
        // entries would answer to it too
        QString text;
    };

    struct Result
    {
        Verdict verdict = Verdict::Wrong;
        // almost at the first try: the question stays for one more try,
        // nothing is rated yet
        bool tryAgain = false;
        bool correct = false; // rated Hard or better
        quint8 rating = 0;
        // the answer as the entry has it, and as the learner typed it
        QString expected;
        QString typed;
        // the first answer of the learner's day for this card moved its
        // schedule; later ones are practice
        bool counted = false;
        // counted: whole days until the card is due again
        int interval = 0;
        // not empty when the answer could not be written to the log
        QString logError;
    };

    // history: where answers are recorded and the Due order reads the
    // schedule; none records nothing and has nothing due.
    Drill(Dictionary *dictionary, QRandomGenerator *random, ReviewHistory *history = nullptr);
    ~Drill();
    Drill(const Drill &) = delete;
    Drill &operator=(const Drill &) = delete;

    // The meanings asked and shown are those of this user language.
    void setUserLanguage(int index) { m_userLanguage = index; }
    int userLanguage() const { return m_userLanguage; }
    void setNewPerDay(int count) { m_newPerDay = count; }
    // The time answers are given at (seconds since 1970 UTC); the clock by default.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    // Builds the list anew; false when there is nothing to ask.
    bool start(Order order);
    Order order() const { return m_order; }
    // Forgets the list: the store holds another dictionary.
    void clear();
    // The next question from the list; false when the list is done.
    bool next();
    bool hasQuestion() const { return m_question.entry.id() != 0; }
    const Question &question() const { return m_question; }
    // The question again, for another user language.
    void rephrase();
    // Checks the answer; unless it is the first "almost", rates and
    // records it, moves the asked direction's counter in the store and
    // takes the card off the list (Due: back into it a little later when
    // wrong).
    Result answer(const QString &typed);
    // Gives the last answer another rating (Again, Good or Easy, as the
    // learner says): recorded, the counter moved back and again. False when
    // there is no answer to correct or the rating is the same.
    bool correct(quint8 rating);
    // The last rated answer, for its correction.
    const Result &lastResult() const { return m_last.result; }
    bool canCorrect() const { return m_last.review.card.entryId != 0; }

    // The ids still to ask in the orders of the whole list.
    const QList<int> &wordList() const { return m_wordList; }
    // The cards still to ask in the Due order, the current one first.
    const QList<CardKey> &dueQueue() const { return m_queue; }
    // Questions still to come, the current one included.
    int remaining() const { return int(m_order == Order::Due ? m_queue.size() : m_wordList.size()); }
    int asked() const { return m_asked; }
    int right() const { return m_right; }

    // The counters after an answer: correct raises the asked one up to 100,
    // wrong lowers one above 15 by a tenth and 2.
    static qint8 counterAfter(qint8 counter, bool correct);
    // True when the foreign word is shown and its meaning asked, for a draw
    // in 0..1023.
    static bool asksForeignWord(quint32 draw, qint8 forward, qint8 backward);
    // A card answered wrong in the Due order comes back after this many
    // other questions.
    static constexpr int ComesBackAfter = 3;

private:
    QList<int> sortedByKnowledge(const QList<int> &ids, bool includeUnasked) const;
    QList<CardKey> dueSession(qint64 now) const;
    QString hintForWord(const Entry &entry) const;
    QString hintForMeaning(const QString &meaning, const Entry &entry) const;
    bool pointsShown() const;
    void requeue(const CardKey &card);
    Result rate(Verdict verdict, quint8 rating, const QString &typed);
    void setCounter(const CardKey &card, qint8 counter);

    Dictionary *m_dictionary;
    QRandomGenerator *m_random;
    ReviewHistory *m_history;
    // the history of a drill given none: in memory only
    std::unique_ptr<ReviewHistory> m_ownHistory;
    std::function<qint64()> m_clock;
    int m_userLanguage = 0;
    int m_newPerDay = DefaultNewPerDay;
    Order m_order = Order::WeakestFirst;
    QList<int> m_wordList;
    QList<CardKey> m_queue;
    int m_index = 0;
    Question m_question;
    bool m_secondTry = false;
    int m_asked = 0;
    int m_right = 0;
    // the last rated answer, as recorded, and the counter before it
    struct Last
    {
        Review review;
        qint8 counterBefore = 0;
        Result result;
    } m_last;
};
