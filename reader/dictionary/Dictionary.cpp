#include "reader/dictionary/Dictionary.h"

#include "platform/PhoneticTranscoding.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The file's first line, without its line end.
QByteArray firstLine(const QByteArray &bytes) {
    qsizetype end = 0;
    while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
        ++end;
    return bytes.left(end);
}

} // namespace

Dictionary::Dictionary(QString path) : m_path(std::move(path)) {}

Dictionary Dictionary::ofText(QString text) {
    Dictionary dictionary{QString()};
    dictionary.m_text = std::move(text);
    dictionary.buildIndex();
    return dictionary;
}

void Dictionary::read() {
    if (m_path.isEmpty()) return;
    const QFileInfo info(m_path);
    const FileStamp stamp{info.exists(), info.size(), info.lastModified()};
    if (m_loaded && stamp == m_stamp) return;
    m_stamp = stamp;
    m_loaded = true;
    load();
}

void Dictionary::load() {
    QFile file(m_path);
    m_text =
        file.open(QIODevice::ReadOnly) ? TextCodec::fromGbk(firstLine(file.readAll())) : QString();
    buildIndex();
}

// A search text "$" + candidate + "[" matches at a "$" exactly when the text from there to
// the next "[" is the candidate, so indexing that text for every "$" (earliest first) answers
// every candidate that holds neither "$" nor "[".
void Dictionary::buildIndex() {
    m_firstPosition.clear();
    qsizetype lastDollar = -1;
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const QChar c = m_text.at(i);
        if (c == u'$') {
            lastDollar = i;
        } else if (c == u'[' && lastDollar >= 0) {
            const QString headword = m_text.mid(lastDollar + 1, i - lastDollar - 1).toCaseFolded();
            if (!m_firstPosition.contains(headword)) m_firstPosition.insert(headword, lastDollar);
            lastDollar = -1;
        }
    }
}

qsizetype Dictionary::find(const QString &candidate) const {
    if (candidate.contains(u'$') || candidate.contains(u'['))
        return m_text.indexOf(u'$' + candidate + u'[', 0, Qt::CaseInsensitive);
    return m_firstPosition.value(candidate.toCaseFolded(), -1);
}

DictionaryEntry Dictionary::entryAt(qsizetype position) const {
    qsizetype next = m_text.indexOf(u'$', position + 1);
    if (next < 0) next = m_text.size();
    const QString entry = m_text.mid(position + 1, next - position - 1);
    const qsizetype open = entry.indexOf(u'[');
    if (open < 0) return {entry, {}, {}};
    const qsizetype close = entry.indexOf(u']', open + 1);
    const QString phonetic =
        close < 0 ? entry.mid(open + 1) : entry.mid(open + 1, close - open - 1);
    return {entry.left(open), transcodePhonetic(phonetic),
            close < 0 ? QString() : entry.mid(close + 1)};
}
