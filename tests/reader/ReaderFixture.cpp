#include "ReaderFixture.h"

#include "platform/Database.h"
#include "platform/Rtf.h"
#include "reader/NoteFormat.h"

#include <QFile>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

bool writeStandIn(int id, const QString &path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ReaderFixture::resourceBytes(id)) > 0;
}

QString rtfOf(const QString &plainText) {
    QTextDocument doc;
    doc.setPlainText(plainText);
    return QString::fromLatin1(Rtf::write(doc));
}

void createStore(Database &db, const QString &path, const QString &columns) {
    ASSERT_TRUE(db.create(PaperStores::connection(path)));
    ASSERT_TRUE(db.exec("create table dat (mc TEXT, " + columns + ")"));
}

} // namespace

ReaderFixture::ReaderFixture()
    : paths(home.path(), home.path(), home.filePath("tmp")), files(paths, writeStandIn) {}

QByteArray ReaderFixture::resourceBytes(int id) {
    return "resource " + QByteArray::number(id);
}

QString ReaderFixture::paperText(const QString &column, const QString &key) {
    return column + " of " + key;
}

void ReaderFixture::writeExamStore(const QStringList &keys) const {
    paths.createFolders();
    Database db;
    createStore(db, files.examStorePath(), "yw, st, da, zw");
    for (const QString &key : keys) {
        QVariantList row{key, rtfOf(paperText("yw", key) + "\nSecond paragraph.")};
        for (const char *column : {"st", "da", "zw"})
            row << rtfOf(paperText(column, key));
        ASSERT_TRUE(db.exec("insert into dat values (?, ?, ?, ?, ?)", row));
    }
    ASSERT_TRUE(db.save());
}

void ReaderFixture::writeNotesStore(const QStringList &keys) const {
    QTextDocument hint;
    NoteFormat::writeHint(hint);
    paths.createFolders();
    Database db;
    createStore(db, files.notesStorePath(), "bak");
    for (const QString &key : keys)
        ASSERT_TRUE(
            db.exec("insert into dat values (?, ?)", {key, QString::fromLatin1(Rtf::write(hint))}));
    ASSERT_TRUE(db.save());
}
