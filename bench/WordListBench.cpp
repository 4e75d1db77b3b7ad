// Opening a word list of the default list's size and reading every row, as the drill's
// selection and the media exports do.
#include "bench/WordListMaker.h"
#include "platform/ConnectionString.h"
#include "platform/RecordSet.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int ListSize = 5500;

void OpenListAndReadEveryRow(benchmark::State &state) {
    QTemporaryDir dir;
    const QString connection =
        ConnectionString::make(makeWordList(dir, ListSize, [](int n) -> WordListFile::WordRow {
            return {n, QString("word%1").arg(n), "E5bAndEn", "vt. 放弃, 抛弃"};
        }));
    for (auto _ : state) {
        RecordSet set;
        set.setLockType(RecordSet::LockType::Optimistic);
        set.open("select * from vocamarkhome order by [序号]", connection,
                 RecordSet::CursorType::Keyset);
        set.requery();
        qsizetype characters = 0;
        for (set.moveFirst(); !set.eof(); set.moveNext())
            characters += set.field("单词").size() + set.field("音标").size() +
                          set.field("释义").size() + set.field("过滤").size();
        benchmark::DoNotOptimize(characters);
    }
    state.SetItemsProcessed(state.iterations() * ListSize);
}
BENCHMARK(OpenListAndReadEveryRow)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
