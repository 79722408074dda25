#include "platform/Clock.h"

#include <ctime>
#include <utility>

namespace platform {
namespace {
std::function<DateTime()> g_clock;
}

DateTime Now() {
    if (g_clock) return g_clock();
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

void SetClock(std::function<DateTime()> clock) { g_clock = std::move(clock); }

}  // namespace platform
