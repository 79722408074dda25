#pragma once
// How long a test waits for something before it takes the wait for a hang.
// Only a hang gets there: a machine however loaded (sanitizers, every test
// program at once) delivers a paint, a focus change or a byte long before,
// so no test may use it to time anything that is meant to happen.
#include <chrono>

inline constexpr std::chrono::seconds kHangLimit{30};
inline constexpr int kHangLimitMs = static_cast<int>(std::chrono::milliseconds(kHangLimit).count());
