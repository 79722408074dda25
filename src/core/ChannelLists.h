#pragma once
// The four channel lists (normal channels, limit channels, hyper bank 1 and
// 2) and which record a row of each list stands for. Row r is channel number
// r of its list; the lists keep their records differently (the normal list
// packed and unordered, the limit list by place, the hyper banks in two
// halves), and these functions hide that.
#include <array>
#include <cstdint>
#include <optional>

#include "core/ChannelRecord.h"

// Any other value (a damaged CHListType) is no list: every operation on it
// does nothing.
enum class ListType : int16_t { Normal = 0, Limit = 1, Hyper1 = 2, Hyper2 = 3 };

// The list CHListType names.
ListType ShownList();

bool IsHyperList(ListType list);
// The hyper bank (0, 1) of a hyper list.
int16_t HyperBankOf(ListType list);

// The record row `row` of `list` stands for; nothing for an unused row (a
// limit or hyper record is used when its UsedFlag is 1) or one the list does
// not have.
std::optional<UFreData> RowRecord(ListType list, int16_t row);

// For every row 1..758 of the normal list, the index in UFreList of the
// channel it stands for, -1 for an unused row. Entries outside 1..758 are
// never placed; of two entries with one number the first counts, as
// RowRecord finds it.
using NormalRowMap = std::array<int16_t, kMaxChannels + 1>;
NormalRowMap PlaceNormalRows();
