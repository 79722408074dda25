#pragma once
// The current date and time, behind a seam tests can fix.
#include <functional>

namespace platform {

struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

DateTime Now();
// Replaces the clock; an empty function restores the system clock.
void SetClock(std::function<DateTime()> clock);

}  // namespace platform
