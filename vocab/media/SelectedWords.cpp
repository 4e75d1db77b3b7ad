#include "vocab/media/SelectedWords.h"

#include "platform/RecordSet.h"
#include "vocab/library/WordRecord.h"

#include <QCoreApplication>

namespace SelectedWords {

void forEach(RecordSet &WordRecords, int WordCount,
             const std::function<void(const WordRecord &)> &visit) {
    WordRecords.moveFirst();
    for (int n = 0; n < WordCount; ++n) {
        if (!WordRecords.eof()) visit(WordRecord::current(WordRecords));
        WordRecords.moveNext();
        QCoreApplication::processEvents();
    }
    WordRecords.moveFirst();
}

} // namespace SelectedWords
