#pragma once

#include <QString>
#include <QTemporaryDir>

// Small dictionary files for the lookup tests, written as the real one is: one GBK line.
class DictionaryFiles {
public:
    // Writes entries (the dictionary's line without its line end) as mswrd.wd; returns its path.
    QString write(const QString &entries);
    QString path() const;

private:
    QTemporaryDir m_dir;
};
