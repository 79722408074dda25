#include <gtest/gtest.h>

#include <string>

#include "SignalImageTestSupport.h"
#include "link/ImageAreas.h"

using namespace std::string_literals;

namespace {

// Every signalling field away from its default, each value in the form the
// decoder gives it back (NUL after a shorter DTMF code or a name that ends
// early, blank padding for five-tone codes and list names).
void SetEverySignallingField() {
    DTMFData& d = CurData.FunSet.DTMF;
    for (int m = 0; m < 16; ++m) {
        const std::string digits = std::string("0123456789ABCDEF").substr(static_cast<std::size_t>(m), 1 + m % 5);
        d.DTMFCode[static_cast<std::size_t>(m)].Code = digits + '\0';
        d.DTMFCode[static_cast<std::size_t>(m)].CodeLen = static_cast<int16_t>(digits.size());
    }
    d.DTMFCode[15].Code = "0123456789ABCDEF01234567";
    d.DTMFCode[15].CodeLen = 24;
    d.PTTIDBeginCode = {FixStr<24>::Of("12E\0"s), 3};
    d.PTTIDEndCode = {FixStr<24>::Of("F0\0"s), 2};
    d.DTMFKillCode = {FixStr<14>::Of("0123456789ABCD"), 14};
    d.DTMFStunCode = {FixStr<14>::Of("9\0"s), 1};
    d.DTMFSelfID = "987";
    d.DTMFSepCode = 11;
    d.DTMFGroupCode = 255;
    d.DTMFDecodeResp = 2;
    d.DTMFFirstDelay = 250;
    d.DTMFResetTime = 250;
    d.DTMFPostDelay = 1;
    d.DTMFPauseTime = 75;
    d.DTMFSideTone = 1;

    Tone2Head& h = CurData.FunSet.Tone2.Tone2Set;
    h.DecTone1.set(1000);
    h.DecTone2.set(0);
    h.DecPair = 13;
    h.DecDiv1.set(0x1234);
    h.DecDiv2.set(0xFEDC);
    h.Time9 = 250;
    h.DecodeResp = 2;
    h.SideTone = 1;
    h.ToneA.set(4000);
    h.ToneB.set(5000);
    h.ToneC.set(6000);
    h.ToneD.set(30000);
    h.Time20 = 100;
    h.Time21 = 6;
    h.Time22 = 7;
    h.Time23 = 20;
    for (int i = 1; i <= 24; ++i) {
        Tone2Item& c = CurData.FunSet.Tone2.Tone2List[i];
        c.EmptyFlag = i % 3 == 0 ? 1 : 0;
        c.Div1.set(100 + i);
        c.Div2.set(0xFF00 + i);
        c.Tone1.set(3000 + i);
        c.Tone2.set(i * 7);
        c.Name = i % 2 ? "CALL" + std::to_string(i) : "\0"s;
    }

    Tone5Data& t = CurData.FunSet.Tone5;
    t.Head0 = 1;
    t.DecodeResp = 2;
    t.Standard = 15;
    t.SelfIDLen = 5;
    t.TonePeriod = 40;
    t.SelfID = "54321\0"s;
    t.Time17 = 17;
    t.Time18 = 18;
    t.Time19 = 19;
    t.Time20 = 55;
    t.FirstDelay = 200;
    t.PauseTime = 100;
    t.PauseCode = 11;
    t.PauseFirstDelay = 150;
    t.SideTone = 1;
    t.SepCode = 10;
    for (int j = 1; j <= 16; ++j) {
        Tone5InfoCode& c = t.InfoCode[j];
        c.Func = static_cast<uint8_t>(j % 8);
        c.Resp = static_cast<uint8_t>(j % 3);
        c.Code = std::string(static_cast<std::size_t>(j % 13), "0123456789ABCDEF"[j - 1]);
        c.CodeLen = static_cast<uint8_t>(j % 13);
        c.Name = "INFO" + std::to_string(j) + '\0';
    }
    t.PTTIDBegin.Code = "E6543";
    t.PTTIDBegin.CodeLen = 5;
    t.PTTIDBegin.Standard = 3;
    t.PTTIDBegin.TonePeriod = 30;
    t.PTTIDEnd.Code = std::string(24, '7');
    t.PTTIDEnd.CodeLen = 24;
    t.PTTIDEnd.Standard = 4;
    t.PTTIDEnd.TonePeriod = 100;
    for (int i = 1; i <= 100; ++i) {
        Tone5Code& c = t.Tone5List[i];
        c.EmptyFlag = i % 4 == 0 ? 1 : 0;
        c.Standard = static_cast<uint8_t>(i % 16);
        c.CodeLen = static_cast<uint8_t>(i % 41);
        c.Code = std::string(c.CodeLen, "123456789ABCDEF"[i % 15]);
        c.TonePeriod = static_cast<uint8_t>(30 + i % 71);
        c.Name = "N" + std::to_string(i);
    }
    for (std::size_t k = 0; k < 16; ++k) t.DefTone[k] = static_cast<int16_t>(1000 + 1111 * k);
    CurData.Tone5DecodeTime = 200;
}

// Parts of the records the image does not carry: the decoders keep them.
void KeepWhatTheImageDoesNotCarry(const FunSetData& from, FunSetData& to) {
    to.DTMF.DTMFANI = from.DTMF.DTMFANI;
    to.DTMF.PTTIDMode = from.DTMF.PTTIDMode;
    to.DTMF.DTMFSendTime = from.DTMF.DTMFSendTime;
    to.DTMF.DTMFPreDelay = from.DTMF.DTMFPreDelay;
    for (Tone5Code* c : {&to.Tone5.PTTIDBegin, &to.Tone5.PTTIDEnd}) {
        const Tone5Code& f = c == &to.Tone5.PTTIDBegin ? from.Tone5.PTTIDBegin : from.Tone5.PTTIDEnd;
        c->EmptyFlag = f.EmptyFlag;
        c->Name = f.Name;
        c->Reserved = f.Reserved;
    }
    for (int i = 1; i <= 100; ++i) to.Tone5.Tone5List[i].Reserved = from.Tone5.Tone5List[i].Reserved;
}

void EncodeSignalling() {
    EncodeOk(SetCommDataBy5Tone);
    EncodeOk(SetCommDataBy2Tone);
    EncodeOk(SetCommDataByDTMF);
}

void DecodeSignalling() {
    Get5ToneByCommData();
    Get2ToneByCommData();
    GetDTMFByCommData();
}

}  // namespace

using SignallingRoundTrip = SignalImageTest;

TEST_F(SignallingRoundTrip, EveryFieldComesBackAsWritten) {
    SetEverySignallingField();
    EncodeSignalling();
    const FunSetData written = CurData.FunSet;
    const ImageBytes image = CommData;

    InitRadioData();  // every block back at its defaults
    DecodeSignalling();
    FunSetData expected = written;
    KeepWhatTheImageDoesNotCarry(CurData.FunSet, expected);
    EXPECT_EQ(CurData.FunSet.DTMF, expected.DTMF);
    EXPECT_EQ(CurData.FunSet.Tone2, expected.Tone2);
    EXPECT_EQ(CurData.FunSet.Tone5, expected.Tone5);
    EXPECT_EQ(CurData.Tone5DecodeTime, 200);

    // And what was read writes the same bytes again.
    BlankSignalImage();
    EncodeSignalling();
    for (std::size_t a = 0; a < kImageSize; ++a) {
        if (CommData[a] != image[a]) {
            ADD_FAILURE() << "image differs first at " << std::hex << a;
            break;
        }
    }
}
