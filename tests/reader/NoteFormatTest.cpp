#include "reader/NoteFormat.h"

#include "platform/Fonts.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

TEST(NoteFormat, HintIsOneGreyLineOfSongIndented45Twips) {
    QTextDocument doc;
    doc.setPlainText("an old note");
    NoteFormat::writeHint(doc);
    EXPECT_EQ(doc.toPlainText(), "双击可保存学习笔记");
    const QTextBlock hint = doc.firstBlock();
    EXPECT_EQ(hint.blockFormat().leftMargin(), 3.0); // 45 twips at 15 twips a pixel
    const QTextCharFormat format = hint.begin().fragment().charFormat();
    EXPECT_EQ(format.foreground().color(), QColor(128, 128, 128));
    EXPECT_EQ(format.fontPointSize(), 10.0);
    EXPECT_EQ(format.fontFamilies().toStringList().value(0), Fonts::Song);
}
