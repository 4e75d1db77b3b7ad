#include "tools/dictgen/AuxiliaryForms.h"

#include "tools/dictgen/DefinitionText.h"
#include "tools/dictgen/PhoneticNotation.h"

#include <QSet>
#include <array>

using namespace Qt::StringLiterals;

namespace AuxiliaryForms {
namespace {

struct AuxiliaryForm {
    QStringView form;
    QStringView base;
    QStringView what;

    QString mention() const { return base.toString() + u"的"_s; }
    QString verbUse() const { return mention() + what.toString(); }
};

constexpr std::array<AuxiliaryForm, 13> Forms = {{
    {u"am", u"be", u"第一人称单数现在式"},
    {u"are", u"be", u"第二人称单数和复数现在式"},
    {u"is", u"be", u"第三人称单数现在式"},
    {u"was", u"be", u"第一和第三人称单数过去式"},
    {u"were", u"be", u"第二人称单数和复数过去式"},
    {u"been", u"be", u"过去分词"},
    {u"being", u"be", u"现在分词"},
    {u"has", u"have", u"第三人称单数现在式"},
    {u"had", u"have", u"过去式和过去分词"},
    {u"does", u"do", u"第三人称单数现在式"},
    {u"did", u"do", u"过去式"},
    {u"done", u"do", u"过去分词"},
    {u"cannot", u"can", u"否定式"},
}};

// The verb use, then whatever else definition says that is not about the base.
QString withVerbUseFirst(const AuxiliaryForm &form, const QString &definition) {
    const QString others = DefinitionText::withoutSensesHolding(definition, form.mention());
    return others.isEmpty() ? form.verbUse() : form.verbUse() + u' ' + others;
}

// The entry a lookup of the form finds at once: the first whose headword matches, letter case
// ignored.
GeneratedEntry *entryFor(std::vector<GeneratedEntry> &entries, QStringView form) {
    const auto found = std::find_if(entries.begin(), entries.end(), [form](const auto &entry) {
        return entry.headword.compare(form, Qt::CaseInsensitive) == 0;
    });
    return found == entries.end() ? nullptr : &*found;
}

} // namespace

void putVerbUseFirst(std::vector<GeneratedEntry> &entries) {
    for (const AuxiliaryForm &form : Forms) {
        GeneratedEntry *entry = entryFor(entries, form.form);
        if (entry && !entry->definition.startsWith(form.mention()))
            entry->definition = withVerbUseFirst(form, entry->definition);
    }
}

std::vector<GeneratedEntry> missingEntries(const std::vector<GeneratedEntry> &entries,
                                           const QHash<QString, const EcdictRow *> &rowsByWord) {
    QSet<QString> headwords;
    for (const GeneratedEntry &entry : entries)
        headwords.insert(entry.headword.toLower());
    std::vector<GeneratedEntry> missing;
    for (const AuxiliaryForm &form : Forms) {
        const QString text = form.form.toString();
        if (headwords.contains(text)) continue;
        const EcdictRow *own = rowsByWord.value(text);
        const QString definition =
            own ? DefinitionText::dictionaryDefinition(own->translation, text) : QString();
        missing.push_back({text, own ? toDictionaryNotation(own->phonetic, text) : QString(),
                           withVerbUseFirst(form, definition), GeneratedEntry::MissedForm});
    }
    return missing;
}

} // namespace AuxiliaryForms
