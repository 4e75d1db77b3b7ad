#pragma once

class ReaderFiles;
class Speaker;

// What the reader does before its window shows: its files are put in place and the speech
// object is prepared for the word lookups.
namespace ReaderStartup {

// Speed at which the reader speaks a looked-up word (slower than the engine's own pace).
constexpr int SpeechSpeed = 120;

void run(const ReaderFiles &files, Speaker &speaker);

} // namespace ReaderStartup
