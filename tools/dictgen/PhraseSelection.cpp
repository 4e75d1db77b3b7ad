#include "tools/dictgen/PhraseSelection.h"

#include "tools/dictgen/PhraseFrequency.h"

#include <QRegularExpression>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QSet<QString> &particles() {
    static const QSet<QString> words = {
        u"about"_s,    u"above"_s,   u"across"_s,  u"after"_s,   u"against"_s,    u"ahead"_s,
        u"along"_s,    u"apart"_s,   u"around"_s,  u"as"_s,      u"aside"_s,      u"at"_s,
        u"away"_s,     u"back"_s,    u"before"_s,  u"behind"_s,  u"below"_s,      u"beneath"_s,
        u"beside"_s,   u"between"_s, u"beyond"_s,  u"by"_s,      u"down"_s,       u"for"_s,
        u"forth"_s,    u"forward"_s, u"from"_s,    u"in"_s,      u"inside"_s,     u"into"_s,
        u"of"_s,       u"off"_s,     u"on"_s,      u"onto"_s,    u"out"_s,        u"outside"_s,
        u"over"_s,     u"past"_s,    u"round"_s,   u"through"_s, u"throughout"_s, u"to"_s,
        u"together"_s, u"toward"_s,  u"towards"_s, u"under"_s,   u"up"_s,         u"upon"_s,
        u"with"_s,     u"within"_s,  u"without"_s,
    };
    return words;
}

bool isArticle(const QString &word) {
    return word == u"a"_s || word == u"an"_s || word == u"the"_s;
}

// Pronouns, modals, conjunctions and pointing words make a phrase a clause fragment.
const QSet<QString> &excludedWords() {
    static const QSet<QString> words = {
        u"i"_s,        u"me"_s,        u"my"_s,         u"mine"_s,       u"you"_s,
        u"your"_s,     u"yours"_s,     u"he"_s,         u"him"_s,        u"his"_s,
        u"she"_s,      u"her"_s,       u"hers"_s,       u"its"_s,        u"we"_s,
        u"us"_s,       u"our"_s,       u"ours"_s,       u"they"_s,       u"them"_s,
        u"their"_s,    u"theirs"_s,    u"myself"_s,     u"yourself"_s,   u"himself"_s,
        u"herself"_s,  u"itself"_s,    u"ourselves"_s,  u"yourselves"_s, u"themselves"_s,
        u"one's"_s,    u"oneself"_s,   u"sb"_s,         u"sth"_s,        u"sb's"_s,
        u"somebody"_s, u"something"_s, u"someone"_s,    u"anybody"_s,    u"anything"_s,
        u"anyone"_s,   u"everybody"_s, u"everything"_s, u"everyone"_s,   u"nobody"_s,
        u"nothing"_s,  u"can"_s,       u"could"_s,      u"may"_s,        u"might"_s,
        u"must"_s,     u"shall"_s,     u"should"_s,     u"will"_s,       u"would"_s,
        u"ought"_s,    u"and"_s,       u"or"_s,         u"but"_s,        u"nor"_s,
        u"if"_s,       u"because"_s,   u"although"_s,   u"though"_s,     u"unless"_s,
        u"whether"_s,  u"than"_s,      u"while"_s,      u"whereas"_s,    u"it"_s,
        u"that"_s,     u"this"_s,      u"what"_s,       u"which"_s,      u"there"_s,
    };
    return words;
}

// Words a rated phrase may hold besides the dictionary's own: the placeholders of patterns.
const QSet<QString> &placeholders() {
    static const QSet<QString> words = {u"one's"_s, u"oneself"_s,  u"sb"_s,        u"sth"_s,
                                        u"sb's"_s,  u"somebody"_s, u"something"_s, u"someone"_s};
    return words;
}

bool hasPlainLine(const EcdictRow &row) {
    const QStringList lines = row.translation.split(u"\\n"_s);
    return std::any_of(lines.begin(), lines.end(), [](const QString &line) {
        const QString trimmed = line.trimmed();
        return !trimmed.isEmpty() && !trimmed.startsWith(u'[');
    });
}

bool isVerb(const EcdictRow &row) {
    static const QRegularExpression verbLine(uR"((^|\\n)v[ti]?\.)"_s);
    return verbLine.match(row.translation).hasMatch();
}

bool allIn(const QStringList &words, const QSet<QString> &set, qsizetype from = 0) {
    return std::all_of(words.begin() + from, words.end(),
                       [&set](const QString &word) { return set.contains(word); });
}

} // namespace

PhraseSelection::PhraseSelection(const std::vector<EcdictRow> &rows,
                                 const std::vector<const EcdictRow *> &words)
    : m_rows(rows) {
    static const QList<QChar> inflectionKeys = {u'p', u'd', u's', u'r', u't', u'i', u'3'};
    for (const EcdictRow *word : words) {
        m_known.insert(word->word.toLower());
        for (const QChar key : inflectionKeys)
            if (const QString form = word->inflection(key); !form.isEmpty())
                m_known.insert(form.toLower());
    }
    const QStringList basicTags = {u"zk"_s, u"gk"_s, u"cet4"_s};
    for (const EcdictRow &row : rows) {
        if (row.isPhrase() || !row.hasAnyTag(basicTags)) continue;
        m_basic.insert(row.word);
        if (isVerb(row)) m_basicVerbs.insert(row.word);
    }
}

bool PhraseSelection::isRatedPhraseOfKnownWords(const EcdictRow &row) const {
    if (!row.rated && row.tag.trimmed().isEmpty()) return false;
    const QStringList words = row.word.toLower().split(u' ', Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(), [this](const QString &word) {
        return m_known.contains(word) || placeholders().contains(word);
    });
}

// verb + one or two particles; verb + basic word + particle; "be" + basic word + particle;
// particle or article + one or two basic words.
bool PhraseSelection::hasCommonShape(const QStringList &words) const {
    const qsizetype n = words.size();
    if (n < 2 || n > 5) return false;
    if (std::any_of(words.begin(), words.end(),
                    [](const QString &word) { return excludedWords().contains(word); }))
        return false;
    const QString &first = words.first();
    const bool verbFirst = m_basicVerbs.contains(first);
    if (verbFirst && n <= 3 && allIn(words, particles(), 1)) return true;
    if (n == 3 && (verbFirst || first == u"be"_s) && m_basic.contains(words[1]) &&
        particles().contains(words[2]))
        return true;
    return (particles().contains(first) || isArticle(first)) && n <= 3 && allIn(words, m_basic, 1);
}

std::vector<const EcdictRow *> PhraseSelection::patternPhrases(const QSet<QString> &taken) const {
    std::vector<const EcdictRow *> candidates;
    QStringList texts;
    for (const EcdictRow &row : m_rows) {
        if (!row.isPhrase() || taken.contains(row.word) || row.word != row.word.toLower() ||
            !hasPlainLine(row) || !hasCommonShape(row.word.split(u' ')))
            continue;
        candidates.push_back(&row);
        texts += row.word;
    }
    PhraseFrequency frequency(texts);
    for (const EcdictRow &row : m_rows)
        frequency.countIn(row.definition);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&frequency](const EcdictRow *a, const EcdictRow *b) {
                         const int countA = frequency.count(a->word);
                         const int countB = frequency.count(b->word);
                         return countA != countB ? countA > countB : a->word < b->word;
                     });
    return candidates;
}

std::vector<const EcdictRow *> PhraseSelection::select() const {
    std::vector<const EcdictRow *> phrases;
    QSet<QString> taken;
    for (const EcdictRow &row : m_rows) {
        if (row.isPhrase() && hasPlainLine(row) && isRatedPhraseOfKnownWords(row)) {
            phrases.push_back(&row);
            taken.insert(row.word);
        }
    }
    for (const EcdictRow *row : patternPhrases(taken)) {
        if (phrases.size() >= size_t(PhraseCount)) break;
        phrases.push_back(row);
    }
    if (phrases.size() > size_t(PhraseCount)) phrases.resize(PhraseCount);
    return phrases;
}
