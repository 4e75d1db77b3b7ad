#include "vocab/player/WavFile.h"

#include <QByteArray>
#include <QSaveFile>
#include <QtEndian>

namespace WavFile {

namespace {

void append32(QByteArray &bytes, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), 4);
}

void append16(QByteArray &bytes, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), 2);
}

QByteArray header(quint32 dataBytes, int sampleRate) {
    constexpr quint16 Channels = 1;
    constexpr quint16 BitsPerSample = 16;
    constexpr quint16 BlockAlign = Channels * BitsPerSample / 8;
    QByteArray bytes("RIFF");
    append32(bytes, 36 + dataBytes);
    bytes.append("WAVEfmt ");
    append32(bytes, 16);
    append16(bytes, 1); // PCM
    append16(bytes, Channels);
    append32(bytes, quint32(sampleRate));
    append32(bytes, quint32(sampleRate) * BlockAlign);
    append16(bytes, BlockAlign);
    append16(bytes, BitsPerSample);
    bytes.append("data");
    append32(bytes, dataBytes);
    return bytes;
}

} // namespace

bool write(const QString &path, const std::vector<std::int16_t> &samples, int sampleRate) {
    QByteArray data(qsizetype(samples.size() * sizeof(std::int16_t)), Qt::Uninitialized);
    qToLittleEndian<qint16>(samples.data(), qsizetype(samples.size()), data.data());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(header(quint32(data.size()), sampleRate)) >= 0 &&
           file.write(data) == data.size() && file.commit();
}

} // namespace WavFile
