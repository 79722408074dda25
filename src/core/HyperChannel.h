#pragma once
// The only way to the rows of the two hyper banks. Row (1..12) comes before
// bank (0..1) in every call.
#include <cstdint>

#include "core/ChannelRecord.h"

// Stores a copy of `ch` in the row; an invalid row or bank changes nothing.
void SetHyperChannel(int16_t row, int16_t bank, const UFreData& ch);
// A copy of the row's record; for an invalid row or bank a fresh record
// (numbers 0, texts all NUL, so every text reads as empty).
UFreData GetHyperChannel(int16_t row, int16_t bank);
// True when bank is 0 or 1 and row is 1..12.
bool IsHyperChannelNo(int16_t row, int16_t bank);
// True when the row is valid and its channel is programmed.
bool IsHyperChannelUsed(int16_t row, int16_t bank);
// Image address of the row's 32-byte slot, -1 for a row outside 1..12.
// Only the row is checked: callers pass bank 0 or 1.
int32_t GetHyperChannelAddr(int16_t row, int16_t bank);
