#pragma once

#include "vocab/library/WordRecord.h"
#include "vocab/media/CardCanvas.h"
#include "vocab/media/cDIBSection.h"

#include <QString>
#include <optional>
#include <vector>

class RecordSet;

// The word cards: how many the selection gets, what they are called, and the two runs that
// draw them (xue1 the larger, xue2 the smaller) and write them as JPEG files into a folder.
class WordCards {
public:
    static constexpr int MostCards = 200;
    static constexpr int Quality = 90;
    static inline const QString MissingFolderText = QStringLiteral("保存文件夹不存在：%1");

    struct Plan {
        int RunWordLimit = 0;
        QString lastNumber; // the number of the last word that gets a card
        // The words as they were when the run was planned: a drill or another list opened
        // while the dialog is up moves the record set, not the cards.
        std::vector<WordRecord> words;
    };
    // The first MostCards words of the selection get a card. Leaves the record set on its first
    // record; nothing for an empty selection.
    static std::optional<Plan> plan(RecordSet &WordRecords, int WordCount);

    // The last four digits of the zero-padded number: "7" gives 0007.jpg, "12345" 2345.jpg.
    static QString cardFileName(const QString &number);

    struct Result {
        int written = 0;
        QString problem; // for the status line; empty when the folder was there
    };
    // Draws and writes the cards of the planned words, yielding to the event loop after each. A
    // card that cannot be written is skipped; a folder that does not exist writes nothing and
    // says so.
    Result xue1(const std::vector<WordRecord> &words, const QString &folder);
    Result xue2(const std::vector<WordRecord> &words, const QString &folder);

private:
    Result run(CardCanvas &canvas, const std::vector<WordRecord> &words, const QString &folder);
    int writeCards(CardCanvas &canvas, const std::vector<WordRecord> &words, const QString &folder);

    CardCanvas m_larger{LargerCard};
    CardCanvas m_smaller{SmallerCard};
    cDIBSection m_surface;
};
