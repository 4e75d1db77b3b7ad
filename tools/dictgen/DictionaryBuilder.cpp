#include "tools/dictgen/DictionaryBuilder.h"

#include "tools/dictgen/AuxiliaryForms.h"
#include "tools/dictgen/DefinitionText.h"
#include "tools/dictgen/IrregularForms.h"
#include "tools/dictgen/MissedForms.h"
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

void append(std::vector<GeneratedEntry> &entries, const std::vector<GeneratedEntry> &more) {
    entries.insert(entries.end(), more.begin(), more.end());
}

// Sorts the entries from position first on by headword.
void sortFrom(std::vector<GeneratedEntry> &entries, size_t first) {
    std::stable_sort(entries.begin() + qsizetype(first), entries.end(),
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

    const QHash<QString, const EcdictRow *> byWord = rowsByWord(rows);
    const size_t irregular = entries.size();
    append(entries, IrregularForms(byWord).entries(selected, headwords));
    sortFrom(entries, irregular);

    // Forms checked with lookups in the file as built so far, so they come last.
    const size_t missed = entries.size();
    AuxiliaryForms::putVerbUseFirst(entries);
    append(entries, AuxiliaryForms::missingEntries(entries, byWord));
    append(entries, MissedForms::entries(entries, byWord));
    sortFrom(entries, missed);
    return entries;
}

} // namespace DictionaryBuilder
