#include <gtest/gtest.h>

#include "BandFixture.h"
#include "ScriptedPrompts.h"
#include "core/LangText.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;

TEST_F(BandPlanTest, HyperRowNamesOfBothPlans) {
    const std::vector<std::string> plan0 = {"L-108",  "L-220",  "L-350",  "L-400",
                                            "R-136",  "R-400",  "HL-108", "HL-220",
                                            "HL-350", "HL-400", "HR-136", "HR-400"};
    const std::vector<std::string> plan1 = {"L-144",  "L-220",  "L-350",  "L-430",
                                            "R-144",  "R-430",  "HL-144", "HL-220",
                                            "HL-350", "HL-430", "HR-144", "HR-430"};
    for (int16_t row = 1; row <= 12; ++row) EXPECT_EQ(GetHyperName(row), plan0[row - 1]);
    UsePlan(1);
    for (int16_t row = 1; row <= 12; ++row) EXPECT_EQ(GetHyperName(row), plan1[row - 1]);
    EXPECT_EQ(GetHyperName(0), "");
    EXPECT_EQ(GetHyperName(13), "");
}

TEST_F(BandPlanTest, HyperRangesAndRows) {
    EXPECT_EQ(HyperRangeText(3), "350 - 399.995 MHz");
    EXPECT_EQ(HyperLow(3), "350");
    EXPECT_EQ(HyperHigh(3), "399.995");
    EXPECT_EQ(GetHyperFreText(7), "108 MHz");
    EXPECT_EQ(GetHyperFreText(12), "400 MHz");

    struct Row { int16_t row; int16_t range; };
    for (const Row r : {Row{1, 1}, Row{6, 6}, Row{7, 1}, Row{12, 6}, Row{0, 6}, Row{13, 1}})
        EXPECT_EQ(GetHyperBand(r.row), r.range) << r.row;

    EXPECT_TRUE(IsInHyperRange(Fre::MHz(108), 0, 1));
    EXPECT_TRUE(IsInHyperRange(Fre::MHz(180), 0, 7));
    EXPECT_FALSE(IsInHyperRange(MHz("180.00001"), 0, 1));
    EXPECT_FALSE(IsInHyperRange(Fre::MHz(180), 0, 5));

    UsePlan(1);
    EXPECT_EQ(HyperRangeOfRow(1).low, HyperRangeOfRow(5).low);
    EXPECT_EQ(HyperRangeOfRow(1).high, HyperRangeOfRow(5).high);
    EXPECT_EQ(HyperRangeOfRow(5).high, Fre::MHz(148));

    // An unknown plan keeps the ranges it had.
    UsePlan(2);
    EXPECT_EQ(HyperRangeText(1), "144 - 148 MHz");
    EXPECT_EQ(GetHyperName(4), "L-430");
}

TEST_F(BandPlanTest, HyperNearEdgeTieGivesHighEdge) {
    struct Case { const char* f; int16_t row; const char* edge; };
    const Case cases[] = {
        {"170", 5, "174"}, {"155", 5, "174"},  // 19 from each edge
        {"140", 11, "136"}, {"100", 1, "108"}, {"144", 1, "180"},  // tie in range 1
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetHyperNearFre(MHz(c.f), 0, c.row), MHz(c.edge)) << c.f << " row " << c.row;

    ScriptedPrompts prompts;
    prompts.expect(GetLangText(2001), Buttons::Ok, Answer::Ok, Icon::Exclamation, true);
    EXPECT_EQ(GetHyperNearFre(Fre::MHz(200), 1, 1), Fre::MHz(180));
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(BandPlanTest, HyperRangeIgnoresUnknownIndex) {
    GetHyperRange("1 - 2 MHz", 0);
    GetHyperRange("1 - 2 MHz", 7);
    GetHyperRange("1.5 - 2.25 MHz", 6);
    EXPECT_EQ(HyperLow(6), "1.5");
    EXPECT_EQ(HyperHigh(6), "2.25");
    EXPECT_EQ(HyperLow(1), "108");
}
