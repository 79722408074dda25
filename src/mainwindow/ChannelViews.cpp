#include "mainwindow/ChannelViews.h"

#include <algorithm>

#include "core/HyperChannel.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/SharedState.h"

namespace {

constexpr int kHyperRows = 12;
constexpr int kNameTwips = 1200;

bool IsHyper(int16_t listType) {
    return listType == static_cast<int16_t>(ListType::Hyper1) || listType == static_cast<int16_t>(ListType::Hyper2);
}

// Used entries of UFreList, whatever CHCount a damaged file left.
int UsedChannels() { return std::clamp<int>(CurData.CHCount, 0, kMaxChannels); }

}  // namespace

int DataRows(int16_t listType) {
    switch (static_cast<ListType>(listType)) {
        case ListType::Normal: return kMaxChannels;
        case ListType::Limit: return kLimitChannels;
        case ListType::Hyper1:
        case ListType::Hyper2: return kHyperRows;
    }
    return 0;
}

std::string RowLabel(int16_t listType, int row) {
    switch (static_cast<ListType>(listType)) {
        case ListType::Normal: return std::to_string(row);
        case ListType::Limit: return (row % 2 == 1 ? "L" : "U") + std::to_string((row + 1) / 2);
        case ListType::Hyper1:
        case ListType::Hyper2: return GetHyperName(static_cast<int16_t>(row));
    }
    return {};
}

int NameColumnTwips(int16_t listType) { return IsHyper(listType) ? 0 : kNameTwips; }

bool HyperPanelShown(int16_t listType) { return IsHyper(listType); }

std::string HeaderText(Col logical) {
    switch (logical) {
        case Col::Label: return GetLangText(3006);
        case Col::RxFre: return GetLangText(1101);
        case Col::TxFre: return GetLangText(1140);
        case Col::Name: return GetLangText(1103);
        case Col::Step: return GetLangText(1104);
        case Col::Bandwidth: return GetLangText(1106);
        case Col::Unused: return GetLangText(1108);
        case Col::Power: return GetLangText(1109);
        case Col::DecodeTone: return GetLangText(1107) + "\r\n" + GetLangText(1112);
        case Col::EncodeTone: return GetLangText(1107) + "\r\n" + GetLangText(1113);
        case Col::OptSig: return GetLangText(1110);
        case Col::Open: return GetLangText(1117);
    }
    return {};
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

std::optional<UFreData> RowRecord(int16_t listType, int16_t row) {
    switch (static_cast<ListType>(listType)) {
        case ListType::Normal:
            for (int i = 0; i < UsedChannels(); ++i)
                if (UFreList[static_cast<std::size_t>(i)].CHNo == row) return UFreList[static_cast<std::size_t>(i)];
            return std::nullopt;
        case ListType::Limit:
            if (row < 1 || row > kLimitChannels) return std::nullopt;
            if (CurData.LimitCH[static_cast<std::size_t>(row - 1)].UsedFlag != 1) return std::nullopt;
            return CurData.LimitCH[static_cast<std::size_t>(row - 1)];
        case ListType::Hyper1:
        case ListType::Hyper2: {
            const auto bank = static_cast<int16_t>(listType - 2);
            if (!IsHyperChannelUsed(row, bank)) return std::nullopt;
            return GetHyperChannel(row, bank);
        }
    }
    return std::nullopt;
}
