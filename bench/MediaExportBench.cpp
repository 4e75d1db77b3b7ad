// The word cards and the word text export over a list of the default list's size, beside
// opening that list: 200 cards of each size (the most one run makes) and the text of every word.
#include "bench/WordListMaker.h"
#include "platform/ConnectionString.h"
#include "platform/Fonts.h"
#include "platform/RecordSet.h"
#include "vocab/media/WordCards.h"
#include "vocab/media/WordTextExport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int ListSize = 5500;

class MediaExport : public benchmark::Fixture {
public:
    void SetUp(benchmark::State &) override {
        if (!connection.isEmpty()) return;
        // Words, transcriptions and meanings as long as the default list's longest.
        connection =
            ConnectionString::make(makeWordList(dir, ListSize, [](int n) -> WordListFile::WordRow {
                return {n, QString("characteristic%1").arg(n % 10), "kArEktE5ristik",
                        "n. 双胞胎中一人, 一对非常相像的人(或物)中的一个"};
            }));
    }
    void openList(RecordSet &set) {
        set.setLockType(RecordSet::LockType::Optimistic);
        set.open("select * from vocamarkhome order by [序号]", connection,
                 RecordSet::CursorType::Keyset);
        set.requery();
    }

    // The most cards one run makes, from the first word on, into the list's folder.
    void makeCards(benchmark::State &state,
                   WordCards::Result (WordCards::*xue)(const std::vector<WordRecord> &,
                                                       const QString &)) {
        RecordSet set;
        openList(set);
        const std::vector<WordRecord> words = WordCards::plan(set, ListSize)->words;
        WordCards cards;
        for (auto _ : state)
            benchmark::DoNotOptimize((cards.*xue)(words, dir.path()).written);
        state.SetItemsProcessed(state.iterations() * WordCards::MostCards);
    }

    QTemporaryDir dir;
    QString connection;
};

BENCHMARK_DEFINE_F(MediaExport, OpenList)(benchmark::State &state) {
    for (auto _ : state) {
        RecordSet set;
        openList(set);
        benchmark::DoNotOptimize(set.recordCount());
    }
}

BENCHMARK_DEFINE_F(MediaExport, LargerCards200)(benchmark::State &state) {
    makeCards(state, &WordCards::xue1);
}

BENCHMARK_DEFINE_F(MediaExport, SmallerCards200)(benchmark::State &state) {
    makeCards(state, &WordCards::xue2);
}

BENCHMARK_DEFINE_F(MediaExport, WordText5500)(benchmark::State &state) {
    RecordSet set;
    openList(set);
    const QString chosen = dir.filePath("words");
    for (auto _ : state)
        benchmark::DoNotOptimize(WordTextExport::exportWords(set, ListSize, chosen));
    state.SetItemsProcessed(state.iterations() * ListSize);
}

BENCHMARK_REGISTER_F(MediaExport, OpenList)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(MediaExport, LargerCards200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_REGISTER_F(MediaExport, SmallerCards200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_REGISTER_F(MediaExport, WordText5500)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// Cards are drawn with fonts, which need the application object.
int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fonts::installSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
