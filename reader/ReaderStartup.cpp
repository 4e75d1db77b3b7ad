#include "reader/ReaderStartup.h"

#include "platform/Speaker.h"
#include "reader/ReaderFiles.h"

#include <QMessageBox>

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

// The notes store could not be opened and a fresh one took its place.
QString damagedNotesStoreText(const QString &movedTo) {
    return QStringLiteral("学习笔记文件已损坏，无法打开。\n\n原来的文件已移到：\n%1\n\n"
                          "已换上一个新的笔记文件，今后写的笔记会保存在新文件中。")
        .arg(movedTo);
}

} // namespace

void showMessageBox(const QString &text) {
    QMessageBox::information(nullptr, QStringLiteral("提示"), text);
}

void run(const ReaderFiles &files, Speaker &speaker, const Notice &tell) {
    installControlLibraries();
    installPhoneticFont();
    const ReaderFiles::Installation installed = files.install();
    prepareSpeech(speaker);
    if (!installed.damagedNotesStore.isEmpty())
        tell(damagedNotesStoreText(installed.damagedNotesStore));
}

} // namespace ReaderStartup
