// Reads any bytes as rich text into a document laid out as in a shown pane, writes it back as
// RTF and reads that again. The text must survive the round trip, each character of it must
// come from at least one byte, and the written RTF must be ASCII. A read that made the layout
// work after every run would exceed the fuzzer's time limit on the seed of many format runs.
#include "fuzz/FuzzSupport.h"
#include "platform/Rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <algorithm>

namespace {

constexpr qreal PaneWidth = 800;

bool isAscii(const QByteArray &bytes) {
    return std::ranges::all_of(bytes, [](char c) { return c > 0 && c < 0x7f; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray input = Fuzz::bytes(data, size);
    QTextDocument doc;
    doc.documentLayout();
    doc.setTextWidth(PaneWidth);
    Rtf::read(input, doc);
    Fuzz::require(doc.characterCount() <= input.size() + 1,
                  "every character read comes from at least one byte");

    const QByteArray written = Rtf::write(doc);
    Fuzz::require(isAscii(written), "the written RTF is ASCII");
    QTextDocument copy;
    Rtf::read(written, copy);
    Fuzz::require(copy.toRawText() == doc.toRawText(), "writing and reading back keeps the text");
    return 0;
}
