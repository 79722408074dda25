#include "signalling/FiveToneBlock.h"

#include <algorithm>

#include "core/TextCodec.h"
#include "core/TextNumbers.h"
#include "core/ToneCodec.h"
#include "platform/TextConvert.h"
#include "signalling/FiveToneCodes.h"
#include "signalling/FiveToneStandards.h"

namespace {

constexpr int kLastStandard = kStandardCount - 1;
constexpr int kMaxCodeLen = 40;
// The pause codes of the pause-code list's items 1..4 ("B", "C", "D", "F").
constexpr std::array<int16_t, 5> kPauseCodes = {0, 11, 12, 13, 15};

bool Within(int value, int low, int high) { return value >= low && value <= high; }

// The item a list shows for `value` when its items are first..last in order
// (the first item for any other value).
int ItemOf(int value, int first, int last) { return Within(value, first, last) ? value - first : 0; }

std::optional<uint8_t> HexNibble(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
    return std::nullopt;
}

}  // namespace

std::vector<std::string> CountItems(int first, int last) {
    std::vector<std::string> items;
    for (int v = first; v <= last; ++v) items.push_back(std::to_string(v));
    return items;
}

std::vector<std::string> PeriodItems() { return CountItems(kFirstPeriod, kLastPeriod); }

std::vector<std::string> TenthItems() {
    std::vector<std::string> items;
    for (int k = 0; k <= 250; ++k) items.push_back(TenthsText(k));
    return items;
}

std::vector<std::string> TensItems(int first, int last) {
    std::vector<std::string> items;
    for (int k = first; k <= last; ++k) items.push_back(std::to_string(k * 10));
    return items;
}

int PeriodIndex(int period) {
    return (Within(period, kFirstPeriod, kLastPeriod) ? period : kDefaultTonePeriod) - kFirstPeriod;
}

int PeriodOfCell(std::string_view text) {
    const auto value = WholeNumberOf(text);
    if (!value || *value < kFirstPeriod || *value > kLastPeriod) return kDefaultTonePeriod;
    return static_cast<int>(*value);
}

Tone5Settings ShowTone5Settings(Tone5Data& block, uint8_t decodeTime) {
    Tone5Settings s;
    s.selfID = block.SelfID.value();
    s[Tone5Setting::Standard] = ItemOf(block.Standard, 0, kLastStandard);
    s[Tone5Setting::DecodeResp] = ItemOf(block.DecodeResp, 0, 2);
    if (!Within(block.TonePeriod, kFirstPeriod, kLastPeriod)) block.TonePeriod = kDefaultTonePeriod;
    s[Tone5Setting::TonePeriod] = PeriodIndex(block.TonePeriod);
    s[Tone5Setting::TimeB] = ItemOf(block.Time18, 1, 255);
    s[Tone5Setting::TimeA] = ItemOf(block.Time17, 0, 250);
    s[Tone5Setting::TimeC] = ItemOf(block.Time19, 1, 255);
    if (block.Time20 < 5) block.Time20 = 0;
    s[Tone5Setting::SettingD] = Within(block.Time20, 5, 75) ? block.Time20 - 4 : 0;
    s[Tone5Setting::FirstDelay] = ItemOf(block.FirstDelay, 1, 255);
    s[Tone5Setting::PauseTime] = ItemOf(block.PauseTime, 0, 255);
    const auto pause = std::find(kPauseCodes.begin() + 1, kPauseCodes.end(), block.PauseCode);
    s[Tone5Setting::PauseCode] = pause == kPauseCodes.end() ? 0 : static_cast<int>(pause - kPauseCodes.begin());
    s[Tone5Setting::DecodeTime] = ItemOf(decodeTime, 0, 200);
    s[Tone5Setting::PauseFirstDelay] = ItemOf(block.PauseFirstDelay, 0, 250);
    // 2 is the greyed box; a value beyond it shows clear.
    s.sideTone = Within(block.SideTone, 0, 2) ? block.SideTone : 0;
    return s;
}

void SaveTone5Settings(const Tone5Settings& shown, Tone5Data& block, uint8_t& decodeTime) {
    const auto item = [&shown](Tone5Setting l, int last) { return std::clamp(shown[l], 0, last); };
    block.SelfID = shown.selfID;
    block.SelfIDLen = static_cast<uint8_t>(std::min<std::size_t>(shown.selfID.size(), decltype(block.SelfID)::size()));
    block.Standard = static_cast<uint8_t>(item(Tone5Setting::Standard, kLastStandard));
    block.DecodeResp = static_cast<uint8_t>(item(Tone5Setting::DecodeResp, 2));
    block.TonePeriod = static_cast<uint8_t>(item(Tone5Setting::TonePeriod, kLastPeriod - kFirstPeriod) + kFirstPeriod);
    block.Time18 = static_cast<uint8_t>(item(Tone5Setting::TimeB, 254) + 1);
    block.Time17 = static_cast<uint8_t>(item(Tone5Setting::TimeA, 250));
    block.Time19 = static_cast<uint8_t>(item(Tone5Setting::TimeC, 254) + 1);
    const int d = item(Tone5Setting::SettingD, 71);
    block.Time20 = static_cast<uint8_t>(d == 0 ? 0 : d + 4);
    block.FirstDelay = static_cast<int16_t>(item(Tone5Setting::FirstDelay, 254) + 1);
    block.PauseCode = kPauseCodes[static_cast<std::size_t>(item(Tone5Setting::PauseCode, 4))];
    block.PauseTime = static_cast<int16_t>(item(Tone5Setting::PauseTime, 255));
    decodeTime = static_cast<uint8_t>(item(Tone5Setting::DecodeTime, 200));
    block.PauseFirstDelay = static_cast<int16_t>(item(Tone5Setting::PauseFirstDelay, 250));
    block.SideTone = static_cast<int16_t>(std::clamp(shown.sideTone, 0, 2));
}

std::string DataCallMessage(std::string_view code) {
    std::string message;
    if (code.size() < 8) return message;
    const std::size_t pairs = (code.size() - 8) / 2;
    for (std::size_t k = 0; k < pairs; ++k) {
        const auto high = HexNibble(code[8 + 2 * k]);
        const auto low = HexNibble(code[9 + 2 * k]);
        message += high && low ? static_cast<char>(*high << 4 | *low) : '?';
    }
    return message;
}

Tone5RowCells ShowTone5Row(Tone5Code& entry, std::string_view ownID, const Tone5RowTexts& texts) {
    if (entry.CodeLen > kMaxCodeLen) entry.CodeLen = 0;
    if (entry.Standard > kLastStandard) entry.Standard = 0;
    if (!Within(entry.TonePeriod, kFirstPeriod, kLastPeriod)) entry.TonePeriod = kDefaultTonePeriod;

    Tone5RowCells cells;
    if (entry.EmptyFlag != 0) {
        cells.kind = "";
        cells.period = std::to_string(kDefaultTonePeriod);
        return cells;
    }
    const std::string c = entry.Code.value();
    bool special = false;
    if (c.size() >= 8 && c.starts_with("E1")) {
        cells.kind = texts.dataCallKind;
        cells.code = platform::BytesToUtf8(Mid5ToneNoE(c, 3, 5) + std::string(8, ' ')) + texts.messageMarker +
                     platform::BytesToUtf8(DataCallMessage(c));
        special = true;
    } else if (c.size() >= 6 && c.starts_with("E6")) {
        cells.kind = std::string(kPTTIDKind);
        special = true;
    }
    if (c.size() >= 2 && IsSelfIDCode(c, ownID)) {
        std::string called = Mid5ToneNoE(c, 1, 5);
        if (c.size() == 11 && !c.ends_with(kSelfIDMark)) called += c[5];
        cells.kind = std::string(kANIKind);
        cells.code = platform::BytesToUtf8(called);
        special = true;
    }
    if (!special) cells.code = platform::BytesToUtf8(PlainCodeText(c, entry.CodeLen));
    cells.standard = entry.Standard;
    cells.period = std::to_string(entry.TonePeriod);
    cells.name = platform::BytesToUtf8(entry.Name.value());
    return cells;
}

int StandardOfCell(std::string_view cell, int remembered, std::span<const std::string> items) {
    if (remembered >= 0 && remembered < static_cast<int>(items.size()) &&
        items[static_cast<std::size_t>(remembered)] == cell)
        return remembered;
    if (items.empty() || cell.empty()) return 0;
    const auto found = std::find(items.begin(), items.end(), cell);
    return found == items.end() ? 0 : static_cast<int>(found - items.begin());
}

void SaveTone5Row(Tone5Code& entry, std::string_view ownID, int standard, std::string_view periodCell,
                  std::string_view name) {
    SaveListCode(entry, ownID);
    entry.Standard = static_cast<uint8_t>(std::clamp(standard, 0, kLastStandard));
    entry.TonePeriod = static_cast<uint8_t>(PeriodOfCell(periodCell));
    entry.Name = TrimFixStr(name);
}

std::string CommitCodeCell(Tone5Code& entry, std::string_view typed, std::string_view ownID) {
    const std::string v = Encode5ToneCode(typed, ownID);
    entry.Code = v;
    entry.CodeLen = static_cast<uint8_t>(std::min<std::size_t>(v.size(), kMaxCodeLen));
    entry.EmptyFlag = v.empty() ? 1 : 0;
    return v;
}

std::string CommitNameCell(Tone5Code& entry, std::string_view typed) {
    const std::string v = TrimFixStr(typed);
    entry.Name = v;
    return v;
}

PTTIDShown ShowPTTIDCode(Tone5Code& code) {
    if (code.CodeLen > kMaxCodeLen) code.CodeLen = 0;
    if (code.Standard > kLastStandard) code.Standard = 0;
    return {PlainCodeText(code.Code.value(), code.CodeLen), code.Standard, PeriodIndex(code.TonePeriod)};
}

void SavePTTID(Tone5Code& code, std::string_view boxText, std::string_view ownID, int standard, int systemPeriod) {
    SavePTTIDCode(code, boxText, ownID);
    code.Standard = static_cast<uint8_t>(std::clamp(standard, 0, kLastStandard));
    code.TonePeriod = static_cast<uint8_t>(systemPeriod);
}
