#include "core/ChannelTexts.h"

#include <algorithm>
#include <cstdlib>

#include "core/FreCodec.h"
#include "core/NumericText.h"

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
