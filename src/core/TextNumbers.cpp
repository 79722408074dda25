#include "core/TextNumbers.h"

#include <limits>

#include "core/NumericText.h"

std::optional<int64_t> WholeNumberOf(std::string_view text) {
    if (!IsNumericText(text)) return std::nullopt;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);

    constexpr uint64_t limit = uint64_t(std::numeric_limits<int64_t>::max());
    uint64_t value = 0;
    for (char c : whole) {
        value = value * 10 + uint64_t(c - '0');
        if (value > limit) return std::nullopt;
    }
    // Halves go to the even neighbour, as the number conversions of the
    // original program did.
    if (!fraction.empty() && fraction.front() >= '5') {
        const bool exactHalf = fraction.front() == '5' &&
                               fraction.substr(1).find_first_not_of('0') == std::string_view::npos;
        if (!exactHalf || value % 2 == 1) ++value;
        if (value > limit) return std::nullopt;
    }
    return int64_t(value);
}

int32_t StrToLngDef(std::string_view text, int32_t def) {
    const auto value = WholeNumberOf(text);
    if (!value || *value < std::numeric_limits<int32_t>::min() ||
        *value > std::numeric_limits<int32_t>::max())
        return def;
    return int32_t(*value);
}

std::string TenthsText(int64_t tenths) {
    const uint64_t magnitude = tenths < 0 ? 0 - uint64_t(tenths) : uint64_t(tenths);
    return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

std::string TenthsTextNoLeadingZero(int64_t tenths) {
    std::string text = TenthsText(tenths);
    const std::size_t point = text.find('.');
    if (point > 0 && text[point - 1] == '0' && (point == 1 || text[point - 2] == '-')) text.erase(point - 1, 1);
    return text;
}
