#pragma once

#include "dict/entry.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class Dictionary;
class QLabel;
class QLineEdit;
class QPushButton;
class QRandomGenerator;
class KeyMappingLineEdit;
class SoftKeyboard;

// The trainer page: drills the entries marked for learning, one at a time,
// asking the foreign word for its meaning (H->E) or the meaning for the
// word (E->H). The direction is drawn at random, weighted towards the one
// the user knows less well; every answer updates the entry's two learn
// counters in the store at once. The word list is ordered weakest first
// (Reset) or picked at random (Random).
class Trainer : public QWidget
{
    Q_OBJECT

public:
    Trainer(const QString &iconPath, Dictionary *dictionary, QRandomGenerator *random, QWidget *parent = nullptr);

    void setUserLanguage(int index);
    QString typeName(int type) const;

    // The ids still to ask, in order.
    const QList<int> &wordList() const { return m_wordList; }
    int currentId() const { return m_currentId; }
    bool isHebrewAsked() const { return m_hebrewAsked; }
    // The counters after an answer: correct raises the asked one up to 100,
    // wrong lowers one above 15 by a tenth and 2.
    static qint8 counterAfter(qint8 counter, bool correct);
    // True when the foreign word is asked, for a draw in 0..1023.
    static bool asksForeignWord(quint32 draw, qint8 forward, qint8 backward);

public slots:
    void resetWordList();
    void setRandomMode();
    void inputFinished();

private:
    // Another dictionary in the store, or none: the ids asked so far mean
    // nothing in it.
    void storeReset();
    void buildWordList();
    void tellHowToMark();
    QList<int> sortByKnowledge(const QList<int> &ids);
    void showWord();
    void showQuestion();
    void setDirectionLabels(bool hebrewAsked);
    QString hintForWord(const QString &question, const Entry &entry) const;
    QString hintForTranslation(const QString &question, const Entry &entry) const;
    void checkAnswer();

    Dictionary *m_dictionary;
    QRandomGenerator *m_random;
    int m_userLanguage = 0;
    bool m_randomMode = false;
    QList<int> m_wordList;
    int m_index = 0;
    int m_currentId = -1;
    bool m_hebrewAsked = false;
    Entry m_current;
    bool m_answered = false;
    // this run's answers
    int m_asked = 0;
    int m_right = 0;
    QPushButton *m_resetButton;
    QPushButton *m_randomButton;
    QLabel *m_countLabel;
    QLabel *m_questionLabel;
    QLabel *m_answerLabel;
    QLineEdit *m_questionEdit;
    SoftKeyboard *m_keyboard;
    KeyMappingLineEdit *m_answerEdit;
};
