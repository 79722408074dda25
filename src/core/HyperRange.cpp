#include "core/HyperRange.h"

#include <array>

#include "core/SharedState.h"

namespace {

constexpr int RangeCount = 6;
constexpr int RowCount = 12;

constexpr std::array<std::string_view, RangeCount> Plan0Ranges = {
    "108 - 180 MHz", "220 - 260 MHz", "350 - 399.995 MHz",
    "400 - 523 MHz", "136 - 174 MHz", "400 - 480 MHz",
};
constexpr std::array<std::string_view, RangeCount> Plan1Ranges = {
    "144 - 148 MHz", "220 - 260 MHz", "350 - 399.995 MHz",
    "430 - 440 MHz", "144 - 148 MHz", "430 - 440 MHz",
};

Fre EdgeOf(const std::string& text) { return ReadFre(text).value_or(Fre{}); }

}  // namespace

void InitHyperRange() {
    const std::array<std::string_view, RangeCount>* ranges =
        PCBand == 0 ? &Plan0Ranges : PCBand == 1 ? &Plan1Ranges : nullptr;
    for (int16_t i = 1; i <= RangeCount; ++i) {
        if (ranges) HyperRangeText(i) = std::string((*ranges)[i - 1]);
        GetHyperRange(HyperRangeText(i), i);
    }
}

void GetHyperRange(std::string_view text, int16_t range) {
    if (!HyperLow.Holds(range)) return;
    const RangeEdgeTexts e = SplitRangeText(text);
    HyperLow(range) = PlainFreText(EdgeOf(e.low));
    HyperHigh(range) = PlainFreText(EdgeOf(e.high));
}

int16_t GetHyperBand(int16_t row) {
    // Kept inside 1..6 for every row, so no caller can index outside the ranges.
    return static_cast<int16_t>(((row - 1) % RangeCount + RangeCount) % RangeCount + 1);
}

std::string GetHyperName(int16_t row) {
    if (row < 1 || row > RowCount) return {};
    const bool second = row > RangeCount;
    const bool transmit = GetHyperBand(row) > 4;
    std::string prefix = second ? "H" : "";
    prefix += transmit ? "R-" : "L-";
    return prefix + HyperLow(GetHyperBand(row));
}

std::string GetHyperFreText(int16_t row) { return HyperLow(GetHyperBand(row)) + " MHz"; }

FreRange HyperRangeOfRow(int16_t row) {
    const int16_t b = GetHyperBand(row);
    return {EdgeOf(HyperLow(b)), EdgeOf(HyperHigh(b))};
}

bool IsInHyperRange(Fre f, int16_t, int16_t row) { return HyperRangeOfRow(row).Holds(f); }

Fre GetHyperNearFre(Fre f, int16_t showWarning, int16_t row) {
    ShowFreWarning(showWarning);
    const FreRange r = HyperRangeOfRow(row);
    return Abs(f - r.high) > Abs(f - r.low) ? r.low : r.high;
}
