#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One SQLite database reached through a connection string. A plain file (a word list) is
// opened in place; a store with a password is decrypted into memory and written back by save().
// Every operation on a database that is not open does nothing and reports failure.
class Database {
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens an existing database; false for a missing file, a file that is not a database,
    // a locked file or a store that fails authentication.
    bool open(const QString &connectionString);
    // Starts a new, empty database for the given connection string; an existing file is not
    // touched until save() (protected store) or the first write (plain file).
    bool create(const QString &connectionString);
    void close();

    bool isOpen() const { return m_db != nullptr; }

    // Runs one statement with positional parameters (?); false on any error.
    bool exec(const QString &sql, const QVariantList &params = {});

    // The rows of a query, every value as text (NULL as empty text); ok is false on any error.
    struct Result {
        bool ok = false;
        QStringList columns;
        std::vector<QStringList> rows;
    };
    Result query(const QString &sql, const QVariantList &params = {});
    // A protected store writes its image back atomically; a plain file needs nothing.
    bool save();

private:
    using RowHandler = std::function<void(sqlite3_stmt *)>;
    bool run(const QString &sql, const QVariantList &params, const RowHandler &onRow);

    sqlite3 *m_db = nullptr;
    QString m_path;
    QString m_password;
};
