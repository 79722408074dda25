#include "ImageFixture.h"
#include "ScriptedPrompts.h"
#include "core/HyperChannel.h"
#include "link/ImageAreas.h"

using platform::Answer;
using platform::Buttons;

namespace {

class ImageCodecTest : public ImageFixture {};

// A channel with every field away from its default, varied by `k`.
UFreData RichChannel(int16_t no, int k) {
    UFreData c;
    c.CHNo = no;
    c.UsedFlag = 1;
    c.ScanSkip = static_cast<int16_t>(k % 3);
    static const char* const kCodes[] = {"014512500", "043012500", "014500625", "011801666", "030000000"};
    c.RxFre = kCodes[k % 5];
    c.OffsetFre = k % 2 ? "000600000" : "050000000";
    c.CHName = k % 4 ? "CH" + std::to_string(k) : "ABCDEFG";
    c.StepIndex = static_cast<int16_t>(k % 10);
    c.TxInhibit = 1;
    c.Reverse = static_cast<int16_t>(k % 2);
    c.Bandwidth = 2;
    c.En_DCSInvert = 1;
    c.De_DCSInvert = static_cast<int16_t>(1 - k % 2);
    c.ShiftDir = static_cast<int16_t>(1 + k % 2);
    c.TxPower = 3;
    c.Modulation = 1;
    c.AMAuto = 1;
    c.Compander = 1;
    c.TalkAround = static_cast<int16_t>(1 - k % 2);
    c.En_CTC_Type = 1;
    c.De_CTC_Type = 2;
    c.DTMFCodeNo = static_cast<int16_t>(k % 16);
    c.En_CTCSS = 51;
    c.De_CTCSS = static_cast<int16_t>(k % 51);
    c.En_DCSCode = static_cast<int16_t>(300 + k % 200);
    c.De_DCSCode = 0x1FF;
    c.BusyLock = 2;
    c.PTTIDType = 3;
    c.SQLMode = 4;
    c.OptSig = 3;
    c.Tone2No = 23;
    c.Tone5No = 99;
    c.Scrambler = 11;
    c.UserCTCSS = static_cast<int16_t>(1000 + k % 1000);
    return c;
}

// What a channel looks like after a write and a read.
UFreData AsReadBack(UFreData c) {
    c.CHName = c.CHName.value();
    c.Reserved1 = static_cast<int16_t>(c.En_DCSCode >> 8);
    c.Reserved2 = static_cast<int16_t>(c.De_DCSCode >> 8);
    return c;
}

void MakeRichConfiguration() {
    ScanEnable = -1;
    // Normal channels out of order; the read gives them back by number.
    for (int16_t no : {758, 1, 300, 2, 57}) UFreList[CurData.CHCount++] = RichChannel(no, no);
    for (int j = 0; j < kLimitChannels; j += 2) CurData.LimitCH[j] = RichChannel(static_cast<int16_t>(j + 1), j);
    for (int16_t bank : {0, 1})
        for (int16_t row = 1; row <= 12; ++row) {
            UFreData c = RichChannel(row, row + 12 * bank);
            c.ScanSkip = 1;  // a hyper row has no nibble: it always reads back 1
            SetHyperChannel(row, bank, c);
        }

    OptionData& o = CurData.FunSet.Option;
    int16_t v = 1;
    for (int16_t* f : {&o.DisplayMode, &o.SqlLeft, &o.SqlRight, &o.ScanTime, &o.ScanMode, &o.BgRed,
                       &o.BgGreen, &o.BgBlue, &o.ToneBurst, &o.TOT, &o.PTTLock, &o.AutoPowerOff, &o.KeyLight,
                       &o.SubMute, &o.TailElimMode, &o.PAKeyFun, &o.PBKeyFun, &o.PCKeyFun, &o.PDKeyFun,
                       &o.RFSqlLeft, &o.RFSqlRight})
        *f = v++;
    for (int16_t* f : {&o.DisplayModeSub, &o.KeyLock, &o.ClearMemLock, &o.MicLock, &o.SetupLock, &o.TxSpread,
                       &o.ARTS, &o.CLKShift, &o.RightBandKey, &o.Beep, &o.NoSigTailElim, &o.SQLKeyFun,
                       &o.PowerOnPWEnable})
        *f = 1;
    o.DisplayManner = 1;
    o.LongPressTime = 20;
    o.PowerOnPassWord = "1234567";
    o.PowerOnText = "HELLO RADIO 14";
    o.Scrambler1 = 40000;
    o.Scrambler2 = 12345;
    CurData.BeepVolume = 1;
    CurData.ExtSpeaker = 1;
    CurData.FunSet.DTMF.DTMFPreDelay = 4;
    CurData.FunSet.DTMF.DTMFSendTime = 6;

    for (int b : {0, 1}) {
        HyperSetData& h = CurData.Hyper[b].Setting;
        int16_t hv = static_cast<int16_t>(2 + b);
        for (int16_t* f : {&h.DisplayMode, &h.ModeL, &h.ModeR, &h.NormalIDL, &h.NormalIDR, &h.VFOBandL,
                           &h.VFOBandR, &h.SubDisplay})
            *f = hv++;
        for (int16_t* f : {&h.VFOTrack, &h.HyperAutoSave, &h.AutoRepeaterSplit, &h.AMAuto, &h.VFOBandEdge,
                           &h.TVBackground, &h.TVPriority, &h.TVFunction, &h.TVOpen, &h.RelayMode})
            *f = 1;
        h.MainSel = 0;
        CurData.HyperMode[b] = static_cast<int16_t>(1 + b);
    }
    CurData.NoteIndex = 11;

    CurData.FunSet.Scan = ScanData{1, 3, 2, 9, 8, 7, 6, 3, 1, 5, 757, 12};
    CurData.FunSet.Alert = AlertData{3, 2, 15, 200, 100, 50, 1, 757, 60, 1, 30, 90};
    for (int i = 0; i < kNoteCount; ++i) CurData.Note[i] = "N" + std::to_string(i) + "X";
    for (int i = 0; i < kCommuBookSize; ++i) {
        CurData.CommuBook[i].CallID = std::to_string(10000 + i * 7);
        CurData.CommuBook[i].Name = "P" + std::to_string(i);
    }
}

}  // namespace

TEST_F(ImageCodecTest, BlankPattern) {
    CommData.fill(0x5A);
    InitCommData();
    for (std::size_t a = 0; a < 0x8000; ++a) {
        uint8_t expected = 0x00;
        if (a < 0x0010) expected = 0x5A;  // factory test data survives
        else if (a >= 0x0100 && a <= 0x027F) expected = 0xFF;
        else if (a >= 0x0380 && a <= 0x039F) expected = 0xFF;
        ASSERT_EQ(CommData[a], expected) << "address " << a;
    }
}

TEST_F(ImageCodecTest, BlankImageDecodesAsEmpty) {
    GetDataByComm();
    EXPECT_EQ(CurData.CHCount, 0);
    for (const auto& l : CurData.LimitCH) EXPECT_EQ(l.UsedFlag, 0);
    for (int16_t bank : {0, 1})
        for (int16_t row = 1; row <= 12; ++row) EXPECT_EQ(GetHyperChannel(row, bank).UsedFlag, 0) << row;
}

TEST_F(ImageCodecTest, RichConfigurationSurvivesAWriteAndARead) {
    MakeRichConfiguration();
    ScriptedPrompts noPrompts;
    SetCommData();
    ASSERT_TRUE(WriteDataOK);
    const RadioData written = CurData;
    std::array<UFreData, kMaxChannels> writtenList = UFreList;

    // Everything the image carries is forgotten, then read back.
    InitRadioData();
    CurData.CHCount = 0;
    UFreList = {};
    GetDataByComm();

    ASSERT_EQ(CurData.CHCount, 5);
    const int16_t order[] = {1, 2, 57, 300, 758};
    for (int i = 0; i < 5; ++i) {
        const auto& w = *std::find_if(writtenList.begin(), writtenList.begin() + 5,
                                      [&](const UFreData& c) { return c.CHNo == order[i]; });
        EXPECT_EQ(UFreList[i], AsReadBack(w)) << "channel " << order[i];
    }
    for (int j = 0; j < kLimitChannels; ++j)
        if (j % 2 == 0)
            EXPECT_EQ(CurData.LimitCH[j], AsReadBack(written.LimitCH[j])) << "limit " << j + 1;
        else
            EXPECT_EQ(CurData.LimitCH[j].UsedFlag, 0);
    for (int b : {0, 1}) {
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(CurData.Hyper[b].CH[i], AsReadBack(written.Hyper[b].CH[i]));
            EXPECT_EQ(CurData.Hyper[b].HCH[6 + i], AsReadBack(written.Hyper[b].HCH[6 + i]));
        }
        EXPECT_EQ(CurData.Hyper[b].Setting, written.Hyper[b].Setting);
    }
    OptionData o = written.FunSet.Option;
    o.PowerOnText = o.PowerOnText.value();  // a full area comes back without a NUL
    o.PowerOnPassWord = o.PowerOnPassWord.value();
    o.AMEnable = CurData.FunSet.Option.AMEnable;  // not in the image
    EXPECT_EQ(CurData.FunSet.Option, o);
    EXPECT_EQ(CurData.BeepVolume, 1);
    EXPECT_EQ(CurData.ExtSpeaker, 1);
    EXPECT_EQ(CurData.FunSet.DTMF.DTMFPreDelay, 4);
    EXPECT_EQ(CurData.FunSet.DTMF.DTMFSendTime, 6);
    EXPECT_EQ(CurData.HyperMode, written.HyperMode);
    EXPECT_EQ(CurData.NoteIndex, 11);
    EXPECT_EQ(CurData.FunSet.Scan, written.FunSet.Scan);
    EXPECT_EQ(CurData.FunSet.Alert, written.FunSet.Alert);
    for (int i = 0; i < kNoteCount; ++i) EXPECT_EQ(CurData.Note[i].value(), written.Note[i].value());
    for (int i = 0; i < kCommuBookSize; ++i) {
        EXPECT_EQ(CurData.CommuBook[i].No, i);
        EXPECT_EQ(CurData.CommuBook[i].CallID.value(), written.CommuBook[i].CallID.value());
        EXPECT_EQ(CurData.CommuBook[i].Name.value(), written.CommuBook[i].Name.value());
    }

    // And the image of the read data is the same image.
    const auto first = CommData;
    InitCommData();
    WriteDataOK = true;
    SetCommData();
    EXPECT_TRUE(WriteDataOK);
    EXPECT_TRUE(std::equal(first.begin() + 0x100, first.end(), CommData.begin() + 0x100));
}

TEST_F(ImageCodecTest, RadioBytesGoBackAsTheyCame) {
    // Words of erased memory and bytes outside the dialogs' lists.
    AlertEnable = -1;
    ScanEnable = -1;
    InitCommData();
    std::fill(CommData.begin() + 0x0280, CommData.begin() + 0x02A0, 0xFF);
    CommData[0x028E] = 0xFA;  // LongPressTime must be a multiple of 10 to come back
    CommData[0x0290] = CommData[0x0291] = 0xBF;  // bit 6 is always 0
    std::fill(CommData.begin() + 0x02B0, CommData.begin() + 0x02BC, 0xFF);
    std::fill(CommData.begin() + 0x03A0, CommData.begin() + 0x03AD, 0xFF);
    std::fill(CommData.begin() + 0x03B0, CommData.begin() + 0x03BE, 0xFF);
    const uint8_t slot[32] = {0x01, 0x45, 0x12, 0x50, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                              0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'A', 'B', 0x20, 0x20,
                              0x20, 0x20, 0x20, 0xFF, 0xFF};
    std::copy(std::begin(slot), std::end(slot), CommData.begin() + 0x2000);
    CommData[0x0100] = 0xF0;
    const auto radio = CommData;

    GetDataByComm();
    EXPECT_EQ(CurData.FunSet.Option.Scrambler1, 65535);
    EXPECT_EQ(CurData.Hyper[0].Setting.NormalIDL, -1);
    EXPECT_EQ(CurData.FunSet.Scan.PriorityCH1, -1);
    EXPECT_EQ(CurData.FunSet.Alert.EmgCHNo, -1);
    EXPECT_EQ(UFreList[0].UserCTCSS, -1);
    EXPECT_EQ(UFreList[0].De_DCSCode, 511);

    InitCommData();
    WriteDataOK = true;
    SetCommData();
    ASSERT_TRUE(WriteDataOK);
    for (std::size_t a : {0x0280u, 0x029Cu, 0x029Fu, 0x0290u, 0x02B4u, 0x02BAu, 0x03A7u, 0x03BAu, 0x03BDu})
        EXPECT_EQ(CommData[a], radio[a]) << "address " << a;
    for (std::size_t a = 0x2000; a < 0x2020; ++a)
        if (a != 0x2000 + 17) {
            EXPECT_EQ(CommData[a], radio[a]) << "slot byte " << a - 0x2000;
        }
}

TEST_F(ImageCodecTest, ChannelFailureStopsEverythingElse) {
    UFreData bad = PlainChannel(1);
    bad.RxFre = "0145G2500";
    AddChannel(bad);
    CurData.Note[0] = "A";
    ScriptedPrompts prompts;
    prompts.expectAny(Answer::Ok);
    SetCommData();
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_EQ(prompts.asked().front().text.rfind("SetCommDataByFrequencyError", 0), 0u);
    EXPECT_FALSE(WriteDataOK);
    EXPECT_EQ(CommData[0x02B2 + 11], 0x00);  // hyper settings blank
    EXPECT_EQ(CommData[0x03E0], 0x00);        // power-on text blank
    EXPECT_EQ(CommData[0x0C80], 0x00);        // event records blank
    EXPECT_EQ(CommData[0x1CA0], 0x00);        // contact book blank
}

TEST_F(ImageCodecTest, FiveToneFailureLeavesLaterSignallingBlankButEncodesTheRest) {
    Tone5Code& code = CurData.FunSet.Tone5.Tone5List[1];
    code.EmptyFlag = 0;
    code.Code = "12G45";
    code.CodeLen = 5;
    CurData.Note[0] = "A";
    CurData.CommuBook[0].Name = "BOB";
    ScriptedPrompts prompts;
    prompts.expectAny(Answer::Ok);
    SetCommData();
    ASSERT_TRUE(prompts.allAnswered());
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked().front().text.rfind("SetCommDataBy5ToneError", 0), 0u);
    EXPECT_FALSE(WriteDataOK);
    EXPECT_EQ(CommData[0x03E0], 'W');    // options
    EXPECT_EQ(CommData[0x02BD], 0x04);   // hyper settings (MainSel)
    EXPECT_EQ(CommData[0x02CD], 0x04);
    EXPECT_EQ(CommData[0x0C80], 0x0A);   // event records
    EXPECT_EQ(CommData[0x1CA0], 0x00);   // contact book not written
    EXPECT_EQ(CommData[0x0300], 0x00);   // two-tone header not written
    EXPECT_EQ(CommData[0x02E0], 0x00);   // DTMF not written
}

TEST_F(ImageCodecTest, ScanAreaTravelsOnlyWhileScanIsEnabled) {
    CurData.FunSet.Scan.ScanMode = 1;
    CurData.FunSet.Alert.AlarmType = 2;
    SetCommData();
    EXPECT_EQ(CommData[0x03B0], 0x00);
    EXPECT_EQ(CommData[0x03A0], 0x02);

    CommData[0x03B0] = 0;
    CommData[0x03A0] = 3;
    GetDataByComm();
    EXPECT_EQ(CurData.FunSet.Scan.ScanMode, 1);
    EXPECT_EQ(CurData.FunSet.Alert.AlarmType, 3);

    AlertEnable = 0;
    CommData[0x03A0] = 1;
    GetDataByComm();
    EXPECT_EQ(CurData.FunSet.Alert.AlarmType, 3);
}

TEST_F(ImageCodecTest, RadioBandBecomesTheBandPlan) {
    const auto plan0Text = FreLimitText;
    const auto plan0Hyper = HyperRangeText;
    RadioBand = 1;
    SetBandByRadio();
    EXPECT_EQ(PCBand, 1);
    EXPECT_NE(FreLimitText, plan0Text);
    EXPECT_NE(HyperRangeText, plan0Hyper);
    const auto fromRadio = FreLimitText;
    const auto hyperFromRadio = HyperRangeText;
    SetBandByType(1);
    InitHyperRange();
    EXPECT_EQ(FreLimitText, fromRadio);
    EXPECT_EQ(HyperRangeText, hyperFromRadio);
}
