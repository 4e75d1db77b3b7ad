#pragma once

#include <QString>

struct WordRecord;

// Where a drill shows what it does. The window shows all of it; a run driven without a window
// shows nothing, which is what these defaults do.
class DrillDisplay {
public:
    virtual ~DrillDisplay() = default;
    // The word with its transcription and its new-word mark; no meaning.
    virtual void showWord(const WordRecord &) {}
    // The selection holds no word.
    virtual void showNoWords() {}
    virtual void showMeaning(const QString &) {}
    // The position of the shown word in the selection, from 1.
    virtual void showPosition(int) {}
};
