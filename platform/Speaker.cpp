#include "platform/Speaker.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

extern "C" {
#include <flite/flite.h>
cst_voice *register_cmu_us_slt(const char *voxdir);
}

#include <algorithm>
#include <mutex>

namespace {

// The engine's natural pace counts as speed 150; lower speeds stretch the words.
constexpr float NaturalSpeed = 150.0f;

// The voice is one process-wide object that every backend shares (flite registers it once), so
// no two speakers synthesize at the same time.
std::mutex &fliteMutex() {
    static std::mutex mutex;
    return mutex;
}

class FliteBackend : public SpeechBackend {
public:
    FliteBackend() {
        const std::lock_guard lock(fliteMutex());
        flite_init();
        m_voice = register_cmu_us_slt(nullptr);
    }

    SpeechSamples synthesize(const QString &text, int speed) override {
        SpeechSamples result;
        const QByteArray utf8 = text.trimmed().toUtf8();
        if (!m_voice || utf8.isEmpty()) return result;
        const std::lock_guard lock(fliteMutex());
        const float stretch = std::clamp(NaturalSpeed / float(std::max(speed, 1)), 0.5f, 2.0f);
        feat_set_float(m_voice->features, "duration_stretch", stretch);
        cst_wave *wave = flite_text_to_wave(utf8.constData(), m_voice);
        if (!wave) return result;
        result.sampleRate = wave->sample_rate;
        result.samples.assign(wave->samples,
                              wave->samples + wave->num_samples * wave->num_channels);
        delete_wave(wave);
        return result;
    }

private:
    cst_voice *m_voice = nullptr;
};

} // namespace

std::unique_ptr<SpeechBackend> makeFliteBackend() {
    return std::make_unique<FliteBackend>();
}

Speaker::Speaker(std::unique_ptr<SpeechBackend> backend, Output output, const Clock &clock,
                 QObject *parent)
    : QObject(parent), m_backend(std::move(backend)), m_output(output), m_clock(clock),
      m_audioOutput(&QMediaDevices::defaultAudioOutput) {
    m_synthesis.setMaxThreadCount(1);
}

Speaker::~Speaker() {
    m_synthesis.waitForDone();
    stopPlayback();
}

bool Speaker::Register(const QString &, const QString &) {
    return true;
}

void Speaker::Speak(const QString &text, int) {
    stopPlayback();
    // Counted before anything else, so that a word still being synthesised is not played
    // after a blank one that was meant to silence it.
    const quint64 request = ++m_lastRequest;
    if (!m_backend || text.trimmed().isEmpty()) return;
    const qint64 spokenAtMs = m_clock.nowMs();
    const int speed = m_speed;
    m_synthesis.start([this, text, speed, spokenAtMs, request] {
        synthesizeAndAnnounce(text, speed, spokenAtMs, request);
    });
}

void Speaker::synthesizeAndAnnounce(const QString &text, int speed, qint64 spokenAtMs,
                                    quint64 request) {
    SpeechSamples samples = m_backend->synthesize(text, speed);
    if (samples.isEmpty()) return;
    samples.spokenAtMs = spokenAtMs;
    emit spoken(samples);
    if (m_output == Silent) return;
    // Played on the speaker's own thread, and only while no newer word was asked for.
    QMetaObject::invokeMethod(
        this,
        [this, samples, request] {
            if (request == m_lastRequest) play(samples);
        },
        Qt::QueuedConnection);
}

void Speaker::waitForSyntheses() {
    m_synthesis.waitForDone();
}

void Speaker::play(const SpeechSamples &samples) {
    const QAudioDevice device = m_audioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(samples.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
    stopPlayback();
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(reinterpret_cast<const char *>(samples.samples.data()),
                      qsizetype(samples.samples.size() * sizeof(std::int16_t)));
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(m_buffer.get());
}

void Speaker::stopPlayback() {
    if (m_sink) m_sink->stop();
    m_sink.reset();
    m_buffer.reset();
}
