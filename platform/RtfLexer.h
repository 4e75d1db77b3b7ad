#pragma once

#include "platform/RtfToken.h"

#include <QByteArrayView>
#include <optional>

// Splits RTF text into tokens. Malformed text never stops it: a truncated escape yields
// nothing, and every call to next() either consumes input or reports the end.
class RtfLexer {
public:
    explicit RtfLexer(QByteArrayView input) : m_input(input) {}

    RtfToken next();

private:
    std::optional<RtfToken> readEscape();
    RtfToken readControlWord();
    std::optional<RtfToken> readHexByte();
    int readParameter(bool &found);
    void skipBinaryData(int length);

    bool atEnd() const { return m_pos >= m_input.size(); }
    char peek() const { return m_input[m_pos]; }

    QByteArrayView m_input;
    qsizetype m_pos = 0;
};
