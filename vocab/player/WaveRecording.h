#pragma once

#include "platform/Speaker.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// One wave-audio recording of the suite's own speech: from its start to its stop, every sound
// spoken in between at its moment and silence elsewhere. A sound still going when the next one
// starts is cut there, as the next word interrupts it on the speaker, and the stop cuts the last.
// Sounds may arrive late (synthesis runs on its own thread): only the moment they were spoken
// decides whether and where they belong.
class WaveRecording {
public:
    // The rate of a recording without speech; flite's voice speaks at it too.
    static constexpr int DefaultSampleRate = 16000;

    // Starts recording at the time given; a recording starts once.
    void record(qint64 atMs);
    // Fixes the end; only a running recording stops.
    void stop(qint64 atMs);
    bool hasStarted() const { return m_startMs.has_value(); }

    // Keeps a sound spoken from the start up to the stop; others are ignored.
    void add(const SpeechSamples &sound);

    // The number of samples from the start to the stop, or to untilMs while still recording.
    qint64 sampleCount(qint64 untilMs) const;
    // Hands over those samples in order, as pieces of sound and of silence (samples null).
    using Piece = std::function<void(const std::int16_t *samples, qint64 count)>;
    void forEachPiece(qint64 untilMs, const Piece &piece) const;
    // The rate of the first sound kept; sounds at another rate are left out.
    int sampleRate() const;

private:
    qint64 samplesIn(qint64 ms) const { return ms * sampleRate() / 1000; }

    std::optional<qint64> m_startMs;
    std::optional<qint64> m_stopMs;
    std::vector<SpeechSamples> m_sounds; // in the order they were spoken
};
