#pragma once

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <optional>

class QTextDocument;

// Fills a document with the runs and paragraph marks the RTF reader finds. Text of one format
// is gathered and inserted at once; a paragraph takes the paragraph format in force at its
// last text or at its paragraph mark, whichever comes later. Everything the builder inserts
// in its lifetime is one edit block, so a document shown in a pane is laid out once, when the
// builder goes, instead of after every run (which made reading quadratic in the runs).
class RtfDocumentBuilder {
public:
    explicit RtfDocumentBuilder(QTextDocument &doc);
    ~RtfDocumentBuilder();
    RtfDocumentBuilder(const RtfDocumentBuilder &) = delete;
    RtfDocumentBuilder &operator=(const RtfDocumentBuilder &) = delete;

    void addText(const QString &text, const QTextCharFormat &chars, const QTextBlockFormat &block);
    void breakParagraph(const QTextCharFormat &chars, const QTextBlockFormat &block);
    // Inserts the gathered text and gives the last paragraph its format; call at the end.
    void finish();

private:
    void flush();

    QTextCursor m_cursor;
    QString m_pendingText;
    QTextCharFormat m_pendingChars;
    // The paragraph format at the latest text since the last paragraph mark; the paragraph
    // takes it once, when it ends, rather than with every run.
    std::optional<QTextBlockFormat> m_textBlock;
};
