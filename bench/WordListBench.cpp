// Opening a word list of the default list's size and reading every row, as the drill's
// selection and the media exports do.
#include "platform/ConnectionString.h"
#include "platform/RecordSet.h"
#include "platform/WordListFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int ListSize = 5500;

QString makeList(const QTemporaryDir &dir) {
    std::vector<WordListFile::WordRow> rows;
    rows.reserve(ListSize);
    for (int n = 1; n <= ListSize; ++n)
        rows.push_back({n, QString("word%1").arg(n), "E5bAndEn", "vt. 放弃, 抛弃"});
    const QString path = dir.filePath("list.wrd");
    WordListFile::create(path, rows);
    WordListFile::writeHeaderByte(path, WordListFile::OpenByte);
    return path;
}

void OpenListAndReadEveryRow(benchmark::State &state) {
    QTemporaryDir dir;
    const QString connection = ConnectionString::make(makeList(dir));
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
