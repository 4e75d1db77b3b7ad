#pragma once

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

class QTextDocument;

// The paper sources' small markup: one line is one paragraph, "**text**" is bold and
// "__text__" underlined; a marker never spans lines.
namespace PaperMarkup {

// Replaces doc's content with the source text, every run in base plus its markup and every
// paragraph in the given paragraph format. A numbered cloze blank ("__21__") is widened with
// blanks on both sides so that it reads as a gap to fill.
void toDocument(const QString &source, const QTextCharFormat &base, QTextDocument &doc,
                const QTextBlockFormat &paragraph = {});

// The text without its markers.
QString plainText(const QString &source);

} // namespace PaperMarkup
