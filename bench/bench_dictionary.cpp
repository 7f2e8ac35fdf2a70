#include "generator.h"

#include "files/atomicfile.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "formats/filelookup.h"
#include "formats/recordcodec.h"
#include "formats/recordwriter.h"
#include "formats/tsvformat.h"

#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <optional>

#include <malloc.h>

namespace {

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// The file of a generated dictionary of that size, written once.
QString fileOfSize(int count)
{
    const QString path = scratch().filePath(QStringLiteral("gen%1.dic").arg(count));
    if (!QFile::exists(path)) {
        Dictionary dict;
        generateDictionary(dict, count);
        if (!DictionaryFile(path).save(dict))
            qFatal("cannot write the generated dictionary");
    }
    return path;
}

// A loaded dictionary of that size, kept for the lookup benchmarks.
const Dictionary &dictionaryOfSize(int count)
{
    static QMap<int, Dictionary *> loaded;
    if (!loaded.contains(count)) {
        auto *dict = new Dictionary;
        if (DictionaryFile(fileOfSize(count)).load(*dict) != DictionaryFile::Status::Ok)
            qFatal("cannot read the generated dictionary");
        loaded.insert(count, dict);
    }
    return *loaded.value(count);
}

// Loads the file again and again; the store is thrown away untimed.
void loadRepeatedly(benchmark::State &state, const QString &file, const QString &cache = QString())
{
    for (auto _ : state) {
        auto dict = std::make_unique<Dictionary>();
        DictionaryFile opened(file);
        opened.setCacheFolder(cache, 0);
        if (opened.load(*dict) != DictionaryFile::Status::Ok)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(dict->count());
        state.PauseTiming();
        dict.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same dictionary with its records in reverse key order, as another
// program might write it.
QString reverseFileOfSize(int count)
{
    const QString path = scratch().filePath(QStringLiteral("reverse%1.dic").arg(count));
    if (!QFile::exists(path)) {
        Dictionary dict;
        generateDictionary(dict, count);
        Dictionary header;
        header.setAttribute(QStringLiteral("NAME"), dict.name());
        QByteArray bytes = DictionaryFile::toBytes(header);
        RecordWriter writer(bytes);
        for (int i = dict.count() - 1; i >= 0; --i)
            RecordCodec::write(writer, dict.entryAt(i));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the reversed dictionary");
    }
    return path;
}

void BM_Load(benchmark::State &state)
{
    loadRepeatedly(state, fileOfSize(int(state.range(0))));
}

void BM_LoadReverseSorted(benchmark::State &state)
{
    loadRepeatedly(state, reverseFileOfSize(int(state.range(0))));
}

void saveRepeatedly(benchmark::State &state, const QString &cache)
{
    Dictionary dict;
    if (DictionaryFile(fileOfSize(int(state.range(0)))).load(dict) != DictionaryFile::Status::Ok)
        state.SkipWithError("load failed");
    DictionaryFile file(scratch().filePath(QStringLiteral("save.dic")));
    file.setCacheFolder(cache, 0);
    for (auto _ : state) {
        if (!file.save(dict))
            state.SkipWithError("save failed");
        // the cache is made off the saving thread: only the save is timed
        state.PauseTiming();
        DictionaryFile::waitForCacheWrites();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Save(benchmark::State &state)
{
    saveRepeatedly(state, QString());
}

// Opening an unchanged file again, its store read from the cache that the
// first opening made; and saving, which makes the cache of what it wrote.
void BM_LoadFromCache(benchmark::State &state)
{
    const QString file = fileOfSize(int(state.range(0)));
    const QString cache = scratch().filePath(QStringLiteral("cache"));
    DictionaryFile first(file);
    first.setCacheFolder(cache, 0);
    Dictionary loaded;
    if (first.load(loaded) != DictionaryFile::Status::Ok)
        state.SkipWithError("load failed");
    DictionaryFile::waitForCacheWrites();
    loadRepeatedly(state, file, cache);
}

void BM_SaveMakingTheCache(benchmark::State &state)
{
    saveRepeatedly(state, scratch().filePath(QStringLiteral("cache")));
}

// A spreadsheet export: the rows of a generated dictionary in random order.
QByteArray unsortedTsv(int count)
{
    Dictionary dict;
    generateDictionary(dict, count);
    QList<QByteArray> lines = TsvFormat::write(dict).split('\n');
    const QByteArray header = lines.takeFirst();
    QRandomGenerator random(7);
    for (qsizetype i = lines.size() - 1; i > 0; --i)
        lines.swapItemsAt(i, qsizetype(random.bounded(quint64(i + 1))));
    return header + '\n' + lines.join('\n');
}

// As the tool imports: straight into the file's bytes, no store.
void BM_ImportUnsortedTsv(benchmark::State &state)
{
    const QByteArray tsv = unsortedTsv(int(state.range(0)));
    for (auto _ : state) {
        QStringList warnings;
        const Result<QByteArray> file = TsvFormat::toDictionaryFile(tsv, {}, warnings);
        if (!file || !writeFileAtomically(scratch().filePath(QStringLiteral("imported.dic")), file.value()))
            state.SkipWithError("import failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    return status.readAll().split(' ').value(1).toLongLong() * 4096;
}

// What a loaded dictionary costs in memory, per entry: resident memory
// and bytes allocated from the heap.
void BM_MemoryPerEntry(benchmark::State &state)
{
    const QString file = fileOfSize(int(state.range(0)));
    for (auto _ : state) {
        malloc_trim(0);
        const qint64 rssBefore = residentBytes();
        const size_t heapBefore = mallinfo2().uordblks + mallinfo2().hblkhd;
        Dictionary dict;
        if (DictionaryFile(file).load(dict) != DictionaryFile::Status::Ok)
            state.SkipWithError("load failed");
        const double entries = double(dict.count());
        state.counters["rss_per_entry"] = double(residentBytes() - rssBefore) / entries;
        state.counters["heap_per_entry"] = double(mallinfo2().uordblks + mallinfo2().hblkhd - heapBefore) / entries;
        state.counters["file_per_entry"] = double(QFile(file).size()) / entries;
    }
}

// Queries: pointed words of the dictionary, so every lookup has to fold keys.
QStringList queries(const Dictionary &dict, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(dict.entryAt(int((qint64(i) * 7919) % dict.count())).word());
    return out;
}

void BM_FindExact(benchmark::State &state)
{
    const Dictionary &dict = dictionaryOfSize(int(state.range(0)));
    const QStringList words = queries(dict, 1024);
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(dict.findExact(words[i++ & 1023], 0));
}

void BM_FindLongestPrefix(benchmark::State &state)
{
    const Dictionary &dict = dictionaryOfSize(int(state.range(0)));
    QStringList prefixes;
    for (const QString &w : queries(dict, 1024)) {
        const QString key = makeSearchKey(w);
        prefixes.append(key.left(qMax<qsizetype>(1, key.size() - 1)) + QChar(0x05D0));
    }
    qsizetype i = 0;
    int length = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(dict.findLongestPrefix(prefixes[i++ & 1023], length));
}

void BM_FindByMeaning(benchmark::State &state)
{
    const Dictionary &dict = dictionaryOfSize(int(state.range(0)));
    QStringList meanings;
    for (int i = 0; i < 1024; ++i)
        meanings.append(splitMeanings(dict.entryAt((i * 7919) % dict.count()).translation()).value(0));
    dict.findByMeaning(meanings[0]); // the index is completed on first use
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(dict.findByMeaning(meanings[i++ & 1023], 20));
}

// The first meaning lookup after loading builds the meaning index: its
// time and the heap it takes per entry.
void BM_BuildMeaningIndex(benchmark::State &state)
{
    const QString file = fileOfSize(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Dictionary dict;
        if (DictionaryFile(file).load(dict) != DictionaryFile::Status::Ok)
            state.SkipWithError("load failed");
        const QString meaning = splitMeanings(dict.entryAt(0).translation()).value(0);
        malloc_trim(0);
        const size_t heapBefore = mallinfo2().uordblks + mallinfo2().hblkhd;
        state.ResumeTiming();
        benchmark::DoNotOptimize(dict.findByMeaning(meaning, 20));
        state.PauseTiming();
        state.counters["heap_per_entry"]
            = double(mallinfo2().uordblks + mallinfo2().hblkhd - heapBefore) / double(dict.count());
        state.ResumeTiming();
    }
}

// The first meaning lookup after opening a file whose store cache holds the
// meaning index: a search, as every later one.
void BM_FirstMeaningFromCache(benchmark::State &state)
{
    const QString file = fileOfSize(int(state.range(0)));
    const QString cache = scratch().filePath(QStringLiteral("meaningcache"));
    DictionaryFile first(file);
    first.setCacheFolder(cache, 0);
    Dictionary loaded;
    if (first.load(loaded) != DictionaryFile::Status::Ok)
        state.SkipWithError("load failed");
    DictionaryFile::waitForCacheWrites();
    const QString meaning = splitMeanings(loaded.entryAt(0).translation()).value(0);
    // the store of the round before is let go untimed
    std::optional<Dictionary> dict;
    for (auto _ : state) {
        state.PauseTiming();
        dict.reset();
        dict.emplace();
        DictionaryFile again(file);
        again.setCacheFolder(cache, 0);
        if (again.load(*dict) != DictionaryFile::Status::Ok || !again.readFromCache())
            state.SkipWithError("not read from the cache");
        state.ResumeTiming();
        benchmark::DoNotOptimize(dict->findByMeaning(meaning, 20));
    }
}

// The command-line tool's one-shot lookup: a word (keys only) or a meaning,
// straight from the mapped file, no store.
void BM_LookUpWithoutLoading(benchmark::State &state)
{
    QFile file(fileOfSize(int(state.range(0))));
    if (!file.open(QIODevice::ReadOnly))
        state.SkipWithError("cannot open");
    const uchar *mapped = file.map(0, file.size());
    FileLookup lookup(QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), file.size()));
    const Dictionary &dict = dictionaryOfSize(int(state.range(0)));
    const QString word = dict.entryAt(dict.count() / 2).word();
    const QString meaning = splitMeanings(dict.entryAt(dict.count() / 2).translation()).value(0);
    const bool meanings = state.range(1) != 0;
    FileLookup::Result result;
    for (auto _ : state) {
        if (!lookup.lookUp(meanings ? QString() : makeSearchKey(word), meanings ? meaning : QString(), result))
            state.SkipWithError("not walkable");
    }
}

} // namespace

BENCHMARK(BM_LookUpWithoutLoading)
    ->ArgsProduct({{100000, 1000000}, {0, 1}})
    ->ArgNames({"entries", "meaning"})
    ->Unit(benchmark::kMillisecond);

// Several rounds even for a million entries: the first load in a process
// also pays for fresh memory from the system, later ones reuse it (as a
// program that switches dictionaries does).
BENCHMARK(BM_MemoryPerEntry)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadReverseSorted)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportUnsortedTsv)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportUnsortedTsv)->Arg(1000000)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(1000000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromCache)->Arg(100000)->Arg(1000000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveMakingTheCache)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindExact)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindLongestPrefix)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindByMeaning)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstMeaningFromCache)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildMeaningIndex)->Arg(100000)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
