#include "platform/RtfDocumentBuilder.h"

#include <QTextDocument>

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument &doc) : m_cursor(&doc) {}

void RtfDocumentBuilder::addText(const QString &text, const QTextCharFormat &chars,
                                 const QTextBlockFormat &block) {
    if (chars != m_pendingChars) flush();
    m_pendingText += text;
    m_pendingChars = chars;
    m_pendingBlock = block;
}

void RtfDocumentBuilder::breakParagraph(const QTextCharFormat &chars,
                                        const QTextBlockFormat &block) {
    flush();
    m_cursor.setBlockFormat(block);
    m_cursor.setBlockCharFormat(chars);
    m_cursor.insertBlock(block, chars);
}

void RtfDocumentBuilder::flush() {
    if (m_pendingText.isEmpty()) return;
    m_cursor.setBlockFormat(m_pendingBlock);
    m_cursor.insertText(m_pendingText, m_pendingChars);
    m_pendingText.clear();
}
