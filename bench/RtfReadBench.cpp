// Reading rich text as a note or an article opens: documents of 1,000, 10,000 and 50,000 format
// runs (bold switched on and off around single letters) beside a plain-text RTF document of the
// same length in bytes and the same letter. FormatRuns and PlainText measure the read itself,
// into a document no view lays out: both grow linearly. The Shown variants read into a shown
// pane, which lays the text out afterwards. Both documents are one unbroken word, and Qt's line
// breaker looks for the word's end again on every line, so their layout grows quadratically
// with or without formats; text with spaces, or Chinese text, can break on every line.
#include "platform/Rtf.h"

#include <QApplication>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace {

constexpr auto header = "{\\rtf1\\ansi ";

// n runs "\b x" / "\b0 x": about 4.5 bytes a run.
QByteArray formattedDocument(int runs) {
    QByteArray rtf = header;
    for (int run = 0; run < runs; ++run)
        rtf += run % 2 == 0 ? "\\b x" : "\\b0 x";
    return rtf + '}';
}

// The same letter without a single control word, as many bytes as the formatted document.
QByteArray plainDocument(int runs) {
    const qsizetype length = formattedDocument(runs).size();
    QByteArray rtf = header;
    rtf += QByteArray(length - rtf.size() - 1, 'x');
    return rtf + '}';
}

void readInto(benchmark::State &state, QTextDocument &doc, const QByteArray &rtf) {
    for (auto _ : state) {
        Rtf::read(rtf, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

// The read itself: a document that no view lays out.
void readIntoDocument(benchmark::State &state, const QByteArray &rtf) {
    QTextDocument doc;
    readInto(state, doc, rtf);
}

// The read and the layout that follows it in a shown pane.
void readIntoShownPane(benchmark::State &state, const QByteArray &rtf) {
    QTextEdit pane;
    pane.setWordWrapMode(QTextOption::WordWrap); // as the reader's panes
    pane.resize(800, 400);
    pane.show();
    readInto(state, *pane.document(), rtf);
}

void FormatRuns(benchmark::State &state) {
    readIntoDocument(state, formattedDocument(int(state.range(0))));
}
void PlainText(benchmark::State &state) {
    readIntoDocument(state, plainDocument(int(state.range(0))));
}
void FormatRunsShown(benchmark::State &state) {
    readIntoShownPane(state, formattedDocument(int(state.range(0))));
}
void PlainTextShown(benchmark::State &state) {
    readIntoShownPane(state, plainDocument(int(state.range(0))));
}

BENCHMARK(FormatRuns)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainText)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(FormatRunsShown)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainTextShown)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
