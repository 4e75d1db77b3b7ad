#include "platform/ProtectedStore.h"

#include "platform/ConnectionString.h"
#include "platform/Database.h"
#include "platform/RecordSet.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Password = QStringLiteral("qm1987");

class ProtectedStoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Database db;
        ASSERT_TRUE(db.create(connection()));
        ASSERT_TRUE(db.exec("create table dat (mc TEXT, bak)"));
        ASSERT_TRUE(db.exec("create index dat_mc on dat (mc)"));
        for (const char *key : {"1995年试题Part1", "2010年试题Part4"})
            ASSERT_TRUE(db.exec("insert into dat values (?, ?)", {QString(key), "hint"}));
        ASSERT_TRUE(db.save());
    }
    QString path() const { return dir.filePath("note.dll"); }
    QString connection(const QString &password = Password) const {
        return ConnectionString::make(path(), password);
    }
    QString noteOf(const QString &key) {
        RecordSet set;
        set.setLockType(RecordSet::LockType::Optimistic);
        set.open("select * from dat where mc=?", connection(), RecordSet::CursorType::Unspecified,
                 {key});
        return set.field("bak");
    }
    QByteArray bytes() const { return readFile(path()); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ProtectedStoreFixture, StoreIsEncryptedAndReadsBackByKey) {
    EXPECT_TRUE(bytes().startsWith("LFSTORE1"));
    EXPECT_FALSE(bytes().contains("hint"));
    EXPECT_FALSE(bytes().contains("SQLite format"));
    EXPECT_EQ(noteOf("2010年试题Part4"), QString("hint"));
    EXPECT_EQ(noteOf("2011年试题Part1"), QString());
}

TEST_F(ProtectedStoreFixture, UpdateIsWrittenBackAndSurvivesReopen) {
    {
        RecordSet set;
        ASSERT_TRUE(set.open("select * from dat where mc='1995年试题Part1'", connection()));
        set.setField("bak", "{\\rtf1 my note}");
        set.update();
    }
    EXPECT_EQ(noteOf("1995年试题Part1"), QString("{\\rtf1 my note}"));
    EXPECT_EQ(noteOf("2010年试题Part4"), QString("hint"));
}

TEST_F(ProtectedStoreFixture, WrongPasswordAndTamperingOpenAsFailed) {
    RecordSet set;
    EXPECT_FALSE(set.open("select * from dat", connection("wrong")));
    EXPECT_FALSE(set.open("select * from dat", ConnectionString::make(path()))); // no password

    QByteArray tampered = bytes();
    tampered[tampered.size() / 2] = char(tampered[tampered.size() / 2] ^ 0x01);
    writeFile(path(), tampered);
    EXPECT_FALSE(set.open("select * from dat", connection()));
    EXPECT_EQ(set.field("bak"), QString());

    EXPECT_FALSE(ProtectedStore::load(dir.filePath("missing.dll"), Password).has_value());
}

TEST_F(ProtectedStoreFixture, InterruptedWriteLeavesTheOldStore) {
    const QByteArray before = bytes();
    const bool saved =
        ProtectedStore::save(path(), Password, QByteArray("new image"), [] { return false; });
    EXPECT_FALSE(saved);
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(noteOf("1995年试题Part1"), QString("hint"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"note.dll"}); // no temp left
}
