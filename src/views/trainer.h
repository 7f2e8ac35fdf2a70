#pragma once

#include "train/drill.h"
#include "train/reviewhistory.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

class Dictionary;
class QLabel;
class QLineEdit;
class QPushButton;
class QRandomGenerator;
class KeyMappingLineEdit;
class SoftKeyboard;

// The trainer page: a Drill of the entries marked for learning, one
// question at a time (the foreign word for its meaning, or the meaning for
// the word), green or red once answered, what was typed shown beside the
// right answer; Return answers and Return again goes on. "Due" (the
// default, started when the page is shown) asks what the schedule has due
// and the day's new words, "Reset" every word weakest first, "Random" in
// any order. After an answer the learner may say "I was right", "I was
// wrong" or "Easy". Every answer goes to the dictionary's review log at
// once. The page says how many reviews are due now, today and tomorrow;
// "Progress" shows the charts and the schedule's settings.
class Trainer : public QWidget
{
    Q_OBJECT

public:
    Trainer(const QString &iconPath, Dictionary *dictionary, QRandomGenerator *random, QWidget *parent = nullptr);

    void setUserLanguage(int index);
    // Reads the training history kept beside this dictionary file (none
    // when empty); the Due session starts from it.
    void openHistory(const QString &dictionaryPath);
    // The time answers are given at; the clock by default.
    void setClock(std::function<qint64()> clock);
    const Drill &drill() const { return m_drill; }
    const ReviewHistory &history() const { return m_history; }

public slots:
    void startDue();
    void resetWordList();
    void setRandomMode();
    void inputFinished();
    void showProgress();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Another dictionary in the store, or none: the ids asked so far mean
    // nothing in it.
    void storeReset();
    void start(Drill::Order order, bool quiet);
    void tellHowToMark();
    void showQuestion();
    void setDirectionLabels(bool foreignShown);
    void showAnswer();
    void showRated(const Drill::Result &result);
    void correctLast(quint8 rating);
    void updateCorrectionButtons();
    void updateDueCounts();
    QString counterText() const;
    ReviewSchedule::Options scheduleOptions() const;

    Dictionary *m_dictionary;
    ReviewHistory m_history;
    Drill m_drill;
    std::function<qint64()> m_clock;
    bool m_answered = false;
    QPushButton *m_dueButton;
    QPushButton *m_resetButton;
    QPushButton *m_randomButton;
    QPushButton *m_progressButton;
    QLabel *m_dueLabel;
    QLabel *m_countLabel;
    QLabel *m_questionLabel;
    QLabel *m_answerLabel;
    QLineEdit *m_questionEdit;
    SoftKeyboard *m_keyboard;
    KeyMappingLineEdit *m_answerEdit;
    QLabel *m_typedLabel;
    QLabel *m_feedbackLabel;
    QPushButton *m_rightButton;
    QPushButton *m_wrongButton;
    QPushButton *m_easyButton;
};
