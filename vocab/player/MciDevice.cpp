#include "vocab/player/MciDevice.h"

#include "platform/Clock.h"
#include "platform/Speaker.h"
#include "vocab/player/WavFile.h"

#include <QRegularExpression>

namespace {

// A command: its verb, the word after it (the device's alias, or "all", or "new") and the rest,
// each taken after the run of blanks before it.
struct Command {
    QString verb;
    QString device;
    QString rest;
};

Command parse(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^\\s*(\\S+)(?:\\s+(\\S+))?(?:\\s+(.*))?$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = form.match(text);
    return {match.captured(1).toLower(), match.captured(2).toLower(), match.captured(3)};
}

QStringList words(const QString &text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.split(blanks, Qt::SkipEmptyParts);
}

} // namespace

MciDevice::MciDevice(const Clock &clock, Speaker &speaker) : m_clock(clock), m_speaker(speaker) {
    m_listening = QObject::connect(&speaker, &Speaker::spoken,
                                   [this](const SpeechSamples &sound) { hear(sound); });
}

MciDevice::~MciDevice() {
    QObject::disconnect(m_listening);
    m_speaker.waitForSyntheses(); // no sound is being handed to this device any more
}

bool MciDevice::send(const QString &text) {
    const Command command = parse(text);
    if (command.verb == QLatin1String("open") && command.device == QLatin1String("new"))
        return open(command.rest);
    if (command.verb == QLatin1String("record")) return record(command.device);
    if (command.verb == QLatin1String("stop")) return stop(command.device);
    if (command.verb == QLatin1String("save")) return save(command.device, command.rest);
    if (command.verb == QLatin1String("close")) return close(command.device);
    return false;
}

bool MciDevice::open(const QString &arguments) {
    const QStringList options = words(arguments);
    if (options.size() != 4 || options[0].compare(QLatin1String("type"), Qt::CaseInsensitive) ||
        options[1].compare(QLatin1String("WAVEAudio"), Qt::CaseInsensitive) ||
        options[2].compare(QLatin1String("alias"), Qt::CaseInsensitive))
        return false;
    const std::lock_guard lock(m_mutex);
    return m_devices.try_emplace(options[3].toLower()).second;
}

template <typename Action> bool MciDevice::onDevice(const QString &alias, Action action) {
    const std::lock_guard lock(m_mutex);
    const auto device = m_devices.find(alias);
    return device != m_devices.end() && action(device->second);
}

bool MciDevice::record(const QString &alias) {
    return onDevice(alias, [this](WaveRecording &recording) {
        recording.record(m_clock.nowMs());
        return true;
    });
}

bool MciDevice::stop(const QString &alias) {
    return onDevice(alias, [this](WaveRecording &recording) {
        recording.stop(m_clock.nowMs());
        return true;
    });
}

bool MciDevice::save(const QString &alias, const QString &path) {
    if (path.isEmpty()) return false;
    m_speaker.waitForSyntheses(); // every word asked for so far has reached the device
    return onDevice(alias, [&](const WaveRecording &recording) {
        if (!recording.hasStarted()) return false;
        const qint64 nowMs = m_clock.nowMs();
        WavFile file(path, recording.sampleRate(), recording.sampleCount(nowMs));
        recording.forEachPiece(nowMs, [&file](const std::int16_t *samples, qint64 count) {
            file.append(samples, count);
        });
        return file.commit();
    });
}

bool MciDevice::close(const QString &alias) {
    const std::lock_guard lock(m_mutex);
    if (alias == QLatin1String("all")) {
        m_devices.clear();
        return true;
    }
    return m_devices.erase(alias) > 0;
}

void MciDevice::hear(const SpeechSamples &sound) {
    const std::lock_guard lock(m_mutex);
    for (auto &[alias, recording] : m_devices)
        recording.add(sound);
}
