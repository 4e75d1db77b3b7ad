#include "tools/dictgen/EcdictRow.h"

#include <climits>

bool EcdictRow::hasAnyTag(const QStringList &tags) const {
    const QStringList own = tag.split(u' ', Qt::SkipEmptyParts);
    for (const QString &wanted : tags)
        if (own.contains(wanted)) return true;
    return false;
}

int EcdictRow::rank() const {
    if (frq > 0 && bnc > 0) return std::min(frq, bnc);
    if (frq > 0 || bnc > 0) return std::max(frq, bnc);
    return INT_MAX;
}

QString EcdictRow::inflection(QChar key) const {
    for (const QString &part : exchange.split(u'/', Qt::SkipEmptyParts))
        if (part.size() > 2 && part.at(0) == key && part.at(1) == u':') return part.mid(2);
    return {};
}

QHash<QString, const EcdictRow *> rowsByWord(const std::vector<EcdictRow> &rows) {
    QHash<QString, const EcdictRow *> byWord;
    byWord.reserve(qsizetype(rows.size()));
    for (const EcdictRow &row : rows)
        byWord.insert(row.word, &row);
    return byWord;
}
