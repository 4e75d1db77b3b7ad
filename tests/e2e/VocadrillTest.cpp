#include "DesktopSession.h"
#include "SuitePrograms.h"
#include "support/TestCommands.h"
#include "support/TestFiles.h"
#include "support/WavSamples.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

// Vocadrill on its own: installed where the student who runs it may not write, and a student's
// way from a word list to a recording saved as an MP3 and to word cards.

using namespace SuitePrograms;

namespace {

const char *const Student = "nobody";

// The first three words of the default list, each followed by its meaning.
const QStringList FirstWordsAndMeanings = {
    "a", "第一个字母 A, 一个", "abandon", "vt. 放弃, 抛弃", "abdomen", "n. 腹部"};

// Vocadrill written into the data folder and started from there, as Examvault starts it, with
// its tips turned off so that they cover nothing; its window, or empty when it did not show.
QString startFromTheDataFolder(DesktopSession &session) {
    const QString program = session.inDataFolder("Vocadrill");
    if (!QDir().mkpath(session.inDataFolder("system")) || !QFile::copy(Vocadrill, program))
        return {};
    writeFile(session.inDataFolder("system/vocamark.dll"));
    if (!session.start(program)) return {};
    return session.waitForWindow(DrillTitle);
}

// Words 1 to 3 at a step of a second: the range's end typed, the speed box's first speed,
// "1.0", chosen from its list by keyboard.
void chooseFirstThreeWordsAtTheFastestSpeed(const DesktopSession &session, const QString &window) {
    session.typeInto(window, RangeEndField, "3");
    session.focus(window);
    session.click(window, SpeedBox);
    session.pressKeys({"alt+Down", "Home", "Return"});
}

// Presses 保  存 and answers the save dialog with the path typed into its file-name field;
// false when the dialog did not show.
bool saveRecordingAs(const DesktopSession &session, const QString &window, const QString &path) {
    session.click(window, SaveButton);
    const QString dialog = session.waitForWindow(SaveDialogTitle);
    if (dialog.isEmpty()) return false;
    session.typeInto(dialog, SaveDialogFileName, path);
    session.pressKeys({"Return"});
    return true;
}

// Chooses 文件 → 制作单词卡片 and answers its dialog with the folder and the smaller size it
// starts with; false when the dialog did not show.
bool makeSmallerCards(const DesktopSession &session, const QString &window, const QString &folder) {
    session.focus(window);
    session.click(window, FileMenu);
    session.pressKeys({"Down", "Return"}); // the menu's first command
    const QString dialog = session.waitForWindow(CardsTitle);
    if (dialog.isEmpty()) return false;
    session.typeInto(dialog, CardFolderField, folder);
    session.click(dialog, CardsOkButton);
    return true;
}

// The MP3 file's sound as the encoder decodes it; nothing when it does not decode.
WavSamples decoded(const QString &mp3) {
    const QString wav = mp3 + ".decoded.wav";
    if (runCommand("lame", {"--quiet", "--decode", mp3, wav}).exitCode != 0) return {};
    return WavSamples::read(wav);
}

// Checks an LRC file of a run over the first three words at a step of a second.
void expectTimelineOfTheFirstThreeWords(const QByteArray &lrc) {
    const QString text = QStringDecoder("GBK")(lrc);
    ASSERT_TRUE(text.endsWith("\r\n"));
    EXPECT_EQ(text.count('\n'), text.count("\r\n")) << "every line ends with CR LF";
    const QStringList lines = text.chopped(2).split("\r\n");
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.mid(0, 4),
              QStringList({"[ti:Lexireel]", "[ar:Lexipocket]", "[by:Zentrova]", "[offset:500]"}));
    static const QRegularExpression tagged(R"(^\[(\d\d):(\d\d)\.00\](.*)$)");
    for (int step = 0; step < 6; ++step) {
        const QRegularExpressionMatch line = tagged.match(lines[4 + step]);
        ASSERT_TRUE(line.hasMatch()) << lines[4 + step].toStdString();
        EXPECT_EQ(line.captured(3), FirstWordsAndMeanings[step]);
        // The tag is the clock's whole seconds at the step: a step a little late may already
        // be in the next second.
        const int second = line.captured(1).toInt() * 60 + line.captured(2).toInt();
        EXPECT_TRUE(second == step || (step > 0 && second == step + 1))
            << "step " << step << " tagged " << second;
    }
}

} // namespace

TEST(VocadrillTest, InAFolderItMayNotWriteKeepsItsLibraryInTheDataFolder) {
    const passwd *student = ::getpwnam(Student);
    if (::geteuid() != 0 || !student) GTEST_SKIP() << "needs root and the user " << Student;
    DesktopSession session;
    ASSERT_TRUE(session.isReady());

    // Installed by root: the folder is root's, the student may only run the program.
    const QString installed = session.folder() + "/installed";
    ASSERT_TRUE(QDir().mkpath(installed));
    ASSERT_TRUE(QFile::copy(Vocadrill, installed + "/vocadrill"));
    // The student's own data home, temporary and runtime folders.
    const QString home = session.folder() + "/student";
    QProcessEnvironment environment = session.environment();
    environment.insert("XDG_DATA_HOME", home + "/data");
    environment.insert("TMPDIR", home + "/tmp");
    environment.insert("XDG_RUNTIME_DIR", home + "/runtime");
    for (const char *folder : {"", "/data", "/tmp", "/runtime"}) {
        ASSERT_TRUE(QDir().mkpath(home + folder));
        ASSERT_EQ(
            ::chown(QFile::encodeName(home + folder).constData(), student->pw_uid, student->pw_gid),
            0);
    }

    ASSERT_NE(
        session.start("runuser", {"-u", Student, "--", installed + "/vocadrill"}, environment),
        nullptr);
    const QString window = session.waitForWindow(DrillTitle);
    ASSERT_FALSE(window.isEmpty()) << "Vocadrill's window did not show";

    const QString dataFolder = home + "/data/Lumenfold";
    EXPECT_TRUE(QFileInfo::exists(dataFolder + '/' + DefaultList));
    EXPECT_FALSE(QFileInfo::exists(installed + "/word"));
    EXPECT_TRUE(openDefaultList(session, window, dataFolder));
}

TEST(VocadrillTest, FromAListToARecordedRunSavedAsMp3WithLrcAndToCards) {
    DesktopSession session;
    ASSERT_TRUE(session.isReady()) << "no X display: is Xvfb installed?";
    const QString window = startFromTheDataFolder(session);
    ASSERT_FALSE(window.isEmpty()) << "Vocadrill's window did not show";
    ASSERT_TRUE(openDefaultList(session, window, session.dataFolder()));

    // The run brings three words, reveals three meanings and ends on its seventh step, six
    // seconds in.
    chooseFirstThreeWordsAtTheFastestSpeed(session, window);
    const QString workWav = session.inDataFolder("system/vocareeler.wav");
    QElapsedTimer sinceRecordClick;
    sinceRecordClick.start();
    session.click(window, RecordButton);
    ASSERT_TRUE(DesktopSession::waitUntil([&] { return QFileInfo::exists(workWav); }))
        << "the run did not end with a recording";
    const double recordedSeconds = WavSamples::read(workWav).seconds();
    EXPECT_GE(recordedSeconds, 5.99);
    EXPECT_LE(recordedSeconds, sinceRecordClick.elapsed() / 1000.0);

    const QString lesson = session.folder() + "/lesson";
    ASSERT_TRUE(saveRecordingAs(session, window, lesson)) << "the save dialog did not show";
    ASSERT_TRUE(DesktopSession::waitUntil([&] {
        return QFileInfo::exists(lesson + ".mp3") && QFileInfo::exists(lesson + ".lrc") &&
               !QFileInfo::exists(workWav);
    })) << "the save did not complete";
    expectTimelineOfTheFirstThreeWords(readFile(lesson + ".lrc"));
    const WavSamples mp3 = decoded(lesson + ".mp3");
    EXPECT_NEAR(mp3.seconds(), recordedSeconds, 0.1);
    for (int wordStep : {0, 2, 4})
        EXPECT_TRUE(mp3.soundsBetween(wordStep, wordStep + 1)) << "no word spoken at " << wordStep;

    const QString cards = session.folder() + "/cards";
    ASSERT_TRUE(QDir().mkpath(cards));
    ASSERT_TRUE(makeSmallerCards(session, window, cards)) << "the card dialog did not show";
    const QStringList cardFiles{"0001.jpg", "0002.jpg", "0003.jpg"};
    ASSERT_TRUE(DesktopSession::waitUntil([&] {
        return QDir(cards).entryList(QDir::Files) == cardFiles;
    })) << QDir(cards).entryList(QDir::Files).join(' ').toStdString();
    for (const QString &card : cardFiles)
        EXPECT_EQ(QImage(cards + '/' + card).size(), QSize(150, 110)) << card.toStdString();
}
