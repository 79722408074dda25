#pragma once
// The frequency ranges of the hyper bank rows. Each bank has 12 rows; rows
// 1..4 and 7..10 belong to the four receive ranges, rows 5, 6, 11 and 12 to
// the two transmit ranges, so row r uses range ((r - 1) mod 6) + 1. The
// ranges follow the band plan and live in HyperRangeText, HyperLow and
// HyperHigh (SharedState.h).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/BandPlan.h"
#include "core/FreCodec.h"

// Sets the six range texts for PCBand (plans 0 and 1; any other plan keeps
// the texts it had) and parses all six.
void InitHyperRange();
// Sets HyperLow(range) and HyperHigh(range) from "low - high MHz"; a range
// outside 1..6 is ignored.
void GetHyperRange(std::string_view text, int16_t range);
// The range 1..6 of a row; rows 7..12 use the ranges of rows 1..6.
int16_t GetHyperBand(int16_t row);
// "L-108", "R-136", "HL-108", "HR-400"; the empty text outside rows 1..12.
std::string GetHyperName(int16_t row);
// The low edge of the row's range followed by " MHz".
std::string GetHyperFreText(int16_t row);
// Both edges of the row's range belong to it; `step` is not used.
bool IsInHyperRange(Fre f, int16_t step, int16_t row);
// The nearer edge of the row's range; on a tie the high edge.
Fre GetHyperNearFre(Fre f, int16_t showWarning, int16_t row);
// The edges of the row's range as frequencies.
FreRange HyperRangeOfRow(int16_t row);
