#include "signalling/FiveToneUserTones.h"

#include <limits>

#include "core/NumericText.h"
#include "core/TextNumbers.h"

namespace {
constexpr int64_t kLowestTenths = 2885;
constexpr int64_t kHighestTenths = 31060;
}  // namespace

std::string UserToneShown(int16_t tenths) { return TenthsTextNoLeadingZero(tenths); }

std::optional<char16_t> UserToneChar(char16_t c) {
    if ((c >= u'0' && c <= u'9') || c == u'.') return c;
    return std::nullopt;
}

std::string UserToneInRange(std::string_view text) {
    const std::optional<ScaledNumber> n = ReadScaled(text, 1);
    if (!n || n->whole < kLowestTenths) return std::string(kLowestUserTone);
    if (n->whole > kHighestTenths || (n->whole == kHighestTenths && !n->Exact()))
        return std::string(kHighestUserTone);
    return std::string(text);
}

std::optional<int16_t> UserToneStored(std::string_view text) {
    const std::optional<int64_t> tenths = ReadRounded(text, 1);
    if (!tenths || *tenths > std::numeric_limits<int16_t>::max()) return std::nullopt;
    return static_cast<int16_t>(*tenths);
}
