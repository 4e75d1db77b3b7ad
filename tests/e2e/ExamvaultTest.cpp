#include "DesktopSession.h"
#include "SuitePrograms.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

// Examvault as a student runs it: started on a desktop with an empty data home, its Vocadrill
// button, and its end.

using namespace SuitePrograms;

namespace {

class ExamvaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(session.isReady()) << "no X display: is Xvfb installed?";
        // A student who has turned Vocadrill's tips off, so they do not cover its library.
        ASSERT_TRUE(QDir().mkpath(session.inDataFolder("system")));
        writeFile(session.inDataFolder("system/vocamark.dll"));
        reader = session.start(Examvault);
        ASSERT_NE(reader, nullptr);
        readerWindow = session.waitForWindow(ReaderTitle);
        ASSERT_FALSE(readerWindow.isEmpty()) << "Examvault's window did not show";
    }

    // Clicks the Vocadrill button; true once count Vocadrills run from the data folder.
    bool clickVocadrillButton(size_t count) {
        session.click(readerWindow, VocadrillButton);
        return DesktopSession::waitUntil(
            [&] { return session.processesOf(vocadrillFile()).size() == count; });
    }

    QString vocadrillFile() const { return session.inDataFolder("Vocadrill"); }

    DesktopSession session;
    QProcess *reader = nullptr;
    QString readerWindow;
};

} // namespace

TEST_F(ExamvaultTest, StartWritesTheStoresAndTheDictionaryButNotVocadrill) {
    EXPECT_EQ(readFile(session.inDataFolder("read.dll")), readFile(GeneratedFolder + "/read.dll"));
    EXPECT_EQ(readFile(session.inDataFolder("note.dll")), readFile(GeneratedFolder + "/note.dll"));
    EXPECT_FALSE(readFile(session.inDataFolder("mswrd.wd")).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(vocadrillFile()));
}

TEST_F(ExamvaultTest, VocadrillButtonStartsThisBuildsVocadrillFromTheDataFolder) {
    ASSERT_TRUE(clickVocadrillButton(1))
        << "no Vocadrill runs from " << vocadrillFile().toStdString();
    EXPECT_EQ(readFile(vocadrillFile()), readFile(Vocadrill));
    EXPECT_EQ(fileMode(vocadrillFile()), 0755);

    const QString drillWindow = session.waitForWindow(DrillTitle);
    ASSERT_FALSE(drillWindow.isEmpty()) << "Vocadrill's window did not show";
    // Its program folder is the data folder, so its word library is made there.
    EXPECT_TRUE(QFileInfo::exists(session.inDataFolder(DefaultList)));
    EXPECT_TRUE(openDefaultList(session, drillWindow, session.dataFolder()));
}

TEST_F(ExamvaultTest, SecondClickWhileVocadrillRunsStartsASecondOne) {
    ASSERT_TRUE(clickVocadrillButton(1));
    ASSERT_FALSE(session.waitForWindow(DrillTitle).isEmpty());
    EXPECT_TRUE(clickVocadrillButton(2));
    EXPECT_FALSE(session.waitForWindow(DrillTitle, 2).isEmpty());
}

TEST_F(ExamvaultTest, ClosingRemovesStoreAndVocadrillAndKeepsNotesAndDictionary) {
    ASSERT_TRUE(clickVocadrillButton(1));
    session.closeWindow(readerWindow);
    EXPECT_TRUE(DesktopSession::waitForCleanExit(reader));

    EXPECT_FALSE(QFileInfo::exists(session.inDataFolder("read.dll")));
    EXPECT_FALSE(QFileInfo::exists(vocadrillFile()));
    EXPECT_EQ(readFile(session.inDataFolder("note.dll")), readFile(GeneratedFolder + "/note.dll"));
    EXPECT_FALSE(readFile(session.inDataFolder("mswrd.wd")).isEmpty());
    // Vocadrill goes on without its file. Waited for: a child it forks (the D-Bus library
    // looking for a session bus) counts as the same program until it has gone.
    EXPECT_TRUE(DesktopSession::waitUntil(
        [&] { return session.processesOf(vocadrillFile()).size() == 1; }));
}
