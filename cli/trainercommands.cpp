#include "commands.h"

#include "console.h"
#include "support.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "train/reviewlog.h"
#include "train/reviewschedule.h"
#include "train/reviewtime.h"
#include "train/schedulequeries.h"

#include <QDateTime>
#include <QSet>

#include <limits>

using namespace Cli;

namespace {

const QString AtOption = QStringLiteral("at");
const QString AnswerOption = QStringLiteral("answer");

// The time of --at, or now.
bool timeOption(const Arguments &args, qint64 &time, QString &error)
{
    if (!args.hasOption(AtOption)) {
        time = QDateTime::currentSecsSinceEpoch();
        return true;
    }
    if (ReviewTime::parse(args.option(AtOption).toUtf8(), time))
        return true;
    error = QStringLiteral("not a time in ISO 8601 (such as 2026-01-04T10:00:00Z): '%1'").arg(args.option(AtOption));
    return false;
}

// The dictionary's schedule in the tool's days, which are UTC days, as it
// stood at `until`.
bool loadSchedule(const QString &dictionaryPath, qint64 until, ReviewSchedule &schedule, QString &error)
{
    ReviewLog log(ReviewLog::pathFor(dictionaryPath));
    ReviewLog::Contents contents;
    if (log.read(contents) == ReviewLog::Status::Unreadable) {
        error = log.errorString();
        return false;
    }
    if (contents.unreadableLines > 0)
        Console::warn(QStringLiteral("%1: %2 unreadable lines skipped").arg(log.path()).arg(contents.unreadableLines));
    schedule.replay(contents, until);
    return true;
}

QByteArray cardLine(const CardSchedule &card)
{
    return QByteArray::number(card.card.entryId) + '\t' + (card.card.direction == Direction::Forward ? 'f' : 'b') + '\t'
        + ReviewTime::format(card.due) + '\t' + QByteArray::number(card.memory.stability, 'f', 4) + '\t'
        + QByteArray::number(card.memory.difficulty, 'f', 4) + '\n';
}

bool parseReview(const QStringList &positional, const Dictionary &dictionary, Review &review, QString &error)
{
    bool isNumber = false;
    review.card.entryId = positional[1].toInt(&isNumber);
    if (!isNumber || review.card.entryId < 1 || dictionary.entryById(review.card.entryId).id() == 0) {
        error = QStringLiteral("the dictionary has no entry with the id '%1'").arg(positional[1]);
        return false;
    }
    if (positional[2] != QLatin1String("f") && positional[2] != QLatin1String("b")) {
        error = QStringLiteral("the direction is f (forward) or b (backward), not '%1'").arg(positional[2]);
        return false;
    }
    review.card.direction = positional[2] == QLatin1String("f") ? Direction::Forward : Direction::Backward;
    const QString &rating = positional[3];
    if (rating.size() != 1 || rating[0] < u'1' || rating[0] > u'4') {
        error = QStringLiteral("the rating is 1 (again), 2 (hard), 3 (good) or 4 (easy), not '%1'").arg(rating);
        return false;
    }
    review.rating = quint8(rating[0].unicode() - u'0');
    return true;
}

int runReview(const QStringList &args)
{
    return runOnDictionary(QStringLiteral("review"), args, 4, {AtOption, AnswerOption},
        [](const Arguments &parsed, Dictionary &dictionary, const DictionaryFile &file) {
            Review review;
            QString error;
            if (!parseReview(parsed.positional(), dictionary, review, error) || !timeOption(parsed, review.time, error))
                return Console::fail(QStringLiteral("%1: %2").arg(file.path(), error), Failure);
            review.answer = parsed.option(AnswerOption);
            ReviewLog log(ReviewLog::pathFor(file.path()));
            if (!log.append(review))
                return Console::fail(log.errorString(), Failure);
            ReviewSchedule schedule;
            if (!loadSchedule(file.path(), std::numeric_limits<qint64>::max(), schedule, error))
                return Console::fail(error, Failure);
            Console::write(cardLine(*schedule.card(review.card)));
            return 0;
        });
}

int runDue(const QStringList &args)
{
    return runOnDictionary(QStringLiteral("due"), args, 1, {AtOption},
        [](const Arguments &parsed, Dictionary &dictionary, const DictionaryFile &file) {
            qint64 at = 0;
            QString error;
            ReviewSchedule schedule;
            if (!timeOption(parsed, at, error) || !loadSchedule(file.path(), at, schedule, error))
                return Console::fail(QStringLiteral("%1: %2").arg(file.path(), error), Failure);
            // entries deleted since keep their reviews in the log, not here
            QSet<int> held;
            for (int i = 0; i < dictionary.count(); ++i)
                held.insert(dictionary.idAt(i));
            QByteArray out;
            const auto cards
                = ScheduleQueries::byDueTime(schedule, [&](const CardKey &key) { return held.contains(key.entryId); });
            for (const CardSchedule &card : cards)
                out += cardLine(card);
            Console::write(out);
            return 0;
        });
}

} // namespace

QList<Command> trainerCommands()
{
    return {
        {QStringLiteral("review"),
            QStringLiteral(
                "review FILE.dic ID f|b RATING [--at TIME] [--answer TEXT]  (RATING 1 again, 2 hard, 3 good, "
                "4 easy; prints the card as due does)"),
            runReview},
        {QStringLiteral("due"),
            QStringLiteral("due FILE.dic [--at TIME]  (id<TAB>f|b<TAB>due<TAB>stability<TAB>difficulty as of TIME, "
                           "soonest first; TIME in ISO 8601, UTC unless a zone is given, default now)"),
            runDue},
    };
}
