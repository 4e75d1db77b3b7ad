#include "vocab/player/WordDisplay.h"

#include "platform/BracketPlacement.h"
#include "platform/Fonts.h"
#include "platform/PhoneticDisplay.h"
#include "platform/Twips.h"
#include "vocab/library/WordRecord.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr double PanelWidth = 4800;
constexpr double PanelHeight = 2955;
constexpr double ShadowOffset = 120;
constexpr double ShadowWidth = 4815;

constexpr double WordLeft = 540;
constexpr double WordTop = 480;
constexpr double WordPointSize = 21.75;
constexpr double TranscriptionTop = 1080;
constexpr double TranscriptionPointSize = 14.25;
constexpr double BracketGap = 30; // between each bracket and the transcription
constexpr double LineTop = 1620;
constexpr double LineWidth = 3840;
constexpr double MeaningLeft = 600;
constexpr double MeaningTop = 1740;
constexpr double MeaningWidth = 3675;
constexpr double MeaningHeight = 1050;
constexpr double MeaningPointSize = 10.5;
constexpr double NoticePointSize = 12;

QLabel *panelLabel(QWidget *panel, const char *name, const QString &colour) {
    auto *label = new QLabel(panel);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet("color: " + colour + "; background: transparent;");
    return label;
}

} // namespace

WordDisplay::WordDisplay(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture2"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("background: #0d3b1e;"));
    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setStyleSheet(QStringLiteral(
        "#Picture1 { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #2b6a5c, "
        "stop:1 #123a45); border: 1px solid #0b2a2a; }"));

    Label5 = panelLabel(Picture1, "Label5", QStringLiteral("#ffff00"));
    Label8 = panelLabel(Picture1, "Label8", QStringLiteral("#ffffff"));
    Label6 = panelLabel(Picture1, "Label6", QStringLiteral("#e0e0e0"));
    Label9 = panelLabel(Picture1, "Label9", QStringLiteral("#ffffff"));
    Line1 = new QFrame(Picture1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setStyleSheet(QStringLiteral("background: rgba(255, 255, 255, 90);"));
    Line1->hide();
    Label7 = panelLabel(Picture1, "Label7", QStringLiteral("#ffffff"));
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    noWords = panelLabel(Picture1, "noWords", QStringLiteral("#ffffff"));
    noWords->setText(NoWordsText);
    noWords->setAlignment(Qt::AlignCenter);
    noWords->hide();
    arrange();
}

void WordDisplay::setZoom(double zoom) {
    m_zoom = zoom;
    arrange();
}

int WordDisplay::pixels(double twips) const {
    return Twips::toPixels(twips * m_zoom);
}

QRect WordDisplay::rect(double left, double top, double width, double height) const {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

void WordDisplay::arrange() {
    setFixedSize(pixels(Width), pixels(Height));
    Label1->setGeometry(rect(ShadowOffset, ShadowOffset, ShadowWidth, PanelHeight));
    Picture1->setGeometry(rect(0, 0, PanelWidth, PanelHeight));
    Label5->setFont(Fonts::font(Fonts::Song, WordPointSize * m_zoom, true));
    Label5->move(pixels(WordLeft), pixels(WordTop));
    Label5->adjustSize();
    for (QLabel *bracket : {Label8, Label9})
        bracket->setFont(Fonts::font(Fonts::Song, TranscriptionPointSize * m_zoom, true));
    Label6->setFont(phoneticFont(TranscriptionPointSize * m_zoom));
    placeTranscription();
    Line1->setGeometry(rect(WordLeft, LineTop, LineWidth, Twips::PerPixel));
    Label7->setFont(Fonts::font(Fonts::Song, MeaningPointSize * m_zoom));
    Label7->setGeometry(rect(MeaningLeft, MeaningTop, MeaningWidth, MeaningHeight));
    noWords->setFont(Fonts::font(Fonts::Song, NoticePointSize * m_zoom));
    noWords->setGeometry(rect(0, 0, PanelWidth, PanelHeight));
}

// "[" at the word's left edge, then the transcription and "]", each a small gap after the one
// before. The brackets sit on the transcription's baseline although their font is another.
void WordDisplay::placeTranscription() {
    for (QLabel *label : {Label8, Label6, Label9}) {
        label->adjustSize();
        label->move(pixels(WordLeft), pixels(TranscriptionTop));
    }
    const int baseline = Label6->y() + Label6->fontMetrics().ascent();
    for (QLabel *bracket : {Label8, Label9})
        bracket->move(bracket->x(), baseline - bracket->fontMetrics().ascent());
    BracketPlacement::placeAfter(*Label6, *Label8, BracketGap * m_zoom);
    BracketPlacement::placeAfter(*Label9, *Label6, BracketGap * m_zoom);
}

void WordDisplay::clear() {
    for (QLabel *label : {Label5, Label6, Label7, Label8, Label9})
        label->clear();
    noWords->hide();
}

void WordDisplay::showWord(const WordRecord &word) {
    clear();
    Line1->show();
    Label5->setText(word.word);
    Label5->adjustSize();
    Label6->setText(phoneticToIpa(word.phonetic));
    if (!Label6->text().isEmpty()) {
        Label8->setText(QStringLiteral("["));
        Label9->setText(QStringLiteral("]"));
    }
    placeTranscription();
}

void WordDisplay::showMeaning(const QString &meaning) {
    Label7->setText(meaning);
}

void WordDisplay::showNoWords() {
    clear();
    Line1->hide();
    noWords->show();
}
