#include "vocab/library/WordLibrary.h"

#include "vocab/VocabTestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

void touch(const QString &path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(WordLibraryTest, MissingOrEmptyWordFolderHasNoCollections) {
    VocabFolders folders;
    EXPECT_TRUE(WordLibrary::scan(folders.programFolder()).empty());
    QDir().mkpath(WordLibrary::wordFolder(folders.programFolder()));
    EXPECT_TRUE(WordLibrary::scan(folders.programFolder()).empty());
}

TEST(WordLibraryTest, CollectionsAndTheirListsAreSortedByName) {
    VocabFolders folders;
    folders.makeList("b词汇", "z", 1);
    folders.makeList("b词汇", "a", 1);
    folders.makeList("a", "only", 1);
    QDir().mkpath(WordLibrary::wordFolder(folders.programFolder()) + "/empty");

    const std::vector<WordLibrary::Collection> library = WordLibrary::scan(folders.programFolder());
    ASSERT_EQ(library.size(), 3u);
    EXPECT_EQ(library[0].name, "a");
    EXPECT_EQ(library[0].lists, QStringList{"only"});
    EXPECT_EQ(library[1].name, "b词汇");
    EXPECT_EQ(library[1].lists, QStringList({"a", "z"}));
    EXPECT_EQ(library[2].name, "empty");
    EXPECT_TRUE(library[2].lists.isEmpty());
}

TEST(WordLibraryTest, OnlyWrdFilesDirectlyInACollectionAreLists) {
    VocabFolders folders;
    const QString word = WordLibrary::wordFolder(folders.programFolder());
    folders.makeList("c", "list", 1);
    folders.makeList("c/deeper", "hidden", 1);
    touch(word + "/loose.wrd");
    touch(word + "/c/notes.txt");
    touch(word + "/c/UPPER.WRD");

    const std::vector<WordLibrary::Collection> library = WordLibrary::scan(folders.programFolder());
    ASSERT_EQ(library.size(), 1u);
    EXPECT_EQ(library[0].lists, QStringList{"list"});
}

TEST(WordLibraryTest, OnlyTheExtensionIsRemovedFromAListName) {
    VocabFolders folders;
    folders.makeList("c", "a.wrd", 1);
    folders.makeList("c", "x.wrd.b", 1);

    const std::vector<WordLibrary::Collection> library = WordLibrary::scan(folders.programFolder());
    ASSERT_EQ(library.size(), 1u);
    EXPECT_EQ(library[0].lists, QStringList({"a.wrd", "x.wrd.b"}));
    EXPECT_EQ(WordLibrary::listPath(folders.programFolder(), "c", "a.wrd"),
              folders.programFolder() + "/word/c/a.wrd.wrd");
}

} // namespace
