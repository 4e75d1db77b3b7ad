#pragma once

#include <QString>

class RecordSet;

// The words of the selection with their meanings as a plain text file: per word its word, its
// meaning and an empty line, and one more line end at the end of the file; GBK with CR LF.
namespace WordTextExport {

inline const QString NotWrittenText = QStringLiteral("不能写入 %1，单词文本没有生成。");

// chosenPath + ".txt", whatever chosenPath ends with.
QString filePath(const QString &chosenPath);

// The text of WordCount records from the first on, yielding to the event loop after each; the
// record set is left on its first record. A field that is empty gives an empty line.
QString text(RecordSet &WordRecords, int WordCount);

// Writes the text of the selection to filePath(chosenPath), replacing any file there once the
// new one is complete. False when it could not be written.
bool exportWords(RecordSet &WordRecords, int WordCount, const QString &chosenPath);

} // namespace WordTextExport
