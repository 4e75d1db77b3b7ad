#pragma once

#include <QtGlobal>

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
