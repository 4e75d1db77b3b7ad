#pragma once

#include <QString>
#include <QTextCharFormat>

class QTextDocument;

// The paper sources' small markup: one line is one paragraph, "**text**" is bold and
// "__text__" underlined; a marker never spans lines.
namespace PaperMarkup {

// Replaces doc's content with the source text, every run in base plus its markup.
void toDocument(const QString &source, const QTextCharFormat &base, QTextDocument &doc);

// The text without its markers.
QString plainText(const QString &source);

} // namespace PaperMarkup
