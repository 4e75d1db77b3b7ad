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

int itemCount(const QString &questions) {
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\."));
    int items = 0;
    bool numberOpen = false; // a numbered line whose options have not been seen yet
    for (const QString &line : questions.split('\n')) {
        if (numbered.match(line).hasMatch()) numberOpen = true;
        if (numberOpen && line.contains(QLatin1String("[A]"))) {
            ++items;
            numberOpen = false;
        }
    }
    return items;
}

namespace {

constexpr int QuestionsColumn = 1;
constexpr int CellWidth = 14;

QString cell(const PaperSources::Part &part) {
    if (part.placeholder) return QStringLiteral("-");
    QString text = QStringLiteral("%1w").arg(wordCount(part.article()));
    if (const int items = itemCount(part.texts.at(QuestionsColumn)))
        text += QStringLiteral(" %1q").arg(items);
    if (const int blanks = blankCount(part.article())) text += QStringLiteral(" %1b").arg(blanks);
    return text;
}

QString headerLine() {
    QString line = QStringLiteral("year");
    for (int part = 1; part <= 5; ++part)
        line += QStringLiteral("  %1").arg(QStringLiteral("Part%1").arg(part), -CellWidth);
    return line.trimmed();
}

} // namespace

QString table(const std::vector<PaperSources::Part> &parts) {
    QStringList lines{headerLine()};
    QString year;
    for (const PaperSources::Part &part : parts) {
        const QString partYear = part.folder.section('/', 0, 0);
        if (partYear != year) {
            year = partYear;
            lines << year;
        }
        lines.last() += QStringLiteral("  %1").arg(cell(part), -CellWidth);
    }
    for (QString &line : lines)
        line = line.trimmed();
    return lines.join('\n') + '\n';
}

} // namespace PaperStatistics
