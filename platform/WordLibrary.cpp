#include "platform/WordLibrary.h"

#include "platform/Paths.h"

#include <QDir>

namespace WordLibrary {

namespace {

const QString Extension = QStringLiteral(".wrd");

QStringList listsIn(const QString &collectionFolder) {
    QStringList lists;
    const QDir folder(collectionFolder, "*" + Extension, QDir::Name,
                      QDir::Files | QDir::CaseSensitive);
    for (const QString &file : folder.entryList())
        lists << file.chopped(Extension.size());
    return lists;
}

} // namespace

QString wordFolder(const QString &programFolder) {
    return Paths::join(programFolder, QStringLiteral("word"));
}

QString listPath(const QString &programFolder, const QString &collection, const QString &list) {
    return Paths::join(Paths::join(wordFolder(programFolder), collection), list + Extension);
}

std::vector<Collection> scan(const QString &programFolder) {
    std::vector<Collection> collections;
    const QDir word(wordFolder(programFolder), {}, QDir::Name, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : word.entryList())
        collections.push_back({name, listsIn(word.filePath(name))});
    return collections;
}

} // namespace WordLibrary
