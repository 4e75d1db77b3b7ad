#include "reader/NewWordList.h"

#include "platform/ConnectionString.h"
#include "platform/Database.h"
#include "platform/Paths.h"
#include "platform/WordLibrary.h"
#include "reader/dictionary/DefinitionSenses.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString NewWordMark = QStringLiteral("1");

const QString FolderNotMade = QStringLiteral("未能加入生词本：无法创建文件夹 %1");
const QString ListNotWritten = QStringLiteral("未能加入生词本：无法写入 %1");
const QString NotAWordList = QStringLiteral("未能加入生词本：%1 不是单词表");

NewWordList::Result notWritten(const QString &problem, const QString &path) {
    return {NewWordList::Outcome::NotWritten, problem.arg(path)};
}

} // namespace

NewWordList::NewWordList(const QString &dataFolder)
    : m_collectionFolder(Paths::join(WordLibrary::wordFolder(dataFolder), CollectionName)),
      m_path(WordLibrary::listPath(dataFolder, CollectionName, ListName)) {}

WordListFile::WordRow NewWordList::rowFor(const DictionaryEntry &entry, int number) {
    return {number, entry.headword, entry.transcription,
            DefinitionSenses::listMeaning(DefinitionSenses::linesOf(entry.definition)),
            NewWordMark};
}

// Everything from toggling the header byte to restoring it happens under the list's lock. A list
// at rest is opened for the write and put back to rest; one Vocadrill has open stays open.
NewWordList::Result NewWordList::add(const DictionaryEntry &entry) const {
    if (!QDir().mkpath(m_collectionFolder)) return notWritten(FolderNotMade, m_collectionFolder);
    const WordListFile::Lock lock(m_path);
    if (!lock.isHeld() || (!QFileInfo::exists(m_path) && !WordListFile::create(m_path, {})))
        return notWritten(ListNotWritten, m_path);
    const int found = WordListFile::readHeaderByte(m_path);
    if (found == WordListFile::OpenByte) return addToOpenList(entry);
    if (found != WordListFile::RestByte) return notWritten(NotAWordList, m_path);
    if (!WordListFile::writeHeaderByte(m_path, WordListFile::OpenByte))
        return notWritten(ListNotWritten, m_path);
    const Result result = addToOpenList(entry);
    WordListFile::writeHeaderByte(m_path, WordListFile::RestByte);
    return result;
}

NewWordList::Result NewWordList::addToOpenList(const DictionaryEntry &entry) const {
    Database db;
    if (!db.open(ConnectionString::make(m_path))) return notWritten(NotAWordList, m_path);
    const Database::Result same = db.query(
        "select count(*) from vocamarkhome where lower([单词]) = lower(?)", {entry.headword});
    const Database::Result last = db.query("select max([序号]) from vocamarkhome");
    if (!same.ok || !last.ok) return notWritten(NotAWordList, m_path);
    if (same.rows.front().front() != QStringLiteral("0")) return {Outcome::AlreadyListed, {}};
    // An empty list reads its largest number as empty text, which counts as 0.
    if (!WordListFile::insertRow(db, rowFor(entry, last.rows.front().front().toInt() + 1)))
        return notWritten(ListNotWritten, m_path);
    return {Outcome::Added, {}};
}
