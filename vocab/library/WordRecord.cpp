#include "vocab/library/WordRecord.h"

#include "platform/RecordSet.h"

WordRecord WordRecord::current(const RecordSet &records) {
    return {records.field(NumberColumn), records.field(WordColumn), records.field(PhoneticColumn),
            records.field(MeaningColumn), records.field(MarkColumn)};
}
