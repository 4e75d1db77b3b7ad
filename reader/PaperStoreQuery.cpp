#include "reader/PaperStoreQuery.h"

#include "platform/RecordSet.h"

namespace PaperStoreQuery {

bool openRow(RecordSet &records, const QString &connectionString, const QString &key) {
    records.setLockType(RecordSet::LockType::Optimistic);
    return records.open(QStringLiteral("select * from dat where mc=?"), connectionString,
                        RecordSet::CursorType::Unspecified, {key}) &&
           !records.eof();
}

} // namespace PaperStoreQuery
