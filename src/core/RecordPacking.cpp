#include "core/RecordPacking.h"

#include <array>
#include <type_traits>

namespace {

// Each record's members in file order, once, for both directions: the
// archive is a Packer (the record is const) or an Unpacker.
template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, UFreData> {
    a(r.CHNo), a(r.UsedFlag), a(r.ScanSkip), a(r.RxFre), a(r.OffsetFre), a(r.CHName);
    a(r.StepIndex), a(r.TxInhibit), a(r.Reverse), a(r.Bandwidth), a(r.En_DCSInvert);
    a(r.De_DCSInvert), a(r.Reserved1), a(r.Reserved2), a(r.ShiftDir), a(r.TxPower);
    a(r.Modulation), a(r.AMAuto), a(r.Compander), a(r.TalkAround), a(r.En_CTC_Type);
    a(r.De_CTC_Type), a(r.DTMFCodeNo), a(r.En_CTCSS), a(r.De_CTCSS), a(r.En_DCSCode);
    a(r.De_DCSCode), a(r.BusyLock), a(r.PTTIDType), a(r.SQLMode), a(r.OptSig);
    a(r.Tone2No), a(r.Tone5No), a(r.Scrambler), a(r.UserCTCSS);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, DTMFCodeItem> {
    a(r.Code), a(r.CodeLen);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, DTMFKillItem> {
    a(r.Code), a(r.CodeLen);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, DTMFData> {
    a(r.DTMFCode), a(r.PTTIDBeginCode), a(r.PTTIDEndCode), a(r.DTMFKillCode), a(r.DTMFStunCode);
    a(r.DTMFANI), a(r.DTMFSendTime), a(r.PTTIDMode), a(r.DTMFSelfID), a(r.DTMFSepCode);
    a(r.DTMFGroupCode), a(r.DTMFDecodeResp), a(r.DTMFFirstDelay), a(r.DTMFPreDelay);
    a(r.DTMFResetTime), a(r.DTMFPostDelay), a(r.DTMFPauseTime), a(r.DTMFSideTone);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, Tone2Head> {
    a(r.DecTone1), a(r.DecTone2), a(r.DecPair), a(r.DecDiv1), a(r.DecDiv2), a(r.Time9);
    a(r.DecodeResp), a(r.SideTone), a(r.ToneA), a(r.ToneB), a(r.ToneC), a(r.ToneD);
    a(r.Time20), a(r.Time21), a(r.Time22), a(r.Time23);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, Tone2Item> {
    a(r.EmptyFlag), a(r.Div1), a(r.Div2), a(r.Tone1), a(r.Tone2), a(r.Name);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, Tone2Data> {
    a(r.Tone2Set), a(r.Tone2List);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, Tone5InfoCode> {
    a(r.Func), a(r.Resp), a(r.CodeLen), a(r.Code), a(r.Name);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, Tone5Code> {
    a(r.EmptyFlag), a(r.Reserved), a(r.Standard), a(r.CodeLen), a(r.TonePeriod), a(r.Code), a(r.Name);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, Tone5Data> {
    a(r.Head0), a(r.DecodeResp), a(r.Standard), a(r.SelfIDLen), a(r.TonePeriod), a(r.SelfID);
    a(r.Time17), a(r.Time18), a(r.Time19), a(r.Time20);
    a(r.FirstDelay), a(r.PauseTime), a(r.PauseCode), a(r.PauseFirstDelay), a(r.SideTone), a(r.SepCode);
    a(r.InfoCode), a(r.PTTIDBegin), a(r.PTTIDEnd), a(r.Tone5List), a(r.DefTone);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, OptionData> {
    a(r.DisplayMode), a(r.SqlLeft), a(r.SqlRight), a(r.DisplayManner), a(r.ScanTime);
    a(r.ScanMode), a(r.BgRed), a(r.BgGreen), a(r.BgBlue), a(r.ToneBurst), a(r.TOT);
    a(r.PTTLock), a(r.AutoPowerOff), a(r.KeyLight), a(r.LongPressTime), a(r.SubMute);
    a(r.DisplayModeSub), a(r.KeyLock), a(r.ClearMemLock), a(r.MicLock), a(r.SetupLock);
    a(r.TxSpread), a(r.ARTS), a(r.CLKShift), a(r.AMEnable), a(r.RightBandKey), a(r.Beep);
    a(r.NoSigTailElim), a(r.SQLKeyFun), a(r.TailElimMode), a(r.PAKeyFun), a(r.PBKeyFun);
    a(r.PCKeyFun), a(r.PDKeyFun), a(r.PowerOnPWEnable), a(r.PowerOnPassWord);
    a(r.RFSqlLeft), a(r.RFSqlRight), a(r.Scrambler1), a(r.Scrambler2), a(r.PowerOnText);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, ScanData> {
    a(r.ScanMode), a(r.PriorityMode), a(r.RevertCH), a(r.LookBackA), a(r.LookBackB);
    a(r.RxResume), a(r.TxResume), a(r.ScanType), a(r.ScanTone), a(r.WaitTime);
    a(r.PriorityCH1), a(r.PriorityCH2);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, AlertData> {
    a(r.AlarmType), a(r.IDCodeType), a(r.IDCodeGroup), a(r.AlarmTime), a(r.TxTime);
    a(r.RxTime), a(r.CHSelect), a(r.EmgCHNo), a(r.Period), a(r.AutoDetect);
    a(r.PreAlertTime), a(r.LoneWorkTime);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, FunSetData> {
    a(r.DTMF), a(r.Tone2), a(r.Tone5), a(r.Option), a(r.Scan), a(r.Alert);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, CommuBookItem> {
    a(r.No), a(r.CallID), a(r.Name);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, HyperSetData> {
    a(r.DisplayMode), a(r.ModeL), a(r.ModeR), a(r.NormalIDL), a(r.NormalIDR);
    a(r.HomeReturnL), a(r.HomeReturnR), a(r.VFOBandL), a(r.VFOBandR), a(r.SubDisplay);
    a(r.VFOTrack), a(r.HyperAutoSave), a(r.AutoRepeaterSplit), a(r.AMAuto), a(r.MainSel);
    a(r.VFOBandEdge), a(r.TVBackground), a(r.TVPriority), a(r.TVFunction), a(r.TVOpen);
    a(r.RelayMode);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, HyperData> {
    a(r.CH), a(r.Setting), a(r.HCH);
}

template <class Ar, class R> void Members(Ar& a, R& r) requires std::is_same_v<std::remove_const_t<R>, TVItem> {
    a(r.No), a(r.Flag), a(r.Freq);
}

// The configuration record in one of its three layouts.
template <class Ar, class R> void Members(Ar& a, R& r, DatLayout layout) {
    if (layout == DatLayout::V200) a(r.Version);
    a(r.Band), a(r.FunSet), a(r.CHCount), a(r.CommuBook), a(r.Tone5DecodeTime), a(r.LimitCH);
    if (layout == DatLayout::V100) {
        // The oldest files know only rows 1..6 of each bank.
        for (auto& bank : r.Hyper) a(bank.CH), a(bank.Setting);
        a(r.TV);
        return;
    }
    a(r.Hyper), a(r.TV), a(r.Note), a(r.NoteIndex), a(r.HyperMode), a(r.BeepVolume), a(r.ExtSpeaker);
}

struct Packer {
    ByteWriter& w;
    void operator()(const int16_t& v) { w.i16(v); }
    void operator()(const int32_t& v) { w.i32(v); }
    void operator()(const uint8_t& v) { w.u8(v); }
    template <std::size_t N> void operator()(const FixStr<N>& s) { w.bytes(s.bytes); }
    // Two-tone words travel as the bytes the radio uses, whatever their order.
    void operator()(const BigEndianWord& v) { w.bytes(v.bytes); }
    void operator()(const LittleEndianWord& v) { w.bytes(v.bytes); }
    template <class T, std::size_t N> void operator()(const std::array<T, N>& list) {
        for (const T& x : list) (*this)(x);
    }
    template <class T, std::size_t N, int F> void operator()(const BasedArray<T, N, F>& list) {
        for (const T& x : list) (*this)(x);
    }
    template <class T> void operator()(const T& record) requires std::is_class_v<T> { Members(*this, record); }
};

struct Unpacker {
    ByteReader& r;
    void operator()(int16_t& v) { v = r.i16(); }
    void operator()(int32_t& v) { v = r.i32(); }
    void operator()(uint8_t& v) { v = r.u8(); }
    template <std::size_t N> void operator()(FixStr<N>& s) { r.bytes(s.bytes); }
    void operator()(BigEndianWord& v) { r.bytes(v.bytes); }
    void operator()(LittleEndianWord& v) { r.bytes(v.bytes); }
    template <class T, std::size_t N> void operator()(std::array<T, N>& list) {
        for (T& x : list) (*this)(x);
    }
    template <class T, std::size_t N, int F> void operator()(BasedArray<T, N, F>& list) {
        for (T& x : list) (*this)(x);
    }
    template <class T> void operator()(T& record) requires std::is_class_v<T> { Members(*this, record); }
};

}  // namespace

#define PACKED_RECORD(T)                                                           \
    void Pack(ByteWriter& w, const T& rec) { Packer p{w}; Members(p, rec); }      \
    void Unpack(ByteReader& r, T& out) { Unpacker u{r}; Members(u, out); }

PACKED_RECORD(UFreData)
PACKED_RECORD(DTMFData)
PACKED_RECORD(Tone2Data)
PACKED_RECORD(Tone5Data)
PACKED_RECORD(OptionData)
PACKED_RECORD(ScanData)
PACKED_RECORD(AlertData)
PACKED_RECORD(FunSetData)
PACKED_RECORD(CommuBookItem)
PACKED_RECORD(HyperSetData)
PACKED_RECORD(HyperData)
PACKED_RECORD(TVItem)

#undef PACKED_RECORD

std::size_t DatSize(DatLayout layout) {
    switch (layout) {
        case DatLayout::V200: return kDatSizeV200;
        case DatLayout::V101: return kDatSizeV101;
        case DatLayout::V100: return kDatSizeV100;
    }
    return kDatSizeV200;
}

void Pack(ByteWriter& w, const RadioData& rec, DatLayout layout) {
    Packer p{w};
    Members(p, rec, layout);
}

void Unpack(ByteReader& r, RadioData& out, DatLayout layout) {
    Unpacker u{r};
    Members(u, out, layout);
}
