#include "platform/Rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const QColor noteGrey(128, 128, 128);

struct TextRun {
    QString text;
    QTextCharFormat format;
};

std::vector<TextRun> runsOf(const QTextBlock &block) {
    std::vector<TextRun> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        runs.push_back({it.fragment().text(), it.fragment().charFormat()});
    return runs;
}

QStringList blockTexts(const QTextDocument &doc) {
    QStringList texts;
    for (QTextBlock block = doc.begin(); block != doc.end(); block = block.next())
        texts << block.text();
    return texts;
}

bool isAscii(const QByteArray &bytes) {
    return std::ranges::all_of(bytes, [](char c) { return c > 0 && c < 0x7f; });
}

class RtfTest : public ::testing::Test {
protected:
    // Writes source, checks the RTF is ASCII and reads it back into doc.
    void roundTrip(const QTextDocument &source) {
        rtf = Rtf::write(source);
        ASSERT_TRUE(isAscii(rtf)) << rtf.constData();
        Rtf::read(rtf, doc);
    }

    void read(const char *text) { Rtf::read(QByteArray(text), doc); }

    QTextCharFormat formatAt(int blockNumber, int position = 0) const {
        const QTextBlock block = doc.findBlockByNumber(blockNumber);
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + position + 1);
        return cursor.charFormat();
    }

    QTextDocument doc;
    QByteArray rtf;
};

QTextCharFormat noteFormat() {
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("宋体")});
    format.setFontPointSize(10);
    format.setForeground(noteGrey);
    return format;
}

TEST_F(RtfTest, NoteKeepsFontSizeColourAndIndent) {
    QTextDocument source;
    QTextCursor cursor(&source);
    QTextBlockFormat indented;
    indented.setLeftMargin(3); // 45 twips
    cursor.setBlockFormat(indented);
    cursor.insertText(QStringLiteral("双击可保存学习笔记"), noteFormat());

    roundTrip(source);

    // Chinese text and the font name travel as GBK bytes ("宋体" is CB CE CC E5).
    EXPECT_TRUE(rtf.contains("\\'cb\\'ce\\'cc\\'e5")) << rtf.constData();
    ASSERT_EQ(blockTexts(doc), QStringList{QStringLiteral("双击可保存学习笔记")});
    const QTextCharFormat format = formatAt(0, 3);
    EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{QStringLiteral("宋体")});
    EXPECT_DOUBLE_EQ(format.fontPointSize(), 10);
    EXPECT_EQ(format.foreground().color(), noteGrey);
    EXPECT_DOUBLE_EQ(doc.begin().blockFormat().leftMargin(), 3);
}

TEST_F(RtfTest, CharacterStylesSurviveRunByRun) {
    QTextDocument source;
    QTextCursor cursor(&source);
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    QTextCharFormat underlined;
    underlined.setFontUnderline(true);
    underlined.setForeground(Qt::red);
    QTextCharFormat all = bold;
    all.merge(italic);
    all.merge(underlined);
    for (const auto &[text, format] : {std::pair{"plain ", plain},
                                       {"bold ", bold},
                                       {"italic ", italic},
                                       {"under ", underlined},
                                       {"all", all}})
        cursor.insertText(text, format);

    roundTrip(source);

    const std::vector<TextRun> runs = runsOf(doc.begin());
    ASSERT_EQ(runs.size(), 5u);
    const QStringList texts{"plain ", "bold ", "italic ", "under ", "all"};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(texts[i].toStdString());
        const QTextCharFormat &format = runs[i].format;
        EXPECT_EQ(runs[i].text, texts[i]);
        EXPECT_EQ(format.fontWeight() == QFont::Bold, i == 1 || i == 4);
        EXPECT_EQ(format.fontItalic(), i == 2 || i == 4);
        EXPECT_EQ(format.fontUnderline(), i >= 3);
        EXPECT_EQ(format.foreground().style() != Qt::NoBrush, i >= 3);
    }
    EXPECT_EQ(runs[3].format.foreground().color(), QColor(Qt::red));
}

TEST_F(RtfTest, ParagraphsKeepAlignmentIndentsAndEmptyLines) {
    QTextDocument source;
    QTextCursor cursor(&source);
    cursor.insertText("left");
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    cursor.insertText("centred");
    cursor.insertBlock(QTextBlockFormat(), noteFormat()); // empty line in the note font
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setTextIndent(2);
    right.setRightMargin(4);
    right.setTopMargin(2);
    right.setBottomMargin(6); // 90 twips of space after the paragraph
    cursor.insertBlock(right);
    cursor.insertText("right");

    roundTrip(source);

    ASSERT_EQ(blockTexts(doc), (QStringList{"left", "centred", "", "right"}));
    const QTextBlock first = doc.begin();
    EXPECT_FALSE(first.blockFormat().alignment() & (Qt::AlignHCenter | Qt::AlignRight));
    EXPECT_EQ(first.next().blockFormat().alignment(), Qt::AlignHCenter);
    const QTextBlock empty = first.next().next();
    EXPECT_DOUBLE_EQ(empty.charFormat().fontPointSize(), 10);
    const QTextBlockFormat last = empty.next().blockFormat();
    EXPECT_EQ(last.alignment(), Qt::AlignRight);
    EXPECT_DOUBLE_EQ(last.textIndent(), 2);
    EXPECT_DOUBLE_EQ(last.rightMargin(), 4);
    EXPECT_DOUBLE_EQ(last.topMargin(), 2);
    EXPECT_DOUBLE_EQ(last.bottomMargin(), 6);
}

TEST_F(RtfTest, SpecialCharactersSurvive) {
    // Tab, line break, RTF's own syntax characters, characters GBK holds ("ɑ", "€") and
    // characters it does not (a Hungarian letter, an emoji outside the BMP).
    const QString text = QString::fromUtf8("a\tb\u2028{c}\\d ɑ€ ő😀 中");
    QTextDocument source;
    QTextCursor(&source).insertText(text);

    roundTrip(source);

    EXPECT_EQ(doc.toRawText(), text);
    EXPECT_EQ(doc.blockCount(), 1);
    EXPECT_TRUE(rtf.contains("\\u337?")) << rtf.constData(); // ő
}

TEST_F(RtfTest, UnsetFontTakesTheDocumentDefaultAndSizeInPixelsBecomesPoints) {
    QTextDocument source;
    source.setDefaultFont(QFont(QStringLiteral("宋体"), 10));
    QTextCursor cursor(&source);
    cursor.insertText("default ");
    QTextCharFormat pixels;
    pixels.setProperty(QTextFormat::FontPixelSize, 16);
    cursor.insertText("sixteen pixels", pixels);

    roundTrip(source);

    const std::vector<TextRun> runs = runsOf(doc.begin());
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].format.fontFamilies().toStringList(), QStringList{QStringLiteral("宋体")});
    EXPECT_DOUBLE_EQ(runs[0].format.fontPointSize(), 10);
    EXPECT_DOUBLE_EQ(runs[1].format.fontPointSize(), 12);
}

TEST_F(RtfTest, ReadsGbkBytesInTheFontsCodePage) {
    // "\'81\\" and "\'81\{" are GBK characters whose second byte is an RTF syntax character.
    read(R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;})"
         R"({\f1\fswiss\fcharset0 Arial;}}\f0\fs20 \'d6\'d0\'ce\'c4\'81\\\'81\{ \f1 caf\'e9})");

    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("中文乗亄 café"));
    EXPECT_EQ(formatAt(0).fontFamilies().toStringList(), QStringList{QStringLiteral("宋体")});
    EXPECT_DOUBLE_EQ(formatAt(0).fontPointSize(), 10);
    EXPECT_EQ(formatAt(0, 6).fontFamilies().toStringList(), QStringList{"Arial"});
}

TEST_F(RtfTest, ReadsUnicodeWithItsFallbackSkipped) {
    read(R"({\rtf1\ansi\ansicpg936 \u8364?\u-3?{\uc2\u20013\'d6\'d0}\u25991?\u55357?\u56832?x})");

    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("€\ufffd中文😀x"));
}

TEST_F(RtfTest, SkipsDestinationsAndUnknownWords) {
    read(R"({\rtf1{\*\generator Writer 1.0;}{\info{\title Title}{\author A}})"
         R"({\stylesheet{\s0 Normal;}}{\header Head}{\pict\bin3 {}}}{\*\unknown hidden})"
         R"(\foo12\barbaz start{\b bold}{\*\bkmkstart x}\-end\~!})");

    EXPECT_EQ(doc.toRawText(), QString::fromUtf8("startboldend\u00a0!"));
    EXPECT_EQ(formatAt(0, 6).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(0, 9).fontWeight(), QFont::Normal); // the group restored the state
}

TEST_F(RtfTest, ColourTableStartsWithTheAutomaticColour) {
    read(R"({\rtf1{\colortbl ;\red255\green0\blue0;\red0\green0\blue255;})"
         R"(\cf1 red\cf2 blue\cf0 auto\cf9 unknown})");

    EXPECT_EQ(formatAt(0, 0).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(formatAt(0, 3).foreground().color(), QColor(Qt::blue));
    EXPECT_EQ(formatAt(0, 7).foreground().style(), Qt::NoBrush);
    EXPECT_EQ(formatAt(0, 12).foreground().style(), Qt::NoBrush);
}

TEST_F(RtfTest, ParagraphFormatAppliesUntilReset) {
    read(R"({\rtf1\pard\qc\li720\fi-360 one\par two\par\pard three\line four\tab five\par})");

    ASSERT_EQ(blockTexts(doc),
              (QStringList{"one", "two", QString("three\u2028four\tfive"), QString()}));
    for (int block : {0, 1}) {
        const QTextBlockFormat format = doc.findBlockByNumber(block).blockFormat();
        EXPECT_EQ(format.alignment(), Qt::AlignHCenter);
        EXPECT_DOUBLE_EQ(format.leftMargin(), 48);
        EXPECT_DOUBLE_EQ(format.textIndent(), -24);
    }
    EXPECT_DOUBLE_EQ(doc.findBlockByNumber(2).blockFormat().leftMargin(), 0);
}

TEST_F(RtfTest, ReadingAddsTheContentInOneChange) {
    // A shown pane lays its document out again after every change, so a read that added the
    // text run by run took time quadratic in the runs of a paragraph.
    doc.documentLayout(); // as in a pane: only a document with a layout reports its changes
    int changesWithText = 0;
    QObject::connect(&doc, &QTextDocument::contentsChange,
                     [&] { changesWithText += !doc.isEmpty(); });
    read(R"({\rtf1\b one\b0 two\i three\i0 four\par\ul five\ulnone six})");

    EXPECT_EQ(doc.toPlainText(), "onetwothreefour\nfivesix");
    EXPECT_EQ(changesWithText, 1);
}

TEST_F(RtfTest, TextThatIsNotRtfIsReadAsPlainGbkText) {
    read("plain \xd6\xd0\xce\xc4 {\\b no}");

    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("plain 中文 {\\b no}"));
}

TEST_F(RtfTest, ReadingReplacesTheContentAndLeavesNothingToUndo) {
    doc.setPlainText("old");
    read(R"({\rtf1 new})");

    EXPECT_EQ(doc.toPlainText(), "new");
    EXPECT_FALSE(doc.isUndoAvailable());
}

using RtfMalformedInputTest = RtfTest;

TEST_F(RtfMalformedInputTest, KeepsWhatCanBeRead) {
    const std::pair<QByteArray, QString> cases[] = {
        {R"({\rtf1 abc)", "abc"},         // the closing brace is missing
        {R"({\rtf1 {\b abc)", "abc"},     // both are
        {R"({\rtf1 abc}} more})", "abc"}, // the document ends with its group
        {R"({\rtf1 a\'4)", "a"},          // truncated escapes at the end
        {R"({\rtf1 a\)", "a"},
        {R"({\rtf1 a\u)", "a"},
        {R"({\rtf1 a\'4z})", "az"}, // and inside the text
        {R"({\rtf1 a\u b\u})", "ab"},
        {R"({\rtf1\ansicpg936 a\'d6})", "a\ufffd"}, // half a GBK character
        {R"({\rtf1 a\bin3 {}}b})", "ab"},           // binary data may hold braces
        {R"({\rtf1 a\bin999999 xyz})", "a"},        // and may claim more than there is
        {R"({\rtf1 a\bin-5 b})", "ab"},
        {R"({\rtf1\ansicpg-7 caf\'e9})", "caf\u00e9"}, // an unknown code page
        {R"({\rtf1\f-3\cf-1\cf99999999999\uc-4 x})", "x"},
        {R"({\rtf1{\fonttbl{\f0\fcharset134 Unterminated)", ""},
        {QByteArray("{\\rtf1 a") + '\0' + "\x01\x1f" + "b}", "ab"}, // control bytes are junk
    };
    for (const auto &[input, expected] : cases) {
        SCOPED_TRACE(input.toStdString());
        Rtf::read(input, doc);
        EXPECT_EQ(doc.toRawText(), expected);
    }
}

TEST_F(RtfMalformedInputTest, HugeNumbersAreBounded) {
    read(R"({\rtf1\fs99999999999\li99999999999\fi-99999999999\ri99999999999 big})");

    EXPECT_EQ(doc.toRawText(), "big");
    EXPECT_GT(formatAt(0).fontPointSize(), 0);
    EXPECT_LE(formatAt(0).fontPointSize(), 1638);
    EXPECT_LE(doc.begin().blockFormat().leftMargin(), 31680 / 15);
    EXPECT_GT(doc.documentLayout()->documentSize().height(), 0); // lays out
}

TEST_F(RtfMalformedInputTest, DeepNestingKeepsTextInsideAndAfter) {
    const int depth = 100000;
    const QByteArray rtf =
        "{\\rtf1{\\b " + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + " bold} plain}";
    Rtf::read(rtf, doc);

    EXPECT_EQ(doc.toRawText(), "deep bold plain");
    EXPECT_EQ(formatAt(0, 5).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(0, 11).fontWeight(), QFont::Normal);
}

TEST_F(RtfMalformedInputTest, BinaryJunkIsReadWithoutHarm) {
    QByteArray junk = "{\\rtf1\\ansicpg936 ";
    for (int repeat = 0; repeat < 4; ++repeat)
        for (int byte = 0; byte < 256; ++byte)
            junk += char(byte * 37 + repeat);
    Rtf::read(junk, doc);

    EXPECT_LE(doc.characterCount(), junk.size());
}

} // namespace
