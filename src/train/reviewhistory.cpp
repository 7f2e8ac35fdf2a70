#include "reviewhistory.h"

#include "trainlog.h"

ReviewHistory::ReviewHistory() = default;
ReviewHistory::~ReviewHistory() = default;

bool ReviewHistory::open(const QString &dictionaryPath, const ReviewSchedule::Options &options)
{
    m_dictionaryPath = dictionaryPath;
    m_schedule = ReviewSchedule(options);
    m_log.reset();
    m_readable = true;
    m_unreadableLines = 0;
    m_errorString.clear();
    if (dictionaryPath.isEmpty())
        return true;
    m_log = std::make_unique<ReviewLog>(ReviewLog::pathFor(dictionaryPath));
    ReviewLog::Contents contents;
    if (m_log->read(contents) == ReviewLog::Status::Unreadable) {
        m_readable = false;
        m_errorString = m_log->errorString();
        return false;
    }
    m_unreadableLines = contents.unreadableLines;
    m_schedule.replay(contents);
    return true;
}

bool ReviewHistory::writable()
{
    if (!m_readable) {
        m_errorString = tr("the review log %1 cannot be read, so nothing is added to it").arg(m_log->path());
        return false;
    }
    return true;
}

bool ReviewHistory::record(const Review &review, ReviewEvent *taken)
{
    const bool logged = !m_log || (writable() && m_log->append(review));
    if (!logged && m_readable)
        m_errorString = m_log->errorString();
    const ReviewEvent event = m_schedule.add(review);
    if (taken)
        *taken = event;
    return logged;
}

bool ReviewHistory::correct(const Review &review, quint8 rating, qint64 time)
{
    const bool logged = !m_log || (writable() && m_log->appendCorrection(review, rating, time));
    if (!logged && m_readable)
        m_errorString = m_log->errorString();
    m_schedule.correct(review, rating);
    return logged;
}
