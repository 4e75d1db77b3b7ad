#include "platform/RtfWriter.h"

#include "platform/RtfConstants.h"
#include "platform/Twips.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int defaultHalfPoints = 24;
constexpr double pointsPerPixel = 72.0 / 96.0;

// Calls visit(format, text) for each run of the block; an empty block has one empty run in
// the block's own character format, so its font survives.
template <typename Visit> void forEachRun(const QTextBlock &block, Visit visit) {
    if (block.length() <= 1) {
        visit(block.charFormat(), QString());
        return;
    }
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (const QTextFragment fragment = it.fragment(); fragment.isValid())
            visit(fragment.charFormat(), fragment.text());
}

int halfPointsOf(const QFont &font) {
    const double points =
        font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * pointsPerPixel;
    return points > 0 ? qRound(points * RtfConstants::halfPointsPerPoint) : defaultHalfPoints;
}

bool hasColour(const QTextCharFormat &format) {
    return format.foreground().style() != Qt::NoBrush;
}

const char *alignmentWord(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter) return "\\qc";
    if (alignment & Qt::AlignRight) return "\\qr";
    if (alignment & Qt::AlignJustify) return "\\qj";
    return "";
}

} // namespace

RtfWriter::RtfWriter(const QTextDocument &doc)
    : m_doc(doc), m_gbk(RtfCodePage::of(RtfConstants::gbkCodePage)) {}

QByteArray RtfWriter::write() {
    collectTables();
    writeHeader();
    for (QTextBlock block = m_doc.begin(); block != m_doc.end(); block = block.next()) {
        if (block != m_doc.begin()) m_out += "\\par\n";
        writeBlock(block);
    }
    m_out += '}';
    return m_out;
}

void RtfWriter::collectTables() {
    // The document's default family comes first, as the "\deff0" font.
    m_fonts = {familyOf(m_doc.defaultFont())};
    for (QTextBlock block = m_doc.begin(); block != m_doc.end(); block = block.next())
        forEachRun(block, [this](const QTextCharFormat &format, const QString &) {
            collectFormat(format);
        });
}

void RtfWriter::collectFormat(const QTextCharFormat &format) {
    const QString family = familyOf(effectiveFont(format));
    if (!m_fonts.contains(family)) m_fonts.append(family);
    if (!hasColour(format)) return;
    const QRgb colour = format.foreground().color().rgb();
    if (!m_colours.contains(colour)) m_colours.append(colour);
}

void RtfWriter::writeHeader() {
    m_out += "{\\rtf1\\ansi";
    writeWord("ansicpg", RtfConstants::gbkCodePage);
    m_out += "\\deff0\\uc1{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        m_out += '{';
        writeWord("f", int(i));
        m_out += "\\fnil";
        writeWord("fcharset", RtfConstants::gbkCharset);
        m_out += ' ';
        writeText(m_fonts[i]);
        m_out += ";}";
    }
    m_out += "}{\\colortbl ;";
    for (const QRgb colour : std::as_const(m_colours)) {
        writeWord("red", qRed(colour));
        writeWord("green", qGreen(colour));
        writeWord("blue", qBlue(colour));
        m_out += ';';
    }
    m_out += "}\n";
}

void RtfWriter::writeBlock(const QTextBlock &block) {
    writeParagraphFormat(block.blockFormat());
    forEachRun(block, [this](const QTextCharFormat &format, const QString &text) {
        writeRunFormat(format);
        writeText(text);
    });
}

void RtfWriter::writeParagraphFormat(const QTextBlockFormat &format) {
    m_out += "\\pard";
    const std::pair<const char *, qreal> margins[] = {{"li", format.leftMargin()},
                                                      {"fi", format.textIndent()},
                                                      {"ri", format.rightMargin()},
                                                      {"sb", format.topMargin()},
                                                      {"sa", format.bottomMargin()}};
    for (const auto &[word, pixels] : margins)
        if (const int twips = qRound(pixels * Twips::PerPixel); twips != 0) writeWord(word, twips);
    m_out += alignmentWord(format.alignment());
}

void RtfWriter::writeRunFormat(const QTextCharFormat &format) {
    const QFont font = effectiveFont(format);
    m_out += "\\plain";
    writeWord("f", int(m_fonts.indexOf(familyOf(font))));
    writeWord("fs", halfPointsOf(font));
    if (hasColour(format))
        writeWord("cf", int(m_colours.indexOf(format.foreground().color().rgb())) + 1);
    if (font.bold()) m_out += "\\b";
    if (font.italic()) m_out += "\\i";
    if (font.underline()) m_out += "\\ul";
    m_out += ' ';
}

void RtfWriter::writeText(const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        writeCharacter(QStringView(text).sliced(i, pair ? 2 : 1));
        if (pair) ++i;
    }
}

void RtfWriter::writeCharacter(QStringView units) {
    const char16_t first = units.front().unicode();
    switch (first) {
    case u'\\':
    case u'{':
    case u'}':
        m_out += '\\';
        m_out += char(first);
        return;
    case u'\t':
        m_out += "\\tab ";
        return;
    case QChar::LineSeparator:
        m_out += "\\line ";
        return;
    default:
        break;
    }
    if (first >= 0x20 && first < 0x7f) {
        m_out += char(first);
        return;
    }
    const char32_t codePoint =
        units.size() == 2 ? QChar::surrogateToUcs4(units[0], units[1]) : char32_t(first);
    const QByteArray bytes = m_gbk.encode(codePoint);
    for (const char byte : bytes)
        m_out += "\\'" + QByteArray(1, byte).toHex();
    if (!bytes.isEmpty()) return;
    // Not in GBK: each UTF-16 unit as a signed 16-bit "\u", with "?" for readers without it.
    for (const QChar unit : units) {
        writeWord("u", int(qint16(unit.unicode())));
        m_out += '?';
    }
}

void RtfWriter::writeWord(const char *word, int parameter) {
    m_out += '\\';
    m_out += word;
    m_out += QByteArray::number(parameter);
}

QFont RtfWriter::effectiveFont(const QTextCharFormat &format) const {
    return format.font().resolve(m_doc.defaultFont());
}

QString RtfWriter::familyOf(const QFont &font) {
    return font.families().value(0, font.family());
}
