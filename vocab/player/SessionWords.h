#pragma once

#include "vocab/player/DrillWords.h"

class WordListSession;

// The selection of the open list: WordRecords, WordCount and WordIndex of the session.
class SessionWords : public DrillWords {
public:
    explicit SessionWords(WordListSession &session) : m_session(session) {}

    int count() const override;
    int index() const override;
    void moveTo(int index) override;
    WordRecord current() const override;

private:
    WordListSession &m_session;
};
