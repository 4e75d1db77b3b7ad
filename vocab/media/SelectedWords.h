#pragma once

#include <functional>
#include <vector>

class RecordSet;
struct WordRecord;

// The walks over the selection that the media commands share.
namespace SelectedWords {

// Calls visit with each of WordCount records from the first on, letting pending window events
// run after each so that the window stays responsive; past the last record there is nothing to
// visit. The record set is left on its first record.
void forEach(RecordSet &WordRecords, int WordCount,
             const std::function<void(const WordRecord &)> &visit);

// The same records read in one go, for work that goes on away from the window; the record set
// is left on its first record.
std::vector<WordRecord> read(RecordSet &WordRecords, int WordCount);

} // namespace SelectedWords
