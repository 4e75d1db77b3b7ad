#include "tools/dictgen/DefaultWordList.h"

#include "platform/PhoneticTranscoding.h"
#include "tools/dictgen/DefinitionText.h"
#include "tools/dictgen/GeneratedEntry.h"
#include "tools/dictgen/PhoneticNotation.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace DefaultWordList {
namespace {

bool isSyllabusWord(const EcdictRow &row) {
    static const QStringList tags = {u"ky"_s, u"zk"_s};
    return !row.isPhrase() && row.hasAnyTag(tags);
}

// Abbreviations written in capitals (CORE, FAX) are listed in lower case.
QString shownWord(const QString &word) {
    const bool allCapitals = word.size() > 1 && word == word.toUpper() && word != word.toLower();
    return allCapitals ? word.toLower() : word;
}

} // namespace

std::vector<WordListFile::WordRow> rows(const std::vector<EcdictRow> &data) {
    std::vector<const EcdictRow *> words;
    for (const EcdictRow &row : data)
        if (isSyllabusWord(row)) words.push_back(&row);
    std::stable_sort(words.begin(), words.end(), [](const EcdictRow *a, const EcdictRow *b) {
        return headwordOrder(a->word, b->word);
    });
    std::vector<WordListFile::WordRow> list;
    list.reserve(words.size());
    for (const EcdictRow *word : words)
        list.push_back({int(list.size()) + 1, shownWord(word->word),
                        transcodePhonetic(toDictionaryNotation(word->phonetic, word->word)),
                        DefinitionText::listMeaning(word->translation, word->word), u"0"_s});
    return list;
}

} // namespace DefaultWordList
