#include "vocab/library/WordListSession.h"

#include "platform/ConnectionString.h"
#include "platform/WordLibrary.h"
#include "vocab/library/NumberText.h"

WordListSession::WordListSession(QString programFolder)
    : m_programFolder(std::move(programFolder)) {}

WordListSession::~WordListSession() {
    CloseList();
}

void WordListSession::OpenList(const QString &collection, const QString &list) {
    CloseList();
    ListPath = WordLibrary::listPath(m_programFolder, collection, list);
    const WordListFile::Lock lock(ListPath);
    WordListFile::writeHeaderByte(ListPath, WordListFile::OpenByte);
    ConnectionString = ConnectionString::make(ListPath);
    SelectionSql = WholeListSql;
    openWordRecords();
    WordCount = WordRecords.recordCount();
    WordIndex = 1;
    ListWordCount = WordCount;
}

void WordListSession::CloseList() {
    const WordListFile::Lock lock(ListPath);
    WordRecords.close();
    if (!ListPath.isEmpty()) WordListFile::writeHeaderByte(ListPath, ListRestByte);
}

WordListSession::Selection WordListSession::ApplySelection(const QString &start, const QString &end,
                                                           bool newWordsOnly) {
    const std::optional<int> first = NumberText::wholeNumber(start);
    const std::optional<int> last = NumberText::wholeNumber(end);
    if (!first || !last || *last < *first) return Selection::RangeError;

    WordRecords.close();
    QString condition = QStringLiteral("[序号] between %1 and %2").arg(*first).arg(*last);
    if (newWordsOnly) condition += QStringLiteral(" and  [过滤] = '1'");
    SelectionSql = "select * from vocamarkhome where " + condition + " order by [序号]";
    openWordRecords();
    WordCount = WordRecords.recordCount();
    WordIndex = 1;
    WordRecords.moveFirst();
    return Selection::Applied;
}

void WordListSession::storeMark(bool isNewWord) {
    const WordListFile::Lock lock(ListPath);
    WordRecords.setField(WordRecord::MarkColumn,
                         isNewWord ? QStringLiteral("1") : QStringLiteral("0"));
    WordRecords.update();
}

void WordListSession::openWordRecords() {
    WordRecords.setLockType(RecordSet::LockType::Optimistic);
    WordRecords.open(SelectionSql, ConnectionString, RecordSet::CursorType::Keyset);
    WordRecords.requery();
}
