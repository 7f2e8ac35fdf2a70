#include "progressdialog.h"

#include "barchart.h"

#include "train/reviewtime.h"
#include "train/schedulequeries.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSet>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString retentionText(const ScheduleQueries::Retention &measured, double desired)
{
    const int aim = int(desired * 100 + 0.5);
    if (measured.reviews == 0)
        return ProgressDialog::tr("No word was due for review in the last %1 days, so nothing tells yet how much "
                                  "you remember (the aim is %2%).")
            .arg(ProgressDialog::Days)
            .arg(aim);
    return ProgressDialog::tr(
        "Remembered in the last %1 days: %2% of %n reviews (the aim is %3%).", nullptr, measured.reviews)
        .arg(ProgressDialog::Days)
        .arg(int(measured.share() * 100 + 0.5))
        .arg(aim);
}

// A word is new until asked either way, known once both ways are, and
// learning in between.
QString stagesText(const ReviewSchedule &schedule, const QList<int> &markedIds)
{
    int fresh = 0;
    int learning = 0;
    int known = 0;
    for (int id : markedIds) {
        const ScheduleQueries::Stages stages
            = ScheduleQueries::stages(schedule, {{id, Direction::Forward}, {id, Direction::Backward}});
        fresh += stages.unseen == 2 ? 1 : 0;
        known += stages.known == 2 ? 1 : 0;
        learning += stages.unseen < 2 && stages.known < 2 ? 1 : 0;
    }
    return ProgressDialog::tr("Words to learn: %1 new, %2 learning, %3 known.").arg(fresh).arg(learning).arg(known);
}

} // namespace

ProgressDialog::ProgressDialog(
    const ReviewSchedule &schedule, const QList<int> &markedIds, qint64 now, int newPerDay, QWidget *parent)
    : QDialog(parent)
    , m_pastChart(new BarChart)
    , m_futureChart(new BarChart)
    , m_retentionLabel(new QLabel)
    , m_stagesLabel(new QLabel)
    , m_streakLabel(new QLabel)
    , m_retentionBox(new QSpinBox)
    , m_newPerDayBox(new QSpinBox)
{
    setWindowTitle(tr("Progress"));
    m_pastChart->setObjectName(QStringLiteral("pastChart"));
    m_futureChart->setObjectName(QStringLiteral("futureChart"));
    m_retentionLabel->setObjectName(QStringLiteral("retentionLabel"));
    m_stagesLabel->setObjectName(QStringLiteral("stagesLabel"));
    m_streakLabel->setObjectName(QStringLiteral("streakLabel"));
    m_retentionBox->setObjectName(QStringLiteral("retentionBox"));
    m_newPerDayBox->setObjectName(QStringLiteral("newPerDayBox"));

    const QSet<int> marked(markedIds.cbegin(), markedIds.cend());
    const auto isMarked = [&marked](const CardKey &key) { return marked.contains(key.entryId); };
    m_pastChart->setDays(ScheduleQueries::reviewsPerDay(schedule, now, Days));
    m_futureChart->setDays(ScheduleQueries::duePerDay(schedule, now, Days, isMarked));
    const qint64 from = ReviewTime::startOfDay(schedule.dayOf(now) - Days + 1, schedule.options().utcOffset);
    m_retentionLabel->setText(retentionText(
        ScheduleQueries::measuredRetention(schedule, from, now + 1), schedule.options().desiredRetention));
    m_stagesLabel->setText(stagesText(schedule, markedIds));
    m_streakLabel->setText(tr("Days trained in a row: %1.").arg(ScheduleQueries::daysInARow(schedule, now)));
    for (QLabel *label : {m_retentionLabel, m_stagesLabel, m_streakLabel})
        label->setWordWrap(true);

    m_retentionBox->setRange(70, 97);
    m_retentionBox->setSuffix(QStringLiteral(" %"));
    m_retentionBox->setValue(int(schedule.options().desiredRetention * 100 + 0.5));
    m_retentionBox->setToolTip(tr("The share of words you want to remember when they come up: a higher one brings "
                                  "them back sooner and more often."));
    m_newPerDayBox->setRange(0, 500);
    m_newPerDayBox->setValue(newPerDay);
    auto *settings = new QFormLayout;
    settings->addRow(tr("Share to remember:"), m_retentionBox);
    settings->addRow(tr("New words a day:"), m_newPerDayBox);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Reviews in the last %1 days:").arg(Days)));
    layout->addWidget(m_pastChart);
    layout->addWidget(new QLabel(tr("Reviews due in the next %1 days:").arg(Days)));
    layout->addWidget(m_futureChart);
    layout->addWidget(m_retentionLabel);
    layout->addWidget(m_stagesLabel);
    layout->addWidget(m_streakLabel);
    layout->addLayout(settings);
    layout->addWidget(buttons);
}

double ProgressDialog::desiredRetention() const
{
    return m_retentionBox->value() / 100.0;
}

int ProgressDialog::newPerDay() const
{
    return m_newPerDayBox->value();
}
