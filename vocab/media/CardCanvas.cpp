#include "vocab/media/CardCanvas.h"

#include "platform/Fonts.h"
#include "platform/PhoneticDisplay.h"
#include "platform/Twips.h"
#include "vocab/library/WordRecord.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);
// 96 dots per inch, so that point sizes come out at the card's pixel sizes on any screen.
constexpr int DotsPerMeter = 3780;

QImage cardImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    return image;
}

// A deep-to-light blue diagonal with two soft light patches.
QImage blueGradient(QSize size) {
    QImage image = cardImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(0, 0, size.width(), size.height());
    base.setColorAt(0, QColor(0x0a, 0x24, 0x5c));
    base.setColorAt(0.55, QColor(0x1d, 0x4f, 0x9a));
    base.setColorAt(1, QColor(0x3f, 0x86, 0xc8));
    painter.fillRect(image.rect(), base);
    const auto glow = [&](QPointF centre, double radius, int alpha) {
        QRadialGradient light(centre, radius);
        light.setColorAt(0, QColor(255, 255, 255, alpha));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        painter.fillRect(image.rect(), light);
    };
    glow({size.width() * 0.85, size.height() * 0.15}, size.width() * 0.45, 40);
    glow({size.width() * 0.1, size.height() * 0.95}, size.width() * 0.35, 28);
    return image;
}

// Prints texts at a current position kept in twips.
class Pen {
public:
    explicit Pen(QPainter &painter) : m_painter(painter) {}

    void setFont(const QFont &font, const QColor &colour = White) {
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_metrics = QFontMetricsF(font, m_painter.device());
    }
    void moveTo(QPointF twips) { m_at = twips; }
    void print(const QString &text) {
        const QPointF topLeft(Twips::toPixels(m_at.x()), Twips::toPixels(m_at.y()));
        m_painter.drawText(topLeft + QPointF(0, m_metrics.ascent()), text);
        m_at.rx() += advance(text);
    }
    double advance(const QString &text) const {
        return m_metrics.horizontalAdvance(text) * Twips::PerPixel;
    }

private:
    QPainter &m_painter;
    QFontMetricsF m_metrics{QFont()};
    QPointF m_at;
};

QFont song(double points, bool bold = false) {
    return Fonts::font(Fonts::Song, points, bold);
}

// The word's font: bold at the card's word size, or smaller for a word so long that it would
// come nearer the right edge than it starts from the left.
QFont wordFont(const QString &word, const CardGeometry &geometry, const QPaintDevice *card) {
    constexpr double Step = 0.5;
    const double room = geometry.card.width() - 2 * Twips::toPixels(geometry.word.x());
    QFont font = song(geometry.wordPoints, true);
    while (QFontMetricsF(font, card).horizontalAdvance(word) > room && font.pointSizeF() > Step)
        font.setPointSizeF(font.pointSizeF() - Step);
    return font;
}

} // namespace

CardCanvas::CardCanvas(const CardGeometry &geometry)
    : m_geometry(geometry), m_background(blueGradient(geometry.background)),
      m_picture(cardImage(geometry.card)) {}

const QImage &CardCanvas::draw(const WordRecord &word) {
    const CardGeometry &g = m_geometry;
    QPainter painter(&m_picture);
    painter.drawImage(0, 0, m_background);
    Pen pen(painter);

    pen.setFont(wordFont(word.word, g, &m_picture), Yellow);
    pen.moveTo(g.word);
    pen.print(word.word);

    const bool bracketed = !word.phonetic.isEmpty();
    pen.setFont(song(g.phoneticPoints));
    pen.moveTo(g.phonetic);
    if (bracketed) pen.print(QStringLiteral("["));
    pen.setFont(phoneticFont(g.phoneticPoints));
    pen.print(phoneticToIpa(word.phonetic));
    pen.setFont(song(g.phoneticPoints));
    if (bracketed) pen.print(QStringLiteral("]"));

    painter.setPen(White);
    painter.drawLine(Twips::toPixels(g.separator.x1()), Twips::toPixels(g.separator.y1()),
                     Twips::toPixels(g.separator.x2()), Twips::toPixels(g.separator.y2()));

    pen.setFont(song(g.meaningPoints));
    const auto advance = [&pen](const QString &text) { return pen.advance(text); };
    for (const PlacedText &character : layOutMeaning(word.meaning, g, advance)) {
        pen.moveTo(character.at);
        pen.print(character.text);
    }

    pen.setFont(song(g.numberPoints));
    pen.moveTo(g.number);
    pen.print(word.number);
    return m_picture;
}

std::vector<CardCanvas::PlacedText>
CardCanvas::layOutMeaning(const QString &meaning, const CardGeometry &geometry,
                          const std::function<double(const QString &)> &advanceTwips) {
    std::vector<PlacedText> placed;
    QPointF pen = geometry.meaning;
    int wraps = 0;
    for (const uint codePoint : meaning.toUcs4()) {
        const QString character = QStringView(QChar::fromUcs4(codePoint)).toString();
        placed.push_back({character, pen});
        pen.rx() += advanceTwips(character);
        if (pen.x() <= geometry.meaningWrapBeyond) continue;
        pen = QPointF(geometry.meaningReturnX, pen.y() + geometry.meaningLineStep);
        if (++wraps >= MeaningLines) break;
    }
    return placed;
}
