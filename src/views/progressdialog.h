#pragma once

#include "train/reviewschedule.h"

#include <QDialog>
#include <QList>

class BarChart;
class QLabel;
class QSpinBox;

// The learner's progress with one dictionary, as its schedule stands at
// `now`: the reviews of each of the last 30 days and those due on each of
// the next 30, the share remembered against the one aimed at, the words by
// stage, the days trained in a row; and the two settings of the schedule
// (the share to remember, new words a day), which the trainer applies when
// the dialog is accepted.
class ProgressDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Days = 30;

    // markedIds: the entries marked for learning, the words the stages count
    ProgressDialog(const ReviewSchedule &schedule, const QList<int> &markedIds, qint64 now, int newPerDay,
        QWidget *parent = nullptr);

    double desiredRetention() const;
    int newPerDay() const;

private:
    BarChart *m_pastChart;
    BarChart *m_futureChart;
    QLabel *m_retentionLabel;
    QLabel *m_stagesLabel;
    QLabel *m_streakLabel;
    QSpinBox *m_retentionBox;
    QSpinBox *m_newPerDayBox;
};
