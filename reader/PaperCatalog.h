#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The past papers the reader offers: the years 1995 to 2010, five parts a year up to 2001 and
// four from 2002 on, 71 parts in all. A part is known by its key, the year's caption followed
// by the part's caption (1998年试题Part5).
namespace PaperCatalog {

struct Year {
    int year = 0;
    QString nodeKey;   // "n1998"
    QString caption;   // "1998年试题"
    QStringList parts; // "Part1" … "Part5"
};

QList<Year> years();

QString partKey(const QString &yearCaption, const QString &partCaption);

// The keys of all 71 parts, in tree order.
QStringList allKeys();

} // namespace PaperCatalog
