#include "tools/dictgen/InflectedForms.h"

#include "tools/dictgen/PhoneticNotation.h"

using namespace Qt::StringLiterals;

namespace InflectedForms {
namespace {

QString label(QChar key) {
    static const QHash<QChar, QString> labels = {
        {u'p', u"过去式"_s}, {u'd', u"过去分词"_s}, {u's', u"复数"_s},         {u'r', u"比较级"_s},
        {u't', u"最高级"_s}, {u'i', u"现在分词"_s}, {u'3', u"第三人称单数"_s},
    };
    return labels.value(key);
}

// Data errors: an apostrophe form of a verb (ski'd), a misspelling (cloathing for clothing),
// and forms that are no such thing: comparatives of a past participle and of a noun (mader of
// made, tonner of ton) and a superlative of a noun (fatest of fate).
bool isRejectedForm(const QString &form) {
    static const QStringList errors = {u"ski'd"_s, u"cloathing"_s, u"mader"_s, u"tonner"_s,
                                       u"fatest"_s};
    return errors.contains(form);
}

} // namespace

std::vector<InflectedForm> of(const EcdictRow &word, QStringView keys) {
    std::vector<InflectedForm> forms;
    for (const QChar key : keys) {
        const QString form = word.inflection(key);
        if (form.isEmpty() || isRejectedForm(form)) continue;
        const auto same = std::find_if(forms.begin(), forms.end(),
                                       [&form](const InflectedForm &f) { return f.form == form; });
        if (same != forms.end())
            same->labels += label(key);
        else
            forms.push_back({form, word.word, {label(key)}});
    }
    return forms;
}

bool lists(const EcdictRow &word, const QString &form) {
    const std::vector<InflectedForm> forms = of(word, AllKeys);
    return std::any_of(forms.begin(), forms.end(), [&form](const InflectedForm &f) {
        return f.form.compare(form, Qt::CaseInsensitive) == 0;
    });
}

std::vector<InflectedForm> ofWords(const QStringList &headwords,
                                   const QHash<QString, const EcdictRow *> &rowsByWord) {
    std::vector<InflectedForm> forms;
    for (const QString &headword : headwords) {
        const EcdictRow *row = rowsByWord.value(headword);
        if (!row || row->isPhrase()) continue;
        const std::vector<InflectedForm> own = of(*row, AllKeys);
        forms.insert(forms.end(), own.begin(), own.end());
    }
    return forms;
}

QString definition(const InflectedForm &form) {
    return form.base + u"的"_s + form.labels.join(u"和"_s);
}

GeneratedEntry entry(const std::vector<InflectedForm> &forms,
                     const QHash<QString, const EcdictRow *> &rowsByWord,
                     GeneratedEntry::Kind kind) {
    const QString &text = forms.front().form;
    const EcdictRow *own = rowsByWord.value(text);
    QStringList definitions;
    for (const InflectedForm &form : forms)
        definitions += definition(form);
    return {text, own ? toDictionaryNotation(own->phonetic, text) : QString(),
            definitions.join(u", "_s), kind};
}

} // namespace InflectedForms
