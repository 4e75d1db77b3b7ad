#include "vocab/media/Mp3Save.h"

#include "platform/TextCodec.h"
#include "support/TestFiles.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/player/RecordingCommands.h"

#include <QDataStream>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// A second of a 440 Hz tone as 16-bit mono PCM at 16 kHz, as the recording device writes it.
QByteArray toneWav() {
    constexpr int Rate = 16000;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + Rate * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(Rate) << quint32(Rate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(Rate * 2);
    for (int i = 0; i < Rate; ++i)
        out << qint16(8000 * std::sin(2 * M_PI * 440 * i / Rate));
    return wav;
}

class Mp3SaveTest : public ::testing::Test {
protected:
    Mp3SaveTest() { writeFile(workWav, toneWav()); }

    // Ticks the save timer until the save completes; the encoder is a real process.
    std::optional<Mp3Save::Outcome> finish(Mp3Save &save) {
        std::optional<Mp3Save::Outcome> outcome;
        const bool completed = QTest::qWaitFor(
            [&] {
                outcome = save.Timer4_Timer(LrcText);
                return outcome.has_value();
            },
            30000);
        EXPECT_TRUE(completed) << "the save did not complete";
        return outcome;
    }

    VocabFolders folders;
    QTemporaryDir out;
    const QString workWav = RecordingCommands::workWav(folders.systemFolder());
    const QString LrcText = "[ti:考研词汇]\r\n[00:01.00]abandon\r\n[00:03.00]放弃";
    const QString chosen = out.filePath("lesson1");
    Mp3Save save{folders.systemFolder()};
};

TEST_F(Mp3SaveTest, ARecordingBecomesAnMp3WithItsLrcAndTheWorkFileGoes) {
    EXPECT_FALSE(save.Timer4_Timer(LrcText)) << "no save is running";
    save.start(chosen);
    EXPECT_FALSE(save.Timer4_Timer(LrcText)) << "the encoder has not come up yet";

    const auto outcome = finish(save);

    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->saved);
    EXPECT_DOUBLE_EQ(save.encodedShare(), 1.0);
    EXPECT_GT(readFile(chosen + ".mp3").size(), 1000);
    EXPECT_EQ(readFile(chosen + ".lrc"), TextCodec::toGbk(LrcText) + "\r\n");
    EXPECT_FALSE(QFile::exists(workWav));
    EXPECT_FALSE(QFile::exists(RecordingCommands::workMp3(folders.systemFolder())));
    EXPECT_FALSE(save.Timer4_Timer(LrcText)) << "nothing left to complete";
}

TEST_F(Mp3SaveTest, AChosenNameEndingInMp3GetsTheExtensionsAddedAll) {
    save.start(chosen + ".mp3");
    ASSERT_TRUE(finish(save));
    EXPECT_TRUE(QFile::exists(chosen + ".mp3.mp3"));
    EXPECT_TRUE(QFile::exists(chosen + ".mp3.lrc"));
}

TEST_F(Mp3SaveTest, ATakenNameKeepsTheRecordingAndTheFilesThere) {
    writeFile(chosen + ".mp3", "another recording");
    writeFile(chosen + ".lrc", "its lyrics");
    save.start(chosen);

    const auto outcome = finish(save);

    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->saved);
    EXPECT_EQ(outcome->message, "不能保存为 " + chosen +
                                    ".mp3：文件已存在或无法写入。录音仍在，请换一个文件名保存。");
    EXPECT_EQ(readFile(chosen + ".mp3"), "another recording");
    EXPECT_EQ(readFile(chosen + ".lrc"), "its lyrics");
    EXPECT_EQ(readFile(workWav), toneWav());
}

TEST_F(Mp3SaveTest, AnLrcFileThatCannotBeWrittenIsSaidThoughTheMp3IsSaved) {
    ASSERT_TRUE(QDir().mkdir(chosen + ".lrc")); // a folder where the LRC file would go
    save.start(chosen);

    const auto outcome = finish(save);

    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->saved);
    EXPECT_EQ(outcome->message,
              "已保存 " + chosen + ".mp3，但歌词文件 " + chosen + ".lrc 无法写入。");
    EXPECT_GT(readFile(chosen + ".mp3").size(), 1000);
}

TEST_F(Mp3SaveTest, AMissingEncoderKeepsTheRecording) {
    Mp3Save withoutEncoder(folders.systemFolder(), out.filePath("no-such-encoder"));
    withoutEncoder.start(chosen);

    const auto outcome = finish(withoutEncoder);

    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->saved);
    EXPECT_EQ(outcome->message, "MP3 编码失败，录音仍在，可以重新保存。");
    EXPECT_FALSE(QFile::exists(chosen + ".mp3"));
    EXPECT_FALSE(QFile::exists(chosen + ".lrc"));
    EXPECT_TRUE(QFile::exists(workWav));
}

TEST_F(Mp3SaveTest, ASaveBeforeAnyRecordingSaysThereIsNothingToSave) {
    QFile::remove(workWav);
    save.start(chosen);

    const auto outcome = finish(save);

    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->saved);
    EXPECT_EQ(outcome->message, "还没有录音，没有可以保存的内容。");
    EXPECT_FALSE(QFile::exists(chosen + ".mp3"));
    EXPECT_FALSE(QFile::exists(chosen + ".lrc"));
}

} // namespace
