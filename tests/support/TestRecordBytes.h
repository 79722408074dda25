#pragma once
// Test records that are easy to tell apart, and their bytes as file contents.
#include <numeric>
#include <string>

#include "core/SharedState.h"

// Bytes first, first + 1, ...
inline TestRecord CountingRecord(uint8_t first) {
    TestRecord r{};
    std::iota(r.begin(), r.end(), first);
    return r;
}

inline std::string RecordBytes(const TestRecord& r) { return std::string(r.begin(), r.end()); }
