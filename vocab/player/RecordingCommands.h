#pragma once

#include <QString>

class MciDevice;

// The recording work files in the system folder and the command sequences that start and end a
// recording, shared by the recording run, opening another list and leaving the program.
namespace RecordingCommands {

QString workWav(const QString &systemFolder);
QString workMp3(const QString &systemFolder);

// Closes every device, deletes both work files, opens a new wave-audio device and starts
// recording.
void startRecording(MciDevice &mci, const QString &systemFolder);

// Stops the recording, saves it as the WAV work file and closes every device.
void saveAndClose(MciDevice &mci, const QString &systemFolder);

// Closes every device without saving and deletes both work files.
void discard(MciDevice &mci, const QString &systemFolder);

} // namespace RecordingCommands
