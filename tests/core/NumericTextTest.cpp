#include <gtest/gtest.h>

#include "core/NumericText.h"
#include "core/StartupState.h"
#include "core/TextNumbers.h"

TEST(NumericText, OnlyPlainDecimalNumbersAreNumeric) {
    struct Case { const char* text; bool numeric; };
    const Case cases[] = {
        {"145.125", true},  {" 145.125  ", true}, {"145.", true},   {".5", true},
        {"007", true},      {"", false},          {"   ", false},   {".", false},
        {"-5", false},      {"+5", false},        {"1e3", false},   {"1E3", false},
        {"&H10", false},    {"0x10", false},      {"1,000", false}, {"1.2.3", false},
        {"1 2", false},     {"145,125", false},   {"\t145", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsNumericText(c.text), c.numeric) << '"' << c.text << '"';
    EXPECT_FALSE(IsNumericText(std::string_view("145\0", 4)));
}

// Every place that asks whether a text is a number gives the same answer:
// version texts, whole numbers of lists and tags, the long reader.
TEST(NumericText, OneRuleWhereverTheProgramAsks) {
    struct Case { const char* what; const char* text; bool numeric; };
    const Case cases[] = {
        {"digits", "200", true},
        {"a blank before", " 20", true},
        {"decimal point", "2.5", true},
        {"point first", ".50", true},
        {"minus sign", "-20", false},
        {"plus sign", "+20", false},
        {"exponent", "2e1", false},
        {"hexadecimal", "0x1", false},
        {"group separator", "1,0", false},
        {"tab before", "\t20", false},
        {"blank inside", "2 0", false},
        {"only a point", "  .", false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsNumericText(c.text), c.numeric) << c.what;
        EXPECT_EQ(WholeNumberOf(c.text).has_value(), c.numeric) << c.what;
        EXPECT_EQ(StrToLngDef(c.text, -99) != -99, c.numeric) << c.what;
        if (std::string_view(c.text).size() == 3)
            EXPECT_EQ(IsVersionText(std::string("V") + c.text), c.numeric) << c.what;
    }
}

TEST(NumericText, ReadsExactlyAndRoundsHalfToEven) {
    struct Case { const char* text; int decimals; int64_t rounded; };
    const Case cases[] = {
        {"145.125", 5, 14512500},      {"145.123455", 5, 14512346},  // half, odd: up
        {"145.123445", 5, 14512344},   // half, even: stays
        {"145.1234450001", 5, 14512345}, {"145.123444999", 5, 14512344},
        {"0.000005", 5, 0},            {"0.0000051", 5, 1},
        {" 62.5 ", 1, 625},            {"100.05", 1, 1000},          {"100.15", 1, 1002},
        {"0000000000145", 0, 145},     // leading zeros are not a huge number
        {"99999999999999999999", 5, 100000000000000},               // saturates
    };
    for (const auto& c : cases) EXPECT_EQ(ReadRounded(c.text, c.decimals), c.rounded) << c.text;
    EXPECT_EQ(ReadRounded("abc", 5), std::nullopt);

    const auto top = ReadScaled("254.10", 1);
    ASSERT_TRUE(top);
    EXPECT_TRUE(top->Exact());
    EXPECT_FALSE(ReadScaled("254.100001", 1)->Exact());
}
