#include "generator.h"

#include "model/dictionary.h"
#include "lang/english.h"
#include "lang/hebrewanalyser.h"
#include "lang/phrasetranslator.h"

#include <QMap>
#include <QRegularExpression>

#include <benchmark/benchmark.h>

namespace {

const Dictionary &dictionaryOfSize(int count)
{
    static QMap<int, Dictionary *> made;
    if (!made.contains(count)) {
        auto *dict = new Dictionary;
        generateDictionary(*dict, count);
        made.insert(count, dict);
    }
    return *made.value(count);
}

const English &english()
{
    static English *table = [] {
        auto *e = new English;
        e->loadVerbs(QStringLiteral(VERBALON_BIN_DIR "/verbs_en.dat"));
        return e;
    }();
    return *table;
}

void BM_BuildIndex(benchmark::State &state)
{
    const Dictionary &dict = dictionaryOfSize(int(state.range(0)));
    for (auto _ : state) {
        auto hebrew = std::make_unique<HebrewAnalyser>(&dict);
        benchmark::DoNotOptimize(hebrew->forms().size());
        state.PauseTiming();
        hebrew.reset();
        state.ResumeTiming();
    }
    state.counters["forms"] = double(HebrewAnalyser(&dict).forms().size());
}

void BM_AnalyseWord(benchmark::State &state)
{
    const Dictionary &dict = dictionaryOfSize(int(state.range(0)));
    const HebrewAnalyser hebrew(&dict);
    const QStringList words
        = generateText(dict, 10000).split(QRegularExpression(QStringLiteral("[ ,.\\n]+")), Qt::SkipEmptyParts);
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hebrew.analyse(words[i]));
        i = (i + 1) % words.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_TranslateText(benchmark::State &state)
{
    const Dictionary &dict = dictionaryOfSize(int(state.range(0)));
    const PhraseTranslator translator(&dict, &english());
    const QString text = generateText(dict, 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(translator.translateText(text));
}

void BM_TranslateTextWithIndexBuild(benchmark::State &state)
{
    const Dictionary &dict = dictionaryOfSize(int(state.range(0)));
    const QString text = generateText(dict, 1000);
    for (auto _ : state) {
        const PhraseTranslator translator(&dict, &english());
        benchmark::DoNotOptimize(translator.translateText(text));
    }
}

// One sentence without punctuation: every word joins the run before it.
void BM_GlossLongSentence(benchmark::State &state)
{
    const Dictionary &dict = dictionaryOfSize(10000);
    const PhraseTranslator translator(&dict, &english());
    QString text = generateText(dict, int(state.range(0)));
    text.replace(QRegularExpression(QStringLiteral("[.,\\n]")), QStringLiteral(" "));
    for (auto _ : state)
        benchmark::DoNotOptimize(translator.translateText(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_GlossLongSentence)->Arg(10000)->Arg(160000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildIndex)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildIndex)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyseWord)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TranslateText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateTextWithIndexBuild)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
