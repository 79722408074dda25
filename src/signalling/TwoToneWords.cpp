#include "signalling/TwoToneWords.h"

#include <algorithm>
#include <limits>

#include "core/NumericText.h"
#include "core/TextNumbers.h"

namespace {

constexpr int kDecimals = 9;
constexpr int64_t kNanoPerHz = 1'000'000'000;
constexpr int64_t kNanoPerTenth = kNanoPerHz / 10;
constexpr int64_t kHalfTenth = kNanoPerTenth / 2;
constexpr int64_t kDividend = 9'600'000;  // Hz

int ToInt(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

std::optional<ToneHz> ToneHz::Read(std::string_view text) {
    const auto n = ReadScaled(text, kDecimals);
    if (!n) return std::nullopt;
    ToneHz t;
    t.nano_ = n->whole;
    t.beyond_ = n->rest != ScaledNumber::Rest::None;
    return t;
}

ToneHz ToneHz::Whole(int hz) {
    ToneHz t;
    t.nano_ = int64_t{hz} * kNanoPerHz;
    return t;
}

ToneHz ToneHz::Clamped(int lowHz, int highHz) const {
    const ToneHz high = Whole(highHz);
    const ToneHz low = Whole(lowHz);
    if (nano_ > high.nano_ || (nano_ == high.nano_ && beyond_)) return high;
    if (nano_ < low.nano_) return low;
    return *this;
}

int ToneHz::Word() const {
    const int64_t q = nano_ / kNanoPerTenth;
    const int64_t r = nano_ % kNanoPerTenth;
    const bool up = r > kHalfTenth || (r == kHalfTenth && (beyond_ || q % 2 != 0));
    return ToInt(q + (up ? 1 : 0));
}

int ToneHz::Divider(int64_t times) const {
    constexpr int64_t dividend = kDividend * kNanoPerHz;
    // A tone above 9.6 MHz divides to 0; below it, times x nano stays well
    // inside 64 bits.
    if (nano_ <= 0 || nano_ > dividend) return 0;
    return ToInt(dividend / (times * nano_));
}

int ToneHz::EntryDivider() const { return Divider(16); }
int ToneHz::HeaderDivider() const { return Divider(2); }

std::string ToneHz::CellText() const {
    const int64_t q = nano_ / kNanoPerTenth;
    const int64_t r = nano_ % kNanoPerTenth;
    return TenthsText(q + (r >= kHalfTenth ? 1 : 0));
}

std::string ToneHz::DecimalText() const {
    std::string text = std::to_string(nano_ / kNanoPerHz);
    std::string fraction = std::to_string(nano_ % kNanoPerHz);
    fraction.insert(0, static_cast<std::size_t>(kDecimals) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

std::string ToneWordText(int word) { return TenthsText(word); }
