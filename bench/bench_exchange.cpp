#include "generator.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "files/dictionarylist.h"
#include "merge/dictionaryupdate.h"
#include "exchange/updaterun.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// A server's dictionary of 100k entries and the local copy of it, in which
// one entry in a hundred was changed, added or learned.
void writePair(const QString &serverDir, const QString &localDir, int count)
{
    QDir().mkpath(serverDir);
    QDir().mkpath(localDir);
    Dictionary server;
    DictionaryFile serverFile(QDir(serverDir).filePath(QStringLiteral("big.dic")));
    generateDictionary(server, count);
    Dictionary local;
    if (!serverFile.save(server) || DictionaryFile(serverFile.path()).load(local) != DictionaryFile::Status::Ok)
        qFatal("cannot write the dictionaries");
    for (int i = 0; i < count; i += 100) {
        Entry e = local.entryAt(i);
        switch ((i / 100) % 3) {
        case 0: local.setLearnCounters(e.id(), 3, 4); break;
        case 1:
            e.setTranslation(e.translation() + QStringLiteral(", more"));
            local.replaceEntry(e);
            break;
        default: (void)local.addOrReplace(Entry(QStringLiteral("added%1").arg(i), QStringLiteral("new"), 0)); break;
        }
    }
    if (!DictionaryFile(QDir(localDir).filePath(QStringLiteral("big.dic"))).save(local))
        qFatal("cannot write the local copy");
}

void BM_MergeWithLocalCopy(benchmark::State &state)
{
    const QString serverDir = scratch().filePath(QStringLiteral("server"));
    const QString localDir = scratch().filePath(QStringLiteral("local"));
    writePair(serverDir, localDir, int(state.range(0)));
    QFile file(QDir(serverDir).filePath(QStringLiteral("big.dic")));
    if (!file.open(QIODevice::ReadOnly))
        state.SkipWithError("no server file");
    const QByteArray incoming = file.readAll();
    for (auto _ : state) {
        DictionaryUpdate update(QDir(localDir).filePath(QStringLiteral("big.dic")));
        benchmark::DoNotOptimize(update.merge(incoming));
    }
}

// The whole update of one dictionary from a loopback HTTP server: list,
// download, merge, save.
void BM_UpdateOverHttp(benchmark::State &state)
{
    const QString serverDir = scratch().filePath(QStringLiteral("http"));
    const QString localDir = scratch().filePath(QStringLiteral("httplocal"));
    writePair(serverDir, localDir, int(state.range(0)));
    DictionaryList list;
    list.setFileName(QDir(serverDir).filePath(QStringLiteral("dicts.dic")));
    list.addDictionary(QStringLiteral("Big"), QStringLiteral("he_IL"), QStringLiteral("big.dic"), QString(), QString());
    if (!list.save())
        qFatal("cannot write the list");
    QProcess server;
    server.start(QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(VERBALON_SOURCE_DIR "/tests/exchange/httpserver.py"), serverDir});
    if (!server.waitForReadyRead(20000)) {
        state.SkipWithError("no HTTP server");
        return;
    }
    const QString url = QStringLiteral("http://127.0.0.1:%1").arg(server.readLine().trimmed().toInt());
    for (auto _ : state) {
        DictionaryList local;
        local.setFileName(QDir(localDir).filePath(QStringLiteral("dicts.dic")));
        UpdateRun update(TransferSettings{localDir, &local, nullptr});
        QEventLoop loop;
        QObject::connect(
            &update, &TransferRun::listReady, &update, [&update] { update.transfer({QStringLiteral("big.dic")}); });
        QObject::connect(&update, &TransferRun::finished, &loop, &QEventLoop::quit);
        QObject::connect(&update, &TransferRun::listFailed, &loop, &QEventLoop::quit);
        update.readList(url);
        loop.exec();
        if (update.changedFiles().isEmpty())
            state.SkipWithError("update failed");
    }
    server.kill();
    server.waitForFinished();
}

} // namespace

BENCHMARK(BM_MergeWithLocalCopy)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateOverHttp)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
