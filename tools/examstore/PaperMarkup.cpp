#include "tools/examstore/PaperMarkup.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <functional>

namespace PaperMarkup {

namespace {

const QString Bold = QStringLiteral("**");
const QString Underline = QStringLiteral("__");

// Calls onRun for each run of a line with the bold and underline state in force for it.
void forEachRun(const QString &line,
                const std::function<void(const QString &, bool bold, bool underline)> &onRun) {
    bool bold = false;
    bool underline = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i + 1 < line.size();) {
        const QStringView marker = QStringView(line).mid(i, 2);
        if (marker != Bold && marker != Underline) {
            ++i;
            continue;
        }
        if (i > start) onRun(line.mid(start, i - start), bold, underline);
        bool &state = marker == Bold ? bold : underline;
        state = !state;
        i += 2;
        start = i;
    }
    if (start < line.size()) onRun(line.mid(start), bold, underline);
}

const QString BlankPadding = QStringLiteral("\u00A0\u00A0");

bool isBlankNumber(const QString &run) {
    return !run.isEmpty() &&
           std::all_of(run.cbegin(), run.cend(), [](QChar c) { return c.isDigit(); });
}

QStringList linesOf(const QString &source) {
    QString text = source;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith('\n')) text.chop(1);
    return text.split('\n');
}

} // namespace

void toDocument(const QString &source, const QTextCharFormat &base, QTextDocument &doc,
                const QTextBlockFormat &paragraph) {
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.setBlockFormat(paragraph);
    cursor.setCharFormat(base);
    const QStringList lines = linesOf(source);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) cursor.insertBlock(paragraph, base);
        forEachRun(lines[i], [&cursor, &base](const QString &run, bool bold, bool underline) {
            QTextCharFormat format = base;
            if (bold) format.setFontWeight(QFont::Bold);
            format.setFontUnderline(underline);
            cursor.insertText(
                underline && isBlankNumber(run) ? BlankPadding + run + BlankPadding : run, format);
        });
    }
}

QString plainText(const QString &source) {
    QStringList lines;
    for (const QString &line : linesOf(source)) {
        QString &plain = lines.emplace_back();
        forEachRun(line, [&plain](const QString &run, bool, bool) { plain += run; });
    }
    return lines.join('\n');
}

} // namespace PaperMarkup
