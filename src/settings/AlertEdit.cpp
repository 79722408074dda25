#include "settings/AlertEdit.h"

#include <algorithm>
#include <limits>

#include "core/LangText.h"
#include "core/TextNumbers.h"

namespace {

constexpr int kAlarmTypeText = 2630;
constexpr int kAlarmTypes = 4;
constexpr int kNoIDCodeText = 2436;
constexpr int kCHSelectText = 2634;
constexpr int kCHSelects = 2;
constexpr int kPeriodOffText = 2636;
constexpr int kDTMFMemories = 16;
constexpr int kFiveToneCodes = 100;

std::vector<std::string> Numbers(int from, int to) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(to - from + 1));
    for (int n = from; n <= to; ++n) items.push_back(std::to_string(n));
    return items;
}

std::vector<std::string> Texts(int first, int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back(GetLangText(first + i));
    return items;
}

uint8_t AsGroup(int32_t n) { return static_cast<uint8_t>(std::clamp<int32_t>(n, 0, std::numeric_limits<uint8_t>::max())); }

}  // namespace

std::vector<std::string> AlertListItems(AlertList list) {
    switch (list) {
        case AlertList::AlarmType: return Texts(kAlarmTypeText, kAlarmTypes);
        case AlertList::IDCodeType: return {GetLangText(kNoIDCodeText), "DTMF", "5Tone"};
        case AlertList::AlarmTime:
        case AlertList::TxTime:
        case AlertList::RxTime: return Numbers(1, 255);
        case AlertList::CHSelect: return Texts(kCHSelectText, kCHSelects);
        case AlertList::Period: {
            std::vector<std::string> items = Numbers(1, 255);
            items.insert(items.begin(), GetLangText(kPeriodOffText));
            return items;
        }
        default: return {};
    }
}

std::vector<std::string> LoneWorkerItems(LoneWorkerList list) {
    return list == LoneWorkerList::PreAlertTime ? Numbers(1, 254) : Numbers(5, 255);
}

std::vector<std::string> IDCodeGroupItems(int idCodeType, const DTMFData& dtmf, const Tone5Data& tone5) {
    std::vector<std::string> items;
    if (idCodeType == static_cast<int>(IDCodeKind::DTMF)) {
        for (int i = 0; i < kDTMFMemories; ++i)
            if (dtmf.DTMFCode[static_cast<std::size_t>(i)].CodeLen > 0) items.push_back("M" + std::to_string(i + 1));
    } else if (idCodeType == static_cast<int>(IDCodeKind::FiveTone)) {
        for (int i = 1; i <= kFiveToneCodes; ++i)
            if (tone5.Tone5List[i].EmptyFlag == 0) items.push_back(std::to_string(i - 1));
        if (items.empty()) items.push_back("0");
    }
    return items;
}

std::string IDCodeGroupText(int idCodeType, int group) {
    if (idCodeType == static_cast<int>(IDCodeKind::DTMF)) return "M" + std::to_string(group + 1);
    return std::to_string(group);
}

uint8_t IDCodeGroupOf(int idCodeType, std::string_view shown) {
    if (shown.empty()) return 0;
    if (idCodeType == static_cast<int>(IDCodeKind::DTMF)) {
        if (shown.front() != 'M') return 0;
        return AsGroup(StrToLngDef(shown.substr(1), 1) - 1);
    }
    if (idCodeType == static_cast<int>(IDCodeKind::FiveTone)) return AsGroup(StrToLngDef(shown, 0));
    return 0;
}

bool AlarmTimeApplies(int alarmType) { return alarmType == 0; }
