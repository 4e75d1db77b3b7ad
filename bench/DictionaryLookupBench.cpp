// A dictionary lookup as a click in a text pane makes it, side by side: the straightforward
// way (read and decode the whole file, then search it once per candidate) and the in-memory
// dictionary with its headword index. Three words: one found at once, one found only by the
// sixteenth suffix rule (running → run), and one that no rule finds.
#include "platform/PhoneticTranscoding.h"
#include "platform/TextCodec.h"
#include "reader/dictionary/InflectionRules.h"
#include "reader/dictionary/WordLookup.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <optional>

namespace {

constexpr int EntryCount = 12400; // the size of the shipped dictionary, about 430 kB

QString madeUpWord(QRandomGenerator &random) {
    QString word;
    const int length = 3 + int(random.bounded(8));
    for (int i = 0; i < length; ++i)
        word += QChar(u'a' + random.bounded(26));
    return word;
}

// A dictionary of made-up words in alphabetical order, with "consider" and "run" among them.
QString writeDictionary(const QTemporaryDir &dir) {
    QRandomGenerator random(2011);
    QStringList headwords = {QStringLiteral("consider"), QStringLiteral("run")};
    while (headwords.size() < EntryCount)
        headwords += madeUpWord(random);
    std::sort(headwords.begin(), headwords.end());
    QString text;
    for (const QString &headword : headwords)
        text += QStringLiteral("$%1[k2n'sid2]vt. 考虑, 认为, 把…看作 vi. 思考").arg(headword);
    const QString path = dir.filePath(QStringLiteral("mswrd.wd"));
    TextCodec::writeGbkTextFile(path, text + QStringLiteral("$\n"));
    return path;
}

// The lookup done the plain way: every call reads the file and searches it from the start.
std::optional<DictionaryEntry> straightforwardFind(const QString &path, const QString &word) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QString text = TextCodec::fromGbk(file.readLine()).trimmed();
    for (const QString &candidate : InflectionRules::candidates(word)) {
        const qsizetype position = text.indexOf(u'$' + candidate + u'[', 0, Qt::CaseInsensitive);
        if (position < 0) continue;
        const QString entry =
            text.mid(position + 1, text.indexOf(u'$', position + 1) - position - 1);
        const qsizetype open = entry.indexOf(u'[');
        const qsizetype close = entry.indexOf(u']');
        return DictionaryEntry{entry.left(open),
                               transcodePhonetic(entry.mid(open + 1, close - open - 1)),
                               entry.mid(close + 1)};
    }
    return std::nullopt;
}

struct Fixture {
    QTemporaryDir dir;
    QString path = writeDictionary(dir);
};

Fixture &fixture() {
    static Fixture shared;
    return shared;
}

void Straightforward(benchmark::State &state, const char *word) {
    const QString path = fixture().path;
    const QString text = QString::fromLatin1(word);
    for (auto _ : state)
        benchmark::DoNotOptimize(straightforwardFind(path, text));
}

void InMemory(benchmark::State &state, const char *word) {
    WordLookup lookup(fixture().path);
    const QString text = QString::fromLatin1(word);
    for (auto _ : state)
        benchmark::DoNotOptimize(lookup.find(text));
}

BENCHMARK_CAPTURE(Straightforward, FoundAtOnce, "consider")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(InMemory, FoundAtOnce, "consider")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Straightforward, FoundByRule16, "running")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(InMemory, FoundByRule16, "running")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Straightforward, NotFound, "zzzqwiest")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(InMemory, NotFound, "zzzqwiest")->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
