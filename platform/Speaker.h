#pragma once

#include "platform/Clock.h"

#include <QAudioDevice>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QAudioSink;
class QBuffer;

// Mono 16-bit speech, as the engine synthesized it.
struct SpeechSamples {
    std::vector<std::int16_t> samples;
    int sampleRate = 0;
    qint64 spokenAtMs = 0; // the clock's time when Speak was called for it
    bool isEmpty() const { return samples.empty(); }
};

Q_DECLARE_METATYPE(SpeechSamples)

// Turns text into samples. The real one is flite; tests may give a backend without a voice.
// A Speaker calls its backend from one thread at a time, never from two at once.
class SpeechBackend {
public:
    virtual ~SpeechBackend() = default;
    // speed: the suite's speaking speed (120 is slower than the engine's default).
    virtual SpeechSamples synthesize(const QString &text, int speed) = 0;
};

// flite with the cmu_us_slt voice.
std::unique_ptr<SpeechBackend> makeFliteBackend();

// The speech object of each program: Register, Speak and the speed. Speak stops the word still
// sounding and returns at once: the text is synthesized on the speaker's own thread, announced
// through spoken() (stamped with the clock's time of the Speak call, which is where the recording
// device places it) and then played on the default audio output, unless a newer word was asked
// for meanwhile. Blank text only stops the word still sounding. Without an audio device or a
// voice nothing sounds and nothing fails.
class Speaker : public QObject {
    Q_OBJECT
public:
    enum Output { PlayAudio, Silent };

    explicit Speaker(std::unique_ptr<SpeechBackend> backend = makeFliteBackend(),
                     Output output = PlayAudio, const Clock &clock = Clock::system(),
                     QObject *parent = nullptr);
    ~Speaker() override;

    bool Register(const QString &siteName, const QString &applicationName);
    void Speak(const QString &text, int flags);
    void setSpeed(int speed) { m_speed = speed; }
    int speed() const { return m_speed; }

    // Blocks until every text asked for so far is synthesized and announced.
    void waitForSyntheses();

    // The device Speak plays on, asked for at every word; by default the system's default
    // output. Tests give a fixed device so that they never depend on the machine's sound.
    void setAudioOutput(std::function<QAudioDevice()> output) { m_audioOutput = std::move(output); }

signals:
    // Emitted on the synthesis thread; a receiver that must hear every word before
    // waitForSyntheses returns connects directly.
    void spoken(const SpeechSamples &samples);

private:
    void synthesizeAndAnnounce(const QString &text, int speed, qint64 spokenAtMs, quint64 request);
    void play(const SpeechSamples &samples);
    void stopPlayback();

    std::unique_ptr<SpeechBackend> m_backend;
    Output m_output;
    const Clock &m_clock;
    std::function<QAudioDevice()> m_audioOutput;
    int m_speed = 150;
    std::atomic<quint64> m_lastRequest = 0;
    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<QBuffer> m_buffer;
    QThreadPool m_synthesis; // one thread: words are synthesized in the order they were asked for
};
