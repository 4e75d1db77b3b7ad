#pragma once

#include "platform/RtfCodePage.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QRgb>
#include <QStringList>

class QTextBlock;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

// Writes a document as RTF: each paragraph with its indents and alignment, each run with its
// font, size, colour, bold, italic and underline. The output is ASCII: Chinese text as GBK
// "\'hh" bytes, characters GBK cannot hold as "\uN?".
class RtfWriter {
public:
    explicit RtfWriter(const QTextDocument &doc);

    QByteArray write();

private:
    void collectTables();
    void collectFormat(const QTextCharFormat &format);
    void writeHeader();
    void writeBlock(const QTextBlock &block);
    void writeParagraphFormat(const QTextBlockFormat &format);
    void writeRunFormat(const QTextCharFormat &format);
    void writeText(const QString &text);
    void writeCharacter(QStringView units);
    void writeWord(const char *word, int parameter);

    QFont effectiveFont(const QTextCharFormat &format) const;
    static QString familyOf(const QFont &font);

    const QTextDocument &m_doc;
    const RtfCodePage &m_gbk;
    QStringList m_fonts;
    QList<QRgb> m_colours; // the colour table after its automatic first entry
    QByteArray m_out;
};
