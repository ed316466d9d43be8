#pragma once
// Time as the lock protocol sees it. Tests install a clock of their own so that the ten-second
// rules run without waiting; sleeping goes through the same clock so a fake one moves on sleep.

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds from an arbitrary, fixed origin; never goes backwards.
    virtual std::int64_t now_milliseconds() = 0;
    virtual void sleep_milliseconds(int milliseconds) = 0;
};

// The clock in use: the system's steady clock unless a test installed another.
Clock& runtime_clock();
// Installs `clock` (nullptr: the system clock again) and returns the previous one.
Clock* set_runtime_clock(Clock* clock);
