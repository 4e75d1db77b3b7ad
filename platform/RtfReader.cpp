#include "platform/RtfReader.h"

#include "platform/RtfCodePage.h"
#include "platform/RtfConstants.h"
#include "platform/RtfControlWord.h"
#include "platform/RtfLexer.h"
#include "platform/Twips.h"

#include <QTextDocument>
#include <algorithm>
#include <array>
#include <utility>

namespace {

// Nesting beyond this depth is counted but gets no state of its own.
constexpr std::size_t maxGroupDepth = 256;

// Bounds that keep absurd parameters from reaching the layout.
constexpr int minHalfPoints = 2;
constexpr int maxHalfPoints = 3276;
constexpr int maxIndentTwips = 31680;
constexpr int maxFallbackLength = 16;

// Windows code pages of the font character sets ("\fcharsetN").
constexpr std::array<std::pair<int, int>, 14> charsetCodePages = {{
    {0, 1252},
    {128, 932},
    {129, 949},
    {RtfConstants::gbkCharset, RtfConstants::gbkCodePage},
    {136, 950},
    {161, 1253},
    {162, 1254},
    {163, 1258},
    {177, 1255},
    {178, 1256},
    {186, 1257},
    {204, 1251},
    {222, 874},
    {238, 1250},
}};

bool isSwitchedOn(const RtfToken &token) {
    return !token.hasParameter || token.parameter != 0;
}

int clampedTwips(int twips) {
    return std::clamp(twips, -maxIndentTwips, maxIndentTwips);
}

} // namespace

void RtfReader::read(QByteArrayView rtf) {
    RtfLexer lexer(rtf);
    for (RtfToken token = lexer.next(); token.kind != RtfToken::Kind::End && !m_finished;
         token = lexer.next())
        handle(token);
    flushBytes();
    m_builder.finish();
}

void RtfReader::handle(const RtfToken &token) {
    if (token.kind == RtfToken::Kind::Byte) {
        handleByte(token.character);
        return;
    }
    // Gathered bytes belong to the state before this token, and fallback text ends here.
    flushBytes();
    m_fallbackToSkip = 0;
    switch (token.kind) {
    case RtfToken::Kind::GroupStart:
        openGroup();
        break;
    case RtfToken::Kind::GroupEnd:
        closeGroup();
        break;
    case RtfToken::Kind::ControlSymbol:
        handleControlSymbol(token.character);
        break;
    case RtfToken::Kind::ControlWord:
        handleControlWord(token);
        break;
    default:
        break;
    }
}

void RtfReader::openGroup() {
    if (m_groups.size() >= maxGroupDepth)
        ++m_groupsBeyondLimit;
    else
        m_groups.push_back(state());
}

void RtfReader::closeGroup() {
    if (m_groupsBeyondLimit > 0) {
        --m_groupsBeyondLimit;
        return;
    }
    if (state().destination == Destination::FontTable) finishFontEntry();
    if (m_groups.size() > 1) m_groups.pop_back();
    // The document ends with its outermost group; anything after it is ignored.
    m_finished = m_groups.size() == 1;
}

void RtfReader::handleByte(char byte) {
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    switch (state().destination) {
    case Destination::Skipped:
        return;
    case Destination::ColourTable:
        if (byte == ';') finishColourEntry();
        return;
    case Destination::FontTable:
        if (byte == ';') {
            flushBytes();
            finishFontEntry();
            return;
        }
        break;
    case Destination::Text:
        break;
    }
    m_pendingBytes += byte;
}

void RtfReader::handleControlSymbol(char symbol) {
    switch (symbol) {
    case '*': // an optional destination: none of them is shown
        state().destination = Destination::Skipped;
        break;
    case '~':
        appendText(QString(QChar(0x00a0)));
        break;
    case '_':
        appendText(QString(QChar(0x2011)));
        break;
    default: // "\-" (optional hyphen) and unknown symbols
        break;
    }
}

void RtfReader::handleControlWord(const RtfToken &token) {
    const RtfControlWordMeaning meaning = rtfControlWordMeaning(token.word);
    if (state().destination == Destination::Skipped || startDestination(meaning.word)) return;
    switch (state().destination) {
    case Destination::FontTable:
        handleFontTableWord(meaning.word, token);
        break;
    case Destination::ColourTable:
        handleColourTableWord(meaning.word, token);
        break;
    default:
        handleTextWord(meaning, token);
    }
}

bool RtfReader::startDestination(RtfControlWord word) {
    Destination &destination = state().destination;
    switch (word) {
    case RtfControlWord::FontTable:
        destination = Destination::FontTable;
        return true;
    case RtfControlWord::ColourTable:
        destination = Destination::ColourTable;
        return true;
    case RtfControlWord::SkippedDestination:
        destination = Destination::Skipped;
        return true;
    default:
        return false;
    }
}

void RtfReader::handleFontTableWord(RtfControlWord word, const RtfToken &token) {
    if (word == RtfControlWord::Font) {
        finishFontEntry();
        m_fontEntry = FontEntry{token.parameter, std::nullopt, {}};
    } else if (word == RtfControlWord::Charset && m_fontEntry) {
        m_fontEntry->charset = token.parameter;
    } else {
        handleUnicodeWord(word, token); // font names may hold "\uN"
    }
}

void RtfReader::handleColourTableWord(RtfControlWord word, const RtfToken &token) {
    int *component = word == RtfControlWord::Red     ? &m_colourEntry.red
                     : word == RtfControlWord::Green ? &m_colourEntry.green
                     : word == RtfControlWord::Blue  ? &m_colourEntry.blue
                                                     : nullptr;
    if (!component) return;
    *component = std::clamp(token.parameter, 0, 255);
    m_colourEntry.given = true;
}

void RtfReader::handleTextWord(RtfControlWordMeaning meaning, const RtfToken &token) {
    if (applyCharacterWord(meaning.word, token) || applyParagraphWord(meaning.word, token) ||
        handleUnicodeWord(meaning.word, token))
        return;
    switch (meaning.word) {
    case RtfControlWord::Paragraph:
        m_builder.breakParagraph(characterFormat(), blockFormat());
        break;
    case RtfControlWord::Character:
        appendText(QString(QChar(meaning.character)));
        break;
    case RtfControlWord::DefaultFont:
        m_defaultFont = token.parameter;
        state().characters.font = token.parameter;
        break;
    case RtfControlWord::CodePage:
        m_defaultCodePage = token.parameter;
        break;
    default:
        break;
    }
}

bool RtfReader::handleUnicodeWord(RtfControlWord word, const RtfToken &token) {
    if (word == RtfControlWord::UnicodeFallbackLength) {
        state().unicodeFallbackLength = std::clamp(token.parameter, 0, maxFallbackLength);
    } else if (word == RtfControlWord::Unicode) {
        if (!token.hasParameter) return true;
        // The parameter is a signed 16-bit code unit: -3 stands for 65533.
        appendText(QString(QChar(static_cast<char16_t>(token.parameter))));
        m_fallbackToSkip = state().unicodeFallbackLength;
    } else {
        return false;
    }
    return true;
}

bool RtfReader::applyCharacterWord(RtfControlWord word, const RtfToken &token) {
    CharacterState &characters = state().characters;
    switch (word) {
    case RtfControlWord::Bold:
        characters.bold = isSwitchedOn(token);
        return true;
    case RtfControlWord::Italic:
        characters.italic = isSwitchedOn(token);
        return true;
    case RtfControlWord::Underline:
        characters.underline = isSwitchedOn(token);
        return true;
    case RtfControlWord::UnderlineNone:
        characters.underline = false;
        return true;
    case RtfControlWord::FontSize:
        characters.halfPoints = token.hasParameter
                                    ? std::clamp(token.parameter, minHalfPoints, maxHalfPoints)
                                    : CharacterState{}.halfPoints;
        return true;
    case RtfControlWord::Colour:
        characters.colour = token.parameter;
        return true;
    case RtfControlWord::Font:
        characters.font = token.parameter;
        return true;
    case RtfControlWord::Plain:
        characters = CharacterState{.font = m_defaultFont};
        return true;
    default:
        return false;
    }
}

bool RtfReader::applyParagraphWord(RtfControlWord word, const RtfToken &token) {
    ParagraphState &paragraph = state().paragraph;
    switch (word) {
    case RtfControlWord::ParagraphDefaults:
        paragraph = ParagraphState{};
        return true;
    case RtfControlWord::LeftIndent:
        paragraph.leftTwips = clampedTwips(token.parameter);
        return true;
    case RtfControlWord::FirstLineIndent:
        paragraph.firstLineTwips = clampedTwips(token.parameter);
        return true;
    case RtfControlWord::RightIndent:
        paragraph.rightTwips = clampedTwips(token.parameter);
        return true;
    case RtfControlWord::SpaceBefore:
        paragraph.spaceBeforeTwips = std::max(0, clampedTwips(token.parameter));
        return true;
    case RtfControlWord::SpaceAfter:
        paragraph.spaceAfterTwips = std::max(0, clampedTwips(token.parameter));
        return true;
    case RtfControlWord::AlignLeft:
        paragraph.alignment = Qt::AlignLeft;
        return true;
    case RtfControlWord::AlignCentre:
        paragraph.alignment = Qt::AlignHCenter;
        return true;
    case RtfControlWord::AlignRight:
        paragraph.alignment = Qt::AlignRight;
        return true;
    case RtfControlWord::Justify:
        paragraph.alignment = Qt::AlignJustify;
        return true;
    default:
        return false;
    }
}

void RtfReader::appendText(const QString &text) {
    switch (state().destination) {
    case Destination::Text:
        m_builder.addText(text, characterFormat(), blockFormat());
        break;
    case Destination::FontTable:
        if (m_fontEntry) m_fontEntry->name += text;
        break;
    default:
        break;
    }
}

void RtfReader::flushBytes() {
    if (m_pendingBytes.isEmpty()) return;
    const QString text = RtfCodePage::of(currentCodePage()).decode(m_pendingBytes);
    m_pendingBytes.clear();
    appendText(text);
}

void RtfReader::finishFontEntry() {
    if (!m_fontEntry) return;
    m_fonts.insert(m_fontEntry->index,
                   Font{m_fontEntry->name.trimmed(), codePageOfCharset(m_fontEntry->charset)});
    m_fontEntry.reset();
}

void RtfReader::finishColourEntry() {
    const ColourEntry &entry = m_colourEntry;
    // An entry without components is the automatic colour.
    m_colours.append(entry.given ? QColor(entry.red, entry.green, entry.blue) : QColor());
    m_colourEntry = ColourEntry{};
}

int RtfReader::currentCodePage() const {
    const GroupState &group = m_groups.back();
    if (group.destination == Destination::FontTable && m_fontEntry)
        return codePageOfCharset(m_fontEntry->charset);
    const auto font = m_fonts.constFind(group.characters.font);
    return font != m_fonts.constEnd() ? font->codePage : m_defaultCodePage;
}

int RtfReader::codePageOfCharset(std::optional<int> charset) const {
    if (!charset) return m_defaultCodePage;
    const auto found = std::ranges::find_if(
        charsetCodePages, [&](const auto &entry) { return entry.first == *charset; });
    return found != charsetCodePages.end() ? found->second : m_defaultCodePage;
}

QTextCharFormat RtfReader::characterFormat() const {
    const CharacterState &characters = m_groups.back().characters;
    QTextCharFormat format;
    const auto font = m_fonts.constFind(characters.font);
    if (font != m_fonts.constEnd() && !font->name.isEmpty()) format.setFontFamilies({font->name});
    format.setFontPointSize(characters.halfPoints / RtfConstants::halfPointsPerPoint);
    format.setFontWeight(characters.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(characters.italic);
    format.setFontUnderline(characters.underline);
    const QColor colour = m_colours.value(characters.colour);
    if (colour.isValid()) format.setForeground(colour);
    return format;
}

QTextBlockFormat RtfReader::blockFormat() const {
    const ParagraphState &paragraph = m_groups.back().paragraph;
    QTextBlockFormat format;
    format.setLeftMargin(paragraph.leftTwips / Twips::PerPixel);
    format.setTextIndent(paragraph.firstLineTwips / Twips::PerPixel);
    format.setRightMargin(paragraph.rightTwips / Twips::PerPixel);
    format.setTopMargin(paragraph.spaceBeforeTwips / Twips::PerPixel);
    format.setBottomMargin(paragraph.spaceAfterTwips / Twips::PerPixel);
    format.setAlignment(paragraph.alignment);
    return format;
}
