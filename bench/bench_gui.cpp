// The pages with a generated 100k-entry dictionary, offscreen: one
// keystroke of lookup in each direction, a page of the table scrolled (every
// cell of it asked for anew: meanings, grammar, word, pronunciation read
// from the points), start-up to the first shown window, and the translate
// page with its index cached.
#include "generator.h"

#include "app/mainwindow.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "files/dictionarylist.h"
#include "lang/english.h"
#include "views/lookupview.h"
#include "views/translateview.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 100000;

// A data directory with the generated dictionary as its only entry.
const QTemporaryDir &dataDirectory()
{
    static QTemporaryDir dir;
    static bool written = false;
    if (!written) {
        Dictionary dict;
        generateDictionary(dict, Entries);
        DictionaryList list;
        list.setFileName(dir.filePath(QStringLiteral("dicts.dic")));
        list.addDictionary(QStringLiteral("Hebrew"), QStringLiteral("he_IL"), QStringLiteral("big.dic"), QString(),
            QStringLiteral("en,de"));
        if (!DictionaryFile(dir.filePath(QStringLiteral("big.dic"))).save(dict) || !list.save())
            qFatal("cannot write the benchmark data");
        QFile::copy(QStringLiteral(VERBALON_BIN_DIR "/verbs_en.dat"), dir.filePath(QStringLiteral("verbs_en.dat")));
        written = true;
    }
    return dir;
}

Dictionary &store()
{
    static Dictionary *dict = [] {
        auto *d = new Dictionary;
        if (DictionaryFile(dataDirectory().filePath(QStringLiteral("big.dic"))).load(*d) != DictionaryFile::Status::Ok)
            qFatal("cannot read the benchmark dictionary");
        return d;
    }();
    return *dict;
}

struct LookupPage
{
    LookupPage()
    {
        view.resize(900, 700);
        view.show();
        QApplication::processEvents();
        input = view.findChild<QLineEdit *>(QStringLiteral("lookupEdit"));
    }
    LookupView view{QStringLiteral(":icons/"), &store()};
    QLineEdit *input = nullptr;
};

// Two texts that differ in their last letter, set in turn: each is one keystroke.
void keystrokes(benchmark::State &state, const QString &first, const QString &second)
{
    LookupPage page;
    bool flip = false;
    for (auto _ : state) {
        page.input->setText((flip = !flip) ? first : second);
        QApplication::processEvents();
    }
}

void BM_HebrewPrefixKeystroke(benchmark::State &state)
{
    const QString key = store().entryAt(Entries / 2).searchKey();
    keystrokes(state, key.left(3), key.left(4));
}

void BM_MeaningKeystroke(benchmark::State &state)
{
    keystrokes(state, QStringLiteral("writ"), QStringLiteral("write"));
}

void BM_ScrollPage(benchmark::State &state)
{
    LookupPage page;
    QScrollBar *bar = page.view.findChild<QTableView *>(QStringLiteral("lookupTable"))->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() + bar->pageStep());
        QApplication::processEvents();
    }
}

void BM_StartUpToFirstShow(benchmark::State &state)
{
    const QString dir = dataDirectory().path();
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>(dir);
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void BM_TranslateFirstAndRepeat(benchmark::State &state)
{
    static English english;
    english.loadVerbs(dataDirectory().filePath(QStringLiteral("verbs_en.dat")));
    const bool repeat = state.range(0) == 1;
    TranslateView view(QStringLiteral(":icons/"), &english, &store());
    view.findChild<QTextEdit *>(QStringLiteral("translateInput"))->setPlainText(generateText(store(), 1000));
    auto *button = view.findChild<QPushButton *>(QStringLiteral("translateButton"));
    button->click();
    for (auto _ : state) {
        if (!repeat) {
            state.PauseTiming();
            store().setLearnCounters(store().entryAt(0).id(), 0, 0); // the store changed
            state.ResumeTiming();
        }
        button->click();
    }
}

} // namespace

BENCHMARK(BM_HebrewPrefixKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeaningKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpToFirstShow)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateFirstAndRepeat)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateFirstAndRepeat)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
