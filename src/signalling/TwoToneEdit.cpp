#include "signalling/TwoToneEdit.h"

#include "core/LangText.h"
#include "core/NumericText.h"
#include "core/TextCodec.h"
#include "core/TextNumbers.h"
#include "signalling/TwoToneWords.h"

namespace {

// Durations are stored as their item + 5 (0.5 s to 10.0 s).
constexpr int kDurationOffset = 5;
constexpr int kDurationItems = 96;
constexpr int kDelayItems = 21;   // 0..2000 ms
constexpr int kResetItems = 251;  // 0.0..25.0 s
constexpr int kAtOKDefault = 2000;

// The item a list shows for a stored index: the index when it is in the
// list, else the list's fallback item.
int ShownItem(int index, int count, int fallback) { return index >= 0 && index < count ? index : fallback; }

struct ToneDefault {
    LittleEndianWord Tone2Head::*field;
    uint8_t low;
    uint8_t high;
};
constexpr std::array<ToneDefault, kToneBoxes> kToneDefaults{{
    {&Tone2Head::ToneA, 145, 12},  // 321.7 Hz
    {&Tone2Head::ToneB, 65, 36},   // 928.1 Hz
    {&Tone2Head::ToneC, 121, 24},  // 626.5 Hz
    {&Tone2Head::ToneD, 214, 79},  // 2043.8 Hz
}};

ToneHz BoxTone(const std::string& text) { return ToneHz::Read(text).value_or(ToneHz::Whole(0)); }

}  // namespace

std::vector<std::string> TwoToneTimeItems(int list) {
    std::vector<std::string> items;
    if (list >= 0 && list < kTwoToneDurationLists) {
        for (int i = 0; i < kDurationItems; ++i) items.push_back(TenthsText(i + kDurationOffset));
    } else if (list == kTwoToneDelayList) {
        for (int k = 0; k < kDelayItems; ++k) items.push_back(std::to_string(k * 100));
    } else if (list == kTwoToneResetList) {
        for (int i = 0; i < kResetItems; ++i) items.push_back(TenthsText(i));
    }
    return items;
}

std::vector<std::string> DecodeResponseItems() {
    return {GetOptionText(60057), GetOptionText(60058), GetOptionText(60059)};
}

std::array<bool, kToneBoxes> DecodePairBoxes(int pair) {
    std::array<bool, kToneBoxes> on{};
    if (pair < 0 || pair >= static_cast<int>(kDecodePairs.size())) return on;
    const DecodePair& p = kDecodePairs[static_cast<std::size_t>(pair)];
    on[static_cast<std::size_t>(p.first)] = true;
    if (p.second >= 0) on[static_cast<std::size_t>(p.second)] = true;
    return on;
}

TwoToneHeadControls ShowTwoToneHead(Tone2Head& h) {
    TwoToneHeadControls c;
    c.pair = ShownItem(h.DecPair, static_cast<int>(kDecodePairs.size()), 0);
    c.decodeResp = ShownItem(h.DecodeResp, 3, 0);
    c.times[0] = ShownItem(h.Time20 - kDurationOffset, kDurationItems, 0);
    c.times[1] = ShownItem(h.Time21 - kDurationOffset, kDurationItems, 0);
    c.times[2] = ShownItem(h.Time22 - kDurationOffset, kDurationItems, 5);
    c.times[kTwoToneDelayList] = ShownItem(h.Time23, kDelayItems, 10);
    c.times[kTwoToneResetList] = ShownItem(h.Time9, kResetItems, 0);
    if (h.SideTone > 1) h.SideTone = 0;
    c.sideTone = h.SideTone;
    for (std::size_t i = 0; i < kToneDefaults.size(); ++i) {
        LittleEndianWord& tone = h.*kToneDefaults[i].field;
        const uint8_t high = tone.bytes[1];
        if (high == 0 || high == 255) tone.bytes = {kToneDefaults[i].low, kToneDefaults[i].high};
        c.tones[i] = ToneWordText(tone.value());
    }
    return c;
}

void StoreTwoToneHead(TwoToneHeadControls& c, Tone2Head& h) {
    h.DecodeResp = static_cast<uint8_t>(c.decodeResp);
    h.Time23 = static_cast<uint8_t>(c.times[kTwoToneDelayList]);
    h.Time22 = static_cast<uint8_t>(c.times[2] + kDurationOffset);
    h.Time20 = static_cast<uint8_t>(c.times[0] + kDurationOffset);
    h.Time21 = static_cast<uint8_t>(c.times[1] + kDurationOffset);
    h.Time9 = static_cast<uint8_t>(c.times[kTwoToneResetList]);
    h.SideTone = static_cast<uint8_t>(c.sideTone == 1 ? 1 : 0);
    for (std::string& tone : c.tones) tone = LimitToneBoxAtOK(tone);
    h.DecPair = static_cast<uint8_t>(c.pair);

    const DecodePair& pair = kDecodePairs[static_cast<std::size_t>(ShownItem(c.pair, 15, 0))];
    const ToneHz f1 = BoxTone(c.tones[static_cast<std::size_t>(pair.first)]);
    h.DecTone1.set(f1.Word());
    h.DecDiv1.set(f1.HeaderDivider());
    if (pair.second >= 0) {
        const ToneHz f2 = BoxTone(c.tones[static_cast<std::size_t>(pair.second)]);
        h.DecTone2.set(f2.Word());
        h.DecDiv2.set(f2.HeaderDivider());
    } else {
        h.DecTone2.set(0);
        h.DecDiv2.set(0);
    }
    for (std::size_t i = 0; i < kToneDefaults.size(); ++i) (h.*kToneDefaults[i].field).set(BoxTone(c.tones[i]).Word());
}

TwoToneRow TwoToneRowOf(const Tone2Item& item) {
    TwoToneRow row;
    if (item.EmptyFlag != 0 || item.Div1.value() == 0) return row;
    row.tone1 = ToneWordText(item.Tone1.value());
    if (item.Div2.value() != 0) row.tone2 = ToneWordText(item.Tone2.value());
    row.name = item.Name.value();
    return row;
}

void CommitTwoToneCell(Tone2Item& item, TwoToneRow& row, int col, std::string_view text) {
    if (col >= kNameCol) {
        row.name = TrimFixStr(text);
        item.Name = row.name;
        return;
    }
    const std::optional<ToneHz> read = ToneHz::Read(text);
    if (!read) {
        if (col == kFirstToneCol) {
            row = {};
            item.EmptyFlag = 1;
            item.Div1.set(0);
            item.Div2.set(0);
            item.Tone1.set(0);
            item.Tone2.set(0);
            item.Name = "";
        } else {
            row.tone2.clear();
            item.Div2.set(0);
            item.Tone2.set(0);
        }
        return;
    }
    const ToneHz tone = read->Clamped(kToneLowHz, kToneHighHz);
    if (col == kFirstToneCol) {
        row.tone1 = tone.CellText();
        item.EmptyFlag = 0;
        item.Div1.set(tone.EntryDivider());
        item.Tone1.set(tone.Word());
    } else {
        row.tone2 = tone.CellText();
        item.Div2.set(tone.EntryDivider());
        item.Tone2.set(tone.Word());
    }
}

std::string ToneBoxOnLeave(std::string_view text) {
    return ToneHz::Read(text).value_or(ToneHz::Whole(0)).Clamped(kToneLowHz, kToneHighHz).DecimalText();
}

std::string LimitToneBoxAtOK(std::string_view text) {
    return ToneHz::Read(text).value_or(ToneHz::Whole(kAtOKDefault)).Clamped(kToneLowAtOKHz, kToneHighHz).DecimalText();
}

std::optional<char16_t> ToneChar(char16_t c) {
    if ((c >= '0' && c <= '9') || c == '.') return c;
    return std::nullopt;
}

std::optional<char16_t> CallNameChar(char16_t c) {
    if (c >= 32 && c <= 126 && c != '\\' && c != '~') return c;
    return std::nullopt;
}

bool OpensFirstToneInstead(int col, bool firstToneEmpty, bool firstToneJustTyped) {
    return (col == kSecondToneCol || col == kNameCol) && firstToneEmpty && !firstToneJustTyped;
}

int NextCallRow(int row) { return row >= kTwoToneCalls ? 1 : row + 1; }

CellMove ToneEditorEnter(int row, int col, bool editorEmpty) {
    if (col == kFirstToneCol && editorEmpty) return {false, NextCallRow(row), kFirstToneCol};
    return {col == kFirstToneCol, row, col + 1};
}

CellMove NameEditorEnter(int row) { return {false, NextCallRow(row), kFirstToneCol}; }
