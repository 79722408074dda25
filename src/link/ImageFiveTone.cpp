// Five-tone areas of the memory image: settings and own ID at 0x0320, the
// PTT-ID codes at 0x0360, the information (decode) codes at 0x0900, the code
// list at 0x0D00 with its presence bitmap at 0x0380, and the tone table of
// the user-defined standard at 0x03C0.
#include <algorithm>
#include <string>

#include "core/Defaults.h"
#include "core/SharedState.h"
#include "link/ImageAreas.h"
#include "link/ImageGuard.h"
#include "link/ImageSignalFields.h"

namespace {

// Settings, 0x0320-0x0335.
constexpr std::size_t kHead0 = 0x0320;
constexpr std::size_t kDecodeResp = 0x0321;
constexpr std::size_t kStandard = 0x0322;
constexpr std::size_t kSelfIDLen = 0x0323;
constexpr std::size_t kTonePeriod = 0x0324;
constexpr std::size_t kSelfID = 0x0325;  // one digit a byte
constexpr std::size_t kSelfIDBytes = 5;
constexpr std::size_t kTime18 = 0x032B;
constexpr std::size_t kTime19 = 0x032C;
constexpr std::size_t kTime20 = 0x032D;
constexpr std::size_t kTime17 = 0x032E;
constexpr std::size_t kFirstDelay = 0x032F;
constexpr std::size_t kSideTone = 0x0330;
constexpr std::size_t kSepCode = 0x0331;
constexpr std::size_t kPauseCode = 0x0332;
constexpr std::size_t kPauseTime = 0x0333;
constexpr std::size_t kDecodeTime = 0x0334;
constexpr std::size_t kPauseFirstDelay = 0x0335;

constexpr std::size_t kDefTone = 0x03C0;  // 16 words, low byte first

// A code slot: 32 bytes for the list, 16 for the PTT-ID codes.
constexpr std::size_t kCodeStandard = 1;
constexpr std::size_t kCodeLen = 2;
constexpr std::size_t kCodePeriod = 3;
constexpr std::size_t kCodeDigits = 4;
constexpr std::size_t kCodeName = 24;
constexpr std::size_t kNameSize = 7;
constexpr int kListDigits = 40;    // bytes 4..23
constexpr int kPTTIDDigits = 24;   // bytes 4..15
constexpr int kMinPeriod = 30, kMaxPeriod = 100, kDefaultPeriod = 70;

constexpr std::size_t kPTTIDBegin = 0x0360;
constexpr std::size_t kPTTIDEnd = 0x0370;
constexpr std::size_t kList = 0x0D00;
constexpr std::size_t kSlotSize = 32;
constexpr std::size_t kBitmap = 0x0380;

// An information code slot, 32 bytes.
constexpr std::size_t kInfoCodes = 0x0900;
constexpr std::size_t kInfoFunc = 0;
constexpr std::size_t kInfoResp = 1;
constexpr std::size_t kInfoLen = 2;
constexpr std::size_t kInfoDigits = 3;  // one digit a byte
constexpr std::size_t kInfoName = 16;
constexpr int kInfoMaxDigits = 12;      // bytes 3..14

std::size_t ListAddr(int i) { return kList + kSlotSize * static_cast<std::size_t>(i - 1); }
std::size_t InfoAddr(int j) { return kInfoCodes + kSlotSize * static_cast<std::size_t>(j - 1); }

bool PeriodInRange(int p) { return p >= kMinPeriod && p <= kMaxPeriod; }

// A code text padded with "E" (the repeat tone) or cut to exactly `len`.
std::string CodeDigits(const std::string& code, std::size_t len) {
    std::string t = code;
    if (t.size() < len) t.append(len - t.size(), 'E');
    t.resize(len);
    return t;
}

void CheckLength(int len, int capacity, const std::string& what) {
    if (len > capacity)
        throw EncodeError(what + " has " + std::to_string(len) + " digits; its place holds " +
                          std::to_string(capacity));
}

// One code slot; the name only for list codes.
void Set5ToneCodeData(ImageView& image, const Tone5Code& code, std::size_t a, bool withName,
                      int capacity, const std::string& what) {
    CheckLength(code.CodeLen, capacity, what);
    image.setByte(a + kCodeStandard, code.Standard);
    image.setByte(a + kCodeLen, code.CodeLen);
    image.setByte(a + kCodePeriod, PeriodInRange(code.TonePeriod) ? code.TonePeriod : kDefaultPeriod);
    std::string t = CodeDigits(code.Code.value(), code.CodeLen);
    if (t.size() % 2 != 0) t += 'E';
    SetPackedDigits(image, a + kCodeDigits, t, what);
    if (withName) SetNameBytes(image, a + kCodeName, kNameSize, code.Name.value(), ' ');
}

void Get5ToneCodeData(const ImageView& image, Tone5Code& code, std::size_t a, bool withName, int capacity) {
    code.Standard = image.byte(a + kCodeStandard);
    int len = image.byte(a + kCodeLen);
    if (len > capacity) len = 0;  // erased memory must not spill into the next slot
    code.CodeLen = static_cast<uint8_t>(len);
    const uint8_t period = image.byte(a + kCodePeriod);
    code.TonePeriod = PeriodInRange(period) ? period : kDefaultPeriod;
    code.Code = PackedDigits(image, a + kCodeDigits, static_cast<std::size_t>(len));
    if (withName) code.Name = NameBytes(image, a + kCodeName, kNameSize);
}

void Set5ToneItemData(ImageView& image, const Tone5InfoCode& code, std::size_t a, const std::string& what) {
    CheckLength(code.CodeLen, kInfoMaxDigits, what);
    image.setByte(a + kInfoFunc, code.Func);
    image.setByte(a + kInfoResp, code.Resp);
    image.setByte(a + kInfoLen, code.CodeLen);
    const std::string t = CodeDigits(code.Code.value(), code.CodeLen);
    for (std::size_t k = 0; k < t.size(); ++k) image.setByte(a + kInfoDigits + k, HexDigitValue(t[k], what));
    // Information-code names are padded with 0x00, unlike the list's.
    SetNameBytes(image, a + kInfoName, kNameSize, code.Name.value(), 0x00);
}

uint8_t ErasedAsZero(uint8_t b) { return b == 0xFF ? 0 : b; }

void Get5ToneItemData(const ImageView& image, Tone5InfoCode& code, std::size_t a) {
    code.Func = ErasedAsZero(image.byte(a + kInfoFunc));
    code.Resp = ErasedAsZero(image.byte(a + kInfoResp));
    const uint8_t len = image.byte(a + kInfoLen);
    code.CodeLen = len > kInfoMaxDigits ? 0 : len;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string t;
    for (std::size_t k = 0; k < code.CodeLen; ++k) {
        // A byte as its hexadecimal number without a leading zero.
        const uint8_t b = image.byte(a + kInfoDigits + k);
        if (b >= 16) t += kHex[b / 16];
        t += kHex[b % 16];
    }
    t.resize(code.CodeLen);
    code.Code = t;
    code.Name = NameBytes(image, a + kInfoName, kNameSize);
}

void WriteFiveToneArea(ImageView image, const Tone5Data& d, uint8_t decodeTime) {
    image.setByte(kHead0, d.Head0);
    image.setByte(kDecodeResp, d.DecodeResp);
    image.setByte(kStandard, d.Standard);
    image.setByte(kSelfIDLen, d.SelfIDLen);
    image.setByte(kTonePeriod, d.TonePeriod);

    // The own ID is taken as stored, so a blank inside the length fails.
    for (std::size_t k = 0; k < kSelfIDBytes; ++k) {
        int digit = 0;
        if (k < d.SelfIDLen) {
            const char c = static_cast<char>(d.SelfID.bytes[k]);
            if (c < '0' || c > '9')
                throw EncodeError("own ID \"" + d.SelfID.value() + "\" has fewer than " +
                                  std::to_string(d.SelfIDLen) + " digits");
            digit = c - '0';
        }
        image.setByte(kSelfID + k, digit);
    }

    image.setByte(kTime18, d.Time18);
    image.setByte(kTime19, d.Time19);
    image.setByte(kTime20, d.Time20);
    image.setByte(kTime17, d.Time17);
    image.setByte(kFirstDelay, d.FirstDelay);
    image.setByte(kSideTone, d.SideTone);
    image.setByte(kSepCode, d.SepCode);
    image.setByte(kPauseCode, d.PauseCode);
    image.setByte(kPauseTime, d.PauseTime);
    image.setByte(kDecodeTime, decodeTime);
    image.setByte(kPauseFirstDelay, d.PauseFirstDelay);

    for (std::size_t k = 0; k < d.DefTone.size(); ++k) image.setLe16(kDefTone + 2 * k, d.DefTone[k]);

    Set5ToneCodeData(image, d.PTTIDBegin, kPTTIDBegin, false, kPTTIDDigits, "PTT-ID begin code");
    Set5ToneCodeData(image, d.PTTIDEnd, kPTTIDEnd, false, kPTTIDDigits, "PTT-ID end code");

    for (int j = d.InfoCode.first(); j <= d.InfoCode.last(); ++j)
        Set5ToneItemData(image, d.InfoCode[j], InfoAddr(j), "information code " + std::to_string(j));

    for (int i = d.Tone5List.first(); i <= d.Tone5List.last(); ++i) {
        const Tone5Code& code = d.Tone5List[i];
        SetEntryEmpty(image, kBitmap, i, code.EmptyFlag != 0);
        Set5ToneCodeData(image, code, ListAddr(i), true, kListDigits, "five-tone code " + std::to_string(i));
    }
}

// Fills what the image holds; the PTT-ID codes' flag, names and reserved byte
// are not in it and stay as they are.
void ReadFiveToneArea(const ImageView& image, Tone5Data& d, uint8_t& decodeTime) {
    d.Head0 = image.byte(kHead0);
    d.DecodeResp = image.byte(kDecodeResp);
    d.Standard = image.byte(kStandard);
    d.SelfIDLen = image.byte(kSelfIDLen);
    d.TonePeriod = image.byte(kTonePeriod);

    // Each byte as its decimal number, but no more characters than the
    // writer sends back (one digit a byte, at most five): a longer ID, or one
    // with a byte above 9, would change with every read and write.
    const std::size_t idLength = std::min<std::size_t>(d.SelfIDLen, kSelfIDBytes);
    std::string id;
    for (std::size_t k = 0; k < idLength && id.size() < idLength; ++k) id += std::to_string(image.byte(kSelfID + k));
    id.resize(std::min(id.size(), idLength));
    id += '\0';
    d.SelfID = id;

    d.Time18 = image.byte(kTime18);
    d.Time19 = image.byte(kTime19);
    d.Time20 = image.byte(kTime20);
    d.Time17 = image.byte(kTime17);
    d.FirstDelay = image.byte(kFirstDelay);
    d.SideTone = image.byte(kSideTone);
    d.SepCode = image.byte(kSepCode);
    d.PauseCode = image.byte(kPauseCode);
    d.PauseTime = image.byte(kPauseTime);
    decodeTime = image.byte(kDecodeTime);
    d.PauseFirstDelay = image.byte(kPauseFirstDelay);

    // A word the encoder could not write back (0x8000 and above, erased
    // memory among them) reads as the digit's default tone.
    for (std::size_t k = 0; k < d.DefTone.size(); ++k) {
        const int16_t tone = image.le16Signed(kDefTone + 2 * k);
        d.DefTone[k] = tone < 0 ? kDefaultUserTones[k] : tone;
    }

    Get5ToneCodeData(image, d.PTTIDBegin, kPTTIDBegin, false, kPTTIDDigits);
    Get5ToneCodeData(image, d.PTTIDEnd, kPTTIDEnd, false, kPTTIDDigits);

    for (int j = d.InfoCode.first(); j <= d.InfoCode.last(); ++j) Get5ToneItemData(image, d.InfoCode[j], InfoAddr(j));

    for (int i = d.Tone5List.first(); i <= d.Tone5List.last(); ++i) {
        Tone5Code& code = d.Tone5List[i];
        code.EmptyFlag = EntryEmpty(image, kBitmap, i) ? 1 : 0;
        Get5ToneCodeData(image, code, ListAddr(i), true, kListDigits);
    }
}

}  // namespace

void SetCommDataBy5Tone() {
    RunGuardedEncoder("SetCommDataBy5Tone", [] {
        WriteFiveToneArea(ImageView(CommData), CurData.FunSet.Tone5, CurData.Tone5DecodeTime);
    });
}

void Get5ToneByCommData() {
    ReadFiveToneArea(ImageView(CommData), CurData.FunSet.Tone5, CurData.Tone5DecodeTime);
}
