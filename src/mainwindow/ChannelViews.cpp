#include "mainwindow/ChannelViews.h"

#include "core/HyperRange.h"
#include "core/RadioRecord.h"
#include "core/LangText.h"

namespace {

constexpr int kHyperRows = 12;
constexpr int kNameTwips = 1200;

bool IsHyper(int16_t listType) { return IsHyperList(static_cast<ListType>(listType)); }

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
