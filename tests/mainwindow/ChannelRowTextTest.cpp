#include <gtest/gtest.h>

#include "ProgramSandbox.h"
#include "ScriptedPrompts.h"
#include "core/BandPlan.h"
#include "core/FreCodec.h"
#include "core/HyperRange.h"
#include "core/HyperChannel.h"
#include "core/SharedState.h"
#include "mainwindow/ChannelRowText.h"
#include "mainwindow/ChannelViews.h"

namespace {

RowLookups Lookups() {
    RowLookups lk;
    lk.steps = StepTexts();
    lk.ctcss = CTCSSLookupTexts();
    lk.ctcss.push_back("User");
    lk.dcs = DCSLookupTexts();
    lk.none = "OFF";
    lk.powerLow = "Low";
    lk.powerMid = "Middle";
    lk.powerHigh = "High";
    return lk;
}

UFreData Channel(std::string_view rx = "014512500", std::string_view offset = "000060000") {
    UFreData ch;
    ch.CHNo = 1;
    ch.UsedFlag = 1;
    ch.RxFre = rx;
    ch.OffsetFre = offset;
    ch.CHName = FixStr<7>::NulText();
    return ch;
}

std::string Cell(const UFreData& ch, Col c) {
    return ChannelRowText(ch, Lookups())[static_cast<std::size_t>(c)];
}

class RowTextTest : public testing::Test {
protected:
    void SetUp() override { SetBandByType(0); }

    ProgramSandbox sandbox;
};

}  // namespace

TEST_F(RowTextTest, TransmitFollowsShiftOnlyInReceiveBandsZeroAndThree) {
    struct Case { const char* name; const char* rx; int16_t shift; const char* tx; };
    const Case cases[] = {
        {"minus", "014512500", 1, "144.52500"},
        {"plus", "014512500", 2, "145.72500"},
        {"no shift", "014512500", 0, "145.12500"},
        {"unknown shift", "014512500", 3, "145.12500"},
        {"band 3", "043000000", 2, "430.60000"},
        {"band 1 never shows transmit", "022500000", 2, ""},
        {"no receive frequency", "FFFFFFFFF", 2, ""},
    };
    for (const auto& c : cases) {
        UFreData ch = Channel(c.rx);
        ch.ShiftDir = c.shift;
        EXPECT_EQ(Cell(ch, Col::TxFre), c.tx) << c.name;
    }
    UFreData ch = Channel("014512500");
    EXPECT_EQ(Cell(ch, Col::RxFre), "145.12500");
}

TEST_F(RowTextTest, HashPatternDropsTheLeadingZeroAndKeepsTheSign) {
    EXPECT_EQ(FormatHashFiveDecimals(50000), ".50000");
    EXPECT_EQ(FormatHashFiveDecimals(-50000), "-.50000");
    EXPECT_EQ(FormatHashFiveDecimals(14452500), "144.52500");
    EXPECT_EQ(FormatHashFiveDecimals(0), ".00000");
}

TEST_F(RowTextTest, ListCellsCorrectOutOfRangeValues) {
    struct Case { const char* name; void (*set)(UFreData&); Col col; const char* text; };
    const Case cases[] = {
        {"step 2", [](UFreData& c) { c.StepIndex = 2; }, Col::Step, "6.25K"},
        {"step beyond the list", [](UFreData& c) { c.StepIndex = 10; }, Col::Step, ""},
        {"bandwidth 0", [](UFreData& c) { c.Bandwidth = 0; }, Col::Bandwidth, "25K"},
        {"bandwidth 2", [](UFreData& c) { c.Bandwidth = 2; }, Col::Bandwidth, "12.5K"},
        {"bandwidth 3 reads as 1", [](UFreData& c) { c.Bandwidth = 3; }, Col::Bandwidth, "20K"},
        {"power 1", [](UFreData& c) { c.TxPower = 1; }, Col::Power, "Middle1"},
        {"power 2", [](UFreData& c) { c.TxPower = 2; }, Col::Power, "Middle2"},
        {"power 3", [](UFreData& c) { c.TxPower = 3; }, Col::Power, "High"},
        {"power 4 reads as 0", [](UFreData& c) { c.TxPower = 4; }, Col::Power, "Low"},
        {"power -1 reads as 0", [](UFreData& c) { c.TxPower = -1; }, Col::Power, "Low"},
        {"decode CTCSS 20", [](UFreData& c) { c.De_CTC_Type = 1; c.De_CTCSS = 20; }, Col::DecodeTone, "127.3"},
        {"decode user tone", [](UFreData& c) { c.De_CTC_Type = 1; c.De_CTCSS = 51; c.UserCTCSS = 1000; }, Col::DecodeTone, "User"},
        {"CTCSS 52 reads as 0", [](UFreData& c) { c.De_CTC_Type = 1; c.De_CTCSS = 52; }, Col::DecodeTone, "62.5"},
        {"DCS inverted", [](UFreData& c) { c.De_CTC_Type = 2; c.De_DCSCode = 19; c.De_DCSInvert = 1; }, Col::DecodeTone, "D023I"},
        {"DCS normal", [](UFreData& c) { c.En_CTC_Type = 2; c.En_DCSCode = 19; }, Col::EncodeTone, "D023N"},
        {"DCS 600 reads as 0", [](UFreData& c) { c.En_CTC_Type = 2; c.En_DCSCode = 600; }, Col::EncodeTone, "D000N"},
        {"encode CTCSS uses encode fields", [](UFreData& c) { c.En_CTC_Type = 1; c.En_CTCSS = 50; c.De_CTCSS = 3; }, Col::EncodeTone, "254.1"},
        {"tone type 3 is none", [](UFreData& c) { c.En_CTC_Type = 3; }, Col::EncodeTone, "OFF"},
        {"DTMF memory 0", [](UFreData& c) { c.OptSig = 1; c.DTMFCodeNo = 0; }, Col::OptSig, "DTMF M1"},
        {"DTMF memory 15", [](UFreData& c) { c.OptSig = 1; c.DTMFCodeNo = 15; }, Col::OptSig, "DTMF M16"},
        {"two-tone not shifted", [](UFreData& c) { c.OptSig = 2; c.Tone2No = 0; }, Col::OptSig, "2tone 0"},
        {"five-tone not shifted", [](UFreData& c) { c.OptSig = 3; c.Tone5No = 99; }, Col::OptSig, "5tone 99"},
        {"signalling 7 is none", [](UFreData& c) { c.OptSig = 7; }, Col::OptSig, "OFF"},
    };
    for (const auto& c : cases) {
        UFreData ch = Channel();
        c.set(ch);
        const UFreData before = ch;
        EXPECT_EQ(Cell(ch, c.col), c.text) << c.name;
        EXPECT_EQ(ch, before) << c.name;
    }
}

TEST_F(RowTextTest, NameIsTrimmedAndShownCharacterForCharacter) {
    UFreData ch = Channel();
    ch.CHName = std::string_view("AB\xE9  ");
    EXPECT_EQ(Cell(ch, Col::Name), "AB\xC3\xA9");
    ch.CHName = FixStr<7>::NulText();
    EXPECT_EQ(Cell(ch, Col::Name), "");
}

TEST_F(RowTextTest, DamagedCodeShowsEmptyCellAndOneMessagePerRedraw) {
    ScriptedPrompts prompts;
    prompts.expect("Not IsNumeric", platform::Buttons::Ok, platform::Answer::Ok);
    {
        NotNumericOncePerRedraw once;
        for (int i = 0; i < 3; ++i) {
            const auto t = ChannelRowText(Channel("01451x500"), Lookups());
            EXPECT_EQ(t[static_cast<std::size_t>(Col::RxFre)], "");
            EXPECT_EQ(t[static_cast<std::size_t>(Col::TxFre)], "");
        }
    }
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(RowTextTest, LimitAndHyperLabelsFollowTheBandPlan) {
    EXPECT_EQ(RowLabel(1, 1), "L1");
    EXPECT_EQ(RowLabel(1, 2), "U1");
    EXPECT_EQ(RowLabel(1, 3), "L2");
    EXPECT_EQ(RowLabel(1, 10), "U5");
    EXPECT_EQ(RowLabel(0, 758), "758");
    struct Case { int16_t plan; const char* labels[12]; };
    const Case cases[] = {
        {0, {"L-108", "L-220", "L-350", "L-400", "R-136", "R-400", "HL-108", "HL-220", "HL-350", "HL-400", "HR-136", "HR-400"}},
        {1, {"L-144", "L-220", "L-350", "L-430", "R-144", "R-430", "HL-144", "HL-220", "HL-350", "HL-430", "HR-144", "HR-430"}},
    };
    for (const auto& c : cases) {
        PCBand = c.plan;
        InitHyperRange();
        for (int row = 1; row <= 12; ++row) {
            EXPECT_EQ(RowLabel(2, row), c.labels[row - 1]) << "plan " << c.plan << " row " << row;
            EXPECT_EQ(RowLabel(3, row), c.labels[row - 1]);
        }
    }
}

