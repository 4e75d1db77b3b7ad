#include "tools/examstore/PaperMarkup.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

struct TextRun {
    QString text;
    bool bold;
    bool underline;
    bool operator==(const TextRun &) const = default;
};

std::vector<TextRun> runsOf(const QTextBlock &block) {
    std::vector<TextRun> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        runs.push_back(
            {it.fragment().text(), format.fontWeight() == QFont::Bold, format.fontUnderline()});
    }
    return runs;
}

QTextCharFormat base() {
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(11);
    return format;
}

} // namespace

TEST(PaperMarkup, LinesBecomeParagraphsWithBoldAndUnderlinedRuns) {
    QTextDocument doc;
    PaperMarkup::toDocument("**Text 1** Cities are __21__ warm.\r\n\r\n__(61) Translate me.__\r\n",
                            base(), doc);
    ASSERT_EQ(doc.blockCount(), 3);
    EXPECT_EQ(runsOf(doc.firstBlock()),
              (std::vector<TextRun>{{"Text 1", true, false},
                                    {" Cities are ", false, false},
                                    {"\u00A0\u00A021\u00A0\u00A0", false, true},
                                    {" warm.", false, false}}));
    EXPECT_TRUE(doc.findBlockByNumber(1).text().isEmpty());
    EXPECT_EQ(runsOf(doc.lastBlock()), (std::vector<TextRun>{{"(61) Translate me.", false, true}}));
    for (QTextBlock block = doc.begin(); block != doc.end(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            EXPECT_EQ(it.fragment().charFormat().fontFamilies().toStringList(),
                      QStringList{"Arial"});
            EXPECT_EQ(it.fragment().charFormat().fontPointSize(), 11);
        }
}

TEST(PaperMarkup, EveryParagraphTakesTheParagraphFormat) {
    QTextDocument doc;
    QTextBlockFormat spaced;
    spaced.setBottomMargin(6);
    PaperMarkup::toDocument("first\nsecond\n\nlast", base(), doc, spaced);
    ASSERT_EQ(doc.blockCount(), 4);
    for (QTextBlock block = doc.begin(); block != doc.end(); block = block.next())
        EXPECT_EQ(block.blockFormat().bottomMargin(), 6);
}

TEST(PaperMarkup, AnUnclosedMarkerEndsWithItsLine) {
    QTextDocument doc;
    PaperMarkup::toDocument("a **bold to the end\nplain * and _ alone", base(), doc);
    EXPECT_EQ(runsOf(doc.firstBlock()),
              (std::vector<TextRun>{{"a ", false, false}, {"bold to the end", true, false}}));
    EXPECT_EQ(runsOf(doc.lastBlock()),
              (std::vector<TextRun>{{"plain * and _ alone", false, false}}));
}

TEST(PaperMarkup, PlainTextDropsTheMarkersOnly) {
    EXPECT_EQ(PaperMarkup::plainText("**A** __21__ b\n\n__c__\n"), "A 21 b\n\nc");
}
