#include "platform/Database.h"

#include "platform/ConnectionString.h"
#include "platform/ProtectedStore.h"

#include <QFileInfo>
#include <cstring>
#include <sqlite3.h>

namespace {

constexpr int BusyTimeoutMs = 200;

// Binds QVariant parameters to "?" placeholders: integers as integers, the rest as text.
bool bindAll(sqlite3_stmt *statement, const QVariantList &params) {
    for (int i = 0; i < params.size(); ++i) {
        const QVariant &value = params.at(i);
        int rc;
        if (value.isNull()) {
            rc = sqlite3_bind_null(statement, i + 1);
        } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
            rc = sqlite3_bind_int64(statement, i + 1, value.toLongLong());
        } else {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(statement, i + 1, text.constData(), int(text.size()),
                                   SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK) return false;
    }
    return true;
}

// A database that opens but cannot be read (not a database, locked) counts as failed.
bool readable(sqlite3 *db) {
    return sqlite3_exec(db, "select count(*) from sqlite_master", nullptr, nullptr, nullptr) ==
           SQLITE_OK;
}

sqlite3 *openMemoryImage(const QByteArray &image) {
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    if (image.isEmpty()) return db;
    auto *buffer = static_cast<unsigned char *>(sqlite3_malloc64(sqlite3_uint64(image.size())));
    if (!buffer) {
        sqlite3_close(db);
        return nullptr;
    }
    std::memcpy(buffer, image.constData(), size_t(image.size()));
    const int rc =
        sqlite3_deserialize(db, "main", buffer, image.size(), image.size(),
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

} // namespace

Database::Database() = default;

Database::~Database() {
    close();
}

bool Database::open(const QString &connectionString) {
    close();
    const ConnectionString connection = ConnectionString::parse(connectionString);
    if (connection.dataSource.isEmpty()) return false;
    sqlite3 *db = nullptr;
    if (connection.password.isEmpty()) {
        if (!QFileInfo(connection.dataSource).isFile()) return false;
        const QByteArray path = connection.dataSource.toUtf8();
        if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            return false;
        }
        sqlite3_busy_timeout(db, BusyTimeoutMs);
    } else {
        const std::optional<QByteArray> image =
            ProtectedStore::load(connection.dataSource, connection.password);
        if (!image) return false;
        db = openMemoryImage(*image);
    }
    if (!db || !readable(db)) {
        sqlite3_close(db);
        return false;
    }
    m_db = db;
    m_path = connection.dataSource;
    m_password = connection.password;
    return true;
}

bool Database::create(const QString &connectionString) {
    close();
    const ConnectionString connection = ConnectionString::parse(connectionString);
    if (connection.dataSource.isEmpty()) return false;
    sqlite3 *db = nullptr;
    if (connection.password.isEmpty()) {
        const QByteArray path = connection.dataSource.toUtf8();
        if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            return false;
        }
    } else {
        db = openMemoryImage({});
    }
    if (!db) return false;
    m_db = db;
    m_path = connection.dataSource;
    m_password = connection.password;
    return true;
}

void Database::close() {
    if (m_db) sqlite3_close(m_db);
    m_db = nullptr;
    m_path.clear();
    m_password.clear();
}

bool Database::run(const QString &sql, const QVariantList &params, const RowHandler &onRow) {
    if (!m_db) return false;
    sqlite3_stmt *statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &statement, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(statement);
        return false;
    }
    bool ok = bindAll(statement, params);
    while (ok) {
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE) break;
        ok = rc == SQLITE_ROW;
        if (ok && onRow) onRow(statement);
    }
    sqlite3_finalize(statement);
    return ok;
}

bool Database::exec(const QString &sql, const QVariantList &params) {
    return run(sql, params, {});
}

Database::Result Database::query(const QString &sql, const QVariantList &params) {
    Result result;
    result.ok = run(sql, params, [&result](sqlite3_stmt *statement) {
        const int count = sqlite3_column_count(statement);
        if (result.columns.isEmpty())
            for (int i = 0; i < count; ++i)
                result.columns << QString::fromUtf8(sqlite3_column_name(statement, i));
        QStringList values;
        values.reserve(count);
        for (int i = 0; i < count; ++i)
            values << QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(statement, i)),
                sqlite3_column_bytes(statement, i));
        result.rows.push_back(std::move(values));
    });
    return result;
}

bool Database::save() {
    if (!m_db) return false;
    if (m_password.isEmpty()) return true;
    sqlite3_int64 size = 0;
    unsigned char *data = sqlite3_serialize(m_db, "main", &size, 0);
    if (!data) return false;
    const QByteArray image(reinterpret_cast<const char *>(data), qsizetype(size));
    sqlite3_free(data);
    return ProtectedStore::save(m_path, m_password, image);
}
