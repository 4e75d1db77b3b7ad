#include "vocab/media/WordTextExport.h"

#include "platform/TextCodec.h"
#include "vocab/library/WordRecord.h"
#include "vocab/media/SelectedWords.h"
#include "vocab/media/WaitCursor.h"

namespace WordTextExport {
namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

QString filePath(const QString &chosenPath) {
    return chosenPath + QStringLiteral(".txt");
}

QString text(RecordSet &WordRecords, int WordCount) {
    QString text;
    SelectedWords::forEach(WordRecords, WordCount, [&text](const WordRecord &word) {
        text += word.word + CrLf + word.meaning + CrLf + CrLf;
    });
    return text;
}

bool exportWords(RecordSet &WordRecords, int WordCount, const QString &chosenPath) {
    const WaitCursor busy;
    return TextCodec::writeGbkTextFile(filePath(chosenPath), text(WordRecords, WordCount) + CrLf);
}

} // namespace WordTextExport
