#include "platform/RtfLexer.h"

#include <algorithm>
#include <climits>

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigitValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

RtfToken tokenOfKind(RtfToken::Kind kind, char character = 0) {
    RtfToken token;
    token.kind = kind;
    token.character = character;
    return token;
}

} // namespace

RtfToken RtfLexer::next() {
    while (!atEnd()) {
        const char c = m_input[m_pos++];
        switch (c) {
        case '{':
            return tokenOfKind(RtfToken::Kind::GroupStart);
        case '}':
            return tokenOfKind(RtfToken::Kind::GroupEnd);
        case '\\':
            if (const std::optional<RtfToken> token = readEscape()) return *token;
            break;
        case '\r':
        case '\n':
            break; // line ends in RTF source carry no meaning
        default:
            // Other control bytes are junk; a raw tab is kept as text.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                return tokenOfKind(RtfToken::Kind::Byte, c);
        }
    }
    return {};
}

std::optional<RtfToken> RtfLexer::readEscape() {
    if (atEnd()) return std::nullopt;
    const char c = peek();
    if (isLetter(c)) return readControlWord();
    ++m_pos;
    switch (c) {
    case '\'':
        return readHexByte();
    case '\\':
    case '{':
    case '}':
        return tokenOfKind(RtfToken::Kind::Byte, c);
    case '\r':
    case '\n': {
        // A backslash before a line end is a paragraph mark.
        RtfToken token = tokenOfKind(RtfToken::Kind::ControlWord);
        token.word = "par";
        return token;
    }
    default:
        return tokenOfKind(RtfToken::Kind::ControlSymbol, c);
    }
}

RtfToken RtfLexer::readControlWord() {
    const qsizetype start = m_pos;
    while (!atEnd() && isLetter(peek()))
        ++m_pos;
    RtfToken token = tokenOfKind(RtfToken::Kind::ControlWord);
    token.word = m_input.sliced(start, m_pos - start);
    token.parameter = readParameter(token.hasParameter);
    if (!atEnd() && peek() == ' ') ++m_pos; // the space delimiter belongs to the word
    if (token.word == "bin" && token.hasParameter) skipBinaryData(token.parameter);
    return token;
}

int RtfLexer::readParameter(bool &found) {
    const bool negative =
        !atEnd() && peek() == '-' && m_pos + 1 < m_input.size() && isDigit(m_input[m_pos + 1]);
    if (negative) ++m_pos;
    qint64 value = 0;
    found = false;
    while (!atEnd() && isDigit(peek())) {
        value = std::min<qint64>(value * 10 + (peek() - '0'), INT_MAX);
        ++m_pos;
        found = true;
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<RtfToken> RtfLexer::readHexByte() {
    int value = 0;
    for (int i = 0; i < 2; ++i) {
        const int digit = atEnd() ? -1 : hexDigitValue(peek());
        if (digit < 0) return std::nullopt; // a truncated escape yields nothing
        value = value * 16 + digit;
        ++m_pos;
    }
    return tokenOfKind(RtfToken::Kind::Byte, static_cast<char>(value));
}

void RtfLexer::skipBinaryData(int length) {
    m_pos += std::clamp<qsizetype>(length, 0, m_input.size() - m_pos);
}
