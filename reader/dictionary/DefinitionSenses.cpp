#include "reader/dictionary/DefinitionSenses.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace DefinitionSenses {
namespace {

constexpr qsizetype MeaningLimit = 40;
constexpr int MeaningSenses = 2;

// "n.", "vt.& vi.", "vt.vi.".
const QString PartOfSpeech = uR"((?:[a-z]+\.)+(?:\s*&\s*(?:[a-z]+\.)+)*)"_s;

// A line that names the word as a form of another: "bear的过去分词".
const QString FormNote = u"[a-z]+的"_s;

bool isSenseSeparator(QChar c) {
    return c == u',' || c == u'，' || c == u';' || c == u'；' || c == u'、';
}

// The length of the part of speech a line starts with, with the spaces after it; 0 for none.
qsizetype partOfSpeechLength(const QString &line) {
    static const QRegularExpression prefix(u"^"_s + PartOfSpeech + uR"(\s*)"_s);
    const QRegularExpressionMatch match = prefix.match(line);
    return match.hasMatch() ? match.capturedLength() : 0;
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

} // namespace

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

QStringList linesOf(const QString &definition) {
    static const QRegularExpression lineStart(
        u"(?<=[^,，;；、&.(（] )(?=%1|%2)|(?<=[\\p{Han})）] )(?=\\p{Han})"_s.arg(PartOfSpeech,
                                                                                 FormNote));
    QStringList lines = definition.split(lineStart);
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines;
}

QString listMeaning(const QStringList &lines) {
    std::vector<Sense> senses = firstSenses(lines, MeaningSenses);
    while (senses.size() > 1 && joinSenses(senses).size() > MeaningLimit)
        senses.pop_back();
    return joinSenses(senses);
}

} // namespace DefinitionSenses
