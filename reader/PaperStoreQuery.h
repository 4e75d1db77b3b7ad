#pragma once

#include <QString>

class RecordSet;

// The keyed row lookup both stores share: "select * from dat where mc=key" on an optimistic
// record set, the key bound as a parameter.
namespace PaperStoreQuery {

// Opens records on the row of key; false when the store cannot be opened or has no such row.
bool openRow(RecordSet &records, const QString &connectionString, const QString &key);

} // namespace PaperStoreQuery
