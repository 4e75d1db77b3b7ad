#pragma once

#include <QStringList>

// The English words of the practice papers' articles as a click in the article pane picks them:
// runs of two or more letters a to z, either case.
namespace ArticleWords {

QStringList of(const QString &text);

// The words of every article, papersFolder/<year>/Part<n>/yw.txt, in the order of the folders'
// names.
QStringList read(const QString &papersFolder);

} // namespace ArticleWords
