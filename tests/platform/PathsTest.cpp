#include "platform/Paths.h"

#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t modeOf(const QString &folder) {
    struct stat info {};
    ::lstat(QFile::encodeName(folder).constData(), &info);
    return info.st_mode & ACCESSPERMS;
}

} // namespace

TEST(Paths, FoldersDeriveFromTheDataHome) {
    QTemporaryDir home;
    const Paths paths(home.path(), "/opt/suite", home.filePath("temp"));
    EXPECT_EQ(paths.dataFolder(), home.path() + "/Lumenfold");
    EXPECT_EQ(paths.systemFolder(), home.path() + "/Lumenfold/system");
    EXPECT_EQ(paths.tempFolder(), home.path() + "/temp/");
    EXPECT_EQ(Paths::join(paths.dataFolder(), "read.dll"), home.path() + "/Lumenfold/read.dll");

    paths.createFolders();
    paths.createFolders(); // an existing folder is fine
    EXPECT_TRUE(QDir(paths.systemFolder()).exists());
    EXPECT_TRUE(QDir(paths.tempFolder()).exists());
}

TEST(Paths, AProgramFolderThatCannotBeWrittenGivesWayToTheDataFolder) {
    QTemporaryDir home;
    QTemporaryDir programFolder;
    const Paths writable(home.path(), programFolder.path(), "/tmp");
    EXPECT_EQ(writable.withWritableProgramFolder().programFolder(), programFolder.path());

    // Root may write any existing folder; a folder that is gone no one can write.
    const Paths gone(home.path(), programFolder.filePath("gone"), "/tmp");
    const Paths fallback = gone.withWritableProgramFolder();
    EXPECT_EQ(fallback.programFolder(), home.path() + "/Lumenfold");
    EXPECT_EQ(fallback.dataFolder(), home.path() + "/Lumenfold");
    EXPECT_EQ(fallback.tempFolder(), QString("/tmp/"));
}

TEST(Paths, EnvironmentFollowsXdgDataHomeAndTmpdir) {
    QTemporaryDir home;
    QTemporaryDir temp;
    const ScopedEnvironment dataHome("XDG_DATA_HOME", home.path());
    const ScopedEnvironment tmpdir("TMPDIR", temp.path());
    const Paths paths = Paths::fromEnvironment();
    EXPECT_EQ(paths.dataFolder(), home.path() + "/Lumenfold");
    EXPECT_EQ(paths.tempFolder(), QString("%1/lumenfold-%2/").arg(temp.path()).arg(::getuid()));
}

TEST(Paths, TemporaryFolderIsPrivateToItsUser) {
    QTemporaryDir root;
    const Paths paths(root.filePath("home"), root.path(), root.filePath("lumenfold-test"));
    ASSERT_TRUE(paths.createTempFolder());
    const QFileInfo folder(paths.tempFolder());
    EXPECT_TRUE(folder.isDir());
    EXPECT_EQ(folder.ownerId(), ::getuid());
    EXPECT_EQ(modeOf(root.filePath("lumenfold-test")), mode_t(0700));
    EXPECT_TRUE(paths.createTempFolder()); // found again as it was left
}

TEST(Paths, AnythingElseInTheTemporaryFoldersPlaceIsNotUsed) {
    QTemporaryDir root;
    const QString open = root.filePath("open");
    ASSERT_TRUE(QDir().mkdir(open));
    ::chmod(QFile::encodeName(open).constData(), 0777);
    EXPECT_FALSE(Paths(root.path(), root.path(), open).createTempFolder());
    EXPECT_EQ(modeOf(open), mode_t(0777)); // left as it was found

    const QString elsewhere = root.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkdir(elsewhere));
    ::chmod(QFile::encodeName(elsewhere).constData(), 0700);
    const QString link = root.filePath("link");
    ASSERT_TRUE(QFile::link(elsewhere, link));
    EXPECT_FALSE(Paths(root.path(), root.path(), link).createTempFolder());

    const QString file = root.filePath("file");
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_FALSE(Paths(root.path(), root.path(), file).createTempFolder());
}
