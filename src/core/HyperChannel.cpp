#include "core/HyperChannel.h"

#include "core/SharedState.h"

namespace {

constexpr int16_t kRowsPerHalf = 6;

// Rows 1..6 live in CH(0..5), rows 7..12 in HCH(6..11).
UFreData& RowRecord(int16_t row, int16_t bank) {
    HyperData& h = CurData.Hyper[static_cast<std::size_t>(bank)];
    if (row <= kRowsPerHalf) return h.CH[static_cast<std::size_t>(row - 1)];
    return h.HCH[row - 1];
}

}  // namespace

bool IsHyperChannelNo(int16_t row, int16_t bank) {
    return (bank == 0 || bank == 1) && row >= 1 && row <= 2 * kRowsPerHalf;
}

void SetHyperChannel(int16_t row, int16_t bank, const UFreData& ch) {
    if (IsHyperChannelNo(row, bank)) RowRecord(row, bank) = ch;
}

UFreData GetHyperChannel(int16_t row, int16_t bank) {
    if (!IsHyperChannelNo(row, bank)) return UFreData{};
    return RowRecord(row, bank);
}

bool IsHyperChannelUsed(int16_t row, int16_t bank) {
    return IsHyperChannelNo(row, bank) && RowRecord(row, bank).UsedFlag == 1;
}

int32_t GetHyperChannelAddr(int16_t row, int16_t bank) {
    constexpr int32_t kSlot = 32;
    constexpr int32_t kBankStride = kSlot * kRowsPerHalf;  // 192
    if (row >= 1 && row <= kRowsPerHalf) return 0x540 + kSlot * (row - 1) + kBankStride * bank;
    if (row > kRowsPerHalf && row <= 2 * kRowsPerHalf)
        return 0x6C0 + kSlot * (row - 1 - kRowsPerHalf) + kBankStride * bank;
    return -1;
}
