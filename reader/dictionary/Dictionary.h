#pragma once

#include "reader/dictionary/DictionaryEntry.h"

#include <QDateTime>
#include <QHash>
#include <QString>

// The dictionary file: one GBK line of entries "$" headword "[" pronunciation "]" definition,
// with one more "$" after the last. The decoded line and an index of its headwords stay in
// memory; read() loads them again only when the file's size or modification time changed, so
// a lookup costs a few hash look-ups instead of reading and scanning the whole file.
class Dictionary {
public:
    explicit Dictionary(QString path);

    // A dictionary of text, a dictionary line already decoded, with no file behind it: the
    // generator checks with it what lookups in the file it is building will show.
    static Dictionary ofText(QString text);

    // Brings the dictionary up to date with the file. A missing or unreadable file makes it
    // empty, so that nothing is found. A dictionary without a file keeps what it holds.
    void read();

    // Where "$" + candidate + "[" first occurs in the dictionary text, letter case ignored;
    // -1 when it does not. Exactly what a left-to-right search of the text would find.
    qsizetype find(const QString &candidate) const;

    // The entry whose "$" stands at position: the text up to the next "$", cut into headword,
    // pronunciation (transcoded for display) and definition.
    DictionaryEntry entryAt(qsizetype position) const;

    const QString &text() const { return m_text; }

private:
    struct FileStamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const FileStamp &) const = default;
    };

    void load();
    void buildIndex();

    QString m_path;
    bool m_loaded = false;
    FileStamp m_stamp;
    QString m_text;
    // Case-folded text between a "$" and the next "[", mapped to the earliest such "$".
    QHash<QString, qsizetype> m_firstPosition;
};
