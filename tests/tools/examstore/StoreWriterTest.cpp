#include "tools/examstore/StoreWriter.h"

#include "platform/Fonts.h"
#include "platform/Rtf.h"
#include "reader/ExamStore.h"
#include "reader/NoteFormat.h"
#include "reader/NotesStore.h"
#include "reader/PaperCatalog.h"
#include "reader/PaperStores.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QTextCharFormat firstRunFormat(const QTextDocument &doc) {
    return doc.firstBlock().begin().fragment().charFormat();
}

} // namespace

TEST(StoreWriter, ExamStoreHoldsEachPartAsRichTextTheReaderCanShow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("read.dll");
    const std::vector<PaperSources::Part> parts = {
        {"1995年试题Part1",
         "1995/Part1",
         {"**Text 1**\nCities stay __1__ warm.", "1. [A] hot", "1. A 城市更热", "城市热岛"},
         false},
        {"2010年试题Part4", "2010/Part4", {"Write a letter.", "st", "da", "zw"}, false}};
    ASSERT_TRUE(StoreWriter::writeExamStore(path, parts));

    const ExamStore store(PaperStores::connection(path));
    const auto paper = store.fetch("1995年试题Part1");
    ASSERT_TRUE(paper);
    QTextDocument article;
    Rtf::read(paper->yw.toUtf8(), article);
    EXPECT_EQ(article.toPlainText(), "Text 1\nCities stay   1   warm."); // a widened blank
    EXPECT_GT(article.firstBlock().blockFormat().bottomMargin(), 0);     // prose paragraphs breathe
    EXPECT_TRUE(firstRunFormat(article).font().bold());
    EXPECT_EQ(firstRunFormat(article).fontFamilies().toStringList().value(0), Fonts::Arial);
    EXPECT_EQ(firstRunFormat(article).fontPointSize(), 11);

    QTextDocument translation;
    Rtf::read(paper->zw.toUtf8(), translation);
    EXPECT_EQ(translation.toPlainText(), "城市热岛");
    EXPECT_EQ(firstRunFormat(translation).fontFamilies().toStringList().value(0), Fonts::Song);
    EXPECT_EQ(firstRunFormat(translation).fontPointSize(), 10.5);

    EXPECT_TRUE(store.fetch("2010年试题Part4"));
    EXPECT_FALSE(store.fetch("2010年试题Part5"));
    EXPECT_FALSE(ExamStore(path).fetch("1995年试题Part1")); // the store needs its password
}

TEST(StoreWriter, NotesStoreHoldsTheHintForEveryPart) {
    QTemporaryDir dir;
    const QString path = dir.filePath("note.dll");
    ASSERT_TRUE(StoreWriter::writeNotesStore(path, PaperCatalog::allKeys()));

    const NotesStore store(PaperStores::connection(path));
    for (const QString &key : PaperCatalog::allKeys())
        ASSERT_TRUE(store.load(key)) << key.toStdString();
    QTextDocument note;
    Rtf::read(store.load("2004年试题Part2")->toUtf8(), note);
    EXPECT_EQ(note.toPlainText(), NoteFormat::HintText);
    const QTextCharFormat format = firstRunFormat(note);
    EXPECT_EQ(format.fontFamilies().toStringList().value(0), Fonts::Song);
    EXPECT_EQ(format.fontPointSize(), 10);
    EXPECT_EQ(format.foreground().color(), QColor(128, 128, 128));
    EXPECT_EQ(note.firstBlock().blockFormat().leftMargin(), 3); // 45 twips
}

TEST(StoreWriter, UnwritableFolderFails) {
    EXPECT_FALSE(StoreWriter::writeNotesStore("/nonexistent/folder/note.dll", {"k"}));
    EXPECT_FALSE(StoreWriter::writeExamStore("/nonexistent/folder/read.dll", {}));
}
