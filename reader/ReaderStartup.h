#pragma once

#include <QString>
#include <functional>

class ReaderFiles;
class Speaker;

// What the reader does before its window shows: its files are put in place and the speech
// object is prepared for the word lookups.
namespace ReaderStartup {

// Speed at which the reader speaks a looked-up word (slower than the engine's own pace).
constexpr int SpeechSpeed = 120;

// Tells the student something start-up found, once.
using Notice = std::function<void(const QString &text)>;
// The notice as a message box.
void showMessageBox(const QString &text);

void run(const ReaderFiles &files, Speaker &speaker, const Notice &tell = showMessageBox);

} // namespace ReaderStartup
