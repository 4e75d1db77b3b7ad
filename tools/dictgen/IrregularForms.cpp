#include "tools/dictgen/IrregularForms.h"

#include "tools/dictgen/InflectedForms.h"

namespace {

bool isVowel(QChar c) {
    return QStringView(u"aeiou").contains(c);
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

std::vector<GeneratedEntry> IrregularForms::entries(const std::vector<const EcdictRow *> &bases,
                                                    QSet<QString> headwords) const {
    std::vector<GeneratedEntry> entries;
    for (const EcdictRow *base : bases) {
        for (const InflectedForm &form : InflectedForms::of(*base, u"pdsrt")) {
            if (isRegularForm(base->word, form.form) || headwords.contains(form.form.toLower()))
                continue;
            entries.push_back(
                InflectedForms::entry({form}, m_rowsByWord, GeneratedEntry::IrregularForm));
            headwords.insert(form.form.toLower());
        }
    }
    return entries;
}
