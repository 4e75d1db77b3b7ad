#include "vocab/media/WordCards.h"

#include "platform/Paths.h"
#include "vocab/library/WordRecord.h"
#include "vocab/media/SelectedWords.h"
#include "vocab/media/WaitCursor.h"
#include "vocab/media/mIntelJPEGLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

std::optional<WordCards::Plan> WordCards::plan(RecordSet &WordRecords, int WordCount) {
    if (WordCount == 0) return std::nullopt;
    Plan plan;
    plan.RunWordLimit = std::min(WordCount, MostCards);
    plan.words = SelectedWords::read(WordRecords, plan.RunWordLimit);
    if (!plan.words.empty()) plan.lastNumber = plan.words.back().number;
    return plan;
}

QString WordCards::cardFileName(const QString &number) {
    return (QStringLiteral("0000") + number).right(4) + QStringLiteral(".jpg");
}

WordCards::Result WordCards::xue1(const std::vector<WordRecord> &words, const QString &folder) {
    return run(m_larger, words, folder);
}

WordCards::Result WordCards::xue2(const std::vector<WordRecord> &words, const QString &folder) {
    return run(m_smaller, words, folder);
}

WordCards::Result WordCards::run(CardCanvas &canvas, const std::vector<WordRecord> &words,
                                 const QString &folder) {
    Result result;
    if (QFileInfo(folder).isDir())
        result.written = writeCards(canvas, words, folder);
    else
        result.problem = MissingFolderText.arg(folder);
    return result;
}

int WordCards::writeCards(CardCanvas &canvas, const std::vector<WordRecord> &words,
                          const QString &folder) {
    const WaitCursor busy;
    int written = 0;
    for (const WordRecord &word : words) {
        m_surface.CreateFromPicture(canvas.draw(word));
        if (mIntelJPEGLibrary::WriteJpegFile(
                m_surface, Paths::join(folder, cardFileName(word.number)), Quality))
            ++written;
        QCoreApplication::processEvents();
    }
    return written;
}
