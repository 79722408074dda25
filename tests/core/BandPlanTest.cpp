#include <gtest/gtest.h>

#include "BandFixture.h"
#include "ScriptedPrompts.h"
#include "core/LangText.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

// One frequency check: what comes back and whether the warning showed.
struct Check { const char* name; const char* in; const char* out; bool warned; };

void ExpectChecks(const Check* begin, const Check* end,
                  const std::function<std::string(const char*)>& check) {
    for (const Check* c = begin; c != end; ++c) {
        ScriptedPrompts prompts;
        if (c->warned)
            prompts.expect(GetLangText(2001), Buttons::Ok, Answer::Ok, Icon::Exclamation, true);
        EXPECT_EQ(check(c->in), c->out) << c->name;
        EXPECT_TRUE(prompts.allAnswered()) << c->name;
    }
}

}  // namespace

TEST_F(BandPlanTest, PlansSetTheBandTable) {
    EXPECT_EQ(FreLimitText[0], "Rx(108 - 180 MHz) Tx(136 - 174 MHz)");
    EXPECT_EQ(RxBandRange(0).low, Fre::MHz(108));
    EXPECT_EQ(RxBandRange(2).high, MHz("399.995"));
    EXPECT_EQ(TxBandRange(3).high, Fre::MHz(480));
    EXPECT_DOUBLE_EQ(RxFreHigh[3], 523.0);

    UsePlan(1);
    EXPECT_EQ(RxBandRange(0).low, Fre::MHz(144));
    EXPECT_EQ(TxBandRange(3).high, Fre::MHz(432));

    // An unknown plan from a data file uses the table of plan 0.
    UsePlan(2);
    EXPECT_EQ(FreLimitText[0], "Rx(108 - 180 MHz) Tx(136 - 174 MHz)");
    EXPECT_EQ(FreLimitText[3], "Rx(400 - 523 MHz) Tx(400 - 480 MHz)");
}

TEST_F(BandPlanTest, BandTextParsing) {
    GetFreLimitByText("Rx(1.5 - 2.25 MHz) Tx(3 - 4.00001 MHz)", 1);
    EXPECT_EQ(RxBandRange(1).low, MHz("1.5"));
    EXPECT_EQ(RxBandRange(1).high, MHz("2.25"));
    EXPECT_EQ(TxBandRange(1).low, Fre::MHz(3));
    EXPECT_EQ(TxBandRange(1).high, MHz("4.00001"));
    GetFreLimitByText("Rx(1 - 2 MHz)", 7);  // no such band: nothing happens
}

TEST_F(BandPlanTest, BandTextOfThePlanDialog) {
    EXPECT_EQ(GetBandText(1),
              "Rx(144 - 146 MHz) Tx(144 - 146 MHz)\r\nRx(220 - 260 MHz)\r\n"
              "Rx(350 - 399.995 MHz)\r\nRx(430 - 432 MHz) Tx(430 - 432 MHz)");
    const std::string plan0 =
        "Rx(108 - 180 MHz) Tx(136 - 174 MHz)\r\nRx(220 - 260 MHz)\r\n"
        "Rx(350 - 399.995 MHz)\r\nRx(400 - 523 MHz) Tx(400 - 480 MHz)";
    EXPECT_EQ(GetBandText(0), plan0);
    EXPECT_EQ(GetBandText(5), plan0);
}

TEST_F(BandPlanTest, ThePlanDialogComparesTheChoiceWithTheStoredPlan) {
    struct Case { const char* name; int chosen; int16_t stored; bool other; };
    const Case cases[] = {
        {"the same first plan", 0, 0, false},
        {"the same second plan", 1, 1, false},
        {"the other plan", 1, 0, true},
        {"a stored plan outside the list, shown as the first", 0, 7, true},
        {"a stored plan outside the list, second chosen", 1, 7, true},
        {"a negative stored plan", 0, -1, true},
        {"nothing chosen", -1, 0, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsOtherBandPlan(c.chosen, c.stored), c.other) << c.name;
}

TEST_F(BandPlanTest, ReceiveTextInTheNormalList) {
    const Check cases[] = {
        {"low edge kept", "108", "108.00000", false},
        {"high edge kept", "180", "180.00000", false},
        {"odd edge kept", "399.995", "399.99500", false},
        {"cut to 2.5 kHz", "145.1234", "145.12250", false},
        {"6.25 kHz kept", "145.00625", "145.00625", false},
        {"6.25 kHz missed", "145.0063", "145.00500", false},
        {"other band raster", "221.0013", "221.00000", false},
        {"typed with blanks", " 145.125 ", "145.12500", false},
        {"just above a band", "181", "180.00000", true},
        {"tie: earlier edge", "200", "180.00000", true},
        {"tie at the odd edge", "399.9975", "399.99500", true},
        {"above every band", "600", "523.00000", true},
        {"below every band", "0", "108.00000", true},
        {"empty: default", "", "108.00000", true},
        {"not a number", "abc", "108.00000", true},
        {"sign", "-145", "108.00000", true},
        {"exponent", "1.45e2", "108.00000", true},
    };
    ExpectChecks(std::begin(cases), std::end(cases),
                 [](const char* t) { return CheckRxFreText(t, 0, 1, 0, 1); });
}

TEST_F(BandPlanTest, TransmitTextInTheNormalList) {
    const Check cases[] = {
        {"inside", "145", "145.00000", false},
        {"receive only", "120", "136.00000", true},
        {"above band 0", "190", "174.00000", true},
        {"tie between 174 and 220", "197", "174.00000", true},
        {"above band 3", "490", "480.00000", true},
        {"empty: default", "", "136.00000", true},
    };
    ExpectChecks(std::begin(cases), std::end(cases),
                 [](const char* t) { return CheckTxFreText(t, 0, 1, 1, 3); });
}

TEST_F(BandPlanTest, NoWarningUnlessAsked) {
    ScriptedPrompts prompts;
    EXPECT_EQ(CheckRxFreText("181", 0, 0, 0, 1), "180.00000");
    EXPECT_EQ(CheckTxFreText("", 0, 0, 0, 1), "136.00000");
    EXPECT_EQ(GetNearRxEdge(Fre::MHz(200), 0), Fre::MHz(180));
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(BandPlanTest, DefaultsFollowThePlan) {
    UsePlan(1);
    EXPECT_EQ(CheckRxFreText("", 0, 0, 0, 1), "144.00000");
    UsePlan(2);
    EXPECT_EQ(CheckRxFreText("", 0, 0, 0, 1), "108.00000");
}

TEST_F(BandPlanTest, CheckFreTextUsesTheNormalTable) {
    // Row 5 of a hyper bank would hold 178 for neither side; the normal table
    // decides here, whatever view is shown.
    EXPECT_EQ(CheckFreText("178", 0, 0, 0), "174.00000");
    EXPECT_EQ(CheckFreText("178", 0, 1, 0), "178.00000");
    EXPECT_EQ(CheckFreText("", 0, 0, 0), "136.00000");
}

TEST_F(BandPlanTest, HyperListsUseTheRowRange) {
    struct Case { const char* name; bool rx; int16_t list; int16_t row; const char* in; const char* out; };
    const Case cases[] = {
        {"range 1, outside: nearer high", true, 2, 1, "300", "180.00000"},
        {"row 7 shares range 1", true, 3, 7, "100", "108.00000"},
        {"row 5 is a transmit range", true, 2, 5, "120", "136.00000"},
        {"inside, raster applies", true, 2, 5, "150.0013", "150.00000"},
        {"transmit row 11", false, 3, 11, "130", "136.00000"},
        {"transmit row 6 above", false, 2, 6, "500", "480.00000"},
        {"default: low edge of row 7", true, 3, 7, "", "108.00000"},
        {"default: transmit row 12", false, 2, 12, "x", "400.00000"},
        {"unknown list", true, 4, 1, "145", "000.00000"},
        {"unknown list default", false, 4, 1, "", "000.00000"},
    };
    for (const auto& c : cases) {
        const std::string out = c.rx ? CheckRxFreText(c.in, 0, 0, c.list, c.row)
                                     : CheckTxFreText(c.in, 0, 0, c.list, c.row);
        EXPECT_EQ(out, c.out) << c.name;
    }
}

TEST_F(BandPlanTest, TransmitByOffset) {
    struct Case { const char* name; const char* offset; const char* rx; int16_t dir;
                  const char* out; int16_t newDir; };
    const Case cases[] = {
        {"kept", "0.6", "145", 1, "000.60000", 1},
        {"plus kept", "5", "145", 2, "005.00000", 2},
        {"outside: nearest transmit edge", "0", "175", 0, "001.00000", 1},
        {"minus leaves the band", "0.6", "175", 1, "001.00000", 1},
        {"other band: receive band's low edge", "60", "170", 2, "034.00000", 1},
        {"equal keeps the given offset", "5", "450", 0, "005.00000", 0},
        {"offset not a number", "abc", "145", 2, "000.00000", 2},
        {"receive not a number", "0.6", "", 1, "000.00000", 1},
        {"damaged direction acts as 0", "0.6", "145", 7, "000.60000", 0},
        {"receive outside every band uses band 0", "0", "300", 0, "164.00000", 1},
    };
    for (const auto& c : cases) {
        int16_t dir = c.dir;
        EXPECT_EQ(GetTxByOffset(c.offset, c.rx, dir, 0, 0, 0, 1), c.out) << c.name;
        EXPECT_EQ(dir, c.newDir) << c.name;
    }

    ScriptedPrompts prompts;
    prompts.expect(GetLangText(2001), Buttons::Ok, Answer::Ok, Icon::Exclamation, true);
    int16_t dir = 0;
    EXPECT_EQ(GetTxByOffset("0", "175", dir, 0, 1, 0, 1), "001.00000");
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(BandPlanTest, BandTests) {
    EXPECT_TRUE(IsFreInRange(Fre::MHz(150), Fre::MHz(174), Fre::MHz(136)));
    EXPECT_TRUE(IsFreInRange(Fre::MHz(174), Fre::MHz(174), Fre::MHz(136)));
    EXPECT_FALSE(IsFreInRange(Fre::MHz(150), Fre::MHz(136), Fre::MHz(174)));  // high comes first

    struct Band { const char* text; int16_t band; };
    const Band bands[] = {
        {"FFFFFFFFF", 4}, {"145", 0}, {"300", 4}, {"", 4},        {"abc", 4},
        {"450", 3},       {"399.995", 2}, {"180", 0}, {"145   ", 0},
    };
    for (const auto& b : bands) EXPECT_EQ(GetFreBandNo(b.text), b.band) << b.text;
    EXPECT_EQ(GetFreBandNo(std::string("145\0zz", 6)), 0);

    EXPECT_TRUE(IsVUFre(Fre::MHz(108)));
    EXPECT_TRUE(IsVUFre(Fre::MHz(523)));
    EXPECT_FALSE(IsVUFre(Fre::MHz(250)));
    UsePlan(1);
    EXPECT_TRUE(IsVUFre(Fre::MHz(145)));
    EXPECT_FALSE(IsVUFre(Fre::MHz(150)));
    EXPECT_TRUE(IsVUFre(Fre::MHz(432)));

    // The standard transmit ranges do not follow the plan.
    for (const char* f : {"136", "174", "400", "490"}) EXPECT_TRUE(IsStdTxFre(MHz(f))) << f;
    for (const char* f : {"135.99999", "174.00001", "399.99999", "490.00001"})
        EXPECT_FALSE(IsStdTxFre(MHz(f))) << f;
}
