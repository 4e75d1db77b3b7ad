#pragma once

#include "platform/Clock.h"

#include <atomic>

// A clock that stands still until the test moves it on. It starts at a whole second.
class FakeClock : public Clock {
public:
    static constexpr qint64 StartMs = 1'700'000'000'000;

    qint64 nowMs() const override { return m_nowMs; }
    void advance(qint64 ms) { m_nowMs += ms; }

private:
    std::atomic<qint64> m_nowMs = StartMs;
};
