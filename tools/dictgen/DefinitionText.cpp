#include "tools/dictgen/DefinitionText.h"

#include "reader/dictionary/DefinitionSenses.h"

#include <QRegularExpression>
#include <vector>

using namespace Qt::StringLiterals;
using DefinitionSenses::separatorPositions;

namespace DefinitionText {
namespace {

constexpr qsizetype DefinitionLimit = 80;

bool isOwnInflectionNote(const QString &line, const QString &headword) {
    static const QString labels = u"(?:过去式|过去分词|现在分词|复数|比较级|最高级|第三人称单数)"_s;
    const QRegularExpression note(
        u"^%1的%2(?:和%2)*$"_s.arg(QRegularExpression::escape(headword), labels));
    return note.match(line).hasMatch();
}

QString withoutLabel(const QString &line) {
    static const QRegularExpression label(uR"(^\[[^\]]*\]\s*)"_s);
    return QString(line).remove(label);
}

// The longest beginning of text of at most limit characters that ends at one of the cut
// positions; the shortest such beginning when none fits, the whole text when there is none.
QString cutAt(const QString &text, const std::vector<qsizetype> &cuts, qsizetype limit) {
    if (text.size() <= limit) return text;
    qsizetype best = -1;
    for (const qsizetype cut : cuts) {
        if (cut <= limit) best = std::max(best, cut);
    }
    if (best < 0) {
        for (const qsizetype cut : cuts)
            if (cut > 0 && (best < 0 || cut < best)) best = cut;
    }
    return best < 0 ? text : text.left(best).trimmed();
}

QString lineWithoutSensesHolding(const QString &line, const QString &text) {
    std::vector<qsizetype> ends = separatorPositions(line);
    ends.push_back(line.size());
    QString kept;
    qsizetype start = 0;
    for (const qsizetype end : ends) {
        const QString sense = line.mid(start, end - start); // with its separator before
        if (!sense.contains(text)) kept += kept.isEmpty() && start > 0 ? sense.mid(1) : sense;
        start = end;
    }
    return kept.trimmed();
}

} // namespace

QStringList cleanLines(const QString &translation, const QString &headword) {
    QStringList lines = QString(translation).replace(u"\\r\\n"_s, u"\\n"_s).split(u"\\n"_s);
    for (QString &line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    lines.removeIf(
        [&headword](const QString &line) { return isOwnInflectionNote(line, headword); });
    QStringList plain = lines;
    plain.removeIf([](const QString &line) { return line.startsWith(u'['); });
    if (plain.isEmpty() && !lines.isEmpty()) plain += withoutLabel(lines.first());
    plain.removeAll(QString());
    return plain;
}

QString dictionaryDefinition(const QString &translation, const QString &headword) {
    QString joined;
    std::vector<qsizetype> cuts;
    for (const QString &line : cleanLines(translation, headword)) {
        if (!joined.isEmpty()) {
            cuts.push_back(joined.size());
            joined += u' ';
        }
        for (const qsizetype separator : separatorPositions(line))
            cuts.push_back(joined.size() + separator);
        joined += line;
    }
    return cutAt(joined, cuts, DefinitionLimit).replace(u'$', u'＄');
}

// Line by line: the last sense of a line is not the first of the next, which the space that
// joins them would otherwise make it.
QString withoutSensesHolding(const QString &definition, const QString &text) {
    QStringList kept;
    for (const QString &line : DefinitionSenses::linesOf(definition))
        if (const QString rest = lineWithoutSensesHolding(line, text); !rest.isEmpty())
            kept << rest;
    return kept.join(u' ');
}

QString listMeaning(const QString &translation, const QString &headword) {
    return DefinitionSenses::listMeaning(cleanLines(translation, headword));
}

} // namespace DefinitionText
