#include "reviewlog.h"

#include "reviewtime.h"
#include "trainlog.h"

#include "files/atomicfile.h"
#include "files/backupfiles.h"
#include "model/dictionary.h"
#include "formats/textfields.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QVarLengthArray>

#include <climits>

namespace {

const QByteArray RenumberMark = QByteArrayLiteral("renumber");
const QByteArray CorrectMark = QByteArrayLiteral("correct");

enum class LineKind { Blank, Review, Renumbering, Correction, Unreadable };

using Fields = QVarLengthArray<QByteArrayView, 8>;

Fields split(QByteArrayView line)
{
    Fields fields;
    qsizetype from = 0;
    for (qsizetype tab = line.indexOf('\t'); tab >= 0; tab = line.indexOf('\t', from)) {
        fields.append(line.sliced(from, tab - from));
        from = tab + 1;
    }
    fields.append(line.sliced(from));
    return fields;
}

// A whole number from 1 to INT_MAX, digits only.
bool parseId(QByteArrayView text, int &id)
{
    if (text.isEmpty() || text.size() > 10)
        return false;
    qint64 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > INT_MAX)
        return false;
    id = int(value);
    return true;
}

// An entry id, a direction and a rating from three fields in a row.
bool parseCard(const Fields &fields, qsizetype at, CardKey &card, quint8 &rating)
{
    if (fields[at + 1].size() != 1 || fields[at + 2].size() != 1)
        return false;
    const char direction = fields[at + 1][0];
    const char digit = fields[at + 2][0];
    if ((direction != 'f' && direction != 'b') || digit < '1' || digit > '4')
        return false;
    if (!parseId(fields[at], card.entryId))
        return false;
    card.direction = direction == 'f' ? Direction::Forward : Direction::Backward;
    rating = quint8(digit - '0');
    return true;
}

bool parseReview(const Fields &fields, Review &review)
{
    // the answer's field is there even when empty: a line cut before it
    // is not taken for a review
    if (fields.size() < 5 || !parseCard(fields, 1, review.card, review.rating))
        return false;
    review.answer = fields[4].isEmpty() ? QString() : unescapeField(QString::fromUtf8(fields[4]));
    return true;
}

// A correction: the review's time, id, direction, then the new rating; in
// `review`, the time is the corrected review's.
bool parseCorrection(const Fields &fields, Review &review)
{
    return fields.size() >= 6 && ReviewTime::parse(fields[2], review.time)
        && parseCard(fields, 3, review.card, review.rating);
}

// The last field counts the pairs, so a line cut anywhere is no renumbering.
bool parseRenumbering(const Fields &fields, ReviewLog::Renumbering &renumbering)
{
    int count = 0;
    if (fields.size() < 4 || !parseId(fields.last(), count) || count != fields.size() - 3)
        return false;
    for (qsizetype i = 2; i < fields.size() - 1; ++i) {
        const qsizetype arrow = fields[i].indexOf('>');
        int from = 0;
        int to = 0;
        if (arrow < 0 || !parseId(fields[i].first(arrow), from) || !parseId(fields[i].sliced(arrow + 1), to))
            return false;
        renumbering.moves.append({from, to});
    }
    return true;
}

LineKind parseLine(QByteArrayView line, Review &review, ReviewLog::Renumbering &renumbering)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return LineKind::Blank;
    const Fields fields = split(line);
    qint64 time = 0;
    if (fields.size() < 2 || !ReviewTime::parse(fields[0], time))
        return LineKind::Unreadable;
    if (fields[1] == RenumberMark) {
        renumbering = {time, 0, {}};
        return parseRenumbering(fields, renumbering) ? LineKind::Renumbering : LineKind::Unreadable;
    }
    if (fields[1] == CorrectMark)
        return parseCorrection(fields, review) ? LineKind::Correction : LineKind::Unreadable;
    review.time = time;
    return parseReview(fields, review) ? LineKind::Review : LineKind::Unreadable;
}

// Calls line(view) for each line of the data, the last one also when it
// does not end in a line feed.
template <typename Visit> void forEachLine(const QByteArray &data, Visit visit)
{
    qsizetype from = 0;
    while (from < data.size()) {
        qsizetype end = data.indexOf('\n', from);
        if (end < 0)
            end = data.size();
        visit(QByteArrayView(data).sliced(from, end - from));
        from = end + 1;
    }
}

// The review a correction is for: the latest one before it with the same
// time, id (as written) and direction. Corrections follow their review
// closely, so the search from the end is short.
Review *correctedReview(std::vector<Review> &reviews, const std::vector<int> &writtenIds, const Review &correction)
{
    for (size_t i = reviews.size(); i-- > 0;) {
        Review &candidate = reviews[i];
        if (candidate.time == correction.time && writtenIds[i] == correction.card.entryId
            && candidate.card.direction == correction.card.direction)
            return &candidate;
    }
    return nullptr;
}

void parse(const QByteArray &data, ReviewLog::Contents &contents)
{
    Review review;
    ReviewLog::Renumbering renumbering;
    // the ids as the review lines have them, for the corrections
    std::vector<int> writtenIds;
    forEachLine(data, [&](QByteArrayView line) {
        switch (parseLine(line, review, renumbering)) {
        case LineKind::Review:
            contents.reviews.push_back(review);
            writtenIds.push_back(review.card.entryId);
            break;
        case LineKind::Correction:
            if (Review *corrected = correctedReview(contents.reviews, writtenIds, review)) {
                corrected->rating = review.rating;
                ++contents.corrections;
            }
            break;
        case LineKind::Renumbering:
            renumbering.reviewsBefore = qsizetype(contents.reviews.size());
            contents.renumberings.append(renumbering);
            break;
        case LineKind::Unreadable: ++contents.unreadableLines; break;
        case LineKind::Blank: break;
        }
    });
}

// The histories of the entries while the log is walked: each id points to
// the history its reviews so far belong to. Histories that join are merged
// as in a union-find, so each review's history is found at the end.
class HistoryIds
{
public:
    int historyOf(int id)
    {
        const auto it = m_byId.constFind(id);
        if (it != m_byId.cend())
            return *it;
        m_parent.push_back(int(m_parent.size()));
        m_idOfRoot.push_back(id);
        m_byId.insert(id, m_parent.back());
        return m_parent.back();
    }

    void renumber(const QList<QPair<int, int>> &moves)
    {
        // all histories leave their old ids before any arrives, so a swap
        // or a chain needs no order
        QList<QPair<int, int>> arriving;
        for (const auto &[from, to] : moves) {
            const auto it = m_byId.find(from);
            if (it == m_byId.end())
                continue;
            arriving.append({*it, to});
            m_byId.erase(it);
        }
        for (const auto &[history, to] : std::as_const(arriving)) {
            const auto it = m_byId.constFind(to);
            if (it == m_byId.cend()) {
                m_byId.insert(to, history);
                m_idOfRoot[size_t(root(history))] = to;
            } else {
                m_parent[size_t(root(history))] = root(*it);
            }
        }
    }

    int idNow(int history) { return m_idOfRoot[size_t(root(history))]; }

private:
    int root(int history)
    {
        while (m_parent[size_t(history)] != history) {
            m_parent[size_t(history)] = m_parent[size_t(m_parent[size_t(history)])];
            history = m_parent[size_t(history)];
        }
        return history;
    }

    QHash<int, int> m_byId;
    std::vector<int> m_parent;
    std::vector<int> m_idOfRoot;
};

} // namespace

std::vector<int> ReviewLog::Contents::currentIds() const
{
    std::vector<int> ids(reviews.size());
    for (size_t i = 0; i < reviews.size(); ++i)
        ids[i] = reviews[i].card.entryId;
    if (renumberings.isEmpty())
        return ids;
    HistoryIds histories;
    size_t next = 0;
    for (const Renumbering &renumbering : renumberings) {
        for (; next < size_t(renumbering.reviewsBefore) && next < ids.size(); ++next)
            ids[next] = histories.historyOf(ids[next]);
        histories.renumber(renumbering.moves);
    }
    for (; next < ids.size(); ++next)
        ids[next] = histories.historyOf(ids[next]);
    for (int &id : ids)
        id = histories.idNow(id);
    return ids;
}

QString ReviewLog::pathFor(const QString &dictionaryPath)
{
    return dictionaryPath + QStringLiteral(".reviews");
}

bool ReviewLog::keepBackup(const QString &dictionaryPath, QString *error)
{
    return BackupFiles::keep(pathFor(dictionaryPath), error);
}

ReviewLog::ReviewLog(const QString &path)
    : m_path(path)
{ }

bool ReviewLog::fail(const QString &reason)
{
    m_errorString = QStringLiteral("%1: %2").arg(m_path, reason);
    qCWarning(lcTrain) << "review log:" << m_errorString;
    return false;
}

bool ReviewLog::readBytes(QByteArray &data, Status &status)
{
    const QFileInfo info(m_path);
    if (!info.exists()) {
        status = Status::Missing;
        return false;
    }
    status = Status::Unreadable;
    if (!info.isFile())
        return fail(tr("not a regular file"));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(tr("cannot read: %1").arg(file.errorString()));
    data = file.readAll();
    status = Status::Ok;
    return true;
}

ReviewLog::Status ReviewLog::read(Contents &contents)
{
    QByteArray data;
    Status status = Status::Ok;
    if (!readBytes(data, status))
        return status;
    parse(data, contents);
    if (contents.unreadableLines > 0)
        qCWarning(lcTrain) << "the review log" << m_path << "has" << contents.unreadableLines
                           << "unreadable lines, skipped";
    return Status::Ok;
}

QByteArray ReviewLog::line(const Review &review)
{
    return ReviewTime::format(review.time) + '\t' + QByteArray::number(review.card.entryId) + '\t'
        + (review.card.direction == Direction::Forward ? 'f' : 'b') + '\t' + QByteArray::number(review.rating) + '\t'
        + escapeField(review.answer).toUtf8() + '\n';
}

bool ReviewLog::append(const Review &review)
{
    if (review.card.entryId < 1 || review.rating < Review::Again || review.rating > Review::Easy)
        return fail(tr("no review of an entry: id %1, rating %2").arg(review.card.entryId).arg(review.rating));
    return appendLine(line(review));
}

bool ReviewLog::appendCorrection(const Review &review, quint8 rating, qint64 time)
{
    if (review.card.entryId < 1 || rating < Review::Again || rating > Review::Easy)
        return fail(tr("no correction of a review: id %1, rating %2").arg(review.card.entryId).arg(rating));
    return appendLine(ReviewTime::format(time) + '\t' + CorrectMark + '\t' + ReviewTime::format(review.time) + '\t'
        + QByteArray::number(review.card.entryId) + '\t' + (review.card.direction == Direction::Forward ? 'f' : 'b')
        + '\t' + QByteArray::number(rating) + '\n');
}

bool ReviewLog::appendRenumbering(const QList<QPair<int, int>> &moves, qint64 time)
{
    if (moves.isEmpty())
        return true;
    QByteArray line = ReviewTime::format(time) + '\t' + RenumberMark;
    for (const auto &[from, to] : moves) {
        if (from < 1 || to < 1)
            return fail(tr("no entry ids: %1 to %2").arg(from).arg(to));
        line += '\t' + QByteArray::number(from) + '>' + QByteArray::number(to);
    }
    return appendLine(line + '\t' + QByteArray::number(moves.size()) + '\n');
}

// One write of the whole line on a file opened for appending: a crash cuts
// at most this line. A line cut before is ended first, so this one starts
// on a line of its own.
bool ReviewLog::appendLine(const QByteArray &line)
{
    if (QFileInfo::exists(m_path) && !QFileInfo(m_path).isFile())
        return fail(tr("not a regular file"));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return fail(tr("cannot write: %1").arg(file.errorString()));
    QByteArray out;
    char last = '\n';
    if (file.size() > 0 && (!file.seek(file.size() - 1) || !file.getChar(&last)))
        return fail(tr("cannot read: %1").arg(file.errorString()));
    if (last != '\n')
        out = "\n";
    out += line;
    if (file.write(out) != out.size() || !file.flush())
        return fail(tr("cannot write: %1").arg(file.errorString()));
    return true;
}

bool ReviewLog::compact(const Dictionary &dictionary, int *dropped)
{
    QByteArray data;
    Status status = Status::Ok;
    if (!readBytes(data, status))
        return status == Status::Missing;
    Contents contents;
    parse(data, contents);
    const std::vector<int> ids = contents.currentIds();
    QSet<int> held;
    for (int i = 0; i < dictionary.count(); ++i)
        held.insert(dictionary.idAt(i));

    QByteArray out;
    out.reserve(data.size());
    size_t next = 0;
    int gone = 0;
    Review review;
    Renumbering renumbering;
    forEachLine(data, [&](QByteArrayView line) {
        switch (parseLine(line, review, renumbering)) {
        case LineKind::Review: {
            const int id = ids[next++];
            if (!held.contains(id)) {
                ++gone;
                break;
            }
            // the line as it was but for the id and the corrected rating,
            // fields a later version may add included: after the id come
            // a tab, the direction, a tab and the rating's one digit
            const qsizetype idStart = line.indexOf('\t') + 1;
            const qsizetype idEnd = line.indexOf('\t', idStart);
            out += line.first(idStart);
            out += QByteArray::number(id);
            out += line.sliced(idEnd, 3);
            out += char('0' + contents.reviews[next - 1].rating);
            out += line.sliced(idEnd + 4);
            out += '\n';
            break;
        }
        case LineKind::Unreadable:
            out += line;
            out += '\n';
            break;
        case LineKind::Renumbering:
        case LineKind::Correction:
        case LineKind::Blank: break;
        }
    });

    QString error;
    if (!BackupFiles::keep(m_path, &error) || !writeFileAtomically(m_path, out, &error))
        return fail(error);
    qCDebug(lcTrain) << "compacted" << m_path << "dropping" << gone << "reviews";
    if (dropped)
        *dropped = gone;
    return true;
}
