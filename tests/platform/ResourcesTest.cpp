#include "platform/Resources.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Resources, WritingReplacesTheWholeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bin");
    writeFile(path, QByteArray(4096, 'x')); // longer than the resource: must be truncated
    ASSERT_TRUE(Resources::writeResource(1, path));
    EXPECT_EQ(readFile(path), Resources::resourceBytes(1));
    EXPECT_EQ(readFile(path), QByteArray("embedded bytes\0\1\2 end", 21));
}

TEST(Resources, MissingResourceOrFolderLeavesFilesAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.bin");
    writeFile(path, "previous");
    EXPECT_FALSE(Resources::writeResource(999, path));
    EXPECT_EQ(readFile(path), QByteArray("previous"));
    EXPECT_FALSE(Resources::writeResource(1, dir.filePath("no/such/folder/file")));
}

TEST(Resources, ExistsAndDelete) {
    QTemporaryDir dir;
    const QString path = dir.filePath("f");
    EXPECT_FALSE(Resources::fileExists(path));
    EXPECT_TRUE(Resources::deleteFile(path)); // already gone counts as deleted
    writeFile(path, "x");
    EXPECT_TRUE(Resources::fileExists(path));
    EXPECT_FALSE(Resources::fileExists(dir.path())); // a folder is not a file
    EXPECT_TRUE(Resources::deleteFile(path));
    EXPECT_FALSE(Resources::fileExists(path));
}
