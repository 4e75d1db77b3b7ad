#pragma once

#include "tools/dictgen/EcdictRow.h"
#include "tools/dictgen/GeneratedEntry.h"

#include <QHash>
#include <vector>

// The forms of be, have and do and "cannot", the commonest words of any text: their entries
// say first what they are ("is": "be的第三人称单数现在式"), also where the data has no entry for
// them or gives another sense first ("being": "n. 存在, …, be的现在分词").
namespace AuxiliaryForms {

// Puts the verb use first in the entries for these forms whose definition does not begin with
// it, in place of the data's own mention of it.
void putVerbUseFirst(std::vector<GeneratedEntry> &entries);

// Entries for the forms that entries has none for, with the pronunciation and any other senses
// of the form's own row in rowsByWord.
std::vector<GeneratedEntry> missingEntries(const std::vector<GeneratedEntry> &entries,
                                           const QHash<QString, const EcdictRow *> &rowsByWord);

} // namespace AuxiliaryForms
