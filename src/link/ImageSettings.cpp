// Option, hyper-settings, scan and alert areas of the memory image.
#include <string>

#include "core/SharedState.h"
#include "link/ImageAreas.h"
#include "link/ImageGuard.h"

namespace {

using image_map::kAlert;
using image_map::kOption;
using image_map::kPowerOnPassWord;
using image_map::kPowerOnText;
using image_map::kScan;

// Option area, first part: one byte a field unless noted.
enum OptionAddr : std::size_t {
    kDisplayMode = kOption + 0x00,
    kSqlLeft = kOption + 0x01,
    kSqlRight = kOption + 0x02,
    kDisplayManner = kOption + 0x03,
    kScanTime = kOption + 0x04,
    kScanMode = kOption + 0x05,
    kBgRed = kOption + 0x06,
    kBgGreen = kOption + 0x07,
    kBgBlue = kOption + 0x08,
    kToneBurst = kOption + 0x09,
    kTOT = kOption + 0x0A,
    kPTTLock = kOption + 0x0B,
    kAutoPowerOff = kOption + 0x0C,
    kKeyLight = kOption + 0x0D,
    kLongPressTime = kOption + 0x0E,  // value x 10
    kSubMute = kOption + 0x0F,
    kLocks = kOption + 0x10,  // TxSpread b0, SetupLock b1, MicLock b2, ClearMemLock b3, BeepVolume b4, KeyLock b5, DisplayModeSub b7
    kKeys = kOption + 0x11,   // SQLKeyFun b0, NoSigTailElim b1, Beep b2, RightBandKey b3, ExtSpeaker b4, CLKShift b5, ARTS b7
    kDTMFPreDelay = kOption + 0x12,
    kDTMFSendTime = kOption + 0x13,
    kTailElimMode = kOption + 0x14,
    kPAKeyFun = kOption + 0x15,
    kPBKeyFun = kOption + 0x16,
    kPCKeyFun = kOption + 0x17,
    kPDKeyFun = kOption + 0x18,
    kPowerOnPWEnable = kOption + 0x19,
    kRFSqlLeft = kOption + 0x1A,
    kRFSqlRight = kOption + 0x1B,
    kScrambler1 = kOption + 0x1C,  // 16-bit word
    kScrambler2 = kOption + 0x1E,
};
constexpr std::size_t kPowerOnPassWordSize = 7;
constexpr std::size_t kPowerOnTextSize = 14;

// Writes fields, each checked against its place; the failure names the field.
class FieldWriter {
public:
    explicit FieldWriter(std::string area) : area_(std::move(area)), img_(CommData) {}

    [[noreturn]] void fail(std::string_view field, long value, long max) const {
        throw EncodeError(area_ + ", " + std::string(field) + ": " + std::to_string(value) +
                          " is outside 0.." + std::to_string(max));
    }
    long checked(std::string_view field, long value, long max) const {
        if (value < 0 || value > max) fail(field, value, max);
        return value;
    }
    void byte(std::size_t addr, std::string_view field, long value) {
        img_.setByte(addr, checked(field, value, 0xFF));
    }
    // A 16-bit field as its two's complement word.
    void word(std::size_t addr, int16_t value) { img_.setLe16(addr, static_cast<uint16_t>(value)); }
    void bit(uint8_t& b, int n, std::string_view field, long value) const {
        if (checked(field, value, 1)) b = static_cast<uint8_t>(b | 1u << n);
    }
    void setByte(std::size_t addr, uint8_t value) { img_.setByte(addr, value); }
    // The field's value, one byte a character, then 0x00 to the area's end.
    template <std::size_t N>
    void text(std::size_t addr, std::size_t size, std::string_view field, const FixStr<N>& value) {
        const std::string t = value.value();
        if (t.size() > size)
            throw EncodeError(area_ + ", " + std::string(field) + ": longer than " +
                              std::to_string(size) + " characters");
        img_.setText(addr, size, t, 0x00);
    }

private:
    std::string area_;
    ImageView img_;
};

// A text area read up to the first 0x00 or 0xFF; a NUL marks an early end.
std::string ReadAreaText(const ImageView& img, std::size_t addr, std::size_t size) {
    std::string t;
    std::size_t k = 0;
    for (; k < size; ++k) {
        const uint8_t c = img.byte(addr + k);
        if (c == 0x00 || c == 0xFF) break;
        t.push_back(static_cast<char>(c));
    }
    if (k < size) t.push_back('\0');
    return t;
}

// Hyper settings area of a bank (1 or 2).
std::size_t HyperSetAddr(int bank) { return bank == 1 ? image_map::kHyperSet1 : image_map::kHyperSet2; }
enum HyperSetOffset : std::size_t {
    kHDisplayMode = 0,
    kHModeL = 1,
    kHModeR = 2,
    kHSubDisplay = 3,
    kHNormalIDL = 4,  // 16-bit word
    kHNormalIDR = 6,  // 16-bit word
    kHNoteIndex = 8,  // only in the area of bank DisplayManner + 1
    kHHyperMode = 9,
    kHVFOBandL = 10,
    kHVFOBandR = 11,
    kHFlags13 = 13,   // VFOBandEdge b1, MainSel b2, AMAuto b3, AutoRepeaterSplit b4, HyperAutoSave b5, VFOTrack b6
    kHFlags14 = 14,   // TVFunction b0, TVPriority b1, TVBackground b2, TVOpen b3, RelayMode b4
};

void WriteHyperSet(int bank) {
    const HyperSetData h = CurData.Hyper[bank - 1].Setting;
    const std::size_t a = HyperSetAddr(bank);
    FieldWriter w("hyper bank " + std::to_string(bank));
    w.byte(a + kHDisplayMode, "DisplayMode", h.DisplayMode);
    w.byte(a + kHModeL, "ModeL", h.ModeL);
    w.byte(a + kHModeR, "ModeR", h.ModeR);
    w.byte(a + kHSubDisplay, "SubDisplay", h.SubDisplay);
    w.word(a + kHNormalIDL, h.NormalIDL);
    w.word(a + kHNormalIDR, h.NormalIDR);
    if (CurData.FunSet.Option.DisplayManner == bank - 1)
        w.byte(a + kHNoteIndex, "NoteIndex", CurData.NoteIndex);
    w.byte(a + kHHyperMode, "HyperMode", CurData.HyperMode[bank - 1]);
    w.byte(a + kHVFOBandL, "VFOBandL", h.VFOBandL);
    w.byte(a + kHVFOBandR, "VFOBandR", h.VFOBandR);
    uint8_t b13 = 0, b14 = 0;
    w.bit(b13, 1, "VFOBandEdge", h.VFOBandEdge);
    w.bit(b13, 2, "MainSel", h.MainSel);
    w.bit(b13, 3, "AMAuto", h.AMAuto);
    w.bit(b13, 4, "AutoRepeaterSplit", h.AutoRepeaterSplit);
    w.bit(b13, 5, "HyperAutoSave", h.HyperAutoSave);
    w.bit(b13, 6, "VFOTrack", h.VFOTrack);
    w.bit(b14, 0, "TVFunction", h.TVFunction);
    w.bit(b14, 1, "TVPriority", h.TVPriority);
    w.bit(b14, 2, "TVBackground", h.TVBackground);
    w.bit(b14, 3, "TVOpen", h.TVOpen);
    w.bit(b14, 4, "RelayMode", h.RelayMode);
    w.setByte(a + kHFlags13, b13);
    w.setByte(a + kHFlags14, b14);
}

}  // namespace

void SetCommDataByOption() {
    RunGuardedEncoder("SetCommDataByOption", [] {
        const OptionData o = CurData.FunSet.Option;
        const DTMFData& d = CurData.FunSet.DTMF;
        FieldWriter w("options");
        w.byte(kDisplayMode, "DisplayMode", o.DisplayMode);
        w.byte(kSqlLeft, "SqlLeft", o.SqlLeft);
        w.byte(kSqlRight, "SqlRight", o.SqlRight);
        w.byte(kDisplayManner, "DisplayManner", o.DisplayManner);
        w.byte(kScanTime, "ScanTime", o.ScanTime);
        w.byte(kScanMode, "ScanMode", o.ScanMode);
        w.byte(kBgRed, "BgRed", o.BgRed);
        w.byte(kBgGreen, "BgGreen", o.BgGreen);
        w.byte(kBgBlue, "BgBlue", o.BgBlue);
        w.byte(kToneBurst, "ToneBurst", o.ToneBurst);
        w.byte(kTOT, "TOT", o.TOT);
        w.byte(kPTTLock, "PTTLock", o.PTTLock);
        w.byte(kAutoPowerOff, "AutoPowerOff", o.AutoPowerOff);
        w.byte(kKeyLight, "KeyLight", o.KeyLight);
        w.byte(kLongPressTime, "LongPressTime", o.LongPressTime * 10L);
        w.byte(kSubMute, "SubMute", o.SubMute);

        uint8_t locks = 0, keys = 0;
        w.bit(locks, 0, "TxSpread", o.TxSpread);
        w.bit(locks, 1, "SetupLock", o.SetupLock);
        w.bit(locks, 2, "MicLock", o.MicLock);
        w.bit(locks, 3, "ClearMemLock", o.ClearMemLock);
        w.bit(locks, 4, "BeepVolume", CurData.BeepVolume);
        w.bit(locks, 5, "KeyLock", o.KeyLock);
        w.bit(locks, 7, "DisplayModeSub", o.DisplayModeSub);
        w.bit(keys, 0, "SQLKeyFun", o.SQLKeyFun);
        w.bit(keys, 1, "NoSigTailElim", o.NoSigTailElim);
        w.bit(keys, 2, "Beep", o.Beep);
        w.bit(keys, 3, "RightBandKey", o.RightBandKey);
        w.bit(keys, 4, "ExtSpeaker", CurData.ExtSpeaker);
        w.bit(keys, 5, "CLKShift", o.CLKShift);
        w.bit(keys, 7, "ARTS", o.ARTS);
        w.setByte(kLocks, locks);
        w.setByte(kKeys, keys);

        w.byte(kDTMFPreDelay, "DTMFPreDelay", d.DTMFPreDelay);
        w.byte(kDTMFSendTime, "DTMFSendTime", d.DTMFSendTime);
        w.byte(kTailElimMode, "TailElimMode", o.TailElimMode);
        w.byte(kPAKeyFun, "PAKeyFun", o.PAKeyFun);
        w.byte(kPBKeyFun, "PBKeyFun", o.PBKeyFun);
        w.byte(kPCKeyFun, "PCKeyFun", o.PCKeyFun);
        w.byte(kPDKeyFun, "PDKeyFun", o.PDKeyFun);
        w.byte(kPowerOnPWEnable, "PowerOnPWEnable", o.PowerOnPWEnable);
        w.byte(kRFSqlLeft, "RFSqlLeft", o.RFSqlLeft);
        w.byte(kRFSqlRight, "RFSqlRight", o.RFSqlRight);
        // Scrambler values are unsigned 16-bit words.
        w.byte(kScrambler1, "Scrambler1", o.Scrambler1 % 256);
        w.byte(kScrambler1 + 1, "Scrambler1", w.checked("Scrambler1", o.Scrambler1, 0xFFFF) / 256);
        w.byte(kScrambler2, "Scrambler2", o.Scrambler2 % 256);
        w.byte(kScrambler2 + 1, "Scrambler2", w.checked("Scrambler2", o.Scrambler2, 0xFFFF) / 256);

        w.text(kPowerOnText, kPowerOnTextSize, "PowerOnText", o.PowerOnText);
        w.text(kPowerOnPassWord, kPowerOnPassWordSize, "PowerOnPassWord", o.PowerOnPassWord);
    });
}

void GetOptionByCommData() {
    const ImageView img(CommData);
    OptionData& o = CurData.FunSet.Option;
    o.DisplayMode = img.byte(kDisplayMode);
    o.SqlLeft = img.byte(kSqlLeft);
    o.SqlRight = img.byte(kSqlRight);
    o.DisplayManner = img.byte(kDisplayManner);
    o.ScanTime = img.byte(kScanTime);
    o.ScanMode = img.byte(kScanMode);
    o.BgRed = img.byte(kBgRed);
    o.BgGreen = img.byte(kBgGreen);
    o.BgBlue = img.byte(kBgBlue);
    o.ToneBurst = img.byte(kToneBurst);
    o.TOT = img.byte(kTOT);
    o.PTTLock = img.byte(kPTTLock);
    o.AutoPowerOff = img.byte(kAutoPowerOff);
    o.KeyLight = img.byte(kKeyLight);
    o.LongPressTime = static_cast<int16_t>(img.byte(kLongPressTime) / 10);
    o.SubMute = img.byte(kSubMute);
    o.TxSpread = img.bit(kLocks, 0);
    o.SetupLock = img.bit(kLocks, 1);
    o.MicLock = img.bit(kLocks, 2);
    o.ClearMemLock = img.bit(kLocks, 3);
    CurData.BeepVolume = img.bit(kLocks, 4);
    o.KeyLock = img.bit(kLocks, 5);
    o.DisplayModeSub = img.bit(kLocks, 7);
    o.SQLKeyFun = img.bit(kKeys, 0);
    o.NoSigTailElim = img.bit(kKeys, 1);
    o.Beep = img.bit(kKeys, 2);
    o.RightBandKey = img.bit(kKeys, 3);
    CurData.ExtSpeaker = img.bit(kKeys, 4);
    o.CLKShift = img.bit(kKeys, 5);
    o.ARTS = img.bit(kKeys, 7);
    CurData.FunSet.DTMF.DTMFPreDelay = img.byte(kDTMFPreDelay);
    CurData.FunSet.DTMF.DTMFSendTime = img.byte(kDTMFSendTime);
    o.TailElimMode = img.byte(kTailElimMode);
    o.PAKeyFun = img.byte(kPAKeyFun);
    o.PBKeyFun = img.byte(kPBKeyFun);
    o.PCKeyFun = img.byte(kPCKeyFun);
    o.PDKeyFun = img.byte(kPDKeyFun);
    o.PowerOnPWEnable = img.byte(kPowerOnPWEnable);
    o.RFSqlLeft = img.byte(kRFSqlLeft);
    o.RFSqlRight = img.byte(kRFSqlRight);
    o.Scrambler1 = img.le16(kScrambler1);
    o.Scrambler2 = img.le16(kScrambler2);
    o.PowerOnPassWord = ReadAreaText(img, kPowerOnPassWord, kPowerOnPassWordSize);
    o.PowerOnText = ReadAreaText(img, kPowerOnText, kPowerOnTextSize);
}

void SetCommDataByHyperSet(int bank) {
    if (bank != 1 && bank != 2) return;
    // The panel gives bytes and flags only; a damaged file could hold more.
    // Such a value stops the write like any encoder failure, but the box
    // shows only for the first failure of a write.
    if (WriteDataOK) {
        RunGuardedEncoder("SetCommDataByHyperSet", [bank] { WriteHyperSet(bank); });
    } else {
        try {
            WriteHyperSet(bank);
        } catch (const std::exception&) {
        }
    }
}

void GetHyperSetByCommData(int bank) {
    if (bank != 1 && bank != 2) return;
    const ImageView img(CommData);
    const std::size_t a = HyperSetAddr(bank);
    HyperSetData h = CurData.Hyper[bank - 1].Setting;
    h.DisplayMode = img.byte(a + kHDisplayMode);
    h.ModeL = img.byte(a + kHModeL);
    h.ModeR = img.byte(a + kHModeR);
    h.SubDisplay = img.byte(a + kHSubDisplay);
    h.NormalIDL = img.le16Signed(a + kHNormalIDL);
    h.NormalIDR = img.le16Signed(a + kHNormalIDR);
    if (bank == CurData.FunSet.Option.DisplayManner + 1) CurData.NoteIndex = img.byte(a + kHNoteIndex);
    CurData.HyperMode[bank - 1] = img.byte(a + kHHyperMode);
    h.VFOBandL = img.byte(a + kHVFOBandL);
    h.VFOBandR = img.byte(a + kHVFOBandR);
    h.VFOBandEdge = img.bit(a + kHFlags13, 1);
    h.MainSel = img.bit(a + kHFlags13, 2);
    h.AMAuto = img.bit(a + kHFlags13, 3);
    h.AutoRepeaterSplit = img.bit(a + kHFlags13, 4);
    h.HyperAutoSave = img.bit(a + kHFlags13, 5);
    h.VFOTrack = img.bit(a + kHFlags13, 6);
    h.TVFunction = img.bit(a + kHFlags14, 0);
    h.TVPriority = img.bit(a + kHFlags14, 1);
    h.TVBackground = img.bit(a + kHFlags14, 2);
    h.TVOpen = img.bit(a + kHFlags14, 3);
    h.RelayMode = img.bit(a + kHFlags14, 4);
    CurData.Hyper[bank - 1].Setting = h;
}

void SetCommDataByScan() {
    const ScanData s = CurData.FunSet.Scan;
    ImageView img(CommData);
    const uint8_t bytes[] = {s.ScanMode, s.PriorityMode, s.RevertCH, s.LookBackA, s.LookBackB,
                             s.RxResume, s.TxResume,     s.ScanType, s.ScanTone,  s.WaitTime};
    for (std::size_t k = 0; k < std::size(bytes); ++k) img.setByte(kScan + k, bytes[k]);
    img.setLe16(kScan + 0x0A, static_cast<uint16_t>(s.PriorityCH1));
    img.setLe16(kScan + 0x0C, static_cast<uint16_t>(s.PriorityCH2));
}

void GetScanByCommData() {
    const ImageView img(CommData);
    ScanData& s = CurData.FunSet.Scan;
    uint8_t* bytes[] = {&s.ScanMode, &s.PriorityMode, &s.RevertCH, &s.LookBackA, &s.LookBackB,
                        &s.RxResume, &s.TxResume,     &s.ScanType, &s.ScanTone,  &s.WaitTime};
    for (std::size_t k = 0; k < std::size(bytes); ++k) *bytes[k] = img.byte(kScan + k);
    s.PriorityCH1 = img.le16Signed(kScan + 0x0A);
    s.PriorityCH2 = img.le16Signed(kScan + 0x0C);
}

void SetCommDataByAlert() {
    const AlertData a = CurData.FunSet.Alert;
    ImageView img(CommData);
    const uint8_t head[] = {a.AlarmType, a.IDCodeType, a.IDCodeGroup, a.AlarmTime,
                            a.TxTime,    a.RxTime,     a.CHSelect};
    for (std::size_t k = 0; k < std::size(head); ++k) img.setByte(kAlert + k, head[k]);
    img.setLe16(kAlert + 0x07, static_cast<uint16_t>(a.EmgCHNo));
    img.setByte(kAlert + 0x09, a.Period);
    img.setByte(kAlert + 0x0A, a.AutoDetect);
    img.setByte(kAlert + 0x0B, a.PreAlertTime);
    img.setByte(kAlert + 0x0C, a.LoneWorkTime);
}

void GetAlertByCommData() {
    const ImageView img(CommData);
    AlertData& a = CurData.FunSet.Alert;
    uint8_t* head[] = {&a.AlarmType, &a.IDCodeType, &a.IDCodeGroup, &a.AlarmTime,
                       &a.TxTime,    &a.RxTime,     &a.CHSelect};
    for (std::size_t k = 0; k < std::size(head); ++k) *head[k] = img.byte(kAlert + k);
    a.EmgCHNo = img.le16Signed(kAlert + 0x07);
    a.Period = img.byte(kAlert + 0x09);
    a.AutoDetect = img.byte(kAlert + 0x0A);
    a.PreAlertTime = img.byte(kAlert + 0x0B);
    a.LoneWorkTime = img.byte(kAlert + 0x0C);
}
