#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>
#include <vector>

class Database;

// A record set over one table, with the operations both programs use: field read and write by
// column name, update, requery, record count, moves and close. The result (row ids and values)
// is read when the set is opened or requeried; moves happen in memory; a field write is stored
// (UPDATE … WHERE rowid) at the next update, move or close. On a closed or failed record set
// every operation does nothing and reads as empty text or 0.
class RecordSet {
public:
    enum class LockType { Unspecified = -1, Optimistic = 3 };
    enum class CursorType { Unspecified = -1, Keyset = 1 };

    RecordSet();
    ~RecordSet();
    RecordSet(const RecordSet &) = delete;
    RecordSet &operator=(const RecordSet &) = delete;

    void setLockType(LockType type) { m_lockType = type; }
    LockType lockType() const { return m_lockType; }

    // source: a "select * from <table> …" text, passed to SQLite as it stands; params bind
    // its "?" placeholders. Returns false, leaving the set closed, on any failure.
    bool open(const QString &source, const QString &connectionString,
              CursorType cursor = CursorType::Unspecified, const QVariantList &params = {});
    bool isOpen() const;

    QString field(const QString &column) const;
    void setField(const QString &column, const QString &value);
    // Stores the fields written to the current row; false when nothing was stored (no write
    // pending, no current row, or the database refused it).
    bool update();
    void requery();
    int recordCount() const;

    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    void move(int n);
    bool bof() const;
    bool eof() const;
    int absolutePosition() const; // 1-based, 0 when not on a row

    void close();

private:
    struct Row {
        qint64 rowid = 0;
        QStringList values;
    };

    bool readResult();
    bool storePendingWrite();
    void moveTo(int position);
    int columnIndex(const QString &column) const;

    std::unique_ptr<Database> m_db;
    LockType m_lockType = LockType::Unspecified;
    QString m_source;
    QVariantList m_params;
    QString m_table;
    QStringList m_columns;
    std::vector<Row> m_rows;
    int m_position = -1; // -1 before the first row (BOF), m_rows.size() after the last (EOF)
    QHash<int, QString> m_pending; // column index -> value written to the current row
};
