#include "reader/NotesStore.h"

#include "platform/RecordSet.h"
#include "reader/PaperStoreQuery.h"

namespace {
const QString NoteColumn = QStringLiteral("bak");
}

NotesStore::NotesStore(QString connectionString)
    : m_connectionString(std::move(connectionString)) {}

std::optional<QString> NotesStore::load(const QString &key) const {
    RecordSet records;
    if (!PaperStoreQuery::openRow(records, m_connectionString, key)) return std::nullopt;
    return records.field(NoteColumn);
}

void NotesStore::save(const QString &key, const QString &rtf) const {
    RecordSet records;
    PaperStoreQuery::openRow(records, m_connectionString, key);
    records.setField(NoteColumn, rtf);
    records.update();
}
