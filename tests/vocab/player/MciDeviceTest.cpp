#include "vocab/player/MciDevice.h"

#include "support/FakeClock.h"
#include "support/FakeSpeech.h"
#include "support/WavSamples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <latch>

namespace {

// A recording whose speech is slower than any clock: the voice finishes nothing until the
// multimedia device is told to save, so the save finds every word still in synthesis.

// The wave-audio device, opening the latch when a save command arrives.
class SaveSignallingMci : public MciDevice {
public:
    SaveSignallingMci(const Clock &clock, Speaker &speaker, std::latch &saving)
        : MciDevice(clock, speaker), m_saving(saving) {}
    bool send(const QString &command) override {
        if (command.startsWith(QLatin1String("save"))) m_saving.count_down();
        return MciDevice::send(command);
    }

private:
    std::latch &m_saving;
};

const QString Open = QStringLiteral("open   new     type   WAVEAudio   alias   MyWav2");
const QString Record = QStringLiteral("record   MyWav2");
const QString Stop = QStringLiteral("stop   MyWav2   ");
const QString SaveTo = QStringLiteral("save   MyWav2     ");
const QString CloseAll = QStringLiteral("close   all");

class MciDeviceTest : public ::testing::Test {
protected:
    static constexpr int ToneMs = 500;

    // A work file in a folder whose name holds blanks.
    QString workFile() {
        QDir(dir.path()).mkpath("system folder");
        return dir.filePath("system folder/vocareeler.wav");
    }

    QTemporaryDir dir;
    FakeClock clock;
    FakeSpeaker speech{clock, ToneMs};
    MciDevice mci{clock, speech.speaker};
};

TEST_F(MciDeviceTest, SavedRecordingLastsFromRecordToStopWithEachWordAtItsMoment) {
    ASSERT_TRUE(mci.send(Open));
    ASSERT_TRUE(mci.send(Record));
    speech.speaker.Speak("abandon", 144);
    clock.advance(2000);
    speech.speaker.Speak("ability", 144);
    clock.advance(1500);
    ASSERT_TRUE(mci.send(Stop));
    clock.advance(700); // the save does not lengthen the recording
    ASSERT_TRUE(mci.send(SaveTo + workFile()));

    const WavSamples wav = WavSamples::read(workFile());
    EXPECT_EQ(wav.format, "WAVE");
    EXPECT_EQ(std::tuple(wav.channels, wav.sampleRate, wav.bitsPerSample),
              std::tuple(1, RecordingSpeech::SampleRate, 16));
    EXPECT_EQ(wav.samples.size(), size_t(3.5 * RecordingSpeech::SampleRate));
    EXPECT_EQ(wav.samples[0], RecordingSpeech::ToneLevel);
    EXPECT_TRUE(wav.soundsBetween(0.49, 0.5));
    EXPECT_FALSE(wav.soundsBetween(0.5, 2.0));
    EXPECT_TRUE(wav.soundsBetween(2.0, 2.01));
    EXPECT_TRUE(wav.soundsBetween(2.49, 2.5));
    EXPECT_FALSE(wav.soundsBetween(2.5, 3.5));
}

TEST_F(MciDeviceTest, SaveWaitsForTheWordsStillBeingSynthesized) {
    std::latch saving(1);
    const auto untilTheSave = [&saving](const QString &) { saving.wait(); };
    Speaker speaker(std::make_unique<HeldSpeech>(untilTheSave, ToneMs), Speaker::Silent, clock);
    SaveSignallingMci device(clock, speaker, saving);
    device.send(Open);
    device.send(Record);
    clock.advance(1000);
    speaker.Speak("abandon", 144);
    clock.advance(1000);
    device.send(Stop);
    ASSERT_TRUE(device.send(SaveTo + workFile()));

    const WavSamples wav = WavSamples::read(workFile());
    EXPECT_FALSE(wav.soundsBetween(0, 1.0));
    EXPECT_TRUE(wav.soundsBetween(1.0, 1.01));
}

TEST_F(MciDeviceTest, ClosingDropsAnUnsavedRecordingAndEveryFailureIsReported) {
    mci.send(Open);
    EXPECT_FALSE(mci.send(Open)); // the alias is taken
    mci.send(Record);
    speech.speaker.Speak("abandon", 144);
    EXPECT_TRUE(mci.send(CloseAll));
    EXPECT_FALSE(mci.send(Stop));
    EXPECT_FALSE(mci.send(SaveTo + workFile()));
    EXPECT_FALSE(QFile::exists(workFile()));

    EXPECT_FALSE(mci.send("open new type sequencer alias midi"));
    EXPECT_FALSE(mci.send("play MyWav2"));
    EXPECT_FALSE(mci.send(""));
    mci.send(Open);
    EXPECT_FALSE(mci.send("save MyWav2 " + workFile())); // nothing was recorded
    EXPECT_FALSE(mci.send("save MyWav2"));
    EXPECT_TRUE(mci.send("RECORD mywav2"));
    EXPECT_FALSE(mci.send(SaveTo + dir.filePath("missing folder/vocareeler.wav")));
    EXPECT_TRUE(mci.send("close MyWav2"));
    EXPECT_FALSE(mci.send("close MyWav2"));
}

} // namespace
