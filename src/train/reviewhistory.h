#pragma once

#include "reviewlog.h"
#include "reviewschedule.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

// The training history of the open dictionary: its review log and the
// schedule replayed from it. Every answer and every correction goes to the
// log first, flushed, and then into the schedule, so what the trainer
// shows is always what a replay of the log gives.
//
// Without a dictionary file (a new, unsaved one) the history lives in
// memory only. A log that exists but cannot be read is never written to:
// the schedule then starts empty and each answer fails with errorString().
class ReviewHistory
{
    Q_DECLARE_TR_FUNCTIONS(ReviewHistory)

public:
    ReviewHistory();
    ~ReviewHistory();

    // Reads the log beside this dictionary file and works the schedule
    // out; an empty path: none. False, with errorString(), when the log
    // exists but cannot be read.
    bool open(const QString &dictionaryPath, const ReviewSchedule::Options &options = {});
    QString dictionaryPath() const { return m_dictionaryPath; }
    const ReviewSchedule &schedule() const { return m_schedule; }
    // The lines of the log that could not be read and were skipped.
    int unreadableLines() const { return m_unreadableLines; }

    // Appends the answer to the log and takes it into the schedule; it
    // is taken even when the log cannot be written (false, errorString()),
    // so the session goes on as the learner saw it.
    bool record(const Review &review, ReviewEvent *taken = nullptr);
    // Gives a review recorded before another rating.
    bool correct(const Review &review, quint8 rating, qint64 time);

    QString errorString() const { return m_errorString; }

private:
    bool writable();

    QString m_dictionaryPath;
    std::unique_ptr<ReviewLog> m_log;
    bool m_readable = true;
    ReviewSchedule m_schedule;
    int m_unreadableLines = 0;
    QString m_errorString;
};
