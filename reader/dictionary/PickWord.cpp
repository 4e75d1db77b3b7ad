#include "reader/dictionary/PickWord.h"

#include <QTextEdit>

namespace {

// Whether the character at the 1-based position is a letter; positions outside the text hold
// none.
bool isLetterAt(const QString &text, qsizetype position) {
    if (position < 1 || position > text.size()) return false;
    const char16_t c = text.at(position - 1).unicode();
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

QString pickword(const QString &text, qsizetype caret) {
    qsizetype before = caret; // ends on the position before the word
    while (isLetterAt(text, before)) {
        --before;
        if (before < 1) break;
    }
    qsizetype after = caret; // ends on the position after the word
    while (isLetterAt(text, after))
        ++after;
    if (after == caret + 1) return {}; // the caret stands right after the word's last letter
    const qsizetype length = after - before - 1;
    return length < 2 ? QString() : text.mid(before, length);
}

QString pickword(const QTextEdit &pane) {
    return pickword(pane.toPlainText(), pane.textCursor().position());
}
