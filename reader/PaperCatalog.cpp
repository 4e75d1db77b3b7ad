#include "reader/PaperCatalog.h"

namespace PaperCatalog {

namespace {
constexpr int FirstYear = 1995;
constexpr int LastYear = 2010;
constexpr int LastYearWithFiveParts = 2001;
} // namespace

QList<Year> years() {
    QList<Year> result;
    for (int year = FirstYear; year <= LastYear; ++year) {
        Year node;
        node.year = year;
        node.nodeKey = QStringLiteral("n%1").arg(year);
        node.caption = QStringLiteral("%1年试题").arg(year);
        const int partCount = year <= LastYearWithFiveParts ? 5 : 4;
        for (int part = 1; part <= partCount; ++part)
            node.parts << QStringLiteral("Part%1").arg(part);
        result << node;
    }
    return result;
}

QString partKey(const QString &yearCaption, const QString &partCaption) {
    return yearCaption + partCaption;
}

QStringList allKeys() {
    QStringList keys;
    for (const Year &year : years())
        for (const QString &part : year.parts)
            keys << partKey(year.caption, part);
    return keys;
}

} // namespace PaperCatalog
