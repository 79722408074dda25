#pragma once
// The current date and time, behind a seam tests can fix.
#include "platform/Seam.h"

namespace platform {

struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual DateTime Now() = 0;
};

// A clock that always shows the same moment.
class FixedClock : public ClockSource {
public:
    explicit FixedClock(DateTime at = {}) : at_(at) {}
    void Set(DateTime at) { at_ = at; }
    DateTime Now() override { return at_; }

private:
    DateTime at_;
};

DateTime Now();
// Installs the clock Now() reads; returns the previous one. Without one, the
// system clock.
ClockSource* SetClock(ClockSource* clock);
using ScopedClock = Scoped<&SetClock>;

}  // namespace platform
