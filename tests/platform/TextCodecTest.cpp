#include "platform/TextCodec.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TextCodec, GbkRoundTripKeepsChineseAndAscii) {
    const QString text = QStringLiteral("study 学习, 研究; 考研英语 (2010)");
    const QByteArray gbk = TextCodec::toGbk(text);
    EXPECT_EQ(gbk.left(6), QByteArray("study "));
    EXPECT_EQ(gbk.mid(6, 4), QByteArray("\xD1\xA7\xCF\xB0")); // 学习
    EXPECT_EQ(TextCodec::fromGbk(gbk), text);
}

TEST(TextCodec, CharactersGbkCannotHoldBecomeQuestionMarks) {
    // A Thai letter and an emoji (a surrogate pair) are outside GBK; the text around them survives.
    const QString text = QStringLiteral("a\u0E01b") + QString::fromUcs4(U"\U0001F600") + "中";
    EXPECT_EQ(TextCodec::toGbk(text), QByteArray("a?b?\xD6\xD0"));
}

TEST(TextCodec, InvalidGbkBytesDecodeWithReplacement) {
    const QString decoded = TextCodec::fromGbk(QByteArray("ok\xFF\xFF!"));
    EXPECT_TRUE(decoded.startsWith("ok"));
    EXPECT_TRUE(decoded.endsWith("!"));
    EXPECT_TRUE(decoded.contains(QChar(0xFFFD)));
}

TEST(TextCodec, LineEndsBecomeCrLfOnce) {
    EXPECT_EQ(TextCodec::withCrLf("a\nb\r\nc\rd"), QString("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(TextCodec::withCrLf("\n\n"), QString("\r\n\r\n"));
}

TEST(TextCodec, TextFileIsGbkWithCrLfAndNoBom) {
    QTemporaryDir dir;
    const QString path = dir.filePath("words.txt");
    ASSERT_TRUE(TextCodec::writeGbkTextFile(path, QStringLiteral("中\nabc\n")));
    EXPECT_EQ(readFile(path), QByteArray("\xD6\xD0\r\nabc\r\n"));
    EXPECT_EQ(TextCodec::readGbkTextFile(path), QStringLiteral("中\r\nabc\r\n"));
    EXPECT_EQ(TextCodec::readGbkTextFile(dir.filePath("missing.txt")), QString());
}
