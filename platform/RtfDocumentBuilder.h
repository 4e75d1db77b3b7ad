#pragma once

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

// Fills a document with the runs and paragraph marks the RTF reader finds. Text of one format
// is gathered and inserted at once; a paragraph takes the paragraph format in force at its
// last text or at its paragraph mark, whichever comes later.
class RtfDocumentBuilder {
public:
    explicit RtfDocumentBuilder(QTextDocument &doc);

    void addText(const QString &text, const QTextCharFormat &chars, const QTextBlockFormat &block);
    void breakParagraph(const QTextCharFormat &chars, const QTextBlockFormat &block);
    // Inserts the gathered text; call once more at the end.
    void flush();

private:
    QTextCursor m_cursor;
    QString m_pendingText;
    QTextCharFormat m_pendingChars;
    QTextBlockFormat m_pendingBlock;
};
