#include "tools/dictgen/DefaultWordList.h"

#include "platform/ConnectionString.h"
#include "platform/Database.h"
#include "reader/dictionary/DefinitionSenses.h"
#include "reader/dictionary/Dictionary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString generated(const QString &name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(u"../generated/"_s + name);
}

} // namespace

// The reader collects a word with the meaning it derives from the dictionary's definition; for
// the words of the default list that is the meaning the list gives them.
TEST(GeneratedWordList, AWordCollectedFromTheDictionaryCarriesTheListsMeaning) {
    QTemporaryDir dir;
    const QString list = dir.filePath(u"list.wrd"_s);
    if (!QFile::copy(generated(u"default-list.wrd"_s), list) ||
        !QFile::exists(generated(u"mswrd.wd"_s)))
        GTEST_SKIP() << "no generated dictionary and word list";
    ASSERT_TRUE(WordListFile::writeHeaderByte(list, WordListFile::OpenByte));
    Database db;
    ASSERT_TRUE(db.open(ConnectionString::make(list)));
    const Database::Result rows = db.query(u"select [单词], [释义] from vocamarkhome"_s);
    ASSERT_TRUE(rows.ok);
    Dictionary dictionary(generated(u"mswrd.wd"_s));
    dictionary.read();

    QStringList differing;
    for (const QStringList &row : rows.rows) {
        const qsizetype position = dictionary.find(row[0]);
        ASSERT_GE(position, 0) << qPrintable(row[0]);
        const QString definition = dictionary.entryAt(position).definition;
        if (DefinitionSenses::listMeaning(DefinitionSenses::linesOf(definition)) != row[1])
            differing << row[0];
    }
    EXPECT_GT(rows.rows.size(), 5000u);
    // being's entry puts its form note first ("be的现在分词 n. 存在, …").
    EXPECT_EQ(differing, QStringList{u"being"_s});
}
