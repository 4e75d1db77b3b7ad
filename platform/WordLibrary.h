#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The word library under a folder (Vocadrill's program folder, or the data folder where the
// reader collects new words): "word" holds one folder per collection, and each collection
// folder holds its lists as ".wrd" files. Files directly in "word" and deeper folders are not
// part of the library.
namespace WordLibrary {

struct Collection {
    QString name;
    QStringList lists; // list names: file names without their ".wrd" extension
};

QString wordFolder(const QString &programFolder);
QString listPath(const QString &programFolder, const QString &collection, const QString &list);

// The collections and their lists, both sorted by name; a missing "word" folder is empty.
std::vector<Collection> scan(const QString &programFolder);

} // namespace WordLibrary
