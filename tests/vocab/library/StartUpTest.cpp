#include "support/FakeSpeech.h"
#include "support/TestFiles.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/library/TipsMarker.h"
#include "vocab/library/VocabStartUp.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class StartUpTest : public ::testing::Test {
protected:
    VocabFolders folders;
    FakeSpeaker speech;
    Speaker &speaker = speech.speaker;
};

TEST_F(StartUpTest, CreatesTheLibraryFoldersAndPreparesSpeech) {
    VocabStartUp::run(folders.paths, speaker);

    EXPECT_TRUE(QDir(folders.programFolder() + "/word/2011研究生大纲词汇").exists());
    EXPECT_TRUE(QDir(folders.systemFolder()).exists());
    EXPECT_EQ(speaker.speed(), 120);
    EXPECT_TRUE(speech.spoken().isEmpty());
    // The test program embeds no default list: that step is skipped.
    EXPECT_FALSE(QFile::exists(VocabStartUp::defaultListPath(folders.programFolder())));
}

TEST_F(StartUpTest, KeepsAnExistingDefaultListWithItsMarks) {
    const QString path =
        folders.makeList(VocabStartUp::DefaultCollection, VocabStartUp::DefaultList, 3, {2});
    EXPECT_EQ(path, VocabStartUp::defaultListPath(folders.programFolder()));
    const QByteArray before = readFile(path);

    VocabStartUp::run(folders.paths, speaker);
    EXPECT_EQ(readFile(path), before);
}

TEST_F(StartUpTest, TipsOpenUnlessTheMarkerExists) {
    EXPECT_TRUE(VocabStartUp::run(folders.paths, speaker));
    TipsMarker::write(folders.systemFolder());
    EXPECT_FALSE(VocabStartUp::run(folders.paths, speaker));
    TipsMarker::remove(folders.systemFolder());
    EXPECT_TRUE(VocabStartUp::run(folders.paths, speaker));
}

} // namespace
