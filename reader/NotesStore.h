#pragma once

#include <QString>
#include <optional>

// The notes store: one row per part, created in advance, holding the student's note as RTF.
// Rows are never added, so a key without a row cannot keep a note.
class NotesStore {
public:
    explicit NotesStore(QString connectionString);

    // The part's note, or nothing when the store cannot be opened or has no row for the key.
    std::optional<QString> load(const QString &key) const;

    // Replaces the part's note; does nothing when the store or the row is missing.
    void save(const QString &key, const QString &rtf) const;

private:
    QString m_connectionString;
};
