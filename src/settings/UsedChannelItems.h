#pragma once
// The channel lists of the settings dialogs: the numbers of the normal
// channels in use.
#include <span>
#include <string>
#include <vector>

#include "core/ChannelRecord.h"

// The numbers of the used channels as list items, each once, in rising order.
std::vector<std::string> UsedChannelItems(std::span<const UFreData> used);

// The used entries of UFreList (the first CurData.CHCount, within the list).
std::span<const UFreData> UsedChannels();
