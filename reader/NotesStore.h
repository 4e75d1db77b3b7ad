#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

// The notes store: one row per part, created in advance, holding the student's note as RTF.
// Rows are never added, so a key without a row cannot keep a note. Readers running side by
// side share the store through a lock file beside it: a save holds it alone from reading the
// store to writing it back, so no save undoes another's; a load shares it with other loads.
class NotesStore {
public:
    explicit NotesStore(QString connectionString);

    // The part's note, or nothing when the store cannot be opened or has no row for the key.
    std::optional<QString> load(const QString &key) const;

    // Replaces the part's note; false, storing nothing, when the store or the row is missing or
    // the store cannot be written.
    bool save(const QString &key, const QString &rtf) const;

    // Makes sure a usable store is in place: a missing one is written by writeFresh, and one
    // that exists but cannot be opened is first moved aside as
    // "<store>.damaged-<yyyyMMdd-HHmmss>" (at time now), so that new notes are kept. Returns
    // where the damaged store went, or an empty text when there was none or no fresh store
    // could be written (the damaged one then stays where it was).
    using StoreWriter = std::function<bool(const QString &path)>;
    QString setUp(const StoreWriter &writeFresh, const QDateTime &now) const;

private:
    QString lockPath() const;
    bool opens() const;

    QString m_connectionString;
    QString m_path;
};
