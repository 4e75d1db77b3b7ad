#include "tools/dictgen/DictionaryCounts.h"

namespace {

void check(QStringList &problems, const char *name, int value, int low, int high) {
    if (value < low || value > high)
        problems += QStringLiteral("%1: %2, expected %3 to %4")
                        .arg(QLatin1String(name))
                        .arg(value)
                        .arg(low)
                        .arg(high);
}

} // namespace

DictionaryCounts DictionaryCounts::of(const std::vector<GeneratedEntry> &entries) {
    DictionaryCounts counts;
    for (const GeneratedEntry &entry : entries) {
        ++counts.entries;
        counts.phrases += entry.kind == GeneratedEntry::Phrase;
        counts.irregularForms += entry.kind == GeneratedEntry::IrregularForm;
        counts.missedForms += entry.kind == GeneratedEntry::MissedForm;
        counts.emptyPhonetics += entry.notation.isEmpty();
    }
    return counts;
}

QStringList DictionaryCounts::outOfRange() const {
    QStringList problems;
    check(problems, "entries", entries, 12300, 13000);
    check(problems, "phrases", phrases, 2300, 2500);
    check(problems, "empty phonetics", emptyPhonetics, 1800, 2400);
    check(problems, "irregular forms", irregularForms, 250, 320);
    check(problems, "missed forms", missedForms, 80, 200);
    return problems;
}

QString DictionaryCounts::summary() const {
    return QStringLiteral(
               "%1 entries, %2 phrases, %3 empty phonetics, %4 irregular forms, %5 missed forms")
        .arg(entries)
        .arg(phrases)
        .arg(emptyPhonetics)
        .arg(irregularForms)
        .arg(missedForms);
}
