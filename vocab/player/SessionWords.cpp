#include "vocab/player/SessionWords.h"

#include "vocab/library/WordListSession.h"

int SessionWords::count() const {
    return m_session.WordCount;
}

int SessionWords::index() const {
    return m_session.WordIndex;
}

void SessionWords::moveTo(int index) {
    m_session.WordRecords.moveFirst();
    m_session.WordRecords.move(index - 1);
    m_session.WordIndex = index;
}

WordRecord SessionWords::current() const {
    return m_session.currentWord();
}
