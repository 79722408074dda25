// The change test: what counts as a change of the configuration and what
// does not, and the two copy operations it compares.
#include <gtest/gtest.h>

#include <functional>

#include "CoreDataFixture.h"
#include "core/ChannelOps.h"
#include "core/Defaults.h"
#include "core/FactoryDataHooks.h"
#include "core/SavedCopy.h"

namespace {

class SavedCopy : public CoreData {
protected:
    void SetUp() override {
        CoreData::SetUp();
        NewRadioData();
        CurData.CHCount = 0;
        for (int16_t no = 1; no <= 10; ++no) AddChannel(no, "145.0000");
        CurData.FunSet.DTMF.DTMFCode[2].Code = "123456";
        CurData.FunSet.DTMF.DTMFCode[2].CodeLen = 3;
        CurData.FunSet.Tone5.PTTIDBegin.Code = std::string(40, '1');
        CurData.FunSet.Tone5.PTTIDBegin.CodeLen = 30;
        SaveOldRadioData();
    }
};

TEST_F(SavedCopy, WhatCountsAsAChange) {
    using Edit = std::function<void()>;
    struct Case {
        const char* what;
        Edit edit;
        bool changed;
    };
    const Case cases[] = {
        {"nothing", [] {}, false},
        {"a name changed and changed back", [] { UFreList[3].CHName = "X"; UFreList[3].CHName = FixStr<7>::NulText(); }, false},
        {"NUL-and-blanks name against seven blanks", [] { UFreList[3].CHName = "       "; }, false},
        {"a channel name", [] { UFreList[3].CHName = "NEW"; }, true},
        {"a channel's power", [] { UFreList[0].TxPower = 2; }, true},
        {"the reserved DCS bits", [] { UFreList[0].Reserved1 = 1; UFreList[9].Reserved2 = 1; }, false},
        {"channel 5 deleted and added again at the end",
         [] { DeleteCH(5, 0); AddDefaultFreData(5, "145.0000", 0, 0); }, false},
        {"channel 5 deleted and channel 11 added", [] { DeleteCH(5, 0); AddDefaultFreData(11, "145.0000", 0, 0); }, true},
        {"one channel more", [] { AddDefaultFreData(11, "145.0000", 0, 0); }, true},
        {"a limit channel's number", [] { CurData.LimitCH[0].CHNo = 5; }, true},
        {"a hyper setting", [] { CurData.Hyper[1].Setting.RelayMode = 1; }, true},
        {"an upper hyper row", [] { CurData.Hyper[1].HCH[11].TxPower = 1; }, true},
        {"a hyper bank's speaker routing", [] { CurData.HyperMode[0] = 2; }, true},
        {"an event record", [] { CurData.Note[15] = "X"; }, true},
        {"a DTMF memory beyond its length", [] { CurData.FunSet.DTMF.DTMFCode[2].Code = "123999"; }, false},
        {"a DTMF memory within its length", [] { CurData.FunSet.DTMF.DTMFCode[2].Code = "124456"; }, true},
        {"the DTMF decode response", [] { CurData.FunSet.DTMF.DTMFDecodeResp = 2; }, true},
        {"the two-tone decode tone", [] { CurData.FunSet.Tone2.Tone2Set.DecTone1.set(1000); }, true},
        {"the two-tone tone D", [] { CurData.FunSet.Tone2.Tone2Set.ToneD.set(1000); }, true},
        {"a two-tone call's tone", [] { CurData.FunSet.Tone2.Tone2List[1].Tone2.set(1000); }, true},
        {"a two-tone call emptied", [] { CurData.FunSet.Tone2.Tone2List[1].EmptyFlag = 1; }, true},
        {"a two-tone call's name", [] { CurData.FunSet.Tone2.Tone2List[24].Name = "CALL"; }, true},
        {"a five-tone PTT ID code at character 30", [] { CurData.FunSet.Tone5.PTTIDBegin.Code.bytes[29] = '2'; }, true},
        {"a five-tone PTT ID code beyond its length", [] { CurData.FunSet.Tone5.PTTIDBegin.Code.bytes[35] = '2'; }, false},
        {"a five-tone code's used flag", [] { CurData.FunSet.Tone5.Tone5List[100].EmptyFlag = 0; }, true},
        {"a five-tone code's name", [] { CurData.FunSet.Tone5.Tone5List[1].Name = "FIVE"; }, true},
        {"an information code's name", [] { CurData.FunSet.Tone5.InfoCode[16].Name = "INFO"; }, true},
        {"the user tone table", [] { CurData.FunSet.Tone5.DefTone[15] = 1; }, true},
        {"the frequency list", [] { CurData.TV[128].Flag = 0; }, true},
        {"the power-on text by value", [] { CurData.FunSet.Option.PowerOnText = std::string_view("Welcome\0   ", 11); }, false},
        {"the beep volume", [] { CurData.BeepVolume = 1; }, true},
        {"a contact's number only", [] { CurData.CommuBook[5].No = 77; }, false},
        {"a contact's call ID", [] { CurData.CommuBook[5].CallID = "123"; }, true},
        {"the scan block", [] { CurData.FunSet.Scan.WaitTime = 3; }, true},
        {"the alert block", [] { CurData.FunSet.Alert.LoneWorkTime = 9; }, true},
        {"version and band of the data", [] { CurData.Version = "V100"; CurData.Band = 1; }, false},
        {"channels beyond the count", [] { UFreList[700].TxPower = 3; }, false},
    };
    const RadioData cur = CurData;
    const auto list = UFreList;
    for (const Case& c : cases) {
        c.edit();
        EXPECT_EQ(IsDataChanged(), c.changed) << c.what;
        EXPECT_EQ(IsDataSame(), !c.changed) << c.what;
        CurData = cur;
        UFreList = list;
    }
}

TEST_F(SavedCopy, TestDataCountsOnlyInFactoryMode) {
    bool testDataSame = false;
    FactoryHooks().same = [&] { return testDataSame; };
    EXPECT_TRUE(IsDataSame());
    FactoryHooks().enabled = [] { return true; };
    EXPECT_FALSE(IsDataSame());
    testDataSame = true;
    EXPECT_TRUE(IsDataSame());
}

TEST_F(SavedCopy, LoadingTheSavedCopyBringsBackItsBandPlanAndChannels) {
    PCBand = 1;
    SaveOldRadioData();
    EXPECT_EQ(OldData.Band, 1);
    PCBand = 0;
    SetBandByType(0);
    DeleteCH(1, 0);
    UFreList[0].TxPower = 3;
    ASSERT_TRUE(IsDataChanged());
    LoadOldRadioData();
    EXPECT_EQ(PCBand, 1);
    EXPECT_DOUBLE_EQ(RxFreLow[0], 144.0);  // band 1 of plan "Band 2"
    EXPECT_EQ(CurData.CHCount, 10);
    EXPECT_EQ(UFreList[0].CHNo, 1);
    EXPECT_TRUE(IsDataSame());
}

}  // namespace
