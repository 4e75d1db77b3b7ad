#pragma once

#include "platform/RecordSet.h"
#include "platform/WordListFile.h"
#include "vocab/library/WordRecord.h"

#include <QString>

// The open word list and the selection drilled from it: the program-wide record set WordRecords
// and the state the main window keeps about the list. A list file at rest has a disguised
// header byte; opening the list restores the byte the database needs, closing writes the rest
// byte back, so no list is left open-looking once it is closed. Opening, closing and storing a
// mark hold the list's lock, which the reader also takes to add a word to a list.
class WordListSession {
public:
    explicit WordListSession(QString programFolder);
    ~WordListSession();
    WordListSession(const WordListSession &) = delete;
    WordListSession &operator=(const WordListSession &) = delete;

    // Closes the previous list, then opens <program folder>/word/<collection>/<list>.wrd over
    // all its words in number order, on the first word. A list that does not open leaves
    // WordRecords closed and counts no words.
    void OpenList(const QString &collection, const QString &list);
    void CloseList();

    enum class Selection { Applied, RangeError };
    // Reopens WordRecords over the words numbered start to end of the open list, only the
    // marked ones when newWordsOnly, on the first of them. An empty or non-numeric field, or an
    // end before the start, is a RangeError and leaves WordRecords as it was.
    Selection ApplySelection(const QString &start, const QString &end, bool newWordsOnly);

    WordRecord currentWord() const { return WordRecord::current(WordRecords); }
    // Stores the new-word mark of the current word in the list file; nothing without one.
    void storeMark(bool isNewWord);

    static inline const QString WholeListSql =
        QStringLiteral("select * from vocamarkhome order by [序号]");
    static constexpr char ListRestByte = WordListFile::RestByte;

    RecordSet WordRecords;
    QString ConnectionString;
    QString SelectionSql;
    QString ListPath;
    int ListWordCount = 0;
    int WordCount = 0;
    int WordIndex = 0;
    bool RangeEdited = false;

private:
    void openWordRecords();

    QString m_programFolder;
};
