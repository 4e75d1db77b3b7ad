#pragma once

#include "reader/dictionary/WordLookup.h"
#include "tools/dictgen/EcdictRow.h"
#include "tools/dictgen/InflectedForms.h"

#include <QHash>
#include <vector>

// What a click on a word shows in a dictionary, looked up by the reader's own code: the entry
// of the word itself or of its base, or something else (carries: the name carrie; using: us).
class LookupCoverage {
public:
    struct Share {
        int shown = 0;
        int total = 0;

        bool isComplete() const { return shown == total; }
        // "24512 of 24512 (100.0 %)"
        QString text() const;
    };

    // rowsByWord: every row of the data, by its word; it gives a text word's base.
    LookupCoverage(WordLookup lookup, const QHash<QString, const EcdictRow *> &rowsByWord);

    // The forms whose lookup finds no entry, or one that is neither the form nor a base of it.
    std::vector<InflectedForm> missed(const std::vector<InflectedForm> &forms);
    // Counted once for each distinct form.
    Share shownForms(const std::vector<InflectedForm> &forms);
    // Of the words of a text, how many show their own entry or their base's.
    Share shownWords(const QStringList &words);

private:
    // The headword of the entry a lookup of word shows, in lower case; empty when none.
    QString shownHeadword(const QString &word);
    bool showsItselfOrBase(const QString &word, const QString &base);

    WordLookup m_lookup;
    const QHash<QString, const EcdictRow *> &m_rowsByWord;
};
