#include "core/ChannelLists.h"

#include <algorithm>

#include "core/HyperChannel.h"
#include "core/SharedState.h"

namespace {

// Used entries of UFreList, whatever CHCount a damaged file left.
int UsedChannels() { return std::clamp<int>(CurData.CHCount, 0, kMaxChannels); }

}  // namespace

ListType ShownList() { return static_cast<ListType>(CHListType); }

bool IsHyperList(ListType list) { return list == ListType::Hyper1 || list == ListType::Hyper2; }

int16_t HyperBankOf(ListType list) { return list == ListType::Hyper2 ? 1 : 0; }

std::optional<UFreData> RowRecord(ListType list, int16_t row) {
    switch (list) {
        case ListType::Normal:
            for (int i = 0; i < UsedChannels(); ++i)
                if (UFreList[static_cast<std::size_t>(i)].CHNo == row) return UFreList[static_cast<std::size_t>(i)];
            return std::nullopt;
        case ListType::Limit:
            if (row < 1 || row > kLimitChannels) return std::nullopt;
            if (CurData.LimitCH[static_cast<std::size_t>(row - 1)].UsedFlag != 1) return std::nullopt;
            return CurData.LimitCH[static_cast<std::size_t>(row - 1)];
        case ListType::Hyper1:
        case ListType::Hyper2:
            if (!IsHyperChannelUsed(row, HyperBankOf(list))) return std::nullopt;
            return GetHyperChannel(row, HyperBankOf(list));
    }
    return std::nullopt;
}

NormalRowMap PlaceNormalRows() {
    NormalRowMap rows;
    rows.fill(-1);
    for (int i = 0; i < UsedChannels(); ++i) {
        const int16_t no = UFreList[static_cast<std::size_t>(i)].CHNo;
        if (no < 1 || no > kMaxChannels) continue;
        auto& slot = rows[static_cast<std::size_t>(no)];
        if (slot < 0) slot = static_cast<int16_t>(i);
    }
    return rows;
}
