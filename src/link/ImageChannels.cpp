#include "link/ImageChannels.h"

#include <algorithm>
#include <bitset>
#include <utility>
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

// Offsets inside a 32-byte slot of the fields outside the bit table.
enum SlotOffset : std::size_t {
    kRx = 0,
    kOffset = 4,
    kBandNo = 17,
    kName = 23,
    kNameSize = 7,
    kUserCTCSS = 30,
};

// One field of the record in one byte of the slot: bits first..first+count-1
// of the byte hold bits shift..shift+count-1 of the field. A field spread
// over two places (the DCS codes: low byte and bit 8) has two rows. Packing
// and unpacking both read this table.
struct SlotBits {
    const char* name;
    int16_t UFreData::*field;
    std::size_t offset;
    int first;
    int count;
    int shift = 0;
};
constexpr SlotBits kSlotBits[] = {
    {"StepIndex", &UFreData::StepIndex, 8, 0, 8},
    {"TxInhibit", &UFreData::TxInhibit, 9, 0, 1},
    {"Reverse", &UFreData::Reverse, 9, 1, 1},
    {"Bandwidth", &UFreData::Bandwidth, 9, 2, 2},
    {"En_DCSInvert", &UFreData::En_DCSInvert, 9, 4, 1},
    {"De_DCSInvert", &UFreData::De_DCSInvert, 9, 5, 1},
    {"En_DCSCode", &UFreData::En_DCSCode, 9, 6, 1, 8},
    {"De_DCSCode", &UFreData::De_DCSCode, 9, 7, 1, 8},
    {"ShiftDir", &UFreData::ShiftDir, 10, 0, 2},
    {"TxPower", &UFreData::TxPower, 10, 2, 2},
    {"Modulation", &UFreData::Modulation, 10, 4, 1},
    {"AMAuto", &UFreData::AMAuto, 10, 5, 1},
    {"Compander", &UFreData::Compander, 10, 6, 1},
    {"TalkAround", &UFreData::TalkAround, 10, 7, 1},
    {"En_CTC_Type", &UFreData::En_CTC_Type, 11, 0, 2},
    {"De_CTC_Type", &UFreData::De_CTC_Type, 11, 2, 2},
    {"DTMFCodeNo", &UFreData::DTMFCodeNo, 11, 4, 4},
    {"En_CTCSS", &UFreData::En_CTCSS, 12, 0, 8},
    {"De_CTCSS", &UFreData::De_CTCSS, 13, 0, 8},
    {"En_DCSCode", &UFreData::En_DCSCode, 14, 0, 8},
    {"De_DCSCode", &UFreData::De_DCSCode, 15, 0, 8},
    {"BusyLock", &UFreData::BusyLock, 16, 0, 4},
    {"PTTIDType", &UFreData::PTTIDType, 16, 4, 4},
    {"SQLMode", &UFreData::SQLMode, 18, 0, 8},
    {"OptSig", &UFreData::OptSig, 19, 0, 8},
    {"Tone2No", &UFreData::Tone2No, 20, 0, 8},
    {"Tone5No", &UFreData::Tone5No, 21, 0, 8},
    {"Scrambler", &UFreData::Scrambler, 22, 0, 8},
};

// No two rows share a bit.
static_assert([] {
    for (const SlotBits& a : kSlotBits)
        for (const SlotBits& b : kSlotBits)
            if (&a != &b && a.offset == b.offset && a.first < b.first + b.count && b.first < a.first + a.count)
                return false;
    return true;
}());

// For each row, the largest value its field's places hold together (511
// for a DCS code), and whether it is the field's first row.
constexpr long FieldMax(std::size_t row) {
    int top = 0;
    for (const SlotBits& b : kSlotBits)
        if (b.field == kSlotBits[row].field) top = std::max(top, b.shift + b.count);
    return (1L << top) - 1;
}
constexpr bool FirstOfField(std::size_t row) {
    for (std::size_t i = 0; i < row; ++i)
        if (kSlotBits[i].field == kSlotBits[row].field) return false;
    return true;
}

// Runs f(row) for every row with the row known when compiling, so each turns
// into plain code on its own field.
template <class F, std::size_t... Row>
void EachSlotBits(F&& f, std::index_sequence<Row...>) {
    (f(std::integral_constant<std::size_t, Row>{}), ...);
}
template <class F>
void EachSlotBits(F&& f) {
    EachSlotBits(f, std::make_index_sequence<std::size(kSlotBits)>{});
}

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

    // The slot and its nibble are built aside and written only when every
    // field fits, so a failing channel leaves them as they were. The fields
    // are checked in the order they are packed, and the record takes bit 8
    // of its DCS codes once the bytes before byte 9 fit: a channel refused
    // for a field from byte 9 on holds them all the same, and a following
    // save stores them.
    const std::string rx = ch.RxFre.value();
    // A code of digits is a frequency; the empty text and the marker are none.
    const bool hasFre = !rx.empty() && AllDigits(rx);
    std::string rxPadded = rx;
    if (hasFre) rxPadded.resize(9, '0');

    uint8_t nibble = 0;
    if (slot < kFlaggedSlots) {
        const bool standard = hasFre && IsStdTxFre(Fre{std::stoll(rxPadded)});
        nibble = standard ? 0 : kNotStandard;
        if (ch.UsedFlag != 0 && ch.UsedFlag != 1)
            p.fail("UsedFlag", std::to_string(ch.UsedFlag) + " is outside 0..1");
        if (ch.UsedFlag == 0) nibble |= kEmpty;
        nibble |= static_cast<uint8_t>(p.checked("ScanSkip", ch.ScanSkip, 3));
    }

    const auto rxBytes = PackFreCode(rx, false);
    if (!rxBytes) p.fail("RxFre", "\"" + rx + "\" is not a frequency code");
    const std::string offset = ch.OffsetFre.value();
    const auto offsetBytes = PackFreCode(offset, true);
    if (!offsetBytes) p.fail("OffsetFre", "\"" + offset + "\" is not a frequency code");

    std::array<uint8_t, kSlotSize> s{};
    std::copy(rxBytes->begin(), rxBytes->end(), s.begin() + kRx);
    std::copy(offsetBytes->begin(), offsetBytes->end(), s.begin() + kOffset);
    auto pack = [&](auto row) {
        constexpr SlotBits b = kSlotBits[row];
        constexpr long max = FieldMax(row);
        const long value = p.checked(b.name, ch.*b.field, max);
        const long part = (value >> b.shift) & ((1L << b.count) - 1);
        s[b.offset] = static_cast<uint8_t>(s[b.offset] | part << b.first);
    };
    constexpr std::size_t kDCSBitsByte = 9;
    EachSlotBits([&](auto row) {
        if constexpr (kSlotBits[row].offset < kDCSBitsByte) pack(row);
    });
    // Division rather than a shift: a negative code (refused below) gives
    // what the rule's whole-number division gives.
    ch.Reserved1 = static_cast<int16_t>(ch.En_DCSCode / 256);
    ch.Reserved2 = static_cast<int16_t>(ch.De_DCSCode / 256);
    EachSlotBits([&](auto row) {
        if constexpr (kSlotBits[row].offset >= kDCSBitsByte) pack(row);
    });
    s[kBandNo] = static_cast<uint8_t>(hasFre ? GetFreBandNo(CodeToFre(rxPadded)) : 4);

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
                    // An unused row keeps the blank slot, the only one the radio
                    // has ever been given; a read takes it as unused again.
                    if (ch.UsedFlag != 1) continue;
                    // The row takes what packing stores in it, failed or not.
                    try {
                        SetCommDataByChannel(slot, ch);
                    } catch (...) {
                        SetHyperChannel(row, bank, ch);
                        throw;
                    }
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
    const auto rxField = s.subspan<kRx, 4>();
    const auto rx = UnpackFreCode(rxField);
    // Hyper rows have no flag nibble: an unused one is the blank slot, whose
    // receive field of 0 MHz lies in no band and no box accepts.
    const bool blankHyperRow = list >= 2 && std::ranges::all_of(rxField, [](uint8_t b) { return b == 0x00; });
    if (!rx || blankHyperRow) {
        rec.UsedFlag = 0;
        store(false);
        return;
    }
    rec.UsedFlag = 1;
    rec.ScanSkip = static_cast<int16_t>(scanSkip);
    rec.RxFre = *rx;
    rec.OffsetFre = UnpackFreCode(s.subspan<kOffset, 4>()).value_or("000000000");

    EachSlotBits([&](auto row) {
        constexpr SlotBits b = kSlotBits[row];
        constexpr bool first = FirstOfField(row);
        const int part = (s[b.offset] >> b.first) & ((1 << b.count) - 1);
        rec.*b.field = static_cast<int16_t>((first ? 0 : rec.*b.field) | part << b.shift);
    });
    rec.Reserved1 = static_cast<int16_t>(rec.En_DCSCode >> 8);
    rec.Reserved2 = static_cast<int16_t>(rec.De_DCSCode >> 8);

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
