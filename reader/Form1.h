#pragma once

#include "reader/ExamStore.h"
#include "reader/NewWordList.h"
#include "reader/NotesStore.h"
#include "reader/dictionary/WordPicking.h"

#include <QMainWindow>
#include <optional>

struct Form1Layout;
class PageOpener;
class PicturePanel;
class QFrame;
class QLabel;
class QMouseEvent;
class QTabWidget;
class QTextEdit;
class QTimer;
class QToolBar;
class QTreeWidget;
class ReaderFiles;
class Speaker;
class WordPopup;

// The reader's main window: the tree of years and parts on the left, the article above, the
// four tabs with questions, answers, translation and the student's note below. Controls keep
// their names; the handlers are named after the control and the event they answer.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Tabs of Tab1, in order.
    enum Tab { QuestionsTab = 1, AnswersTab, TranslationTab, NotesTab };

    Form1(const ReaderFiles &files, Speaker &speaker, QWidget *parent = nullptr);

    QFrame *Frame1 = nullptr;
    QToolBar *Toolbar1 = nullptr;
    QTreeWidget *T1 = nullptr;
    PicturePanel *Picture1 = nullptr; // the cover, while a year is selected
    PicturePanel *Picture2 = nullptr; // the background the article is drawn over
    QTextEdit *R1 = nullptr;          // the article
    QTabWidget *Tab1 = nullptr;
    QTextEdit *R2 = nullptr;        // questions, answers, translation or note
    WordPopup *Picture8 = nullptr;  // the entry of the word last clicked in R1 or R2
    QLabel *statusPanel1 = nullptr; // the part open in the panes
    QLabel *statusPanel2 = nullptr; // the last action: a saved note, a failure
    QTimer *statusTimer = nullptr;  // clears a passing message from statusPanel2

    void Form_Load();
    void Form_Resize();
    void T1_Click();
    void Tab1_Click();
    void R2_DblClick();
    void R1_MouseUp(QMouseEvent *event);
    void R2_MouseUp(QMouseEvent *event);
    void R1_MouseMove(QMouseEvent *event);
    void R2_MouseMove(QMouseEvent *event);
    // index: 1 starts Vocadrill, 2 opens the help page.
    void Toolbar1_ButtonClick(int index);

    // Adds the word on show in Picture8 to the new-word list (the popup's button, Ctrl+D); the
    // popup tells how it went, the status line why a word could not be added.
    void addShownWord();

    void startVocadrill();
    void openHelpPage();
    void openHomePage();
    // Keeps a note with unsaved edits, removes the files that live only while the reader runs,
    // then ends the program.
    void endReader();

    // Where the help and About pages open; tests replace the desktop behind it.
    PageOpener &pageOpener() { return *m_pageOpener; }

    // The key of the selected part; empty while a year or nothing is selected.
    QString selectedKey() const;
    int selectedTab() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildToolbar();
    void buildTree();
    void buildShortcuts();
    void applyLayout(const Form1Layout &layout);
    void makeArticleTransparent();
    void showSelectedNode();
    void selectFirstTab();
    void setLowerPaneEditable(bool editable);
    void showInLowerPane(const QString &rtf);
    void leavePanes();
    void clearLowerPane();
    void openNotesTab();
    bool noteHasUnsavedEdits() const;
    void saveNoteOnNotesTab();
    void saveNote();
    void showAction(const QString &text, bool passing);
    void openPage(const QString &resourcePath, const QString &fileName);
    std::optional<ExamStore::Paper> fetchSelectedPaper() const;

    const ReaderFiles &m_files;
    Speaker &m_speaker; // speaks the words looked up in the panes
    ExamStore m_examStore;
    NotesStore m_notesStore;
    NewWordList m_newWordList;
    std::optional<WordPicking> m_wordPicking; // made with Picture8
    PageOpener *m_pageOpener = nullptr;
    // The part whose note R2 holds; empty while it holds none. The tree's selection can move
    // without a click (a drag), so a note is saved to the part it was opened for.
    QString m_noteKey;
};
