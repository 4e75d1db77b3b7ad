#include "platform/TextCodec.h"
#include "reader/Form1.h"
#include "reader/PicturePanel.h"
#include "reader/dictionary/WordPopup.h"
#include "support/FakeSpeech.h"
#include "tests/reader/ReaderFixture.h"

#include <QLabel>
#include <QTest>
#include <QTextEdit>
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
