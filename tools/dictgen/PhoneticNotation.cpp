#include "tools/dictgen/PhoneticNotation.h"

#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

bool isPrimaryStress(QChar c) {
    return c == u'\'' || c == u'ˈ';
}

// Marks that stand between syllables: secondary stress, or where an alternative begins.
bool isSyllableMark(QChar c) {
    return c == u'.' || c == u',' || c == u'ˌ';
}

bool hasPrimaryStress(QStringView text) {
    return std::any_of(text.begin(), text.end(), isPrimaryStress);
}

// Repairs of known corruptions: a run of backslashes for a schwa, "^" for g, a "j" that
// cannot be the consonant for u, and a stray "(?@)".
QString repair(QString text) {
    static const QRegularExpression backslashes(uR"(\\+)"_s);
    static const QString vowels = u"aeiouәəɚɜæʌɒɔɑɛєεɪʊ"_s;
    text.replace(backslashes, u"ə"_s);
    text.replace(u'^', u'g');
    text.remove(u"(?@)"_s);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'j') continue;
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (next != u'j' && !vowels.contains(next)) text[i] = u'u';
    }
    return text;
}

// Cuts at the first ";" or "/", or at a "." or "," followed by a space.
QString cutAtListedAlternative(const QString &text) {
    static const QRegularExpression separator(uR"([;/]|[.,] )"_s);
    const QRegularExpressionMatch match = separator.match(text);
    return (match.hasMatch() ? text.left(match.capturedStart()) : text).trimmed();
}

// Within a single word a space either starts an alternative (when the part after it is
// stressed or a "-" fragment, and the part before is stressed too) or is a stray gap.
QString joinWordParts(const QString &text) {
    static const QRegularExpression strayAfterStress(uR"((['ˈ]) +)"_s);
    const QStringList parts =
        QString(text).replace(strayAfterStress, u"\\1"_s).split(u' ', Qt::SkipEmptyParts);
    QString word;
    for (const QString &part : parts) {
        const bool alternative = part.startsWith(u'-') || hasPrimaryStress(part);
        if (!word.isEmpty() && alternative && hasPrimaryStress(word)) break;
        word += part;
    }
    return word;
}

QString collapseSpaces(const QString &text) {
    return text.split(u' ', Qt::SkipEmptyParts).join(u' ');
}

// A syllable mark at the start, just before the only primary stress or after it marks
// secondary stress and is dropped. One between two stressed parts, before a "-" fragment, or
// in a pronunciation without any stress, begins an alternative: the text is cut there.
QString dropSecondaryStress(QString text) {
    for (qsizetype i = 0; i < text.size();) {
        if (!isSyllableMark(text.at(i))) {
            ++i;
            continue;
        }
        const bool stressBefore = hasPrimaryStress(QStringView(text).left(i));
        const bool stressAfter = hasPrimaryStress(QStringView(text).mid(i + 1));
        const bool fragmentAfter = QStringView(text).mid(i + 1).contains(u'-');
        if (i > 0 && (stressBefore == stressAfter || fragmentAfter)) {
            text.truncate(i);
            break;
        }
        text.remove(i, 1);
    }
    return text;
}

QString removeParentheses(QString text) {
    text.remove(u"(r)"_s);
    text.remove(u'(');
    text.remove(u')');
    return text;
}

// Maps every symbol to the notation; an unknown symbol makes the whole pronunciation empty.
QString mapSymbols(const QString &text, bool phrase) {
    static const QHash<QChar, QChar> symbols = {
        {u'ə', u'2'}, {u'ә', u'2'},   {u'ɚ', u'2'}, {u'ɜ', u'2'}, {u'æ', u'9'}, {u'ʌ', u'3'},
        {u'ɒ', u'0'}, {u'ɔ', u'0'},   {u'ɑ', u'1'}, {u'θ', u'4'}, {u'ð', u'5'}, {u'ʃ', u'6'},
        {u'ʒ', u'7'}, {u'ŋ', u'8'},   {u'ɛ', u'/'}, {u'є', u'/'}, {u'ε', u'/'}, {u'ˈ', u'\''},
        {u'ː', u':'}, {u'ɪ', u'i'},   {u'ʊ', u'u'}, {u'ɡ', u'g'}, {u'c', u'k'}, {u'y', u'i'},
        {u':', u':'}, {u'\'', u'\''},
    };
    QString notation;
    notation.reserve(text.size());
    for (const QChar c : text) {
        if (const auto mapped = symbols.constFind(c); mapped != symbols.constEnd())
            notation += *mapped;
        else if ((c >= u'a' && c <= u'z') || (phrase && c == u' '))
            notation += c;
        else
            return {};
    }
    return notation;
}

} // namespace

QString toDictionaryNotation(const QString &source, bool phrase) {
    const QString first = cutAtListedAlternative(repair(source));
    const QString spaced = phrase ? collapseSpaces(first) : joinWordParts(first);
    return mapSymbols(removeParentheses(dropSecondaryStress(spaced)), phrase);
}
