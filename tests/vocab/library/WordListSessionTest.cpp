#include "vocab/library/WordListSession.h"

#include "support/TestFiles.h"
#include "vocab/VocabTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Selection = WordListSession::Selection;

class WordListSessionTest : public ::testing::Test {
protected:
    VocabFolders folders;
    WordListSession session{folders.programFolder()};

    QStringList wordsOfSelection() {
        QStringList words;
        for (session.WordRecords.moveFirst(); !session.WordRecords.eof();
             session.WordRecords.moveNext())
            words << session.currentWord().word;
        session.WordRecords.moveFirst();
        return words;
    }
};

TEST_F(WordListSessionTest, OpenListReadsTheWholeListOnItsFirstWord) {
    const QString path = folders.makeList("考研", "list", 120);
    session.OpenList("考研", "list");

    EXPECT_EQ(session.ListPath, path);
    EXPECT_EQ(session.ConnectionString,
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";");
    EXPECT_EQ(session.SelectionSql, "select * from vocamarkhome order by [序号]");
    EXPECT_EQ(session.WordCount, 120);
    EXPECT_EQ(session.ListWordCount, 120);
    EXPECT_EQ(session.WordIndex, 1);
    const WordRecord first = session.currentWord();
    EXPECT_EQ(first.number, "1");
    EXPECT_EQ(first.word, "word1");
    EXPECT_EQ(first.phonetic, "5stQdi");
    EXPECT_EQ(first.meaning, "释义1");
    EXPECT_FALSE(first.isNewWord());
}

TEST_F(WordListSessionTest, HeaderByteIsOpenWhileTheListIsOpenAndAtRestOtherwise) {
    const QString a = folders.makeList("c", "a", 3);
    const QString b = folders.makeList("c", "b", 3);
    EXPECT_EQ(WordListFile::readHeaderByte(a), WordListFile::RestByte);

    session.OpenList("c", "a");
    EXPECT_EQ(WordListFile::readHeaderByte(a), WordListFile::OpenByte);

    session.OpenList("c", "b");
    EXPECT_EQ(WordListFile::readHeaderByte(a), WordListFile::RestByte);
    EXPECT_EQ(WordListFile::readHeaderByte(b), WordListFile::OpenByte);

    session.CloseList();
    EXPECT_EQ(WordListFile::readHeaderByte(b), WordListFile::RestByte);
    EXPECT_FALSE(session.WordRecords.isOpen());
}

TEST_F(WordListSessionTest, ListNamedWithTwoExtensionsOpensAndAMissingListCountsNoWords) {
    folders.makeList("c", "a.wrd", 5);
    session.OpenList("c", "a.wrd");
    EXPECT_EQ(session.WordCount, 5);

    session.OpenList("c", "missing");

    EXPECT_FALSE(session.WordRecords.isOpen());
    EXPECT_EQ(session.WordCount, 0);
    EXPECT_EQ(session.ListWordCount, 0);
    EXPECT_TRUE(session.currentWord().word.isEmpty());
    EXPECT_FALSE(QFile::exists(session.ListPath));
}

TEST_F(WordListSessionTest, FileThatIsNotAListKeepsEveryByteThroughOpenAndClose) {
    QDir().mkpath(WordLibrary::wordFolder(folders.programFolder()) + "/c");
    const QString path = WordLibrary::listPath(folders.programFolder(), "c", "notes");
    const QByteArray content("my notes, not a word list");
    writeFile(path, content);
    session.OpenList("c", "notes");
    EXPECT_EQ(session.WordCount, 0);
    session.CloseList();

    EXPECT_EQ(readFile(path), content);
}

TEST_F(WordListSessionTest, RangeSelectsTheWordsBetweenStartAndEnd) {
    folders.makeList("c", "list", 120);
    session.OpenList("c", "list");

    ASSERT_EQ(session.ApplySelection("10", "20", false), Selection::Applied);
    EXPECT_EQ(session.SelectionSql,
              "select * from vocamarkhome where [序号] between 10 and 20 order by [序号]");
    EXPECT_EQ(session.WordCount, 11);
    EXPECT_EQ(session.WordIndex, 1);
    EXPECT_EQ(session.currentWord().number, "10");
    EXPECT_EQ(session.ListWordCount, 120);
}

TEST_F(WordListSessionTest, NewWordFilterKeepsOnlyMarkedWordsOfTheRange) {
    folders.makeList("c", "marked", 120, {5, 12, 15, 30});
    folders.makeList("c", "plain", 120);

    session.OpenList("c", "marked");
    ASSERT_EQ(session.ApplySelection("10", "20", true), Selection::Applied);
    EXPECT_EQ(session.SelectionSql, "select * from vocamarkhome where [序号] between 10 and 20 "
                                    "and  [过滤] = '1' order by [序号]");
    EXPECT_EQ(wordsOfSelection(), QStringList({"word12", "word15"}));
    EXPECT_EQ(session.WordCount, 2);

    session.OpenList("c", "plain");
    ASSERT_EQ(session.ApplySelection("10", "20", true), Selection::Applied);
    EXPECT_EQ(session.WordCount, 0);
    EXPECT_TRUE(session.currentWord().word.isEmpty());
}

TEST_F(WordListSessionTest, RangeThatCannotBeAppliedLeavesTheSelectionAsItWas) {
    folders.makeList("c", "list", 120);
    session.OpenList("c", "list");
    ASSERT_EQ(session.ApplySelection("10", "20", false), Selection::Applied);
    const QString selection = session.SelectionSql;

    for (const auto &[start, end] : std::vector<std::pair<QString, QString>>{
             {"30", "20"}, {"", "20"}, {"12abc", "20"}, {"10", "99999999999"}}) {
        SCOPED_TRACE((start + " to " + end).toStdString());
        EXPECT_EQ(session.ApplySelection(start, end, false), Selection::RangeError);
        EXPECT_EQ(session.SelectionSql, selection);
        EXPECT_EQ(session.WordCount, 11);
        EXPECT_EQ(session.currentWord().number, "10");
    }
}

} // namespace
