#include "core/NumericText.h"

#include <cassert>

namespace {

constexpr int64_t WholeLimit = 1'000'000'000;

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

int64_t Pow10(int n) {
    int64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

}  // namespace

bool IsNumericText(std::string_view text) {
    const std::string_view s = TrimBlanks(text);
    bool point = false;
    bool digit = false;
    for (char c : s) {
        if (IsDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

int64_t ScaledNumber::RoundedHalfEven() const {
    switch (rest) {
        case Rest::None:
        case Rest::BelowHalf: return whole;
        case Rest::AboveHalf: return whole + 1;
        case Rest::Half: return whole % 2 == 0 ? whole : whole + 1;
    }
    return whole;
}

std::optional<ScaledNumber> ReadScaled(std::string_view text, int decimals) {
    assert(decimals >= 0 && decimals <= 9);
    if (!IsNumericText(text)) return std::nullopt;
    const std::string_view s = TrimBlanks(text);
    const size_t point = s.find('.');
    const std::string_view intPart = s.substr(0, point);
    const std::string_view fracPart =
        point == std::string_view::npos ? std::string_view{} : s.substr(point + 1);

    int64_t whole = 0;
    for (char c : intPart) {
        whole = whole * 10 + (c - '0');
        if (whole >= WholeLimit) return ScaledNumber{WholeLimit * Pow10(decimals)};
    }
    ScaledNumber n;
    n.whole = whole * Pow10(decimals);
    int64_t frac = 0;
    for (size_t i = 0; i < static_cast<size_t>(decimals); ++i)
        frac = frac * 10 + (i < fracPart.size() ? fracPart[i] - '0' : 0);
    n.whole += frac;

    // The digits beyond the unit, against 5000...: the first digit decides
    // unless it is 5, then any non-zero digit after it makes it above half.
    if (fracPart.size() > static_cast<size_t>(decimals)) {
        const std::string_view cut = fracPart.substr(decimals);
        const bool restZero = cut.find_first_not_of('0', 1) == std::string_view::npos;
        if (cut[0] > '5' || (cut[0] == '5' && !restZero))
            n.rest = ScaledNumber::Rest::AboveHalf;
        else if (cut[0] == '5')
            n.rest = ScaledNumber::Rest::Half;
        else if (cut[0] != '0' || !restZero)
            n.rest = ScaledNumber::Rest::BelowHalf;
    }
    return n;
}

std::optional<int64_t> ReadRounded(std::string_view text, int decimals) {
    const auto n = ReadScaled(text, decimals);
    if (!n) return std::nullopt;
    return n->RoundedHalfEven();
}
