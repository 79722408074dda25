#include "channels/ChannelEditRules.h"

#include <algorithm>
#include <cstdlib>

#include "core/BandPlan.h"
#include "core/ChannelTexts.h"
#include "core/FreCodec.h"
#include "core/HyperChannel.h"
#include "core/NumericText.h"
#include "core/SharedState.h"
#include "core/TextNumbers.h"
#include "core/ToneCodec.h"

namespace {

constexpr int16_t kShowWarning = 1;
constexpr int16_t kHyperRows = 12;
constexpr int16_t kNormalList = 0;
constexpr int16_t kLimitList = 1;
// What a receive frequency outside bands 0 and 3 offers the transmit check.
constexpr std::string_view kTransmitSeed = "145";
// The AM window of band plan 0, MHz.
constexpr int64_t kAMLowMHz = 100;
constexpr int64_t kAMHighMHz = 200;
constexpr int64_t kNoUserTone = UserCTCSSDefault;

bool IsHyperList(int16_t listType) { return listType == 2 || listType == 3; }
int16_t BankOf(int16_t listType) { return static_cast<int16_t>(listType - 2); }
bool IsLimitNo(int16_t n) { return n >= 1 && n <= kLimitChannels; }
bool IsHyperRow(int16_t n) { return n >= 1 && n <= kHyperRows; }
int16_t UsedNormal() { return std::clamp<int16_t>(CurData.CHCount, 0, kMaxChannels); }
UFreData& Limit(int16_t n) { return CurData.LimitCH[static_cast<std::size_t>(n - 1)]; }

int16_t Stored(int index) { return static_cast<int16_t>(std::max(index, 0)); }

// The receive text as a frequency of receive band 0 or 3.
std::optional<Fre> VUFre(std::string_view rxText) {
    const auto rx = ReadFre(rxText);
    if (!rx || !IsVUFre(*rx)) return std::nullopt;
    return rx;
}

}  // namespace

std::optional<ChannelToEdit> ChannelForEdit(int16_t listType, int16_t& chNo) {
    switch (listType) {
        case kNormalList: {
            const int16_t at = GetCHIndex(chNo);
            return ChannelToEdit{at >= 0 ? UFreList[static_cast<std::size_t>(at)] : GetBlankFreData(chNo), true};
        }
        case kLimitList: {
            // A number below 1 would read before the list.
            if (!IsLimitNo(chNo)) chNo = 1;
            const UFreData& stored = Limit(chNo);
            return ChannelToEdit{stored.UsedFlag == 0 ? GetBlankFreData(chNo) : stored, true};
        }
        case 2:
        case 3:
            if (!IsHyperRow(chNo)) chNo = 1;
            return ChannelToEdit{GetHyperChannel(chNo, BankOf(listType)), false};
        default: return std::nullopt;
    }
}

std::string ShownTransmitText(std::string_view rxText, std::string_view offsetText, int dirIndex,
                              std::string_view shownTx) {
    const auto rx = VUFre(rxText);
    if (!rx) return {};
    const Fre offset = ReadFre(offsetText).value_or(Fre{});
    std::optional<Fre> tx;
    if (offsetText.empty() || dirIndex == 0) tx = *rx;
    else if (dirIndex == 1) tx = *rx - offset;
    else if (dirIndex == 2) tx = *rx + offset;
    else if (shownTx.empty()) return {};
    else tx = ReadFre(shownTx).value_or(Fre{});  // a kept text is rewritten as its value
    return FormatHashFiveDecimals(tx->units);
}

NameBoxes NameBoxTexts(const FixStr<7>& name) {
    const std::string s = name.value();
    NameBoxes boxes;
    for (std::size_t k = 0; k < boxes.size() && k < s.size(); ++k) boxes[k] = s.substr(k, 1);
    return boxes;
}

FixStr<7> NameOfBoxes(const NameBoxes& boxes) {
    std::string joined;
    for (const std::string& box : boxes) joined += box.empty() ? std::string(" ") : box;
    return FixStr<7>::Of(joined);
}

std::string UserToneText(int16_t tenths) { return TenthsTextNoLeadingZero(tenths); }

int16_t UserToneTenths(std::string_view checkedText) {
    const auto tenths = ReadRounded(checkedText, 1);
    return static_cast<int16_t>(tenths && *tenths <= INT16_MAX ? *tenths : kNoUserTone);
}

bool IsAMAllowed(std::string_view rxText, int16_t pcBand) {
    if (pcBand != 0) return false;
    // The value cut down to 10 Hz compares with whole megahertz exactly.
    const auto v = ReadScaled(rxText, 5);
    return v && v->whole >= kAMLowMHz * Fre::PerMHz && v->whole < kAMHighMHz * Fre::PerMHz;
}

bool SquelchHasTone(bool reverse, int deToneType, int enToneType) {
    return (reverse ? enToneType : deToneType) != 0;
}

std::vector<int> OfferedSquelchModes(bool tone, bool signalling) {
    if (tone && signalling) return {0, 1, 2, 3, 4};
    if (tone) return {0, 1};
    if (signalling) return {0, 2};
    return {0};
}

std::string_view OptSigText(int16_t optSig) {
    switch (optSig) {
        case 1: return "DTMF";
        case 2: return "2Tone";
        case 3: return "5Tone";
        default: return {};
    }
}

int16_t OptSigOfText(std::string_view text) {
    for (int16_t sig = 1; sig <= 3; ++sig)
        if (text == OptSigText(sig)) return sig;
    return 0;
}

bool ChannelBoxTakes(ChannelBox box, char16_t c) {
    const bool digit = c >= u'0' && c <= u'9';
    const bool printable = c >= 32 && c <= 126;
    switch (box) {
        case ChannelBox::Frequency:
        case ChannelBox::UserTone: return digit || c == u'.';
        case ChannelBox::Name: return printable && c != u'\\' && c != u'~';
        case ChannelBox::Transmit: return printable;
        case ChannelBox::Code: return digit;
    }
    return false;
}

bool IsEditableChannelNo(int16_t listType, int16_t n) {
    switch (listType) {
        case kNormalList: return n >= 1 && n <= kMaxChannels;
        case kLimitList: return IsLimitNo(n);
        case 2:
        case 3: return IsHyperRow(n);
        default: return true;
    }
}

SavedFrequencies SaveFrequencies(std::string_view rxText, std::string_view txText, int16_t step,
                                 int16_t listType, int16_t chNo) {
    SavedFrequencies s;
    s.rx = CheckRxFreText(rxText, step, kShowWarning, listType, chNo);
    if (VUFre(s.rx)) s.txSeed = txText.empty() ? s.rx : std::string(txText);
    else if (IsNumericText(s.rx)) s.txSeed = kTransmitSeed;
    const std::string tx = CheckTxFreText(s.txSeed, step, kShowWarning, listType, chNo);
    // Both checks always give a frequency.
    const Fre r = ReadFre(s.rx).value_or(Fre{});
    const Fre t = ReadFre(tx).value_or(Fre{});
    s.shownDir = r == t ? 0 : (r > t ? 1 : 2);
    s.offsetText = FormatOffset(Abs(t - r));
    s.shiftDir = s.shownDir;
    s.offset = GetTxByOffset(s.offsetText, s.rx, s.shiftDir, step, kShowWarning, listType, chNo);
    return s;
}

void ApplyChannelChoices(UFreData& ch, const ChannelChoices& c) {
    ch.ScanSkip = Stored(c.scanSkip);
    ch.StepIndex = Stored(c.step);
    ch.TxInhibit = Stored(c.txInhibit);
    ch.Reverse = Stored(c.reverse);
    ch.Bandwidth = Stored(c.bandwidth);
    ch.En_DCSInvert = Stored(c.enInvert);
    ch.De_DCSInvert = Stored(c.deInvert);
    ch.TxPower = Stored(c.power);
    ch.Modulation = Stored(c.modulation);
    ch.AMAuto = Stored(c.amAuto);
    ch.Compander = Stored(c.compander);
    ch.TalkAround = Stored(c.talkAround);
    ch.En_CTC_Type = Stored(c.enToneType);
    ch.De_CTC_Type = Stored(c.deToneType);
    ch.DTMFCodeNo = Stored(c.dtmfMemory);
    ch.En_CTCSS = Stored(c.enCTCSS);
    ch.De_CTCSS = Stored(c.deCTCSS);
    ch.En_DCSCode = Stored(c.enDCS);
    ch.De_DCSCode = Stored(c.deDCS);
    ch.BusyLock = Stored(c.busyLock);
    ch.PTTIDType = Stored(c.pttID);
    ch.SQLMode = Stored(c.squelchMode);
    ch.OptSig = OptSigOfText(c.signallingText);
    ch.Tone2No = static_cast<int16_t>(StrToLngDef(c.tone2Text, 0));
    ch.Tone5No = static_cast<int16_t>(StrToLngDef(c.tone5Text, 0));
    ch.Scrambler = Stored(c.scrambler);
}

std::optional<UFreData> StoredChannel(int16_t listType, int16_t n) {
    if (listType == kNormalList) {
        const int16_t at = GetCHIndex(n);
        if (at < 0) return std::nullopt;
        return UFreList[static_cast<std::size_t>(at)];
    }
    if (listType == kLimitList) return IsLimitNo(n) ? std::optional(Limit(n)) : std::nullopt;
    if (IsHyperList(listType) && IsHyperRow(n)) return GetHyperChannel(n, BankOf(listType));
    return std::nullopt;
}

void StoreChannel(int16_t listType, int16_t n, const UFreData& ch, bool added) {
    if (listType == kNormalList) {
        if (!added) {
            const int16_t at = GetCHIndex(n);
            if (at >= 0) UFreList[static_cast<std::size_t>(at)] = ch;
            return;
        }
        const int16_t used = UsedNormal();
        // Numbers are unique, so a list that holds every number has no room
        // only when it is damaged; nothing is stored then.
        if (used >= kMaxChannels) return;
        UFreList[static_cast<std::size_t>(used)] = ch;
        CurData.CHCount = static_cast<int16_t>(used + 1);
    } else if (listType == kLimitList) {
        if (IsLimitNo(n)) Limit(n) = ch;
    } else if (IsHyperList(listType)) {
        SetHyperChannel(n, BankOf(listType), ch);
    }
}
