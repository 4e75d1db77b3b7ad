#include "vocab/library/Form1.h"

#include "platform/Fonts.h"
#include "platform/Resources.h"
#include "platform/Twips.h"
#include "platform/WordLibrary.h"
#include "vocab/library/RangeFields.h"
#include "vocab/library/SpeedSetting.h"
#include "vocab/library/TipsMarker.h"
#include "vocab/library/VocadrillLayout.h"
#include "vocab/media/AnkiExport.h"
#include "vocab/media/SelectedWords.h"
#include "vocab/media/WordTextExport.h"
#include "vocab/player/RecordingCommands.h"
#include "vocab/player/WordDisplay.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

namespace {

constexpr int HelpPageResource = 105;
constexpr int AboutPageResource = 107;

// A row of controls placed by the layout, its own children side by side.
QHBoxLayout *controlRow(QWidget *client, QWidget *&row) {
    row = new QWidget(client);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

} // namespace

Form1::Form1(Paths paths, Speaker &speaker, MciDevice &mci, const Clock &clock, QWidget *parent)
    : QMainWindow(parent), session(paths.programFolder()),
      showMessage([this](const QString &text, const QString &title) {
          QMessageBox::information(this, title, text, QMessageBox::Ok);
      }),
      openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); }),
      m_paths(std::move(paths)), m_speaker(speaker), m_mci(mci),
      m_drill(m_words, *this, speaker, clock), m_run(m_drill, m_words, mci, m_paths.systemFolder()),
      m_mp3Save(m_paths.systemFolder()) {
    setWindowTitle(QStringLiteral("Vocadrill"));
    statusBar(); // there from the start, so that a message does not change the layout
    buildMenus();
    buildToolbar();
    buildTimers();

    auto *client = new QWidget;
    client->setMinimumSize(Twips::toPixels(VocadrillLayout::DesignWidth),
                           Twips::toPixels(VocadrillLayout::DesignHeight));
    client->installEventFilter(this);
    setCentralWidget(client);
    T1 = new QTreeWidget(client);
    T1->setObjectName(QStringLiteral("T1"));
    T1->setHeaderHidden(true);
    T1->setExpandsOnDoubleClick(false);
    connect(T1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *node) { T1_NodeClick(node); });
    buildDisplay(client);
    buildSelectionControls(client);
    buildRecordingButtons(client);
    Label3 = new QLabel(
        QStringLiteral("<a href=\"help\" style=\"color:#1c5fb0; text-decoration:none\">"
                       "如果单词不能自动朗读或录制的MP3没有声音，请点此帮助 &gt;&gt;&gt;</a>"),
        client);
    connect(Label3, &QLabel::linkActivated, this, &Form1::Label3_Click);
    Text3 = new QLineEdit(client);
    Text3->hide();

    showControls();
    buildLibraryTree();
    centreOnScreen();
}

void Form1::buildMenus() {
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    // The media commands, reachable by their object names.
    const auto addCommand = [this, file](const QString &caption, const char *name,
                                         void (Form1::*handler)()) {
        QAction *action = file->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    makeCardsAction = addCommand(QStringLiteral("制作单词卡片"), "makeCardsAction",
                                 &Form1::makeCardsAction_Click);
    wordTextAction =
        addCommand(QStringLiteral("生成单词文本"), "wordTextAction", &Form1::wordTextAction_Click);
    renderAction =
        addCommand(QStringLiteral("快速生成 MP3…"), "renderAction", &Form1::renderAction_Click);
    ankiAction = addCommand(QStringLiteral("导出到 Anki…"), "ankiAction", &Form1::ankiAction_Click);
    file->addSeparator();
    exitAction = file->addAction(QStringLiteral("退出"));
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
        connect(action, &QAction::triggered, this, [this, index] { Toolbar1_ButtonClick(index); });
        m_toolbarButtons[size_t(index)] = action;
    }
}

void Form1::buildDisplay(QWidget *client) {
    Picture2 = new WordDisplay(client);
    S1 = new QSlider(Qt::Horizontal, client);
    S1->setObjectName(QStringLiteral("S1"));
    S1->setRange(1, 1);
    Label4 = new QLabel(DrillPlayer::IdleClockText, client);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(Fonts::font(Fonts::Song, 12));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setStyleSheet(QStringLiteral("color: #00ffff; background: #0d2a30;"));
}

void Form1::buildSelectionControls(QWidget *client) {
    QHBoxLayout *range = controlRow(client, rangeRow);
    Text1 = new QLineEdit(QStringLiteral("1"));
    Text2 = new QLineEdit(QStringLiteral("10000"));
    for (QLineEdit *field : {Text1, Text2})
        field->setFixedWidth(Twips::toPixels(840));
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    Check1 = new QCheckBox(QStringLiteral("仅显示生词"));
    connect(Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
    range->addWidget(new QLabel(QStringLiteral("选词")));
    range->addWidget(Text1);
    range->addWidget(new QLabel(QStringLiteral("至")));
    range->addWidget(Text2);
    range->addStretch();
    range->addWidget(Check1);

    QHBoxLayout *options = controlRow(client, optionsRow);
    Check2 = new QCheckBox(QStringLiteral("生词"));
    connect(Check2, &QCheckBox::clicked, this, &Form1::Check2_Click);
    Combo1 = new QComboBox;
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems({"1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0"});
    Combo1->setEditText(SpeedSetting::DefaultText);
    Combo1->setFixedWidth(Twips::toPixels(1050));
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, &Form1::Combo1_Change);
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    options->addWidget(Check2);
    options->addStretch();
    options->addWidget(new QLabel(QStringLiteral("速度")));
    options->addWidget(Combo1);
}

void Form1::buildRecordingButtons(QWidget *client) {
    QHBoxLayout *row = controlRow(client, buttonRow);
    Command2 = new QPushButton(QStringLiteral("● 录制 MP3"));
    Command1 = new QPushButton(QStringLiteral("停止录制"));
    Command3 = new QPushButton(QStringLiteral("保  存"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setObjectName(QStringLiteral("Command3"));
    for (QPushButton *button : {Command2, Command1, Command3})
        row->addWidget(button);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::buildTimers() {
    Timer1 = new QTimer(this);
    Timer2 = new QTimer(this);
    Timer3 = new QTimer(this);
    Timer4 = new QTimer(this);
    // A coarse timer may step up to a twentieth early, and a step before its second would give
    // the timeline the second before; precise timers keep the steps on their beat.
    for (QTimer *step : {Timer1, Timer3}) {
        step->setTimerType(Qt::PreciseTimer);
        step->setInterval(SpeedSetting::DefaultIntervalMs);
    }
    Timer2->setInterval(1);
    Timer4->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer);
    connect(Timer4, &QTimer::timeout, this, &Form1::Timer4_Timer);
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

bool Form1::eventFilter(QObject *watched, QEvent *event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Form_Resize() {
    const QSize client = centralWidget()->size();
    applyLayout(VocadrillLayout::forClient(Twips::fromPixels(client.width()),
                                           Twips::fromPixels(client.height())));
}

void Form1::applyLayout(const VocadrillLayout &layout) {
    T1->setGeometry(Twips::toPixels(layout.T1));
    Picture2->move(Twips::toPixels(layout.Picture2).topLeft());
    Picture2->setZoom(layout.displayZoom);
    S1->setGeometry(Twips::toPixels(layout.S1));
    Label4->setGeometry(Twips::toPixels(layout.Label4));
    rangeRow->setGeometry(Twips::toPixels(layout.rangeRow));
    optionsRow->setGeometry(Twips::toPixels(layout.optionsRow));
    buttonRow->setGeometry(Twips::toPixels(layout.buttonRow));
    Label3->setGeometry(Twips::toPixels(layout.Label3));
}

void Form1::showControls() {
    const PlayerControls &c = m_controls;
    toolbarButton(1)->setEnabled(c.play);
    toolbarButton(2)->setEnabled(c.stop);
    toolbarButton(4)->setEnabled(c.back);
    toolbarButton(5)->setEnabled(c.forward);
    Check1->setEnabled(c.newWordsOnly);
    Check2->setEnabled(c.newWordMark);
    Text1->setEnabled(c.range);
    Text2->setEnabled(c.range);
    Combo1->setEnabled(c.speed);
    Command2->setEnabled(c.record);
    Command1->setEnabled(c.stopRecording);
    Command3->setEnabled(c.save);
    makeCardsAction->setEnabled(c.listCommands);
    wordTextAction->setEnabled(c.listCommands);
    renderAction->setEnabled(c.listCommands && !m_render); // one render at a time
    ankiAction->setEnabled(c.listCommands);
}

void Form1::T1_NodeClick(QTreeWidgetItem *node) {
    T1->setCurrentItem(node);
    node->setExpanded(!node->isExpanded());
    if (!node->parent()) {
        m_controls.collectionClicked();
        showControls();
        return;
    }
    OpenList();
}

void Form1::resetControlsForList() {
    m_controls.listOpened();
    showControls();
    Timer1->stop();
    Timer3->stop();
    stopClock();
    Check1->setChecked(false);
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
    m_drill.ShowWord();
}

void Form1::SpeakWord() {
    m_drill.SpeakWord();
}

void Form1::showWord(const WordRecord &word) {
    Picture2->showWord(word);
    Check2->setChecked(word.isNewWord());
}

void Form1::showNoWords() {
    Picture2->showNoWords();
    Check2->setChecked(false);
}

void Form1::showMeaning(const QString &meaning) {
    Picture2->showMeaning(meaning);
}

void Form1::showPosition(int wordIndex) {
    S1->setValue(wordIndex);
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

void Form1::applyEditedRange() {
    if (!session.RangeEdited) return;
    ApplySelection();
    session.RangeEdited = false;
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
    switch (index) {
    case 1:
        Play();
        break;
    case 2:
        RewindDrill();
        break;
    case 4:
    case 5:
        if (session.RangeEdited) {
            applyEditedRange();
            SpeakWord();
        }
        index == 4 ? m_drill.back() : m_drill.forward();
        break;
    case 7:
        showTipsOnRequest();
        break;
    }
}

void Form1::Play() {
    applyEditedRange();
    if (session.WordCount == 0) return;
    m_controls.drillStarted();
    showControls();
    ShowWord();
    SpeakWord();
    Timer1->start();
    m_drill.startClock();
    Timer2->start();
}

void Form1::RewindDrill() {
    m_controls.drillEnded();
    showControls();
    S1->setRange(1, session.WordCount);
    m_drill.rewind();
    Timer1->stop();
    stopClock();
}

void Form1::stopClock() {
    Timer2->stop();
    Label4->setText(DrillPlayer::IdleClockText);
}

void Form1::Timer1_Timer() {
    if (m_drill.step(session.WordCount) == DrillPlayer::Step::Finished) RewindDrill();
}

void Form1::Timer2_Timer() {
    Label4->setText(m_drill.clockText());
}

void Form1::Command2_Click() {
    applyEditedRange();
    if (session.WordCount == 0) return;
    // The run takes over the range and Text2 that the card dialog's plan showed.
    if (m_cards) m_cards->close();
    Timer1->stop();
    const QString lastNumber = m_run.start();
    Text2->setText(lastNumber);
    S1->setMaximum(m_run.RunWordLimit);
    m_controls.recordingStarted();
    showControls();
    Label4->setText(DrillPlayer::StartClockText);
    Timer3->start();
    Timer2->start();
}

void Form1::Timer3_Timer() {
    if (!m_run.step()) Command1_Click();
}

void Form1::Command1_Click() {
    m_run.end();
    m_controls.recordingEnded();
    showControls();
    stopClock();
    Timer3->stop();
    m_drill.rewind();
}

// A cancelled dialog starts nothing and leaves the button enabled, so that one mis-click does not
// make the finished recording unsaveable.
void Form1::Command3_Click() {
    const QString chosen = dialogs.saveFile(this, MediaDialogs::Mp3Filter);
    if (chosen.isEmpty()) return;
    Text3->setText(chosen);
    m_mp3Save.start(chosen);
    m_controls.saveStarted();
    showControls();
    Timer4->start();
}

void Form1::Timer4_Timer() {
    const std::optional<Mp3Save::Outcome> outcome = m_mp3Save.Timer4_Timer(LrcText());
    if (!outcome) return;
    Timer4->stop();
    if (outcome->saved)
        m_controls.saveCompleted();
    else
        m_controls.saveFailed();
    showControls();
    statusBar()->showMessage(outcome->message); // a save's success clears an earlier failure
}

void Form1::makeCardsAction_Click() {
    applyEditedRange();
    const std::optional<WordCards::Plan> plan =
        WordCards::plan(session.WordRecords, session.WordCount);
    if (!plan) return;
    backToShownWord();
    m_cardWords = plan->words;
    Text2->setText(plan->lastNumber);
    // A dialog still open is brought forward; a closed one is on its way out.
    if (!m_cards || !m_cards->isVisible()) {
        m_cards = new Form2(Text3, dialogs.browseFolder, this);
        connect(m_cards, &Form2::makeCards, this, &Form1::makeCards);
    }
    m_cards->show();
    m_cards->raise();
}

// The larger cards go to the folder as typed, the smaller ones to its mirror in Text3.
void Form1::makeCards(bool smallerCards, const QString &typedFolder) {
    // A copy: the card command can be chosen again while the cards are drawn, replacing the plan.
    const std::vector<WordRecord> words = m_cardWords;
    const WordCards::Result result = smallerCards ? m_wordCards.xue2(words, Text3->text())
                                                  : m_wordCards.xue1(words, typedFolder);
    if (!result.problem.isEmpty()) statusBar()->showMessage(result.problem);
}

// The media commands walk the record set and leave it on its first word; the word on show must
// be the current one again, or the 生词 box would mark another word.
void Form1::backToShownWord() {
    m_words.moveTo(session.WordIndex);
}

// The path the student chose for a text file of the selection; empty when there is nothing to
// export or the dialog was cancelled.
QString Form1::chooseTextExport() {
    applyEditedRange();
    if (session.WordCount == 0) return {};
    return dialogs.saveFile(this, MediaDialogs::TextFilter);
}

void Form1::wordTextAction_Click() {
    const QString chosen = chooseTextExport();
    if (chosen.isEmpty()) return;
    Text3->setText(chosen);
    const bool written =
        WordTextExport::exportWords(session.WordRecords, session.WordCount, chosen);
    backToShownWord();
    if (!written)
        statusBar()->showMessage(
            WordTextExport::NotWrittenText.arg(WordTextExport::filePath(chosen)));
}

void Form1::ankiAction_Click() {
    const QString chosen = chooseTextExport();
    if (chosen.isEmpty()) return;
    const bool exported =
        AnkiExport::exportWords(session.WordRecords, session.WordCount,
                                QFileInfo(session.ListPath).completeBaseName(), chosen);
    backToShownWord();
    const QString file = WordTextExport::filePath(chosen);
    statusBar()->showMessage(exported ? AnkiExport::ExportedText.arg(file)
                                      : AnkiExport::NotExportedText.arg(file));
}

// The selection at the speed box's step, every word of it; the words are read here, before the
// work goes off the window.
void Form1::renderAction_Click() {
    applyEditedRange();
    if (session.WordCount == 0 || m_render) return;
    const QString chosen = dialogs.saveFile(this, MediaDialogs::Mp3Filter);
    if (chosen.isEmpty()) return;
    Mp3Render::Job job{SelectedWords::read(session.WordRecords, session.WordCount),
                       Timer3->interval(), m_speaker.speed(), chosen};
    backToShownWord();
    m_render = std::make_unique<Mp3Render>(std::move(job), m_paths.systemFolder(), renderVoice());
    const QString problem = m_render->start();
    if (!problem.isEmpty()) {
        m_render.reset();
        statusBar()->showMessage(problem);
        return;
    }
    connect(m_render.get(), &Mp3Render::progressed, this, &Form1::showRenderProgress);
    // Handled once the render's own tick is over, as the handler ends the render.
    connect(
        m_render.get(), &Mp3Render::finished, this,
        [this](bool, const QString &message) { renderFinished(message); }, Qt::QueuedConnection);
    openRenderProgress();
    showControls();
}

// Not modal: the window can be used while a render runs.
void Form1::openRenderProgress() {
    m_renderProgress = new QProgressDialog(this);
    m_renderProgress->setWindowTitle(QStringLiteral("快速生成 MP3"));
    m_renderProgress->setCancelButtonText(QStringLiteral("取消"));
    m_renderProgress->setRange(0, 1000);
    m_renderProgress->setAutoClose(false);
    m_renderProgress->setAutoReset(false);
    m_renderProgress->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_renderProgress, &QProgressDialog::canceled, this, &Form1::cancelRender);
    showRenderProgress(m_render->progress());
    m_renderProgress->show();
}

void Form1::showRenderProgress(const Mp3Render::Progress &progress) {
    if (!m_renderProgress) return;
    m_renderProgress->setLabelText(Mp3Render::progressText(progress));
    m_renderProgress->setValue(progress.perMille);
}

void Form1::renderFinished(const QString &message) {
    m_render.reset();
    if (m_renderProgress) m_renderProgress->close();
    showControls();
    statusBar()->showMessage(message);
}

void Form1::cancelRender() {
    if (!m_render) return;
    renderFinished(Mp3Render::CancelledText);
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

// Nothing is written into a temporary folder that is not the student's own, and a page that
// could not be written is not opened.
void Form1::openLocalPage(int resourceId, const QString &fileName) {
    const QString path = m_paths.tempFolder() + fileName;
    if (m_paths.createTempFolder() && Resources::writeResource(resourceId, path))
        openUrl(QUrl::fromLocalFile(path));
}

void Form1::Label3_Click() {
    openLocalPage(HelpPageResource, QStringLiteral("vocareelhelp.html"));
}

void Form1::visitHomePage() {
    openLocalPage(AboutPageResource, QStringLiteral("vocareelabout.html"));
}

void Form1::shutDown() {
    m_render.reset();
    RecordingCommands::discard(m_mci, m_paths.systemFolder());
    session.CloseList();
}

void Form1::closeEvent(QCloseEvent *event) {
    shutDown();
    event->accept();
    QCoreApplication::exit(0);
}
