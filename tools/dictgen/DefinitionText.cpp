#include "tools/dictgen/DefinitionText.h"

#include <QRegularExpression>
#include <vector>

using namespace Qt::StringLiterals;

namespace DefinitionText {
namespace {

constexpr qsizetype DefinitionLimit = 80;
constexpr qsizetype MeaningLimit = 40;
constexpr int MeaningSenses = 2;

bool isSenseSeparator(QChar c) {
    return c == u',' || c == u'，' || c == u';' || c == u'；' || c == u'、';
}

// A line's part of speech: "n. ", "vt.& vi. ", "vt.vi. ".
qsizetype partOfSpeechLength(const QString &line) {
    static const QRegularExpression prefix(uR"(^(?:[a-z]+\.)+(?:\s*&\s*(?:[a-z]+\.)+)*\s*)"_s);
    const QRegularExpressionMatch match = prefix.match(line);
    return match.hasMatch() ? match.capturedLength() : 0;
}

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

// Positions in text of the sense separators that are not inside brackets.
std::vector<qsizetype> separatorPositions(const QString &text) {
    std::vector<qsizetype> positions;
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'(' || c == u'（' || c == u'[')
            ++depth;
        else if ((c == u')' || c == u'）' || c == u']') && depth > 0)
            --depth;
        else if (depth == 0 && isSenseSeparator(c))
            positions.push_back(i);
    }
    return positions;
}

// The senses of one line, each trimmed, without the part of speech.
QStringList senses(const QString &body) {
    QStringList parts;
    qsizetype start = 0;
    for (const qsizetype separator : separatorPositions(body)) {
        parts += body.mid(start, separator - start).trimmed();
        start = separator + 1;
    }
    parts += body.mid(start).trimmed();
    parts.removeAll(QString());
    return parts;
}

struct Sense {
    int line = 0;
    QString partOfSpeech;
    QString text;
};

std::vector<Sense> firstSenses(const QStringList &lines, int count) {
    std::vector<Sense> found;
    for (int line = 0; line < lines.size(); ++line) {
        const qsizetype prefixLength = partOfSpeechLength(lines[line]);
        const QString partOfSpeech = lines[line].left(prefixLength).trimmed();
        for (const QString &sense : senses(lines[line].mid(prefixLength))) {
            if (int(found.size()) == count) return found;
            found.push_back({line, partOfSpeech, sense});
        }
    }
    return found;
}

// Senses of one line follow their part of speech, separated by ", "; lines by "; ".
QString joinSenses(const std::vector<Sense> &senses) {
    QString text;
    int line = -1;
    for (const Sense &sense : senses) {
        if (sense.line == line) {
            text += u", "_s + sense.text;
            continue;
        }
        if (!text.isEmpty()) text += u"; "_s;
        text += sense.partOfSpeech.isEmpty() ? sense.text : sense.partOfSpeech + u' ' + sense.text;
        line = sense.line;
    }
    return text;
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

QString withoutSensesHolding(const QString &definition, const QString &text) {
    std::vector<qsizetype> ends = separatorPositions(definition);
    ends.push_back(definition.size());
    QString kept;
    qsizetype start = 0;
    for (const qsizetype end : ends) {
        const QString sense = definition.mid(start, end - start); // with its separator before
        if (!sense.contains(text)) kept += kept.isEmpty() && start > 0 ? sense.mid(1) : sense;
        start = end;
    }
    return kept.trimmed();
}

QString listMeaning(const QString &translation, const QString &headword) {
    std::vector<Sense> senses = firstSenses(cleanLines(translation, headword), MeaningSenses);
    while (senses.size() > 1 && joinSenses(senses).size() > MeaningLimit)
        senses.pop_back();
    return joinSenses(senses);
}

} // namespace DefinitionText
