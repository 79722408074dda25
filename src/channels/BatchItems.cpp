#include "channels/BatchItems.h"

#include <array>
#include <cstddef>

#include "channels/BatchFun.h"
#include "core/SharedState.h"

namespace {

// Box n to its flag byte.
constexpr std::array<int, kBatchBoxCount> kFlagOfBox = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                                        13, 11, 12, 15, 16, 17, 18, 19, 20, 14};

constexpr ControlRef kRxFre[] = {{"Label3", 0}, {"Label4", 0}, {"Label4", 1}, {"Text2", 0},
                                 {"Text2", 1},  {"Option2", 0}, {"Option2", 1}};
constexpr ControlRef kTxFre[] = {{"Label3", 1},  {"Option3", 0}, {"Option3", 1}, {"Option3", 2},
                                 {"Label4", 2},  {"Text2", 2},   {"Text2", 3},   {"Text2", 4},
                                 {"Option4", 0}, {"Option4", 1}, {"Option5", 0}, {"Option5", 1}};
constexpr ControlRef kDecode[] = {{"Label3", 2}, {"Label4", 3}, {"Label4", 4},  {"Combo1", 0},
                                  {"Text2", 5},  {"Check3", 0}, {"Option9", 0}, {"Option9", 1}};
constexpr ControlRef kEncode[] = {{"Label3", 3}, {"Label4", 5}, {"Label4", 6}, {"Combo1", 1},   {"Text2", 6},
                                  {"Check3", 1}, {"Check3", 2}, {"Option10", 0}, {"Option10", 1}};
constexpr ControlRef kName[] = {{"Label3", 4}, {"Option6", 0}, {"Option6", 1}, {"Label4", 7},  {"Text2", 7},
                                {"Text2", 8},  {"Text2", 9},   {"Option7", 0}, {"Option7", 1}};
constexpr ControlRef kStep[] = {{"Label3", 6}, {"Combo1", 2}};
constexpr ControlRef kBandwidth[] = {{"Label3", 7}, {"Combo1", 3}};
constexpr ControlRef kPower[] = {{"Label3", 8}, {"Combo1", 4}};
constexpr ControlRef kSignalling[] = {{"Label3", 9}, {"Combo1", 5}, {"Combo1", 11}, {"Combo1", 12}, {"Combo1", 13}};
constexpr ControlRef kSquelch[] = {{"Label3", 10}, {"Combo1", 6}};
constexpr ControlRef kPttId[] = {{"Label3", 11}, {"Combo1", 7}};
constexpr ControlRef kModulation[] = {{"Label3", 12}, {"Combo1", 8}};
constexpr ControlRef kScrambler[] = {{"Label3", 13}, {"Combo1", 9}};
constexpr ControlRef kBusyLock[] = {{"Label3", 14}, {"Combo1", 10}};
constexpr ControlRef kTxInhibit[] = {{"Check1", 0}};
constexpr ControlRef kCompander[] = {{"Check1", 1}};
constexpr ControlRef kScanSkip[] = {{"Label3", 15}, {"Combo1", 14}};
constexpr ControlRef kReverse[] = {{"Check1", 3}};
constexpr ControlRef kAmAuto[] = {{"Check1", 5}};
constexpr ControlRef kUserTone[] = {{"Label5", -1}, {"Text3", -1}};

// By box; the talk-around box (18) has no row.
constexpr std::array<std::span<const ControlRef>, kBatchBoxCount> kControlsOfBox = {
    kRxFre,    kTxFre,     kDecode,    kEncode,   kName,      kStep,      kBandwidth,
    kPower,    kSignalling, kSquelch,  kPttId,    kModulation, kScrambler, kBusyLock,
    kTxInhibit, kCompander, kScanSkip, kReverse,  {},          kAmAuto,    kUserTone};

bool IsBox(int box) { return box >= 0 && box < kBatchBoxCount; }

}  // namespace

int BatchFlagOfBox(int box) { return IsBox(box) ? kFlagOfBox[static_cast<std::size_t>(box)] : -1; }

bool IsBatchItemOn(BatchItem item) { return IsBatchFunOn(BatchFunFlag[static_cast<std::size_t>(item)]) != 0; }

std::span<const ControlRef> BatchItemControls(int box) {
    return IsBox(box) ? kControlsOfBox[static_cast<std::size_t>(box)] : std::span<const ControlRef>{};
}

void SetBatchItemFromBox(int box, int value) {
    if (!IsBox(box)) return;
    if (box != kTalkAroundBox)
        BatchFunFlag[static_cast<std::size_t>(BatchFlagOfBox(box))] = value != 0 ? uint8_t{1} : uint8_t{0};
    // The flags stay as set even when the file cannot be written.
    SaveBatchFun();
}
