#pragma once

#include "vocab/library/WordRecord.h"

// The words a drill walks through, one of them current: the selection of the open list in the
// window, or words read from it beforehand by whatever drives a run without a window.
class DrillWords {
public:
    virtual ~DrillWords() = default;
    // The number of words (WordCount).
    virtual int count() const = 0;
    // The position of the current word, from 1 (WordIndex).
    virtual int index() const = 0;
    virtual void moveTo(int index) = 0;
    // Every field is empty without a current word.
    virtual WordRecord current() const = 0;
};
