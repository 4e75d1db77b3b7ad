#include "tools/dictgen/LookupCoverage.h"

#include <QSet>

using namespace Qt::StringLiterals;

QString LookupCoverage::Share::text() const {
    const double percent = total > 0 ? 100.0 * shown / total : 100.0;
    return u"%1 of %2 (%3 %)"_s.arg(shown).arg(total).arg(percent, 0, 'f', 1);
}

LookupCoverage::LookupCoverage(WordLookup lookup,
                               const QHash<QString, const EcdictRow *> &rowsByWord)
    : m_lookup(std::move(lookup)), m_rowsByWord(rowsByWord) {}

QString LookupCoverage::shownHeadword(const QString &word) {
    const std::optional<DictionaryEntry> entry = m_lookup.find(word);
    return entry ? entry->headword.toLower() : QString();
}

bool LookupCoverage::showsItselfOrBase(const QString &word, const QString &base) {
    const QString shown = shownHeadword(word);
    return !shown.isEmpty() && (shown == word.toLower() || shown == base.toLower());
}

// A form that stands for inflections of several words ("axes": ax, axe) is shown rightly when
// its lookup shows any of them.
std::vector<InflectedForm> LookupCoverage::missed(const std::vector<InflectedForm> &forms) {
    QSet<QString> shown;
    for (const InflectedForm &form : forms)
        if (!shown.contains(form.form) && showsItselfOrBase(form.form, form.base))
            shown.insert(form.form);
    std::vector<InflectedForm> missed;
    std::copy_if(forms.begin(), forms.end(), std::back_inserter(missed),
                 [&shown](const InflectedForm &form) { return !shown.contains(form.form); });
    return missed;
}

LookupCoverage::Share LookupCoverage::shownForms(const std::vector<InflectedForm> &forms) {
    const auto texts = [](const std::vector<InflectedForm> &some) {
        QSet<QString> distinct;
        for (const InflectedForm &form : some)
            distinct.insert(form.form);
        return int(distinct.size());
    };
    const int total = texts(forms);
    return {total - texts(missed(forms)), total};
}

// A text's word has a row in the data in one letter case, mostly lower case ("The": "the").
// Its base is the lemma its row names or any word whose row lists it as an inflection
// ("thousands" of thousand).
LookupCoverage::Share LookupCoverage::shownWords(const QStringList &words) {
    const auto rowOf = [this](const QString &word) {
        return m_rowsByWord.value(word, m_rowsByWord.value(word.toLower()));
    };
    Share share{0, int(words.size())};
    for (const QString &word : words) {
        const QString shown = shownHeadword(word);
        const EcdictRow *own = rowOf(word);
        const EcdictRow *shownRow = rowOf(shown);
        share.shown += !shown.isEmpty() && (shown == word.toLower() ||
                                            (own && shown == own->inflection(u'0').toLower()) ||
                                            (shownRow && InflectedForms::lists(*shownRow, word)));
    }
    return share;
}
