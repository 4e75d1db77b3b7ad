#include "vocab/library/VocabStartUp.h"

#include "platform/Paths.h"
#include "platform/Resources.h"
#include "platform/Speaker.h"
#include "platform/WordLibrary.h"
#include "vocab/library/TipsMarker.h"

#include <QDir>

namespace VocabStartUp {

namespace {
const QString EightSpaces = QStringLiteral("        ");
constexpr int SpeakingSpeed = 120;
} // namespace

QString defaultListPath(const QString &programFolder) {
    return WordLibrary::listPath(programFolder, DefaultCollection, DefaultList);
}

bool run(const Paths &paths, Speaker &speaker) {
    paths.createFolders();
    const QString programFolder = paths.programFolder();
    QDir(programFolder).mkdir(QStringLiteral("word"));
    QDir(WordLibrary::wordFolder(programFolder)).mkdir(DefaultCollection);
    const QString defaultList = defaultListPath(programFolder);
    if (!Resources::fileExists(defaultList))
        Resources::writeResource(DefaultListResource, defaultList);
    // The JPEG encoder is linked in, the MP3 encoder is the system's own and transcriptions are
    // shown through an IPA font, so no library, encoder or font file is installed here.
    speaker.Register(EightSpaces, EightSpaces);
    speaker.setSpeed(SpeakingSpeed);
    return !TipsMarker::exists(paths.systemFolder());
}

} // namespace VocabStartUp
