#include "core/BandPlan.h"

#include <array>
#include <optional>

#include "core/ChannelLists.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "platform/Prompts.h"

namespace {

constexpr int BandCount = 4;
constexpr int16_t NoBand = 4;

enum class Side { Rx, Tx };

constexpr std::array<std::string_view, BandCount> Plan1Bands = {
    "Rx(144 - 146 MHz) Tx(144 - 146 MHz)",
    "Rx(220 - 260 MHz) Tx(220 - 260 MHz)",
    "Rx(350 - 399.995 MHz) Tx(350 - 399.995 MHz)",
    "Rx(430 - 432 MHz) Tx(430 - 432 MHz)",
};
constexpr std::array<std::string_view, BandCount> Plan0Bands = {
    "Rx(108 - 180 MHz) Tx(136 - 174 MHz)",
    "Rx(220 - 260 MHz) Tx(220 - 260 MHz)",
    "Rx(350 - 399.995 MHz) Tx(350 - 399.995 MHz)",
    "Rx(400 - 523 MHz) Tx(400 - 480 MHz)",
};

constexpr std::array<std::string_view, BandCount> Plan1Description = {
    "Rx(144 - 146 MHz) Tx(144 - 146 MHz)", "Rx(220 - 260 MHz)", "Rx(350 - 399.995 MHz)",
    "Rx(430 - 432 MHz) Tx(430 - 432 MHz)"};
constexpr std::array<std::string_view, BandCount> Plan0Description = {
    "Rx(108 - 180 MHz) Tx(136 - 174 MHz)", "Rx(220 - 260 MHz)", "Rx(350 - 399.995 MHz)",
    "Rx(400 - 523 MHz) Tx(400 - 480 MHz)"};

constexpr FreRange StdTxRanges[] = {
    {Fre::MHz(136), Fre::MHz(174)},
    {Fre::MHz(400), Fre::MHz(490)},
};

// The 2.5 kHz and 6.25 kHz rasters in 10 Hz units.
constexpr int64_t Raster2k5 = 250;
constexpr int64_t Raster6k25 = 625;

bool IsTableList(int16_t listType) {
    return listType == static_cast<int16_t>(ListType::Normal) || listType == static_cast<int16_t>(ListType::Limit);
}

FreRange BandRange(Side side, int band) {
    if (side == Side::Rx) return {FreFromMHz(RxFreLow.at(band)), FreFromMHz(RxFreHigh.at(band))};
    return {FreFromMHz(TxFreLow.at(band)), FreFromMHz(TxFreHigh.at(band))};
}

std::optional<int> FirstBandHolding(Side side, Fre f) {
    for (int b = 0; b < BandCount; ++b)
        if (BandRange(side, b).Holds(f)) return b;
    return std::nullopt;
}

std::optional<int> LastBandHolding(Side side, Fre f) {
    for (int b = BandCount - 1; b >= 0; --b)
        if (BandRange(side, b).Holds(f)) return b;
    return std::nullopt;
}

// Floor modulo, so a frequency is always cut down, never up.
int64_t FloorMod(int64_t a, int64_t m) { return ((a % m) + m) % m; }

Fre AdjustStep(Side side, Fre f) {
    const auto band = side == Side::Rx ? FirstBandHolding(side, f) : LastBandHolding(side, f);
    return CutToRaster(f, band ? BandRange(side, *band).low : Fre{});
}

Fre NearEdge(Side side, Fre f, int16_t showWarning) {
    ShowFreWarning(showWarning);
    Fre best = BandRange(side, 0).low;
    for (int b = 0; b < BandCount; ++b) {
        const FreRange r = BandRange(side, b);
        for (Fre edge : {r.low, r.high})
            if (Abs(edge - f) < Abs(best - f)) best = edge;
    }
    return best;
}

Fre CheckFre(Side side, Fre f, int16_t step, int16_t showWarning, int16_t listType, int16_t row) {
    if (IsTableList(listType)) {
        if (FirstBandHolding(side, f)) return AdjustStep(side, f);
        return NearEdge(side, f, showWarning);
    }
    if (IsHyperList(static_cast<ListType>(listType))) {
        if (IsInHyperRange(f, step, row)) return AdjustStep(side, f);
        return GetHyperNearFre(f, showWarning, row);
    }
    return Fre{};
}

Fre Default(Side side, int16_t showWarning, int16_t listType, int16_t row) {
    ShowFreWarning(showWarning);
    if (IsTableList(listType)) return BandRange(side, 0).low;
    if (IsHyperList(static_cast<ListType>(listType))) return HyperRangeOfRow(row).low;
    return Fre{};
}

std::string CheckText(Side side, std::string_view text, int16_t step, int16_t showWarning,
                      int16_t listType, int16_t row) {
    const auto f = ReadFre(text);
    return FormatFre(f ? CheckFre(side, *f, step, showWarning, listType, row)
                       : Default(side, showWarning, listType, row));
}

}  // namespace

Fre CutToRaster(Fre f, Fre base) {
    const int64_t d = f.units - base.units;
    if (FloorMod(d, Raster2k5) == 0 || FloorMod(d, Raster6k25) == 0) return f;
    return Fre{f.units - FloorMod(d, Raster2k5)};
}

FreRange RxBandRange(int band) { return BandRange(Side::Rx, band); }
FreRange TxBandRange(int band) { return BandRange(Side::Tx, band); }

RangeEdgeTexts SplitRangeText(std::string_view text) {
    RangeEdgeTexts out;
    const size_t first = text.find(' ');
    out.low = std::string(text.substr(0, first));
    if (first == std::string_view::npos) return out;
    const size_t second = text.find(' ', first + 1);
    if (second == std::string_view::npos) return out;
    const size_t third = text.find(' ', second + 1);
    out.high = std::string(text.substr(second + 1, third == std::string_view::npos
                                                       ? std::string_view::npos
                                                       : third - second - 1));
    return out;
}

void ShowFreWarning(int16_t showWarning) {
    if (showWarning != 0)
        platform::MsgBox(GetLangText(2001), platform::Buttons::Ok, platform::Icon::Exclamation);
}

void SetBandByType(int16_t plan) {
    const auto& texts = plan == 1 ? Plan1Bands : Plan0Bands;
    for (int b = 0; b < BandCount; ++b) FreLimitText[b] = std::string(texts[b]);
    InitFreLimit();
}

void InitFreLimit() {
    for (int16_t b = 0; b < BandCount; ++b) GetFreLimitByText(FreLimitText[b], b);
}

void GetFreLimitByText(std::string_view text, int16_t band) {
    if (band < 0 || band >= BandCount) return;
    // An edge that cannot be read becomes 0, as a number read from nothing.
    const auto part = [&](std::string_view open) -> FreRange {
        const size_t start = text.find(open);
        if (start == std::string_view::npos) return {};
        std::string_view inner = text.substr(start + open.size());
        inner = inner.substr(0, inner.find(')'));
        const RangeEdgeTexts e = SplitRangeText(inner);
        return {ReadFre(e.low).value_or(Fre{}), ReadFre(e.high).value_or(Fre{})};
    };
    const auto mhz = [](Fre f) { return static_cast<double>(f.units) / Fre::PerMHz; };
    const FreRange rx = part("Rx(");
    const FreRange tx = part("Tx(");
    RxFreLow[band] = mhz(rx.low);
    RxFreHigh[band] = mhz(rx.high);
    TxFreLow[band] = mhz(tx.low);
    TxFreHigh[band] = mhz(tx.high);
}

std::string GetBandText(int16_t plan) {
    const auto& lines = plan == 1 ? Plan1Description : Plan0Description;
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines[i];
    }
    return out;
}

bool IsOtherBandPlan(int chosen, int16_t stored) { return chosen >= 0 && chosen != stored; }

std::string CheckRxFreText(std::string_view text, int16_t step, int16_t showWarning,
                           int16_t listType, int16_t row) {
    return CheckText(Side::Rx, text, step, showWarning, listType, row);
}

std::string CheckTxFreText(std::string_view text, int16_t step, int16_t showWarning,
                           int16_t listType, int16_t row) {
    return CheckText(Side::Tx, text, step, showWarning, listType, row);
}

std::string CheckFreText(std::string_view text, int16_t step, int16_t rxFlag, int16_t showWarning) {
    return rxFlag != 0 ? CheckRxFreText(text, step, showWarning, static_cast<int16_t>(ListType::Normal), 0)
                       : CheckTxFreText(text, step, showWarning, static_cast<int16_t>(ListType::Normal), 0);
}

Fre CheckRxFre(Fre f, int16_t step, int16_t showWarning, int16_t listType, int16_t row) {
    return CheckFre(Side::Rx, f, step, showWarning, listType, row);
}

Fre CheckTxFre(Fre f, int16_t step, int16_t showWarning, int16_t listType, int16_t row) {
    return CheckFre(Side::Tx, f, step, showWarning, listType, row);
}

Fre AdjustRxStep(Fre f, int16_t) { return AdjustStep(Side::Rx, f); }
Fre AdjustTxStep(Fre f, int16_t) { return AdjustStep(Side::Tx, f); }

Fre GetNearRxEdge(Fre f, int16_t showWarning) { return NearEdge(Side::Rx, f, showWarning); }
Fre GetNearTxEdge(Fre f, int16_t showWarning) { return NearEdge(Side::Tx, f, showWarning); }

Fre GetRxDefault(int16_t showWarning, int16_t listType, int16_t row) {
    return Default(Side::Rx, showWarning, listType, row);
}

Fre GetTxDefault(int16_t showWarning, int16_t listType, int16_t row) {
    return Default(Side::Tx, showWarning, listType, row);
}

std::string GetTxByOffset(std::string_view offsetText, std::string_view rxText, int16_t& shiftDir,
                          int16_t step, int16_t showWarning, int16_t listType, int16_t row) {
    const auto offset = ReadFre(offsetText);
    const auto rx = ReadFre(rxText);
    if (!offset || !rx) return FormatFre(Fre{});

    // A direction outside 0..2 (a damaged record) transmits on the receive
    // frequency, as direction 0 does.
    Fre tx = shiftDir == 1 ? *rx - *offset : shiftDir == 2 ? *rx + *offset : *rx;
    tx = CheckTxFre(tx, step, showWarning, listType, row);
    const int rxBand = FirstBandHolding(Side::Rx, *rx).value_or(0);
    const FreRange txRange = TxBandRange(rxBand);
    if (!txRange.Holds(tx)) tx = txRange.low;

    const Fre d = tx - *rx;
    shiftDir = d.units == 0 ? 0 : d.units < 0 ? 1 : 2;
    return FormatFre(shiftDir == 0 ? *offset : Abs(d));
}

bool IsFreInRange(Fre f, Fre high, Fre low) { return FreRange{low, high}.Holds(f); }

int16_t GetFreBandNo(std::string_view text) {
    const auto f = ReadFre(TrimFixStr(text));
    if (!f) return NoBand;
    return static_cast<int16_t>(FirstBandHolding(Side::Rx, *f).value_or(NoBand));
}

bool IsVUFre(Fre f) { return RxBandRange(0).Holds(f) || RxBandRange(3).Holds(f); }

bool IsStdTxFre(Fre f) {
    for (const FreRange& r : StdTxRanges)
        if (r.Holds(f)) return true;
    return false;
}
