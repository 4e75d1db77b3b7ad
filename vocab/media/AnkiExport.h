#pragma once

#include <QString>

class RecordSet;

// The words of the selection as a text file that the flashcard program Anki imports with no
// setting to change: UTF-8, header lines that preset the separator, HTML fields, the stock note
// type "Basic", a deck named after the list and the columns, then one tab-separated row per
// word: the word (Front), the transcription in brackets over the meaning (Back), and the tags:
// the list's name with its blanks as "_", after "生词" for a word marked as new.
namespace AnkiExport {

inline const QString ExportedText = QStringLiteral("已导出到 Anki 文件 %1");
inline const QString NotExportedText = QStringLiteral("导出到 Anki 失败：不能写入 %1");

// The file's text for WordCount records from the first on, yielding to the event loop after
// each; the record set is left on its first record.
QString text(RecordSet &WordRecords, int WordCount, const QString &listName);

// Writes the text of the selection to chosenPath + ".txt" (as the word text export does), replacing
// any file there once the new one is complete. False when it could not be written, and for an empty
// selection, which writes nothing.
bool exportWords(RecordSet &WordRecords, int WordCount, const QString &listName,
                 const QString &chosenPath);

} // namespace AnkiExport
