#include "settings/UsedChannelItems.h"

#include <algorithm>

#include "core/SharedState.h"

std::vector<std::string> UsedChannelItems(std::span<const UFreData> used) {
    std::vector<int> numbers;
    numbers.reserve(used.size());
    for (const UFreData& ch : used) numbers.push_back(ch.CHNo);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::vector<std::string> items;
    items.reserve(numbers.size());
    for (int n : numbers) items.push_back(std::to_string(n));
    return items;
}

std::span<const UFreData> UsedChannels() {
    const auto count = static_cast<std::size_t>(std::clamp<int>(CurData.CHCount, 0, kMaxChannels));
    return std::span<const UFreData>(UFreList.data(), count);
}
