#include "files/atomicfile.h"
#include "train/reviewlog.h"
#include "train/reviewschedule.h"
#include "train/reviewtime.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// Two years of training, written once: `count` reviews of 5,000 cards
// (2,500 entries both ways), short typed answers, a practice review now and
// then, and a renumbering of a hundred entries a year.
QString logOfSize(int count)
{
    const QString path = scratch().filePath(QStringLiteral("gen%1.dic.reviews").arg(count));
    if (QFile::exists(path))
        return path;
    QRandomGenerator random(7);
    const qint64 start = 1735725600; // 2025-01-01T10:00:00Z
    const qint64 step = 2 * 365 * ReviewTime::SecondsPerDay / count;
    QByteArray data;
    for (int i = 0; i < count; ++i) {
        const Review review{start + i * step,
            {int(random.bounded(1, 2501)), random.bounded(2) ? Direction::Forward : Direction::Backward},
            quint8(random.bounded(1, 5)), QStringLiteral("answer %1").arg(i % 100)};
        data += ReviewLog::line(review);
        if (i % (count / 2) == count / 4) {
            data += ReviewTime::format(review.time) + "\trenumber";
            for (int id = 1; id <= 100; ++id)
                data += '\t' + QByteArray::number(id) + '>' + QByteArray::number(id + 2500);
            data += "\t100\n";
        }
    }
    if (!writeFileAtomically(path, data))
        qFatal("cannot write the generated log");
    return path;
}

// Reading the log as the trainer does at its start.
void BM_ReadLog(benchmark::State &state)
{
    const QString path = logOfSize(int(state.range(0)));
    for (auto _ : state) {
        ReviewLog::Contents contents;
        if (ReviewLog(path).read(contents) != ReviewLog::Status::Ok)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(contents.reviews.size());
    }
}

// Reading it and working out the schedule of every card.
void BM_ReadAndReplay(benchmark::State &state)
{
    const QString path = logOfSize(int(state.range(0)));
    for (auto _ : state) {
        ReviewLog::Contents contents;
        if (ReviewLog(path).read(contents) != ReviewLog::Status::Ok)
            state.SkipWithError("read failed");
        ReviewSchedule schedule;
        schedule.replay(contents);
        benchmark::DoNotOptimize(schedule.cards().size());
    }
}

} // namespace

BENCHMARK(BM_ReadLog)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndReplay)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
