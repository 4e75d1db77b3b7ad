#include "vocab/library/Form1.h"

#include "platform/Fonts.h"
#include "platform/PhoneticDisplay.h"
#include "platform/Resources.h"
#include "platform/Speaker.h"
#include "platform/Twips.h"
#include "vocab/library/RangeFields.h"
#include "vocab/library/SpeedSetting.h"
#include "vocab/library/TipsMarker.h"
#include "vocab/library/WordLibrary.h"
#include "vocab/player/RecordingCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int HelpPageResource = 105;
constexpr int AboutPageResource = 107;
const QString IdleClock = QStringLiteral("00:00:00");

// A label of the word display at its place in twips, in its font and colour on the panel.
QLabel *displayLabel(QWidget *panel, const QString &name, const QFont &font, const QString &colour,
                     int leftTwips, int topTwips) {
    auto *label = new QLabel(panel);
    label->setObjectName(name);
    label->setFont(font);
    label->setStyleSheet("color: " + colour + "; background: transparent;");
    label->move(Twips::toPixels(leftTwips), Twips::toPixels(topTwips));
    return label;
}

QRect twipsRect(int left, int top, int width, int height) {
    return {Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
            Twips::toPixels(height)};
}

} // namespace

Form1::Form1(Paths paths, Speaker &speaker, MciDevice &mci, QWidget *parent)
    : QMainWindow(parent), session(paths.programFolder()),
      showMessage([this](const QString &text, const QString &title) {
          QMessageBox::information(this, title, text, QMessageBox::Ok);
      }),
      openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); }),
      m_paths(std::move(paths)), m_speaker(speaker), m_mci(mci) {
    setWindowTitle(QStringLiteral("Vocadrill"));
    buildMenus();
    buildToolbar();
    buildTimers();

    T1 = new QTreeWidget;
    T1->setObjectName(QStringLiteral("T1"));
    T1->setHeaderHidden(true);
    T1->setExpandsOnDoubleClick(false);
    T1->setMinimumWidth(Twips::toPixels(3300));
    connect(T1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *node) { T1_NodeClick(node); });

    auto *right = new QVBoxLayout;
    right->addWidget(buildDisplayPanel());
    right->addWidget(buildSelectionControls());
    right->addWidget(buildRecordingButtons());
    right->addStretch();

    Label3 = new QLabel(
        QStringLiteral("<a href=\"help\" style=\"color:#1c5fb0; text-decoration:none\">"
                       "如果单词不能自动朗读或录制的MP3没有声音，请点此帮助 &gt;&gt;&gt;</a>"));
    connect(Label3, &QLabel::linkActivated, this, &Form1::Label3_Click);
    Text3 = new QLineEdit;
    Text3->hide();

    auto *central = new QWidget;
    auto *grid = new QGridLayout(central);
    grid->addWidget(T1, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addWidget(Label3, 1, 0, 1, 2);
    grid->addWidget(Text3, 2, 0);
    grid->setColumnStretch(0, 1);
    setCentralWidget(central);

    buildLibraryTree();
    centreOnScreen();
}

void Form1::buildMenus() {
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    makeCardsAction = file->addAction(QStringLiteral("制作单词卡片"));
    wordTextAction = file->addAction(QStringLiteral("生成单词文本"));
    file->addSeparator();
    exitAction = file->addAction(QStringLiteral("退出"));
    makeCardsAction->setEnabled(false);
    wordTextAction->setEnabled(false);
    connect(exitAction, &QAction::triggered, this, &Form1::close);

    QMenu *help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    homePageAction = help->addAction(QStringLiteral("访问作者主页"));
    tipsAction = help->addAction(QStringLiteral("操作指南"));
    connect(homePageAction, &QAction::triggered, this, &Form1::visitHomePage);
    connect(tipsAction, &QAction::triggered, this, &Form1::showTipsOnRequest);
}

void Form1::buildToolbar() {
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(32, 32));
    const struct {
        QStyle::StandardPixmap icon;
        QString tip;
    } buttons[] = {{QStyle::SP_MediaPlay, QStringLiteral("播放")},
                   {QStyle::SP_MediaStop, QStringLiteral("停止")},
                   {QStyle::SP_CustomBase, {}},
                   {QStyle::SP_MediaSeekBackward, QStringLiteral("后退")},
                   {QStyle::SP_MediaSeekForward, QStringLiteral("前进")},
                   {QStyle::SP_CustomBase, {}},
                   {QStyle::SP_MessageBoxQuestion, QStringLiteral("帮助")}};
    for (int index = 1; index <= 7; ++index) {
        const auto &button = buttons[index - 1];
        QAction *action = button.tip.isEmpty()
                              ? Toolbar1->addSeparator()
                              : Toolbar1->addAction(style()->standardIcon(button.icon), button.tip);
        action->setToolTip(button.tip);
        action->setEnabled(index == 7);
        connect(action, &QAction::triggered, this, [this, index] { Toolbar1_ButtonClick(index); });
        m_toolbarButtons[size_t(index)] = action;
    }
}

QWidget *Form1::buildDisplayPanel() {
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    // The word panel with a dark shadow label behind it, 120 twips lower and to the right.
    Picture2 = new QFrame;
    Picture2->setFixedSize(Twips::toPixels(4815 + 120), Twips::toPixels(2955 + 120));
    Label1 = new QLabel(Picture2);
    Label1->setGeometry(twipsRect(120, 120, 4815, 2955));
    Label1->setStyleSheet(QStringLiteral("background: #0d3b1e;"));
    Picture1 = new QFrame(Picture2);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsRect(0, 0, 4800, 2955));
    Picture1->setStyleSheet(QStringLiteral(
        "#Picture1 { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #2b6a5c, "
        "stop:1 #123a45); border: 1px solid #0b2a2a; }"));

    Label5 = displayLabel(Picture1, QStringLiteral("Label5"), Fonts::font(Fonts::Song, 21.75, true),
                          QStringLiteral("#ffff00"), 540, 480);
    Label8 = displayLabel(Picture1, QStringLiteral("Label8"), Fonts::font(Fonts::Song, 14.25, true),
                          QStringLiteral("#ffffff"), 540, 1080);
    Label6 = displayLabel(Picture1, QStringLiteral("Label6"), phoneticFont(14.25),
                          QStringLiteral("#e0e0e0"), 720, 1080);
    Label9 = displayLabel(Picture1, QStringLiteral("Label9"), Fonts::font(Fonts::Song, 14.25, true),
                          QStringLiteral("#ffffff"), 720, 1080);
    Line1 = new QFrame(Picture1);
    Line1->setGeometry(twipsRect(540, 1620, 3840, 15));
    Line1->setStyleSheet(QStringLiteral("background: rgba(255, 255, 255, 90);"));
    Line1->hide();
    Label7 = displayLabel(Picture1, QStringLiteral("Label7"), Fonts::font(Fonts::Song, 10.5),
                          QStringLiteral("#ffffff"), 600, 1740);
    Label7->setGeometry(twipsRect(600, 1740, 3675, 1050));
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(Picture2);

    // The position slider and the elapsed clock under the panel.
    S1 = new QSlider(Qt::Horizontal);
    S1->setRange(1, 1);
    Label4 = new QLabel(IdleClock);
    Label4->setFont(Fonts::font(Fonts::Song, 12));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setStyleSheet(QStringLiteral("color: #00ffff; background: #0d2a30;"));
    Label4->setFixedWidth(Twips::toPixels(1155));
    auto *position = new QHBoxLayout;
    position->addWidget(S1);
    position->addWidget(Label4);
    layout->addLayout(position);
    return panel;
}

QWidget *Form1::buildSelectionControls() {
    auto *box = new QWidget;
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    Text1 = new QLineEdit(QStringLiteral("1"));
    Text2 = new QLineEdit(QStringLiteral("10000"));
    for (QLineEdit *field : {Text1, Text2}) {
        field->setFixedWidth(Twips::toPixels(840));
        field->setEnabled(false);
    }
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    auto *range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("选词")));
    range->addWidget(Text1);
    range->addWidget(new QLabel(QStringLiteral("至")));
    range->addWidget(Text2);
    range->addStretch();

    Check1 = new QCheckBox(QStringLiteral("仅显示生词"));
    Check2 = new QCheckBox(QStringLiteral("生词"));
    Check1->setEnabled(false);
    Check2->setEnabled(false);
    connect(Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &Form1::Check2_Click);

    Combo1 = new QComboBox;
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems({"1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0"});
    Combo1->setEditText(SpeedSetting::DefaultText);
    Combo1->setFixedWidth(Twips::toPixels(1050));
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, &Form1::Combo1_Change);
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    auto *speed = new QHBoxLayout;
    speed->addStretch();
    speed->addWidget(new QLabel(QStringLiteral("速度")));
    speed->addWidget(Combo1);

    grid->addLayout(range, 0, 0);
    grid->addWidget(Check1, 0, 1);
    grid->addWidget(Check2, 1, 0);
    grid->addLayout(speed, 1, 1);
    return box;
}

QWidget *Form1::buildRecordingButtons() {
    auto *box = new QWidget;
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    Command2 = new QPushButton(QStringLiteral("● 录制 MP3"));
    Command1 = new QPushButton(QStringLiteral("停止录制"));
    Command3 = new QPushButton(QStringLiteral("保  存"));
    for (QPushButton *button : {Command2, Command1, Command3}) {
        button->setEnabled(false);
        row->addWidget(button);
    }
    return box;
}

void Form1::buildTimers() {
    Timer1 = new QTimer(this);
    Timer2 = new QTimer(this);
    Timer3 = new QTimer(this);
    Timer4 = new QTimer(this);
    Timer1->setInterval(SpeedSetting::DefaultIntervalMs);
    Timer3->setInterval(SpeedSetting::DefaultIntervalMs);
    Timer2->setInterval(1);
    Timer4->setInterval(1);
}

void Form1::buildLibraryTree() {
    const QIcon collectionIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon listIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const WordLibrary::Collection &collection : WordLibrary::scan(m_paths.programFolder())) {
        auto *node = new QTreeWidgetItem(T1, {collection.name});
        node->setIcon(0, collectionIcon);
        for (const QString &list : collection.lists)
            (new QTreeWidgetItem(node, {list}))->setIcon(0, listIcon);
    }
}

void Form1::centreOnScreen() {
    resize(sizeHint());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void Form1::T1_NodeClick(QTreeWidgetItem *node) {
    T1->setCurrentItem(node);
    node->setExpanded(!node->isExpanded());
    if (!node->parent()) {
        Text1->setEnabled(false);
        Text2->setEnabled(false);
        return;
    }
    OpenList();
}

void Form1::resetControlsForList() {
    Check1->setEnabled(true);
    Check2->setEnabled(true);
    for (int index : {1, 4, 5})
        toolbarButton(index)->setEnabled(true);
    toolbarButton(2)->setEnabled(false);
    Command1->setEnabled(false);
    Command2->setEnabled(true);
    Command3->setEnabled(true);
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    Label4->setText(IdleClock);
    Check1->setChecked(false);
    Line1->show();
    Text1->setEnabled(true);
    Text2->setEnabled(true);
    makeCardsAction->setEnabled(true);
    wordTextAction->setEnabled(true);
}

void Form1::OpenList() {
    const QTreeWidgetItem *node = T1->currentItem();
    if (!node || !node->parent()) return;
    RecordingCommands::saveAndClose(m_mci, m_paths.systemFolder());
    resetControlsForList();
    session.OpenList(node->parent()->text(0), node->text(0));
    Text1->clear();
    Text2->clear();
    S1->setRange(1, session.WordCount);
    S1->setValue(1);
    Text1->setText(QStringLiteral("1"));
    Text2->setText(QString::number(session.ListWordCount));
    ShowWord();
    SpeakWord();
    session.RangeEdited = false;
}

void Form1::ShowWord() {
    for (QLabel *label : {Label5, Label6, Label7, Label8, Label9})
        label->clear();
    const WordRecord word = session.currentWord();
    Label5->setText(word.word);
    Label5->adjustSize();
    Label6->setText(phoneticToIpa(word.phonetic));
    Label6->adjustSize();
    if (!Label6->text().isEmpty()) {
        Label8->setText(QStringLiteral("["));
        Label9->setText(QStringLiteral("]"));
        Label8->adjustSize();
        Label9->adjustSize();
        Label9->move(Label6->x() + Label6->width() + Twips::toPixels(30), Label9->y());
    }
    Check2->setChecked(word.isNewWord());
}

void Form1::SpeakWord() {
    m_speaker.Speak(Label5->text(), SpeakFlags);
}

void Form1::ApplySelection() {
    if (session.ApplySelection(Text1->text(), Text2->text(), Check1->isChecked()) ==
        WordListSession::Selection::RangeError) {
        showMessage(RangeErrorText, RangeErrorTitle);
        Text1->setText(QStringLiteral("1"));
        Text2->setText(QString::number(session.ListWordCount));
        return;
    }
    S1->setRange(1, session.WordCount);
    S1->setValue(1);
    ShowWord();
}

void Form1::Text1_Change() {
    const QString corrected = RangeFields::correctedStart(Text1->text(), session.ListWordCount);
    if (corrected != Text1->text()) Text1->setText(corrected);
    Text1->setCursorPosition(int(Text1->text().size()));
    session.RangeEdited = true;
}

void Form1::Text2_Change() {
    const QString corrected = RangeFields::correctedEnd(Text2->text(), session.ListWordCount);
    if (corrected != Text2->text()) Text2->setText(corrected);
    Text2->setCursorPosition(int(Text2->text().size()));
    session.RangeEdited = true;
}

void Form1::Check1_Click() {
    ApplySelection();
}

void Form1::Check2_Click() {
    session.storeMark(Check2->isChecked());
    // The box shows what the list holds: without a current word nothing was stored.
    Check2->setChecked(session.currentWord().isNewWord());
}

void Form1::Combo1_Change() {
    const QString corrected = SpeedSetting::correctedText(Combo1->currentText());
    if (corrected != Combo1->currentText()) Combo1->setEditText(corrected);
    Combo1->lineEdit()->setCursorPosition(int(corrected.size()));
    applySpeed();
}

void Form1::Combo1_Click(int index) {
    Combo1->setEditText(Combo1->itemText(index));
    applySpeed();
}

void Form1::applySpeed() {
    if (const std::optional<int> interval = SpeedSetting::intervalMs(Combo1->currentText())) {
        Timer1->setInterval(*interval);
        Timer3->setInterval(*interval);
    }
}

void Form1::Toolbar1_ButtonClick(int index) {
    if (index == 7) showTipsOnRequest();
}

void Form1::showTipsWindow() {
    if (!m_tips) m_tips = new Form3(m_paths.systemFolder(), this);
    m_tips->show();
    m_tips->raise();
}

void Form1::showTipsOnRequest() {
    TipsMarker::remove(m_paths.systemFolder());
    showTipsWindow();
}

void Form1::openLocalPage(int resourceId, const QString &fileName) {
    const QString path = m_paths.tempFolder() + fileName;
    Resources::writeResource(resourceId, path);
    openUrl(QUrl::fromLocalFile(path));
}

void Form1::Label3_Click() {
    openLocalPage(HelpPageResource, QStringLiteral("vocareelhelp.html"));
}

void Form1::visitHomePage() {
    openLocalPage(AboutPageResource, QStringLiteral("vocareelabout.html"));
}

void Form1::shutDown() {
    RecordingCommands::discard(m_mci, m_paths.systemFolder());
    session.CloseList();
}

void Form1::closeEvent(QCloseEvent *event) {
    shutDown();
    event->accept();
    QCoreApplication::exit(0);
}
