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

namespace {

// The engine's natural pace counts as speed 150; lower speeds stretch the words.
constexpr float NaturalSpeed = 150.0f;

class FliteBackend : public SpeechBackend {
public:
    FliteBackend() {
        flite_init();
        m_voice = register_cmu_us_slt(nullptr);
    }

    SpeechSamples synthesize(const QString &text, int speed) override {
        SpeechSamples result;
        const QByteArray utf8 = text.trimmed().toUtf8();
        if (!m_voice || utf8.isEmpty()) return result;
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

Speaker::Speaker(std::unique_ptr<SpeechBackend> backend, Output output, QObject *parent)
    : QObject(parent), m_backend(std::move(backend)), m_output(output),
      m_audioOutput(&QMediaDevices::defaultAudioOutput) {}

Speaker::~Speaker() {
    stopPlayback();
}

bool Speaker::Register(const QString &, const QString &) {
    return true;
}

SpeechSamples Speaker::synthesize(const QString &text) const {
    return m_backend ? m_backend->synthesize(text, m_speed) : SpeechSamples{};
}

void Speaker::Speak(const QString &text, int) {
    stopPlayback();
    const SpeechSamples samples = synthesize(text);
    if (samples.isEmpty()) return;
    emit spoken(samples);
    play(samples);
}

void Speaker::play(const SpeechSamples &samples) {
    if (m_output == Silent) return;
    const QAudioDevice device = m_audioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(samples.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
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
