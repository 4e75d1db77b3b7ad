#include "vocab/media/WordCards.h"

#include "platform/Paths.h"
#include "platform/RecordSet.h"
#include "vocab/library/WordRecord.h"
#include "vocab/media/WaitCursor.h"
#include "vocab/media/mIntelJPEGLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>

std::optional<WordCards::Plan> WordCards::plan(RecordSet &WordRecords, int WordCount) {
    if (WordCount == 0) return std::nullopt;
    WordRecords.moveFirst();
    Plan plan;
    if (WordCount > MostCards) {
        WordRecords.move(MostCards - 1);
        plan.RunWordLimit = MostCards;
    } else {
        WordRecords.moveLast();
        plan.RunWordLimit = WordCount;
    }
    plan.lastNumber = WordRecords.field(WordRecord::NumberColumn);
    WordRecords.moveFirst();
    return plan;
}

QString WordCards::cardFileName(const QString &number) {
    return (QStringLiteral("0000") + number).right(4) + QStringLiteral(".jpg");
}

WordCards::Result WordCards::xue1(RecordSet &WordRecords, int RunWordLimit, const QString &folder) {
    return run(m_larger, WordRecords, RunWordLimit, folder);
}

WordCards::Result WordCards::xue2(RecordSet &WordRecords, int RunWordLimit, const QString &folder) {
    return run(m_smaller, WordRecords, RunWordLimit, folder);
}

WordCards::Result WordCards::run(CardCanvas &canvas, RecordSet &WordRecords, int RunWordLimit,
                                 const QString &folder) {
    Result result;
    if (QFileInfo(folder).isDir())
        result.written = writeCards(canvas, WordRecords, RunWordLimit, folder);
    else
        result.problem = MissingFolderText.arg(folder);
    WordRecords.moveFirst();
    return result;
}

int WordCards::writeCards(CardCanvas &canvas, RecordSet &WordRecords, int RunWordLimit,
                          const QString &folder) {
    const WaitCursor busy;
    int written = 0;
    for (int card = 0; card < RunWordLimit && !WordRecords.eof(); ++card) {
        const WordRecord word = WordRecord::current(WordRecords);
        m_surface.CreateFromPicture(canvas.draw(word));
        if (mIntelJPEGLibrary::WriteJpegFile(
                m_surface, Paths::join(folder, cardFileName(word.number)), Quality))
            ++written;
        WordRecords.moveNext();
        QCoreApplication::processEvents();
    }
    return written;
}
