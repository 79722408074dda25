#include "settings/ScanEdit.h"

#include <algorithm>

#include "core/LangText.h"
#include "core/TextNumbers.h"

namespace {

std::string Text(int id) { return GetLangText(static_cast<int16_t>(id)); }


// Text 2403 names a priority channel; its number follows directly.
std::string Priority(int n) { return Text(2403) + std::to_string(n); }

}  // namespace

std::array<std::string, kRevertTemplateItems> RevertTemplateItems() {
    const std::string talkBack = " + " + Text(2433);
    return {
        Text(2432), Text(2432) + talkBack, Priority(1), Priority(2),
        Text(2434), Text(2435),            Priority(1) + talkBack, Priority(2) + talkBack,
    };
}

std::vector<std::string> ScanListItems(int list) {
    std::vector<std::string> items;
    switch (list) {
        case kScanModeList: return {Text(2430), Text(2431)};
        case kPriorityModeList: return {Text(2430), Priority(1), Priority(2), Priority(1) + " + " + Priority(2)};
        case 7:
        case 8:
            for (int k = 0; k <= 45; ++k) items.push_back(TenthsText(k + 5));
            return items;
        case 9:
        case 10:
            for (int k = 0; k <= 49; ++k) items.push_back(TenthsText(k + 1));
            return items;
        case 11: return {Text(2436), Text(2437), Text(2438), Text(2439)};
        case kWaitTimeList:
            for (int k = 0; k <= 253; ++k) items.push_back(std::to_string((k + kWaitTimeOffset) * 25));
            return items;
        default: return items;
    }
}

RevertOffer RevertOfferOf(int priorityMode) {
    switch (priorityMode) {
        case 0: return {{0, 1, 4, 5}, {}};
        case 1: return {{0, 1, 2, 4, 5, 6}, {true, true, false, false}};
        case 2: return {{0, 1, 3, 4, 5, 7}, {false, false, true, true}};
        case 3: return {{0, 1, 2, 3, 4, 5, 6, 7}, {true, true, true, true}};
        default: return {};
    }
}

int RevertChoice(int revertCH, std::span<const int> offered) {
    if (offered.empty()) return -1;
    const int wanted = revertCH > kRevertTemplateItems - 1 ? 0 : revertCH;
    const auto at = std::find(offered.begin(), offered.end(), wanted);
    return at == offered.end() ? 0 : static_cast<int>(at - offered.begin());
}

int RevertTemplateAt(std::span<const int> offered, int position) {
    if (position < 0 || position >= static_cast<int>(offered.size())) return 0;
    return offered[static_cast<std::size_t>(position)];
}

std::optional<bool> ScanModeEnables(int list, int scanMode, int priorityMode) {
    if (scanMode == 0) return false;
    if (scanMode != 1) return std::nullopt;
    const bool first = list == 2 || list == 3;
    const bool second = list == 4 || list == 5;
    if (!first && !second) return true;
    switch (priorityMode) {
        case 0: return false;
        case 1: return first;
        case 2: return second;
        default: return true;
    }
}
