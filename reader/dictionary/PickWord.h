#pragma once

#include <QString>

class QTextEdit;

// The English word at the caret: the run of letters a–z and A–Z around it, when the caret
// stands after the word's first letter and before its end. Empty for one-letter words and for
// a caret before a word, right after it, or between non-letters. caret: the number of
// characters before the caret.
QString pickword(const QString &text, qsizetype caret);
QString pickword(const QTextEdit &pane);
