#pragma once

#include "platform/RtfControlWord.h"
#include "platform/RtfDocumentBuilder.h"
#include "platform/RtfToken.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <optional>
#include <vector>

class QTextDocument;

// Reads RTF into a document: text with font, size, colour, bold, italic and underline, and
// paragraphs with indents and alignment. Everything else is skipped. Malformed input is read
// as far as it makes sense; groups nested deeper than a fixed limit share their parent's state.
class RtfReader {
public:
    explicit RtfReader(QTextDocument &doc) : m_builder(doc) {}

    // Appends the content of rtf (which starts with "{\rtf") to the document.
    void read(QByteArrayView rtf);

private:
    enum class Destination { Text, FontTable, ColourTable, Skipped };

    struct CharacterState {
        int font = 0;
        int halfPoints = 24;
        int colour = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
    };

    struct ParagraphState {
        int leftTwips = 0;
        int firstLineTwips = 0;
        int rightTwips = 0;
        int spaceBeforeTwips = 0;
        int spaceAfterTwips = 0;
        Qt::Alignment alignment = Qt::AlignLeft;
    };

    struct GroupState {
        Destination destination = Destination::Text;
        CharacterState characters;
        ParagraphState paragraph;
        int unicodeFallbackLength = 1;
    };

    struct Font {
        QString name;
        int codePage = 0;
    };

    struct FontEntry {
        int index = 0;
        std::optional<int> charset;
        QString name;
    };

    struct ColourEntry {
        int red = 0;
        int green = 0;
        int blue = 0;
        bool given = false;
    };

    void handle(const RtfToken &token);
    void openGroup();
    void closeGroup();
    void handleByte(char byte);
    void handleControlSymbol(char symbol);
    void handleControlWord(const RtfToken &token);
    bool startDestination(RtfControlWord word);
    void handleFontTableWord(RtfControlWord word, const RtfToken &token);
    void handleColourTableWord(RtfControlWord word, const RtfToken &token);
    void handleTextWord(RtfControlWordMeaning meaning, const RtfToken &token);
    bool handleUnicodeWord(RtfControlWord word, const RtfToken &token);
    bool applyCharacterWord(RtfControlWord word, const RtfToken &token);
    bool applyParagraphWord(RtfControlWord word, const RtfToken &token);

    void appendText(const QString &text);
    void flushBytes();
    void finishFontEntry();
    void finishColourEntry();

    GroupState &state() { return m_groups.back(); }
    int currentCodePage() const;
    int codePageOfCharset(std::optional<int> charset) const;
    QTextCharFormat characterFormat() const;
    QTextBlockFormat blockFormat() const;

    RtfDocumentBuilder m_builder;
    std::vector<GroupState> m_groups{GroupState{}};
    int m_groupsBeyondLimit = 0;
    bool m_finished = false;

    int m_defaultFont = 0;
    int m_defaultCodePage = 1252;
    QHash<int, Font> m_fonts;
    std::optional<FontEntry> m_fontEntry;
    QList<QColor> m_colours;
    ColourEntry m_colourEntry;

    QByteArray m_pendingBytes;
    int m_fallbackToSkip = 0;
};
