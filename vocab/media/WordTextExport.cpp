#include "vocab/media/WordTextExport.h"

#include "platform/RecordSet.h"
#include "platform/TextCodec.h"
#include "vocab/library/WordRecord.h"
#include "vocab/media/WaitCursor.h"

#include <QCoreApplication>

namespace WordTextExport {
namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

QString filePath(const QString &chosenPath) {
    return chosenPath + QStringLiteral(".txt");
}

QString text(RecordSet &WordRecords, int WordCount) {
    QString text;
    WordRecords.moveFirst();
    for (int n = 0; n < WordCount; ++n) {
        // Past the last record there is nothing to add, not even the line ends.
        if (!WordRecords.eof())
            text += WordRecords.field(WordRecord::WordColumn) + CrLf +
                    WordRecords.field(WordRecord::MeaningColumn) + CrLf + CrLf;
        WordRecords.moveNext();
        QCoreApplication::processEvents();
    }
    WordRecords.moveFirst();
    return text;
}

bool exportWords(RecordSet &WordRecords, int WordCount, const QString &chosenPath) {
    const WaitCursor busy;
    return TextCodec::writeGbkTextFile(filePath(chosenPath), text(WordRecords, WordCount) + CrLf);
}

} // namespace WordTextExport
