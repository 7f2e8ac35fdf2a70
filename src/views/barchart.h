#pragma once

#include "train/schedulequeries.h"

#include <QWidget>

// A bar for each day of a run of days, drawn with QPainter: the highest
// count names the scale, the first and last dates stand under the bars.
class BarChart : public QWidget
{
    Q_OBJECT

public:
    explicit BarChart(QWidget *parent = nullptr);

    void setDays(const QList<ScheduleQueries::DayCount> &days);
    const QList<ScheduleQueries::DayCount> &days() const { return m_days; }
    int total() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<ScheduleQueries::DayCount> m_days;
};
