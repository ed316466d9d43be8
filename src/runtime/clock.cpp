#include "runtime/clock.h"

#include <chrono>

#include "platform/filesystem.h"

namespace {

class SystemClock final : public Clock {
public:
    std::int64_t now_milliseconds() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void sleep_milliseconds(int milliseconds) override {
        platform::sleep_milliseconds(milliseconds);
    }
};

SystemClock g_system_clock;
Clock* g_clock = &g_system_clock;

}  // namespace

Clock& runtime_clock() {
    return *g_clock;
}

Clock* set_runtime_clock(Clock* clock) {
    Clock* previous = g_clock == &g_system_clock ? nullptr : g_clock;
    g_clock = clock ? clock : &g_system_clock;
    return previous;
}
