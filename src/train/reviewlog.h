#pragma once

#include "review.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

#include <vector>

class Dictionary;

// The review log of one dictionary, FILE.dic.reviews beside it: the record
// of every rated answer, from which the schedule is worked out again at each
// start. Plain UTF-8 text, one line each:
//
//     2026-01-04T10:00:00Z <TAB> entry id <TAB> f|b <TAB> rating 1-4 <TAB> answer
//     2026-01-05T08:00:00Z <TAB> renumber <TAB> old>new <TAB> ... <TAB> number of pairs
//     2026-01-04T10:00:09Z <TAB> correct <TAB> review's time <TAB> entry id <TAB> f|b <TAB> rating
//
// The answer is escaped (\t, \n, \r, \\) so it stays on its line. A review
// is appended as one whole line and flushed at once, so a crash can at worst
// cut the last line; a line that cannot be read, such as a cut one, is
// skipped and kept, never fatal. A renumbering line carries the entry ids a
// change of the dictionary gave other numbers to: the reviews before it
// belong to the entries under their new ids. A correction line gives the
// review with that time, id and direction, the latest such line before it,
// another rating (the learner said "I was right" or "I was wrong"): the log
// is only ever appended to, and reading it yields the corrected rating. An
// entry deleted from the dictionary keeps its reviews until compact() drops
// them.
//
// Failures are results: each writing call returns false and leaves the log
// as it was (or with a cut last line), errorString() tells why.
class ReviewLog
{
    Q_DECLARE_TR_FUNCTIONS(ReviewLog)

public:
    // Entry ids that changed together: each old id's reviews go to its new
    // id at once, so a swap or a chain moves every history once. Two old ids
    // going to one new id join their histories, as does a new id that
    // already had reviews of its own.
    struct Renumbering
    {
        qint64 time = 0;
        // the reviews of the log before it, the ones it renumbers
        qsizetype reviewsBefore = 0;
        QList<QPair<int, int>> moves;
    };

    // What a log holds, in the order of the file.
    struct Contents
    {
        std::vector<Review> reviews;
        QList<Renumbering> renumberings;
        int unreadableLines = 0;
        // the corrections taken into the reviews' ratings
        int corrections = 0;

        // The id each review's entry has now, after the renumberings that
        // came after the review.
        std::vector<int> currentIds() const;
    };

    enum class Status {
        Ok,
        Missing, // no log yet: nothing was reviewed
        Unreadable, // the log exists but cannot be read
    };

    static QString pathFor(const QString &dictionaryPath);
    // Keeps the log of that dictionary among its backups, as the dictionary
    // file's own backups are kept (FILE.dic.reviews.bak, .bak.1, ...): to be
    // called whenever the dictionary's backups move on, so that generation
    // N of the log goes with generation N of the dictionary.
    static bool keepBackup(const QString &dictionaryPath, QString *error);

    explicit ReviewLog(const QString &path);
    QString path() const { return m_path; }

    // Reads the whole log into an empty contents.
    Status read(Contents &contents);
    [[nodiscard]] bool append(const Review &review);
    // Appends one line saying that these entries now have the new ids.
    [[nodiscard]] bool appendRenumbering(const QList<QPair<int, int>> &moves, qint64 time);
    // Appends one line giving the review, as it was appended, another
    // rating from now on.
    [[nodiscard]] bool appendCorrection(const Review &review, quint8 rating, qint64 time);
    // Rewrites the log with the reviews of the entries the dictionary still
    // holds, under their current ids and with their corrected ratings,
    // without renumberings and corrections; lines that
    // cannot be read stay as they are. The old log is kept as its backup
    // first, the new one replaces it only when written whole. *dropped, when
    // given, is told how many reviews went.
    [[nodiscard]] bool compact(const Dictionary &dictionary, int *dropped = nullptr);

    QString errorString() const { return m_errorString; }

    // One review as a line of the log.
    static QByteArray line(const Review &review);

private:
    bool appendLine(const QByteArray &line);
    bool readBytes(QByteArray &data, Status &status);
    bool fail(const QString &reason);

    QString m_path;
    QString m_errorString;
};
