#include <gtest/gtest.h>

#include "BandFixture.h"
#include "ScriptedPrompts.h"
#include "core/FreCodec.h"

using platform::Answer;
using platform::Buttons;

class FreCodecTest : public BandPlanTest {};

TEST_F(FreCodecTest, FrequencyTextToCode) {
    struct Case { const char* text; const char* code; };
    const Case cases[] = {
        {"145.125", "014512500"},   {"430.0000", "043000000"}, {"000.0000", "000000000"},
        {"0.6", "000060000"},       {"145", "014500000"},      {"5", "000500000"},
        {" 145.125 ", "014512500"}, {"145.123455", "014512346"},  // half to even
        {"9999.99999", "999999999"},
        {"", ""},                   // no frequency
        {"abc", ""},   {"1e2", ""}, {"-145", ""},  // not numbers: nothing reaches the field
        {"10000", ""},              // would not fit nine digits
    };
    for (const auto& c : cases) EXPECT_EQ(FreToCode(c.text), c.code) << '"' << c.text << '"';
}

TEST_F(FreCodecTest, CodeToDisplayTexts) {
    ScriptedPrompts prompts;
    struct Case { const char* code; const char* fre; const char* offset; };
    const Case cases[] = {
        {"014512500", "145.12500", "145.12500"},
        {"000600000", "006.00000", "6.00000"},
        {"000060000", "000.60000", "0.60000"},
        {"000000000", "000.00000", "0.00000"},
        {"01451250", "145.12500", "145.12500"},  // eight digits
        {"FFFFFFFFF", "", "0.00000"},
        {"", "", "0.00000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeToFre(c.code), c.fre) << c.code;
        EXPECT_EQ(CodeToOffset(c.code), c.offset) << c.code;
    }
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(FreCodecTest, CodeThatIsNotANumberWarnsAndFallsBack) {
    // Lower-case f are not the "no frequency" marker; a point inside a code
    // cannot be read as MHz and fraction either.
    for (const char* bad : {"fffffffff", "0145.1250", "01451250x", "-14512500"}) {
        ScriptedPrompts prompts;
        prompts.expect("Not IsNumeric", Buttons::Ok, Answer::Ok);
        prompts.expect("Not IsNumeric", Buttons::Ok, Answer::Ok);
        EXPECT_EQ(CodeToFre(bad), "108") << bad;
        EXPECT_EQ(CodeToOffset(bad), "0.00000") << bad;
        EXPECT_TRUE(prompts.allAnswered());
    }
    UsePlan(1);
    ScriptedPrompts prompts;
    prompts.expect("Not IsNumeric", Buttons::Ok, Answer::Ok);
    EXPECT_EQ(CodeToFre("fffffffff"), "144");
}

TEST_F(FreCodecTest, EveryNineDigitCodeSurvivesTheRoundTrip) {
    for (int64_t u = 0; u <= 999'999'999; u += 7'654'321) {
        std::string code = std::to_string(u);
        code.insert(0, 9 - code.size(), '0');
        ASSERT_EQ(FreToCode(CodeToFre(code)), code);
    }
    EXPECT_EQ(FreToCode(CodeToFre("999999999")), "999999999");
    EXPECT_EQ(FreToCode(CodeToFre("000000001")), "000000001");
}

TEST_F(FreCodecTest, NotNumericShowsOncePerRedraw) {
    ScriptedPrompts prompts;
    prompts.expect("Not IsNumeric", Buttons::Ok, Answer::Ok);
    {
        NotNumericOncePerRedraw redraw;
        for (int row = 0; row < 5; ++row) {
            CodeToFre("bad");
            CodeToOffset("bad");
            NotNumericOncePerRedraw nested;  // a row redraw inside the full one
            CodeToFre("bad");
        }
    }
    EXPECT_EQ(prompts.asked().size(), 1u);

    // The next redraw may show it again; outside a redraw every bad code does.
    prompts.expect("Not IsNumeric", Buttons::Ok, Answer::Ok);
    {
        NotNumericOncePerRedraw redraw;
        CodeToFre("bad");
        CodeToFre("bad");
    }
    prompts.expect("Not IsNumeric", Buttons::Ok, Answer::Ok);
    prompts.expect("Not IsNumeric", Buttons::Ok, Answer::Ok);
    CodeToFre("bad");
    CodeToOffset("bad");
    EXPECT_TRUE(prompts.allAnswered());
}

TEST(FreFormat, DisplayForms) {
    EXPECT_EQ(FormatFre(Fre{14512500}), "145.12500");
    EXPECT_EQ(FormatFre(Fre{60000}), "000.60000");
    EXPECT_EQ(FormatFre(Fre{123456789}), "1234.56789");
    EXPECT_EQ(FormatOffset(Fre{60000}), "0.60000");
    EXPECT_EQ(PlainFreText(Fre{10800000}), "108");
    EXPECT_EQ(PlainFreText(Fre{39999500}), "399.995");
    EXPECT_EQ(PlainFreText(Fre{0}), "0");
    EXPECT_EQ(FreFromMHz(399.995), Fre{39999500});
}
