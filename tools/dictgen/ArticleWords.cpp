#include "tools/dictgen/ArticleWords.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace ArticleWords {

QStringList of(const QString &text) {
    static const QRegularExpression word(u"[A-Za-z]{2,}"_s);
    QStringList words;
    for (const QRegularExpressionMatch &match : word.globalMatch(text))
        words += match.captured();
    return words;
}

QStringList read(const QString &papersFolder) {
    QStringList words;
    const QDir papers(papersFolder);
    for (const QString &year : papers.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir yearFolder(papers.filePath(year));
        for (const QString &part : yearFolder.entryList({u"Part*"_s}, QDir::Dirs, QDir::Name)) {
            QFile article(yearFolder.filePath(part + u"/yw.txt"_s));
            if (article.open(QIODevice::ReadOnly))
                words += of(QString::fromUtf8(article.readAll()));
        }
    }
    return words;
}

} // namespace ArticleWords
