#include "tools/dictgen/ArticleWords.h"

#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ArticleWords, RunsOfTwoOrMoreLettersAsAClickPicksThem) {
    EXPECT_EQ(ArticleWords::of(u"The day's X-ray: __1__ of café, a 2nd try."_s),
              (QStringList{u"The"_s, u"day"_s, u"ray"_s, u"of"_s, u"caf"_s, u"nd"_s, u"try"_s}));
}

TEST(ArticleWords, ReadsEveryPartsArticleInFolderOrder) {
    QTemporaryDir papers;
    const QDir root(papers.path());
    for (const char *part : {"2005/Part2", "2005/Part1", "1996/Part1", "1996/Notes"})
        ASSERT_TRUE(root.mkpath(QString::fromLatin1(part)));
    writeFile(root.filePath(u"2005/Part2/yw.txt"_s), "fourth");
    writeFile(root.filePath(u"2005/Part1/yw.txt"_s), "third");
    writeFile(root.filePath(u"2005/Part1/zw.txt"_s), "translation");
    writeFile(root.filePath(u"1996/Part1/yw.txt"_s), "first second");
    writeFile(root.filePath(u"1996/Notes/yw.txt"_s), "notes");
    EXPECT_EQ(ArticleWords::read(papers.path()),
              (QStringList{u"first"_s, u"second"_s, u"third"_s, u"fourth"_s}));
    EXPECT_TRUE(ArticleWords::read(root.filePath(u"missing"_s)).isEmpty());
}
