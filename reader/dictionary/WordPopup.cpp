#include "reader/dictionary/WordPopup.h"

#include "platform/BracketPlacement.h"
#include "platform/Fonts.h"
#include "platform/PhoneticDisplay.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

constexpr double TranscriptionTop = 240;
constexpr double TranscriptionLeft = 165;
constexpr double BracketGap = 20; // between the transcription and the closing bracket

const QColor Background(255, 255, 192);
const QColor HeadwordColour(255, 0, 0);
const QColor TextColour(0, 192, 192);

constexpr double PointSize = 9;
constexpr double DefinitionLeft = 75;
constexpr double DefinitionTop = 480;
constexpr double DefinitionWidth = 2160;
constexpr double DefinitionHeight = 420;
constexpr double BottomMargin = 75; // below a definition longer than the designed two lines
constexpr double ButtonMargin = 75; // right of and below the add button
constexpr int AddedMomentMs = 1500;

const QString AddButtonStyle = QStringLiteral(
    "QPushButton { color: rgb(0, 128, 128); background: rgb(255, 255, 224);"
    " border: 1px solid rgb(0, 192, 192); border-radius: 2px; padding: 1px 6px; }"
    "QPushButton:hover { background: rgb(224, 248, 248); }"
    "QPushButton:disabled { color: rgb(96, 144, 144); border-color: rgb(176, 216, 216); }");

QLabel *label(QWidget *parent, const char *name, const QColor &colour, double left, double top) {
    auto *created = new QLabel(parent);
    created->setObjectName(QLatin1String(name));
    QPalette palette = created->palette();
    palette.setColor(QPalette::WindowText, colour);
    created->setPalette(palette);
    created->move(Twips::toPixels(left), Twips::toPixels(top));
    return created;
}

void setSizedText(QLabel *label, const QString &text) {
    label->setText(text);
    label->adjustSize();
}

} // namespace

WordPopup::WordPopup(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture8"));
    setFixedSize(Twips::toPixels(Width), Twips::toPixels(Height));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Background);
    setPalette(palette);

    Label11 = label(this, "Label11", HeadwordColour, 80, 0);
    Label11->setFont(Fonts::font(Fonts::Arial, PointSize, true));
    Label12 = label(this, "Label12", TextColour, 60, TranscriptionTop);
    Label12->setFont(phoneticFont(PointSize)); // on the transcription's baseline
    setSizedText(Label12, QStringLiteral("["));
    Label15 = label(this, "Label15", TextColour, TranscriptionLeft, TranscriptionTop);
    Label15->setFont(phoneticFont(PointSize));
    Label13 = label(this, "Label13", TextColour, 0, TranscriptionTop);
    Label13->setFont(phoneticFont(PointSize));
    setSizedText(Label13, QStringLiteral("]"));
    Label16 = label(this, "Label16", TextColour, DefinitionLeft, DefinitionTop);
    Label16->setFixedSize(Twips::toPixels(DefinitionWidth), Twips::toPixels(DefinitionHeight));
    Label16->setFont(Fonts::font(Fonts::Song, PointSize));
    Label16->setTextFormat(Qt::PlainText);
    Label16->setWordWrap(true);
    Label16->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    buildAddButton();
    hide();
}

// The button never takes the focus, so a note being written keeps it.
void WordPopup::buildAddButton() {
    addButton = new QPushButton(AddText, this);
    addButton->setObjectName(QStringLiteral("addButton"));
    addButton->setFocusPolicy(Qt::NoFocus);
    addButton->setFont(Fonts::font(Fonts::Song, PointSize));
    addButton->setStyleSheet(AddButtonStyle);
    connect(addButton, &QPushButton::clicked, this, &WordPopup::addRequested);
    addedTimer = new QTimer(this);
    addedTimer->setSingleShot(true);
    addedTimer->setInterval(AddedMomentMs);
    connect(addedTimer, &QTimer::timeout, this, [this] { setAddButtonText(ListedText); });
}

// The button keeps to the bottom right corner whatever it says.
void WordPopup::setAddButtonText(const QString &text) {
    addButton->setText(text);
    addButton->adjustSize();
    addButton->move(width() - addButton->width() - Twips::toPixels(ButtonMargin), addButton->y());
}

void WordPopup::showEntry(const DictionaryEntry &entry) {
    setSizedText(Label11, entry.headword);
    Label16->setText(entry.definition);
    fitDefinition();
    m_entry = entry;
    setSizedText(Label15, phoneticToIpa(entry.transcription));
    Label12->hide();
    Label13->hide();
    if (!entry.transcription.isEmpty()) {
        placeClosingBracket();
        Label12->show();
        Label13->show();
    }
    placeAddButton();
    keepInsideParent();
    show();
    raise();
}

void WordPopup::showListed(bool justAdded) {
    setAddButtonText(justAdded ? AddedText : ListedText);
    addButton->setEnabled(false);
    justAdded ? addedTimer->start() : addedTimer->stop();
}

// A new entry offers the add again; the button sits at the bottom right, below the definition.
void WordPopup::placeAddButton() {
    addedTimer->stop();
    addButton->setEnabled(true);
    addButton->move(addButton->x(), height());
    setAddButtonText(AddText);
    setFixedHeight(height() + addButton->height() + Twips::toPixels(ButtonMargin));
}

// The popup keeps its designed size for definitions of up to two lines and grows downwards
// for longer ones, so that a definition is never cut off.
void WordPopup::fitDefinition() {
    const int designed = Twips::toPixels(DefinitionHeight);
    Label16->setMinimumHeight(0); // the previous entry's height must not count as needed
    const int needed = std::max(designed, Label16->heightForWidth(Label16->width()));
    Label16->setFixedHeight(needed);
    setFixedHeight(Twips::toPixels(Height) +
                   (needed > designed ? needed - designed + Twips::toPixels(BottomMargin) : 0));
}

// A popup grown past the bottom of the window is lifted until its bottom edge shows.
void WordPopup::keepInsideParent() {
    const QWidget *window = parentWidget();
    if (!window || y() + height() <= window->height()) return;
    move(x(), std::max(0, window->height() - height()));
}

void WordPopup::placeClosingBracket() {
    BracketPlacement::placeAfter(*Label13, *Label15, BracketGap);
}

void WordPopup::moveTo(QPointF twips) {
    move(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()));
}
