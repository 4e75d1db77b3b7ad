#include "reader/ReaderStartup.h"

#include "platform/Speaker.h"
#include "reader/ReaderFiles.h"

namespace ReaderStartup {

namespace {

// The common-controls and rich-text libraries are part of Qt here: nothing to install or
// register.
void installControlLibraries() {}

// No phonetic font ships; transcriptions are shown in an IPA-capable system font instead.
void installPhoneticFont() {}

void prepareSpeech(Speaker &speaker) {
    const QString eightSpaces(8, QLatin1Char(' '));
    speaker.Register(eightSpaces, eightSpaces);
    speaker.setSpeed(SpeechSpeed);
}

} // namespace

void run(const ReaderFiles &files, Speaker &speaker) {
    installControlLibraries();
    installPhoneticFont();
    files.install();
    prepareSpeech(speaker);
}

} // namespace ReaderStartup
