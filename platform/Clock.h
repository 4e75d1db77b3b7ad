#pragma once

#include <QtGlobal>
#include <atomic>

// The time the drill's clock label, the timeline's tags and the recording device read. Everything
// that measures a run reads the one clock it is given, so a test or a renderer can drive a whole
// run with a clock of its own instead of waiting.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since the epoch.
    virtual qint64 nowMs() const = 0;

    // The system's date and time.
    static const Clock &system();
};

// A clock that stands still until it is moved on: a run driven without waiting moves it by each
// step's length, so everything that reads it sees the times of a run in real time.
class SteppingClock : public Clock {
public:
    explicit SteppingClock(qint64 startMs = 0) : m_nowMs(startMs) {}

    qint64 nowMs() const override { return m_nowMs; }
    void advance(qint64 ms) { m_nowMs += ms; }

private:
    std::atomic<qint64> m_nowMs;
};
