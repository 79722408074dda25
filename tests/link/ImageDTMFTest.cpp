#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "SignalImageTestSupport.h"
#include "link/ImageAreas.h"

using namespace std::string_literals;

namespace {

using DTMFTest = SignalImageTest;
DTMFData& Dtmf() { return CurData.FunSet.DTMF; }

template <class Item>
void SetCode(Item& item, const std::string& stored, int len) {
    item.Code = stored;
    item.CodeLen = static_cast<int16_t>(len);
}

}  // namespace

TEST_F(DTMFTest, CodesArePackedTwoDigitsAByteWithTheirLength) {
    struct Case {
        const char* name;
        std::function<void()> set;
        std::size_t digits;
        std::size_t length;
        ByteRun expectedDigits;
        int expectedLength;
    };
    const Case cases[] = {
        {"M1, odd length: last low nibble 0", [] { SetCode(Dtmf().DTMFCode[0], "12E", 3); },
         0x0400, 0x040C, {0x12, 0xE0, 0x00}, 3},
        {"M16, 24 digits fill its 12 bytes",
         [] { SetCode(Dtmf().DTMFCode[15], "0123456789ABCDEF01234567", 24); },
         0x04F0, 0x04FC, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67}, 24},
        {"kill, 14 digits fill 0x02F0-0x02F6", [] { SetCode(Dtmf().DTMFKillCode, "0123456789ABCD", 14); },
         0x02F0, 0x02F7, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD}, 14},
        {"kill, length 15 is written as 0 with no digits", [] { SetCode(Dtmf().DTMFKillCode, "123", 15); },
         0x02F0, 0x02F7, {0x00, 0x00}, 0},
        {"stun, length 25 above even the long slots", [] { SetCode(Dtmf().DTMFStunCode, "9", 25); },
         0x02F8, 0x02FF, {0x00}, 0},
        {"PTT begin: stored text shorter than its length, padded with 0",
         [] { SetCode(Dtmf().PTTIDBeginCode, "1", 4); }, 0x0340, 0x034C, {0x10, 0x00, 0x00}, 4},
        {"PTT end: an odd length takes the next stored character",
         [] { SetCode(Dtmf().PTTIDEndCode, "12345", 3); }, 0x0350, 0x035C, {0x12, 0x34, 0x00}, 3},
        {"empty code writes only its length byte", [] { SetCode(Dtmf().DTMFCode[3], "", 0); },
         0x0430, 0x043C, {0x00}, 0},
        {"* and # as E and F", [] { SetCode(Dtmf().DTMFCode[1], "EF", 2); }, 0x0410, 0x041C, {0xEF, 0x00}, 2},
    };
    for (const auto& c : cases) {
        SetUp();
        c.set();
        EncodeOk(SetCommDataByDTMF);
        EXPECT_EQ(Bytes(c.digits, c.expectedDigits.size()), c.expectedDigits) << c.name;
        EXPECT_EQ(CommData[c.length], c.expectedLength) << c.name;
    }
}

TEST_F(DTMFTest, CodesReadBackAsUpperCaseDigitsCutToTheirLength) {
    PutBytes(0x0400, {0x12, 0xE0});
    CommData[0x040C] = 3;
    PutBytes(0x02F0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD});
    CommData[0x02F7] = 14;
    PutBytes(0x0340, {0x12, 0x34});
    CommData[0x034C] = 0x19;  // 25: more than the slot holds
    CommData[0x02FF] = 0xFF;  // erased memory
    PutBytes(0x02F8, {0x11, 0x22});

    GetDTMFByCommData();
    const DTMFData& d = Dtmf();
    EXPECT_EQ(d.DTMFCode[0].Code.value(), "12E");
    EXPECT_EQ(d.DTMFCode[0].CodeLen, 3);
    // Shorter than the field: a NUL ends the value, blanks pad the rest.
    EXPECT_EQ(d.DTMFCode[0].Code.raw(), "12E\0"s + std::string(20, ' '));
    EXPECT_EQ(d.DTMFKillCode.Code.raw(), "0123456789ABCD");  // fills the field: no NUL
    EXPECT_EQ(d.DTMFKillCode.CodeLen, 14);
    EXPECT_EQ(d.PTTIDBeginCode.CodeLen, 0);
    EXPECT_EQ(d.PTTIDBeginCode.Code.value(), "");
    EXPECT_EQ(d.DTMFStunCode.CodeLen, 0);
    EXPECT_EQ(d.DTMFStunCode.Code.value(), "");
}

TEST_F(DTMFTest, SettingsBytesAndTheirClamps) {
    struct Case {
        const char* name;
        std::function<void()> set;
        std::size_t addr;
        int expected;
    };
    const Case cases[] = {
        {"separator kept", [] { Dtmf().DTMFSepCode = 15; }, 0x02E0, 15},
        {"separator outside 10..15 as *", [] { Dtmf().DTMFSepCode = 9; }, 0x02E0, 14},
        {"group kept", [] { Dtmf().DTMFGroupCode = 10; }, 0x02E1, 10},
        {"group off", [] { Dtmf().DTMFGroupCode = 255; }, 0x02E1, 0xFF},
        {"group outside 10..15 as off", [] { Dtmf().DTMFGroupCode = 16; }, 0x02E1, 0xFF},
        {"decode response 2", [] { Dtmf().DTMFDecodeResp = 2; }, 0x02E2, 2},
        {"decode response above 2 as 0", [] { Dtmf().DTMFDecodeResp = 3; }, 0x02E2, 0},
        {"first delay 250", [] { Dtmf().DTMFFirstDelay = 250; }, 0x02E4, 250},
        {"first delay above 250 as 0", [] { Dtmf().DTMFFirstDelay = 251; }, 0x02E4, 0},
        {"reset time", [] { Dtmf().DTMFResetTime = 123; }, 0x02E5, 123},
        {"side tone", [] { Dtmf().DTMFSideTone = 1; }, 0x02ED, 1},
        {"post delay", [] { Dtmf().DTMFPostDelay = 250; }, 0x02EE, 250},
        {"pause time", [] { Dtmf().DTMFPauseTime = 75; }, 0x02EF, 75},
    };
    for (const auto& c : cases) {
        SetUp();
        c.set();
        const DTMFData before = Dtmf();
        EncodeOk(SetCommDataByDTMF);
        EXPECT_EQ(CommData[c.addr], c.expected) << c.name;
        EXPECT_EQ(Dtmf().DTMFSepCode, before.DTMFSepCode) << c.name << ": clamps change only the image";
    }
}

TEST_F(DTMFTest, SettingsReadBackWithTheirClamps) {
    struct Case {
        const char* name;
        std::size_t addr;
        int byte;
        int16_t DTMFData::*field;
        int expected;
    };
    const Case cases[] = {
        {"separator kept", 0x02E0, 11, &DTMFData::DTMFSepCode, 11},
        {"separator outside 10..15 as *", 0x02E0, 0xFF, &DTMFData::DTMFSepCode, 14},
        {"group kept", 0x02E1, 15, &DTMFData::DTMFGroupCode, 15},
        {"group 0xFF is off", 0x02E1, 0xFF, &DTMFData::DTMFGroupCode, 255},
        {"group 0 reads as A", 0x02E1, 0x00, &DTMFData::DTMFGroupCode, 10},
        {"group 16 reads as A", 0x02E1, 0x10, &DTMFData::DTMFGroupCode, 10},
        {"group 0xFE reads as A", 0x02E1, 0xFE, &DTMFData::DTMFGroupCode, 10},
        {"decode response 3 as 0", 0x02E2, 3, &DTMFData::DTMFDecodeResp, 0},
        {"first delay 251 as 0", 0x02E4, 251, &DTMFData::DTMFFirstDelay, 0},
        {"reset time as it is", 0x02E5, 0xFF, &DTMFData::DTMFResetTime, 255},
        {"pause time", 0x02EF, 5, &DTMFData::DTMFPauseTime, 5},
    };
    for (const auto& c : cases) {
        SetUp();
        CommData[c.addr] = static_cast<uint8_t>(c.byte);
        GetDTMFByCommData();
        EXPECT_EQ(Dtmf().*c.field, c.expected) << c.name;
    }
}

TEST_F(DTMFTest, GroupOffSurvivesReadThenWrite) {
    Dtmf().DTMFGroupCode = 255;
    EncodeOk(SetCommDataByDTMF);
    EXPECT_EQ(CommData[0x02E1], 0xFF);
    Dtmf().DTMFGroupCode = 10;
    GetDTMFByCommData();
    EXPECT_EQ(Dtmf().DTMFGroupCode, 255);
    BlankSignalImage();
    EncodeOk(SetCommDataByDTMF);
    EXPECT_EQ(CommData[0x02E1], 0xFF);
}

TEST_F(DTMFTest, OwnIDIsPaddedToThreeDigitsAlsoInTheWorkingData) {
    struct Case {
        const char* name;
        std::string stored;
        ByteRun bytes;
        std::string after;
    };
    const Case cases[] = {
        {"three digits", "123", {1, 2, 3}, "123"},
        {"one digit padded on the right", "5", {5, 0, 0}, "500"},
        {"empty", "", {0, 0, 0}, "000"},
        {"not a number", "AB", {0, 0, 0}, "000"},
    };
    for (const auto& c : cases) {
        SetUp();
        Dtmf().DTMFSelfID = c.stored;
        EncodeOk(SetCommDataByDTMF);
        EXPECT_EQ(Bytes(0x02E7, 3), c.bytes) << c.name;
        EXPECT_EQ(Dtmf().DTMFSelfID.value(), c.after) << c.name;
    }
}

TEST_F(DTMFTest, OwnIDReadsAsDigitsOrWhollyZero) {
    PutBytes(0x02E7, {4, 0, 9});
    GetDTMFByCommData();
    EXPECT_EQ(Dtmf().DTMFSelfID.value(), "409");
    PutBytes(0x02E7, {4, 10, 9});
    GetDTMFByCommData();
    EXPECT_EQ(Dtmf().DTMFSelfID.value(), "000");
}

TEST_F(DTMFTest, ReadKeepsWhatTheImageDoesNotHold) {
    Dtmf().DTMFANI = 1;
    Dtmf().PTTIDMode = 2;
    Dtmf().DTMFSendTime = 6;
    Dtmf().DTMFPreDelay = 4;
    GetDTMFByCommData();
    EXPECT_EQ(Dtmf().DTMFANI, 1);
    EXPECT_EQ(Dtmf().PTTIDMode, 2);
    EXPECT_EQ(Dtmf().DTMFSendTime, 6);
    EXPECT_EQ(Dtmf().DTMFPreDelay, 4);
}

TEST_F(DTMFTest, FailuresStopTheEncoderWithItsMessage) {
    const EncoderFailureCase cases[] = {
        {"a code digit that is not hexadecimal", [] { SetCode(Dtmf().DTMFCode[2], "12G", 3); }, "memory M3"},
        {"a negative length", [] { SetCode(Dtmf().PTTIDEndCode, "12", -1); }, "\nvalue -1 does not fit the byte at 0x035C"},
        {"a timing above a byte", [] { Dtmf().DTMFResetTime = 256; }, "\nvalue 256 does not fit the byte at 0x02E5"},
        {"an own ID that is a number but not digits", [] { Dtmf().DTMFSelfID = "1.5"; }, "own ID"},
    };
    ExpectFailures(*this, cases, SetCommDataByDTMF, "SetCommDataByDTMF");
    // The memories after a failing one stay blank.
    SetUp();
    SetCode(Dtmf().DTMFCode[2], "1G", 2);
    SetCode(Dtmf().DTMFCode[3], "99", 2);
    FailureText(SetCommDataByDTMF);
    EXPECT_EQ(Bytes(0x0430, 1), ByteRun{0x00});
    EXPECT_EQ(CommData[0x043C], 0);
}
