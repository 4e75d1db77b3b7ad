#include "reader/Form1.h"

#include "platform/Fonts.h"
#include "platform/Rtf.h"
#include "platform/Twips.h"
#include "reader/Form1Layout.h"
#include "reader/NoteFormat.h"
#include "reader/PaperCatalog.h"
#include "reader/PicturePanel.h"
#include "reader/ReaderFiles.h"
#include "reader/dictionary/WordPopup.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProcess>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

namespace {

const QString Caption = QStringLiteral("Examvault(1995-2010) V2.0");

constexpr double ArticlePointSize = 11.0;
constexpr double LowerPanePointSize = 10.5;

void showRtf(QTextEdit *pane, const QString &rtf) {
    Rtf::read(rtf.toUtf8(), *pane->document());
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

QPointF twips(QPointF pixels) {
    return pixels * Twips::PerPixel;
}

QSizeF twips(QSize pixels) {
    return QSizeF(pixels) * Twips::PerPixel;
}

QLabel *statusPanel() {
    auto *panel = new QLabel;
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

} // namespace

Form1::Form1(const ReaderFiles &files, Speaker &speaker, QWidget *parent)
    : QMainWindow(parent), m_files(files), m_speaker(speaker),
      m_examStore(files.examStoreConnection()), m_notesStore(files.notesStoreConnection()) {
    named(this, "Form1");
    setWindowTitle(Caption);
    buildControls();
    buildMenus();
    buildToolbar();
    Form_Load();
}

void Form1::buildControls() {
    auto *client = new QWidget(this);
    setCentralWidget(client);

    Frame1 = named(new QFrame(client), "Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    Toolbar1 = named(new QToolBar(Frame1), "Toolbar1");

    T1 = named(new QTreeWidget(client), "T1");
    T1->setHeaderHidden(true);
    T1->setExpandsOnDoubleClick(false);
    connect(T1, &QTreeWidget::itemClicked, this, [this] { T1_Click(); });

    Picture1 = named(new PicturePanel(QStringLiteral(":/reader/cover.png"), client), "Picture1");
    Picture2 =
        named(new PicturePanel(QStringLiteral(":/reader/background.png"), client), "Picture2");
    Picture2->hide();
    R1 = named(new QTextEdit(Picture2), "R1");
    R1->setReadOnly(true);
    R1->setFont(Fonts::font(Fonts::Arial, ArticlePointSize));
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
    R2->viewport()->installEventFilter(this);
    setLowerPaneEditable(false);

    Picture8 = new WordPopup(client);
    m_wordPicking.emplace(m_files.dictionaryPath(), m_speaker, *Picture8);

    statusPanel1 = statusPanel();
    statusPanel2 = statusPanel();
    statusBar()->addWidget(statusPanel1);
    statusBar()->addWidget(statusPanel2);
    named(statusBar(), "StatusBar1");
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
    if (!node->parent()) {
        Picture1->show();
        Picture2->hide();
        clearLowerPane();
        return;
    }
    Picture1->hide();
    Picture2->show();
    if (const auto paper = fetchSelectedPaper()) {
        showRtf(R1, paper->yw);
        showRtf(R2, paper->st);
    }
    selectFirstTab();
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
    if (const auto paper = fetchSelectedPaper()) showRtf(R2, columnForTab(*paper, tab));
    setLowerPaneEditable(false);
}

// Read-only panes show an arrow and keep no undo history; the note is edited with the text
// cursor and can be undone.
void Form1::setLowerPaneEditable(bool editable) {
    R2->setReadOnly(!editable);
    R2->setUndoRedoEnabled(editable);
    R2->viewport()->setCursor(editable ? Qt::IBeamCursor : Qt::ArrowCursor);
}

void Form1::clearLowerPane() {
    R2->clear();
    m_noteKey.clear();
}

void Form1::openNotesTab() {
    m_noteKey = selectedKey();
    if (const auto note = m_notesStore.load(m_noteKey)) showRtf(R2, *note);
    setLowerPaneEditable(true);
    R2->setFocus();
    R2->moveCursor(QTextCursor::End);
}

void Form1::R2_DblClick() {
    if (selectedTab() != NotesTab) return;
    QTextCursor cursor = R2->textCursor();
    cursor.select(QTextCursor::Document);
    NoteFormat::apply(cursor, NoteFormat::workspaceGrey());
    cursor.setPosition(cursor.selectionStart());
    R2->setTextCursor(cursor);
    m_notesStore.save(m_noteKey, QString::fromLatin1(Rtf::write(*R2->document())));
}

// A left-button release looks up the word at the caret and shows it in Picture8 near the
// mouse; the article pane is placed from Picture2, which it fills. Moving the mouse sideways
// away from that spot hides Picture8 again.
void Form1::R1_MouseUp(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) return;
    m_wordPicking->articleMouseUp(*R1, twips(Picture2->pos()), twips(event->position()),
                                  twips(frameGeometry().size()));
}

void Form1::R2_MouseUp(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) return;
    m_wordPicking->lowerPaneMouseUp(*R2, twips(R2->pos()), twips(event->position()),
                                    twips(frameGeometry().size()));
}

void Form1::R1_MouseMove(QMouseEvent *event) {
    m_wordPicking->mouseMove(twips(event->position()).x());
}

void Form1::R2_MouseMove(QMouseEvent *event) {
    m_wordPicking->mouseMove(twips(event->position()).x());
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

void Form1::Toolbar1_ButtonClick(int index) {
    if (index == 1) startVocadrill();
    if (index == 2) openHelpPage();
}

// The program is written afresh on every start; the reader steps aside only when Vocadrill
// could actually be started.
void Form1::startVocadrill() {
    m_files.writeVocadrill();
    if (QProcess::startDetached(m_files.vocadrillPath(), {}, m_files.dataFolder())) showMinimized();
}

void Form1::openPage(const QString &resourcePath, const QString &fileName) {
    const QString page = m_files.writePage(resourcePath, fileName);
    if (!page.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

void Form1::openHelpPage() {
    openPage(QStringLiteral(":/reader/help.htm"), QStringLiteral("examvault-help.htm"));
}

void Form1::openHomePage() {
    openPage(QStringLiteral(":/reader/about.htm"), QStringLiteral("examvault-about.htm"));
}

void Form1::endReader() {
    m_files.removeSessionFiles();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent *event) {
    event->accept();
    endReader();
}
