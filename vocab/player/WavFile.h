#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// PCM WAV files: 16-bit mono samples at the given rate, as the MP3 encoder reads them.
namespace WavFile {

// Creates or replaces the file; false when it cannot be written.
bool write(const QString &path, const std::vector<std::int16_t> &samples, int sampleRate);

} // namespace WavFile
