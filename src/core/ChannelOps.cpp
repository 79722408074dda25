#include "core/ChannelOps.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string>

#include "core/BandPlan.h"
#include "core/ChannelRecord.h"
#include "core/FreCodec.h"
#include "core/HyperChannel.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "platform/Prompts.h"

namespace {

constexpr int16_t kShowWarning = 1;
constexpr int16_t kNoWarning = 0;
constexpr int kTone2Entries = 24;
constexpr int kTone5Entries = 100;

int16_t UsedNormal() { return std::clamp<int16_t>(CurData.CHCount, 0, kMaxChannels); }

UFreData& NormalAt(int16_t index) { return UFreList[static_cast<std::size_t>(index)]; }

bool IsNormalNo(int chNo) { return chNo >= 1 && chNo <= kMaxChannels; }
bool IsLimitNo(int chNo) { return chNo >= 1 && chNo <= kLimitChannels; }
// The list as the band checks take it.
int16_t ListNo(ListType list) { return static_cast<int16_t>(list); }

// The direction and offset text that take `rx` to `tx`.
struct Shift {
    int16_t dir;
    std::string offset;
};
Shift ShiftBetween(std::string_view rxText, std::string_view txText) {
    const std::optional<Fre> rx = ReadFre(rxText);
    const std::optional<Fre> tx = ReadFre(txText);
    if (!rx || !tx) return {0, ""};
    const int16_t dir = *tx == *rx ? 0 : (*tx < *rx ? 1 : 2);
    return {dir, FormatOffset(Abs(*tx - *rx))};
}

// Where a channel of a list is kept: a working copy is fetched, changed and
// stored back.
struct ChannelSlot {
    UFreData ch;
    int16_t normalIndex = -1;  // for the normal list
};

std::optional<ChannelSlot> FetchForEdit(ListType list, int16_t chNo) {
    switch (list) {
    case ListType::Normal: {
        if (chNo > kMaxChannels) return std::nullopt;
        const int16_t at = GetCHIndex(chNo);
        if (at < 0) {
            platform::MsgBox("No Find Data!", platform::Buttons::Ok);
            return std::nullopt;
        }
        ChannelSlot s{NormalAt(at), at};
        s.ch.UsedFlag = 1;
        return s;
    }
    case ListType::Limit:
        if (!IsLimitNo(chNo)) return std::nullopt;
        return ChannelSlot{CurData.LimitCH[static_cast<std::size_t>(chNo - 1)]};
    case ListType::Hyper1:
    case ListType::Hyper2:
        if (!IsHyperChannelNo(chNo, HyperBankOf(list))) return std::nullopt;
        return ChannelSlot{GetHyperChannel(chNo, HyperBankOf(list))};
    }
    return std::nullopt;
}

void StoreBack(ListType list, int16_t chNo, const ChannelSlot& s) {
    switch (list) {
    case ListType::Normal: NormalAt(s.normalIndex) = s.ch; break;
    case ListType::Limit: CurData.LimitCH[static_cast<std::size_t>(chNo - 1)] = s.ch; break;
    case ListType::Hyper1:
    case ListType::Hyper2: SetHyperChannel(chNo, HyperBankOf(list), s.ch); break;
    }
}

void SetTonePart(int16_t& type, int16_t& ctcss, int16_t& dcsCode, int16_t& dcsInvert, long value,
                 int16_t part) {
    switch (static_cast<TonePart>(part)) {
    case TonePart::Type: type = static_cast<int16_t>(value); break;
    case TonePart::CTCSS: ctcss = static_cast<int16_t>(value); break;
    case TonePart::DCS:
        dcsCode = static_cast<int16_t>(value % 512);
        dcsInvert = static_cast<int16_t>(value / 512);
        break;
    }
}

// One field of the working copy by its column. `text` is the value of the
// text columns, `number` that of the others (nothing when it is no number).
void ChangeByColumn(UFreData& ch, ListType list, int16_t chNo, std::string_view text,
                    std::optional<long> number, int16_t col, int16_t part) {
    switch (static_cast<CHColumn>(col)) {
    case CHColumn::RxFre: {
        const std::string rx = CheckRxFreText(text, ch.StepIndex, kShowWarning, ListNo(list), chNo);
        ch.RxFre = FreToCode(rx);
        const std::string offset = GetTxByOffset(CodeToOffset(ch.OffsetFre.value()),
                                                 CodeToFre(ch.RxFre.value()), ch.ShiftDir,
                                                 ch.StepIndex, kNoWarning, ListNo(list), chNo);
        ch.OffsetFre = FreToCode(offset);
        return;
    }
    case CHColumn::TxFre: {
        const std::string rx = CodeToFre(ch.RxFre.value());
        const std::string tx = CheckTxFreText(text, ch.StepIndex, kShowWarning, ListNo(list), chNo);
        std::string offset;
        if (!rx.empty() && !tx.empty()) {
            const Shift s = ShiftBetween(rx, tx);
            ch.ShiftDir = s.dir;
            offset = s.offset;
        }
        ch.OffsetFre = FreToCode(
            GetTxByOffset(offset, rx, ch.ShiftDir, ch.StepIndex, kShowWarning, ListNo(list), chNo));
        return;
    }
    case CHColumn::Name:
        ch.CHName = TrimFixStr(text).substr(0, 7);
        return;
    default:
        break;
    }
    if (!number || *number < std::numeric_limits<int16_t>::min() ||
        *number > std::numeric_limits<int16_t>::max())
        return;
    const long v = *number;
    switch (static_cast<CHColumn>(col)) {
    case CHColumn::Step: ch.StepIndex = static_cast<int16_t>(v); break;
    case CHColumn::Bandwidth: ch.Bandwidth = static_cast<int16_t>(v); break;
    case CHColumn::Power: ch.TxPower = static_cast<int16_t>(v); break;
    case CHColumn::OptSig: ch.OptSig = static_cast<int16_t>(v); break;
    case CHColumn::DecodeTone:
        SetTonePart(ch.De_CTC_Type, ch.De_CTCSS, ch.De_DCSCode, ch.De_DCSInvert, v, part);
        break;
    case CHColumn::EncodeTone:
        SetTonePart(ch.En_CTC_Type, ch.En_CTCSS, ch.En_DCSCode, ch.En_DCSInvert, v, part);
        break;
    default: break;  // column 6 and unknown columns change nothing
    }
}

void SetByColumn(ListType list, int16_t chNo, std::string_view text, std::optional<long> number, int16_t col,
                 int16_t part) {
    std::optional<ChannelSlot> slot = FetchForEdit(list, chNo);
    if (!slot) return;
    ChangeByColumn(slot->ch, list, chNo, text, number, col, part);
    StoreBack(list, chNo, *slot);
}

std::optional<long> NumberOfText(std::string_view text) {
    long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

// The normal list without the entry at `index`, the rest in their order.
void RemoveNormalAt(int16_t index) {
    const int16_t used = UsedNormal();
    std::copy(UFreList.begin() + index + 1, UFreList.begin() + used, UFreList.begin() + index);
    CurData.CHCount = static_cast<int16_t>(used - 1);
}

bool CanAppendNormal(int16_t chNo) { return IsNormalNo(chNo) && UsedNormal() < kMaxChannels; }

// Repairs one stored reference (channel number - 1) with `pick`.
template <class Pick>
void Repoint(int16_t& ref, Pick pick) {
    const int16_t found = pick(static_cast<int16_t>(ref + 1));
    ref = found > 0 ? static_cast<int16_t>(found - 1) : 0;
}

bool IsTone2Used(int index) {
    return index >= 0 && index < kTone2Entries && CurData.FunSet.Tone2.Tone2List[index + 1].EmptyFlag == 0;
}
bool IsTone5Used(int index) {
    return index >= 0 && index < kTone5Entries && CurData.FunSet.Tone5.Tone5List[index + 1].EmptyFlag == 0;
}

}  // namespace

bool IsCHExist(ListType list, int16_t chNo) {
    switch (list) {
    case ListType::Normal: return GetCHIndex(chNo) >= 0;
    case ListType::Limit:
        return IsLimitNo(chNo) && CurData.LimitCH[static_cast<std::size_t>(chNo - 1)].UsedFlag == 1;
    case ListType::Hyper1:
    case ListType::Hyper2: return IsHyperChannelUsed(chNo, HyperBankOf(list));
    }
    return false;
}

bool IsCHExist(int16_t chNo) { return IsCHExist(ShownList(), chNo); }

int16_t GetCHToneValue(int16_t chNo, std::string_view key) {
    const int16_t at = GetCHIndex(chNo);
    if (at < 0) return 0;
    const UFreData& ch = NormalAt(at);
    if (key == "De_CTC_Type") return ch.De_CTC_Type;
    if (key == "De_CTCSS") return ch.De_CTCSS;
    if (key == "De_CDCSS") return static_cast<int16_t>(ch.De_DCSInvert * 512 + ch.De_DCSCode);
    if (key == "En_CTC_Type") return ch.En_CTC_Type;
    if (key == "En_CTCSS") return ch.En_CTCSS;
    if (key == "En_CDCSS") return static_cast<int16_t>(ch.En_DCSInvert * 512 + ch.En_DCSCode);
    return 0;
}

void SetCHDataByCol(ListType list, int16_t chNo, std::string_view value, int16_t col, int16_t part) {
    SetByColumn(list, chNo, value, NumberOfText(value), col, part);
}

void SetCHDataByCol(ListType list, int16_t chNo, long value, int16_t col, int16_t part) {
    SetByColumn(list, chNo, std::to_string(value), value, col, part);
}

void SetCHDataByCol(int16_t chNo, std::string_view value, int16_t col, int16_t part) {
    SetCHDataByCol(ShownList(), chNo, value, col, part);
}

void SetCHDataByCol(int16_t chNo, long value, int16_t col, int16_t part) {
    SetCHDataByCol(ShownList(), chNo, value, col, part);
}

void SetCHRxFre(ListType list, int16_t chNo, std::string_view rxText) {
    ChannelSlot slot;
    int16_t checkType = 0;
    int16_t checkRow = 0;
    switch (list) {
    case ListType::Normal:
        if (!CanAppendNormal(chNo)) return;
        NewCHByType(list, chNo);
        slot = {NormalAt(static_cast<int16_t>(UsedNormal() - 1)), static_cast<int16_t>(UsedNormal() - 1)};
        break;
    case ListType::Limit:
        if (!IsLimitNo(chNo)) return;
        NewCHByType(list, chNo);
        slot.ch = CurData.LimitCH[static_cast<std::size_t>(chNo - 1)];
        break;
    case ListType::Hyper1:
    case ListType::Hyper2:
        if (!IsHyperChannelNo(chNo, HyperBankOf(list))) return;
        NewCHByType(list, chNo);
        slot.ch = GetHyperChannel(chNo, HyperBankOf(list));
        checkType = static_cast<int16_t>(ListType::Hyper1);
        checkRow = chNo;
        break;
    default:
        return;
    }
    UFreData& ch = slot.ch;
    const std::string rx = CheckRxFreText(rxText, ch.StepIndex, kShowWarning, checkType, checkRow);
    ch.RxFre = FreToCode(rx);
    const std::string tx0 = CheckTxFreText(rx, ch.StepIndex, kNoWarning, ListNo(list), chNo);
    Shift s = ShiftBetween(rx, tx0);
    ch.OffsetFre =
        FreToCode(GetTxByOffset(s.offset, rx, s.dir, ch.StepIndex, kShowWarning, ListNo(list), chNo));
    ch.ShiftDir = s.dir;
    StoreBack(list, chNo, slot);
}

void SetCHRxFre(int16_t chNo, std::string_view rxText) { SetCHRxFre(ShownList(), chNo, rxText); }

void DeleteCH(ListType list, int16_t chNo) {
    if (list == ListType::Normal) {
        const int16_t at = GetCHIndex(chNo);
        if (at >= 0) RemoveNormalAt(at);
    } else if (list == ListType::Limit && IsLimitNo(chNo)) {
        CurData.LimitCH[static_cast<std::size_t>(chNo - 1)].UsedFlag = 0;
    }
}

void DeleteCH(int16_t chNo, int16_t listType) { DeleteCH(static_cast<ListType>(listType), chNo); }

void CopyCH(ListType shown, int16_t gridIndex, int16_t chNo) {
    if (gridIndex != 0 || shown != ListType::Normal) return;
    const int16_t at = GetCHIndex(chNo);
    if (at >= 0 && NormalAt(at).UsedFlag == 1) CHClipBoard = NormalAt(at);
    else CHClipBoard.UsedFlag = 0;
}

void CutCH(ListType shown, int16_t gridIndex, int16_t chNo) {
    if (gridIndex != 0 || shown != ListType::Normal) return;
    CopyCH(shown, gridIndex, chNo);
    if (CHClipBoard.UsedFlag == 1) DeleteCH(shown, chNo);
}

void PasteCH(ListType shown, int16_t gridIndex, int16_t chNo) {
    if (gridIndex != 0 || shown != ListType::Normal) return;
    if (CHClipBoard.UsedFlag != 1) {
        DeleteCH(shown, chNo);
        return;
    }
    UFreData pasted = CHClipBoard;
    pasted.CHNo = chNo;
    const int16_t at = GetCHIndex(chNo);
    if (at >= 0) {
        NormalAt(at) = pasted;
    } else if (CanAppendNormal(chNo)) {
        NormalAt(UsedNormal()) = pasted;
        CurData.CHCount = static_cast<int16_t>(UsedNormal() + 1);
    }
}

void CopyCH(int16_t gridIndex, int16_t chNo) { CopyCH(ShownList(), gridIndex, chNo); }
void CutCH(int16_t gridIndex, int16_t chNo) { CutCH(ShownList(), gridIndex, chNo); }
void PasteCH(int16_t gridIndex, int16_t chNo) { PasteCH(ShownList(), gridIndex, chNo); }

int16_t GetCHNoInList(int16_t chNo) {
    if (GetCHIndex(chNo) >= 0) return chNo;
    const int16_t used = UsedNormal();
    return used > 0 ? NormalAt(static_cast<int16_t>(used - 1)).CHNo : int16_t{0};
}

int16_t GetExistCHNo(int16_t chNo) {
    auto receivesStd = [](const UFreData& ch) {
        const std::optional<Fre> rx = FreOfCode(ch.RxFre.value());
        return rx && IsStdTxFre(*rx);
    };
    const int16_t at = GetCHIndex(chNo);
    if (at >= 0 && receivesStd(NormalAt(at))) return chNo;
    for (int16_t i = static_cast<int16_t>(UsedNormal() - 1); i >= 0; --i)
        if (receivesStd(NormalAt(i))) return NormalAt(i).CHNo;
    return 0;
}

void CheckCHLink() {
    for (HyperData& bank : CurData.Hyper) {
        Repoint(bank.Setting.NormalIDL, GetCHNoInList);
        Repoint(bank.Setting.NormalIDR, GetExistCHNo);
    }
    Repoint(CurData.FunSet.Alert.EmgCHNo, GetCHNoInList);
    Repoint(CurData.FunSet.Scan.PriorityCH1, GetCHNoInList);
    Repoint(CurData.FunSet.Scan.PriorityCH2, GetCHNoInList);
}

int16_t GetUsed2ToneNo(int16_t def) {
    for (int i = 0; i < kTone2Entries; ++i)
        if (IsTone2Used(i)) return static_cast<int16_t>(i);
    return def;
}

int16_t GetUsed5ToneNo(int16_t def) {
    for (int i = 0; i < kTone5Entries; ++i)
        if (IsTone5Used(i)) return static_cast<int16_t>(i);
    return def;
}

int16_t Check2ToneNo(int16_t index, int16_t replacement) { return IsTone2Used(index) ? index : replacement; }
int16_t Check5ToneNo(int16_t index, int16_t replacement) { return IsTone5Used(index) ? index : replacement; }

void CheckCHSignal() {
    const int16_t firstTone2 = GetUsed2ToneNo(0);
    const int16_t firstTone5 = GetUsed5ToneNo(0);
    const int16_t used = UsedNormal();
    for (int16_t i = 0; i < used; ++i) {
        UFreData& ch = NormalAt(i);
        if (ch.OptSig == 2) ch.Tone2No = Check2ToneNo(ch.Tone2No, firstTone2);
        else if (ch.OptSig == 3) ch.Tone5No = Check5ToneNo(ch.Tone5No, firstTone5);
    }
    MainView().ReShowListByData();
}

void CheckAlert5Tone() {
    AlertData& alert = CurData.FunSet.Alert;
    if (alert.IDCodeType == 2)
        alert.IDCodeGroup = static_cast<uint8_t>(Check5ToneNo(alert.IDCodeGroup, GetUsed5ToneNo(0)));
}
