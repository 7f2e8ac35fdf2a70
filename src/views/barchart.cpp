#include "barchart.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>

BarChart::BarChart(QWidget *parent)
    : QWidget(parent)
{
    setMinimumHeight(90);
}

void BarChart::setDays(const QList<ScheduleQueries::DayCount> &days)
{
    m_days = days;
    int most = 0;
    for (const ScheduleQueries::DayCount &day : days)
        most = std::max(most, day.count);
    // what the bars say, for a screen reader
    setAccessibleDescription(tr("%n in all, at most %1 a day", nullptr, total()).arg(most));
    update();
}

int BarChart::total() const
{
    int sum = 0;
    for (const ScheduleQueries::DayCount &day : m_days)
        sum += day.count;
    return sum;
}

QSize BarChart::sizeHint() const
{
    return {420, 120};
}

void BarChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int labels = metrics.height();
    const QRect area = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("0000")), labels / 2, -2, -labels - 2);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    if (m_days.isEmpty() || area.width() <= 0 || area.height() <= 0)
        return;
    int most = 1;
    for (const ScheduleQueries::DayCount &day : std::as_const(m_days))
        most = std::max(most, day.count);
    painter.drawText(QRect(0, area.top() - labels / 2, area.left() - 4, labels), Qt::AlignRight | Qt::AlignVCenter,
        QString::number(most));

    const double slot = double(area.width()) / double(m_days.size());
    const QColor bar = palette().color(QPalette::Highlight);
    for (qsizetype i = 0; i < m_days.size(); ++i) {
        const int height = int(double(area.height()) * m_days[i].count / most + 0.5);
        if (height == 0)
            continue;
        const QRectF box(area.left() + slot * double(i) + slot * 0.15, area.bottom() - height, slot * 0.7, height);
        painter.fillRect(box, bar);
    }
    const QLocale locale;
    const QRect under(area.left(), area.bottom() + 2, area.width(), labels);
    painter.drawText(under, Qt::AlignLeft, locale.toString(m_days.first().date, QLocale::ShortFormat));
    painter.drawText(under, Qt::AlignRight, locale.toString(m_days.last().date, QLocale::ShortFormat));
}
