// The user-defined standard's tones: shown, kept in range when a box is
// left, and stored in tenths.
#include <gtest/gtest.h>

#include "signalling/FiveToneUserTones.h"

TEST(FiveToneUserTones, ShownWithOneDecimalAndNoLeadingZero) {
    EXPECT_EQ(UserToneShown(24000), "2400.0");
    EXPECT_EQ(UserToneShown(0), ".0");
    EXPECT_EQ(UserToneShown(2885), "288.5");
}

TEST(FiveToneUserTones, LeavingABoxKeepsItsToneInRange) {
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"", "288.5"},     {".", "288.5"},       {"1.2.3", "288.5"},   {"12", "288.5"},
        {"288.4", "288.5"}, {"288.49", "288.5"}, {"288.5", "288.5"},   {"1000", "1000"},
        {"0300", "0300"},  {"5.", "288.5"},      {"3106", "3106"},     {"3106.0", "3106.0"},
        {"3106.01", "3106.0"}, {"5000", "3106.0"}, {"99999999999999999999", "3106.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(UserToneInRange(c.in), c.out) << '"' << c.in << '"';
}

TEST(FiveToneUserTones, StoredInTenthsHalfToEven) {
    struct Case { const char* in; std::optional<int16_t> out; };
    const Case cases[] = {
        {"288.5", 2885}, {"3106", 31060}, {"1000", 10000}, {".0", 0}, {"1000.25", 10002},
        {"1000.35", 10004}, {"1000.251", 10003}, {"1.2.3", std::nullopt}, {"", std::nullopt},
        {"3276.8", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(UserToneStored(c.in), c.out) << '"' << c.in << '"';
    EXPECT_EQ(UserToneChar(u'.'), u'.');
    EXPECT_EQ(UserToneChar(u'7'), u'7');
    EXPECT_EQ(UserToneChar(u'-'), std::nullopt);
    EXPECT_EQ(UserToneChar(u','), std::nullopt);
}
