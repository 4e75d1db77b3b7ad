#pragma once

#include "platform/Paths.h"
#include "vocab/library/Form3.h"
#include "vocab/library/WordListSession.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

class MciDevice;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;
class Speaker;

// Vocadrill's main window: the library tree, the word display, the range and new-word controls,
// the speed box, the player toolbar and the recording buttons. The open list and the selection
// live in session; the handlers here move them onto the controls.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int SpeakFlags = 144;
    static inline const QString RangeErrorText = QStringLiteral("选词范围错误!");
    static inline const QString RangeErrorTitle = QStringLiteral("提示");

    Form1(Paths paths, Speaker &speaker, MciDevice &mci, QWidget *parent = nullptr);

    // Opens the list of T1's selected node, shows its first word and speaks it.
    void OpenList();
    // Puts the current word on the display, without its meaning.
    void ShowWord();
    void SpeakWord();
    // Reopens the record set over the range of Text1 to Text2, only new words while Check1 is
    // ticked, and shows the first word of it.
    void ApplySelection();
    // Closes the recording device, deletes the recording work files and closes the open list.
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
    void Label3_Click();

    // Toolbar1's buttons by their index, 1 to 7 (3 and 6 are separators).
    QAction *toolbarButton(int index) const { return m_toolbarButtons.at(size_t(index)); }
    Form3 *tipsWindow() const { return m_tips; }

    WordListSession session;

    // The window's one message box, and the shell's "open"; tests replace them.
    std::function<void(const QString &text, const QString &title)> showMessage;
    std::function<bool(const QUrl &url)> openUrl;

    QTreeWidget *T1;
    QFrame *Picture2;
    QLabel *Label1;
    QFrame *Picture1;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label9;
    QFrame *Line1;
    QSlider *S1;
    QLabel *Label4;
    QToolBar *Toolbar1;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QCheckBox *Check1;
    QCheckBox *Check2;
    QComboBox *Combo1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QLabel *Label3;
    QTimer *Timer1;
    QTimer *Timer2;
    QTimer *Timer3;
    QTimer *Timer4;
    QAction *makeCardsAction;
    QAction *wordTextAction;
    QAction *exitAction;
    QAction *homePageAction;
    QAction *tipsAction;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    QWidget *buildDisplayPanel();
    QWidget *buildSelectionControls();
    QWidget *buildRecordingButtons();
    void buildTimers();
    void buildLibraryTree();
    void centreOnScreen();
    void resetControlsForList();
    void applySpeed();
    void openLocalPage(int resourceId, const QString &fileName);

    const Paths m_paths;
    Speaker &m_speaker;
    MciDevice &m_mci;
    std::array<QAction *, 8> m_toolbarButtons{};
    QPointer<Form3> m_tips;
};
