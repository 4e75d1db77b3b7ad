#include "platform/RecordSet.h"

#include "platform/ConnectionString.h"
#include "platform/Database.h"
#include "platform/WordListFile.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString WholeList = QStringLiteral("select * from vocamarkhome order by [序号]");

// A word list of count words, "word1" … in reverse insertion order, with the given numbers
// marked as new words; opened (header byte restored) as the drill would open it.
class WordListFixture : public ::testing::Test {
protected:
    void makeList(int count, const QList<int> &marked = {}) {
        std::vector<WordListFile::WordRow> rows;
        for (int n = count; n >= 1; --n)
            rows.push_back({n, QString("word%1").arg(n), n % 2 ? "5stQdi" : "",
                            QString("释义%1").arg(n), marked.contains(n) ? "1" : "0"});
        ASSERT_TRUE(WordListFile::create(path(), rows));
        ASSERT_TRUE(WordListFile::writeHeaderByte(path(), WordListFile::OpenByte));
    }
    QString path() const { return dir.filePath("list.wrd"); }
    QString connection() const { return ConnectionString::make(path()); }
    bool open(RecordSet &set, const QString &sql = WholeList) {
        set.setLockType(RecordSet::LockType::Optimistic);
        const bool ok = set.open(sql, connection(), RecordSet::CursorType::Keyset);
        set.requery();
        return ok;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(WordListFixture, RangeAndNewWordFilterSelectInNumberOrder) {
    makeList(120, {12, 15, 30});
    RecordSet set;
    ASSERT_TRUE(open(set, "select * from vocamarkhome where [序号] between 10 and 20 "
                          "order by [序号]"));
    EXPECT_EQ(set.recordCount(), 11);
    EXPECT_EQ(set.field("单词"), QString("word10"));
    set.moveLast();
    EXPECT_EQ(set.field("序号"), QString("20"));

    ASSERT_TRUE(open(set, "select * from vocamarkhome where [序号] between 10 and 20 and  "
                          "[过滤] = '1' order by [序号]"));
    EXPECT_EQ(set.recordCount(), 2);
    EXPECT_EQ(set.field("序号"), QString("12"));
    set.moveNext();
    EXPECT_EQ(set.field("序号"), QString("15"));
    set.moveNext();
    EXPECT_TRUE(set.eof());
    EXPECT_EQ(set.field("单词"), QString());
}

TEST_F(WordListFixture, MovesForwardBackwardAndByN) {
    makeList(10);
    RecordSet set;
    ASSERT_TRUE(open(set));
    EXPECT_EQ(set.recordCount(), 10);
    EXPECT_EQ(set.field("序号"), QString("1"));
    set.move(4);
    EXPECT_EQ(set.field("序号"), QString("5"));
    set.movePrevious();
    EXPECT_EQ(set.field("序号"), QString("4"));
    set.move(-3);
    EXPECT_EQ(set.field("序号"), QString("1"));
    set.movePrevious();
    EXPECT_TRUE(set.bof());
    set.moveNext();
    EXPECT_EQ(set.field("序号"), QString("1"));
    set.moveLast();
    EXPECT_EQ(set.field("单词"), QString("word10"));
    EXPECT_EQ(set.absolutePosition(), 10);
    set.moveFirst();
    EXPECT_EQ(set.field("音标"), QString("5stQdi"));
    EXPECT_EQ(set.field("过滤"), QString("0"));
    EXPECT_EQ(set.field("no such column"), QString());
}

TEST_F(WordListFixture, FieldWriteIsStoredByMoveUpdateAndClose) {
    makeList(5);
    {
        RecordSet set;
        ASSERT_TRUE(open(set));
        set.setField("过滤", "1"); // stored by the move
        EXPECT_EQ(set.field("过滤"), QString("1"));
        set.moveNext();
        set.setField("过滤", "1"); // stored by update
        set.update();
        set.moveNext();
        set.setField("过滤", "1"); // stored by close
        set.close();
    }
    RecordSet reopened;
    ASSERT_TRUE(open(reopened, "select * from vocamarkhome where [序号] between 1 and 5 and  "
                               "[过滤] = '1' order by [序号]"));
    EXPECT_EQ(reopened.recordCount(), 3);
    reopened.moveLast();
    EXPECT_EQ(reopened.field("序号"), QString("3"));
}

TEST_F(WordListFixture, RequeryShowsTheCurrentFileFromTheFirstRow) {
    makeList(3);
    RecordSet set;
    ASSERT_TRUE(open(set, "select * from vocamarkhome where [过滤] = '1' order by [序号]"));
    EXPECT_EQ(set.recordCount(), 0);
    RecordSet other;
    ASSERT_TRUE(open(other));
    other.setField("过滤", "1");
    other.close();
    set.requery();
    EXPECT_EQ(set.recordCount(), 1);
    EXPECT_EQ(set.field("单词"), QString("word1"));
}

TEST_F(WordListFixture, ClosedSetIgnoresEverything) {
    makeList(3);
    RecordSet set;
    ASSERT_TRUE(open(set));
    set.close();
    set.moveNext();
    set.move(2);
    set.setField("过滤", "1");
    set.update();
    set.requery();
    EXPECT_FALSE(set.isOpen());
    EXPECT_EQ(set.recordCount(), 0);
    EXPECT_EQ(set.field("单词"), QString());
    EXPECT_TRUE(set.eof());

    RecordSet neverOpened;
    neverOpened.moveFirst();
    EXPECT_EQ(neverOpened.field("单词"), QString());
}

TEST_F(WordListFixture, BadFilesOpenAsFailedAndStayUntouched) {
    RecordSet set;
    EXPECT_FALSE(set.open(WholeList, ConnectionString::make(dir.filePath("missing.wrd"))));
    EXPECT_FALSE(QFile::exists(dir.filePath("missing.wrd")));

    const QString junk = dir.filePath("junk.wrd");
    writeFile(junk, QByteArray(3000, 'j'));
    EXPECT_FALSE(set.open(WholeList, ConnectionString::make(junk)));
    EXPECT_EQ(QFile(junk).size(), 3000);

    makeList(3);
    ASSERT_TRUE(WordListFile::writeHeaderByte(path(), WordListFile::RestByte));
    EXPECT_FALSE(set.open(WholeList, connection())); // a list at rest is not a database
    EXPECT_FALSE(set.open(WholeList, ConnectionString::make(dir.path()))); // a folder
    EXPECT_FALSE(set.open("select * from nosuchtable", connection()));
    EXPECT_EQ(set.recordCount(), 0);
}

TEST(ConnectionString, ReadsSourceAndPassword) {
    const auto plain = ConnectionString::parse(
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/x/word/2011研究生大纲词汇/a;b.wrd;");
    EXPECT_EQ(plain.dataSource, QStringLiteral("/x/word/2011研究生大纲词汇/a;b.wrd"));
    EXPECT_TRUE(plain.password.isEmpty());

    const auto store = ConnectionString::parse("Provider=Microsoft.Jet.OLEDB.4.0;Data "
                                               "Source=/d/Lumenfold/read.dll;Jet OLEDB:Database "
                                               "Password=qm1987;");
    EXPECT_EQ(store.dataSource, QString("/d/Lumenfold/read.dll"));
    EXPECT_EQ(store.password, QString("qm1987"));
    EXPECT_EQ(ConnectionString::make("/d/Lumenfold/read.dll", "qm1987"),
              QString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/d/Lumenfold/read.dll;Jet "
                      "OLEDB:Database Password=qm1987;"));
}

TEST_F(WordListFixture, LockedListOpensAsFailedAndKeepsItsRows) {
    makeList(3);
    Database holder;
    ASSERT_TRUE(holder.open(connection()));
    ASSERT_TRUE(holder.exec("begin exclusive"));
    RecordSet set;
    EXPECT_FALSE(set.open(WholeList, connection()));
    EXPECT_EQ(set.recordCount(), 0);
    ASSERT_TRUE(holder.exec("rollback"));
    holder.close();
    EXPECT_TRUE(open(set));
    EXPECT_EQ(set.recordCount(), 3);
}
