#include "vocab/media/AnkiExport.h"

#include "platform/PhoneticDisplay.h"
#include "platform/TextCodec.h"
#include "vocab/library/WordRecord.h"
#include "vocab/media/SelectedWords.h"
#include "vocab/media/WaitCursor.h"
#include "vocab/media/WordTextExport.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace AnkiExport {
namespace {

const QChar Separator = u'\t';
const QString LineBreak = u"<br>"_s;
const QString NewWordTag = u"生词"_s;

// Anki reads "#key:value" lines at the top of the file. The separator comes first because the
// column names are split by it. The columns name the fields of the stock note type "Basic", so
// they map onto them; the tags column is counted from 1.
QString header(const QString &listName) {
    QString deck = listName;
    deck.replace(u'\r', u' ').replace(u'\n', u' '); // a header is one line
    const QStringList lines = {u"#separator:Tab"_s,
                               u"#html:true"_s,
                               u"#notetype:Basic"_s,
                               u"#deck:"_s + deck,
                               u"#columns:Front\tBack\tTags"_s,
                               u"#tags column:3"_s};
    return lines.join(u'\n') + u'\n';
}

// The field is read as HTML: the characters HTML gives a meaning become entities and every line
// break becomes <br>.
QString asHtml(const QString &text) {
    return TextCodec::withCrLf(text)
        .replace(u'&', u"&amp;"_s)
        .replace(u'<', u"&lt;"_s)
        .replace(u'>', u"&gt;"_s)
        .replace(u"\r\n"_s, LineBreak);
}

// Unquoted, a tab would end the field early, a leading quote would open a quoted field that
// runs on past the row, and a leading "#" would make the whole row a comment. Such a field is
// put in quotes, with its own quotes doubled.
QString asField(const QString &text) {
    if (!text.contains(Separator) && !text.contains(u'"') && !text.startsWith(u'#')) return text;
    return u'"' + QString(text).replace(u'"', u"\"\""_s) + u'"';
}

// Brackets only around a transcription that shows something, as on the window.
QString back(const WordRecord &word) {
    const QString ipa = phoneticToIpa(word.phonetic);
    const QString meaning = asHtml(word.meaning);
    return ipa.isEmpty() ? meaning : asHtml(u'[' + ipa + u']') + LineBreak + meaning;
}

// Anki splits tags at blanks, so each blank of the list's name becomes "_" and the name stays
// one tag.
QString listTag(const QString &listName) {
    QString tag = listName;
    for (QChar &c : tag)
        if (c.isSpace()) c = u'_';
    return tag;
}

// Tags are taken as plain text, not HTML.
QString row(const WordRecord &word, const QString &listTag) {
    const QString tags = word.isNewWord() ? NewWordTag + u' ' + listTag : listTag;
    return asField(asHtml(word.word)) + Separator + asField(back(word)) + Separator +
           asField(tags) + u'\n';
}

} // namespace

QString text(RecordSet &WordRecords, int WordCount, const QString &listName) {
    QString text = header(listName);
    const QString tag = listTag(listName);
    SelectedWords::forEach(WordRecords, WordCount,
                           [&](const WordRecord &word) { text += row(word, tag); });
    return text;
}

bool exportWords(RecordSet &WordRecords, int WordCount, const QString &listName,
                 const QString &chosenPath) {
    if (WordCount <= 0) return false;
    const WaitCursor busy;
    return TextCodec::writeUtf8TextFile(WordTextExport::filePath(chosenPath),
                                        text(WordRecords, WordCount, listName));
}

} // namespace AnkiExport
