#include "signalling/DTMFEdit.h"

#include <algorithm>
#include <initializer_list>

#include "core/LangText.h"
#include "core/NumericText.h"
#include "core/TextCodec.h"
#include "core/TextNumbers.h"
#include "core/ToneCodec.h"

namespace {

constexpr std::array<std::string_view, 6> kSeparatorChars = {"A", "B", "C", "D", "*", "#"};
constexpr std::array<int, 7> kSendTimes = {30, 50, 80, 100, 150, 200, 250};
constexpr std::array<std::string_view, 5> kPreDelays = {"100", "300", "500", "800", "1000"};

// Stored values of the lists that hold a character code or a number.
constexpr int kFirstSepCode = 10;   // "A"
constexpr int kLastSepCode = 15;    // "#"
constexpr int kDefaultSepCode = 14; // "*"
constexpr int kGroupOff = 255;
constexpr int kSteps = 250;         // first-digit delay, reset time, post delay
constexpr int kFirstPause = 5;
constexpr int kLastPause = 75;

std::vector<std::string> Texts(std::initializer_list<int16_t> ids) {
    std::vector<std::string> items;
    for (int16_t id : ids) items.push_back(GetLangText(id));
    return items;
}

// Item `value` of a list of `count` items; item 0 for a value outside it.
int ItemOr0(int value, int count) { return value >= 0 && value < count ? value : 0; }

bool IsDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Text2 shows the first CodeLen characters of the stored code.
template <std::size_t N>
std::string ShownCode(const FixStr<N>& code, int16_t len) {
    if (len <= 0) return {};
    return CodeToDTMF(code.raw().substr(0, std::min<std::size_t>(static_cast<std::size_t>(len), N)));
}

template <class Item>
void StoreCode(const std::string& text, Item& item) {
    const std::string stored = DTMFToCode(text.substr(0, std::min(text.size(), item.Code.size())));
    item.Code = stored;
    item.CodeLen = static_cast<int16_t>(stored.size());
}

template <class Field>
void TakeItem(int item, Field& field, int offset = 0) {
    if (item >= 0) field = static_cast<Field>(item + offset);
}

// Three characters the numeric test accepts, as the two code rules read a
// called ID or an own ID.
bool IsNumericGroup(std::string_view s) { return s.size() == 3 && IsNumericText(s); }

}  // namespace

int DTMFListCaptionId(int list) {
    switch (list) {
        case kMemoryList: return 1710;
        case kANIList: return 1620;
        case kSendTimeList: return 1621;
        case kPTTIDModeList: return 1622;
        case kOwnIDRow: return 3002;
        default: return list > kOwnIDRow && list < kDTMFLists ? 1604 + (list - kSeparatorList) : 0;
    }
}

std::vector<std::string> DTMFListItems(int list) {
    std::vector<std::string> items;
    switch (list) {
        case kMemoryList:
            for (int m = 1; m <= kDTMFMemories; ++m) items.push_back("M" + std::to_string(m));
            return items;
        case kANIList: return Texts({1755, 1756});
        case kSendTimeList:
            for (int ms : kSendTimes) items.push_back(std::to_string(ms) + GetLangText(1780));
            return items;
        case kPTTIDModeList: return Texts({1755, 4080, 4081, 4082});
        case kOwnIDRow:
            // The parked list keeps the items it was drawn with.
            items.push_back("\xE5\x85\xB3");  // "off"
            items.insert(items.end(), kSeparatorChars.begin(), kSeparatorChars.end());
            return items;
        case kSeparatorList: return {kSeparatorChars.begin(), kSeparatorChars.end()};
        case kGroupList:
            items.push_back(GetLangText(1755));
            items.insert(items.end(), kSeparatorChars.begin(), kSeparatorChars.end());
            return items;
        case kDecodeRespList: return Texts({1650, 1651, 1653});
        case kFirstDelayList:
            for (int k = 0; k <= kSteps; ++k) items.push_back(std::to_string(k * 10));
            return items;
        case kPreDelayList: return {kPreDelays.begin(), kPreDelays.end()};
        case kResetTimeList:
            for (int k = 0; k <= kSteps; ++k) items.push_back(TenthsText(k));
            return items;
        case kPostDelayList:
            for (int k = 1; k <= kSteps; ++k) items.push_back(std::to_string(k * 10));
            return items;
        case kPauseTimeList:
            items.push_back(GetLangText(1755));
            for (int k = kFirstPause; k <= kLastPause; ++k) items.push_back(std::to_string(k));
            return items;
        default: return items;
    }
}

int DTMFCodeBoxLimit(int box) {
    const std::size_t chars = box == kKillCodeBox || box == kStunCodeBox ? DTMFKillItem{}.Code.size()
                                                                          : DTMFCodeItem{}.Code.size();
    return static_cast<int>(chars);
}

DTMFControls ShowDTMFBlock(DTMFData& d) {
    DTMFControls c;
    c.item.fill(-1);
    if (d.DTMFANI > 1) d.DTMFANI = 0;
    c.item[kANIList] = ItemOr0(d.DTMFANI, 2);
    if (d.DTMFSendTime > 6) d.DTMFSendTime = 0;
    c.item[kSendTimeList] = ItemOr0(d.DTMFSendTime, 7);
    if (d.PTTIDMode > 3) d.PTTIDMode = 0;
    c.item[kPTTIDModeList] = ItemOr0(d.PTTIDMode, 4);

    c.ownID = ShownOwnID(d.DTMFSelfID.value());
    d.DTMFSelfID = c.ownID;

    if (d.DTMFSepCode < kFirstSepCode || d.DTMFSepCode > kLastSepCode) d.DTMFSepCode = kDefaultSepCode;
    c.item[kSeparatorList] = d.DTMFSepCode - kFirstSepCode;
    // Off (255) is a value of its own; anything else outside the characters
    // is taken as off too, as the radio's image stores it.
    if (d.DTMFGroupCode < kFirstSepCode || d.DTMFGroupCode > kLastSepCode) d.DTMFGroupCode = kGroupOff;
    c.item[kGroupList] = d.DTMFGroupCode == kGroupOff ? 0 : d.DTMFGroupCode - (kFirstSepCode - 1);

    c.codes[kBeginCodeBox] = ShownCode(d.PTTIDBeginCode.Code, d.PTTIDBeginCode.CodeLen);
    c.codes[kEndCodeBox] = ShownCode(d.PTTIDEndCode.Code, d.PTTIDEndCode.CodeLen);
    c.codes[kKillCodeBox] = ShownCode(d.DTMFKillCode.Code, d.DTMFKillCode.CodeLen);
    c.codes[kStunCodeBox] = ShownCode(d.DTMFStunCode.Code, d.DTMFStunCode.CodeLen);
    for (int i = 0; i < kDTMFMemories; ++i) {
        const DTMFCodeItem& m = d.DTMFCode[static_cast<std::size_t>(i)];
        c.codes[static_cast<std::size_t>(i)] = ShownCode(m.Code, m.CodeLen);
    }

    if (d.DTMFDecodeResp > 2) d.DTMFDecodeResp = 0;
    c.item[kDecodeRespList] = ItemOr0(d.DTMFDecodeResp, 3);
    if (d.DTMFFirstDelay > kSteps) d.DTMFFirstDelay = 0;
    c.item[kFirstDelayList] = ItemOr0(d.DTMFFirstDelay, kSteps + 1);
    c.item[kPreDelayList] = ItemOr0(d.DTMFPreDelay, static_cast<int>(kPreDelays.size()));
    c.item[kResetTimeList] = ItemOr0(d.DTMFResetTime, kSteps + 1);
    c.item[kPostDelayList] = ItemOr0(d.DTMFPostDelay - 1, kSteps);
    if (d.DTMFPauseTime < kFirstPause) {
        d.DTMFPauseTime = 0;
        c.item[kPauseTimeList] = 0;
    } else {
        c.item[kPauseTimeList] = d.DTMFPauseTime <= kLastPause ? d.DTMFPauseTime - kFirstPause + 1 : 0;
    }
    if (d.DTMFSideTone > 1) d.DTMFSideTone = 0;
    c.sideTone = d.DTMFSideTone == 1 ? 1 : 0;
    return c;
}

void StoreDTMFBlock(const DTMFControls& c, DTMFData& d) {
    TakeItem(c.item[kANIList], d.DTMFANI);
    TakeItem(c.item[kSendTimeList], d.DTMFSendTime);
    TakeItem(c.item[kPTTIDModeList], d.PTTIDMode);
    d.DTMFSelfID = PadID(c.ownID);
    TakeItem(c.item[kSeparatorList], d.DTMFSepCode, kFirstSepCode);
    if (c.item[kGroupList] == 0) d.DTMFGroupCode = kGroupOff;
    else TakeItem(c.item[kGroupList], d.DTMFGroupCode, kFirstSepCode - 1);
    TakeItem(c.item[kDecodeRespList], d.DTMFDecodeResp);
    TakeItem(c.item[kFirstDelayList], d.DTMFFirstDelay);
    TakeItem(c.item[kPreDelayList], d.DTMFPreDelay);
    TakeItem(c.item[kResetTimeList], d.DTMFResetTime);
    TakeItem(c.item[kPostDelayList], d.DTMFPostDelay, 1);
    if (c.item[kPauseTimeList] == 0) d.DTMFPauseTime = 0;
    else TakeItem(c.item[kPauseTimeList], d.DTMFPauseTime, kFirstPause - 1);
    d.DTMFSideTone = static_cast<int16_t>(c.sideTone == 1 ? 1 : 0);

    StoreCode(c.codes[kBeginCodeBox], d.PTTIDBeginCode);
    StoreCode(c.codes[kEndCodeBox], d.PTTIDEndCode);
    StoreCode(c.codes[kKillCodeBox], d.DTMFKillCode);
    StoreCode(c.codes[kStunCodeBox], d.DTMFStunCode);
    for (int i = 0; i < kDTMFMemories; ++i)
        StoreCode(c.codes[static_cast<std::size_t>(i)], d.DTMFCode[static_cast<std::size_t>(i)]);
}

std::optional<char16_t> DTMFCodeChar(char16_t c) {
    if ((c >= '0' && c <= '9') || c == '*' || c == '#' || (c >= 'A' && c <= 'D')) return c;
    if (c >= 'a' && c <= 'd') return static_cast<char16_t>(c - 'a' + 'A');
    return std::nullopt;
}

std::optional<char16_t> OwnIDChar(char16_t c) {
    if (c >= '0' && c <= '9') return c;
    return std::nullopt;
}

std::string PadID(std::string_view id) {
    std::string t(id);
    if (t.size() < kOwnIDLength) t.append(kOwnIDLength - t.size(), '0');
    return t;
}

std::string ShownOwnID(std::string_view stored) {
    // Only digits go to the radio: a stored ID of any other form shows "000".
    return IsDigits(stored) && stored.size() <= kOwnIDLength ? PadID(stored) : std::string(kOwnIDLength, '0');
}

std::string WithSeparator(std::string_view s, std::string_view sep, std::string_view own) {
    if (s.size() == 7 && IsNumericGroup(s.substr(0, 3)) && IsNumericGroup(s.substr(4)) && s.substr(4) == own &&
        !IsNumericText(s.substr(3, 1)))
        return std::string(s.substr(0, 3)) + std::string(sep) + std::string(s.substr(4));
    if (s.size() == 4 && IsNumericGroup(s.substr(1)) && s.substr(1) == own && !IsNumericText(s.substr(0, 1)))
        return std::string(sep) + std::string(s.substr(1));
    return std::string(s);
}

std::string WithOwnID(std::string_view s, std::string_view sep, std::string_view own) {
    if (s.size() == 7 && IsNumericGroup(s.substr(0, 3)) && IsNumericGroup(s.substr(4)) && s.substr(3, 1) == sep)
        return std::string(s.substr(0, 4)) + std::string(own);
    if (s.size() == 4 && s.substr(0, 1) == sep && IsNumericGroup(s.substr(1)))
        return std::string(s.substr(0, 1)) + std::string(own);
    return std::string(s);
}

bool KillEqualsStun(std::string_view kill, std::string_view stun) {
    const std::string k = TrimFixStr(kill);
    return !k.empty() && k == TrimFixStr(stun);
}

std::string ComposeDTMFCall(DTMFCallKind kind, std::string_view calledID, std::string_view sep,
                            std::string_view own) {
    if (kind == DTMFCallKind::PTTID) return std::string(sep) + std::string(own);
    return PadID(calledID) + std::string(sep) + std::string(own);
}

bool ComposerServes(int editID) { return editID >= 0 && editID < kComposedCodeBoxes; }
