// DTMF area of the memory image: settings and own ID at 0x02E0, kill and stun
// codes at 0x02F0, PTT-ID codes at 0x0340 and the memories M1..M16 at 0x0400.
// The two DTMF timing values travel with the options; ANI and the PTT-ID mode
// are not in the image.
#include <string>

#include "core/NumericText.h"
#include "core/SharedState.h"
#include "link/ImageAreas.h"
#include "link/ImageGuard.h"
#include "link/ImageSignalFields.h"

namespace {

constexpr std::size_t kSepCode = 0x02E0;
constexpr std::size_t kGroupCode = 0x02E1;
constexpr std::size_t kDecodeResp = 0x02E2;
constexpr std::size_t kFirstDelay = 0x02E4;
constexpr std::size_t kResetTime = 0x02E5;
constexpr std::size_t kSelfID = 0x02E7;  // three bytes, one digit each
constexpr std::size_t kSideTone = 0x02ED;
constexpr std::size_t kPostDelay = 0x02EE;
constexpr std::size_t kPauseTime = 0x02EF;

constexpr int kGroupOff = 255;
constexpr int kGroupA = 10;
constexpr int kDefaultSep = 14;  // "*"

// Where a code lives: its packed digits, then a length byte.
struct CodeSlot {
    std::size_t digits;
    std::size_t length;
    int maxLen;
};
constexpr CodeSlot kKillSlot{0x02F0, 0x02F7, 14};
constexpr CodeSlot kStunSlot{0x02F8, 0x02FF, 14};
constexpr CodeSlot kBeginSlot{0x0340, 0x034C, 24};
constexpr CodeSlot kEndSlot{0x0350, 0x035C, 24};
constexpr CodeSlot MemorySlot(int m) {  // m = 0..15 for M1..M16
    return {0x0400 + 16 * static_cast<std::size_t>(m), 0x040C + 16 * static_cast<std::size_t>(m), 24};
}

bool IsSepOrGroupChar(int v) { return v >= 10 && v <= 15; }

template <class Item>
void WriteCode(ImageView& image, const CodeSlot& slot, const Item& item, const std::string& what) {
    long n = item.CodeLen;
    if (n > slot.maxLen) n = 0;
    image.setByte(slot.length, n);  // a negative length fails here
    std::string t = item.Code.value();
    if (t.size() < static_cast<std::size_t>(n)) t.append(static_cast<std::size_t>(n) - t.size(), '0');
    if (t.size() % 2 != 0) t += '0';
    // An odd length ends on the next stored character (or the "0" above).
    SetPackedDigits(image, slot.digits, std::string_view(t).substr(0, 2 * static_cast<std::size_t>((n + 1) / 2)),
                    what);
}

template <class Item>
void ReadCode(const ImageView& image, const CodeSlot& slot, Item& item) {
    int n = image.byte(slot.length);
    if (n > slot.maxLen) n = 0;  // erased memory (0xFF) reads as an empty code
    item.CodeLen = static_cast<int16_t>(n);
    std::string t = PackedDigits(image, slot.digits, static_cast<std::size_t>(n));
    if (t.size() < item.Code.size()) t += '\0';
    item.Code = t;
}

// The own ID as it is written: a number is padded with "0" on the right to
// three characters; anything else becomes "000".
std::string PaddedSelfID(const FixStr<3>& field) {
    std::string t = field.value();
    if (!IsNumericText(t)) return "000";
    if (t.size() < 3) t.append(3 - t.size(), '0');
    return t;
}

void WriteDTMFArea(ImageView image, DTMFData& working) {
    const DTMFData d = working;
    image.setByte(kSepCode, IsSepOrGroupChar(d.DTMFSepCode) ? d.DTMFSepCode : kDefaultSep);
    image.setByte(kGroupCode, IsSepOrGroupChar(d.DTMFGroupCode) ? d.DTMFGroupCode : kGroupOff);
    image.setByte(kDecodeResp, d.DTMFDecodeResp > 2 ? 0 : d.DTMFDecodeResp);
    image.setByte(kFirstDelay, d.DTMFFirstDelay > 250 ? 0 : d.DTMFFirstDelay);
    image.setByte(kResetTime, d.DTMFResetTime);

    // The padded own ID also goes back into the working data, so what the
    // user sees afterwards is what the radio holds.
    const std::string id = PaddedSelfID(d.DTMFSelfID);
    working.DTMFSelfID = id;
    for (std::size_t k = 0; k < 3; ++k) {
        const char c = id[k];
        if (c < '0' || c > '9') throw EncodeError("own ID \"" + id + "\" is not three digits");
        image.setByte(kSelfID + k, c - '0');
    }

    image.setByte(kSideTone, d.DTMFSideTone);
    image.setByte(kPostDelay, d.DTMFPostDelay);
    image.setByte(kPauseTime, d.DTMFPauseTime);

    WriteCode(image, kBeginSlot, d.PTTIDBeginCode, "PTT-ID begin code");
    WriteCode(image, kEndSlot, d.PTTIDEndCode, "PTT-ID end code");
    WriteCode(image, kKillSlot, d.DTMFKillCode, "kill code");
    WriteCode(image, kStunSlot, d.DTMFStunCode, "stun code");
    for (int m = 0; m < 16; ++m)
        WriteCode(image, MemorySlot(m), d.DTMFCode[static_cast<std::size_t>(m)], "memory M" + std::to_string(m + 1));
}

// Fills only what the image holds; ANI, PTT-ID mode and the two timing values
// read with the options stay as they are.
void ReadDTMFArea(const ImageView& image, DTMFData& d) {
    const int sep = image.byte(kSepCode);
    d.DTMFSepCode = static_cast<int16_t>(IsSepOrGroupChar(sep) ? sep : kDefaultSep);
    // 0xFF is "off", as the writer stores it; any other byte that is no group
    // character reads as "A", as the radio shows it.
    const int group = image.byte(kGroupCode);
    d.DTMFGroupCode = static_cast<int16_t>(IsSepOrGroupChar(group) ? group : group == kGroupOff ? kGroupOff : kGroupA);
    const int resp = image.byte(kDecodeResp);
    d.DTMFDecodeResp = static_cast<int16_t>(resp > 2 ? 0 : resp);
    const int firstDelay = image.byte(kFirstDelay);
    d.DTMFFirstDelay = static_cast<int16_t>(firstDelay > 250 ? 0 : firstDelay);
    d.DTMFResetTime = image.byte(kResetTime);

    std::string id;
    for (std::size_t k = 0; k < 3; ++k) {
        const int digit = image.byte(kSelfID + k);
        if (digit > 9) {
            id = "000";
            break;
        }
        id += static_cast<char>('0' + digit);
    }
    d.DTMFSelfID = id;

    d.DTMFSideTone = image.byte(kSideTone);
    d.DTMFPostDelay = image.byte(kPostDelay);
    d.DTMFPauseTime = image.byte(kPauseTime);

    ReadCode(image, kBeginSlot, d.PTTIDBeginCode);
    ReadCode(image, kEndSlot, d.PTTIDEndCode);
    ReadCode(image, kKillSlot, d.DTMFKillCode);
    ReadCode(image, kStunSlot, d.DTMFStunCode);
    for (int m = 0; m < 16; ++m) ReadCode(image, MemorySlot(m), d.DTMFCode[static_cast<std::size_t>(m)]);
}

}  // namespace

void SetCommDataByDTMF() {
    RunGuardedEncoder("SetCommDataByDTMF", [] { WriteDTMFArea(ImageView(CommData), CurData.FunSet.DTMF); });
}

void GetDTMFByCommData() { ReadDTMFArea(ImageView(CommData), CurData.FunSet.DTMF); }
