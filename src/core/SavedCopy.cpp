#include "core/SavedCopy.h"

#include <algorithm>
#include <cstddef>

#include "core/BandPlan.h"
#include "core/ChannelRecord.h"
#include "core/FactoryDataHooks.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"

namespace {

// The used part of the normal lists, never beyond their size whatever the
// count holds.
std::size_t UsedCount(int16_t chCount) {
    return static_cast<std::size_t>(std::clamp<int>(chCount, 0, kMaxChannels));
}

template <std::size_t N>
FixStr<N> ByValue(const FixStr<N>& s) {
    return FixStr<N>::Of(s.value());
}

// Two code texts of equal length `len` agree in their first `len`
// characters; a length outside 1..`maxLen` leaves the texts uncompared.
template <std::size_t N>
bool SameLead(const FixStr<N>& a, const FixStr<N>& b, int len, int maxLen) {
    static_assert(N > 0);
    if (len < 1 || len > maxLen || static_cast<std::size_t>(len) > N) return true;
    return std::equal(a.bytes.begin(), a.bytes.begin() + len, b.bytes.begin());
}

// A channel as the change test sees it: texts by value, the reserved DCS
// bits (set by the image codec, not by the user) left out, and the number
// left out where channels are paired by it.
UFreData Comparable(UFreData ch, bool keepNumber) {
    if (!keepNumber) ch.CHNo = 0;
    ch.Reserved1 = 0;
    ch.Reserved2 = 0;
    ch.RxFre = ByValue(ch.RxFre);
    ch.OffsetFre = ByValue(ch.OffsetFre);
    ch.CHName = ByValue(ch.CHName);
    return ch;
}

bool SameSlot(const UFreData& a, const UFreData& b) {
    return Comparable(a, true) == Comparable(b, true);
}

bool SameNormalChannels() {
    const std::size_t n = UsedCount(OldData.CHCount);
    for (std::size_t i = 0; i < n; ++i) {
        const UFreData& saved = OldUFreList[i];
        const UFreData* work = &UFreList[i];
        if (work->CHNo != saved.CHNo) {
            const int16_t at = GetCHIndex(saved.CHNo);
            if (at < 0) return false;
            work = &UFreList[static_cast<std::size_t>(at)];
        }
        if (Comparable(*work, false) != Comparable(saved, false)) return false;
    }
    return true;
}

// Both copies side by side, so the rows are compared where they are stored:
// rows 1..6 in CH, rows 7..12 in HCH.
bool SameHyperBanks() {
    for (std::size_t b = 0; b < 2; ++b) {
        const HyperData& cur = CurData.Hyper[b];
        const HyperData& old = OldData.Hyper[b];
        for (std::size_t i = 0; i < cur.CH.size(); ++i)
            if (!SameSlot(cur.CH[i], old.CH[i])) return false;
        if (cur.Setting != old.Setting) return false;
        if (CurData.HyperMode[b] != OldData.HyperMode[b]) return false;
        for (int row = cur.HCH.first(); row <= cur.HCH.last(); ++row)
            if (!SameSlot(cur.HCH[row], old.HCH[row])) return false;
    }
    return true;
}

bool SameNotes() {
    if (CurData.NoteIndex != OldData.NoteIndex) return false;
    for (std::size_t i = 0; i < CurData.Note.size(); ++i)
        if (CurData.Note[i].value() != OldData.Note[i].value()) return false;
    return true;
}

template <class Item>
bool SameCode(const Item& a, const Item& b, int maxLen) {
    return a.CodeLen == b.CodeLen && SameLead(a.Code, b.Code, a.CodeLen, maxLen);
}

bool SameDTMF(const DTMFData& a, const DTMFData& b) {
    if (a.DTMFSelfID != b.DTMFSelfID) return false;
    if (a.DTMFPostDelay != b.DTMFPostDelay || a.DTMFResetTime != b.DTMFResetTime ||
        a.DTMFFirstDelay != b.DTMFFirstDelay || a.DTMFSepCode != b.DTMFSepCode ||
        a.DTMFGroupCode != b.DTMFGroupCode || a.DTMFSendTime != b.DTMFSendTime ||
        a.DTMFSideTone != b.DTMFSideTone || a.DTMFANI != b.DTMFANI || a.PTTIDMode != b.PTTIDMode ||
        a.DTMFPreDelay != b.DTMFPreDelay || a.DTMFPauseTime != b.DTMFPauseTime ||
        a.DTMFDecodeResp != b.DTMFDecodeResp)
        return false;
    if (!SameCode(a.DTMFKillCode, b.DTMFKillCode, 14) || !SameCode(a.DTMFStunCode, b.DTMFStunCode, 14))
        return false;
    if (!SameCode(a.PTTIDBeginCode, b.PTTIDBeginCode, 24) || !SameCode(a.PTTIDEndCode, b.PTTIDEndCode, 24))
        return false;
    for (std::size_t i = 0; i < a.DTMFCode.size(); ++i)
        if (!SameCode(a.DTMFCode[i], b.DTMFCode[i], 24)) return false;
    return true;
}

bool SameTwoTone(const Tone2Data& a, const Tone2Data& b) {
    const Tone2Head& x = a.Tone2Set;
    const Tone2Head& y = b.Tone2Set;
    if (x.DecodeResp != y.DecodeResp || x.Time9 != y.Time9 || x.SideTone != y.SideTone ||
        x.DecDiv1 != y.DecDiv1 || x.DecDiv2 != y.DecDiv2 || x.DecPair != y.DecPair ||
        x.Time23 != y.Time23 || x.Time22 != y.Time22 || x.Time20 != y.Time20 || x.Time21 != y.Time21)
        return false;
    // The decode tones and the tones A..D are edited in the two-tone dialog too.
    if (x.DecTone1 != y.DecTone1 || x.DecTone2 != y.DecTone2 || x.ToneA != y.ToneA ||
        x.ToneB != y.ToneB || x.ToneC != y.ToneC || x.ToneD != y.ToneD)
        return false;
    for (int k = a.Tone2List.first(); k <= a.Tone2List.last(); ++k) {
        const Tone2Item& p = a.Tone2List[k];
        const Tone2Item& q = b.Tone2List[k];
        if (p.Div1 != q.Div1 || p.Div2 != q.Div2) return false;
        if (p.EmptyFlag != q.EmptyFlag || p.Tone1 != q.Tone1 || p.Tone2 != q.Tone2 ||
            p.Name.value() != q.Name.value())
            return false;
    }
    return true;
}

bool SameFiveToneCode(const Tone5Code& a, const Tone5Code& b) {
    return a.Reserved == b.Reserved && a.CodeLen == b.CodeLen && a.TonePeriod == b.TonePeriod &&
           a.Standard == b.Standard && SameLead(a.Code, b.Code, a.CodeLen, 40);
}

bool SameFiveTone(const Tone5Data& a, const Tone5Data& b) {
    if (a.DefTone != b.DefTone) return false;
    if (a.Time18 != b.Time18 || a.Head0 != b.Head0 || a.Time19 != b.Time19 || a.Time20 != b.Time20 ||
        a.DecodeResp != b.DecodeResp || a.SelfIDLen != b.SelfIDLen || a.FirstDelay != b.FirstDelay ||
        a.PauseTime != b.PauseTime || a.PauseCode != b.PauseCode ||
        a.PauseFirstDelay != b.PauseFirstDelay || a.SideTone != b.SideTone || a.SepCode != b.SepCode ||
        a.Time17 != b.Time17 || a.TonePeriod != b.TonePeriod || a.Standard != b.Standard)
        return false;
    if (!SameLead(a.SelfID, b.SelfID, a.SelfIDLen, 5)) return false;
    // The PTT ID codes hold up to 40 characters, all of them the user's.
    if (!SameFiveToneCode(a.PTTIDBegin, b.PTTIDBegin) || !SameFiveToneCode(a.PTTIDEnd, b.PTTIDEnd))
        return false;
    for (int i = a.InfoCode.first(); i <= a.InfoCode.last(); ++i) {
        const Tone5InfoCode& p = a.InfoCode[i];
        const Tone5InfoCode& q = b.InfoCode[i];
        if (p.Func != q.Func || p.CodeLen != q.CodeLen || p.Resp != q.Resp ||
            !SameLead(p.Code, q.Code, p.CodeLen, 12) || p.Name.value() != q.Name.value())
            return false;
    }
    for (int j = a.Tone5List.first(); j <= a.Tone5List.last(); ++j) {
        const Tone5Code& p = a.Tone5List[j];
        const Tone5Code& q = b.Tone5List[j];
        if (!SameFiveToneCode(p, q)) return false;
        if (p.EmptyFlag != q.EmptyFlag || p.Name.value() != q.Name.value()) return false;
    }
    return true;
}

bool SameFrequencyList() {
    for (std::size_t i = 0; i < CurData.TV.size(); ++i) {
        const TVItem& a = CurData.TV[i];
        const TVItem& b = OldData.TV[i];
        if (a.Freq.value() != b.Freq.value() || a.Flag != b.Flag || a.No != b.No) return false;
    }
    return true;
}

OptionData ComparableOptions(OptionData o) {
    o.PowerOnPassWord = ByValue(o.PowerOnPassWord);
    o.PowerOnText = ByValue(o.PowerOnText);
    return o;
}

bool SameOptions() {
    return ComparableOptions(CurData.FunSet.Option) == ComparableOptions(OldData.FunSet.Option) &&
           CurData.ExtSpeaker == OldData.ExtSpeaker && CurData.BeepVolume == OldData.BeepVolume;
}

bool SameContactBook() {
    for (std::size_t i = 0; i < CurData.CommuBook.size(); ++i) {
        const CommuBookItem& a = CurData.CommuBook[i];
        const CommuBookItem& b = OldData.CommuBook[i];
        if (a.CallID.value() != b.CallID.value() || a.Name.value() != b.Name.value()) return false;
    }
    return true;
}

}  // namespace

void SaveOldRadioData() {
    if (FactoryDataActive() && FactoryHooks().saveOld) FactoryHooks().saveOld();
    CurData.Band = PCBand;
    OldData = CurData;
    const std::size_t n = UsedCount(OldData.CHCount);
    std::copy_n(UFreList.begin(), n, OldUFreList.begin());
}

void LoadOldRadioData() {
    if (FactoryDataActive() && FactoryHooks().loadOld) FactoryHooks().loadOld();
    CurData = OldData;
    PCBand = CurData.Band;
    SetBandByType(PCBand);
    const std::size_t n = UsedCount(OldData.CHCount);
    std::copy_n(OldUFreList.begin(), n, UFreList.begin());
    InitHyperRange();
}

bool IsDataSame() {
    if (CurData.CHCount != OldData.CHCount) return false;
    if (CurData.Tone5DecodeTime != OldData.Tone5DecodeTime) return false;
    if (!SameNormalChannels()) return false;
    for (std::size_t i = 0; i < CurData.LimitCH.size(); ++i)
        if (!SameSlot(CurData.LimitCH[i], OldData.LimitCH[i])) return false;
    if (!SameHyperBanks()) return false;
    if (!SameNotes()) return false;
    if (!SameDTMF(CurData.FunSet.DTMF, OldData.FunSet.DTMF)) return false;
    if (!SameTwoTone(CurData.FunSet.Tone2, OldData.FunSet.Tone2)) return false;
    if (!SameFiveTone(CurData.FunSet.Tone5, OldData.FunSet.Tone5)) return false;
    if (!SameFrequencyList()) return false;
    if (!SameOptions()) return false;
    if (!SameContactBook()) return false;
    if (CurData.FunSet.Scan != OldData.FunSet.Scan) return false;
    if (CurData.FunSet.Alert != OldData.FunSet.Alert) return false;
    if (FactoryDataActive() && FactoryHooks().same && !FactoryHooks().same()) return false;
    return true;
}

bool IsDataChanged() { return !IsDataSame(); }
