#include "platform/WordLibrary.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(WordLibraryTest, MissingOrEmptyWordFolderHasNoCollections) {
    const QTemporaryDir program;
    EXPECT_TRUE(WordLibrary::scan(program.path()).empty());
    QDir().mkpath(WordLibrary::wordFolder(program.path()));
    EXPECT_TRUE(WordLibrary::scan(program.path()).empty());
}

TEST(WordLibraryTest, CollectionsHoldTheirWrdFilesSortedByNameWithoutTheExtension) {
    const QTemporaryDir program;
    const QString word = WordLibrary::wordFolder(program.path());
    for (const char *folder : {"/b词汇/deeper", "/a", "/empty"})
        QDir().mkpath(word + QString::fromUtf8(folder));
    for (const char *file : {"/b词汇/z.wrd", "/b词汇/a.wrd.wrd", "/b词汇/deeper/hidden.wrd",
                             "/a/only.wrd", "/loose.wrd", "/a/notes.txt", "/a/UPPER.WRD"})
        writeFile(word + QString::fromUtf8(file));

    const std::vector<WordLibrary::Collection> library = WordLibrary::scan(program.path());
    ASSERT_EQ(library.size(), 3u);
    EXPECT_EQ(library[0].name, "a");
    EXPECT_EQ(library[0].lists, QStringList{"only"});
    EXPECT_EQ(library[1].name, "b词汇");
    EXPECT_EQ(library[1].lists, QStringList({"a.wrd", "z"}));
    EXPECT_EQ(library[2].name, "empty");
    EXPECT_TRUE(library[2].lists.isEmpty());
    EXPECT_EQ(WordLibrary::listPath(program.path(), "b词汇", "a.wrd"), word + "/b词汇/a.wrd.wrd");
}

} // namespace
