#include "vocab/library/WordLibrary.h"

#include "support/TestFiles.h"
#include "vocab/VocabTestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(WordLibraryTest, MissingOrEmptyWordFolderHasNoCollections) {
    VocabFolders folders;
    EXPECT_TRUE(WordLibrary::scan(folders.programFolder()).empty());
    QDir().mkpath(WordLibrary::wordFolder(folders.programFolder()));
    EXPECT_TRUE(WordLibrary::scan(folders.programFolder()).empty());
}

TEST(WordLibraryTest, CollectionsHoldTheirWrdFilesSortedByNameWithoutTheExtension) {
    VocabFolders folders;
    const QString word = WordLibrary::wordFolder(folders.programFolder());
    folders.makeList("b词汇", "z", 1);
    folders.makeList("b词汇", "a.wrd", 1);
    folders.makeList("b词汇/deeper", "hidden", 1);
    folders.makeList("a", "only", 1);
    QDir().mkpath(word + "/empty");
    for (const char *other : {"/loose.wrd", "/a/notes.txt", "/a/UPPER.WRD"})
        writeFile(word + QString::fromUtf8(other));

    const std::vector<WordLibrary::Collection> library = WordLibrary::scan(folders.programFolder());
    ASSERT_EQ(library.size(), 3u);
    EXPECT_EQ(library[0].name, "a");
    EXPECT_EQ(library[0].lists, QStringList{"only"});
    EXPECT_EQ(library[1].name, "b词汇");
    EXPECT_EQ(library[1].lists, QStringList({"a.wrd", "z"}));
    EXPECT_EQ(library[2].name, "empty");
    EXPECT_TRUE(library[2].lists.isEmpty());
    EXPECT_EQ(WordLibrary::listPath(folders.programFolder(), "b词汇", "a.wrd"),
              word + "/b词汇/a.wrd.wrd");
}

} // namespace
