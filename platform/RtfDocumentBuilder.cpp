#include "platform/RtfDocumentBuilder.h"

#include <QTextDocument>

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument &doc) : m_cursor(&doc) {
    m_cursor.beginEditBlock();
}

RtfDocumentBuilder::~RtfDocumentBuilder() {
    m_cursor.endEditBlock();
}

void RtfDocumentBuilder::addText(const QString &text, const QTextCharFormat &chars,
                                 const QTextBlockFormat &block) {
    if (chars != m_pendingChars) flush();
    m_pendingText += text;
    m_pendingChars = chars;
    m_textBlock = block;
}

void RtfDocumentBuilder::breakParagraph(const QTextCharFormat &chars,
                                        const QTextBlockFormat &block) {
    flush();
    m_cursor.setBlockFormat(block);
    m_cursor.setBlockCharFormat(chars);
    m_cursor.insertBlock(block, chars);
    m_textBlock.reset();
}

void RtfDocumentBuilder::flush() {
    if (m_pendingText.isEmpty()) return;
    m_cursor.insertText(m_pendingText, m_pendingChars);
    m_pendingText.clear();
}

void RtfDocumentBuilder::finish() {
    flush();
    if (m_textBlock) m_cursor.setBlockFormat(*m_textBlock);
}
