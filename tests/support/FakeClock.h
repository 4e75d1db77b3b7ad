#pragma once

#include "platform/Clock.h"

// The tests' clock: it stands still until the test moves it on, and starts at a whole second.
class FakeClock : public SteppingClock {
public:
    static constexpr qint64 StartMs = 1'700'000'000'000;

    FakeClock() : SteppingClock(StartMs) {}
};
