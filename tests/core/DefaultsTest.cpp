#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ProgramSandbox.h"
#include "core/Defaults.h"
#include "core/HyperChannel.h"
#include "core/SharedState.h"
#include "platform/Clock.h"

using namespace std::string_literals;

namespace {

class Defaults : public testing::Test {
protected:
    ProgramSandbox sandbox;
};

using Bytes2 = std::array<uint8_t, 2>;

}  // namespace

TEST_F(Defaults, HyperRowsAndSettings) {
    InitRadioData();
    const char* rx[] = {"010800000", "022000000", "035000000", "040000000", "013600000", "040000000"};
    for (int16_t bank = 0; bank < 2; ++bank) {
        for (int16_t row = 1; row <= 12; ++row) {
            const UFreData ch = GetHyperChannel(row, bank);
            SCOPED_TRACE("bank " + std::to_string(bank) + " row " + std::to_string(row));
            EXPECT_EQ(ch.CHNo, row);
            EXPECT_EQ(ch.UsedFlag, 1);
            EXPECT_EQ(ch.ScanSkip, 1);
            EXPECT_EQ(ch.RxFre.raw(), rx[(row - 1) % 6]);
            EXPECT_EQ(ch.OffsetFre.raw(), "000000000");
            EXPECT_EQ(ch.CHName.raw(), "\0      "s);
            EXPECT_EQ(ch.En_CTCSS, 20);
            EXPECT_EQ(ch.De_CTCSS, 20);
            EXPECT_EQ(ch.UserCTCSS, 1511);
            EXPECT_EQ(ch.ShiftDir, 0);
        }
        HyperSetData expected{};
        expected.VFOBandR = 4;
        expected.MainSel = 1;
        EXPECT_EQ(CurData.Hyper[bank].Setting, expected);
    }
    EXPECT_EQ(CurData.HyperMode, (std::array<int16_t, 2>{0, 0}));
}

TEST_F(Defaults, TwoToneHeaderBytesAndFirstCall) {
    InitRadioData();
    const Tone2Head& h = CurData.FunSet.Tone2.Tone2Set;
    struct Case { const char* name; Bytes2 got; Bytes2 want; };
    const Case words[] = {
        {"DecTone1 321.7 Hz, high byte first", h.DecTone1.bytes, {0x0C, 0x91}},
        {"DecTone2 928.1 Hz", h.DecTone2.bytes, {0x24, 0x41}},
        {"DecDiv1", h.DecDiv1.bytes, {0x3A, 0x48}},
        {"DecDiv2", h.DecDiv2.bytes, {0x14, 0x34}},
        {"ToneA 321.7 Hz, low byte first", h.ToneA.bytes, {0x91, 0x0C}},
        {"ToneB 928.1 Hz", h.ToneB.bytes, {0x41, 0x24}},
        {"ToneC 626.5 Hz", h.ToneC.bytes, {0x79, 0x18}},
        {"ToneD 2043.8 Hz", h.ToneD.bytes, {0xD6, 0x4F}},
    };
    for (const auto& c : words) EXPECT_EQ(c.got, c.want) << c.name;
    EXPECT_EQ((std::array<int, 8>{h.DecPair, h.Time9, h.DecodeResp, h.SideTone, h.Time20, h.Time21, h.Time22, h.Time23}),
              (std::array<int, 8>{0, 0, 0, 0, 5, 5, 10, 0}));

    const auto& list = CurData.FunSet.Tone2.Tone2List;
    EXPECT_EQ(list[1].EmptyFlag, 0);
    EXPECT_EQ(list[1].Div1.bytes, (Bytes2{0x3A, 0x48}));
    EXPECT_EQ(list[1].Div2.bytes, (Bytes2{0x14, 0x34}));
    EXPECT_EQ(list[1].Tone1.value(), 3217);
    EXPECT_EQ(list[1].Tone2.value(), 9281);
    for (int k = 2; k <= 24; ++k) {
        EXPECT_EQ(list[k].EmptyFlag, 1) << k;
        EXPECT_EQ(list[k].Tone1.value() + list[k].Tone2.value() + list[k].Div1.value() + list[k].Div2.value(), 0) << k;
    }
}

TEST_F(Defaults, DtmfAndFiveToneBlocks) {
    InitRadioData();
    const DTMFData& d = CurData.FunSet.DTMF;
    EXPECT_EQ(d.DTMFCode[15].Code.raw(), std::string(24, ' '));
    EXPECT_EQ(d.DTMFKillCode.Code.raw(), std::string(14, ' '));
    EXPECT_EQ(d.DTMFSelfID.raw(), "000");
    EXPECT_EQ((std::array<int, 13>{d.DTMFANI, d.DTMFSendTime, d.PTTIDMode, d.DTMFSepCode, d.DTMFGroupCode,
                                   d.DTMFDecodeResp, d.DTMFFirstDelay, d.DTMFPreDelay, d.DTMFResetTime,
                                   d.DTMFPostDelay, d.DTMFPauseTime, d.DTMFSideTone, d.PTTIDBeginCode.CodeLen}),
              (std::array<int, 13>{0, 1, 3, 14, 10, 0, 20, 1, 0, 20, 10, 0, 0}));

    const Tone5Data& t = CurData.FunSet.Tone5;
    EXPECT_EQ((std::array<int, 15>{t.Head0, t.DecodeResp, t.Standard, t.SelfIDLen, t.TonePeriod, t.Time17, t.Time18,
                                   t.Time19, t.Time20, t.FirstDelay, t.PauseTime, t.PauseCode, t.PauseFirstDelay,
                                   t.SideTone, t.SepCode}),
              (std::array<int, 15>{0, 0, 0, 0, 70, 0, 20, 20, 10, 20, 20, 0, 20, 0, 13}));
    EXPECT_EQ(t.SelfID.raw(), "\0     "s);
    EXPECT_EQ(t.DefTone[0], 24000);
    EXPECT_EQ(t.DefTone[15], 9300);
    EXPECT_EQ(CurData.Tone5DecodeTime, 2);
    EXPECT_EQ(t.InfoCode[16].Code.raw(), "\0           "s);
    for (int j = 1; j <= 100; ++j) {
        const Tone5Code& c = t.Tone5List[j];
        ASSERT_TRUE(c.EmptyFlag == 1 && c.CodeLen == 0 && c.TonePeriod == 70 && c.Standard == 0) << j;
        ASSERT_EQ(c.Code.raw(), std::string(40, ' ')) << j;
    }
}

TEST_F(Defaults, OptionScanAlertBlocks) {
    CurData.BeepVolume = 1;
    CurData.ExtSpeaker = 1;
    InitRadioData();
    OptionData o{};
    o.LongPressTime = 10;
    o.PowerOnPassWord.bytes = {0, ' ', ' ', ' ', ' ', ' ', ' '};
    o.PowerOnText = "Welcome       ";
    EXPECT_EQ(CurData.FunSet.Option, o);
    EXPECT_EQ(CurData.FunSet.Option.PowerOnText.value(), "Welcome");
    EXPECT_EQ(CurData.FunSet.Option.PowerOnPassWord.value(), "");
    EXPECT_EQ(CurData.BeepVolume, 0);
    EXPECT_EQ(CurData.ExtSpeaker, 0);

    ScanData s{};
    s.LookBackA = s.LookBackB = 5;
    EXPECT_EQ(CurData.FunSet.Scan, s);
    AlertData a{};
    a.PreAlertTime = 1;
    a.LoneWorkTime = 5;
    EXPECT_EQ(CurData.FunSet.Alert, a);
}

TEST_F(Defaults, InitRadioDataLeavesChannelsListVersionAndKeepsNames) {
    CurData.Version = "V200";
    CurData.Band = 1;
    CurData.CHCount = 3;
    CurData.TV[5].Flag = 1;
    CurData.FunSet.Tone2.Tone2List[3].Name = "CALL3";
    CurData.FunSet.Tone5.Tone5List[100].Name = "LAST";
    CurData.FunSet.Tone5.InfoCode[1].Name = "KILL";
    CurData.FunSet.Tone5.PTTIDBegin.Code = "12345";
    CurData.LimitCH[4].UsedFlag = 1;
    CurData.LimitCH[4].RxFre = "014512500";
    CurData.CommuBook[7].Name = "BOB";
    CurData.Note[2] = "A1";
    CurData.NoteIndex = 5;

    InitRadioData();

    EXPECT_EQ(CurData.Version.raw(), "V200");
    EXPECT_EQ(CurData.Band, 1);
    EXPECT_EQ(CurData.CHCount, 3);
    EXPECT_EQ(CurData.TV[5].Flag, 1);
    EXPECT_EQ(CurData.FunSet.Tone2.Tone2List[3].Name.value(), "CALL3");
    EXPECT_EQ(CurData.FunSet.Tone5.Tone5List[100].Name.value(), "LAST");
    EXPECT_EQ(CurData.FunSet.Tone5.InfoCode[1].Name.value(), "KILL");
    EXPECT_EQ(CurData.FunSet.Tone5.PTTIDBegin.Code.value(), "12345");
    // A programmed limit channel keeps its frequency but reads as empty.
    EXPECT_EQ(CurData.LimitCH[4].UsedFlag, 0);
    EXPECT_EQ(CurData.LimitCH[4].CHNo, 5);
    EXPECT_EQ(CurData.LimitCH[4].RxFre.raw(), "014512500");
    EXPECT_EQ(CurData.CommuBook[7].No, 7);
    EXPECT_EQ(CurData.CommuBook[7].Name.raw(), "\0      "s);
    EXPECT_EQ(CurData.Note[2].raw(), "\0       "s);
    EXPECT_EQ(CurData.NoteIndex, 0);
}

TEST_F(Defaults, TwoToneHeaderAloneLeavesTheListToTheFiveToneStep) {
    CurData.FunSet.Tone2.Tone2List[2].EmptyFlag = 0;
    Init2ToneData();
    EXPECT_EQ(CurData.FunSet.Tone2.Tone2Set.ToneD.value(), 20438);
    EXPECT_EQ(CurData.FunSet.Tone2.Tone2List[1].EmptyFlag, 0);  // fresh, untouched
    EXPECT_EQ(CurData.FunSet.Tone2.Tone2List[2].EmptyFlag, 0);
    Init5ToneData();
    EXPECT_EQ(CurData.FunSet.Tone2.Tone2List[2].EmptyFlag, 1);
    EXPECT_EQ(CurData.FunSet.Tone2.Tone2Set.ToneD.value(), 20438);
}

TEST_F(Defaults, NewRadioDataStartsUntitledWithOneChannel) {
    UFreList[1].CHNo = 99;
    CurData.CHCount = 40;
    GridCopyFlag = {1, 1, 2};
    RadioKilled = -1;
    RadioStunned = -1;
    NewRadioData();
    EXPECT_EQ(RadioKilled, 0);
    EXPECT_EQ(RadioStunned, 0);
    EXPECT_EQ(IsNewFile, -1);
    EXPECT_EQ(DataFileName, "new.dat");
    EXPECT_EQ(BookFileName, "new.cb");
    EXPECT_EQ(GridCopyFlag, (std::array<int16_t, 3>{0, 0, 0}));
    ASSERT_EQ(CurData.CHCount, 1);
    const UFreData& ch = UFreList[0];
    EXPECT_EQ(ch.CHNo, 1);
    EXPECT_EQ(ch.RxFre.raw(), "043000000");
    EXPECT_EQ(ch.OffsetFre.raw(), "000000000");
    EXPECT_EQ(ch.ShiftDir, 0);
    EXPECT_EQ(ch.En_CTCSS, 20);
    EXPECT_EQ(ch.UserCTCSS, 1511);
    EXPECT_EQ(ch.ScanSkip, 1);
    EXPECT_EQ(ch.CHName.value(), "");
    EXPECT_EQ(UFreList[1].CHNo, 99);  // entries past the count are left alone
    EXPECT_EQ(CurData.TV[0].No, 1);
    EXPECT_EQ(CurData.TV[0].Freq.raw(), "00000000");
    EXPECT_EQ(CurData.TV[128].No, 129);
    EXPECT_EQ(CurData.TV[128].Flag, 1);
    EXPECT_EQ(CurData.TV[128].Freq.raw(), "01080000");
}

TEST_F(Defaults, EmbeddedInformationFromTheDate) {
    sandbox.clock.Set({2015, 5, 26, 10, 0, 0});
    const char* oldLcAll = getenv("LC_ALL");
    const std::string saved = oldLcAll ? oldLcAll : "";
    setenv("LC_ALL", "en_US.UTF-8", 1);
    InitEmbedInfo();
    if (oldLcAll) setenv("LC_ALL", saved.c_str(), 1);
    else unsetenv("LC_ALL");
    EXPECT_EQ(EmbedInfo.SerialNo.raw(), "2015052600000001");
    EXPECT_EQ(EmbedInfo.ManufactureCode.raw(), "05-1-E-1");
    EXPECT_EQ(EmbedInfo.ProduceDate.raw(), "5/26/2015\0      "s);
    EXPECT_EQ(EmbedInfo.ProduceDate.value(), "5/26/2015");
    EXPECT_EQ(EmbedInfo.StockDate, EmbedInfo.ProduceDate);
    EXPECT_EQ(EmbedInfo.UserCode.raw(), "001A");
    EXPECT_EQ(EmbedInfo.Seller.value(), "");
    EXPECT_EQ(EmbedInfo.MaintainReason.raw().front(), '\0');
    EXPECT_EQ(EmbedInfo.Version, "V2.00");
    EXPECT_EQ(EmbedInfo.ModelCode, "314KTR");
    EXPECT_EQ(EmbedInfo.AreaCode, "");
}
