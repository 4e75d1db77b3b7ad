#include "vocab/player/WavFile.h"

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <vector>

namespace {

constexpr quint16 Channels = 1;
constexpr quint16 BitsPerSample = 16;
constexpr quint16 BytesPerSample = Channels * BitsPerSample / 8;
constexpr qint64 ChunkSamples = 32768;

void append32(QByteArray &bytes, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), 4);
}

void append16(QByteArray &bytes, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), 2);
}

QByteArray header(quint32 dataBytes, int sampleRate) {
    QByteArray bytes("RIFF");
    append32(bytes, 36 + dataBytes);
    bytes.append("WAVEfmt ");
    append32(bytes, 16);
    append16(bytes, 1); // PCM
    append16(bytes, Channels);
    append32(bytes, quint32(sampleRate));
    append32(bytes, quint32(sampleRate) * BytesPerSample);
    append16(bytes, BytesPerSample);
    append16(bytes, BitsPerSample);
    bytes.append("data");
    append32(bytes, dataBytes);
    return bytes;
}

} // namespace

WavFile::WavFile(const QString &path, int sampleRate, qint64 sampleCount)
    : m_file(path), m_remaining(sampleCount) {
    if (m_file.open(QIODevice::WriteOnly))
        m_file.write(header(quint32(sampleCount * BytesPerSample), sampleRate));
}

void WavFile::append(const std::int16_t *samples, qint64 count) {
    std::vector<qint16> chunk;
    for (qint64 done = 0; done < count;) {
        const qint64 length = std::min(ChunkSamples, count - done);
        chunk.assign(size_t(length), 0);
        if (samples) qToLittleEndian<qint16>(samples + done, length, chunk.data());
        m_file.write(reinterpret_cast<const char *>(chunk.data()), length * BytesPerSample);
        done += length;
    }
    m_remaining -= count;
}

bool WavFile::commit() {
    return m_remaining == 0 && m_file.error() == QFileDevice::NoError && m_file.commit();
}
