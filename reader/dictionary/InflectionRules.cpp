#include "reader/dictionary/InflectionRules.h"

#include <array>

namespace InflectionRules {
namespace {

struct SuffixRule {
    QStringView ending; // compared exactly: only lower-case endings count
    qsizetype removed;
    QStringView appended;
};

// Tried in this order; the first candidate found wins, so an earlier, shorter stripping can
// win over a later, better one.
constexpr std::array<SuffixRule, 19> Rules = {{
    {u"s", 1, u""},     // books → book
    {u"d", 1, u""},     // hoped → hope
    {u"es", 2, u""},    // watches → watch
    {u"ed", 2, u""},    // walked → walk
    {u"ies", 3, u"y"},  // studies → study
    {u"ied", 3, u"y"},  // studied → study
    {u"ves", 3, u"f"},  // shelves → shelf
    {u"er", 2, u""},    // harder → hard
    {u"r", 1, u""},     // wider → wide
    {u"ier", 3, u"y"},  // happier → happy
    {u"est", 3, u""},   // hardest → hard
    {u"st", 2, u""},    // widest → wide
    {u"iest", 4, u"y"}, // happiest → happy
    {u"ing", 3, u""},   // asking → ask
    {u"ing", 3, u"e"},  // making → make
    {u"ing", 4, u""},   // running → run
    {u"er", 3, u""},    // sadder → sad
    {u"est", 4, u""},   // saddest → sad
    {u"ed", 3, u""},    // stopped → stop
}};

// Only spaces are trimmed, not other white space.
QString trimSpaces(const QString &word) {
    qsizetype start = 0;
    qsizetype end = word.size();
    while (start < end && word.at(start) == u' ')
        ++start;
    while (end > start && word.at(end - 1) == u' ')
        --end;
    return word.mid(start, end - start);
}

} // namespace

QStringList candidates(const QString &word) {
    const QString trimmed = trimSpaces(word);
    QStringList texts{trimmed};
    for (const SuffixRule &rule : Rules) {
        if (!trimmed.endsWith(rule.ending, Qt::CaseSensitive)) continue;
        // A word too short for the rule ("ing" for rule 16) stays as it is.
        texts += trimmed.size() < rule.removed
                     ? trimmed
                     : trimmed.chopped(rule.removed).append(rule.appended);
    }
    return texts;
}

} // namespace InflectionRules
