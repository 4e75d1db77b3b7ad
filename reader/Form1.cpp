#include "reader/Form1.h"

#include "platform/Fonts.h"
#include "platform/Rtf.h"
#include "platform/Twips.h"
#include "reader/Form1Layout.h"
#include "reader/NoteFormat.h"
#include "reader/PageOpener.h"
#include "reader/PaperCatalog.h"
#include "reader/PaperTree.h"
#include "reader/PicturePanel.h"
#include "reader/ReaderFiles.h"
#include "reader/dictionary/WordPopup.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProcess>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {

const QString Caption = QStringLiteral("Examvault(1995-2010) V2.0");

constexpr double ArticlePointSize = 11.0;
constexpr double LowerPanePointSize = 10.5;

// The article background's margin line, and the article's distance from the pane's edges,
// which keeps its text clear of that line.
constexpr int MarginLineX = 10;
const QColor MarginLineColour(240, 217, 211);
constexpr int ArticleMargin = 22;

// Lines break between words only. Qt's default also breaks inside a word too long for a line,
// and finding such breaks makes laying out a very long run of letters (a note can hold one)
// take seconds; a word that long scrolls sideways instead.
constexpr QTextOption::WrapMode PaneWrapMode = QTextOption::WordWrap;

const QString NoteSaved = QStringLiteral("笔记已保存");
const QString NoteNotSaved = QStringLiteral("笔记未能保存：无法写入学习笔记文件");
constexpr int PassingMessageMs = 4000;
const QString WordAdded = QStringLiteral("已加入生词本（%1/%2）：%3");
const QString WordListed = QStringLiteral("已在生词本中（%1/%2）：%3");

void showRtf(QTextEdit *pane, const QString &rtf) {
    Rtf::read(rtf.toUtf8(), *pane->document());
}

// The stores give questions, answers and translation faces of their own; the lower pane shows
// all four tabs in one face, which reads well in Chinese and English alike.
void useOneFace(QTextDocument &doc, const QString &family) {
    QTextCursor cursor(&doc);
    cursor.select(QTextCursor::Document);
    QTextCharFormat face;
    face.setFontFamilies({family});
    cursor.mergeCharFormat(face);
}

QString columnForTab(const ExamStore::Paper &paper, int tab) {
    switch (tab) {
    case Form1::QuestionsTab:
        return paper.st;
    case Form1::AnswersTab:
        return paper.da;
    default:
        return paper.zw;
    }
}

template <typename Control> Control *named(Control *control, const char *name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

QString vocadrillStatus(bool written, bool started, const QString &program) {
    if (!written) return QStringLiteral("无法写出 Vocadrill 程序：%1").arg(program);
    if (!started) return QStringLiteral("无法启动 Vocadrill 程序：%1").arg(program);
    return {};
}

// A panel without a frame of its own: one with nothing to say does not show.
QLabel *statusPanel() {
    auto *panel = new QLabel;
    panel->setContentsMargins(4, 0, 4, 0);
    return panel;
}

} // namespace

Form1::Form1(const ReaderFiles &files, Speaker &speaker, QWidget *parent)
    : QMainWindow(parent), m_files(files), m_speaker(speaker),
      m_examStore(files.examStoreConnection()), m_notesStore(files.notesStoreConnection()),
      m_newWordList(files.dataFolder()) {
    named(this, "Form1");
    setWindowTitle(Caption);
    buildControls();
    buildMenus();
    buildToolbar();
    buildShortcuts();
    Form_Load();
}

void Form1::buildControls() {
    auto *client = new QWidget(this);
    setCentralWidget(client);

    Frame1 = named(new QFrame(client), "Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    Toolbar1 = named(new QToolBar(Frame1), "Toolbar1");

    auto *tree = named(new PaperTree(client), "T1");
    T1 = tree;
    T1->setHeaderHidden(true);
    T1->setExpandsOnDoubleClick(false);
    connect(T1, &QTreeWidget::itemClicked, this, [this] { T1_Click(); });
    connect(tree, &PaperTree::currentChangedByKey, this, &Form1::showSelectedNode);

    Picture1 = named(new PicturePanel(QStringLiteral(":/reader/cover.png"), client), "Picture1");
    Picture2 =
        named(new PicturePanel(QStringLiteral(":/reader/background.png"), client), "Picture2");
    Picture2->hide();
    Picture2->setMarginLine(MarginLineX, MarginLineColour);
    R1 = named(new QTextEdit(Picture2), "R1");
    R1->setReadOnly(true);
    R1->setFont(Fonts::font(Fonts::Arial, ArticlePointSize));
    R1->document()->setDocumentMargin(ArticleMargin);
    R1->setWordWrapMode(PaneWrapMode);
    R1->viewport()->installEventFilter(this);

    Tab1 = named(new QTabWidget(client), "Tab1");
    for (const QString &caption : {QStringLiteral("试  题"), QStringLiteral("答案解析"),
                                   QStringLiteral("全文翻译"), QStringLiteral("学习笔记")})
        Tab1->addTab(new QWidget, caption);
    // A click on the tab already selected runs the tab click again, as a change of tab does.
    connect(Tab1, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index == Tab1->currentIndex()) Tab1_Click();
    });
    connect(Tab1, &QTabWidget::currentChanged, this, [this] { Tab1_Click(); });

    R2 = named(new QTextEdit(client), "R2");
    R2->setFont(Fonts::font(Fonts::Song, LowerPanePointSize));
    R2->setWordWrapMode(PaneWrapMode);
    R2->viewport()->installEventFilter(this);
    setLowerPaneEditable(false);

    Picture8 = new WordPopup(client);
    m_wordPicking.emplace(m_files.dictionaryPath(), m_speaker, *Picture8);
    connect(Picture8, &WordPopup::addRequested, this, &Form1::addShownWord);

    statusPanel1 = statusPanel();
    statusPanel2 = statusPanel();
    statusBar()->addWidget(statusPanel1);
    statusBar()->addWidget(statusPanel2);
    named(statusBar(), "StatusBar1");
    statusTimer = new QTimer(this);
    statusTimer->setSingleShot(true);
    statusTimer->setInterval(PassingMessageMs);
    connect(statusTimer, &QTimer::timeout, statusPanel2, &QLabel::clear);

    m_pageOpener = new PageOpener(this);
}

void Form1::buildShortcuts() {
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &Form1::saveNoteOnNotesTab);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, Picture8, &QWidget::hide);
    connect(new QShortcut(Qt::CTRL | Qt::Key_D, this), &QShortcut::activated, this, [this] {
        if (Picture8->isVisible()) addShownWord();
    });
}

void Form1::buildMenus() {
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->addAction(QStringLiteral("退出"), this, &Form1::endReader);
    QMenu *help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    help->addAction(QStringLiteral("访问作者主页"), this, &Form1::openHomePage);
    help->addAction(QStringLiteral("操作帮助"), this, &Form1::openHelpPage);
}

void Form1::buildToolbar() {
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->addAction(QIcon(QStringLiteral(":/reader/vocadrill.png")),
                        QStringLiteral("Vocadrill"), this, [this] { Toolbar1_ButtonClick(1); });
    Toolbar1->addAction(QIcon(QStringLiteral(":/reader/help.png")), QStringLiteral(" 帮助 "), this,
                        [this] { Toolbar1_ButtonClick(2); });
}

void Form1::buildTree() {
    const QIcon yearImage(QStringLiteral(":/reader/year.png"));
    const QIcon partImage(QStringLiteral(":/reader/part.png"));
    for (const PaperCatalog::Year &year : PaperCatalog::years()) {
        auto *yearNode = new QTreeWidgetItem(T1, {year.caption});
        yearNode->setData(0, Qt::UserRole, year.nodeKey);
        yearNode->setIcon(0, yearImage);
        for (const QString &part : year.parts) {
            auto *partNode = new QTreeWidgetItem(yearNode, {part}); // known by its captions
            partNode->setIcon(0, partImage);
        }
    }
}

void Form1::Form_Load() {
    // The designed size is what the window returns to when it is no longer maximised.
    resize(Twips::toPixels(Form1Layout::DesignWidth), Twips::toPixels(Form1Layout::DesignHeight));
    setWindowState(windowState() | Qt::WindowMaximized);
    makeArticleTransparent();
    buildTree();
    applyLayout(Form1Layout::design());
}

void Form1::makeArticleTransparent() {
    R1->setFrameShape(QFrame::NoFrame);
    R1->viewport()->setAutoFillBackground(false);
    QPalette palette = R1->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    R1->setPalette(palette);
}

void Form1::Form_Resize() {
    const QSize outer = frameGeometry().size();
    applyLayout(Form1Layout::forWindow(Twips::fromPixels(outer.width()),
                                       Twips::fromPixels(outer.height())));
}

void Form1::applyLayout(const Form1Layout &layout) {
    Frame1->setGeometry(Twips::toPixels(layout.Frame1));
    Toolbar1->setGeometry(Twips::toPixels(layout.Toolbar1));
    T1->setGeometry(Twips::toPixels(layout.T1));
    Picture1->setGeometry(Twips::toPixels(layout.Picture1));
    Picture2->setGeometry(Twips::toPixels(layout.Picture2));
    R1->setGeometry(Twips::toPixels(layout.R1));
    Tab1->setGeometry(Twips::toPixels(layout.Tab1));
    R2->setGeometry(Twips::toPixels(layout.R2));
    statusPanel1->setFixedWidth(std::max(0, Twips::toPixels(layout.statusPanel1Width)));
    statusPanel2->setFixedWidth(std::max(0, Twips::toPixels(layout.statusPanel2Width)));
}

void Form1::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

QString Form1::selectedKey() const {
    const QTreeWidgetItem *node = T1->currentItem();
    if (!node || !node->parent()) return {};
    return PaperCatalog::partKey(node->parent()->text(0), node->text(0));
}

int Form1::selectedTab() const {
    return Tab1->currentIndex() + 1;
}

std::optional<ExamStore::Paper> Form1::fetchSelectedPaper() const {
    const QString key = selectedKey();
    if (key.isEmpty()) return std::nullopt;
    return m_examStore.fetch(key);
}

void Form1::T1_Click() {
    QTreeWidgetItem *node = T1->currentItem();
    if (!node) return;
    node->setExpanded(!node->isExpanded());
    showSelectedNode();
}

// What a click shows for the selected node; a node reached with the keys shows the same. A
// year shows the cover, a part its article and questions.
void Form1::showSelectedNode() {
    const QTreeWidgetItem *node = T1->currentItem();
    if (!node) return;
    statusPanel1->setText(node->parent() ? node->parent()->text(0) + ' ' + node->text(0)
                                         : QString());
    if (!node->parent()) {
        Picture1->show();
        Picture2->hide();
        clearLowerPane();
        return;
    }
    leavePanes();
    Picture1->hide();
    Picture2->show();
    if (const auto paper = fetchSelectedPaper()) showRtf(R1, paper->yw);
    selectFirstTab(); // the questions go to the lower pane with the first tab
}

void Form1::selectFirstTab() {
    if (Tab1->currentIndex() == 0)
        Tab1_Click();
    else
        Tab1->setCurrentIndex(0); // runs the tab click
}

void Form1::Tab1_Click() {
    clearLowerPane();
    const int tab = selectedTab();
    if (tab == NotesTab) {
        openNotesTab();
        return;
    }
    if (const auto paper = fetchSelectedPaper()) showInLowerPane(columnForTab(*paper, tab));
    setLowerPaneEditable(false);
}

void Form1::showInLowerPane(const QString &rtf) {
    showRtf(R2, rtf);
    useOneFace(*R2->document(), Fonts::Song);
}

// Read-only panes show an arrow and keep no undo history; the note is edited with the text
// cursor and can be undone.
void Form1::setLowerPaneEditable(bool editable) {
    R2->setReadOnly(!editable);
    R2->setUndoRedoEnabled(editable);
    R2->viewport()->setCursor(editable ? Qt::IBeamCursor : Qt::ArrowCursor);
}

// The panes are about to show something else: a note with unsaved edits is saved first, and
// the popup of a word from the old text goes.
void Form1::leavePanes() {
    if (noteHasUnsavedEdits()) saveNote();
    m_noteKey.clear();
    R2->setPlaceholderText({});
    Picture8->hide();
}

void Form1::clearLowerPane() {
    leavePanes();
    R2->clear();
    setLowerPaneEditable(false);
}

// A note that still holds only the hint shows empty, with the hint as the placeholder, so
// that the hint never becomes part of what the student writes. Without a part there is no
// note to write, and the pane stays read-only.
void Form1::openNotesTab() {
    m_noteKey = selectedKey();
    if (m_noteKey.isEmpty()) return;
    if (const auto note = m_notesStore.load(m_noteKey)) showInLowerPane(*note);
    if (NoteFormat::isHint(*R2->document())) R2->clear();
    R2->document()->setModified(false);
    R2->setPlaceholderText(NoteFormat::HintText);
    setLowerPaneEditable(true);
    R2->setFocus();
    R2->moveCursor(QTextCursor::End);
}

bool Form1::noteHasUnsavedEdits() const {
    return !m_noteKey.isEmpty() && R2->document()->isModified();
}

void Form1::R2_DblClick() {
    saveNoteOnNotesTab();
}

void Form1::saveNoteOnNotesTab() {
    if (selectedTab() == NotesTab && !m_noteKey.isEmpty()) saveNote();
}

void Form1::saveNote() {
    QTextCursor cursor = R2->textCursor();
    cursor.select(QTextCursor::Document);
    NoteFormat::apply(cursor, NoteFormat::workspaceGrey());
    cursor.setPosition(cursor.selectionStart());
    R2->setTextCursor(cursor);
    const bool saved =
        m_notesStore.save(m_noteKey, QString::fromLatin1(Rtf::write(*R2->document())));
    R2->document()->setModified(!saved);
    showAction(saved ? NoteSaved : NoteNotSaved, saved);
}

// A passing message goes after a few seconds; a failure stays until the next action.
void Form1::showAction(const QString &text, bool passing) {
    statusPanel2->setText(text);
    passing ? statusTimer->start() : statusTimer->stop();
}

// A left-button release looks up the word at the caret and shows it in Picture8 near the
// mouse; the article pane is placed from Picture2, which it fills. Moving the mouse sideways
// away from that spot hides Picture8 again, unless it heads into Picture8 for its button.
void Form1::R1_MouseUp(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) return;
    m_wordPicking->articleMouseUp(*R1, Twips::fromPixels(Picture2->pos()),
                                  Twips::fromPixels(event->position()),
                                  Twips::fromPixels(frameGeometry().size()));
}

void Form1::R2_MouseUp(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) return;
    m_wordPicking->lowerPaneMouseUp(*R2, Twips::fromPixels(R2->pos()),
                                    Twips::fromPixels(event->position()),
                                    Twips::fromPixels(frameGeometry().size()));
}

void Form1::R1_MouseMove(QMouseEvent *event) {
    m_wordPicking->mouseMove(Twips::fromPixels(Picture2->pos()),
                             Twips::fromPixels(event->position()));
}

void Form1::R2_MouseMove(QMouseEvent *event) {
    m_wordPicking->mouseMove(Twips::fromPixels(R2->pos()), Twips::fromPixels(event->position()));
}

bool Form1::eventFilter(QObject *watched, QEvent *event) {
    const bool upper = watched == R1->viewport();
    if (!upper && watched != R2->viewport()) return QMainWindow::eventFilter(watched, event);
    // Only a mouse event may be taken as one: the viewports get paint, resize and other events.
    const auto mouse = [event] { return static_cast<QMouseEvent *>(event); };
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        upper ? R1_MouseUp(mouse()) : R2_MouseUp(mouse());
        break;
    case QEvent::MouseMove:
        upper ? R1_MouseMove(mouse()) : R2_MouseMove(mouse());
        break;
    case QEvent::MouseButtonDblClick:
        if (upper) break;
        R2_DblClick();
        // On the notes tab the double-click is the save command: the pane must not go on to
        // select the word under the mouse after the save has cleared the selection.
        return selectedTab() == NotesTab;
    default:
        break;
    }
    return false;
}

// The status line also names the list, where Vocadrill shows the word.
void Form1::addShownWord() {
    const NewWordList::Result result = m_newWordList.add(Picture8->entry());
    if (result.outcome == NewWordList::Outcome::NotWritten) {
        showAction(result.problem, false);
        return;
    }
    const bool added = result.outcome == NewWordList::Outcome::Added;
    Picture8->showListed(added);
    showAction(
        (added ? WordAdded : WordListed)
            .arg(NewWordList::CollectionName, NewWordList::ListName, Picture8->entry().headword),
        true);
}

void Form1::Toolbar1_ButtonClick(int index) {
    if (index == 1) startVocadrill();
    if (index == 2) openHelpPage();
}

// The program is written afresh on every click. A copy from an earlier click still starts when
// the write fails; the status line says what went wrong, and the reader steps aside only when
// Vocadrill could actually be started.
void Form1::startVocadrill() {
    const QString program = m_files.vocadrillPath();
    const bool written = m_files.writeVocadrill();
    const bool started = QProcess::startDetached(program, {}, m_files.dataFolder());
    showAction(vocadrillStatus(written, started, program), false);
    if (started) showMinimized();
}

// A page that cannot be written to the temporary folder is shown from inside the reader.
void Form1::openPage(const QString &resourcePath, const QString &fileName) {
    const QString page = m_files.writePage(resourcePath, fileName);
    m_pageOpener->open(page.isEmpty() ? QUrl(QStringLiteral("qrc") + resourcePath)
                                      : QUrl::fromLocalFile(page));
}

void Form1::openHelpPage() {
    openPage(QStringLiteral(":/reader/help.htm"), QStringLiteral("examvault-help.htm"));
}

void Form1::openHomePage() {
    openPage(QStringLiteral(":/reader/about.htm"), QStringLiteral("examvault-about.htm"));
}

void Form1::endReader() {
    if (noteHasUnsavedEdits()) saveNote();
    m_files.removeSessionFiles();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent *event) {
    event->accept();
    endReader();
}
