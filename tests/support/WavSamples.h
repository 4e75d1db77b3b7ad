#pragma once

#include "support/TestFiles.h"

#include <QtEndian>
#include <cstdint>
#include <vector>

// A 16-bit mono PCM WAV file as a test reads it back: its header fields and its samples.
struct WavSamples {
    QByteArray format; // "WAVE" for a wave file
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;

    static WavSamples read(const QString &path) {
        const QByteArray bytes = readFile(path);
        WavSamples wav;
        if (bytes.size() < 44 || !bytes.startsWith("RIFF")) return wav;
        const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
        wav.format = bytes.mid(8, 4);
        wav.channels = qFromLittleEndian<quint16>(data + 22);
        wav.sampleRate = int(qFromLittleEndian<quint32>(data + 24));
        wav.bitsPerSample = qFromLittleEndian<quint16>(data + 34);
        const quint32 dataBytes = qFromLittleEndian<quint32>(data + 40);
        for (quint32 i = 0; i + 1 < dataBytes && 44 + i + 1 < quint32(bytes.size()); i += 2)
            wav.samples.push_back(qFromLittleEndian<qint16>(data + 44 + i));
        return wav;
    }

    double seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0; }
    // Whether any sample from `from` to `to` seconds is not silent.
    bool soundsBetween(double from, double to) const {
        for (auto i = size_t(from * sampleRate); i < size_t(to * sampleRate) && i < samples.size();
             ++i)
            if (samples[i] != 0) return true;
        return false;
    }
};
