#include "platform/WordListFile.h"

#include "platform/ConnectionString.h"
#include "platform/FileLock.h"
#include "platform/RecordSet.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(WordListFile, HeaderByteAtOffsetOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.wrd");
    ASSERT_TRUE(WordListFile::create(path, {{1, "abandon", "E5bAndEn", "vt. 放弃"}}));
    EXPECT_EQ(WordListFile::readHeaderByte(path), 0x00); // created at rest
    EXPECT_TRUE(WordListFile::writeHeaderByte(path, WordListFile::OpenByte));
    EXPECT_EQ(WordListFile::readHeaderByte(path), 0x51);
    EXPECT_EQ(readFile(path).left(16), QByteArray("SQLite format 3\0", 16));

    EXPECT_FALSE(WordListFile::writeHeaderByte(dir.filePath("missing.wrd"), 0));
    EXPECT_FALSE(QFile::exists(dir.filePath("missing.wrd"))); // not created by the write
    EXPECT_EQ(WordListFile::readHeaderByte(dir.filePath("missing.wrd")), -1);
}

TEST(WordListFile, CreateReplacesAnExistingList) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.wrd");
    ASSERT_TRUE(WordListFile::create(path, {{1, "old", "", "旧"}}));
    ASSERT_TRUE(WordListFile::create(path, {{1, "new", "", "新"}, {2, "newer", "", "更新"}}));
    EXPECT_EQ(WordListFile::readHeaderByte(path), 0x00);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.wrd"});
    ASSERT_TRUE(WordListFile::writeHeaderByte(path, WordListFile::OpenByte));
    RecordSet set;
    ASSERT_TRUE(
        set.open("select * from vocamarkhome order by [序号]", ConnectionString::make(path)));
    EXPECT_EQ(set.recordCount(), 2);
    EXPECT_EQ(set.field("单词"), QString("new"));
}

// Two Lock objects stand for two programs: each holds its own descriptor.
TEST(WordListFile, LockIsAHiddenFileBesideTheListHeldByOneAtATime) {
    QTemporaryDir dir;
    const QString path = dir.filePath("阅读生词.wrd");
    EXPECT_EQ(WordListFile::lockPath(path), dir.filePath(".阅读生词.wrd.lock"));
    {
        const WordListFile::Lock lock(path); // taken before the list exists
        EXPECT_TRUE(lock.isHeld());
        FileLock other(WordListFile::lockPath(path));
        EXPECT_FALSE(other.tryLock(FileLock::Mode::Shared));
        ASSERT_TRUE(WordListFile::create(path, {}));
        EXPECT_EQ(QDir(dir.path(), "*.wrd").entryList(QDir::Files), QStringList{"阅读生词.wrd"});
    }
    FileLock other(WordListFile::lockPath(path));
    EXPECT_TRUE(other.tryLock(FileLock::Mode::Exclusive)); // released with its object
    EXPECT_FALSE(WordListFile::Lock(QString()).isHeld());
}
