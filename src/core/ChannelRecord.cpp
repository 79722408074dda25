#include "core/ChannelRecord.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <algorithm>
#include <string>

#include "core/ChannelLists.h"
#include "core/FreCodec.h"
#include "core/HyperChannel.h"
#include "core/SharedState.h"

namespace {

constexpr int16_t kDefaultCTCSS = 20;   // 127.3 Hz
constexpr int16_t kDefaultUserTone = 1511;  // 151.1 Hz

// The receive code of a frequency in MHz once it is written with four
// decimals ("000.0000"): the fresh records never carry finer digits.
// A text that is no number reads as 0 MHz.
std::string CodeOfMHz(double mhz) {
    if (!std::isfinite(mhz) || mhz < 0 || mhz >= 10000) mhz = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", mhz);
    return FreToCode(text);
}

double MHzOfText(std::string_view text) {
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() ? v : 0;
}

UFreData FreshChannel(int16_t chNo) {
    UFreData r;
    r.CHNo = chNo;
    r.OffsetFre = "000000000";
    r.CHName = FixStr<7>::NulText();
    return r;
}

UFreData DefaultChannel(int16_t chNo, std::string_view rxText) {
    UFreData r = FreshChannel(chNo);
    r.UsedFlag = 1;
    r.ScanSkip = 1;
    r.RxFre = CodeOfMHz(MHzOfText(rxText));
    r.En_CTCSS = r.De_CTCSS = kDefaultCTCSS;
    r.UserCTCSS = kDefaultUserTone;
    return r;
}

// Appends to the normal list; a full list (never reached by the callers,
// who add only numbers not yet present) stores nothing.
void AppendNormal(const UFreData& r) {
    if (CurData.CHCount < 0 || CurData.CHCount >= kMaxChannels) return;
    UFreList[static_cast<std::size_t>(CurData.CHCount)] = r;
    ++CurData.CHCount;
}

}  // namespace

int16_t GetCHIndex(int16_t chNo) {
    const int16_t used = std::min<int16_t>(CurData.CHCount, kMaxChannels);
    for (int16_t i = 0; i < used; ++i)
        if (UFreList[static_cast<std::size_t>(i)].CHNo == chNo) return i;
    return -1;
}

void AddDefaultFreData(int16_t chNo, std::string_view rxText, int16_t kind, int16_t bank) {
    const UFreData r = DefaultChannel(chNo, rxText);
    if (kind == 0) AppendNormal(r);
    else if (kind == 1) SetHyperChannel(chNo, bank, r);
}

void AddHyperFreData(int16_t chNo, std::string_view rxText, int16_t kind, int16_t bank) {
    AddDefaultFreData(chNo, rxText, kind, bank);
}

void AddDefaultCH() { AddDefaultFreData(1, "430.0000", 0, 0); }

void NewCHByType(ListType list, int16_t chNo) {
    UFreData r = FreshChannel(chNo);
    r.UsedFlag = 1;
    r.RxFre = CodeOfMHz((RxFreLow[0] + RxFreHigh[0]) / 2);
    r.UserCTCSS = kDefaultUserTone;
    switch (list) {
    case ListType::Normal:
        AppendNormal(r);
        break;
    case ListType::Limit:
        if (chNo >= 1 && chNo <= kLimitChannels) CurData.LimitCH[static_cast<std::size_t>(chNo - 1)] = r;
        break;
    case ListType::Hyper1:
    case ListType::Hyper2:
        if (IsHyperChannelNo(chNo, HyperBankOf(list))) SetHyperChannel(chNo, HyperBankOf(list), r);
        break;
    default:
        break;
    }
}

void NewCHByType(int16_t chNo) { NewCHByType(ShownList(), chNo); }

UFreData GetBlankFreData(int16_t chNo) {
    UFreData r = FreshChannel(chNo);
    r.ScanSkip = 1;
    r.RxFre = "FFFFFFFFF";
    r.En_CTCSS = r.De_CTCSS = kDefaultCTCSS;
    return r;
}
