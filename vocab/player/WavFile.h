#pragma once

#include <QSaveFile>
#include <cstdint>

// A PCM WAV file of 16-bit mono samples, as the MP3 encoder reads it, written piece by piece so
// that a long recording never has to be held in memory whole. The file is replaced only by a
// successful commit.
class WavFile {
public:
    WavFile(const QString &path, int sampleRate, qint64 sampleCount);

    // Appends count samples, or count samples of silence when samples is null.
    void append(const std::int16_t *samples, qint64 count);
    // False when the file could not be written whole.
    bool commit();

private:
    QSaveFile m_file;
    qint64 m_remaining;
};
