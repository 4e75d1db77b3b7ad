#include "reader/Form1.h"

#include "ReaderFixture.h"
#include "platform/Fonts.h"
#include "platform/Rtf.h"
#include "platform/Speaker.h"
#include "platform/Twips.h"
#include "reader/Form1Layout.h"
#include "reader/NoteFormat.h"
#include "reader/NotesStore.h"
#include "reader/PageOpener.h"
#include "reader/PaperCatalog.h"
#include "reader/PicturePanel.h"
#include "reader/dictionary/WordPopup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString Key1998Part4 = QStringLiteral("1998年试题Part4");
const QString Key1998Part5 = QStringLiteral("1998年试题Part5");
const QString Key2004Part2 = QStringLiteral("2004年试题Part2");

class Form1Test : public ::testing::Test {
protected:
    Form1Test() {
        fixture.writeExamStore({Key1998Part4, Key1998Part5, Key2004Part2});
        fixture.writeNotesStore(PaperCatalog::allKeys());
        form = std::make_unique<Form1>(fixture.files, speaker);
        form->show();
        form->activateWindow(); // keyboard shortcuts go to the active window
        QCoreApplication::processEvents();
    }

    QTreeWidgetItem *yearNode(int year) const { return form->T1->topLevelItem(year - 1995); }

    QTreeWidgetItem *partNode(int year, int part) const { return yearNode(year)->child(part - 1); }

    // A mouse click on a node, as the student gives it; a part's year is opened first.
    void clickNode(QTreeWidgetItem *node) {
        if (node->parent()) node->parent()->setExpanded(true);
        form->T1->scrollToItem(node);
        QTest::mouseClick(form->T1->viewport(), Qt::LeftButton, {},
                          form->T1->visualItemRect(node).center());
    }

    void clickTab(int tab) {
        QTabBar *bar = form->Tab1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab - 1).center());
    }

    void clickToolbarButton(int index) {
        QAction *button = form->Toolbar1->actions().at(index - 1);
        QTest::mouseClick(form->Toolbar1->widgetForAction(button), Qt::LeftButton);
    }

    void doubleClickLowerPane() {
        QTest::mouseDClick(form->R2->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
    }

    void pressCtrlS() { QTest::keyClick(form->R2, Qt::Key_S, Qt::ControlModifier); }

    QString statusMessage() const { return form->statusPanel2->text(); }

    QString upperText() const { return form->R1->toPlainText(); }
    QString lowerText() const { return form->R2->toPlainText(); }

    bool showsCover() const {
        return form->Picture1->isVisibleTo(form.get()) && !form->Picture2->isVisibleTo(form.get());
    }

    QString storedNote(const QString &key) const {
        QTextDocument doc;
        Rtf::read(NotesStore(fixture.files.notesStoreConnection()).load(key).value_or("").toUtf8(),
                  doc);
        return doc.toPlainText();
    }

    ReaderFixture fixture;
    Speaker speaker{{}, Speaker::Silent};
    std::unique_ptr<Form1> form;
};

} // namespace

TEST_F(Form1Test, OpensWithCaptionCollapsedTreeAndCover) {
    EXPECT_EQ(form->windowTitle(), "Examvault(1995-2010) V2.0");
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    ASSERT_EQ(form->T1->topLevelItemCount(), 16);
    for (int i = 0; i < 16; ++i) {
        EXPECT_FALSE(form->T1->topLevelItem(i)->isExpanded());
        EXPECT_EQ(form->T1->topLevelItem(i)->data(0, Qt::UserRole), QString("n%1").arg(1995 + i));
    }
    EXPECT_EQ(yearNode(2002)->text(0), "2002年试题");
    EXPECT_EQ(partNode(1998, 5)->text(0), "Part5");
    EXPECT_FALSE(yearNode(1995)->icon(0).isNull());
    EXPECT_FALSE(partNode(1995, 1)->icon(0).isNull());
    EXPECT_TRUE(showsCover());
    QStringList tabs;
    for (int i = 0; i < form->Tab1->count(); ++i)
        tabs << form->Tab1->tabText(i);
    EXPECT_EQ(tabs, QStringList({"试  题", "答案解析", "全文翻译", "学习笔记"}));
}

TEST_F(Form1Test, YearClickTogglesTheYearAndShowsTheCover) {
    clickNode(partNode(1998, 5));
    clickNode(yearNode(2002));
    EXPECT_TRUE(yearNode(2002)->isExpanded());
    EXPECT_EQ(yearNode(2002)->childCount(), 4);
    EXPECT_TRUE(showsCover());
    EXPECT_TRUE(lowerText().isEmpty());

    clickNode(yearNode(2002));
    EXPECT_FALSE(yearNode(2002)->isExpanded());
}

TEST_F(Form1Test, PartClickShowsArticleAndQuestionsOnTheFirstTab) {
    clickTab(Form1::TranslationTab);
    clickNode(partNode(1998, 5));
    EXPECT_EQ(form->selectedKey(), Key1998Part5);
    EXPECT_FALSE(showsCover());
    EXPECT_TRUE(form->Picture2->isVisibleTo(form.get()));
    EXPECT_EQ(upperText(), "yw of " + Key1998Part5 + "\nSecond paragraph.");
    EXPECT_EQ(lowerText(), "st of " + Key1998Part5);
    EXPECT_EQ(form->selectedTab(), Form1::QuestionsTab);
    EXPECT_TRUE(form->R2->isReadOnly());
    EXPECT_EQ(form->statusPanel1->text(), "1998年试题 Part5");
}

TEST_F(Form1Test, SwitchingTabsChangesOnlyTheLowerPane) {
    clickNode(partNode(2004, 2));
    clickTab(Form1::TranslationTab);
    EXPECT_EQ(lowerText(), "zw of " + Key2004Part2);
    EXPECT_TRUE(form->R2->isReadOnly());
    clickTab(Form1::AnswersTab);
    EXPECT_EQ(lowerText(), "da of " + Key2004Part2);
    form->R2->setPlainText("scribbled over");
    clickTab(Form1::AnswersTab); // the same tab again reloads it
    EXPECT_EQ(lowerText(), "da of " + Key2004Part2);
    EXPECT_EQ(upperText(), "yw of " + Key2004Part2 + "\nSecond paragraph.");
}

TEST_F(Form1Test, TabClickWhileAYearIsSelectedLeavesTheLowerPaneEmpty) {
    clickNode(partNode(2004, 2));
    clickNode(yearNode(2005));
    for (int tab : {Form1::AnswersTab, Form1::QuestionsTab, Form1::NotesTab}) {
        clickTab(tab);
        EXPECT_TRUE(lowerText().isEmpty()) << tab;
    }
}

TEST_F(Form1Test, PartWithoutARowKeepsThePanesAndStillSelectsTheFirstTab) {
    clickNode(partNode(2004, 2));
    clickTab(Form1::TranslationTab);
    clickNode(partNode(2010, 1)); // no row in this store
    EXPECT_EQ(upperText(), "yw of " + Key2004Part2 + "\nSecond paragraph.");
    EXPECT_EQ(form->selectedTab(), Form1::QuestionsTab);
    EXPECT_TRUE(lowerText().isEmpty());
    EXPECT_TRUE(form->R2->isReadOnly());
}

TEST_F(Form1Test, NotesTabShowsTheHintOnlyAsThePlaceholder) {
    clickNode(partNode(1998, 5));
    clickTab(Form1::NotesTab);
    EXPECT_TRUE(lowerText().isEmpty());
    EXPECT_EQ(form->R2->placeholderText(), NoteFormat::HintText);
    EXPECT_FALSE(form->R2->isReadOnly());
    EXPECT_TRUE(form->R2->hasFocus());
    clickTab(Form1::NotesTab); // left unchanged: not rewritten
    EXPECT_TRUE(statusMessage().isEmpty());

    QTest::keyClicks(form->R2, "mine");
    pressCtrlS();
    EXPECT_EQ(storedNote(Key1998Part5), "mine"); // the hint is not part of it

    clickTab(Form1::QuestionsTab);
    EXPECT_TRUE(form->R2->placeholderText().isEmpty());
}

TEST_F(Form1Test, SavedNoteSurvivesSwitchingPartsAndReopeningTheStore) {
    clickNode(partNode(1998, 5));
    clickTab(Form1::NotesTab);
    QTextCharFormat ownStyle; // whatever the student set, the saved note is plain grey Song
    ownStyle.setFontFamilies({Fonts::Arial});
    ownStyle.setFontPointSize(16);
    ownStyle.setFontWeight(QFont::Bold);
    ownStyle.setFontItalic(true);
    ownStyle.setForeground(Qt::red);
    form->R2->setCurrentCharFormat(ownStyle);
    QTest::keyClicks(form->R2, "Heat island: cities stay warm");
    doubleClickLowerPane();
    // The caret goes to the start with nothing selected, so typing on replaces no word.
    EXPECT_FALSE(form->R2->textCursor().hasSelection());
    EXPECT_EQ(form->R2->textCursor().position(), 0);
    EXPECT_EQ(statusMessage(), "笔记已保存");
    EXPECT_TRUE(form->statusTimer->isActive()); // the message passes

    clickNode(partNode(2004, 2));
    EXPECT_EQ(form->selectedTab(), Form1::QuestionsTab);
    EXPECT_EQ(lowerText(), "st of " + Key2004Part2);
    EXPECT_TRUE(form->R2->isReadOnly());

    clickNode(partNode(1998, 5));
    clickTab(Form1::NotesTab);
    EXPECT_EQ(lowerText(), "Heat island: cities stay warm");
    EXPECT_EQ(form->R2->textCursor().position(), lowerText().size()); // the caret at the end
    QTextCursor cursor(form->R2->document());
    cursor.movePosition(QTextCursor::End);
    const QTextCharFormat format = cursor.charFormat();
    EXPECT_EQ(format.foreground().color().rgb(), NoteFormat::workspaceGrey().rgb());
    EXPECT_EQ(format.fontPointSize(), 10.0);
    EXPECT_EQ(format.fontFamilies().toStringList().value(0), Fonts::Song);
    EXPECT_FALSE(format.font().bold());
    EXPECT_FALSE(format.fontItalic());

    EXPECT_EQ(storedNote(Key1998Part5), "Heat island: cities stay warm");
    EXPECT_EQ(storedNote(Key2004Part2), NoteFormat::HintText);
}

// Dragging across the tree selects another part without a click, so the pane still holds the
// note of the part it was opened for.
TEST_F(Form1Test, NoteIsSavedToThePartItWasOpenedFor) {
    clickNode(partNode(1998, 5));
    clickTab(Form1::NotesTab);
    QTest::keyClicks(form->R2, "mine");
    form->T1->setCurrentItem(partNode(2004, 2));
    doubleClickLowerPane();
    EXPECT_EQ(storedNote(Key1998Part5), "mine");
    EXPECT_EQ(storedNote(Key2004Part2), NoteFormat::HintText);

    form->statusPanel2->clear();
    clickNode(yearNode(2005)); // the pane is emptied: it holds no part's note now
    EXPECT_TRUE(form->R2->isReadOnly());
    doubleClickLowerPane();
    pressCtrlS();
    EXPECT_EQ(storedNote(Key1998Part5), "mine");
    EXPECT_TRUE(statusMessage().isEmpty());
}

TEST_F(Form1Test, UnsavedNoteIsSavedWhenTheStudentMovesOnOrCloses) {
    clickNode(partNode(1998, 5));
    clickTab(Form1::NotesTab);
    QTest::keyClicks(form->R2, "on tab change");
    clickTab(Form1::AnswersTab);
    EXPECT_EQ(storedNote(Key1998Part5), "on tab change");
    EXPECT_EQ(statusMessage(), "笔记已保存");

    clickTab(Form1::NotesTab);
    QTest::keyClicks(form->R2, ", on part change");
    clickNode(partNode(2004, 2));
    EXPECT_EQ(storedNote(Key1998Part5), "on tab change, on part change");

    clickTab(Form1::NotesTab);
    QTest::keyClicks(form->R2, "on year click");
    clickNode(yearNode(2005));
    EXPECT_EQ(storedNote(Key2004Part2), "on year click");

    clickNode(partNode(2004, 2));
    clickTab(Form1::NotesTab);
    QTest::keyClicks(form->R2, ", on closing");
    form->close();
    EXPECT_EQ(storedNote(Key2004Part2), "on year click, on closing");
}

TEST_F(Form1Test, SaveThatFailsSaysSoAndIsTriedAgainOnLeaving) {
    clickNode(partNode(1998, 5));
    clickTab(Form1::NotesTab);
    QTest::keyClicks(form->R2, "kept in the pane");
    const QByteArray store = readFile(fixture.files.notesStorePath());
    writeFile(fixture.files.notesStorePath(), "not a store any more");
    pressCtrlS();
    EXPECT_EQ(statusMessage(), "笔记未能保存：无法写入学习笔记文件");
    EXPECT_FALSE(form->statusTimer->isActive()); // a failure stays on show
    EXPECT_EQ(lowerText(), "kept in the pane");

    writeFile(fixture.files.notesStorePath(), store);
    clickTab(Form1::QuestionsTab);
    EXPECT_EQ(storedNote(Key1998Part5), "kept in the pane");
    EXPECT_EQ(statusMessage(), "笔记已保存");
}

TEST_F(Form1Test, DoubleClickOnTheOtherTabsChangesNothing) {
    clickNode(partNode(2004, 2));
    for (int tab : {Form1::QuestionsTab, Form1::AnswersTab, Form1::TranslationTab}) {
        clickTab(tab);
        const QString before = form->R2->toHtml();
        doubleClickLowerPane();
        pressCtrlS();
        EXPECT_EQ(form->R2->toHtml(), before) << tab;
    }
    EXPECT_EQ(storedNote(Key2004Part2), NoteFormat::HintText);
    EXPECT_TRUE(statusMessage().isEmpty());
}

TEST_F(Form1Test, KeysInTheTreeLoadThePartTheyReach) {
    clickNode(partNode(1998, 5));
    clickTab(Form1::TranslationTab);
    form->T1->setFocus();
    QTest::keyClick(form->T1, Qt::Key_Up);
    EXPECT_EQ(form->selectedKey(), Key1998Part4);
    EXPECT_EQ(upperText(), "yw of " + Key1998Part4 + "\nSecond paragraph.");
    EXPECT_EQ(lowerText(), "st of " + Key1998Part4);
    EXPECT_EQ(form->selectedTab(), Form1::QuestionsTab);
    EXPECT_EQ(form->statusPanel1->text(), "1998年试题 Part4");

    for (int part = 4; part > 0; --part)
        QTest::keyClick(form->T1, Qt::Key_Up);
    EXPECT_EQ(form->T1->currentItem(), yearNode(1998));
    EXPECT_TRUE(showsCover());
    EXPECT_TRUE(lowerText().isEmpty());
    EXPECT_TRUE(form->statusPanel1->text().isEmpty());
    EXPECT_TRUE(yearNode(1998)->isExpanded()); // only a click opens and closes a year
}

TEST_F(Form1Test, WordPopupGoesWhenThePanesChangeOrOnEscape) {
    clickNode(partNode(1998, 5));
    form->Picture8->show();
    clickTab(Form1::AnswersTab);
    EXPECT_TRUE(form->Picture8->isHidden());

    form->Picture8->show();
    clickNode(partNode(2004, 2));
    EXPECT_TRUE(form->Picture8->isHidden());

    form->Picture8->show();
    QTest::keyClick(form->R2, Qt::Key_Escape);
    EXPECT_TRUE(form->Picture8->isHidden());
}

TEST_F(Form1Test, AllFourTabsShowTheirProseInOneFace) {
    clickNode(partNode(2004, 2));
    for (int tab : {Form1::QuestionsTab, Form1::AnswersTab, Form1::TranslationTab}) {
        clickTab(tab);
        const QTextCharFormat format =
            form->R2->document()->firstBlock().begin().fragment().charFormat();
        EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{Fonts::Song}) << tab;
    }
}

TEST_F(Form1Test, ArticleTextKeepsClearOfTheMarginLine) {
    clickNode(partNode(1998, 5));
    form->showNormal();
    for (const QSize size : {QSize(1600, 1000), QSize(1024, 700), QSize(640, 480)}) {
        form->resize(size);
        QCoreApplication::processEvents();
        const QRect firstLetter = form->R1->cursorRect(QTextCursor(form->R1->document()));
        const int left = form->R1->viewport()->mapTo(form->Picture2, firstLetter.topLeft()).x();
        EXPECT_GT(left, form->Picture2->marginLineX() + 8) << size.width();
    }
}

TEST_F(Form1Test, ResizeLaysTheControlsOutByTheWindowSize) {
    form->showNormal();
    form->resize(1200, 900);
    QCoreApplication::processEvents();
    const QSize outer = form->frameGeometry().size();
    const Form1Layout expected =
        Form1Layout::forWindow(Twips::fromPixels(outer.width()), Twips::fromPixels(outer.height()));
    EXPECT_EQ(form->T1->geometry(), Twips::toPixels(expected.T1));
    EXPECT_EQ(form->Tab1->geometry(), Twips::toPixels(expected.Tab1));
    EXPECT_EQ(form->R2->geometry(), Twips::toPixels(expected.R2));
    EXPECT_EQ(form->R1->geometry(), Twips::toPixels(expected.R1));
}

TEST_F(Form1Test, ClosingTheWindowRemovesTheExamStoreAndKeepsTheNotes) {
    form->close();
    EXPECT_FALSE(QFileInfo::exists(fixture.files.examStorePath()));
    EXPECT_TRUE(QFileInfo::exists(fixture.files.notesStorePath()));
}

TEST_F(Form1Test, PagesOpenFromTheUsersTemporaryFolderOrInTheBuiltInViewer) {
    QList<QUrl> handed;
    bool desktopFails = false;
    form->pageOpener().setDesktopOpen([&](const QUrl &page, std::function<void()> failed) {
        handed << page;
        if (desktopFails) failed();
    });
    const QString temp = fixture.paths.tempFolder();
    form->openHomePage();
    EXPECT_EQ(handed, QList<QUrl>{QUrl::fromLocalFile(temp + "examvault-about.htm")});
    EXPECT_EQ(form->pageOpener().viewer(), nullptr);

    desktopFails = true;
    form->openHelpPage();
    const QTextBrowser *viewer = form->pageOpener().viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->source(), QUrl::fromLocalFile(temp + "examvault-help.htm"));
    EXPECT_EQ(viewer->windowTitle(), "Examvault 操作帮助");

    // Something else in the temporary folder's place: the page shows from inside the reader.
    ASSERT_TRUE(QDir(temp).removeRecursively());
    writeFile(temp.chopped(1), "in the way");
    form->openHomePage();
    EXPECT_EQ(handed.size(), 2);
    EXPECT_EQ(viewer->source(), QUrl("qrc:/reader/about.htm"));
}

TEST_F(Form1Test, VocadrillThatCannotBeWrittenIsReportedAndTheReaderStays) {
    // A folder in the program's place: neither writable as a file nor startable.
    ASSERT_TRUE(QDir().mkpath(fixture.files.vocadrillPath()));
    clickToolbarButton(1);
    EXPECT_EQ(form->statusPanel2->text(),
              "无法写出 Vocadrill 程序：" + fixture.paths.dataFolder() + "/Vocadrill");
    EXPECT_FALSE(form->isMinimized());
}

TEST_F(Form1Test, VocadrillThatCannotBeStartedIsReportedAndTheReaderStays) {
    clickToolbarButton(1); // the stand-in resource is written, but it is no program
    EXPECT_EQ(readFile(fixture.files.vocadrillPath()), ReaderFixture::resourceBytes(105));
    EXPECT_EQ(form->statusPanel2->text(),
              "无法启动 Vocadrill 程序：" + fixture.paths.dataFolder() + "/Vocadrill");
    EXPECT_FALSE(form->isMinimized());
}
