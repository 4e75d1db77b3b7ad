// Opens any bytes as a word list of the library and uses it as the drill does: walks the whole
// list, turns every word's new-word mark over, selects the new words of the whole range and
// closes the list. The whole list must hold as many words as the walk meets, the selection
// only marked words, and closing must leave a file with a word list's header at rest and any
// other file as it was.
#include "fuzz/FuzzSupport.h"
#include "platform/WordLibrary.h"
#include "platform/WordListFile.h"
#include "vocab/library/WordListSession.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Collection = QStringLiteral("fuzz");
const QString List = QStringLiteral("list");

// The header of a word list, at rest or open.
bool hasWordListHeader(const QByteArray &bytes) {
    const QByteArray atRest("S\0Lite format 3\0", 16);
    QByteArray header = bytes.left(atRest.size());
    if (header.size() == atRest.size() && header[1] == WordListFile::OpenByte)
        header[1] = WordListFile::RestByte;
    return header == atRest;
}

int walkTurningMarksOver(WordListSession &session) {
    int words = 0;
    for (session.WordRecords.moveFirst(); !session.WordRecords.eof();
         session.WordRecords.moveNext(), ++words)
        session.storeMark(!session.currentWord().isNewWord());
    return words;
}

bool onlyNewWordsSelected(WordListSession &session) {
    for (session.WordRecords.moveFirst(); !session.WordRecords.eof();
         session.WordRecords.moveNext())
        if (!session.currentWord().isNewWord()) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray input = Fuzz::bytes(data, size);
    const QString &programFolder = Fuzz::scratchFolder();
    const QString path = WordLibrary::listPath(programFolder, Collection, List);
    QDir().mkpath(QFileInfo(path).path());
    Fuzz::writeFile(path, input);
    {
        WordListSession session(programFolder);
        session.OpenList(Collection, List);
        Fuzz::require(walkTurningMarksOver(session) == session.ListWordCount,
                      "the list counts the words a walk meets");
        if (session.ApplySelection("1", QString::number(session.ListWordCount), true) ==
            WordListSession::Selection::Applied)
            Fuzz::require(onlyNewWordsSelected(session), "a new-words selection holds new words");
        session.CloseList();
    }
    const QByteArray after = Fuzz::readFile(path);
    if (hasWordListHeader(input))
        Fuzz::require(after.size() > 1 && after[1] == WordListFile::RestByte,
                      "a closed list is at rest");
    else
        Fuzz::require(after == input, "a file that is no word list stays as it was");
    return 0;
}
