#pragma once

#include "platform/Paths.h"
#include "reader/ReaderFiles.h"
#include "support/TestFiles.h"

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

// A data home in a temporary folder (empty at first) for the reader's files. Embedded resources are
// stood in for by "resource <id>" files, so tests can tell which were written.
class ReaderFixture {
public:
    ReaderFixture();

    static QByteArray resourceBytes(int id);

    // Writes an exam store holding the given parts; each text is "<column> of <key>", the
    // article in two paragraphs.
    void writeExamStore(const QStringList &keys) const;
    // Writes a notes store with a row holding the hint for each key.
    void writeNotesStore(const QStringList &keys) const;

    static QString paperText(const QString &column, const QString &key);

    QTemporaryDir home;
    Paths paths;
    ReaderFiles files;
};

// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}
