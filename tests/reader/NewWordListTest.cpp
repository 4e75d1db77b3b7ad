#include "reader/NewWordList.h"

#include "platform/ConnectionString.h"
#include "platform/Database.h"
#include "platform/WordLibrary.h"
#include "support/GatedProcesses.h"
#include "support/TestFiles.h"
#include "vocab/library/WordListSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Outcome = NewWordList::Outcome;

namespace {

const DictionaryEntry Abandon{u"abandon"_s, u"E5bAndEn"_s,
                              u"vt. 放弃, 抛弃, 遗弃, 使屈从 n. 放任, 无拘束"_s};
const DictionaryEntry China{u"China"_s, {}, u"n. 中国, 瓷器 a. 中国的"_s};

DictionaryEntry plainEntry(const QString &headword) {
    return {headword, {}, u"n. 释义"_s};
}

// The rows of a list, whatever its header byte: "序号|单词|音标|释义|过滤" in number order.
QStringList rowsOf(const QString &listPath) {
    QTemporaryDir dir;
    const QString copy = dir.filePath(u"copy.wrd"_s);
    if (!QFile::copy(listPath, copy) ||
        !WordListFile::writeHeaderByte(copy, WordListFile::OpenByte))
        return {u"(no list)"_s};
    Database db;
    db.open(ConnectionString::make(copy));
    QStringList rows;
    for (const QStringList &row : db.query(u"select * from vocamarkhome order by [序号]"_s).rows)
        rows << row.join(u'|');
    return rows;
}

class NewWordListTest : public ::testing::Test {
protected:
    QString dataFolder() const { return m_data.path(); }
    QString collectionFolder() const { return QDir(dataFolder()).filePath(u"word/我的生词本"_s); }

    // A list already in place with the numbers given, each word "word<n>".
    void makeList(const std::vector<int> &numbers) const {
        std::vector<WordListFile::WordRow> rows;
        for (const int number : numbers)
            rows.push_back({number, u"word%1"_s.arg(number), {}, u"释义"_s});
        ASSERT_TRUE(QDir().mkpath(collectionFolder()));
        ASSERT_TRUE(WordListFile::create(list.path(), rows));
    }

    QTemporaryDir m_data;
    NewWordList list{m_data.path()};
};

// A second reader, started by TwoReadersAddingAtOnceLoseNoWordAndRepeatNoNumber: waits at the
// gate, then adds the words it was given.
TEST(NewWordListAdder, DISABLED_AddsAsAnotherReader) {
    const QString dataFolder = qEnvironmentVariable("NEW_WORD_DATA_FOLDER");
    if (dataFolder.isEmpty()) GTEST_SKIP() << "run by TwoReadersAddingAtOnce…";
    GatedProcesses::waitAtGate();
    const NewWordList list(dataFolder);
    for (const QString &word : qEnvironmentVariable("NEW_WORD_WORDS").split(u',')) {
        const NewWordList::Result result = list.add(plainEntry(word));
        ASSERT_NE(result.outcome, Outcome::NotWritten) << qPrintable(word + u' ' + result.problem);
    }
}

} // namespace

TEST_F(NewWordListTest, AddingToAMissingLibraryMakesTheCollectionAndAListAtRest) {
    EXPECT_EQ(list.add(Abandon).outcome, Outcome::Added);

    EXPECT_EQ(list.path(), QDir(dataFolder()).filePath(u"word/我的生词本/阅读生词.wrd"_s));
    EXPECT_EQ(WordListFile::readHeaderByte(list.path()), WordListFile::RestByte);
    ASSERT_EQ(WordLibrary::scan(dataFolder()).size(), 1u); // as Vocadrill's library shows it
    EXPECT_EQ(WordLibrary::scan(dataFolder())[0].name, u"我的生词本"_s);
    EXPECT_EQ(WordLibrary::scan(dataFolder())[0].lists, QStringList{u"阅读生词"_s});
}

TEST_F(NewWordListTest, RowsHoldTheEntryAsTheDictionaryGivesItMarkedNew) {
    ASSERT_EQ(list.add(Abandon).outcome, Outcome::Added);
    ASSERT_EQ(list.add(China).outcome, Outcome::Added);
    ASSERT_EQ(list.add({u"kept"_s, u"kept"_s, u"keep的过去式和过去分词"_s}).outcome,
              Outcome::Added);
    EXPECT_EQ(rowsOf(list.path()),
              (QStringList{u"1|abandon|E5bAndEn|vt. 放弃, 抛弃|1"_s, u"2|China||n. 中国, 瓷器|1"_s,
                           u"3|kept|kept|keep的过去式和过去分词|1"_s}));
}

TEST_F(NewWordListTest, AWordInTheListInAnyLetterCaseIsNotAddedAgain) {
    ASSERT_EQ(list.add(China).outcome, Outcome::Added);
    const QByteArray listed = readFile(list.path());
    EXPECT_EQ(list.add(China).outcome, Outcome::AlreadyListed);
    EXPECT_EQ(list.add({u"china"_s, {}, u"n. 瓷器"_s}).outcome, Outcome::AlreadyListed);
    EXPECT_EQ(readFile(list.path()), listed);
    EXPECT_EQ(list.add(plainEntry(u"chin"_s)).outcome, Outcome::Added);
}

TEST_F(NewWordListTest, NumberIsOnePastTheLargestWhateverWasDeleted) {
    makeList({1, 2, 7}); // 3 to 6 deleted
    ASSERT_EQ(list.add(plainEntry(u"next"_s)).outcome, Outcome::Added);
    EXPECT_EQ(rowsOf(list.path()).last(), u"8|next||n. 释义|1"_s);
}

// Vocadrill may have the list open: the byte it opened it with stays, and its record set shows
// the word once it reads the list again.
TEST_F(NewWordListTest, AListVocadrillHasOpenStaysOpenAndShowsTheWordAfterARequery) {
    makeList({1, 2});
    WordListSession session(dataFolder());
    session.OpenList(NewWordList::CollectionName, NewWordList::ListName);
    ASSERT_EQ(session.WordCount, 2);

    ASSERT_EQ(list.add(Abandon).outcome, Outcome::Added);
    EXPECT_EQ(WordListFile::readHeaderByte(list.path()), WordListFile::OpenByte);
    session.WordRecords.requery();
    EXPECT_EQ(session.WordRecords.recordCount(), 3);
    session.WordRecords.moveLast();
    EXPECT_EQ(session.currentWord().word, u"abandon"_s);
    EXPECT_TRUE(session.currentWord().isNewWord());

    session.storeMark(false); // Vocadrill goes on writing to the list
    session.CloseList();
    EXPECT_EQ(WordListFile::readHeaderByte(list.path()), WordListFile::RestByte);
    EXPECT_EQ(rowsOf(list.path()).last(), u"3|abandon|E5bAndEn|vt. 放弃, 抛弃|0"_s);
}

// The window's tests show a library folder that cannot be made.
TEST_F(NewWordListTest, AFileInTheListsPlaceIsNotAWordListAndIsLeftAsItWas) {
    ASSERT_TRUE(QDir().mkpath(collectionFolder()));
    writeFile(list.path(), "my own notes");
    const NewWordList::Result result = list.add(Abandon);
    EXPECT_EQ(result.outcome, Outcome::NotWritten);
    EXPECT_EQ(result.problem, u"未能加入生词本："_s + list.path() + u" 不是单词表"_s);
    EXPECT_EQ(readFile(list.path()), "my own notes");
}

TEST_F(NewWordListTest, AReadOnlyLibraryFolderKeepsItsListAsItWas) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes to read-only folders";
    makeList({1});
    const QByteArray before = readFile(list.path());
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(collectionFolder(), readOnly));

    const NewWordList::Result result = list.add(Abandon);
    QFile::setPermissions(collectionFolder(), readOnly | QFile::WriteOwner);
    EXPECT_EQ(result.outcome, Outcome::NotWritten);
    EXPECT_EQ(result.problem, u"未能加入生词本：无法写入 "_s + list.path());
    EXPECT_EQ(readFile(list.path()), before);
}

// Each reader adds its own words and a few both add; without the lock between them, one's list
// could be replaced by the other's new one, or both could take the same number.
TEST_F(NewWordListTest, TwoReadersAddingAtOnceLoseNoWordAndRepeatNoNumber) {
    QStringList first, second;
    for (int i = 1; i <= 20; ++i) {
        first << u"first%1"_s.arg(i);
        second << u"second%1"_s.arg(i);
        if (i % 5 == 0) first << u"both%1"_s.arg(i), second << u"BOTH%1"_s.arg(i);
    }
    GatedProcesses readers(m_data.path());
    for (const QStringList &words : {first, second})
        readers.start(
            u"NewWordListAdder.DISABLED_AddsAsAnotherReader"_s,
            {{u"NEW_WORD_DATA_FOLDER"_s, dataFolder()}, {u"NEW_WORD_WORDS"_s, words.join(u',')}});
    ASSERT_TRUE(readers.runAll());

    std::set<QString> words;
    QStringList numbers;
    for (const QString &row : rowsOf(list.path())) {
        numbers << row.section(u'|', 0, 0);
        words.insert(row.section(u'|', 1, 1).toLower());
    }
    EXPECT_EQ(words.size(), 44u); // 20 + 20 + the 4 both added once
    EXPECT_EQ(numbers.size(), 44);
    for (int n = 1; n <= numbers.size(); ++n)
        EXPECT_EQ(numbers[n - 1], QString::number(n));
    EXPECT_EQ(WordListFile::readHeaderByte(list.path()), WordListFile::RestByte);
}
