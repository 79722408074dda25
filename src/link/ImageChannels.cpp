#include "link/ImageChannels.h"

#include <algorithm>
#include <bitset>
#include <string>

#include "core/BandPlan.h"
#include "core/FreCodec.h"
#include "core/HyperChannel.h"
#include "core/Defaults.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "link/ImageAreas.h"
#include "link/ImageGuard.h"
#include "link/ImageSignalFields.h"

namespace {

using image_map::kChannelSlots;
using image_map::kFlagNibbles;
using image_map::kHyperSlots;
using image_map::kSlotSize;

// Offsets inside a 32-byte slot.
enum SlotOffset : std::size_t {
    kRx = 0,
    kOffset = 4,
    kStep = 8,
    kFlags9 = 9,    // TxInhibit b0, Reverse b1, Bandwidth b2-3, En/De_DCSInvert b4/b5, DCS bit 8 b6/b7
    kFlags10 = 10,  // ShiftDir b0-1, TxPower b2-3, Modulation b4, AMAuto b5, Compander b6, TalkAround b7
    kFlags11 = 11,  // En_CTC_Type b0-1, De_CTC_Type b2-3, DTMFCodeNo b4-7
    kEnCTCSS = 12,
    kDeCTCSS = 13,
    kEnDCSLow = 14,
    kDeDCSLow = 15,
    kFlags16 = 16,  // BusyLock b0-3, PTTIDType b4-7
    kBandNo = 17,
    kSQLMode = 18,
    kOptSig = 19,
    kTone2No = 20,
    kTone5No = 21,
    kScrambler = 22,
    kName = 23,
    kNameSize = 7,
    kUserCTCSS = 30,
};

// Nibble bits.
constexpr uint8_t kNotStandard = 0x8;
constexpr uint8_t kEmpty = 0x4;
constexpr uint8_t kScanSkipMask = 0x3;

// Which channel a slot holds, for messages.
std::string SlotName(int slot) {
    if (slot < kNormalSlots) return "channel " + std::to_string(slot + 1);
    if (slot < kFlaggedSlots) return "limit channel " + std::to_string(slot - kNormalSlots + 1);
    const int idx = slot - kHyperSlotFirst;
    const int group = idx / 6;  // bank 1 lower, bank 2 lower, bank 1 upper, bank 2 upper
    const int bank = group % 2 + 1;
    const int row = idx % 6 + 1 + (group >= 2 ? 6 : 0);
    return "hyper bank " + std::to_string(bank) + " row " + std::to_string(row);
}

// Builds the bytes of one slot; a field that does not fit throws EncodeError.
class SlotPacker {
public:
    explicit SlotPacker(int slot) : slot_(slot) {}

    [[noreturn]] void fail(std::string_view field, const std::string& why) const {
        throw EncodeError(SlotName(slot_) + ", " + std::string(field) + ": " + why);
    }

    long checked(std::string_view field, long value, long max) const {
        if (value < 0 || value > max)
            fail(field, std::to_string(value) + " is outside 0.." + std::to_string(max));
        return value;
    }
    uint8_t byteOf(std::string_view field, long value) const {
        return static_cast<uint8_t>(checked(field, value, 0xFF));
    }
    // Puts `value` into bits first..first+count-1 of `b` with a mask.
    void put(uint8_t& b, int first, int count, std::string_view field, long value) const {
        const long max = (1L << count) - 1;
        b = static_cast<uint8_t>((b & ~(max << first)) | (checked(field, value, max) << first));
    }

private:
    int slot_;
};

bool AllDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool IsNoFreMarker(std::string_view s) {
    return (s.size() == 8 || s.size() == 9) && s.find_first_not_of('F') == std::string_view::npos;
}

}  // namespace

std::size_t ChannelSlotAddr(int slot) {
    if (slot >= 0 && slot < kFlaggedSlots) return kChannelSlots + kSlotSize * slot;
    if (slot >= kHyperSlotFirst && slot < kHyperSlotFirst + kHyperSlotCount)
        return kHyperSlots + kSlotSize * (slot - kHyperSlotFirst);
    return 0;
}

std::optional<std::array<uint8_t, 4>> PackFreCode(std::string_view code, bool isOffset) {
    std::array<uint8_t, 4> out{};
    if (code.empty() || IsNoFreMarker(code)) {
        out.fill(code.empty() && isOffset ? 0x00 : 0xFF);
        return out;
    }
    if (code.size() > 9 || !AllDigits(code)) return std::nullopt;
    std::string digits(code.substr(0, 8));
    digits.resize(8, '0');
    for (int k = 0; k < 4; ++k)
        out[k] = static_cast<uint8_t>((digits[2 * k] - '0') << 4 | (digits[2 * k + 1] - '0'));
    return out;
}

std::optional<std::string> UnpackFreCode(std::span<const uint8_t, 4> bytes) {
    std::string code;
    code.reserve(9);
    for (uint8_t b : bytes) {
        const int hi = b >> 4, lo = b & 0xF;
        if (hi > 9 || lo > 9) return std::nullopt;
        code.push_back(static_cast<char>('0' + hi));
        code.push_back(static_cast<char>('0' + lo));
    }
    // The radio keeps 100 Hz; the 10 Hz digit follows from the raster the
    // last digit shows (6.25 kHz and 8.33 kHz channels come back exactly).
    switch (code.back()) {
        case '2': case '7': code.push_back('5'); break;
        case '3': code.push_back('3'); break;
        case '6': code.push_back('6'); break;
        default: code.push_back('0'); break;
    }
    return code;
}

void SetCommDataByChannel(int slot, UFreData& ch) {
    const std::size_t addr = ChannelSlotAddr(slot);
    if (addr == 0) return;
    const SlotPacker p(slot);

    // Everything is checked and built first, so a failing channel leaves its
    // slot and nibble as they were.
    const std::string rx = ch.RxFre.value();
    const auto rxBytes = PackFreCode(rx, false);
    if (!rxBytes) p.fail("RxFre", "\"" + rx + "\" is not a frequency code");
    const std::string offset = ch.OffsetFre.value();
    const auto offsetBytes = PackFreCode(offset, true);
    if (!offsetBytes) p.fail("OffsetFre", "\"" + offset + "\" is not a frequency code");

    // A code of digits is a frequency; the empty text and the marker are none.
    const bool hasFre = !rx.empty() && AllDigits(rx);
    std::string rxPadded = rx;
    if (hasFre) rxPadded.resize(9, '0');
    const bool standard = hasFre && IsStdTxFre(Fre{std::stoll(rxPadded)});
    const int16_t bandNo = hasFre ? GetFreBandNo(CodeToFre(rxPadded)) : 4;

    p.checked("En_DCSCode", ch.En_DCSCode, 511);
    p.checked("De_DCSCode", ch.De_DCSCode, 511);

    std::array<uint8_t, kSlotSize> s{};
    std::copy(rxBytes->begin(), rxBytes->end(), s.begin() + kRx);
    std::copy(offsetBytes->begin(), offsetBytes->end(), s.begin() + kOffset);
    s[kStep] = p.byteOf("StepIndex", ch.StepIndex);

    p.put(s[kFlags9], 0, 1, "TxInhibit", ch.TxInhibit);
    p.put(s[kFlags9], 1, 1, "Reverse", ch.Reverse);
    p.put(s[kFlags9], 2, 2, "Bandwidth", ch.Bandwidth);
    p.put(s[kFlags9], 4, 1, "En_DCSInvert", ch.En_DCSInvert);
    p.put(s[kFlags9], 5, 1, "De_DCSInvert", ch.De_DCSInvert);
    p.put(s[kFlags9], 6, 1, "En_DCSCode", ch.En_DCSCode >> 8);
    p.put(s[kFlags9], 7, 1, "De_DCSCode", ch.De_DCSCode >> 8);

    p.put(s[kFlags10], 0, 2, "ShiftDir", ch.ShiftDir);
    p.put(s[kFlags10], 2, 2, "TxPower", ch.TxPower);
    p.put(s[kFlags10], 4, 1, "Modulation", ch.Modulation);
    p.put(s[kFlags10], 5, 1, "AMAuto", ch.AMAuto);
    p.put(s[kFlags10], 6, 1, "Compander", ch.Compander);
    p.put(s[kFlags10], 7, 1, "TalkAround", ch.TalkAround);

    p.put(s[kFlags11], 0, 2, "En_CTC_Type", ch.En_CTC_Type);
    p.put(s[kFlags11], 2, 2, "De_CTC_Type", ch.De_CTC_Type);
    p.put(s[kFlags11], 4, 4, "DTMFCodeNo", ch.DTMFCodeNo);

    s[kEnCTCSS] = p.byteOf("En_CTCSS", ch.En_CTCSS);
    s[kDeCTCSS] = p.byteOf("De_CTCSS", ch.De_CTCSS);
    s[kEnDCSLow] = static_cast<uint8_t>(ch.En_DCSCode & 0xFF);
    s[kDeDCSLow] = static_cast<uint8_t>(ch.De_DCSCode & 0xFF);

    p.put(s[kFlags16], 0, 4, "BusyLock", ch.BusyLock);
    p.put(s[kFlags16], 4, 4, "PTTIDType", ch.PTTIDType);

    s[kBandNo] = static_cast<uint8_t>(bandNo);
    s[kSQLMode] = p.byteOf("SQLMode", ch.SQLMode);
    s[kOptSig] = p.byteOf("OptSig", ch.OptSig);
    s[kTone2No] = p.byteOf("Tone2No", ch.Tone2No);
    s[kTone5No] = p.byteOf("Tone5No", ch.Tone5No);
    s[kScrambler] = p.byteOf("Scrambler", ch.Scrambler);

    // One byte a character; an empty name is all 0x00, any other is
    // padded with blanks.
    const std::string name = ch.CHName.value();
    for (std::size_t k = 0; k < kNameSize; ++k)
        s[kName + k] = k < name.size() ? static_cast<uint8_t>(name[k]) : (name.empty() ? 0x00 : 0x20);

    // A 16-bit field travels as its two's complement word, so a value read
    // from the radio goes back as the same bytes.
    const auto tone = static_cast<uint16_t>(ch.UserCTCSS);
    s[kUserCTCSS] = static_cast<uint8_t>(tone & 0xFF);
    s[kUserCTCSS + 1] = static_cast<uint8_t>(tone >> 8);

    uint8_t nibble = 0;
    if (slot < kFlaggedSlots) {
        nibble = standard ? 0 : kNotStandard;
        if (ch.UsedFlag != 0 && ch.UsedFlag != 1)
            p.fail("UsedFlag", std::to_string(ch.UsedFlag) + " is outside 0..1");
        if (ch.UsedFlag == 0) nibble |= kEmpty;
        nibble |= static_cast<uint8_t>(p.checked("ScanSkip", ch.ScanSkip, 3));
    }

    ch.Reserved1 = static_cast<int16_t>(ch.En_DCSCode >> 8);
    ch.Reserved2 = static_cast<int16_t>(ch.De_DCSCode >> 8);

    ImageView img(CommData);
    std::copy(s.begin(), s.end(), img.span(addr, kSlotSize).begin());
    if (slot < kFlaggedSlots) img.setBits(kFlagNibbles + slot / 2, slot % 2 ? 4 : 0, 4, nibble);
}

void SetCommDataByFrequency() {
    RunGuardedEncoder("SetCommDataByFrequency", [] {
        // A slot takes the first channel of its number; a later duplicate
        // would only overwrite it.
        std::bitset<kNormalSlots> written;
        const int count = std::clamp<int>(CurData.CHCount, 0, kMaxChannels);
        for (int i = 0; i < count; ++i) {
            UFreData& ch = UFreList[i];
            if (ch.CHNo < 1 || ch.CHNo > kNormalSlots || written[ch.CHNo - 1]) continue;
            written[ch.CHNo - 1] = true;
            SetCommDataByChannel(ch.CHNo - 1, ch);
        }
        // A limit channel's slot is its place in the list, whatever its CHNo says.
        for (int j = 0; j < kLimitChannels; ++j) {
            UFreData& ch = CurData.LimitCH[j];
            if (ch.UsedFlag == 1) SetCommDataByChannel(kNormalSlots + j, ch);
        }
        int slot = kHyperSlotFirst;
        for (int16_t firstRow : {1, 7})
            for (int16_t bank : {0, 1})
                for (int16_t row = firstRow; row < firstRow + 6; ++row, ++slot) {
                    UFreData ch = GetHyperChannel(row, bank);
                    if (ch.UsedFlag != 1) {
                        // Hyper rows have no flag nibble: an unused row is told by a
                        // receive field of no frequency, which a read takes as unused
                        // again (a blank slot would read as a used row at 0 MHz).
                        ImageView(CommData).fill(ChannelSlotAddr(slot) + kRx, ChannelSlotAddr(slot) + kRx + 3, 0xFF);
                        continue;
                    }
                    SetCommDataByChannel(slot, ch);
                    SetHyperChannel(row, bank, ch);
                }
    });
}

void GetChannelByCommData(int number, int scanSkip, int list) {
    UFreData rec;
    std::size_t addr = 0;
    int16_t bank = 0;
    switch (list) {
        case 0:
            if (number < 1 || number > kNormalSlots || CurData.CHCount < 0 ||
                CurData.CHCount >= kMaxChannels)
                return;
            rec = UFreList[CurData.CHCount];
            rec.CHNo = static_cast<int16_t>(number);
            addr = ChannelSlotAddr(number - 1);
            break;
        case 1:
            if (number < kNormalSlots + 1 || number > kFlaggedSlots) return;
            rec = CurData.LimitCH[number - kNormalSlots - 1];
            rec.CHNo = static_cast<int16_t>(number - kNormalSlots);
            addr = ChannelSlotAddr(number - 1);
            break;
        case 2:
        case 3: {
            bank = static_cast<int16_t>(list - 2);
            const int32_t a = GetHyperChannelAddr(static_cast<int16_t>(number), bank);
            if (a < 0) return;
            rec = GetHyperChannel(static_cast<int16_t>(number), bank);
            rec.CHNo = static_cast<int16_t>(number);
            addr = static_cast<std::size_t>(a);
            break;
        }
        default:
            return;
    }

    auto store = [&](bool counted) {
        switch (list) {
            case 0:
                UFreList[CurData.CHCount] = rec;
                if (counted) ++CurData.CHCount;
                break;
            case 1:
                CurData.LimitCH[number - kNormalSlots - 1] = rec;
                break;
            default:
                SetHyperChannel(rec.CHNo, bank, rec);
                break;
        }
    };

    const ImageView img(CommData);
    const auto s = img.span(addr, kSlotSize);
    const auto rx = UnpackFreCode(s.subspan<kRx, 4>());
    if (!rx) {
        rec.UsedFlag = 0;
        store(false);
        return;
    }
    rec.UsedFlag = 1;
    rec.ScanSkip = static_cast<int16_t>(scanSkip);
    rec.RxFre = *rx;
    rec.OffsetFre = UnpackFreCode(s.subspan<kOffset, 4>()).value_or("000000000");

    auto bitsOf = [&](std::size_t off, int first, int count) {
        return static_cast<int16_t>((s[off] >> first) & ((1 << count) - 1));
    };
    rec.StepIndex = s[kStep];
    rec.TxInhibit = bitsOf(kFlags9, 0, 1);
    rec.Reverse = bitsOf(kFlags9, 1, 1);
    rec.Bandwidth = bitsOf(kFlags9, 2, 2);
    rec.En_DCSInvert = bitsOf(kFlags9, 4, 1);
    rec.De_DCSInvert = bitsOf(kFlags9, 5, 1);
    rec.Reserved1 = bitsOf(kFlags9, 6, 1);
    rec.Reserved2 = bitsOf(kFlags9, 7, 1);
    rec.ShiftDir = bitsOf(kFlags10, 0, 2);
    rec.TxPower = bitsOf(kFlags10, 2, 2);
    rec.Modulation = bitsOf(kFlags10, 4, 1);
    rec.AMAuto = bitsOf(kFlags10, 5, 1);
    rec.Compander = bitsOf(kFlags10, 6, 1);
    rec.TalkAround = bitsOf(kFlags10, 7, 1);
    rec.En_CTC_Type = bitsOf(kFlags11, 0, 2);
    rec.De_CTC_Type = bitsOf(kFlags11, 2, 2);
    rec.DTMFCodeNo = bitsOf(kFlags11, 4, 4);
    rec.En_CTCSS = s[kEnCTCSS];
    rec.De_CTCSS = s[kDeCTCSS];
    rec.En_DCSCode = static_cast<int16_t>(rec.Reserved1 * 256 + s[kEnDCSLow]);
    rec.De_DCSCode = static_cast<int16_t>(rec.Reserved2 * 256 + s[kDeDCSLow]);
    rec.BusyLock = bitsOf(kFlags16, 0, 4);
    rec.PTTIDType = bitsOf(kFlags16, 4, 4);
    rec.SQLMode = s[kSQLMode];
    rec.OptSig = s[kOptSig];
    rec.Tone2No = s[kTone2No];
    rec.Tone5No = s[kTone5No];
    rec.Scrambler = s[kScrambler];

    rec.CHName = NameOfBytes(std::span<const uint8_t>(s).subspan(kName, kNameSize));

    rec.UserCTCSS = static_cast<int16_t>(s[kUserCTCSS + 1] << 8 | s[kUserCTCSS]);
    store(true);
}

void GetFrequencyByCommData() {
    const ImageView img(CommData);
    auto nibble = [&](int slot) { return img.bits(kFlagNibbles + slot / 2, slot % 2 ? 4 : 0, 4); };

    CurData.CHCount = 0;
    for (int n = 0; n < kNormalSlots; ++n) {
        const uint8_t f = nibble(n);
        if (!(f & kEmpty)) GetChannelByCommData(n + 1, f & kScanSkipMask, 0);
    }
    for (int i = 0; i < kLimitChannels; ++i) {
        const uint8_t f = nibble(kNormalSlots + i);
        if (f & kEmpty)
            CurData.LimitCH[i].UsedFlag = 0;
        else
            GetChannelByCommData(kNormalSlots + 1 + i, f & kScanSkipMask, 1);
    }
    for (int list : {2, 3})
        for (int row = 1; row <= 6; ++row) GetChannelByCommData(row, 1, list);
    // A V100 radio has no upper rows; they take their defaults.
    if (TrimFixStr(RadioVersion) == "V100") {
        InitHyperUpperCH();
    } else {
        for (int list : {2, 3})
            for (int row = 7; row <= 12; ++row) GetChannelByCommData(row, 1, list);
    }
}
