#include "core/ChannelTexts.h"

#include <algorithm>
#include <cstdlib>

#include "core/FreCodec.h"
#include "core/NumericText.h"
#include "core/ToneCodec.h"

namespace {

const std::string& ItemAt(const std::vector<std::string>& items, int index) {
    static const std::string empty;
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return empty;
    return items[static_cast<std::size_t>(index)];
}

}  // namespace

const std::vector<std::string>& StepTexts() {
    static const std::vector<std::string> steps = {"2.5K", "5K",  "6.25K", "10K", "12.5K",
                                                   "15K",  "20K", "25K",   "30K", "50K"};
    return steps;
}

std::string FormatHashFiveDecimals(int64_t units) {
    const bool negative = units < 0;
    const int64_t u = std::llabs(units);
    const int64_t whole = u / Fre::PerMHz;
    std::string frac = std::to_string(u % Fre::PerMHz);
    frac.insert(0, 5 - frac.size(), '0');
    return (negative ? "-" : "") + (whole == 0 ? std::string() : std::to_string(whole)) + "." + frac;
}

RxText ClassifyRxText(std::string_view text) {
    if (std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return RxText::NoDigits;
    return IsNumericText(text) ? RxText::Number : RxText::NotANumber;
}

std::string ChannelToneText(int16_t type, int16_t ctcss, int16_t dcsCode, int16_t dcsInvert,
                            const std::vector<std::string>& ctcssItems, const std::vector<std::string>& dcsItems,
                            std::string_view none) {
    switch (type) {
        case 1: {
            if (ctcss < 0 || ctcss > CTCSSUserIndex) ctcss = 0;
            return ItemAt(ctcssItems, ctcss);
        }
        case 2: {
            if (dcsCode < 0 || dcsCode >= DCSCodeCount) dcsCode = 0;
            std::string text = "D" + ItemAt(dcsItems, dcsCode);
            if (dcsInvert > 0 && text.size() > 1) text.back() = 'I';
            return text;
        }
        default: return std::string(none);
    }
}

std::string ChannelSignallingText(const UFreData& ch, std::string_view none) {
    switch (ch.OptSig) {
        case 1: return "DTMF M" + std::to_string(ch.DTMFCodeNo + 1);
        case 2: return "2tone " + std::to_string(ch.Tone2No);
        case 3: return "5tone " + std::to_string(ch.Tone5No);
        default: return std::string(none);
    }
}
