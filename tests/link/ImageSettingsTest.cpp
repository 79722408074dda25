#include <functional>

#include "ImageFixture.h"
#include "ScriptedPrompts.h"
#include "link/ImageAreas.h"

using platform::Answer;
using platform::Buttons;

namespace {
class ImageSettingsTest : public ImageFixture {};

// A text read back ends with a NUL where the image area ended early.
OptionData TextsByValue(OptionData o) {
    o.PowerOnText = o.PowerOnText.value();
    o.PowerOnPassWord = o.PowerOnPassWord.value();
    return o;
}
}  // namespace

TEST_F(ImageSettingsTest, OptionBitBytes) {
    struct Case {
        const char* name;
        std::function<void()> set;
        std::size_t addr;
        uint8_t byte;
    };
    OptionData& o = CurData.FunSet.Option;
    const Case cases[] = {
        {"TxSpread", [&] { o.TxSpread = 1; }, 0x0290, 0x01},
        {"SetupLock", [&] { o.SetupLock = 1; }, 0x0290, 0x02},
        {"MicLock", [&] { o.MicLock = 1; }, 0x0290, 0x04},
        {"ClearMemLock", [&] { o.ClearMemLock = 1; }, 0x0290, 0x08},
        {"BeepVolume", [&] { CurData.BeepVolume = 1; }, 0x0290, 0x10},
        {"KeyLock", [&] { o.KeyLock = 1; }, 0x0290, 0x20},
        {"DisplayModeSub", [&] { o.DisplayModeSub = 1; }, 0x0290, 0x80},
        {"BeepVolume and TxSpread", [&] { CurData.BeepVolume = 1; o.TxSpread = 1; }, 0x0290, 0x11},
        {"SQLKeyFun", [&] { o.SQLKeyFun = 1; }, 0x0291, 0x01},
        {"NoSigTailElim", [&] { o.NoSigTailElim = 1; }, 0x0291, 0x02},
        {"Beep", [&] { o.Beep = 1; }, 0x0291, 0x04},
        {"RightBandKey", [&] { o.RightBandKey = 1; }, 0x0291, 0x08},
        {"ExtSpeaker", [&] { CurData.ExtSpeaker = 1; }, 0x0291, 0x10},
        {"CLKShift", [&] { o.CLKShift = 1; }, 0x0291, 0x20},
        {"ARTS", [&] { o.ARTS = 1; }, 0x0291, 0x80},
    };
    for (const auto& c : cases) {
        SetUp();
        c.set();
        const RadioData expected = CurData;
        SetCommDataByOption();
        ASSERT_TRUE(WriteDataOK) << c.name;
        EXPECT_EQ(CommData[c.addr], c.byte) << c.name;
        EXPECT_EQ(CommData[c.addr ^ 1], 0) << c.name;  // the other bit byte
        CurData = RadioData{};
        GetOptionByCommData();
        EXPECT_EQ(TextsByValue(CurData.FunSet.Option), TextsByValue(expected.FunSet.Option)) << c.name;
        EXPECT_EQ(CurData.BeepVolume, expected.BeepVolume) << c.name;
        EXPECT_EQ(CurData.ExtSpeaker, expected.ExtSpeaker) << c.name;
    }
}

TEST_F(ImageSettingsTest, OptionBytesWordsAndTexts) {
    OptionData& o = CurData.FunSet.Option;
    o.DisplayMode = 1;
    o.RFSqlRight = 4;
    o.LongPressTime = 25;
    o.Scrambler1 = 8192;
    o.Scrambler2 = 65535;
    o.PowerOnPassWord = std::string("1234\0", 5);
    CurData.FunSet.DTMF.DTMFPreDelay = 4;
    CurData.FunSet.DTMF.DTMFSendTime = 6;
    SetCommDataByOption();
    ASSERT_TRUE(WriteDataOK);
    EXPECT_EQ(CommData[0x0280], 1);
    EXPECT_EQ(CommData[0x028E], 0xFA);
    EXPECT_EQ(Bytes(0x0292, 2), (std::vector<uint8_t>{4, 6}));
    EXPECT_EQ(CommData[0x029B], 4);
    EXPECT_EQ(Bytes(0x029C, 4), (std::vector<uint8_t>{0x00, 0x20, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(0x03E0, 14), (std::vector<uint8_t>{'W', 'e', 'l', 'c', 'o', 'm', 'e', 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(0x02D0, 7), (std::vector<uint8_t>{'1', '2', '3', '4', 0, 0, 0}));

    const OptionData expected = o;
    CurData.FunSet.Option = OptionData{};
    GetOptionByCommData();
    EXPECT_EQ(o.LongPressTime, 25);
    EXPECT_EQ(o.Scrambler1, 8192);
    EXPECT_EQ(o.Scrambler2, 65535);  // unsigned, not -1
    EXPECT_EQ(o.PowerOnText.value(), "Welcome");
    EXPECT_EQ(o.PowerOnPassWord.value(), "1234");
    EXPECT_EQ(TextsByValue(o), TextsByValue(expected));

    // Radio bytes outside the dialog's lists come in as they are.
    CommData[0x028E] = 0xFF;
    const uint8_t text[] = {'H', 'I', 0xFF, 'X'};
    std::copy(std::begin(text), std::end(text), CommData.begin() + 0x03E0);
    GetOptionByCommData();
    EXPECT_EQ(o.LongPressTime, 25);
    EXPECT_EQ(o.PowerOnText.value(), "HI");
}

TEST_F(ImageSettingsTest, OptionValuesThatDoNotFitFailTheEncoder) {
    struct Case {
        std::function<void(OptionData&)> set;
        const char* detail;
    };
    const Case cases[] = {
        {[](OptionData& o) { o.LongPressTime = 26; }, "options, LongPressTime: 260 is outside 0..255"},
        {[](OptionData& o) { o.TOT = -1; }, "options, TOT: -1 is outside 0..255"},
        {[](OptionData& o) { o.KeyLock = 2; }, "options, KeyLock: 2 is outside 0..1"},
        {[](OptionData& o) { o.Scrambler1 = 65536; }, "options, Scrambler1: 65536 is outside 0..65535"},
    };
    for (const auto& c : cases) {
        SetUp();
        c.set(CurData.FunSet.Option);
        ScriptedPrompts prompts;
        prompts.expect(std::string("SetCommDataByOptionError\n") + c.detail, Buttons::Ok, Answer::Ok,
                       platform::Icon::None, true);
        SetCommDataByOption();
        EXPECT_TRUE(prompts.allAnswered());
        EXPECT_FALSE(WriteDataOK);
    }
}

TEST_F(ImageSettingsTest, HyperSettingsAndTheNoteIndexPlace) {
    HyperSetData& h = CurData.Hyper[1].Setting;
    h.DisplayMode = 2;
    h.ModeL = 1;
    h.ModeR = 3;
    h.SubDisplay = 4;
    h.NormalIDL = 757;
    h.NormalIDR = -1;  // a radio word 0xFFFF read earlier
    h.VFOBandL = 3;
    h.VFOBandR = 7;
    h.HomeReturnL = 5;  // not in the image
    h.VFOBandEdge = h.MainSel = h.AMAuto = h.AutoRepeaterSplit = h.HyperAutoSave = h.VFOTrack = 1;
    h.TVFunction = h.TVPriority = h.TVBackground = h.TVOpen = h.RelayMode = 1;
    CurData.HyperMode[1] = 2;
    CurData.FunSet.Option.DisplayManner = 1;
    CurData.NoteIndex = 5;
    SetCommDataByHyperSet(1);
    SetCommDataByHyperSet(2);
    ASSERT_TRUE(WriteDataOK);
    EXPECT_EQ(Bytes(0x02C0, 16), (std::vector<uint8_t>{2, 1, 3, 4, 0xF5, 0x02, 0xFF, 0xFF, 5, 2, 3, 7, 0,
                                                       0x7E, 0x1F, 0}));
    EXPECT_EQ(CommData[0x02B8], 0);
    EXPECT_EQ(CommData[0x02B2 + 11], 0x04);  // bank 1 MainSel default

    const RadioData expected = CurData;
    CurData.NoteIndex = 0;
    CurData.HyperMode = {};
    CurData.Hyper[1].Setting = HyperSetData{};
    CurData.Hyper[1].Setting.HomeReturnL = 5;
    CurData.Hyper[1].Setting.HomeReturnR = 0;
    GetHyperSetByCommData(1);
    GetHyperSetByCommData(2);
    EXPECT_EQ(CurData.Hyper[1].Setting, expected.Hyper[1].Setting);
    EXPECT_EQ(CurData.Hyper[0].Setting, expected.Hyper[0].Setting);
    EXPECT_EQ(CurData.HyperMode, expected.HyperMode);
    EXPECT_EQ(CurData.NoteIndex, 5);

    // With display manner 0 the index lives in bank 1's area.
    CommData[0x02B8] = 9;
    CurData.FunSet.Option.DisplayManner = 0;
    GetHyperSetByCommData(2);
    EXPECT_EQ(CurData.NoteIndex, 5);
    GetHyperSetByCommData(1);
    EXPECT_EQ(CurData.NoteIndex, 9);
}

TEST_F(ImageSettingsTest, DamagedHyperSettingStopsTheWriteWithOneBox) {
    CurData.Hyper[0].Setting.VFOTrack = 2;
    ScriptedPrompts prompts;
    prompts.expect("SetCommDataByHyperSetError\nhyper bank 1, VFOTrack: 2 is outside 0..1", Buttons::Ok,
                   Answer::Ok);
    SetCommDataByHyperSet(1);
    EXPECT_FALSE(WriteDataOK);
    SetCommDataByHyperSet(1);  // a later failure of the same write shows nothing
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(ImageSettingsTest, ScanAndAlertAreas) {
    ScanData& s = CurData.FunSet.Scan;
    s = ScanData{1, 3, 2, 5, 6, 7, 8, 3, 1, 4, 757, -1};
    AlertData& a = CurData.FunSet.Alert;
    a = AlertData{3, 2, 99, 10, 20, 30, 1, 300, 255, 1, 254, 5};
    SetCommDataByScan();
    SetCommDataByAlert();
    EXPECT_EQ(Bytes(0x03B0, 14), (std::vector<uint8_t>{1, 3, 2, 5, 6, 7, 8, 3, 1, 4, 0xF5, 0x02, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(0x03A0, 13), (std::vector<uint8_t>{3, 2, 99, 10, 20, 30, 1, 0x2C, 0x01, 255, 1, 254, 5}));
    const FunSetData expected = CurData.FunSet;
    s = ScanData{};
    a = AlertData{};
    GetScanByCommData();
    GetAlertByCommData();
    EXPECT_EQ(s, expected.Scan);
    EXPECT_EQ(a, expected.Alert);
}

TEST_F(ImageSettingsTest, EventRecords) {
    CurData.Note[0] = "AB-1";
    CurData.Note[1] = "Z9Y8X7W6";  // 8 characters: the last is lost on the way back
    CurData.Note[2] = "ab";
    SetCommDataByNote();
    EXPECT_EQ(Bytes(0x0C80, 8), (std::vector<uint8_t>{0x0A, 0x0B, 0x24, 0x01, 0x24, 0x24, 0x24, 0x24}));
    EXPECT_EQ(Bytes(0x0C88, 8), (std::vector<uint8_t>{35, 9, 34, 8, 33, 7, 32, 6}));
    EXPECT_EQ(Bytes(0x0C90, 2), (std::vector<uint8_t>{0x24, 0x24}));
    EXPECT_EQ(Bytes(0x0CF8, 8), std::vector<uint8_t>(8, 0x24));  // empty record 15
    GetNoteByCommData();
    EXPECT_EQ(CurData.Note[0].value(), "AB");
    EXPECT_EQ(CurData.Note[1].value(), "Z9Y8X7W");
    EXPECT_EQ(CurData.Note[2].value(), "");
    EXPECT_EQ(CurData.Note[15].value(), "");
}

TEST_F(ImageSettingsTest, ContactBook) {
    auto& book = CurData.CommuBook;
    book[0].CallID = std::string("123\0", 4);
    book[0].Name = "BOB";
    book[1].CallID = std::string("12A\0", 4);  // sorts, but is no number
    book[1].Name = "X";
    book[2].CallID = "12345";
    book[2].Name = "ABCDEFG";
    SetCommDataByDTMFCommuBook();
    ASSERT_TRUE(WriteDataOK);
    // Sorted: 12345, 123, 12A, then the empty ones.
    EXPECT_EQ(book[0].CallID.value(), "12345");
    EXPECT_EQ(book[1].Name.value(), "BOB");
    EXPECT_EQ(book[2].Name.value(), "X");
    for (int i = 0; i < 100; ++i) EXPECT_EQ(book[i].No, i);
    EXPECT_EQ(Bytes(0x1980, 8), (std::vector<uint8_t>{'1', '2', '3', '4', '5', 0, 0, 0}));
    EXPECT_EQ(Bytes(0x1988, 8), (std::vector<uint8_t>{0x31, 0x32, 0x33, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(0x1990, 8), std::vector<uint8_t>(8, 0));
    EXPECT_EQ(Bytes(0x1CA0, 8), (std::vector<uint8_t>{'A', 'B', 'C', 'D', 'E', 'F', 'G', 0x20}));
    EXPECT_EQ(Bytes(0x1CA8, 8), (std::vector<uint8_t>{0x42, 0x4F, 0x42, 0x20, 0x20, 0x20, 0x20, 0x20}));
    EXPECT_EQ(Bytes(0x1CA0 + 8 * 99, 8), std::vector<uint8_t>(8, 0x20));

    GetDTMFCommuBookByCommData();
    EXPECT_EQ(book[0].CallID.value(), "12345");
    EXPECT_EQ(book[0].Name.value(), "ABCDEFG");
    EXPECT_EQ(book[1].CallID.value(), "123");
    EXPECT_EQ(book[1].Name.value(), "BOB");
    EXPECT_EQ(book[2].CallID.value(), "");
    EXPECT_EQ(book[99].Name.value(), "");

    // A radio name ends at 0xFF or 0x00 and loses its trailing blanks.
    const uint8_t name[] = {'A', ' ', 0xFF, 'B', 0, 0, 0, 0};
    std::copy(std::begin(name), std::end(name), CommData.begin() + 0x1CA0);
    GetDTMFCommuBookByCommData();
    EXPECT_EQ(book[0].Name.value(), "A");
}

TEST_F(ImageSettingsTest, ContactBookKeyThatIsNoNumberFailsTheEncoder) {
    CurData.CommuBook[7].CallID = std::string("12G\0", 4);
    const auto before = CurData.CommuBook;
    ScriptedPrompts prompts;
    prompts.expect("SetCommDataByDTMFCommuBookError\ncontact entry 7: call ID \"12G\" is not a number",
                   Buttons::Ok, Answer::Ok);
    SetCommDataByDTMFCommuBook();
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_FALSE(WriteDataOK);
    EXPECT_EQ(CurData.CommuBook, before);
    EXPECT_EQ(Bytes(0x1CA0, 8), std::vector<uint8_t>(8, 0));
}
