#pragma once

#include <QByteArrayView>

// The control words the RTF reader acts on; every other word is Unknown.
enum class RtfControlWord {
    Unknown,
    // destinations
    FontTable,
    ColourTable,
    SkippedDestination, // content that is not visible text: \info, \pict, \header and the like
    // font and colour table entries
    Charset,
    Red,
    Green,
    Blue,
    // character formatting
    Font,
    FontSize,
    Colour,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Plain,
    // paragraph formatting
    ParagraphDefaults,
    LeftIndent,
    FirstLineIndent,
    RightIndent,
    SpaceBefore,
    SpaceAfter,
    AlignLeft,
    AlignCentre,
    AlignRight,
    Justify,
    // text
    Paragraph,
    Character, // a word that stands for one character, such as \tab
    Unicode,
    UnicodeFallbackLength,
    // document
    DefaultFont,
    CodePage,
};

struct RtfControlWordMeaning {
    RtfControlWord word = RtfControlWord::Unknown;
    char16_t character = 0; // the character of a Character word
};

RtfControlWordMeaning rtfControlWordMeaning(QByteArrayView name);
