#pragma once
// The band table of the current plan and every frequency check built on it:
// a typed frequency is moved onto the step raster of the band that holds it,
// or replaced (after a warning when the caller asks for one) by the nearest
// band edge or a default. In the hyper bank views the hyper ranges are used
// instead of the table.
//
// Common arguments: `step` is the channel's step index (the raster does not
// depend on it); `showWarning` non-zero shows language text 2001 before a
// frequency is replaced; `listType` is the channel list (0 normal, 1 limit,
// 2 and 3 hyper banks); `row` the channel number in it (hyper rows 1..12).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/FreCodec.h"

// An edge pair; both edges belong to the range.
struct FreRange {
    Fre low;
    Fre high;
    bool Holds(Fre f) const { return low <= f && f <= high; }
};

// Receive and transmit ranges of band 0..3 of the current table.
FreRange RxBandRange(int band);
FreRange TxBandRange(int band);

// Splits "low - high MHz" into the text before the first blank and the text
// between the second and third blank.
struct RangeEdgeTexts {
    std::string low;
    std::string high;
};
RangeEdgeTexts SplitRangeText(std::string_view text);

// Shows language text 2001 (OK, exclamation) when `showWarning` is non-zero.
void ShowFreWarning(int16_t showWarning);

// Sets FreLimitText for the plan (1, else the table of plan 0) and parses it.
void SetBandByType(int16_t plan);

// Whether the plan chosen in the band-plan dialog (a list index, -1 for none)
// is another plan than the stored one. A stored plan that is neither of the
// two the list offers differs from both, though the list shows the first.
bool IsOtherBandPlan(int chosen, int16_t stored);

// Parses all four FreLimitText into the edge arrays.
void InitFreLimit();
// Sets the four edges of one band from "Rx(l - h MHz) Tx(l - h MHz)".
void GetFreLimitByText(std::string_view text, int16_t band);
// The four-line description of a plan for the band-plan dialog.
std::string GetBandText(int16_t plan);

std::string CheckRxFreText(std::string_view text, int16_t step, int16_t showWarning,
                           int16_t listType, int16_t row);
std::string CheckTxFreText(std::string_view text, int16_t step, int16_t showWarning,
                           int16_t listType, int16_t row);
// A receive (rxFlag non-zero) or transmit check in the normal list, row 0.
std::string CheckFreText(std::string_view text, int16_t step, int16_t rxFlag, int16_t showWarning);

Fre CheckRxFre(Fre f, int16_t step, int16_t showWarning, int16_t listType, int16_t row);
Fre CheckTxFre(Fre f, int16_t step, int16_t showWarning, int16_t listType, int16_t row);

// Cuts a frequency down to the 2.5 kHz raster counted from `base`; a value
// on the 2.5 kHz or on the 6.25 kHz raster counted from there stays.
Fre CutToRaster(Fre f, Fre base);

// Cuts a frequency down to the 2.5 kHz raster counted from the low edge of
// the band that holds it; frequencies on the 6.25 kHz raster stay.
Fre AdjustRxStep(Fre f, int16_t step);
Fre AdjustTxStep(Fre f, int16_t step);

// The nearest band edge; on a tie the earlier edge (lower band, low before
// high) wins.
Fre GetNearRxEdge(Fre f, int16_t showWarning);
Fre GetNearTxEdge(Fre f, int16_t showWarning);

// What replaces a text that is not a number.
Fre GetRxDefault(int16_t showWarning, int16_t listType, int16_t row);
Fre GetTxDefault(int16_t showWarning, int16_t listType, int16_t row);

// The offset, as "000.00000", that keeps the transmit frequency of receive
// text + direction + offset inside the transmit range of the receive band;
// `shiftDir` (0 Tx = Rx, 1 minus, 2 plus) is rewritten to match. An offset or
// receive text that is not a number gives "000.00000" and leaves the
// direction alone.
std::string GetTxByOffset(std::string_view offsetText, std::string_view rxText, int16_t& shiftDir,
                          int16_t step, int16_t showWarning, int16_t listType, int16_t row);

// Note the order: the high edge before the low one.
bool IsFreInRange(Fre f, Fre high, Fre low);
// Receive band 0..3 that holds the text's value; 4 for none, empty or not a number.
int16_t GetFreBandNo(std::string_view text);
// Receive band 0 or 3 holds it.
bool IsVUFre(Fre f);
// 136..174 or 400..490 MHz, in every plan.
bool IsStdTxFre(Fre f);
