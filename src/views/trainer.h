#pragma once

#include "train/drill.h"

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

// The trainer page: a Drill of the entries marked for learning, one
// question at a time (the foreign word for its meaning, or the meaning for
// the word), green or red once answered; Return answers and Return again
// goes on. "Reset" asks the weakest first, "Random" in any order.
class Trainer : public QWidget
{
    Q_OBJECT

public:
    Trainer(const QString &iconPath, Dictionary *dictionary, QRandomGenerator *random, QWidget *parent = nullptr);

    void setUserLanguage(int index);
    const Drill &drill() const { return m_drill; }

public slots:
    void resetWordList();
    void setRandomMode();
    void inputFinished();

private:
    // Another dictionary in the store, or none: the ids asked so far mean
    // nothing in it.
    void storeReset();
    void start(Drill::Order order);
    void tellHowToMark();
    void showQuestion();
    void setDirectionLabels(bool foreignShown);
    void showAnswer();

    Dictionary *m_dictionary;
    Drill m_drill;
    bool m_answered = false;
    QPushButton *m_resetButton;
    QPushButton *m_randomButton;
    QLabel *m_countLabel;
    QLabel *m_questionLabel;
    QLabel *m_answerLabel;
    QLineEdit *m_questionEdit;
    SoftKeyboard *m_keyboard;
    KeyMappingLineEdit *m_answerEdit;
};
