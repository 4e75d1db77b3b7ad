// Looks words up in a dictionary file made of any bytes: the input's first line is the
// dictionary, each further line a word the student might click, and every headword of the
// dictionary is also looked up in capitals and with an ending the suffix rules strip. The
// indexed search must find each candidate exactly where a plain left-to-right search of the
// dictionary text finds it, and a lookup must give the entry of the first candidate found so.
#include "fuzz/FuzzSupport.h"
#include "platform/TextCodec.h"
#include "reader/dictionary/Dictionary.h"
#include "reader/dictionary/InflectionRules.h"
#include "reader/dictionary/WordLookup.h"

#include <QRegularExpression>
#include <optional>

namespace {

constexpr qsizetype MaxWords = 64;

// The text between each "$" and the next "[", as the dictionary's headwords.
QStringList headwords(const QString &text) {
    QStringList words;
    for (qsizetype dollar = text.indexOf(u'$'); dollar >= 0 && words.size() < MaxWords;
         dollar = text.indexOf(u'$', dollar + 1)) {
        const qsizetype bracket = text.indexOf(u'[', dollar + 1);
        if (bracket < 0) break;
        words += text.mid(dollar + 1, bracket - dollar - 1);
    }
    return words;
}

QStringList wordsToLookUp(const QByteArray &input, const QString &text) {
    QStringList words = TextCodec::fromGbk(input).split(QRegularExpression("[\r\n]+"));
    words.removeFirst(); // the dictionary's own line
    for (const QString &headword : headwords(text))
        words << headword << headword.toUpper() << headword + "ing" << headword + "ies";
    return words.mid(0, MaxWords);
}

qsizetype plainSearch(const QString &text, const QString &candidate) {
    return text.indexOf(u'$' + candidate + u'[', 0, Qt::CaseInsensitive);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray input = Fuzz::bytes(data, size);
    const QString path = Fuzz::scratchFolder() + "/mswrd.wd";
    Fuzz::writeFile(path, input);
    // Made afresh for every input: a file rewritten within the same second with the same size
    // would otherwise look unchanged.
    Dictionary dictionary(path);
    dictionary.read();
    WordLookup lookup(path);
    const QString &text = dictionary.text();
    for (const QString &word : wordsToLookUp(input, text)) {
        std::optional<DictionaryEntry> expected;
        for (const QString &candidate : InflectionRules::candidates(word)) {
            const qsizetype position = plainSearch(text, candidate);
            Fuzz::require(dictionary.find(candidate) == position,
                          "the index finds a candidate where a plain search finds it");
            if (!expected && position >= 0) expected = dictionary.entryAt(position);
        }
        Fuzz::require(lookup.find(word) == expected,
                      "a lookup gives the entry of the first candidate a plain search finds");
    }
    return 0;
}
