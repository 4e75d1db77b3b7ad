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

qint64 WaveRecording::sampleCount(qint64 untilMs) const {
    if (!m_startMs) return 0;
    return samplesIn(std::max(m_stopMs.value_or(untilMs), *m_startMs) - *m_startMs);
}

void WaveRecording::forEachPiece(qint64 untilMs, const Piece &piece) const {
    const qint64 total = sampleCount(untilMs);
    qint64 written = 0;
    for (size_t i = 0; i < m_sounds.size() && written < total; ++i) {
        const qint64 offset = samplesIn(m_sounds[i].spokenAtMs - *m_startMs);
        const qint64 cut =
            i + 1 < m_sounds.size() ? samplesIn(m_sounds[i + 1].spokenAtMs - *m_startMs) : total;
        const qint64 length =
            std::min({qint64(m_sounds[i].samples.size()), cut - offset, total - offset});
        if (length <= 0) continue;
        piece(nullptr, offset - written);
        piece(m_sounds[i].samples.data(), length);
        written = offset + length;
    }
    piece(nullptr, total - written);
}
