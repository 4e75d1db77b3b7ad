#pragma once

#include <QAudioDevice>
#include <QObject>
#include <QString>
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
    bool isEmpty() const { return samples.empty(); }
};

Q_DECLARE_METATYPE(SpeechSamples)

// Turns text into samples. The real one is flite; tests may give a backend without a voice.
class SpeechBackend {
public:
    virtual ~SpeechBackend() = default;
    // speed: the suite's speaking speed (120 is slower than the engine's default).
    virtual SpeechSamples synthesize(const QString &text, int speed) = 0;
};

// flite with the cmu_us_slt voice.
std::unique_ptr<SpeechBackend> makeFliteBackend();

// The speech object of each program: Register, Speak and the speed. Speak stops the word still
// sounding, synthesizes the text and plays it on the default audio output, returning at once.
// Without an audio device or a voice it does nothing and nothing fails. Every sound it speaks
// is also announced through spoken(), which the recording device listens to.
class Speaker : public QObject {
    Q_OBJECT
public:
    enum Output { PlayAudio, Silent };

    explicit Speaker(std::unique_ptr<SpeechBackend> backend = makeFliteBackend(),
                     Output output = PlayAudio, QObject *parent = nullptr);
    ~Speaker() override;

    bool Register(const QString &siteName, const QString &applicationName);
    void Speak(const QString &text, int flags);
    void setSpeed(int speed) { m_speed = speed; }
    int speed() const { return m_speed; }

    // The samples Speak would play for text at the current speed.
    SpeechSamples synthesize(const QString &text) const;

    // The device Speak plays on, asked for at every word; by default the system's default
    // output. Tests give a fixed device so that they never depend on the machine's sound.
    void setAudioOutput(std::function<QAudioDevice()> output) { m_audioOutput = std::move(output); }

signals:
    void spoken(const SpeechSamples &samples);

private:
    void play(const SpeechSamples &samples);
    void stopPlayback();

    std::unique_ptr<SpeechBackend> m_backend;
    Output m_output;
    std::function<QAudioDevice()> m_audioOutput;
    int m_speed = 150;
    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<QBuffer> m_buffer;
};
