#include "link/TransferPlan.h"

#include <algorithm>

#include "core/SharedState.h"
#include "link/ImageAreas.h"

namespace {

constexpr int32_t kTone2Calls = 24;
constexpr int32_t kTone2CallSize = 16;
constexpr int32_t kTone5Codes = 100;
constexpr int32_t kTone5CodeSize = 32;
constexpr int32_t kNormalSlots = 758;
constexpr int32_t kLimitSlots = 10;
constexpr int32_t kSlotSize = static_cast<int32_t>(image_map::kSlotSize);

int32_t SlotAddr(int32_t slot) { return static_cast<int32_t>(image_map::kChannelSlots) + kSlotSize * slot; }
int32_t Tone2Addr(int32_t i) { return static_cast<int32_t>(image_map::kTone2Calls) + kTone2CallSize * i; }
int32_t Tone5Addr(int32_t i) { return static_cast<int32_t>(image_map::kTone5Codes) + kTone5CodeSize * i; }

// Bit (i mod 8) of the bitmap byte i div 8: 1 means empty.
bool BitmapEmpty(std::size_t bitmap, int32_t i) {
    return (CommData[bitmap + static_cast<std::size_t>(i / 8)] >> (i % 8)) & 1;
}

// The empty bit of a slot's flag nibble: bit 2 (even slot) or 6 (odd slot).
bool SlotNibbleEmpty(int32_t slot) {
    const uint8_t b = CommData[image_map::kFlagNibbles + static_cast<std::size_t>(slot / 2)];
    return (b >> (slot % 2 == 0 ? 2 : 6)) & 1;
}

bool ChannelNumberUsed(int32_t number) {
    const int count = std::clamp<int>(CurData.CHCount, 0, static_cast<int>(UFreList.size()));
    return std::any_of(UFreList.begin(), UFreList.begin() + count,
                       [number](const UFreData& ch) { return ch.CHNo == number; });
}

// Adds the units that `empty` marks, in the fixed order of both plans.
template <class Tone2Empty, class Tone5Empty, class SlotEmpty>
void AddPlan(Tone2Empty tone2Empty, Tone5Empty tone5Empty, SlotEmpty slotEmpty) {
    for (int32_t i = 0; i < kTone2Calls; ++i)
        if (tone2Empty(i)) AddSkipRange(Tone2Addr(i), kTone2CallSize);
    for (int32_t i = 0; i < kTone5Codes; ++i)
        if (tone5Empty(i)) AddSkipRange(Tone5Addr(i), kTone5CodeSize);
    for (int32_t i = 0; i < kNormalSlots + kLimitSlots; ++i)
        if (slotEmpty(i)) AddSkipRange(SlotAddr(i), kSlotSize);
}

}  // namespace

void AddSkipRange(int32_t start, int32_t length) {
    if (SkipRangeCount > 0 && start == SkipRange[SkipRangeCount - 1].last + 1) {
        SkipRange[SkipRangeCount - 1].last = start + length - 1;
        return;
    }
    if (SkipRangeCount >= kMaxSkipRanges) return;
    SkipRange[SkipRangeCount] = {start, start + length - 1};
    ++SkipRangeCount;
}

int32_t GetNextCommAddr(int32_t address) {
    for (int i = 0; i < SkipRangeCount; ++i)
        if (SkipRange[i].first <= address && address <= SkipRange[i].last) return SkipRange[i].last + 1;
    return address;
}

int32_t GetCommBlockCount(int32_t first, int32_t last) {
    int32_t count = (last - first) / WriteBlockSize + 1;
    for (int i = 0; i < SkipRangeCount; ++i)
        count -= (SkipRange[i].last - SkipRange[i].first + 1) / WriteBlockSize;
    return count;
}

void SetSkipRangeByCommData() {
    AddPlan([](int32_t i) { return BitmapEmpty(image_map::kTone2Bitmap, i); },
            [](int32_t i) { return BitmapEmpty(image_map::kTone5Bitmap, i); }, SlotNibbleEmpty);
}

void SetSkipRangeByData() {
    const auto& fun = CurData.FunSet;
    AddPlan([&](int32_t i) { return fun.Tone2.Tone2List[i + 1].EmptyFlag != 0; },
            [&](int32_t i) { return fun.Tone5.Tone5List[i + 1].EmptyFlag != 0; },
            [](int32_t slot) {
                if (slot < kNormalSlots) return !ChannelNumberUsed(slot + 1);
                return CurData.LimitCH[static_cast<std::size_t>(slot - kNormalSlots)].UsedFlag == 0;
            });
}

void InitReadSpeed(bool rebuild) {
    SkipRangeCount = 0;
    CommBlockDone = 0;
    if (!rebuild) {
        CommBlockTotal = static_cast<int16_t>(kReadHeadBytes / ReadBlockSize + 1);
        return;
    }
    SetSkipRangeByCommData();
    CommBlockTotal = static_cast<int16_t>(GetCommBlockCount(kReadPlanAddr, kLastBlockAddr));
}

void InitWriteSpeed() {
    CommBlockDone = 0;
    SkipRangeCount = 0;
    SetSkipRangeByData();
    CommBlockTotal = static_cast<int16_t>(GetCommBlockCount(0x0100, kLastBlockAddr));
}

int16_t ProgressPercent(int32_t done, int32_t total) {
    const int64_t num = int64_t{done} * 100;
    const int64_t den = int64_t{total} + 1;
    if (den <= 0 || num <= 0) return 0;
    int64_t q = num / den;
    const int64_t twice = 2 * (num % den);
    if (twice > den || (twice == den && q % 2 == 1)) ++q;
    return static_cast<int16_t>(std::min<int64_t>(q, 100));
}

bool CountCommBlock() {
    ++CommBlockDone;
    const int16_t p = ProgressPercent(CommBlockDone, CommBlockTotal);
    if (p == CommProgress) return false;
    CommProgress = p;
    return true;
}
