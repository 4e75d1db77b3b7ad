#pragma once

#include <QString>

class RecordSet;

// One row of a word list, read from the current row of a record set.
struct WordRecord {
    static inline const QString NumberColumn = QStringLiteral("序号");
    static inline const QString WordColumn = QStringLiteral("单词");
    static inline const QString PhoneticColumn = QStringLiteral("音标");
    static inline const QString MeaningColumn = QStringLiteral("释义");
    static inline const QString MarkColumn = QStringLiteral("过滤");

    QString number;
    QString word;
    QString phonetic; // in the phonetic font's code
    QString meaning;
    QString mark; // "1" for a word the student marked as new, "0" otherwise

    bool isNewWord() const { return mark.trimmed() == QLatin1String("1"); }

    // The current row; every field is empty when there is no current row.
    static WordRecord current(const RecordSet &records);
};
