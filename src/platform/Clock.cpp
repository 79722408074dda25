#include "platform/Clock.h"

#include <ctime>
#include <utility>

namespace platform {
namespace {
ClockSource* g_clock = nullptr;
}

DateTime Now() {
    if (g_clock) return g_clock->Now();
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

ClockSource* SetClock(ClockSource* clock) { return std::exchange(g_clock, clock); }

}  // namespace platform
