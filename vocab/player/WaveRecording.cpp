#include "vocab/player/WaveRecording.h"

#include <algorithm>

void WaveRecording::record(qint64 atMs) {
    if (!m_startMs) m_startMs = atMs;
}

void WaveRecording::stop(qint64 atMs) {
    if (m_startMs && !m_stopMs) m_stopMs = std::max(atMs, *m_startMs);
}

void WaveRecording::add(const SpeechSamples &sound) {
    if (!m_startMs || sound.spokenAtMs < *m_startMs) return;
    if (m_stopMs && sound.spokenAtMs >= *m_stopMs) return;
    if (!m_sounds.empty() && sound.sampleRate != m_sounds.front().sampleRate) return;
    const auto later =
        std::upper_bound(m_sounds.begin(), m_sounds.end(), sound.spokenAtMs,
                         [](qint64 at, const SpeechSamples &kept) { return at < kept.spokenAtMs; });
    m_sounds.insert(later, sound);
}

int WaveRecording::sampleRate() const {
    return m_sounds.empty() ? DefaultSampleRate : m_sounds.front().sampleRate;
}

std::vector<std::int16_t> WaveRecording::samples(qint64 untilMs) const {
    if (!m_startMs) return {};
    const qint64 endMs = std::max(m_stopMs.value_or(untilMs), *m_startMs);
    std::vector<std::int16_t> result(size_t(samplesIn(endMs - *m_startMs)), 0);
    for (size_t i = 0; i < m_sounds.size(); ++i) {
        const qint64 offset = samplesIn(m_sounds[i].spokenAtMs - *m_startMs);
        const qint64 cut = i + 1 < m_sounds.size()
                               ? samplesIn(m_sounds[i + 1].spokenAtMs - *m_startMs)
                               : qint64(result.size());
        const qint64 length = std::min(
            {qint64(m_sounds[i].samples.size()), cut - offset, qint64(result.size()) - offset});
        if (length > 0) std::copy_n(m_sounds[i].samples.begin(), length, result.begin() + offset);
    }
    return result;
}
