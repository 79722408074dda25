// Channel operations: setting fields by grid column, creating, deleting,
// the row clipboard and the repair of channel and signalling references.
#include <gtest/gtest.h>

#include "CoreDataFixture.h"
#include "core/ChannelOps.h"
#include "core/Defaults.h"
#include "core/HyperChannel.h"
#include "core/MainWindowHooks.h"

using platform::Answer;
using platform::Buttons;

namespace {

class ChannelOps : public CoreData {
protected:
    void SetUp() override {
        CoreData::SetUp();
        InitRadioData();
        CurData.CHCount = 0;
    }
    static const UFreData& Normal(int16_t no) { return UFreList[static_cast<std::size_t>(GetCHIndex(no))]; }
};

TEST_F(ChannelOps, TransmitAndReceiveEditsKeepAValidShift) {
    struct Case {
        const char* what;
        const char* rx;
        CHColumn col;
        const char* typed;
        const char* rxCode;
        int16_t dir;
        const char* offset;
    };
    const Case cases[] = {
        {"transmit below receive", "145.0000", CHColumn::TxFre, "144.4", "014500000", 1, "000060000"},
        {"transmit outside the band's transmit range", "170.0000", CHColumn::TxFre, "230", "017000000", 1, "003400000"},
        {"transmit equal to receive", "145.0000", CHColumn::TxFre, "145", "014500000", 0, "000000000"},
        {"receive moved within the band keeps the shift", "145.0000", CHColumn::RxFre, "146", "014600000", 1, "000060000"},
        {"receive moved where the shift leaves the band", "145.0000", CHColumn::RxFre, "175", "017500000", 1, "000100000"},
    };
    for (const Case& c : cases) {
        CurData.CHCount = 0;
        SetCHRxFre(1, c.rx);
        SetCHDataByCol(1, "144.4", static_cast<int16_t>(CHColumn::TxFre), 0);  // 0.6 MHz minus
        SetCHDataByCol(1, c.typed, static_cast<int16_t>(c.col), 0);
        EXPECT_EQ(Normal(1).RxFre.raw(), c.rxCode) << c.what;
        EXPECT_EQ(Normal(1).ShiftDir, c.dir) << c.what;
        EXPECT_EQ(Normal(1).OffsetFre.raw(), c.offset) << c.what;
    }
}

TEST_F(ChannelOps, ANewChannelTransmitsOnTheNearestAllowedFrequency) {
    SetCHRxFre(3, "175");
    ASSERT_TRUE(IsCHExist(3));
    EXPECT_EQ(Normal(3).RxFre.raw(), "017500000");
    EXPECT_EQ(Normal(3).ShiftDir, 1);
    EXPECT_EQ(Normal(3).OffsetFre.raw(), "000100000");
    EXPECT_EQ(Normal(3).ScanSkip, 0);  // the record made for a missing channel

    CHListType = 1;
    SetCHRxFre(10, "145");
    EXPECT_TRUE(IsCHExist(10));
    SetCHRxFre(11, "145");  // beyond the limit list
    EXPECT_FALSE(IsCHExist(11));
}

TEST_F(ChannelOps, ToneNameAndNumberColumns) {
    SetCHRxFre(2, "145");
    const UFreData before = Normal(2);
    SetCHDataByCol(2, 7L, 6, 0);
    EXPECT_TRUE(Normal(2) == before);

    SetCHDataByCol(2, 531L, static_cast<int16_t>(CHColumn::EncodeTone), static_cast<int16_t>(TonePart::DCS));
    EXPECT_EQ(Normal(2).En_DCSCode, 19);
    EXPECT_EQ(Normal(2).En_DCSInvert, 1);
    EXPECT_EQ(GetCHToneValue(2, "En_CDCSS"), 531);
    SetCHDataByCol(2, 2L, static_cast<int16_t>(CHColumn::DecodeTone), static_cast<int16_t>(TonePart::Type));
    EXPECT_EQ(GetCHToneValue(2, "De_CTC_Type"), 2);
    EXPECT_EQ(GetCHToneValue(2, "de_ctc_type"), 0);
    EXPECT_EQ(GetCHToneValue(99, "De_CTC_Type"), 0);

    SetCHDataByCol(2, "  LONGNAME  ", static_cast<int16_t>(CHColumn::Name), 0);
    EXPECT_EQ(Normal(2).CHName.raw(), "  LONGN");
    SetCHDataByCol(2, "2", static_cast<int16_t>(CHColumn::Power), 0);
    EXPECT_EQ(Normal(2).TxPower, 2);
    SetCHDataByCol(2, "x", static_cast<int16_t>(CHColumn::Power), 0);
    EXPECT_EQ(Normal(2).TxPower, 2);

    prompts.expect("No Find Data!", Buttons::Ok, Answer::Ok);
    SetCHDataByCol(5, 1L, static_cast<int16_t>(CHColumn::Power), 0);
    SetCHDataByCol(759, 1L, static_cast<int16_t>(CHColumn::Power), 0);  // silently ignored
}

TEST_F(ChannelOps, DeletingKeepsTheOrderOfTheRest) {
    for (int16_t no : {3, 1, 5, 9, 2, 4, 8, 7, 6, 10}) AddChannel(no, "145.0000");
    DeleteCH(5, 0);
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{3, 1, 9, 2, 4, 8, 7, 6, 10}));
    DeleteCH(5, 0);
    EXPECT_EQ(CurData.CHCount, 9);

    CurData.LimitCH[0].UsedFlag = 1;
    DeleteCH(1, 1);
    EXPECT_EQ(CurData.LimitCH[0].UsedFlag, 0);
    DeleteCH(11, 1);   // no limit channel 11: nothing
    DeleteCH(1, 2);    // hyper rows are never deleted
    EXPECT_TRUE(IsHyperChannelUsed(1, 0));
}

TEST_F(ChannelOps, RowClipboard) {
    AddChannel(1, "145.0000");
    AddChannel(2, "146.0000");
    CopyCH(0, 2);
    PasteCH(0, 9);  // no channel 9 yet: appended under that number
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1, 2, 9}));
    EXPECT_EQ(Normal(9).RxFre.raw(), "014600000");
    PasteCH(0, 1);  // overwrites
    EXPECT_EQ(Normal(1).RxFre.raw(), "014600000");
    EXPECT_EQ(Normal(1).CHNo, 1);

    CutCH(0, 2);
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1, 9}));
    CopyCH(0, 50);  // no channel: the clipboard empties
    PasteCH(0, 9);  // an empty clipboard deletes
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1}));

    // Other grids and the other views leave everything alone.
    CopyCH(0, 1);
    PasteCH(1, 20);
    CHListType = 1;
    PasteCH(0, 20);
    CutCH(0, 1);
    CHListType = 0;
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1}));
}

TEST_F(ChannelOps, AFullListTakesNoNewChannelButPastesOverItsOwn) {
    for (int16_t no = 1; no <= kMaxChannels; ++no) AddChannel(no, "145.0000");
    DeleteCH(100, 0);
    AddChannel(100, "146.0000");  // full again, channel 100 last
    CopyCH(0, 100);
    PasteCH(0, 1);
    EXPECT_EQ(Normal(1).RxFre.raw(), "014600000");
    DeleteCH(758, 0);
    SetCHRxFre(758, "145");
    ASSERT_EQ(CurData.CHCount, kMaxChannels);
    SetCHRxFre(759, "145");
    PasteCH(0, 759);
    EXPECT_EQ(CurData.CHCount, kMaxChannels);
    EXPECT_EQ(GetCHIndex(759), -1);
}

TEST_F(ChannelOps, ChannelReferencesPointAtExistingChannels) {
    AddChannel(1, "145.0000");
    AddChannel(4, "200.0000");  // receive outside 136..174 and 400..490 MHz
    AddChannel(3, "145.0000");
    AddChannel(6, "430.0000");
    AddChannel(5, "175.0000");
    CurData.FunSet.Scan.PriorityCH1 = 1;    // channel 2: gone
    CurData.FunSet.Scan.PriorityCH2 = 2;    // channel 3: there
    CurData.FunSet.Alert.EmgCHNo = 700;     // gone
    CurData.Hyper[0].Setting.NormalIDL = 3; // channel 4: there
    CurData.Hyper[0].Setting.NormalIDR = 3; // channel 4: not a standard frequency
    CurData.Hyper[1].Setting.NormalIDR = 0; // channel 1: fine
    CheckCHLink();
    EXPECT_EQ(CurData.FunSet.Scan.PriorityCH1, 4);  // the last listed channel, 5
    EXPECT_EQ(CurData.FunSet.Scan.PriorityCH2, 2);
    EXPECT_EQ(CurData.FunSet.Alert.EmgCHNo, 4);
    EXPECT_EQ(CurData.Hyper[0].Setting.NormalIDL, 3);
    EXPECT_EQ(CurData.Hyper[0].Setting.NormalIDR, 5);  // channel 6: the last standard one
    EXPECT_EQ(CurData.Hyper[1].Setting.NormalIDR, 0);

    CurData.CHCount = 0;
    CheckCHLink();
    EXPECT_EQ(CurData.FunSet.Scan.PriorityCH2, 0);
    EXPECT_EQ(CurData.Hyper[0].Setting.NormalIDL, 0);
}

struct CountingView : MainWindowView {
    int redraws = 0;
    void ReShowListByData() override { ++redraws; }
};

TEST_F(ChannelOps, SignallingReferencesPointAtUsedEntries) {
    CountingView view;
    ScopedMainView installed(view);
    for (int16_t no = 1; no <= 5; ++no) AddChannel(no, "145.0000");
    auto& t2 = CurData.FunSet.Tone2.Tone2List;
    auto& t5 = CurData.FunSet.Tone5.Tone5List;
    t2[1].EmptyFlag = 1;
    t2[6].EmptyFlag = 0;
    t5[10].EmptyFlag = 0;
    t5[20].EmptyFlag = 0;
    struct Ch { int16_t optSig, tone2, tone5; int16_t wantTone2, wantTone5; };
    const Ch chans[] = {
        {2, 0, 0, 5, 0},       // entry 1 emptied: first used is index 5
        {2, 5, 0, 5, 0},       // used: kept
        {2, -3, 0, 5, 0},      // outside the table (from a file): repaired
        {3, 0, 19, 0, 19},     // used: kept
        {3, 0, 250, 0, 9},     // outside the table: first used
    };
    for (std::size_t i = 0; i < 5; ++i) {
        UFreList[i].OptSig = chans[i].optSig;
        UFreList[i].Tone2No = chans[i].tone2;
        UFreList[i].Tone5No = chans[i].tone5;
    }
    CheckCHSignal();
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(UFreList[i].Tone2No, chans[i].wantTone2) << i;
        EXPECT_EQ(UFreList[i].Tone5No, chans[i].wantTone5) << i;
    }
    EXPECT_EQ(view.redraws, 1);

    CurData.FunSet.Alert.IDCodeType = 2;
    CurData.FunSet.Alert.IDCodeGroup = 200;
    CheckAlert5Tone();
    EXPECT_EQ(CurData.FunSet.Alert.IDCodeGroup, 9);

    // Every two-tone entry emptied: channels point at index 0.
    for (auto& e : t2) e.EmptyFlag = 1;
    CheckCHSignal();
    EXPECT_EQ(UFreList[0].Tone2No, 0);
}

}  // namespace
