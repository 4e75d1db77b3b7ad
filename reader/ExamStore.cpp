#include "reader/ExamStore.h"

#include "platform/RecordSet.h"
#include "reader/PaperStoreQuery.h"

ExamStore::ExamStore(QString connectionString) : m_connectionString(std::move(connectionString)) {}

std::optional<ExamStore::Paper> ExamStore::fetch(const QString &key) const {
    RecordSet records;
    if (!PaperStoreQuery::openRow(records, m_connectionString, key)) return std::nullopt;
    return Paper{records.field(QStringLiteral("yw")), records.field(QStringLiteral("st")),
                 records.field(QStringLiteral("da")), records.field(QStringLiteral("zw"))};
}
