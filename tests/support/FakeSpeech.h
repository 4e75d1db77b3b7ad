#pragma once

#include "platform/Speaker.h"

#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

// A voice for tests: remembers what it was asked to say, in order, and answers each text with a
// steady tone of toneMs milliseconds at 16 kHz, or with nothing when toneMs is 0, as a voice-less
// engine does.
// It runs on the speaker's synthesis thread: read the list after Speaker::waitForSyntheses.
class RecordingSpeech : public SpeechBackend {
public:
    static constexpr int SampleRate = 16000;
    static constexpr std::int16_t ToneLevel = 8000;

    explicit RecordingSpeech(QStringList &spoken, int toneMs = 0)
        : m_spoken(spoken), m_toneMs(toneMs) {}

    SpeechSamples synthesize(const QString &text, int) override {
        m_spoken << text;
        SpeechSamples sound;
        sound.sampleRate = SampleRate;
        sound.samples.assign(size_t(m_toneMs) * SampleRate / 1000, ToneLevel);
        return sound;
    }

private:
    QStringList &m_spoken;
    int m_toneMs;
};

// The same voice, handing each text to `before` first: a test holds words back there until it
// lets them go.
class HeldSpeech : public SpeechBackend {
public:
    HeldSpeech(std::function<void(const QString &text)> before, int toneMs)
        : m_before(std::move(before)), m_voice(m_said, toneMs) {}

    SpeechSamples synthesize(const QString &text, int speed) override {
        m_before(text);
        return m_voice.synthesize(text, speed);
    }

private:
    std::function<void(const QString &text)> m_before;
    QStringList m_said;
    RecordingSpeech m_voice;
};

// A silent speaker with the RecordingSpeech voice on the given clock.
class FakeSpeaker {
public:
    explicit FakeSpeaker(const Clock &clock = Clock::system(), int toneMs = 0)
        : speaker(std::make_unique<RecordingSpeech>(m_spoken, toneMs), Speaker::Silent, clock) {}

    // What the speaker was asked to say so far, once the words still in synthesis are done.
    QStringList spoken() {
        speaker.waitForSyntheses();
        return m_spoken;
    }

private:
    QStringList m_spoken;

public:
    Speaker speaker;
};
