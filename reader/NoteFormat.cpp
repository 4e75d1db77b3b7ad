#include "reader/NoteFormat.h"

#include "platform/Fonts.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace NoteFormat {

namespace {
QTextCharFormat songFormat(double pointSize, const QColor &colour) {
    QTextCharFormat format;
    format.setFontFamilies({Fonts::Song});
    format.setFontPointSize(pointSize);
    format.setForeground(colour);
    return format;
}
} // namespace

void writeHint(QTextDocument &doc) {
    doc.clear();
    QTextCursor cursor(&doc);
    QTextBlockFormat block;
    block.setLeftMargin(HintIndentTwips / Twips::PerPixel);
    cursor.setBlockFormat(block);
    cursor.insertText(HintText, songFormat(HintPointSize, HintColour));
}

bool isHint(const QTextDocument &doc) {
    return doc.toPlainText() == HintText;
}

QColor workspaceGrey() {
    return QGuiApplication::palette().color(QPalette::Dark);
}

void apply(QTextCursor &selection, const QColor &colour) {
    QTextCharFormat format = songFormat(NotePointSize, colour);
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    selection.mergeCharFormat(format);
}

} // namespace NoteFormat
