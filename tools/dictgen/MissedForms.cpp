#include "tools/dictgen/MissedForms.h"

#include "tools/dictgen/DictionaryFile.h"
#include "tools/dictgen/InflectedForms.h"
#include "tools/dictgen/LookupCoverage.h"

#include <QSet>

namespace MissedForms {
namespace {

// The forms grouped by their text, in the order of each text's first form.
std::vector<std::vector<InflectedForm>> byText(const std::vector<InflectedForm> &forms) {
    std::vector<std::vector<InflectedForm>> groups;
    QHash<QString, size_t> groupOf;
    for (const InflectedForm &form : forms) {
        if (!groupOf.contains(form.form)) {
            groupOf.insert(form.form, groups.size());
            groups.emplace_back();
        }
        groups[groupOf.value(form.form)].push_back(form);
    }
    return groups;
}

} // namespace

std::vector<GeneratedEntry> entries(const std::vector<GeneratedEntry> &entries,
                                    const QHash<QString, const EcdictRow *> &rowsByWord) {
    std::vector<GeneratedEntry> grown = entries;
    std::vector<GeneratedEntry> added;
    QSet<QString> appended;
    for (;;) {
        const std::vector<InflectedForm> forms =
            InflectedForms::ofWords(headwords(grown), rowsByWord);
        LookupCoverage coverage(WordLookup(Dictionary::ofText(DictionaryFile::line(grown))),
                                rowsByWord);
        const qsizetype before = added.size();
        for (const std::vector<InflectedForm> &group : byText(coverage.missed(forms))) {
            // A form that still misses once appended cannot be helped; the build's check of
            // the finished file reports it.
            if (appended.contains(group.front().form)) continue;
            appended.insert(group.front().form);
            added.push_back(InflectedForms::entry(group, rowsByWord, GeneratedEntry::MissedForm));
            grown.push_back(added.back());
        }
        if (qsizetype(added.size()) == before) break;
    }
    return added;
}

} // namespace MissedForms
