#include "platform/Speaker.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>

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

} // namespace

TEST(Speaker, FliteSynthesizesAudibleSpeechSlowerAtLowerSpeed) {
    Speaker speaker(makeFliteBackend(), Speaker::Silent);
    speaker.setSpeed(150);
    const SpeechSamples normal = speaker.synthesize("considered");
    ASSERT_FALSE(normal.isEmpty());
    EXPECT_GT(normal.sampleRate, 0);
    EXPECT_GT(rms(normal), 100.0);
    speaker.setSpeed(120);
    EXPECT_GT(speaker.synthesize("considered").samples.size(), normal.samples.size());
    EXPECT_TRUE(speaker.synthesize("   ").isEmpty());
}

TEST(Speaker, SpeakingWithoutAnAudioDeviceAnnouncesTheSoundAndNeverFails) {
    Speaker speaker(makeFliteBackend(), Speaker::PlayAudio);
    speaker.setAudioOutput([] { return QAudioDevice(); });
    EXPECT_TRUE(speaker.Register("        ", "        "));
    speaker.setSpeed(120);
    QSignalSpy spoken(&speaker, &Speaker::spoken);
    speaker.Speak("abandon", 144);
    speaker.Speak("ability", 144); // interrupts the first
    ASSERT_EQ(spoken.count(), 2);
    EXPECT_FALSE(spoken.at(1).at(0).value<SpeechSamples>().isEmpty());
}

TEST(Speaker, WithoutAVoiceNothingIsSpoken) {
    Speaker speaker(std::make_unique<VoicelessBackend>(), Speaker::PlayAudio);
    QSignalSpy spoken(&speaker, &Speaker::spoken);
    speaker.Speak("abandon", 144);
    EXPECT_EQ(spoken.count(), 0);
}
