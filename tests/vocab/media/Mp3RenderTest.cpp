#include "vocab/media/Mp3Render.h"

#include "platform/TextCodec.h"
#include "support/FakeSpeech.h"
#include "support/TestFiles.h"
#include "vocab/VocabTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <latch>
#include <thread>

namespace {

constexpr int ToneMs = 300;

class Mp3RenderTest : public ::testing::Test {
protected:
    std::unique_ptr<Mp3Render> render(int words, std::unique_ptr<SpeechBackend> voice,
                                      const QString &encoder = QStringLiteral("lame")) {
        return std::make_unique<Mp3Render>(Mp3Render::Job{numberedWords(words), 2000, 150, chosen},
                                           folders.systemFolder(), std::move(voice), encoder);
    }
    static std::unique_ptr<SpeechBackend> toneVoice() {
        static QStringList said;
        return std::make_unique<RecordingSpeech>(said, ToneMs);
    }
    // The files under the system folder, where the work folders are made.
    QStringList workFiles() const {
        QStringList files;
        QDirIterator it(folders.systemFolder(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(folders.systemFolder()).relativeFilePath(it.next());
        return files;
    }
    QStringList targetFiles() const { return QDir(out.path()).entryList(QDir::Files); }

    VocabFolders folders;
    QTemporaryDir out;
    const QString chosen = out.filePath("lesson1");
};

TEST_F(Mp3RenderTest, SelectionBecomesAnMp3WithItsLrcAndTheWorkFolderGoes) {
    const auto work = render(3, toneVoice());
    QSignalSpy finished(work.get(), &Mp3Render::finished);
    QList<Mp3Render::Progress> reports;
    QObject::connect(work.get(), &Mp3Render::progressed,
                     [&](const Mp3Render::Progress &progress) { reports << progress; });

    EXPECT_EQ(work->start(), "");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty(); }, 30000));

    EXPECT_EQ(finished.first().at(0).toBool(), true);
    EXPECT_EQ(finished.first().at(1).toString(), "已生成 " + chosen + ".mp3 和 " + chosen + ".lrc");
    EXPECT_GT(readFile(chosen + ".mp3").size(), 1000);
    EXPECT_EQ(
        readFile(chosen + ".lrc"),
        TextCodec::toGbk("[ti:Lexireel]\r\n[ar:Lexipocket]\r\n[by:Zentrova]\r\n[offset:500]\r\n"
                         "[00:00.00]word1\r\n[00:02.00]释义1\r\n[00:04.00]word2\r\n"
                         "[00:06.00]释义2\r\n[00:08.00]word3\r\n[00:10.00]释义3\r\n"));
    EXPECT_TRUE(workFiles().isEmpty()) << workFiles().join(", ").toStdString();
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_TRUE(reports.last().encoding);
    EXPECT_EQ(reports.last().wordsDone, 3);
    EXPECT_EQ(reports.last().words, 3);
}

TEST_F(Mp3RenderTest, CancelWhileSpeakingLeavesNothingAtTheChosenNameNorAnyWorkFile) {
    std::latch reached(1), gate(1);
    const auto atWord20 = [&](const QString &text) {
        if (text != "word20") return;
        reached.count_down();
        gate.wait();
    };
    const auto work = render(40, std::make_unique<HeldSpeech>(atWord20, ToneMs));
    ASSERT_EQ(work->start(), "");
    reached.wait(); // half-way through the words
    EXPECT_EQ(work->progress().wordsDone, 19);

    std::jthread opener([&gate] { gate.count_down(); });
    work->cancel();

    EXPECT_TRUE(targetFiles().isEmpty());
    EXPECT_TRUE(workFiles().isEmpty()) << workFiles().join(", ").toStdString();
}

TEST_F(Mp3RenderTest, CancelWhileEncodingEndsTheEncoderAndLeavesNothing) {
    // An encoder that writes part of its MP3 and never ends by itself.
    const QString encoder = out.filePath("stuck-encoder");
    writeFile(encoder, "#!/bin/sh\nprintf ID3 > \"$3\"\nexec sleep 600\n");
    QFile::setPermissions(encoder, QFile::ReadOwner | QFile::ExeOwner);
    const auto work = render(3, toneVoice(), encoder);
    ASSERT_EQ(work->start(), "");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return workFiles().filter("vocareeler.mp3").size() == 1; }, 30000));
    EXPECT_TRUE(work->progress().encoding);

    work->cancel();

    EXPECT_EQ(targetFiles(), QStringList{"stuck-encoder"});
    EXPECT_TRUE(workFiles().isEmpty()) << workFiles().join(", ").toStdString();
}

TEST_F(Mp3RenderTest, TakenNameIsSaidBeforeAnyWork) {
    writeFile(chosen + ".mp3", "last week's lesson");
    const auto work = render(3, toneVoice());
    EXPECT_EQ(work->start(), "不能保存为 " + chosen + ".mp3：文件已存在，请换一个文件名。");
    EXPECT_EQ(readFile(chosen + ".mp3"), "last week's lesson");
    EXPECT_TRUE(workFiles().isEmpty());
}

TEST_F(Mp3RenderTest, ProgressSaysTheWordsDoneAndTheTimeLeft) {
    Mp3Render::Progress progress;
    progress.words = 100;
    EXPECT_EQ(Mp3Render::progressText(progress), "已完成 0 / 100 个单词\n剩余时间：正在估算");
    progress.wordsDone = 12;
    progress.secondsLeft = 75;
    EXPECT_EQ(Mp3Render::progressText(progress), "已完成 12 / 100 个单词\n剩余时间：约 1 分 15 秒");
    progress.wordsDone = 100;
    progress.encoding = true;
    progress.secondsLeft = 3;
    EXPECT_EQ(Mp3Render::progressText(progress),
              "已完成 100 / 100 个单词，正在编码 MP3\n剩余时间：约 3 秒");
}

} // namespace
