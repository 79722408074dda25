#include "mainwindow/ChannelRowText.h"

#include <cstdlib>

#include "core/BandPlan.h"
#include "core/FreCodec.h"
#include "core/NumericText.h"
#include "core/TextCodec.h"
#include "core/ToneCodec.h"
#include "platform/TextConvert.h"

namespace {

const std::string& Item(const std::vector<std::string>& list, int index) {
    static const std::string empty;
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return empty;
    return list[static_cast<std::size_t>(index)];
}

std::string PowerText(int16_t power, const RowLookups& lk) {
    switch (power) {
        case 1: return lk.powerMid + "1";
        case 2: return lk.powerMid + "2";
        case 3: return lk.powerHigh;
        default: return lk.powerLow;  // 0, and anything outside 0..3
    }
}

std::string BandwidthText(int16_t bandwidth) {
    switch (bandwidth) {
        case 0: return "25K";
        case 2: return "12.5K";
        default: return "20K";  // 1, and anything outside 0..2
    }
}

// The transmit cell: only for a receive frequency in receive band 0 or 3.
std::string TransmitText(const std::string& rxText, const UFreData& ch) {
    const auto rx = ReadFre(rxText);
    if (!rx || !IsVUFre(*rx)) return {};
    if (ch.ShiftDir != 1 && ch.ShiftDir != 2) return rxText;
    const Fre offset = ReadFre(CodeToOffset(ch.OffsetFre.value())).value_or(Fre{});
    const Fre tx = ch.ShiftDir == 1 ? *rx - offset : *rx + offset;
    return FormatHashFiveDecimals(tx.units);
}

}  // namespace

std::vector<std::string> DCSLookupTexts() {
    std::vector<std::string> texts;
    texts.reserve(DCSCodeCount);
    for (int16_t i = 0; i < DCSCodeCount; ++i) texts.push_back(IntToOct(i, 3) + "N");
    return texts;
}

std::vector<std::string> CTCSSLookupTexts() { return {CTCSSTones.begin(), CTCSSTones.end()}; }

RowTexts ChannelRowText(const UFreData& ch, const RowLookups& lk) {
    RowTexts t;
    const std::string rxCode = ch.RxFre.value();
    std::string rx = CodeToFre(rxCode);
    // A damaged code shows an empty cell, not a made-up frequency.
    if (!rx.empty() && !IsNumericText(rxCode)) rx.clear();

    auto at = [&t](Col c) -> std::string& { return t[static_cast<std::size_t>(c)]; };
    at(Col::RxFre) = rx;
    at(Col::TxFre) = TransmitText(rx, ch);
    at(Col::Name) = platform::BytesToUtf8(ch.CHName.value());
    at(Col::Step) = Item(lk.steps, ch.StepIndex);
    at(Col::Bandwidth) = BandwidthText(ch.Bandwidth);
    at(Col::Power) = PowerText(ch.TxPower, lk);
    at(Col::DecodeTone) =
        ChannelToneText(ch.De_CTC_Type, ch.De_CTCSS, ch.De_DCSCode, ch.De_DCSInvert, lk.ctcss, lk.dcs, lk.none);
    at(Col::EncodeTone) =
        ChannelToneText(ch.En_CTC_Type, ch.En_CTCSS, ch.En_DCSCode, ch.En_DCSInvert, lk.ctcss, lk.dcs, lk.none);
    at(Col::OptSig) = ChannelSignallingText(ch, lk.none);
    return t;
}
