#include <gtest/gtest.h>

#include <string>

#include "ProgramSandbox.h"
#include "core/ChannelRecord.h"
#include "core/HyperChannel.h"
#include "core/SharedState.h"
#include "core/StartupState.h"

using namespace std::string_literals;

namespace {

class ChannelAccess : public testing::Test {
protected:
    ProgramSandbox sandbox;
};

UFreData Named(int16_t chNo) {
    UFreData r;
    r.CHNo = chNo;
    r.UsedFlag = 1;
    r.CHName = "ROW";
    return r;
}

}  // namespace

TEST_F(ChannelAccess, HyperRowsLiveInTheirHalves) {
    SetHyperChannel(6, 1, Named(6));
    SetHyperChannel(7, 1, Named(7));
    SetHyperChannel(12, 0, Named(12));
    EXPECT_EQ(CurData.Hyper[1].CH[5].CHNo, 6);
    EXPECT_EQ(CurData.Hyper[1].HCH[6].CHNo, 7);
    EXPECT_EQ(CurData.Hyper[0].HCH[11].CHNo, 12);
    EXPECT_EQ(GetHyperChannel(7, 1), Named(7));
    EXPECT_TRUE(IsHyperChannelUsed(12, 0));
    EXPECT_FALSE(IsHyperChannelUsed(12, 1));
}

TEST_F(ChannelAccess, InvalidHyperRowsGiveTheEmptyRecordAndStoreNothing) {
    for (auto& bank : CurData.Hyper) {
        bank.CH.fill(Named(1));
        bank.HCH.items.fill(Named(7));
    }
    const RadioData before = CurData;
    struct Case { int16_t row, bank; };
    const Case invalid[] = {{0, 0}, {13, 0}, {1, 2}, {1, -1}, {-1, 0}, {12, 2}};
    for (const auto& c : invalid) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.bank));
        const UFreData r = GetHyperChannel(c.row, c.bank);
        EXPECT_EQ(r, UFreData{});
        EXPECT_EQ(r.CHName.value(), "");
        EXPECT_FALSE(IsHyperChannelNo(c.row, c.bank));
        EXPECT_FALSE(IsHyperChannelUsed(c.row, c.bank));
        SetHyperChannel(c.row, c.bank, UFreData{});
    }
    EXPECT_EQ(CurData, before);
}

TEST_F(ChannelAccess, HyperSlotAddresses) {
    struct Case { int16_t row, bank; int32_t addr; };
    const Case cases[] = {
        {1, 0, 0x540}, {6, 0, 0x5E0}, {1, 1, 0x600}, {6, 1, 0x6A0}, {7, 0, 0x6C0},
        {12, 0, 0x760}, {7, 1, 0x780}, {12, 1, 0x820}, {13, 0, -1},  {0, 1, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(GetHyperChannelAddr(c.row, c.bank), c.addr) << c.row << "," << c.bank;
}

TEST_F(ChannelAccess, GetCHIndexFindsTheFirstUsedEntry) {
    EXPECT_EQ(GetCHIndex(1), -1);  // empty list
    AddDefaultFreData(5, "145.1250", 0, 0);
    AddDefaultFreData(9, "145.1250", 0, 0);
    AddDefaultFreData(5, "146.0000", 0, 0);  // appended although 5 exists
    UFreList[3].CHNo = 12;                   // past the count: never read
    EXPECT_EQ(CurData.CHCount, 3);
    EXPECT_EQ(GetCHIndex(5), 0);
    EXPECT_EQ(GetCHIndex(9), 1);
    EXPECT_EQ(GetCHIndex(12), -1);
    EXPECT_EQ(UFreList[0].RxFre.raw(), "014512500");
    EXPECT_EQ(UFreList[2].RxFre.raw(), "014600000");
}

TEST_F(ChannelAccess, AddDefaultFreDataByKind) {
    AddDefaultFreData(3, "350.0000", 1, 1);
    EXPECT_EQ(GetHyperChannel(3, 1).RxFre.raw(), "035000000");
    AddDefaultFreData(3, "350.0000", 2, 0);  // unknown kind
    EXPECT_EQ(CurData.CHCount, 0);
    EXPECT_EQ(GetHyperChannel(3, 0), UFreData{});
    CurData.CHCount = kMaxChannels;          // a full list takes nothing more
    AddDefaultFreData(1, "430.0000", 0, 0);
    EXPECT_EQ(CurData.CHCount, kMaxChannels);
}

TEST_F(ChannelAccess, FreshRecordsDifferAsTheListsNeed) {
    RxFreLow[0] = 136;
    RxFreHigh[0] = 152;
    CHListType = 0;
    NewCHByType(4);
    const UFreData made = UFreList[0];
    const UFreData blank = GetBlankFreData(4);
    AddDefaultFreData(4, "144.0000", 0, 0);
    const UFreData def = UFreList[1];
    struct Row { const char* field; int made, blank, def; };
    const Row rows[] = {
        {"CHNo", 4, 4, 4},
        {"UsedFlag", 1, 0, 1},
        {"ScanSkip", 0, 1, 1},
        {"En_CTCSS", 0, 20, 20},
        {"De_CTCSS", 0, 20, 20},
        {"UserCTCSS", 1511, 0, 1511},
    };
    auto field = [](const UFreData& r, std::string_view f) {
        return f == "CHNo" ? r.CHNo : f == "UsedFlag" ? r.UsedFlag : f == "ScanSkip" ? r.ScanSkip
             : f == "En_CTCSS" ? r.En_CTCSS : f == "De_CTCSS" ? r.De_CTCSS : r.UserCTCSS;
    };
    for (const auto& r : rows) {
        EXPECT_EQ(field(made, r.field), r.made) << r.field;
        EXPECT_EQ(field(blank, r.field), r.blank) << r.field;
        EXPECT_EQ(field(def, r.field), r.def) << r.field;
    }
    EXPECT_EQ(made.RxFre.raw(), "014400000");
    EXPECT_EQ(blank.RxFre.raw(), "FFFFFFFFF");
    for (const UFreData* r : {&made, &blank, &def}) {
        EXPECT_EQ(r->OffsetFre.raw(), "000000000");
        EXPECT_EQ(r->CHName.raw(), "\0      "s);
    }
}

TEST_F(ChannelAccess, NewCHByTypeFollowsTheListOnShow) {
    RxFreLow[0] = 144;
    RxFreHigh[0] = 146;
    CurData.LimitCH[9].RxFre = "043000000";
    CHListType = 1;
    NewCHByType(10);
    EXPECT_EQ(CurData.LimitCH[9].UsedFlag, 1);
    EXPECT_EQ(CurData.LimitCH[9].RxFre.raw(), "014500000");

    CHListType = 3;
    NewCHByType(12);
    EXPECT_TRUE(IsHyperChannelUsed(12, 1));
    const RadioData before = CurData;
    NewCHByType(13);  // not a row of the bank
    CHListType = 4;
    NewCHByType(1);   // no such list
    EXPECT_EQ(CurData, before);
    EXPECT_EQ(CurData.CHCount, 0);
}

TEST(StartupState, ModelNameAndVersionText) {
    EXPECT_EQ(GetModelName("314KTR"), "KQ-314");
    EXPECT_EQ(GetModelName("314KTR    "), "KQ-314");
    EXPECT_EQ(GetModelName("315ABC  "), "315ABC");
    EXPECT_EQ(GetModelName("314K\0TR"s), "314K");
    struct Case { std::string text; bool ok; };
    const Case cases[] = {{"V200", true}, {"V101", true}, {"V200  ", true}, {"v200", false},
                          {"V20", false}, {"VABC", false}, {"V2000", false}, {"V2 0", false}, {"", false}};
    for (const auto& c : cases) EXPECT_EQ(IsVersionText(c.text), c.ok) << c.text;
}

TEST(StartupState, SwitchesAndGridState) {
    ProgramSandbox sandbox;
    GridEditRow = 3;
    TVEnterCell = {1, 1};
    InitFunEnable();
    InitGridEditState();
    EXPECT_EQ(ScanEnable, 0);
    EXPECT_EQ(AlertEnable, -1);
    EXPECT_EQ(HelpEnable, 0);
    EXPECT_EQ(GridEditRow, 0);
    EXPECT_EQ(TVEnterCell, (std::array<int16_t, 2>{0, 0}));
}
