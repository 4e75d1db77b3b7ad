#include "reader/ReaderFiles.h"

#include "ReaderFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

// A write cut off by a kill leaves "<file>.XXXXXX" beside the file it was to replace.
TEST(ReaderFiles, StaleTemporaryFilesGoWhenNoOtherReaderRuns) {
    ReaderFixture fixture;
    fixture.paths.createFolders();
    const QDir folder(fixture.paths.dataFolder());
    const QStringList stale{"note.dll.Ab12Cd", "read.dll.x9Y8z7", "mswrd.wd.QWERTY"};
    const QStringList kept{"note.dll.lock", "note.dll.damaged-20240101-120000", "note.dll.1234567",
                           "other.dll.Ab12Cd"};
    const ReaderFiles other(fixture.paths); // a reader that is running already
    other.install();
    for (const QString &name : stale + kept)
        writeFile(folder.filePath(name), "x");
    fixture.files.install();
    for (const QString &name : stale)
        EXPECT_TRUE(folder.exists(name)) << name.toStdString(); // may be written right now

    other.removeSessionFiles();
    fixture.files.removeSessionFiles();
    fixture.files.install();
    for (const QString &name : stale)
        EXPECT_FALSE(folder.exists(name)) << name.toStdString();
    for (const QString &name : kept)
        EXPECT_TRUE(folder.exists(name)) << name.toStdString();
}

TEST(ReaderFiles, EndingRemovesStoreAndVocadrillOnly) {
    ReaderFixture fixture;
    const ReaderFiles &files = fixture.files;
    files.install();
    ASSERT_TRUE(files.writeVocadrill());
    files.removeSessionFiles();
    EXPECT_FALSE(QFileInfo::exists(files.examStorePath()));
    EXPECT_FALSE(QFileInfo::exists(files.vocadrillPath()));
    EXPECT_TRUE(QFileInfo::exists(files.notesStorePath()));
    EXPECT_TRUE(QFileInfo::exists(files.dictionaryPath()));
    files.removeSessionFiles(); // a second end finds nothing to remove, and that is fine
}

TEST(ReaderFiles, OnlyTheLastReaderToEndRemovesTheStore) {
    ReaderFixture fixture;
    fixture.files.install();
    const ReaderFiles second(fixture.paths); // a second reader on the same data folder
    second.install();
    fixture.files.removeSessionFiles();
    EXPECT_TRUE(QFileInfo::exists(fixture.files.examStorePath()));
    second.removeSessionFiles();
    EXPECT_FALSE(QFileInfo::exists(fixture.files.examStorePath()));
}

TEST(ReaderFiles, VocadrillIsWrittenExecutable) {
    ReaderFixture fixture;
    fixture.paths.createFolders();
    writeFile(fixture.files.vocadrillPath(), "an older copy, private to its owner");
    QFile::setPermissions(fixture.files.vocadrillPath(), QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(fixture.files.writeVocadrill());
    EXPECT_EQ(readFile(fixture.files.vocadrillPath()), ReaderFixture::resourceBytes(105));
    EXPECT_EQ(fileMode(fixture.files.vocadrillPath()), 0755);
    EXPECT_EQ(fixture.files.vocadrillPath(), fixture.paths.dataFolder() + "/Vocadrill");
}

TEST(ReaderFiles, PagesAreCopiedToTheTemporaryFolder) {
    ReaderFixture fixture;
    const QString page = fixture.files.writePage(":/reader/help.htm", "examvault-help.htm");
    EXPECT_EQ(page, fixture.paths.tempFolder() + "examvault-help.htm");
    EXPECT_TRUE(readFile(page).contains("学习笔记"));
    EXPECT_TRUE(fixture.files.writePage(":/reader/none.htm", "x.htm").isEmpty());
}
