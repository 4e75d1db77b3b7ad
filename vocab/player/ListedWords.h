#pragma once

#include "vocab/player/DrillWords.h"

#include <vector>

// Words held in memory, such as a selection read from the record set before a run is driven
// away from the window.
class ListedWords : public DrillWords {
public:
    explicit ListedWords(std::vector<WordRecord> words) : m_words(std::move(words)) {}

    int count() const override { return int(m_words.size()); }
    int index() const override { return m_index; }
    void moveTo(int index) override { m_index = index; }
    WordRecord current() const override {
        return m_index >= 1 && m_index <= count() ? m_words[size_t(m_index - 1)] : WordRecord{};
    }

private:
    std::vector<WordRecord> m_words;
    int m_index = 1;
};
