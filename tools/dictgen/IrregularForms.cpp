#include "tools/dictgen/IrregularForms.h"

#include "tools/dictgen/PhoneticNotation.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

struct InflectionKind {
    QChar key;
    QString label;
};

const std::array<InflectionKind, 5> &inflectionKinds() {
    static const std::array<InflectionKind, 5> kinds = {{
        {u'p', u"过去式"_s},
        {u'd', u"过去分词"_s},
        {u's', u"复数"_s},
        {u'r', u"比较级"_s},
        {u't', u"最高级"_s},
    }};
    return kinds;
}

bool isVowel(QChar c) {
    return QStringView(u"aeiou").contains(c);
}

// A data error: an apostrophe form of a verb.
bool isRejectedForm(const QString &form) {
    return form == u"ski'd"_s;
}

} // namespace

IrregularForms::IrregularForms(const QHash<QString, const EcdictRow *> &rowsByWord)
    : m_rowsByWord(rowsByWord) {}

// The regular endings: +ed +d, +s +es, +er +est +r +st, a doubled final consonant before
// ed/es/er/est, a final y after a consonant turned into ied/ies, and any final y into ier/iest.
bool IrregularForms::isRegularForm(const QString &base, const QString &form) {
    const QString b = base.toLower();
    const QString f = form.toLower();
    if (b.isEmpty()) return false;
    QStringList regular;
    for (const char *ending : {"ed", "d", "s", "es", "er", "est", "r", "st"})
        regular += b + QLatin1String(ending);
    const QChar last = b.back();
    if (!isVowel(last))
        for (const char *ending : {"ed", "es", "er", "est"})
            regular += b + last + QLatin1String(ending);
    if (last == u'y') {
        for (const char *ending : {"ier", "iest"})
            regular += b.chopped(1) + QLatin1String(ending);
        if (b.size() > 1 && !isVowel(b.at(b.size() - 2)))
            for (const char *ending : {"ied", "ies"})
                regular += b.chopped(1) + QLatin1String(ending);
    }
    return regular.contains(f);
}

GeneratedEntry IrregularForms::entry(const QString &form, const QString &base,
                                     const QStringList &labels) const {
    const EcdictRow *own = m_rowsByWord.value(form);
    return {form, own ? toDictionaryNotation(own->phonetic, form) : QString(),
            base + u"的"_s + labels.join(u"和"_s), GeneratedEntry::IrregularForm};
}

std::vector<GeneratedEntry> IrregularForms::entries(const std::vector<const EcdictRow *> &bases,
                                                    QSet<QString> headwords) const {
    std::vector<GeneratedEntry> forms;
    for (const EcdictRow *base : bases) {
        QStringList order;
        QHash<QString, QStringList> labels;
        for (const InflectionKind &kind : inflectionKinds()) {
            const QString form = base->inflection(kind.key);
            if (form.isEmpty() || isRejectedForm(form) || isRegularForm(base->word, form) ||
                headwords.contains(form.toLower()))
                continue;
            if (!labels.contains(form)) order += form;
            labels[form] += kind.label;
        }
        for (const QString &form : order) {
            forms.push_back(entry(form, base->word, labels[form]));
            headwords.insert(form.toLower());
        }
    }
    return forms;
}
