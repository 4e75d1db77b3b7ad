#include "tools/examstore/PaperSources.h"

#include "reader/PaperCatalog.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PaperSourcesTest : public ::testing::Test {
protected:
    // Writes every part with texts "<column> <year>/<part>".
    PaperSourcesTest() {
        for (const PaperCatalog::Year &year : PaperCatalog::years())
            for (const QString &part : year.parts)
                writePart(QString::number(year.year) + "/" + part);
    }

    void writePart(const QString &folder) {
        QDir().mkpath(root.filePath(folder));
        for (const QString &column : PaperSources::Columns)
            write(folder + "/" + column + ".txt", (column + " " + folder).toUtf8());
    }

    void write(const QString &relative, const QByteArray &bytes) {
        writeFile(root.filePath(relative), bytes);
    }

    void removeFolder(const QString &folder) { QDir(root.filePath(folder)).removeRecursively(); }

    QTemporaryDir root;
};

} // namespace

TEST_F(PaperSourcesTest, CompleteSourcesGiveAll71PartsInTreeOrder) {
    const PaperSources::Result result = PaperSources::readAll(root.path(), false);
    EXPECT_TRUE(result.errors.isEmpty());
    ASSERT_EQ(result.parts.size(), 71u);
    const PaperSources::Part &part = result.parts.at(19); // 1998 Part5
    EXPECT_EQ(part.key, "1998年试题Part5");
    EXPECT_EQ(part.texts,
              QStringList({"yw 1998/Part5", "st 1998/Part5", "da 1998/Part5", "zw 1998/Part5"}));
    EXPECT_FALSE(part.placeholder);
}

TEST_F(PaperSourcesTest, MissingOrEmptyTextsAreErrors) {
    removeFolder("1997/Part3");
    QFile::remove(root.filePath("2004/Part2/da.txt"));
    write("2010/Part4/zw.txt", " \n\n");
    const PaperSources::Result result = PaperSources::readAll(root.path(), false);
    EXPECT_EQ(result.errors,
              QStringList({"missing: 1997/Part3/yw.txt", "missing: 1997/Part3/st.txt",
                           "missing: 1997/Part3/da.txt", "missing: 1997/Part3/zw.txt",
                           "missing: 2004/Part2/da.txt", "empty: 2010/Part4/zw.txt"}));
}

TEST_F(PaperSourcesTest, PlaceholdersStandInOnlyForMissingFolders) {
    removeFolder("1997/Part3");
    removeFolder("2009");
    write("2004/Part2/st.txt", "");
    const PaperSources::Result result = PaperSources::readAll(root.path(), true);
    EXPECT_EQ(result.errors, QStringList({"empty: 2004/Part2/st.txt"}));
    const auto placeholders = std::count_if(result.parts.begin(), result.parts.end(),
                                            [](const auto &part) { return part.placeholder; });
    EXPECT_EQ(placeholders, 5);
    const PaperSources::Part &part = result.parts.at(12); // 1997 Part3
    EXPECT_TRUE(part.placeholder);
    for (const QString &text : part.texts)
        EXPECT_FALSE(text.trimmed().isEmpty());
}
