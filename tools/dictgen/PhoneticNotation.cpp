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
// cannot be the consonant for u, a stray "(?@)", and a doubled primary stress (vacuum).
QString repair(QString text) {
    static const QRegularExpression backslashes(uR"(\\+)"_s);
    static const QRegularExpression doubledStress(uR"(['ˈ]{2,})"_s);
    static const QString vowels = u"aeiouәəɚɜæʌɒɔɑɛєεɪʊ"_s;
    text.replace(backslashes, u"ə"_s);
    text.replace(doubledStress, u"'"_s);
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

// The text after the syllable mark at position up to the next syllable mark.
QStringView syllablesAfter(const QString &text, qsizetype position) {
    const QStringView rest = QStringView(text).mid(position + 1);
    const auto next = std::find_if(rest.begin(), rest.end(), isSyllableMark);
    return rest.left(next - rest.begin());
}

// A syllable mark at the start, just before the only primary stress or after it marks
// secondary stress and is dropped. So does one after a leading stressed part shorter than
// the syllables after the mark: the data writes some secondary stresses as primary ones
// ('ri:,ɔ:gənai'zeiʃən). Any other mark between two stressed parts, one before a "-"
// fragment, or one in a pronunciation without any stress begins an alternative
// (ә'bju:s.ә'bju:z): the text is cut there.
QString dropSecondaryStress(QString text) {
    for (qsizetype i = 0; i < text.size();) {
        if (!isSyllableMark(text.at(i))) {
            ++i;
            continue;
        }
        const bool stressBefore = hasPrimaryStress(QStringView(text).left(i));
        const bool stressAfter = hasPrimaryStress(QStringView(text).mid(i + 1));
        const bool fragmentAfter = QStringView(text).mid(i + 1).contains(u'-');
        const bool leadingStress =
            stressBefore && stressAfter && i < syllablesAfter(text, i).size();
        if (i > 0 && !leadingStress && (stressBefore == stressAfter || fragmentAfter)) {
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

bool isConsonant(QChar c) {
    return QStringView(u"bcdfghjklmnpqrstvwxzɡθðʃʒ").contains(c);
}

// Endings the data corrupted, told by the headword's spelling: a final ŋ after a consonant in
// a word without "ng" stands for ə (consider: kәn'sidŋ); a plural in "-ngs" ending in ŋ lost
// its z (earnings: 'ә:niŋ); an "-ing" ending written ɑŋ is ɪŋ (forthcoming); a "-tion" ending
// without its n lost it (salvation: sæl'veiʃә).
QString repairEnding(QString text, const QString &headword) {
    static const QRegularExpression shWithoutN(u"ʃ[əә]$"_s);
    const QString word = headword.toLower();
    if (word.endsWith(u"tion"_s) && text.contains(shWithoutN)) return text + u'n';
    if (!text.endsWith(u'ŋ')) return text;
    const QChar before = text.size() > 1 ? text.at(text.size() - 2) : QChar();
    if (isConsonant(before) && !word.contains(u"ng"_s))
        text.back() = u'ə';
    else if (word.endsWith(u"ngs"_s))
        text += u'z';
    else if (word.endsWith(u"ing"_s) && before == u'ɑ')
        text[text.size() - 2] = u'ɪ';
    return text;
}

} // namespace

QString toDictionaryNotation(const QString &source, const QString &headword) {
    const bool phrase = headword.contains(u' ');
    const QString first = cutAtListedAlternative(repair(source));
    const QString spaced = phrase ? collapseSpaces(first) : joinWordParts(first);
    const QString single = removeParentheses(dropSecondaryStress(spaced));
    return mapSymbols(phrase ? single : repairEnding(single, headword), phrase);
}
