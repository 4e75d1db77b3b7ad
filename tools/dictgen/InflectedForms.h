#pragma once

#include "tools/dictgen/EcdictRow.h"
#include "tools/dictgen/GeneratedEntry.h"

#include <QHash>
#include <QStringList>
#include <vector>

// One inflected form of a word and what it is: "kept" of "keep", {"过去式", "过去分词"}.
struct InflectedForm {
    QString form;
    QString base;
    QStringList labels;
};

namespace InflectedForms {

// Every key of the data's inflections: past, past participle, plural, comparative, superlative,
// present participle, third person singular.
inline constexpr QStringView AllKeys = u"pdsrti3";

// The inflections of word filed under keys, each form once, in the order of its first key, with
// the labels of every key it stands under. A few data errors ("ski'd", "mader") are left out.
std::vector<InflectedForm> of(const EcdictRow &word, QStringView keys);

// Whether form is one of word's inflections, letter case ignored.
bool lists(const EcdictRow &word, const QString &form);

// The inflections of the single words among headwords that the data has a row for, by word.
std::vector<InflectedForm> ofWords(const QStringList &headwords,
                                   const QHash<QString, const EcdictRow *> &rowsByWord);

// The dictionary's text for a form: "keep的过去式和过去分词".
QString definition(const InflectedForm &form);

// The entry for a form that stands for one or more inflections (forms, all of the same text):
// the pronunciation of its own row in rowsByWord where the data has one, and the definitions
// of all of them ("lay": "lie的过去式, lay的…").
GeneratedEntry entry(const std::vector<InflectedForm> &forms,
                     const QHash<QString, const EcdictRow *> &rowsByWord,
                     GeneratedEntry::Kind kind);

} // namespace InflectedForms
