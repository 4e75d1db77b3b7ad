#include "tools/dictgen/DictionaryBuilder.h"

#include "tools/dictgen/DefinitionText.h"
#include "tools/dictgen/IrregularForms.h"
#include "tools/dictgen/PhoneticNotation.h"
#include "tools/dictgen/PhraseSelection.h"
#include "tools/dictgen/WordSelection.h"

#include <algorithm>

namespace DictionaryBuilder {
namespace {

GeneratedEntry toEntry(const EcdictRow &row) {
    return {row.word, toDictionaryNotation(row.phonetic, row.word),
            DefinitionText::dictionaryDefinition(row.translation, row.word),
            row.isPhrase() ? GeneratedEntry::Phrase : GeneratedEntry::Word};
}

void sortByHeadword(std::vector<GeneratedEntry> &entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const GeneratedEntry &a, const GeneratedEntry &b) {
                         return headwordOrder(a.headword, b.headword);
                     });
}

} // namespace

std::vector<GeneratedEntry> entries(const std::vector<EcdictRow> &rows) {
    std::vector<const EcdictRow *> selected = WordSelection::select(rows);
    const std::vector<const EcdictRow *> phrases = PhraseSelection(rows, selected).select();
    selected.insert(selected.end(), phrases.begin(), phrases.end());
    std::stable_sort(selected.begin(), selected.end(), [](const EcdictRow *a, const EcdictRow *b) {
        return headwordOrder(a->word, b->word);
    });

    std::vector<GeneratedEntry> entries;
    QSet<QString> headwords;
    for (const EcdictRow *row : selected) {
        entries.push_back(toEntry(*row));
        headwords.insert(row->word.toLower());
    }

    QHash<QString, const EcdictRow *> rowsByWord;
    for (const EcdictRow &row : rows)
        rowsByWord.insert(row.word, &row);
    std::vector<GeneratedEntry> forms = IrregularForms(rowsByWord).entries(selected, headwords);
    sortByHeadword(forms);
    entries.insert(entries.end(), forms.begin(), forms.end());
    return entries;
}

} // namespace DictionaryBuilder
