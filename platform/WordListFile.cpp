#include "platform/WordListFile.h"

#include "platform/ConnectionString.h"
#include "platform/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace WordListFile {

namespace {

// The database header a word list starts with, whose second byte is either at rest or open.
const QByteArray DatabaseHeader("SQLite format 3\0", 16);

bool isWordListHeader(QByteArray header) {
    if (header.size() != DatabaseHeader.size()) return false;
    if (header.at(1) != RestByte && header.at(1) != OpenByte) return false;
    header[1] = OpenByte;
    return header == DatabaseHeader;
}

} // namespace

bool writeHeaderByte(const QString &path, char byte) {
    QFile file(path);
    if (!file.exists() || file.size() < DatabaseHeader.size() || !file.open(QIODevice::ReadWrite) ||
        !isWordListHeader(file.read(DatabaseHeader.size())))
        return false;
    return file.seek(1) && file.write(&byte, 1) == 1 && file.flush();
}

QString lockPath(const QString &listPath) {
    const QFileInfo list(listPath);
    return list.dir().filePath('.' + list.fileName() + ".lock");
}

Lock::Lock(const QString &listPath) : m_lock(lockPath(listPath)) {
    if (!listPath.isEmpty()) m_held = m_lock.lock(FileLock::Mode::Exclusive);
}

int readHeaderByte(const QString &path) {
    QFile file(path);
    char byte = 0;
    if (!file.open(QIODevice::ReadOnly) || !file.seek(1) || file.read(&byte, 1) != 1) return -1;
    return static_cast<unsigned char>(byte);
}

} // namespace WordListFile

namespace WordListFile {

bool insertRow(Database &db, const WordRow &row) {
    return db.exec("insert into vocamarkhome ([序号], [单词], [音标], [释义], [过滤]) "
                   "values (?, ?, ?, ?, ?)",
                   {row.number, row.word, row.phonetic, row.meaning, row.mark});
}

bool create(const QString &path, const std::vector<WordRow> &rows) {
    const QString building = path + ".building";
    QFile::remove(building);
    {
        Database db;
        if (!db.create(ConnectionString::make(building))) return false;
        bool ok = db.exec("create table vocamarkhome ([序号] INTEGER, [单词] TEXT, [音标] TEXT, "
                          "[释义] TEXT, [过滤] TEXT)") &&
                  db.exec("create index vocamarkhome_number on vocamarkhome ([序号])") &&
                  db.exec("begin");
        for (const WordRow &row : rows)
            ok = ok && insertRow(db, row);
        ok = ok && db.exec("commit");
        if (!ok) {
            db.close();
            QFile::remove(building);
            return false;
        }
    }
    // rename(2) replaces an existing list in one step, so a failure never leaves none.
    return writeHeaderByte(building, RestByte) &&
           std::rename(QFile::encodeName(building).constData(),
                       QFile::encodeName(path).constData()) == 0;
}

} // namespace WordListFile
