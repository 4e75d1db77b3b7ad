#include "platform/FileLock.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Mode = FileLock::Mode;

// Two FileLock objects stand for two processes: each holds its own descriptor.
TEST(FileLock, SharedHoldersKeepOutOneThatWantsItAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("note.dll.lock");
    FileLock first(path), second(path), writer(path);
    ASSERT_TRUE(first.lock(Mode::Shared));
    EXPECT_TRUE(QFileInfo(path).isFile()); // made on first use
    EXPECT_TRUE(second.tryLock(Mode::Shared));
    EXPECT_FALSE(writer.tryLock(Mode::Exclusive));

    first.unlock();
    EXPECT_FALSE(writer.tryLock(Mode::Exclusive));
    second.unlock();
    EXPECT_TRUE(writer.tryLock(Mode::Exclusive));
    EXPECT_FALSE(first.tryLock(Mode::Shared));

    writer.lock(Mode::Shared); // a lock held alone can be shared again
    EXPECT_TRUE(first.tryLock(Mode::Shared));
    {
        FileLock gone(path);
        EXPECT_TRUE(gone.tryLock(Mode::Shared));
    } // released with its object
    writer.unlock();
    first.unlock();
    EXPECT_TRUE(second.tryLock(Mode::Exclusive));
}

TEST(FileLock, FolderIsLockedButNeverCreated) {
    QTemporaryDir dir;
    FileLock folder(dir.path(), FileLock::Kind::Folder), other(dir.path(), FileLock::Kind::Folder);
    ASSERT_TRUE(folder.lock(Mode::Shared));
    EXPECT_FALSE(other.tryLock(Mode::Exclusive));

    const QString missing = dir.filePath("missing");
    FileLock absent(missing, FileLock::Kind::Folder);
    EXPECT_FALSE(absent.lock(Mode::Shared));
    EXPECT_FALSE(absent.isOpen());
    EXPECT_FALSE(QFileInfo::exists(missing));
}
