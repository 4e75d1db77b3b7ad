#include "platform/Speaker.h"

#include "support/FakeClock.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>
#include <latch>

namespace {

double rms(const SpeechSamples &sound) {
    double sum = 0;
    for (std::int16_t s : sound.samples)
        sum += double(s) * s;
    return sound.samples.empty() ? 0 : std::sqrt(sum / double(sound.samples.size()));
}

class VoicelessBackend : public SpeechBackend {
public:
    SpeechSamples synthesize(const QString &, int) override { return {}; }
};

// A voice that takes as long as the test lets it: each text waits for the latch, then comes out
// as one sample per character, at a rate that tells the speed it was asked for.
class HeldVoice : public SpeechBackend {
public:
    explicit HeldVoice(std::latch &release) : m_release(release) {}
    SpeechSamples synthesize(const QString &text, int speed) override {
        m_release.wait();
        SpeechSamples sound;
        sound.sampleRate = speed;
        sound.samples.assign(size_t(text.size()), 1);
        return sound;
    }

private:
    std::latch &m_release;
};

SpeechSamples announced(const QSignalSpy &spy, int index) {
    return spy.at(index).at(0).value<SpeechSamples>();
}

} // namespace

TEST(Speaker, FliteSynthesizesAudibleSpeechSlowerAtLowerSpeed) {
    const std::unique_ptr<SpeechBackend> flite = makeFliteBackend();
    const SpeechSamples normal = flite->synthesize("considered", 150);
    ASSERT_FALSE(normal.isEmpty());
    EXPECT_GT(normal.sampleRate, 0);
    EXPECT_GT(rms(normal), 100.0);
    EXPECT_GT(flite->synthesize("considered", 120).samples.size(), normal.samples.size());
    EXPECT_TRUE(flite->synthesize("   ", 150).isEmpty());
}

TEST(Speaker, SpeakReturnsAtOnceAndStampsEachWordWithTheMomentItWasAskedFor) {
    std::latch release(1);
    FakeClock clock;
    Speaker speaker(std::make_unique<HeldVoice>(release), Speaker::Silent, clock);
    QSignalSpy spoken(&speaker, &Speaker::spoken);
    speaker.setSpeed(120);
    speaker.Speak("abandon", 144);
    clock.advance(2000);
    speaker.setSpeed(150);
    speaker.Speak("ability", 144);
    clock.advance(5000);
    EXPECT_EQ(spoken.count(), 0); // both words are still waiting for the voice

    release.count_down();
    speaker.waitForSyntheses();
    ASSERT_EQ(spoken.count(), 2);
    EXPECT_EQ(announced(spoken, 0).samples.size(), 7u); // "abandon", then "ability"
    EXPECT_EQ(announced(spoken, 0).spokenAtMs, FakeClock::StartMs);
    EXPECT_EQ(announced(spoken, 0).sampleRate, 120);
    EXPECT_EQ(announced(spoken, 1).spokenAtMs, FakeClock::StartMs + 2000);
    EXPECT_EQ(announced(spoken, 1).sampleRate, 150);
}

TEST(Speaker, SpeakingWithoutAnAudioDeviceAnnouncesTheSoundAndNeverFails) {
    Speaker speaker(makeFliteBackend(), Speaker::PlayAudio);
    speaker.setAudioOutput([] { return QAudioDevice(); });
    EXPECT_TRUE(speaker.Register("        ", "        "));
    speaker.setSpeed(120);
    QSignalSpy spoken(&speaker, &Speaker::spoken);
    speaker.Speak("abandon", 144);
    speaker.Speak("ability", 144); // interrupts the first
    speaker.waitForSyntheses();
    QCoreApplication::processEvents(); // the playback of the last word finds no device
    ASSERT_EQ(spoken.count(), 2);
    EXPECT_FALSE(announced(spoken, 1).isEmpty());
}

TEST(Speaker, WithoutAVoiceNothingIsSpoken) {
    Speaker speaker(std::make_unique<VoicelessBackend>(), Speaker::PlayAudio);
    QSignalSpy spoken(&speaker, &Speaker::spoken);
    speaker.Speak("abandon", 144);
    speaker.waitForSyntheses();
    EXPECT_EQ(spoken.count(), 0);
}

TEST(Speaker, BlankTextSilencesAWordStillBeingSynthesised) {
    std::latch release(1);
    Speaker speaker(std::make_unique<HeldVoice>(release), Speaker::PlayAudio);
    int playbacks = 0; // the output device is asked for at each playback
    speaker.setAudioOutput([&playbacks] {
        ++playbacks;
        return QAudioDevice();
    });
    speaker.Speak("abandon", 144);
    speaker.Speak("  ", 144);
    release.count_down();
    speaker.waitForSyntheses();
    QCoreApplication::processEvents();
    EXPECT_EQ(playbacks, 0);
}
