#include "channels/BatchValueBoxes.h"

#include <cmath>
#include <cstddef>

#include "core/BandPlan.h"
#include "core/NumericText.h"
#include "core/SharedState.h"

namespace {

// kHz texts are read in the same 10 Hz units as MHz ones.
constexpr int kKHzDecimals = 2;
constexpr int kMHzDecimals = 5;
constexpr int64_t kUnitsPerKHz = 100;

// A text read in 10 Hz units, rounded half to even; 0 for a text that is no
// number. Whole parts are capped far below the 64-bit range.
int64_t UnitsOf(std::string_view text, int decimals) { return ReadRounded(text, decimals).value_or(0); }

// Whether the text is a number above `limit`.
bool IsNumberAbove(std::string_view text, int64_t limit) {
    const auto v = ReadScaled(text, 0);
    return v && (v->whole > limit || (v->whole == limit && !v->Exact()));
}

std::string FrequencyBox(std::string_view text, bool rxCheck) {
    const std::string checked = CheckFreText(text, 0, rxCheck ? 1 : 0, 0);
    // The check always gives a frequency; both kinds then take the receive raster.
    return FormatOffset(StepDataFre(ReadFre(checked).value_or(Fre{}), true));
}

}  // namespace

std::string DefaultData(std::string_view data, std::string_view def) {
    return std::string(IsNumericText(data) ? data : def);
}

Fre StepDataFre(Fre f, bool isRx) {
    const auto& lows = isRx ? RxFreLow : TxFreLow;
    for (int b = 0; b < static_cast<int>(lows.size()); ++b) {
        const FreRange range = isRx ? RxBandRange(b) : TxBandRange(b);
        if (!range.Holds(f)) continue;
        const double wholeMHz = std::nearbyint(lows[static_cast<std::size_t>(b)]);
        return CutToRaster(f, Fre::MHz(static_cast<int64_t>(wholeMHz)));
    }
    return (isRx ? RxBandRange(0) : TxBandRange(0)).low;
}

std::string StepDataFree(std::string_view mhz) {
    return FormatOffset(CutToRaster(Fre{UnitsOf(mhz, kMHzDecimals)}, Fre{}));
}

std::string StepData(std::string_view khz) {
    const int64_t c = CutToRaster(Fre{UnitsOf(khz, kKHzDecimals)}, Fre{}).units;
    std::string text = std::to_string(c / kUnitsPerKHz);
    if (const int64_t frac = c % kUnitsPerKHz; frac != 0) {
        text += '.';
        text += static_cast<char>('0' + frac / 10);
        if (frac % 10 != 0) text += static_cast<char>('0' + frac % 10);
    }
    return text;
}

std::string CheckBatchBox(BatchBox box, std::string_view text, std::string_view firstNumber) {
    switch (box) {
        case BatchBox::RxStart: return FrequencyBox(text, true);
        case BatchBox::TxStart: return FrequencyBox(text, false);
        case BatchBox::RxStep:
        case BatchBox::TxStep: return StepData(text);
        case BatchBox::Offset: return StepDataFree(text);
        case BatchBox::DecodeInterval:
        case BatchBox::EncodeInterval:
        case BatchBox::FirstNumber: return DefaultData(text, "0");
        case BatchBox::Name: return std::string(text);
        case BatchBox::NumberStep: {
            std::string step = DefaultData(text, "0");
            if (step.size() > firstNumber.size()) step.resize(firstNumber.size());
            return step;
        }
    }
    return std::string(text);
}

std::string ClampRangeText(std::string_view text) {
    if (IsNumberAbove(text, kBatchLastChannel)) return std::to_string(kBatchLastChannel);
    if (const auto v = ReadScaled(text, 0)) return std::to_string(v->whole);
    return "0";
}

std::string ClampStepText(std::string_view text) {
    if (IsNumberAbove(text, kBatchLargestStepKHz)) return std::to_string(kBatchLargestStepKHz);
    return std::string(text);
}

BatchKeys KeysOfValueBox(int box) {
    if (box >= 0 && box <= static_cast<int>(BatchBox::TxStep)) return BatchKeys::DigitsAndPoint;
    if (box == static_cast<int>(BatchBox::Name)) return BatchKeys::LettersDigits;
    if (box >= 0 && box < kBatchValueBoxes) return BatchKeys::Digits;
    return BatchKeys::Ascii;
}

bool BatchBoxTakes(BatchKeys keys, char32_t c) {
    const bool digit = c >= U'0' && c <= U'9';
    switch (keys) {
        case BatchKeys::Digits: return digit;
        case BatchKeys::DigitsAndPoint: return digit || c == U'.';
        case BatchKeys::LettersDigits: return digit || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
        case BatchKeys::Ascii: return c >= 32 && c < 127;
    }
    return false;
}
