#include "platform/TextCodec.h"
#include "reader/Form1.h"
#include "reader/PicturePanel.h"
#include "reader/dictionary/WordPopup.h"
#include "support/FakeSpeech.h"
#include "tests/reader/ReaderFixture.h"
#include "vocab/library/WordListSession.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTimerEvent>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Key = u"1998年试题Part5"_s;

// The reader window over a paper whose article is "yw of <key>\nSecond paragraph." and whose
// questions are "st of <key>".
class Form1WordPopupTest : public ::testing::Test {
protected:
    Form1WordPopupTest() {
        fixture.writeExamStore({Key});
        fixture.writeNotesStore({Key});
        TextCodec::writeGbkTextFile(fixture.files.dictionaryPath(),
                                    u"$of[0v]prep.的$paragraph['p9r2gr1:f]n.段落$st[]街$\n"_s);
        form = std::make_unique<Form1>(fixture.files, speaker);
        form->show();
        form->activateWindow(); // keyboard shortcuts go to the active window
        QCoreApplication::processEvents();
        QTreeWidgetItem *part = form->T1->topLevelItem(1998 - 1995)->child(4);
        part->parent()->setExpanded(true);
        QTest::mouseClick(form->T1->viewport(), Qt::LeftButton, {},
                          form->T1->visualItemRect(part).center());
    }

    // Where the caret lands for a click at the given character of a pane, in its viewport.
    static QPoint pointAt(QTextEdit *pane, int position) {
        QTextCursor cursor = pane->textCursor();
        cursor.setPosition(position);
        return pane->cursorRect(cursor).center() + QPoint(1, 0);
    }

    void clickInArticle(const QString &word) {
        const int inWord = int(form->R1->toPlainText().indexOf(word)) + 1;
        QTest::mouseClick(form->R1->viewport(), Qt::LeftButton, {}, pointAt(form->R1, inWord));
    }

    void pressCtrlD() { QTest::keyClick(form->R1, Qt::Key_D, Qt::ControlModifier); }

    QString statusMessage() const { return form->statusPanel2->text(); }

    QString listPath() const {
        return fixture.files.dataFolder() + u"/word/我的生词本/阅读生词.wrd"_s;
    }

    static void moveMouse(QTextEdit *pane, QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, pane->viewport()->mapToGlobal(point),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pane->viewport(), &move);
    }

    ReaderFixture fixture;
    FakeSpeaker speech;
    Speaker &speaker = speech.speaker;
    std::unique_ptr<Form1> form;
};

} // namespace

TEST_F(Form1WordPopupTest, ClickInTheArticleShowsTheWordBelowRightOfTheMouse) {
    ASSERT_TRUE(form->Picture8->isHidden());
    const int inParagraph = int(form->R1->toPlainText().indexOf(u"paragraph"_s)) + 3;
    const QPoint click = pointAt(form->R1, inParagraph);
    QTest::mouseClick(form->R1->viewport(), Qt::LeftButton, {}, click);

    EXPECT_FALSE(form->Picture8->isHidden());
    EXPECT_EQ(form->Picture8->Label11->text(), u"paragraph"_s);
    EXPECT_EQ(speech.spoken(), QStringList{u"paragraph"_s});
    EXPECT_EQ(form->Picture8->pos(), form->Picture2->pos() + click + QPoint(10, 10));

    moveMouse(form->R1, click + QPoint(0, 40)); // straight down
    EXPECT_FALSE(form->Picture8->isHidden());
    moveMouse(form->R1, click + QPoint(2, 0)); // 30 twips sideways
    EXPECT_TRUE(form->Picture8->isHidden());
}

TEST_F(Form1WordPopupTest, WordNotFoundMovesTheVisiblePopupWithItsOldWord) {
    const QString article = form->R1->toPlainText();
    QTest::mouseClick(form->R1->viewport(), Qt::LeftButton, {},
                      pointAt(form->R1, int(article.indexOf(u"paragraph"_s)) + 3));
    const QPoint click = pointAt(form->R1, int(article.indexOf(u"Second"_s)) + 3);
    QTest::mouseClick(form->R1->viewport(), Qt::LeftButton, {}, click);
    EXPECT_FALSE(form->Picture8->isHidden());
    EXPECT_EQ(form->Picture8->Label11->text(), u"paragraph"_s);
    EXPECT_EQ(form->Picture8->pos(), form->Picture2->pos() + click + QPoint(10, 10));
}

TEST_F(Form1WordPopupTest, ClickInTheLowerPaneIsPlacedFromThePane) {
    const QPoint click = pointAt(form->R2, 1);
    QTest::mouseClick(form->R2->viewport(), Qt::LeftButton, {}, click);
    EXPECT_EQ(form->Picture8->Label11->text(), u"st"_s);
    EXPECT_EQ(form->Picture8->pos(), form->R2->pos() + click + QPoint(10, 10));
}

TEST_F(Form1WordPopupTest, OtherButtonsLookNothingUp) {
    QTest::mouseClick(form->R1->viewport(), Qt::RightButton, {}, pointAt(form->R1, 1));
    EXPECT_TRUE(form->Picture8->isHidden());
    EXPECT_TRUE(speech.spoken().isEmpty());
}

TEST_F(Form1WordPopupTest, AddButtonAndCtrlDPutTheWordInTheNewWordListAndSaySo) {
    clickInArticle(u"paragraph"_s);
    QPushButton *add = form->Picture8->addButton;
    EXPECT_EQ(add->text(), u"加入生词本"_s);
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(add->text(), u"已加入生词本"_s);
    EXPECT_FALSE(add->isEnabled());
    EXPECT_EQ(statusMessage(), u"已加入生词本（我的生词本/阅读生词）：paragraph"_s);
    QTimerEvent momentEnds(form->Picture8->addedTimer->timerId());
    QCoreApplication::sendEvent(form->Picture8->addedTimer, &momentEnds);
    EXPECT_EQ(add->text(), u"已在生词本中"_s);

    clickInArticle(u"of"_s); // a new entry offers the add again
    EXPECT_EQ(add->text(), u"加入生词本"_s);
    EXPECT_TRUE(add->isEnabled());
    pressCtrlD();
    EXPECT_EQ(add->text(), u"已加入生词本"_s);
    pressCtrlD();
    EXPECT_EQ(add->text(), u"已在生词本中"_s);
    EXPECT_EQ(statusMessage(), u"已在生词本中（我的生词本/阅读生词）：of"_s);

    form->Picture8->hide();
    const QByteArray list = readFile(listPath());
    pressCtrlD(); // nothing on show, nothing added
    EXPECT_EQ(readFile(listPath()), list);
}

// Vocadrill started by the reader keeps its library in the data folder.
TEST_F(Form1WordPopupTest, VocadrillReadsTheAddedWordAsTheDictionaryGivesIt) {
    clickInArticle(u"paragraph"_s);
    pressCtrlD();

    WordListSession session(fixture.files.dataFolder());
    session.OpenList(u"我的生词本"_s, u"阅读生词"_s);
    ASSERT_EQ(session.WordCount, 1);
    const WordRecord word = session.currentWord();
    EXPECT_EQ(word.word, u"paragraph"_s);
    EXPECT_EQ(word.phonetic, u"5pArEgrB:f"_s); // the dictionary's 'p9r2gr1:f in the font's code
    EXPECT_EQ(word.meaning, u"n. 段落"_s);
    EXPECT_TRUE(word.isNewWord());
}

// The popup opens below right of the mouse: the way there crosses the pane.
TEST_F(Form1WordPopupTest, MovingTheMouseIntoThePopupKeepsItForItsButton) {
    const int inParagraph = int(form->R1->toPlainText().indexOf(u"paragraph"_s)) + 3;
    const QPoint click = pointAt(form->R1, inParagraph);
    QTest::mouseClick(form->R1->viewport(), Qt::LeftButton, {}, click);
    for (const QPoint step : {QPoint(3, 2), QPoint(8, 6), QPoint(14, 9)})
        moveMouse(form->R1, click + step);
    EXPECT_FALSE(form->Picture8->isHidden());

    moveMouse(form->R1, click + QPoint(-3, 6)); // away from it
    EXPECT_TRUE(form->Picture8->isHidden());
}

TEST_F(Form1WordPopupTest, AWordThatCannotBeAddedIsExplainedInTheStatusLineOnly) {
    const QString wordFolder = fixture.files.dataFolder() + u"/word"_s;
    writeFile(wordFolder, "not a folder");
    clickInArticle(u"paragraph"_s);
    QTest::mouseClick(form->Picture8->addButton, Qt::LeftButton);

    EXPECT_EQ(statusMessage(),
              u"未能加入生词本：无法创建文件夹 "_s + wordFolder + u"/我的生词本"_s);
    EXPECT_FALSE(form->statusTimer->isActive()); // a failure stays on show
    EXPECT_EQ(form->Picture8->addButton->text(), u"加入生词本"_s);
    EXPECT_TRUE(form->Picture8->addButton->isEnabled());
    EXPECT_FALSE(form->Picture8->isHidden());
    EXPECT_EQ(readFile(wordFolder), "not a folder");
}
