#pragma once

#include <functional>

class RecordSet;
struct WordRecord;

// The walk over the selection that the export commands share.
namespace SelectedWords {

// Calls visit with each of WordCount records from the first on, letting pending window events
// run after each so that the window stays responsive; past the last record there is nothing to
// visit. The record set is left on its first record.
void forEach(RecordSet &WordRecords, int WordCount,
             const std::function<void(const WordRecord &)> &visit);

} // namespace SelectedWords
