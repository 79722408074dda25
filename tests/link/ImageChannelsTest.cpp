#include <functional>

#include "ScriptedPrompts.h"
#include "core/HyperChannel.h"
#include "link/ImageAreas.h"
#include "link/ImageChannels.h"
#include "ImageFixture.h"

using platform::Answer;
using platform::Buttons;

namespace {

class ImageChannelsTest : public ImageFixture {};

constexpr std::size_t kSlot0 = 0x2000;

// Reads normal channel 1 back from the image.
UFreData ReadBackChannel1() {
    GetFrequencyByCommData();
    EXPECT_EQ(CurData.CHCount, 1);
    return UFreList[0];
}

}  // namespace

TEST_F(ImageChannelsTest, EachFieldHasItsBitsAndComesBack) {
    struct Case {
        const char* name;
        std::function<void(UFreData&)> set;
        std::size_t offset;
        uint8_t byte;
    };
    const Case cases[] = {
        {"StepIndex", [](UFreData& c) { c.StepIndex = 9; }, 8, 0x09},
        {"TxInhibit", [](UFreData& c) { c.TxInhibit = 1; }, 9, 0x01},
        {"Reverse", [](UFreData& c) { c.Reverse = 1; }, 9, 0x02},
        {"Bandwidth 2", [](UFreData& c) { c.Bandwidth = 2; }, 9, 0x08},
        {"Bandwidth 3 fits its bits", [](UFreData& c) { c.Bandwidth = 3; }, 9, 0x0C},
        {"En_DCSInvert", [](UFreData& c) { c.En_DCSInvert = 1; }, 9, 0x10},
        {"De_DCSInvert", [](UFreData& c) { c.De_DCSInvert = 1; }, 9, 0x20},
        {"En_DCSCode bit 8", [](UFreData& c) { c.En_DCSCode = 0x1A5; }, 9, 0x40},
        {"En_DCSCode low byte", [](UFreData& c) { c.En_DCSCode = 0x1A5; }, 14, 0xA5},
        {"De_DCSCode bit 8", [](UFreData& c) { c.De_DCSCode = 0x100; }, 9, 0x80},
        {"De_DCSCode low byte", [](UFreData& c) { c.De_DCSCode = 0x1FF; }, 15, 0xFF},
        {"ShiftDir", [](UFreData& c) { c.ShiftDir = 2; }, 10, 0x02},
        {"ShiftDir 3 fits its bits", [](UFreData& c) { c.ShiftDir = 3; }, 10, 0x03},
        {"TxPower", [](UFreData& c) { c.TxPower = 3; }, 10, 0x0C},
        {"Modulation", [](UFreData& c) { c.Modulation = 1; }, 10, 0x10},
        {"AMAuto", [](UFreData& c) { c.AMAuto = 1; }, 10, 0x20},
        {"Compander", [](UFreData& c) { c.Compander = 1; }, 10, 0x40},
        {"TalkAround", [](UFreData& c) { c.TalkAround = 1; }, 10, 0x80},
        {"En_CTC_Type", [](UFreData& c) { c.En_CTC_Type = 2; }, 11, 0x02},
        {"De_CTC_Type", [](UFreData& c) { c.De_CTC_Type = 2; }, 11, 0x08},
        {"DTMFCodeNo", [](UFreData& c) { c.DTMFCodeNo = 15; }, 11, 0xF0},
        {"En_CTCSS", [](UFreData& c) { c.En_CTCSS = 51; }, 12, 51},
        {"De_CTCSS", [](UFreData& c) { c.De_CTCSS = 50; }, 13, 50},
        {"BusyLock", [](UFreData& c) { c.BusyLock = 2; }, 16, 0x02},
        {"BusyLock 15 fits its bits", [](UFreData& c) { c.BusyLock = 15; }, 16, 0x0F},
        {"PTTIDType", [](UFreData& c) { c.PTTIDType = 3; }, 16, 0x30},
        {"SQLMode", [](UFreData& c) { c.SQLMode = 4; }, 18, 4},
        {"OptSig", [](UFreData& c) { c.OptSig = 3; }, 19, 3},
        {"Tone2No", [](UFreData& c) { c.Tone2No = 23; }, 20, 23},
        {"Tone5No", [](UFreData& c) { c.Tone5No = 99; }, 21, 99},
        {"Scrambler", [](UFreData& c) { c.Scrambler = 11; }, 22, 11},
        {"UserCTCSS low", [](UFreData& c) { c.UserCTCSS = 1511; }, 30, 0xE7},
        {"UserCTCSS high", [](UFreData& c) { c.UserCTCSS = 1511; }, 31, 0x05},
        {"UserCTCSS of a radio word 0xFFFF", [](UFreData& c) { c.UserCTCSS = -1; }, 31, 0xFF},
    };
    for (const auto& c : cases) {
        SetUp();
        UFreData ch = PlainChannel(1);
        c.set(ch);
        AddChannel(ch);
        SetCommDataByFrequency();
        ASSERT_TRUE(WriteDataOK) << c.name;
        EXPECT_EQ(CommData[kSlot0 + c.offset], c.byte) << c.name;
        for (std::size_t flagByte : {9u, 10u, 11u, 16u}) {
            if (flagByte != c.offset && !(c.offset == 14 && flagByte == 9) &&
                !(c.offset == 15 && flagByte == 9)) {
                EXPECT_EQ(CommData[kSlot0 + flagByte], 0) << c.name << " leaks into byte " << flagByte;
            }
        }

        UFreData expected = ch;
        expected.Reserved1 = static_cast<int16_t>(ch.En_DCSCode >> 8);
        expected.Reserved2 = static_cast<int16_t>(ch.De_DCSCode >> 8);
        expected.ScanSkip = 0;
        expected.CHName = std::string(1, '\0');
        EXPECT_EQ(ReadBackChannel1(), expected) << c.name;
    }
}

TEST_F(ImageChannelsTest, EncodingKeepsBit8OfTheDCSCodesInTheRecord) {
    UFreData ch = PlainChannel(1);
    ch.En_DCSCode = 0x1A5;
    ch.De_DCSCode = 0x023;
    ch.Reserved2 = 1;  // stale
    AddChannel(ch);
    SetCommDataByFrequency();
    EXPECT_EQ(UFreList[0].Reserved1, 1);
    EXPECT_EQ(UFreList[0].Reserved2, 0);
}

// A channel takes bit 8 of its DCS codes once its nibble and the bytes
// before byte 9 fit: refused for a field from byte 9 on, it holds them for the
// save that may follow; refused earlier, it keeps what it held.
TEST_F(ImageChannelsTest, ARefusedChannelHoldsTheDCSBitsWhenAFieldFromByte9OnFails) {
    struct List {
        const char* name;
        void (*put)(const UFreData&);
        UFreData (*get)();
    };
    const List lists[] = {
        {"normal", [](const UFreData& c) { AddChannel(c); }, [] { return UFreList[0]; }},
        {"limit", [](const UFreData& c) { CurData.LimitCH[3] = c; }, [] { return CurData.LimitCH[3]; }},
        {"hyper", [](const UFreData& c) { SetHyperChannel(9, 1, c); }, [] { return GetHyperChannel(9, 1); }},
    };
    struct Field {
        const char* field;
        void (*spoil)(UFreData&);
        bool bitsTaken;
    };
    const Field fields[] = {
        {"Bandwidth", [](UFreData& c) { c.Bandwidth = 4; }, true},
        {"TxPower", [](UFreData& c) { c.TxPower = 4; }, true},
        {"En_CTCSS", [](UFreData& c) { c.En_CTCSS = 256; }, true},
        {"Tone5No", [](UFreData& c) { c.Tone5No = 300; }, true},
        {"StepIndex", [](UFreData& c) { c.StepIndex = 256; }, false},
        {"RxFre", [](UFreData& c) { c.RxFre = "01A512500"; }, false},
    };
    for (const List& l : lists)
        for (const Field& f : fields) {
            SetUp();
            const std::string what = std::string(l.name) + ", " + f.field;
            UFreData ch = PlainChannel(4);
            ch.En_DCSCode = 0x1A5;
            ch.De_DCSCode = 0x123;  // Reserved1 and Reserved2 stale at 0
            f.spoil(ch);
            l.put(ch);
            ScriptedPrompts prompts;
            prompts.expectAny(Answer::Ok);
            SetCommDataByFrequency();
            ASSERT_EQ(prompts.asked().size(), 1u) << what;
            EXPECT_NE(prompts.asked()[0].text.find(std::string(", ") + f.field + ":"), std::string::npos)
                << what << ": " << prompts.asked()[0].text;
            EXPECT_FALSE(WriteDataOK) << what;
            const UFreData after = l.get();
            EXPECT_EQ(after.Reserved1, f.bitsTaken ? 1 : 0) << what;
            EXPECT_EQ(after.Reserved2, f.bitsTaken ? 1 : 0) << what;
        }
}

TEST_F(ImageChannelsTest, FrequencyCodesPackAsBCDAndRestoreThe10HzDigit) {
    struct Case {
        const char* rx;
        std::vector<uint8_t> bytes;
        const char* readBack;  // nullptr: the slot reads as empty
    };
    const Case cases[] = {
        {"014512500", {0x01, 0x45, 0x12, 0x50}, "014512500"},
        {"014500625", {0x01, 0x45, 0x00, 0x62}, "014500625"},  // 6.25 kHz raster
        {"011801666", {0x01, 0x18, 0x01, 0x66}, "011801666"},  // 8.33 kHz raster
        {"014500033", {0x01, 0x45, 0x00, 0x03}, "014500033"},
        {"014500075", {0x01, 0x45, 0x00, 0x07}, "014500075"},
        {"014500015", {0x01, 0x45, 0x00, 0x01}, "014500010"},  // off raster: 10 Hz lost
        {"0145", {0x01, 0x45, 0x00, 0x00}, "014500000"},        // short code padded on the right
        {"FFFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF}, nullptr},
        {"", {0xFF, 0xFF, 0xFF, 0xFF}, nullptr},
    };
    for (const auto& c : cases) {
        SetUp();
        UFreData ch = PlainChannel(1);
        ch.RxFre = c.rx;
        AddChannel(ch);
        SetCommDataByFrequency();
        ASSERT_TRUE(WriteDataOK) << c.rx;
        EXPECT_EQ(Bytes(kSlot0, 4), c.bytes) << c.rx;
        GetFrequencyByCommData();
        if (c.readBack) {
            ASSERT_EQ(CurData.CHCount, 1) << c.rx;
            EXPECT_EQ(UFreList[0].RxFre.value(), c.readBack) << c.rx;
        } else {
            EXPECT_EQ(CurData.CHCount, 0) << c.rx;
        }
    }
}

TEST_F(ImageChannelsTest, OffsetCodes) {
    struct Case {
        std::string offset;
        std::vector<uint8_t> bytes;
        const char* readBack;
    };
    const Case cases[] = {
        {"000600000", {0x00, 0x06, 0x00, 0x00}, "000600000"},
        {"", {0x00, 0x00, 0x00, 0x00}, "000000000"},
        {"0        ", {0x00, 0x00, 0x00, 0x00}, "000000000"},  // found in existing files
        {"FFFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF}, "000000000"},  // not decimal: reads as none
    };
    for (const auto& c : cases) {
        SetUp();
        UFreData ch = PlainChannel(1);
        ch.OffsetFre = c.offset;
        AddChannel(ch);
        SetCommDataByFrequency();
        ASSERT_TRUE(WriteDataOK) << c.offset;
        EXPECT_EQ(Bytes(kSlot0 + 4, 4), c.bytes) << c.offset;
        EXPECT_EQ(ReadBackChannel1().OffsetFre.value(), c.readBack) << c.offset;
    }
}

TEST_F(ImageChannelsTest, FlagNibbleSaysStandardUsedAndScanSkip) {
    UFreData ch1 = PlainChannel(1);  // 145.125 MHz: standard
    UFreData ch2 = PlainChannel(2);
    ch2.RxFre = "030000000";  // 300 MHz: between the standard ranges
    ch2.ScanSkip = 1;
    UFreData ch3 = PlainChannel(3);
    ch3.UsedFlag = 0;  // listed but not used
    ch3.ScanSkip = 2;
    AddChannel(ch1);
    AddChannel(ch2);
    AddChannel(ch3);
    ch1.OffsetFre = "000060000";
    UFreList[0] = ch1;
    SetCommDataByFrequency();
    ASSERT_TRUE(WriteDataOK);
    EXPECT_EQ(Bytes(kSlot0, 8), (std::vector<uint8_t>{0x01, 0x45, 0x12, 0x50, 0x00, 0x00, 0x60, 0x00}));
    EXPECT_EQ(CommData[0x0100], 0x90);
    EXPECT_EQ(CommData[0x0101], 0xF6);  // channel 3 empty, skip 2; slot 3 untouched
    EXPECT_EQ(CommData[kSlot0 + 17], 0);            // band 0
    EXPECT_EQ(CommData[kSlot0 + 32 + 17], 4);       // 300 MHz lies in no band

    GetFrequencyByCommData();
    ASSERT_EQ(CurData.CHCount, 2);
    EXPECT_EQ(UFreList[0].ScanSkip, 0);
    EXPECT_EQ(UFreList[1].CHNo, 2);
    EXPECT_EQ(UFreList[1].ScanSkip, 1);
}

TEST_F(ImageChannelsTest, SlotAndNibbleAddressesOfEveryList) {
    struct Case {
        const char* name;
        int list;  // 0 normal, 1 limit, 2/3 hyper bank 1/2
        int16_t number;
        std::size_t slot;
        std::size_t nibbleByte;  // 0: no nibble
        int shift;
    };
    const Case cases[] = {
        {"normal 1", 0, 1, 0x2000, 0x0100, 0},
        {"normal 758", 0, 758, 0x7EA0, 0x027A, 4},
        {"limit 1", 1, 1, 0x7EC0, 0x027B, 0},
        {"limit 10", 1, 10, 0x7FE0, 0x027F, 4},
        {"bank 1 row 1", 2, 1, 0x0540, 0, 0},
        {"bank 2 row 6", 3, 6, 0x06A0, 0, 0},
        {"bank 1 row 7", 2, 7, 0x06C0, 0, 0},
        {"bank 2 row 12", 3, 12, 0x0820, 0, 0},
    };
    for (const auto& c : cases) {
        SetUp();
        for (int16_t bank : {0, 1})
            for (int16_t row = 1; row <= 12; ++row) {
                UFreData h = GetHyperChannel(row, bank);
                h.UsedFlag = 0;
                SetHyperChannel(row, bank, h);
            }
        UFreData ch = PlainChannel(c.number);
        ch.RxFre = "043312500";
        if (c.list == 0) AddChannel(ch);
        if (c.list == 1) CurData.LimitCH[c.number - 1] = ch;
        if (c.list >= 2) SetHyperChannel(c.number, static_cast<int16_t>(c.list - 2), ch);
        SetCommDataByFrequency();
        ASSERT_TRUE(WriteDataOK) << c.name;
        EXPECT_EQ(Bytes(c.slot, 4), (std::vector<uint8_t>{0x04, 0x33, 0x12, 0x50})) << c.name;
        int written = 0;
        for (std::size_t a = 0x0540; a < 0x8000; a += 32) written += CommData[a] != 0 && CommData[a] != 0xFF;
        EXPECT_EQ(written, 1) << c.name;
        for (std::size_t a = 0x0100; a <= 0x027F; ++a) {
            uint8_t expected = 0xFF;
            if (a == c.nibbleByte) expected = static_cast<uint8_t>(0xFF & ~(0xF << c.shift));
            EXPECT_EQ(CommData[a], expected) << c.name << " nibble byte " << a;
        }
    }
}

TEST_F(ImageChannelsTest, LimitSlotFollowsItsPlaceNotADamagedNumber) {
    UFreData ch = PlainChannel(9);  // damaged: it is limit channel 3
    CurData.LimitCH[2] = ch;
    SetCommDataByFrequency();
    ASSERT_TRUE(WriteDataOK);
    EXPECT_EQ(CommData[0x2000 + 32 * 760], 0x01);
    EXPECT_EQ(CommData[0x2000 + 32 * 766], 0x00);
    EXPECT_EQ(CommData[0x0100 + 380], 0xF0);  // slot 760: low nibble
    EXPECT_EQ(CommData[0x0100 + 383], 0xFF);  // slot 766 untouched
}

TEST_F(ImageChannelsTest, DuplicateChannelNumberWritesItsSlotOnce) {
    UFreData first = PlainChannel(5);
    UFreData second = PlainChannel(5);
    second.RxFre = "043000000";
    second.ScanSkip = 1;
    AddChannel(first);
    AddChannel(second);
    SetCommDataByFrequency();
    ASSERT_TRUE(WriteDataOK);
    EXPECT_EQ(Bytes(0x2000 + 32 * 4, 4), (std::vector<uint8_t>{0x01, 0x45, 0x12, 0x50}));
    EXPECT_EQ(CommData[0x0102], 0xF0);  // slot 4 low nibble; slot 5 still blank
}

TEST_F(ImageChannelsTest, ValuesThatDoNotFitFailNamingChannelAndField) {
    struct Case {
        std::function<void(UFreData&)> set;
        const char* detail;
    };
    const Case cases[] = {
        {[](UFreData& c) { c.ScanSkip = 4; }, "channel 3, ScanSkip: 4 is outside 0..3"},
        {[](UFreData& c) { c.UsedFlag = 2; }, "channel 3, UsedFlag: 2 is outside 0..1"},
        {[](UFreData& c) { c.En_DCSCode = 512; }, "channel 3, En_DCSCode: 512 is outside 0..511"},
        {[](UFreData& c) { c.De_DCSCode = -1; }, "channel 3, De_DCSCode: -1 is outside 0..511"},
        {[](UFreData& c) { c.StepIndex = 256; }, "channel 3, StepIndex: 256 is outside 0..255"},
        {[](UFreData& c) { c.TxPower = 4; }, "channel 3, TxPower: 4 is outside 0..3"},
        {[](UFreData& c) { c.DTMFCodeNo = 16; }, "channel 3, DTMFCodeNo: 16 is outside 0..15"},
        {[](UFreData& c) { c.RxFre = "01A512500"; }, "channel 3, RxFre: \"01A512500\" is not a frequency code"},
        {[](UFreData& c) { c.RxFre = "fffffffff"; }, "channel 3, RxFre: \"fffffffff\" is not a frequency code"},
        {[](UFreData& c) { c.OffsetFre = " 0600000"; }, "channel 3, OffsetFre: \" 0600000\" is not a frequency code"},
    };
    for (const auto& c : cases) {
        SetUp();
        UFreData bad = PlainChannel(3);
        c.set(bad);
        AddChannel(PlainChannel(1));
        AddChannel(bad);
        AddChannel(PlainChannel(2));
        ScriptedPrompts prompts;
        prompts.expect(std::string("SetCommDataByFrequencyError\n") + c.detail, Buttons::Ok, Answer::Ok,
                       platform::Icon::None, true);
        SetCommDataByFrequency();
        EXPECT_TRUE(prompts.allAnswered()) << c.detail;
        EXPECT_FALSE(WriteDataOK) << c.detail;
        EXPECT_EQ(CommData[0x2000], 0x01) << "the channel before it is written";
        EXPECT_EQ(CommData[0x2000 + 64], 0x00) << "the failing slot is untouched";
        EXPECT_EQ(CommData[0x2000 + 32], 0x00) << "the channels after it are not written";
        EXPECT_EQ(CommData[0x0101], 0xFF);
    }
}

TEST_F(ImageChannelsTest, FailureNamesLimitAndHyperChannels) {
    UFreData bad = PlainChannel(4);
    bad.Tone5No = 300;
    SetHyperChannel(8, 1, bad);
    ScriptedPrompts prompts;
    prompts.expect("SetCommDataByFrequencyError\nhyper bank 2 row 8, Tone5No: 300 is outside 0..255",
                   Buttons::Ok, Answer::Ok);
    SetCommDataByFrequency();
    EXPECT_TRUE(prompts.allAnswered());

    SetUp();
    CurData.LimitCH[6] = bad;
    prompts.expect("SetCommDataByFrequencyError\nlimit channel 7, Tone5No: 300 is outside 0..255",
                   Buttons::Ok, Answer::Ok);
    SetCommDataByFrequency();
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(ImageChannelsTest, NamesArePaddedWithBlanksOrAllZero) {
    struct Case {
        std::string name;
        std::vector<uint8_t> bytes;
        const char* value;
    };
    const Case cases[] = {
        {"AB", {0x41, 0x42, 0x20, 0x20, 0x20, 0x20, 0x20}, "AB"},
        {"ABCDEFG", {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47}, "ABCDEFG"},
        {std::string(1, '\0'), {0, 0, 0, 0, 0, 0, 0}, ""},
        {"\xC4\xE9", {0xC4, 0xE9, 0x20, 0x20, 0x20, 0x20, 0x20}, "\xC4\xE9"},
    };
    for (const auto& c : cases) {
        SetUp();
        UFreData ch = PlainChannel(1);
        ch.CHName = c.name;
        AddChannel(ch);
        SetCommDataByFrequency();
        EXPECT_EQ(Bytes(kSlot0 + 23, 7), c.bytes);
        EXPECT_EQ(ReadBackChannel1().CHName.value(), c.value);
    }
    // A radio name ends at 0xFF as well as at 0x00.
    SetUp();
    AddChannel(PlainChannel(1));
    SetCommDataByFrequency();
    CommData[kSlot0 + 23] = 'X';
    CommData[kSlot0 + 24] = 0xFF;
    CommData[kSlot0 + 25] = 'Y';
    EXPECT_EQ(ReadBackChannel1().CHName.value(), "X");
}

TEST_F(ImageChannelsTest, DecodingSlotsTheNibbleOrBytesCallEmpty) {
    // Used nibble, but no frequency: no channel.
    CommData[0x0100] = 0xF0;
    std::fill_n(CommData.begin() + kSlot0, 4, 0xFF);
    // Used nibble, receive bytes that are not decimal: no channel.
    CommData[0x0101] = 0xF0;
    const uint8_t notBCD[] = {0x01, 0x4A, 0x12, 0x50};
    std::copy(std::begin(notBCD), std::end(notBCD), CommData.begin() + 0x2040);
    GetFrequencyByCommData();
    EXPECT_EQ(CurData.CHCount, 0);
}

TEST_F(ImageChannelsTest, UnusedLimitChannelKeepsItsFieldsOnRead) {
    UFreData ch = PlainChannel(4);
    ch.UsedFlag = 0;
    ch.TxPower = 2;
    CurData.LimitCH[3] = ch;
    SetCommDataByFrequency();
    EXPECT_EQ(CommData[0x0100 + 761 / 2] >> 4, 0xF);
    CurData.LimitCH[3].UsedFlag = 1;
    GetFrequencyByCommData();
    EXPECT_EQ(CurData.LimitCH[3].UsedFlag, 0);
    EXPECT_EQ(CurData.LimitCH[3].RxFre.value(), "014512500");
    EXPECT_EQ(CurData.LimitCH[3].TxPower, 2);
}

TEST_F(ImageChannelsTest, AnUnusedHyperRowIsWrittenAsTheBlankSlotAndReadsBackUnused) {
    struct Row {
        int16_t row, bank;
        std::size_t addr;
    };
    const Row unusedRows[] = {{2, 0, 0x0540 + 32}, {12, 1, 0x0780 + 32 * 5}};
    for (const Row& r : unusedRows) {
        UFreData unused = GetHyperChannel(r.row, r.bank);
        unused.UsedFlag = 0;
        unused.CHName = "OLD";
        unused.TxPower = 2;
        SetHyperChannel(r.row, r.bank, unused);
    }
    SetCommDataByFrequency();
    ASSERT_TRUE(WriteDataOK);
    for (const Row& r : unusedRows)
        EXPECT_EQ(Bytes(r.addr, 32), std::vector<uint8_t>(32, 0x00)) << "bank " << r.bank + 1 << " row " << r.row;
    EXPECT_EQ(Bytes(0x0540, 4), (std::vector<uint8_t>{0x01, 0x08, 0x00, 0x00})) << "a used row beside them";

    // Bank 2 row 3: a receive field that is not decimal; bank 1 row 4: a
    // blank slot whose other bytes are not blank.
    std::fill_n(CommData.begin() + 0x0600 + 32 * 2, 4, 0xFF);
    std::fill_n(CommData.begin() + 0x0540 + 32 * 3, 4, 0x00);
    CommData[0x0540 + 32 * 3 + 10] = 0x0C;
    UFreData row4 = GetHyperChannel(4, 0);
    row4.TxPower = 1;
    SetHyperChannel(4, 0, row4);

    GetFrequencyByCommData();
    for (const Row& r : unusedRows) {
        const UFreData back = GetHyperChannel(r.row, r.bank);
        EXPECT_EQ(back.UsedFlag, 0) << r.row;
        EXPECT_EQ(back.CHName.value(), "OLD") << r.row;
        EXPECT_EQ(back.TxPower, 2) << "its other fields are kept";
    }
    EXPECT_EQ(GetHyperChannel(3, 1).UsedFlag, 0);
    EXPECT_EQ(GetHyperChannel(4, 0).UsedFlag, 0);
    EXPECT_EQ(GetHyperChannel(4, 0).TxPower, 1) << "the slot's other bytes are not read";
    const UFreData row1 = GetHyperChannel(1, 0);
    EXPECT_EQ(row1.UsedFlag, 1);
    EXPECT_EQ(row1.RxFre.value(), "010800000");
    EXPECT_EQ(row1.ScanSkip, 1);
}

TEST_F(ImageChannelsTest, UpperHyperRowsOfAV100RadioTakeTheirDefaults) {
    for (const char* version : {"V100", "V200"}) {
        SetUp();
        RadioVersion = version;
        const std::size_t row7bank1 = 0x06C0;
        const uint8_t code[] = {0x04, 0x33, 0x12, 0x50};
        std::copy(std::begin(code), std::end(code), CommData.begin() + row7bank1);
        GetFrequencyByCommData();
        EXPECT_EQ(GetHyperChannel(7, 0).RxFre.value(),
                  std::string(version) == "V100" ? "010800000" : "043312500")
            << version;
    }
}
