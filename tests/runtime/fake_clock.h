#pragma once
// A clock for the lock tests: time moves only when the code under test sleeps.

#include <cstdint>
#include <functional>

#include "runtime/clock.h"

namespace locktest {

class FakeClock : public Clock {
public:
    std::int64_t now = 1'000'000;
    std::int64_t slept = 0;
    std::function<void()> on_sleep;

    std::int64_t now_milliseconds() override { return now; }
    void sleep_milliseconds(int milliseconds) override {
        now += milliseconds;
        slept += milliseconds;
        if (on_sleep) {
            on_sleep();
        }
    }
};

class ScopedClock {
public:
    explicit ScopedClock(Clock* clock) : previous_(set_runtime_clock(clock)) {}
    ~ScopedClock() { set_runtime_clock(previous_); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    Clock* previous_;
};

}  // namespace locktest
