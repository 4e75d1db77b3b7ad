#include "reader/dictionary/Dictionary.h"

#include "tests/reader/dictionary/DictionaryFiles.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Entries = u"$abandon[2'b9nd2n]vt.放弃$china['t6ain2]n.瓷器$China['t6ain2]n.中国"
                        u"$with one voice[]异口同声地$sunk[s38k]sink的过去分词$"_s;

class DictionaryTest : public ::testing::Test {
protected:
    Dictionary &read(const QString &entries) {
        m_dictionary.emplace(m_files.write(entries));
        m_dictionary->read();
        return *m_dictionary;
    }

    DictionaryFiles m_files;
    std::optional<Dictionary> m_dictionary;
};

} // namespace

TEST_F(DictionaryTest, FindsHeadwordsIgnoringCaseEarliestFirst) {
    Dictionary &dictionary = read(Entries);
    const qsizetype china = dictionary.find(u"china"_s);
    EXPECT_EQ(dictionary.find(u"China"_s), china);
    EXPECT_EQ(dictionary.find(u"CHINA"_s), china);
    EXPECT_EQ(dictionary.entryAt(china).headword, u"china"_s);
    EXPECT_EQ(dictionary.find(u"With One Voice"_s), dictionary.text().indexOf(u"$with"_s));
}

TEST_F(DictionaryTest, PrefixOrPartOfAHeadwordDoesNotMatch) {
    Dictionary &dictionary = read(Entries);
    EXPECT_EQ(dictionary.find(u"aband"_s), -1);
    EXPECT_EQ(dictionary.find(u"hina"_s), -1);
    EXPECT_EQ(dictionary.find(u"with"_s), -1);
}

TEST_F(DictionaryTest, CutsEntriesIntoHeadwordTranscriptionAndDefinition) {
    Dictionary &dictionary = read(Entries);
    EXPECT_EQ(dictionary.entryAt(dictionary.find(u"abandon"_s)),
              (DictionaryEntry{u"abandon"_s, u"E5bAndEn"_s, u"vt.放弃"_s}));
    EXPECT_EQ(dictionary.entryAt(dictionary.find(u"sunk"_s)),
              (DictionaryEntry{u"sunk"_s, u"sQNk"_s, u"sink的过去分词"_s}));
    EXPECT_EQ(dictionary.entryAt(dictionary.find(u"with one voice"_s)),
              (DictionaryEntry{u"with one voice"_s, {}, u"异口同声地"_s}));
}

TEST_F(DictionaryTest, StressMarkAndDigitFiveTranscodeApart) {
    Dictionary &dictionary = read(u"$these['5i:z]代词 [复数]$"_s);
    EXPECT_EQ(dictionary.entryAt(dictionary.find(u"these"_s)),
              (DictionaryEntry{u"these"_s, u"5Ti:z"_s, u"代词 [复数]"_s}));
}

TEST_F(DictionaryTest, LastEntryWithoutClosingMarkRunsToTheEnd) {
    Dictionary &dictionary = read(u"$a[ei]一$odd[0d]奇数"_s);
    EXPECT_EQ(dictionary.entryAt(dictionary.find(u"odd"_s)).definition, u"奇数"_s);
}

TEST_F(DictionaryTest, MissingFileFindsNothing) {
    Dictionary dictionary(m_files.path());
    dictionary.read();
    EXPECT_EQ(dictionary.find(u"abandon"_s), -1);
    EXPECT_EQ(dictionary.find(QString()), -1);
}

TEST_F(DictionaryTest, OnlyTheFirstLineIsRead) {
    Dictionary &dictionary = read(u"$a[ei]一$\n$b[bi:]二$"_s);
    EXPECT_EQ(dictionary.find(u"b"_s), -1);
}

TEST_F(DictionaryTest, PicksUpAChangedOrRemovedFile) {
    Dictionary &dictionary = read(Entries);
    m_files.write(u"$abandon[]放弃$"_s);
    dictionary.read();
    EXPECT_EQ(dictionary.find(u"china"_s), -1);
    EXPECT_EQ(dictionary.entryAt(dictionary.find(u"abandon"_s)).definition, u"放弃"_s);

    // Same size, new modification time.
    m_files.write(u"$abandon[]抛弃$"_s);
    QFile file(m_files.path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    file.close();
    dictionary.read();
    EXPECT_EQ(dictionary.entryAt(dictionary.find(u"abandon"_s)).definition, u"抛弃"_s);

    QFile::remove(m_files.path());
    dictionary.read();
    EXPECT_EQ(dictionary.find(u"abandon"_s), -1);
}

// The index must answer exactly as a left-to-right search of the text does, also where "$"
// and "[" stand inside definitions or candidates.
TEST_F(DictionaryTest, AgreesWithAPlainSearchOfTheText) {
    Dictionary &dictionary =
        read(u"$a[ei]x $b[ $B[bi:]y$$c[]$[]empty$d$e[]f$Straße[]z$e[]again$x[y$z[]"_s);
    const QStringList candidates = {u"a"_s,   u"b"_s, u"B"_s,       u"c"_s,      QString(),
                                    u"d$e"_s, u"e"_s, u"STRASSE"_s, u"straße"_s, u"x[y"_s,
                                    u"y$z"_s, u"z"_s, u"b[ $B"_s,   u"q"_s,      u"a[ei]x $b"_s};
    for (const QString &candidate : candidates)
        EXPECT_EQ(dictionary.find(candidate),
                  dictionary.text().indexOf(u'$' + candidate + u'[', 0, Qt::CaseInsensitive))
            << qPrintable(candidate);
}

TEST(Dictionary, ADictionaryOfTextKeepsItWithoutAFile) {
    Dictionary dictionary = Dictionary::ofText(u"$a[ei]一$b[bi:]二$"_s);
    dictionary.read();
    EXPECT_EQ(dictionary.entryAt(dictionary.find(u"B"_s)),
              (DictionaryEntry{u"b"_s, u"bi:"_s, u"二"_s}));
}
