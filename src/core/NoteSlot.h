#pragma once
// The slot of the event records that RadioData::NoteIndex picks. The index
// comes from files and from the radio, so it may hold any 16-bit value; every
// use as a subscript goes through this rule.
#include <cstddef>
#include <cstdint>

#include "core/RadioRecord.h"

// NoteIndex reduced modulo 16, never negative: -1 is slot 15, 16 is slot 0.
constexpr std::size_t NoteSlot(int16_t noteIndex) {
    const int n = noteIndex % kNoteCount;
    return static_cast<std::size_t>(n < 0 ? n + kNoteCount : n);
}
