#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "SignalImageTestSupport.h"
#include "link/ImageAreas.h"

using namespace std::string_literals;

namespace {

using FiveToneTest = SignalImageTest;
Tone5Data& Tone5() { return CurData.FunSet.Tone5; }

void SetCode(Tone5Code& c, const std::string& digits, int len, int period = 70) {
    c.EmptyFlag = 0;
    c.Code = digits;
    c.CodeLen = static_cast<uint8_t>(len);
    c.TonePeriod = static_cast<uint8_t>(period);
}

void SetInfo(Tone5InfoCode& c, const std::string& digits, int len) {
    c.Code = digits;
    c.CodeLen = static_cast<uint8_t>(len);
}

constexpr std::size_t ListSlot(int i) { return 0x0D00 + 32 * static_cast<std::size_t>(i - 1); }
constexpr std::size_t InfoSlot(int j) { return 0x0900 + 32 * static_cast<std::size_t>(j - 1); }

}  // namespace

TEST_F(FiveToneTest, CodesArePaddedWithTheRepeatToneAndReadBackCut) {
    struct Case {
        const char* name;
        std::function<void()> set;
        std::function<const Tone5Code&()> code;
        std::size_t slot;
        ByteRun header;  // standard, length, period
        ByteRun digits;
        std::string readBack;
    };
    auto list = [](int i) { return [i]() -> const Tone5Code& { return Tone5().Tone5List[i]; }; };
    const Case cases[] = {
        {"odd length padded with E", [] { SetCode(Tone5().Tone5List[1], "1234E", 5); }, list(1), ListSlot(1),
         {0, 5, 70}, {0x12, 0x34, 0xEE, 0x00}, "1234E"},
        {"stored text shorter than its length", [] { SetCode(Tone5().Tone5List[2], "12", 4); }, list(2),
         ListSlot(2), {0, 4, 70}, {0x12, 0xEE, 0x00}, "12EE"},
        {"stored text longer than its length is cut", [] { SetCode(Tone5().Tone5List[3], "123456", 3); },
         list(3), ListSlot(3), {0, 3, 70}, {0x12, 0x3E, 0x00}, "123"},
        {"last list code, 40 digits fill bytes 4..23",
         [] { SetCode(Tone5().Tone5List[100], std::string(40, 'A'), 40); }, list(100), ListSlot(100),
         {0, 40, 70}, ByteRun(20, 0xAA), std::string(40, 'A')},
        {"standard carried",
         [] {
             SetCode(Tone5().Tone5List[4], "1", 1);
             Tone5().Tone5List[4].Standard = 15;
         },
         list(4), ListSlot(4), {15, 1, 70}, {0x1E}, "1"},
        {"PTT begin, 24 digits fill its 16-byte slot", [] { SetCode(Tone5().PTTIDBegin, std::string(24, '9'), 24); },
         []() -> const Tone5Code& { return Tone5().PTTIDBegin; }, 0x0360, {0, 24, 70}, ByteRun(12, 0x99),
         std::string(24, '9')},
        {"PTT end", [] { SetCode(Tone5().PTTIDEnd, "E6123", 5, 40); },
         []() -> const Tone5Code& { return Tone5().PTTIDEnd; }, 0x0370, {0, 5, 40}, {0xE6, 0x12, 0x3E}, "E6123"},
    };
    for (const auto& c : cases) {
        SetUp();
        c.set();
        EncodeOk(SetCommDataBy5Tone);
        EXPECT_EQ(Bytes(c.slot + 1, 3), c.header) << c.name;
        EXPECT_EQ(Bytes(c.slot + 4, c.digits.size()), c.digits) << c.name;

        Tone5() = {};
        Get5ToneByCommData();
        EXPECT_EQ(c.code().Code.value(), c.readBack) << c.name;
        EXPECT_EQ(c.code().CodeLen, c.header[1]) << c.name;
        EXPECT_EQ(c.code().Standard, c.header[0]) << c.name;
        EXPECT_EQ(c.code().TonePeriod, c.header[2]) << c.name;
    }
}

TEST_F(FiveToneTest, TonePeriodOutsideItsRangeIsSeventy) {
    struct Case {
        int period;
        int written;
    };
    for (const Case c : {Case{20, 70}, Case{29, 70}, Case{30, 30}, Case{100, 100}, Case{101, 70}}) {
        SetUp();
        SetCode(Tone5().Tone5List[6], "1", 1, c.period);
        EncodeOk(SetCommDataBy5Tone);
        EXPECT_EQ(CommData[ListSlot(6) + 3], c.written) << "period " << c.period;
        EXPECT_EQ(Tone5().Tone5List[6].TonePeriod, c.period) << "the working data keeps its value";
    }
    for (const Case c : {Case{0xFF, 70}, Case{0, 70}, Case{29, 70}, Case{30, 30}, Case{100, 100}, Case{101, 70}}) {
        CommData[ListSlot(6) + 3] = static_cast<uint8_t>(c.period);
        CommData[0x0363] = static_cast<uint8_t>(c.period);
        Get5ToneByCommData();
        EXPECT_EQ(Tone5().Tone5List[6].TonePeriod, c.written) << "byte " << c.period;
        EXPECT_EQ(Tone5().PTTIDBegin.TonePeriod, c.written) << "byte " << c.period;
    }
}

TEST_F(FiveToneTest, ListNamesArePaddedWithBlanksAndInformationNamesWithZeros) {
    Tone5().Tone5List[1].Name = "AB";
    Tone5().Tone5List[2].Name = "";
    Tone5().InfoCode[1].Name = "AB";
    Tone5().InfoCode[2].Name = "";
    EncodeOk(SetCommDataBy5Tone);
    EXPECT_EQ(Bytes(ListSlot(1) + 24, 7), (ByteRun{'A', 'B', 0x20, 0x20, 0x20, 0x20, 0x20}));
    EXPECT_EQ(Bytes(ListSlot(2) + 24, 7), ByteRun(7, 0x00));
    EXPECT_EQ(Bytes(InfoSlot(1) + 16, 7), (ByteRun{'A', 'B', 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(InfoSlot(2) + 16, 7), ByteRun(7, 0x00));

    Tone5().Tone5List[1].Name = "OLD";
    Tone5().InfoCode[1].Name = "OLD";
    Tone5().InfoCode[2].Name = "OLD";
    Get5ToneByCommData();
    EXPECT_EQ(Tone5().Tone5List[1].Name.raw(), "AB     ");
    EXPECT_EQ(Tone5().InfoCode[1].Name.raw(), "AB\0    "s);
    // A name whose first byte is 0x00 reads as empty, whatever was there.
    EXPECT_EQ(Tone5().InfoCode[2].Name.value(), "");
}

TEST_F(FiveToneTest, InformationCodesOneDigitAByte) {
    SetInfo(Tone5().InfoCode[1], "12A", 3);
    Tone5().InfoCode[1].Func = 3;
    Tone5().InfoCode[1].Resp = 2;
    SetInfo(Tone5().InfoCode[16], "12", 5);  // padded with E
    SetInfo(Tone5().InfoCode[3], std::string(12, 'F'), 12);
    EncodeOk(SetCommDataBy5Tone);
    EXPECT_EQ(Bytes(InfoSlot(1), 7), (ByteRun{3, 2, 3, 0x01, 0x02, 0x0A, 0x00}));
    EXPECT_EQ(Bytes(InfoSlot(16) + 2, 6), (ByteRun{5, 1, 2, 0x0E, 0x0E, 0x0E}));
    EXPECT_EQ(Bytes(InfoSlot(3) + 3, 13), (ByteRun{15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 0}));

    Get5ToneByCommData();
    EXPECT_EQ(Tone5().InfoCode[1].Code.value(), "12A");
    EXPECT_EQ(Tone5().InfoCode[1].Func, 3);
    EXPECT_EQ(Tone5().InfoCode[16].Code.value(), "12EEE");
    EXPECT_EQ(Tone5().InfoCode[3].Code.value(), std::string(12, 'F'));

    // Erased slot: function, response and length read as 0.
    PutBytes(InfoSlot(5), ByteRun(32, 0xFF));
    Get5ToneByCommData();
    EXPECT_EQ(Tone5().InfoCode[5].Func, 0);
    EXPECT_EQ(Tone5().InfoCode[5].Resp, 0);
    EXPECT_EQ(Tone5().InfoCode[5].CodeLen, 0);
    EXPECT_EQ(Tone5().InfoCode[5].Code.value(), "");
    EXPECT_EQ(Tone5().InfoCode[5].Name.value(), "");
}

TEST_F(FiveToneTest, PresenceBitmapWithCodesNineAndTwentyFourOnly) {
    for (int i = 1; i <= 100; ++i) Tone5().Tone5List[i].EmptyFlag = (i == 9 || i == 24) ? 0 : 1;
    PutBytes(0x0380, ByteRun(13, 0x00));  // masks, not subtraction from the blank value
    EncodeOk(SetCommDataBy5Tone);
    ByteRun expected(13, 0xFF);
    expected[1] = 0xFE;
    expected[2] = 0x7F;
    expected[12] = 0x0F;  // bits 4..7 of the last byte belong to no code and are left alone
    EXPECT_EQ(Bytes(0x0380, 13), expected);
    EXPECT_EQ(CommData[0x038D], 0xFF) << "the two-tone bitmap is not touched";

    Get5ToneByCommData();
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(Tone5().Tone5List[i].EmptyFlag, (i == 9 || i == 24) ? 0 : 1) << "code " << i;
}

TEST_F(FiveToneTest, OwnIDOneDigitAByte) {
    Tone5().SelfID = "12345";
    Tone5().SelfIDLen = 5;
    EncodeOk(SetCommDataBy5Tone);
    EXPECT_EQ(Bytes(0x0323, 8), (ByteRun{5, 70, 1, 2, 3, 4, 5, 0}));
    Tone5().SelfID = "";
    Get5ToneByCommData();
    EXPECT_EQ(Tone5().SelfID.value(), "12345");

    // Each byte as its decimal number, but never more characters than the
    // length (at most five), which is what a write sends back.
    struct Case { const char* what; uint8_t length; std::array<uint8_t, 5> bytes; const char* id; };
    const Case cases[] = {
        {"digits", 4, {1, 2, 3, 4, 5}, "1234"},
        {"bytes above 9", 4, {1, 12, 3, 99, 5}, "1123"},
        {"length 6", 6, {1, 2, 3, 4, 5}, "12345"},
        {"erased memory", 0xFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "25525"},
        {"no length", 0, {1, 2, 3, 4, 5}, ""},
    };
    for (const Case& c : cases) {
        PutBytes(0x0323, {c.length});
        std::copy(c.bytes.begin(), c.bytes.end(), CommData.begin() + 0x0325);
        Get5ToneByCommData();
        EXPECT_EQ(Tone5().SelfID.value(), c.id) << c.what;
        EXPECT_EQ(Tone5().SelfIDLen, c.length) << c.what;
        // Written back and read again, it stays as it is.
        EncodeOk(SetCommDataBy5Tone);
        Get5ToneByCommData();
        EXPECT_EQ(Tone5().SelfID.value(), c.id) << c.what;
    }
}

TEST_F(FiveToneTest, SettingsToneTableAndDecodeTime) {
    Tone5Data& d = Tone5();
    d.Head0 = 7;
    d.DecodeResp = 2;
    d.Standard = 15;
    d.TonePeriod = 100;
    d.Time18 = 18;
    d.Time19 = 19;
    d.Time20 = 75;
    d.Time17 = 250;
    d.FirstDelay = 255;
    d.SideTone = 1;
    d.SepCode = 11;
    d.PauseCode = 15;
    d.PauseTime = 200;
    d.PauseFirstDelay = 250;
    CurData.Tone5DecodeTime = 200;
    EncodeOk(SetCommDataBy5Tone);
    EXPECT_EQ(Bytes(0x0320, 5), (ByteRun{7, 2, 15, 0, 100}));
    EXPECT_EQ(Bytes(0x032B, 11), (ByteRun{18, 19, 75, 250, 255, 1, 11, 15, 200, 200, 250}));
    EXPECT_EQ(Bytes(0x03C0, 4), (ByteRun{0xC0, 0x5D, 0x68, 0x29}));  // 24000, 10600 low byte first
    EXPECT_EQ(Bytes(0x03DE, 2), (ByteRun{0x54, 0x24}));              // 9300

    const Tone5Data written = d;
    d = {};
    CurData.Tone5DecodeTime = 0;
    Get5ToneByCommData();
    EXPECT_EQ(CurData.Tone5DecodeTime, 200);
    EXPECT_EQ(d.DefTone, written.DefTone);
    EXPECT_EQ(d.PauseFirstDelay, 250);
    EXPECT_EQ(d.Time17, 250);

    // Words the writer cannot send back (0x8000 and above, erased memory
    // among them) read as the digit's default tone; 0x7FFF is still a tone.
    PutBytes(0x03C0, {0xFF, 0xFF, 0x00, 0x80, 0xFF, 0x7F});
    Get5ToneByCommData();
    EXPECT_EQ(d.DefTone[0], 24000);
    EXPECT_EQ(d.DefTone[1], 10600);
    EXPECT_EQ(d.DefTone[2], 0x7FFF);
    EncodeOk(SetCommDataBy5Tone);
}

TEST_F(FiveToneTest, LengthsAboveTheSlotNeverSpillIntoTheNextArea) {
    // Read from erased memory: every length is above its slot and reads as 0.
    PutBytes(0x0360, ByteRun(32, 0xFF));
    PutBytes(0x0900, ByteRun(0x200, 0xFF));
    PutBytes(0x0D00, ByteRun(0xC80, 0xFF));
    Get5ToneByCommData();
    for (const Tone5Code* c : {&Tone5().PTTIDBegin, &Tone5().PTTIDEnd, &Tone5().Tone5List[1], &Tone5().Tone5List[100]}) {
        EXPECT_EQ(c->CodeLen, 0);
        EXPECT_EQ(c->Code.value(), "");
        EXPECT_EQ(c->TonePeriod, 70);
    }
    EXPECT_EQ(Tone5().InfoCode[16].CodeLen, 0);
    // Just above each capacity also reads as 0; at it, the code is kept.
    CommData[0x0362] = 25;
    CommData[ListSlot(2) + 2] = 41;
    CommData[InfoSlot(2) + 2] = 13;
    CommData[0x0372] = 24;
    Get5ToneByCommData();
    EXPECT_EQ(Tone5().PTTIDBegin.CodeLen, 0);
    EXPECT_EQ(Tone5().Tone5List[2].CodeLen, 0);
    EXPECT_EQ(Tone5().InfoCode[2].CodeLen, 0);
    EXPECT_EQ(Tone5().PTTIDEnd.CodeLen, 24);
    EXPECT_EQ(Tone5().PTTIDEnd.Code.value(), std::string(24, 'F'));
}

TEST_F(FiveToneTest, FailuresNameTheCodeAndStopTheEncoder) {
    const EncoderFailureCase cases[] = {
        {"list code longer than 40", [] { SetCode(Tone5().Tone5List[7], std::string(41, '1'), 41); }, "five-tone code 7"},
        {"PTT begin longer than 24", [] { SetCode(Tone5().PTTIDBegin, std::string(25, '1'), 25); }, "PTT-ID begin code"},
        {"PTT end longer than 24", [] { SetCode(Tone5().PTTIDEnd, "1", 30); }, "PTT-ID end code"},
        {"information code longer than 12", [] { SetInfo(Tone5().InfoCode[2], "1", 13); }, "information code 2"},
        {"a digit that is not hexadecimal", [] { SetCode(Tone5().Tone5List[3], "12SelfID", 8); }, "five-tone code 3"},
        {"own ID shorter than its length", [] { Tone5().SelfID = "1234"; Tone5().SelfIDLen = 5; }, "own ID"},
        {"a setting above a byte", [] { Tone5().FirstDelay = 256; }, "\nvalue 256 does not fit the byte at 0x032F"},
        {"a negative tone", [] { Tone5().DefTone[3] = -5; }, "\nvalue -5 does not fit the word at 0x03C6"},
    };
    ExpectFailures(*this, cases, SetCommDataBy5Tone, "SetCommDataBy5Tone");
    // Nothing of an overlong PTT-ID begin code reaches the end code's slot.
    SetUp();
    SetCode(Tone5().PTTIDBegin, std::string(30, '1'), 30);
    FailureText(SetCommDataBy5Tone);
    EXPECT_EQ(Bytes(0x0360, 32), ByteRun(32, 0x00));
}
