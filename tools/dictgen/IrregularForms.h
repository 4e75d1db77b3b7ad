#pragma once

#include "tools/dictgen/EcdictRow.h"
#include "tools/dictgen/GeneratedEntry.h"

#include <QHash>
#include <QSet>
#include <vector>

// Entries for the irregular past forms, plurals, comparatives and superlatives of the selected
// words ("kept": "keep的过去式和过去分词"), so that a lookup finds what no suffix rule reaches.
// A form that a regular rule makes from its base, or that is an entry already, is left out.
class IrregularForms {
public:
    // rowsByWord: every row of the data, by its word; a form takes its own row's pronunciation.
    explicit IrregularForms(const QHash<QString, const EcdictRow *> &rowsByWord);

    // bases: the selected words in file order; headwords: the entries so far, in lower case.
    std::vector<GeneratedEntry> entries(const std::vector<const EcdictRow *> &bases,
                                        QSet<QString> headwords) const;

    static bool isRegularForm(const QString &base, const QString &form);

private:
    const QHash<QString, const EcdictRow *> &m_rowsByWord;
};
