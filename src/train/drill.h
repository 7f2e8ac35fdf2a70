#pragma once

#include "review.h"

#include "model/entry.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class Dictionary;
class QRandomGenerator;

// One drill of the entries marked for learning, without widgets: the list
// of words to ask (weakest first or at random), the direction of each
// question (drawn, weighted towards the one the learner knows less well),
// the question with a hint where other entries share it, the check of the
// answer and the two learn counters it moves in the store.
class Drill
{
    Q_DECLARE_TR_FUNCTIONS(Drill)

public:
    enum class Order { WeakestFirst, Random };

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
        bool correct = false;
        // the answer as the entry has it
        QString expected;
    };

    Drill(Dictionary *dictionary, QRandomGenerator *random);

    // The meanings asked and shown are those of this user language.
    void setUserLanguage(int index) { m_userLanguage = index; }
    int userLanguage() const { return m_userLanguage; }

    // Builds the list anew; false when no entry is marked for learning.
    bool start(Order order);
    // Forgets the list: the store holds another dictionary.
    void clear();
    // The next question from the list; false when the list is done.
    bool next();
    bool hasQuestion() const { return m_question.entry.id() != 0; }
    const Question &question() const { return m_question; }
    // The question again, for another user language.
    void rephrase();
    // Checks the answer, moves the asked direction's counter in the store
    // and takes the entry off the list.
    Result answer(const QString &typed);

    // The ids still to ask.
    const QList<int> &wordList() const { return m_wordList; }
    int asked() const { return m_asked; }
    int right() const { return m_right; }

    // The counters after an answer: correct raises the asked one up to 100,
    // wrong lowers one above 15 by a tenth and 2.
    static qint8 counterAfter(qint8 counter, bool correct);
    // True when the foreign word is shown and its meaning asked, for a draw
    // in 0..1023.
    static bool asksForeignWord(quint32 draw, qint8 forward, qint8 backward);

private:
    QList<int> sortedByKnowledge(const QList<int> &ids) const;
    QString hintForWord(const Entry &entry) const;
    QString hintForMeaning(const QString &meaning, const Entry &entry) const;
    bool isCorrect(const QString &typed) const;

    Dictionary *m_dictionary;
    QRandomGenerator *m_random;
    int m_userLanguage = 0;
    Order m_order = Order::WeakestFirst;
    QList<int> m_wordList;
    int m_index = 0;
    Question m_question;
    int m_asked = 0;
    int m_right = 0;
};
