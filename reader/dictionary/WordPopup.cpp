#include "reader/dictionary/WordPopup.h"

#include "platform/Fonts.h"
#include "platform/PhoneticDisplay.h"
#include "reader/Twips.h"

#include <QLabel>

namespace {

constexpr double TranscriptionTop = 240;
constexpr double TranscriptionLeft = 165;
constexpr double BracketGap = 20; // between the transcription and the closing bracket

const QColor Background(255, 255, 192);
const QColor HeadwordColour(255, 0, 0);
const QColor TextColour(0, 192, 192);

constexpr double PointSize = 9;
// The definition label holds two whole lines at this spacing; the Chinese fonts' own, wider
// spacing would show the second line cut in half.
constexpr int DefinitionLineHeightPercent = 80;

QLabel *label(QWidget *parent, const char *name, const QColor &colour, double left, double top) {
    auto *created = new QLabel(parent);
    created->setObjectName(QLatin1String(name));
    QPalette palette = created->palette();
    palette.setColor(QPalette::WindowText, colour);
    created->setPalette(palette);
    created->move(Twips::toPixels(left), Twips::toPixels(top));
    return created;
}

QFont fontOf(const QString &family) {
    QFont font(family);
    font.setPointSizeF(PointSize);
    return font;
}

QFont headwordFont() {
    QFont font = fontOf(Fonts::Arial);
    font.setBold(true);
    return font;
}

QFont phoneticFont() {
    QFont font;
    font.setFamilies(phoneticFontFamilies());
    font.setPointSizeF(PointSize);
    return font;
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
    Label11->setFont(headwordFont());
    Label12 = label(this, "Label12", TextColour, 60, TranscriptionTop);
    Label12->setFont(phoneticFont()); // on the transcription's baseline
    setSizedText(Label12, QStringLiteral("["));
    Label15 = label(this, "Label15", TextColour, TranscriptionLeft, TranscriptionTop);
    Label15->setFont(phoneticFont());
    Label13 = label(this, "Label13", TextColour, 0, TranscriptionTop);
    Label13->setFont(phoneticFont());
    setSizedText(Label13, QStringLiteral("]"));
    Label16 = label(this, "Label16", TextColour, 75, 480);
    Label16->setFixedSize(Twips::toPixels(2160), Twips::toPixels(420));
    Label16->setFont(fontOf(Fonts::Song));
    Label16->setTextFormat(Qt::RichText);
    Label16->setWordWrap(true);
    Label16->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hide();
}

void WordPopup::showEntry(const DictionaryEntry &entry) {
    setSizedText(Label11, entry.headword);
    Label16->setText(QStringLiteral("<p style=\"line-height:%1%\">%2</p>")
                         .arg(DefinitionLineHeightPercent)
                         .arg(entry.definition.toHtmlEscaped()));
    m_entry = entry;
    setSizedText(Label15, phoneticToIpa(entry.transcription));
    Label12->hide();
    Label13->hide();
    if (!entry.transcription.isEmpty()) {
        placeClosingBracket();
        Label12->show();
        Label13->show();
    }
    show();
    raise();
}

void WordPopup::placeClosingBracket() {
    const double left = TranscriptionLeft + Twips::fromPixels(Label15->width()) + BracketGap;
    Label13->move(Twips::toPixels(left), Twips::toPixels(TranscriptionTop));
}

void WordPopup::moveTo(QPointF twips) {
    move(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()));
}

QPointF WordPopup::positionTwips() const {
    return {Twips::fromPixels(x()), Twips::fromPixels(y())};
}
