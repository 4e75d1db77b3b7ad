#include "reader/NotesStore.h"

#include "platform/ConnectionString.h"
#include "platform/Database.h"
#include "platform/FileLock.h"
#include "platform/RecordSet.h"
#include "platform/Resources.h"
#include "reader/PaperStoreQuery.h"

#include <QFile>

namespace {
const QString NoteColumn = QStringLiteral("bak");
}

NotesStore::NotesStore(QString connectionString)
    : m_connectionString(std::move(connectionString)),
      m_path(ConnectionString::parse(m_connectionString).dataSource) {}

QString NotesStore::lockPath() const {
    return m_path + ".lock";
}

std::optional<QString> NotesStore::load(const QString &key) const {
    FileLock lock(lockPath());
    lock.lock(FileLock::Mode::Shared);
    RecordSet records;
    if (!PaperStoreQuery::openRow(records, m_connectionString, key)) return std::nullopt;
    return records.field(NoteColumn);
}

// The store is read afresh under the lock, so the one row changes on what other readers saved.
bool NotesStore::save(const QString &key, const QString &rtf) const {
    FileLock lock(lockPath());
    lock.lock(FileLock::Mode::Exclusive);
    RecordSet records;
    if (!PaperStoreQuery::openRow(records, m_connectionString, key)) return false;
    records.setField(NoteColumn, rtf);
    return records.update();
}

bool NotesStore::opens() const {
    Database db;
    return db.open(m_connectionString) && db.query(QStringLiteral("select count(*) from dat")).ok;
}

QString NotesStore::setUp(const StoreWriter &writeFresh, const QDateTime &now) const {
    FileLock lock(lockPath());
    lock.lock(FileLock::Mode::Exclusive);
    QString damaged;
    if (Resources::fileExists(m_path)) {
        if (opens()) return {};
        damaged = m_path + ".damaged-" + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (!QFile::rename(m_path, damaged)) return {};
    }
    if (writeFresh(m_path)) return damaged;
    // No fresh store could be written: the damaged one goes back, and nothing is said to have
    // been replaced.
    if (!damaged.isEmpty()) QFile::rename(damaged, m_path);
    return {};
}
