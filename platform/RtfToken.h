#pragma once

#include <QByteArrayView>

// One lexical element of an RTF text.
struct RtfToken {
    enum class Kind {
        End,           // the input is used up
        GroupStart,    // "{"
        GroupEnd,      // "}"
        ControlWord,   // "\name" with an optional numeric parameter
        ControlSymbol, // "\" followed by one character that is not a letter, such as "\*" or "\~"
        Byte,          // one byte of text: plain, escaped ("\{") or written as "\'hh"
    };

    Kind kind = Kind::End;
    QByteArrayView word; // ControlWord: the letters of the name
    bool hasParameter = false;
    int parameter = 0;  // ControlWord: the parameter, clamped to the int range
    char character = 0; // ControlSymbol: the symbol; Byte: the byte

    bool isWord(QByteArrayView name) const { return kind == Kind::ControlWord && word == name; }
};
