#pragma once
// Whole numbers read from texts that a user typed or a list shows, and tenths
// written for list items.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The value of a numeric text (IsNumericText: blanks around digits with at
// most one ".", no sign), rounded to the nearest whole number (halves to the
// even one). nullopt for anything else, the empty text included, and for
// values beyond the 64-bit range.
std::optional<int64_t> WholeNumberOf(std::string_view text);

// The text as a 32-bit number when it is numeric and fits, else `def`.
int32_t StrToLngDef(std::string_view text, int32_t def);

// A number of tenths with one decimal: 5 "0.5", 120 "12.0", -15 "-1.5".
std::string TenthsText(int64_t tenths);
// The same without a zero before the point: 5 ".5", 0 ".0", -5 "-.5",
// 24000 "2400.0".
std::string TenthsTextNoLeadingZero(int64_t tenths);
