#include "vocab/player/RecordingCommands.h"

#include "platform/Paths.h"
#include "platform/Resources.h"
#include "vocab/player/MciDevice.h"

namespace RecordingCommands {

QString workWav(const QString &systemFolder) {
    return Paths::join(systemFolder, QStringLiteral("vocareeler.wav"));
}

QString workMp3(const QString &systemFolder) {
    return Paths::join(systemFolder, QStringLiteral("vocareeler.mp3"));
}

namespace {

void deleteWorkFiles(const QString &systemFolder) {
    Resources::deleteFile(workWav(systemFolder));
    Resources::deleteFile(workMp3(systemFolder));
}

} // namespace

void startRecording(MciDevice &mci, const QString &systemFolder) {
    mci.send(QStringLiteral("close   all"));
    deleteWorkFiles(systemFolder);
    mci.send(QStringLiteral("open   new     type   WAVEAudio   alias   MyWav2"));
    mci.send(QStringLiteral("record   MyWav2"));
}

void saveAndClose(MciDevice &mci, const QString &systemFolder) {
    mci.send(QStringLiteral("stop   MyWav2   "));
    mci.send(QStringLiteral("save   MyWav2     ") + workWav(systemFolder));
    mci.send(QStringLiteral("close   all"));
}

void discard(MciDevice &mci, const QString &systemFolder) {
    mci.send(QStringLiteral("close   all"));
    deleteWorkFiles(systemFolder);
}

} // namespace RecordingCommands
