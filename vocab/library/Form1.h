#pragma once

#include "platform/Paths.h"
#include "platform/Speaker.h"
#include "vocab/library/Form3.h"
#include "vocab/library/WordListSession.h"
#include "vocab/media/Form2.h"
#include "vocab/media/MediaDialogs.h"
#include "vocab/media/Mp3Render.h"
#include "vocab/media/Mp3Save.h"
#include "vocab/media/WordCards.h"
#include "vocab/player/DrillDisplay.h"
#include "vocab/player/DrillPlayer.h"
#include "vocab/player/PlayerControls.h"
#include "vocab/player/RecordingRun.h"
#include "vocab/player/SessionWords.h"

#include <QMainWindow>
#include <QPointer>
#include <QProgressDialog>
#include <array>
#include <functional>

class Clock;
class MciDevice;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;
class WordDisplay;
struct VocadrillLayout;

// Vocadrill's main window: the library tree, the word display, the range and new-word controls,
// the speed box, the player toolbar, the recording buttons and the media commands of the file
// menu. The open list and the selection live in session, the drill and the recording run in
// their own classes, the MP3 save, the word cards and the exports in the media classes, which
// enabled controls belong to which moment in controls; the handlers here move them onto the
// widgets, run the timers and put what the media classes report in the status line.
class Form1 : public QMainWindow, private DrillDisplay {
    Q_OBJECT
public:
    static inline const QString RangeErrorText = QStringLiteral("选词范围错误!");
    static inline const QString RangeErrorTitle = QStringLiteral("提示");

    // clock: read by the clock label, the timeline's tags and, through speaker and mci, the
    // recording; the three share it.
    Form1(Paths paths, Speaker &speaker, MciDevice &mci, const Clock &clock,
          QWidget *parent = nullptr);

    // Opens the list of T1's selected node, shows its first word and speaks it.
    void OpenList();
    // Puts the current word on the display, without its meaning.
    void ShowWord();
    void SpeakWord();
    // Ends a drill: the controls of an idle player, the first word shown, the clock stopped.
    void RewindDrill();
    // Reopens the record set over the range of Text1 to Text2, only new words while Check1 is
    // ticked, and shows the first word of it.
    void ApplySelection();
    // Applies the range first when it was edited, as every command that uses the selection does.
    void applyEditedRange();
    // Ends a render, closes the recording device, deletes the recording work files and closes
    // the open list.
    void shutDown();
    void showTipsWindow();
    void showTipsOnRequest();
    void visitHomePage();

    void T1_NodeClick(QTreeWidgetItem *node);
    void Text1_Change();
    void Text2_Change();
    void Check1_Click();
    void Check2_Click();
    void Combo1_Change();
    void Combo1_Click(int index);
    void Toolbar1_ButtonClick(int index);
    void Command1_Click();
    void Command2_Click();
    void Label3_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Command3_Click();
    void makeCardsAction_Click();
    void wordTextAction_Click();
    void renderAction_Click();
    void ankiAction_Click();
    // Stops a render and removes what it had made.
    void cancelRender();

    // Toolbar1's buttons by their index, 1 to 7 (3 and 6 are separators).
    QAction *toolbarButton(int index) const { return m_toolbarButtons.at(size_t(index)); }
    Form3 *tipsWindow() const { return m_tips; }
    // The word-card dialog while it is open.
    Form2 *cardsDialog() const { return m_cards; }
    // The progress window of a render while one runs.
    QProgressDialog *renderProgress() const { return m_renderProgress; }
    // The last recording run's timeline, kept until the next run starts.
    const QString &LrcText() const { return m_run.LrcText(); }

    WordListSession session;

    // The window's one message box, and the shell's "open"; tests replace them.
    std::function<void(const QString &text, const QString &title)> showMessage;
    std::function<bool(const QUrl &url)> openUrl;
    // The save dialog and the folder browser of the media commands; tests replace them.
    MediaDialogs dialogs;
    // The voice a render speaks with; tests give one that needs no engine.
    std::function<std::unique_ptr<SpeechBackend>()> renderVoice = makeFliteBackend;

    QTreeWidget *T1;
    WordDisplay *Picture2;
    QSlider *S1;
    QLabel *Label4;
    QToolBar *Toolbar1;
    QWidget *rangeRow;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QCheckBox *Check1;
    QWidget *optionsRow;
    QCheckBox *Check2;
    QComboBox *Combo1;
    QWidget *buttonRow;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3; // 保  存, with Timer4 the MP3 save's
    QLabel *Label3;
    QLineEdit *Text3;
    QTimer *Timer1;
    QTimer *Timer2;
    QTimer *Timer3;
    QTimer *Timer4;
    QAction *makeCardsAction;
    QAction *wordTextAction;
    QAction *renderAction;
    QAction *ankiAction;
    QAction *exitAction;
    QAction *homePageAction;
    QAction *tipsAction;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the drill shows goes onto the widgets.
    void showWord(const WordRecord &word) override;
    void showNoWords() override;
    void showMeaning(const QString &meaning) override;
    void showPosition(int wordIndex) override;

    void buildMenus();
    void buildToolbar();
    void buildDisplay(QWidget *client);
    void buildSelectionControls(QWidget *client);
    void buildRecordingButtons(QWidget *client);
    void buildTimers();
    void buildLibraryTree();
    void centreOnScreen();
    void Form_Resize();
    void applyLayout(const VocadrillLayout &layout);
    void showControls();
    void resetControlsForList();
    void stopClock();
    void Play();
    void applySpeed();
    void openLocalPage(int resourceId, const QString &fileName);
    void makeCards(bool smallerCards, const QString &typedFolder);
    QString chooseTextExport();
    void backToShownWord();
    void openRenderProgress();
    void showRenderProgress(const Mp3Render::Progress &progress);
    void renderFinished(const QString &message);

    const Paths m_paths;
    Speaker &m_speaker;
    MciDevice &m_mci;
    SessionWords m_words{session};
    DrillPlayer m_drill;
    RecordingRun m_run;
    PlayerControls m_controls;
    Mp3Save m_mp3Save;
    WordCards m_wordCards;
    std::vector<WordRecord> m_cardWords; // the words the card dialog on show will draw
    QPointer<Form2> m_cards;
    std::unique_ptr<Mp3Render> m_render;
    QPointer<QProgressDialog> m_renderProgress;
    std::array<QAction *, 8> m_toolbarButtons{};
    QPointer<Form3> m_tips;
};
