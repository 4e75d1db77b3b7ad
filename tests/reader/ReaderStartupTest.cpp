#include "reader/ReaderStartup.h"

#include "ReaderFixture.h"
#include "platform/Speaker.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(ReaderStartup, FreshMachineGetsAllFilesAndSlowSpeech) {
    ReaderFixture fixture;
    ASSERT_FALSE(QDir(fixture.paths.dataFolder()).exists());
    Speaker speaker({}, Speaker::Silent);
    ReaderStartup::run(fixture.files, speaker);

    EXPECT_EQ(readFile(fixture.files.dictionaryPath()), ReaderFixture::resourceBytes(103));
    EXPECT_EQ(readFile(fixture.files.examStorePath()), ReaderFixture::resourceBytes(106));
    EXPECT_EQ(readFile(fixture.files.notesStorePath()), ReaderFixture::resourceBytes(107));
    EXPECT_FALSE(QFileInfo::exists(fixture.files.vocadrillPath()));
    EXPECT_EQ(speaker.speed(), 120);
}

TEST(ReaderStartup, KeepsTheStudentsNotesButRenewsStoreAndDictionary) {
    ReaderFixture fixture;
    fixture.writeNotesStore({"1998年试题Part5"});
    const QByteArray notes = readFile(fixture.files.notesStorePath());
    writeFile(fixture.files.examStorePath(), "stale store");
    writeFile(fixture.files.dictionaryPath(), "stale dictionary");
    Speaker speaker({}, Speaker::Silent);
    QStringList told;
    ReaderStartup::run(fixture.files, speaker, [&told](const QString &text) { told << text; });

    EXPECT_EQ(readFile(fixture.files.notesStorePath()), notes);
    EXPECT_EQ(readFile(fixture.files.examStorePath()), ReaderFixture::resourceBytes(106));
    EXPECT_EQ(readFile(fixture.files.dictionaryPath()), ReaderFixture::resourceBytes(103));
    EXPECT_TRUE(told.isEmpty());
}

TEST(ReaderStartup, DamagedNotesStoreIsMovedAsideReplacedAndReportedOnce) {
    ReaderFixture fixture;
    fixture.paths.createFolders();
    writeFile(fixture.files.notesStorePath(), "notes of last term, damaged");
    Speaker speaker({}, Speaker::Silent);
    QStringList told;
    ReaderStartup::run(fixture.files, speaker, [&told](const QString &text) { told << text; });

    EXPECT_EQ(readFile(fixture.files.notesStorePath()), ReaderFixture::resourceBytes(107));
    const QStringList damaged =
        QDir(fixture.paths.dataFolder()).entryList({"note.dll.damaged-*"}, QDir::Files);
    ASSERT_EQ(damaged.size(), 1);
    const QString movedTo = Paths::join(fixture.paths.dataFolder(), damaged[0]);
    EXPECT_EQ(readFile(movedTo), QByteArray("notes of last term, damaged"));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(movedTo));
}

TEST(ReaderStartup, AFileThatCannotBeWrittenIsSkipped) {
    ReaderFixture fixture;
    // A folder in the exam store's place cannot be replaced by a file.
    ASSERT_TRUE(QDir().mkpath(fixture.files.examStorePath()));
    Speaker speaker({}, Speaker::Silent);
    ReaderStartup::run(fixture.files, speaker);

    EXPECT_EQ(readFile(fixture.files.notesStorePath()), ReaderFixture::resourceBytes(107));
    EXPECT_EQ(speaker.speed(), 120);
}
