#include "vocab/media/SelectedWords.h"

#include "platform/RecordSet.h"
#include "vocab/library/WordRecord.h"

#include <QCoreApplication>

namespace SelectedWords {
namespace {

void walk(RecordSet &WordRecords, int WordCount,
          const std::function<void(const WordRecord &)> &visit, bool yield) {
    WordRecords.moveFirst();
    for (int n = 0; n < WordCount; ++n) {
        if (!WordRecords.eof()) visit(WordRecord::current(WordRecords));
        WordRecords.moveNext();
        if (yield) QCoreApplication::processEvents();
    }
    WordRecords.moveFirst();
}

} // namespace

void forEach(RecordSet &WordRecords, int WordCount,
             const std::function<void(const WordRecord &)> &visit) {
    walk(WordRecords, WordCount, visit, true);
}

std::vector<WordRecord> read(RecordSet &WordRecords, int WordCount) {
    std::vector<WordRecord> words;
    walk(
        WordRecords, WordCount, [&words](const WordRecord &word) { words.push_back(word); }, false);
    return words;
}

} // namespace SelectedWords
