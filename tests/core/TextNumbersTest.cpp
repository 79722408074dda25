#include <gtest/gtest.h>

#include "core/TextNumbers.h"

TEST(StrToLngDef, NumbersAndEverythingElse) {
    struct Case { const char* what; const char* text; int32_t result; };
    const Case cases[] = {
        {"plain", "12", 12},
        {"blanks around", "  12 ", 12},
        {"a sign is no number", "-7", -1},
        {"letter after the digits", "12a", -1},
        {"empty", "", -1},
        {"only a sign", "-", -1},
        {"only a point", ".", -1},
        {"fraction rounds", "12.6", 13},
        {"half to even (down)", "12.5", 12},
        {"half to even (up)", "13.5", 14},
        {"largest 32-bit", "2147483647", 2147483647},
        {"smallest 32-bit, signed", "-2147483648", -1},
        {"beyond 32 bits", "2147483648", -1},
        {"far beyond 64 bits", "99999999999999999999999", -1},
        {"inner blank", "1 2", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(StrToLngDef(c.text, -1), c.result) << c.what;
}

TEST(TenthsText, OneDecimal) {
    const std::pair<int64_t, const char*> cases[] = {{0, "0.0"}, {5, "0.5"}, {10, "1.0"}, {120, "12.0"}, {2541, "254.1"}, {-15, "-1.5"}};
    for (const auto& [tenths, text] : cases) EXPECT_EQ(TenthsText(tenths), text) << tenths;
}

TEST(TenthsText, NoLeadingZero) {
    const std::pair<int64_t, const char*> cases[] = {{0, ".0"},          {5, ".5"},          {-5, "-.5"},
                                                     {10, "1.0"},        {100, "10.0"},      {8850, "885.0"},
                                                     {24000, "2400.0"},  {-105, "-10.5"},    {-32768, "-3276.8"}};
    for (const auto& [tenths, text] : cases) EXPECT_EQ(TenthsTextNoLeadingZero(tenths), text) << tenths;
}
