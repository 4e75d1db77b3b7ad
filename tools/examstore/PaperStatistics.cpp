#include "tools/examstore/PaperStatistics.h"

#include "tools/examstore/PaperMarkup.h"

#include <QRegularExpression>

namespace PaperStatistics {

namespace {

int countMatches(const QRegularExpression &expression, const QString &text) {
    int count = 0;
    for (auto it = expression.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

int wordCount(const QString &source) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+(?:['’-][A-Za-z]+)*"));
    return countMatches(word, PaperMarkup::plainText(source));
}

int blankCount(const QString &source) {
    static const QRegularExpression blank(QStringLiteral("__\\d+__"));
    return countMatches(blank, source);
}

namespace {
QString cell(const PaperSources::Part &part) {
    if (part.placeholder) return QStringLiteral("-");
    QString text = QStringLiteral("%1w").arg(wordCount(part.article()));
    if (const int blanks = blankCount(part.article())) text += QStringLiteral(" %1b").arg(blanks);
    return text;
}
} // namespace

QString table(const std::vector<PaperSources::Part> &parts) {
    QStringList lines{QStringLiteral("year  Part1     Part2     Part3     Part4     Part5")};
    QString year;
    for (const PaperSources::Part &part : parts) {
        const QString partYear = part.folder.section('/', 0, 0);
        if (partYear != year) {
            year = partYear;
            lines << year;
        }
        lines.last() += QStringLiteral("  %1").arg(cell(part), -8);
    }
    for (QString &line : lines)
        line = line.trimmed();
    return lines.join('\n') + '\n';
}

} // namespace PaperStatistics
