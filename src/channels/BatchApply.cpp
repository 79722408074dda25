#include "channels/BatchApply.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <optional>

#include "channels/BatchItems.h"
#include "channels/BatchTones.h"
#include "core/BandPlan.h"
#include "core/ChannelOps.h"
#include "core/ChannelRecord.h"
#include "core/MainWindowHooks.h"
#include "core/NumericText.h"
#include "core/SharedState.h"
#include "core/TextNumbers.h"
#include "core/ToneCodec.h"

namespace {

constexpr int16_t kNormalList = 0;
constexpr int16_t kNoWarning = 0;
constexpr std::size_t kNameWidth = 7;
constexpr int kMHzDecimals = 5;
constexpr int kKHzDecimals = 2;

// Squelch modes and what each needs.
constexpr int16_t kSquelchTone = 1;
constexpr int16_t kSquelchSignal = 2;

bool On(BatchItem item) { return IsBatchItemOn(item); }

std::string& Box(BatchRequest& rq, BatchBox box) { return rq.boxes[static_cast<std::size_t>(box)]; }

void Check(BatchRequest& rq, BatchBox box) {
    Box(rq, box) = CheckBatchBox(box, Box(rq, box), Box(rq, BatchBox::FirstNumber));
}

// The checks of the boxes the on items read, in the order the batch reads them.
void CheckBoxes(BatchRequest& rq, BatchRandom& random) {
    if (On(BatchItem::RxFre)) {
        Check(rq, BatchBox::RxStart);
        Check(rq, BatchBox::RxStep);
    }
    if (On(BatchItem::TxFre)) {
        if (rq.txMode == BatchTxMode::Offset) {
            Check(rq, BatchBox::Offset);
        } else if (rq.txMode == BatchTxMode::OwnStart) {
            Check(rq, BatchBox::TxStart);
            Check(rq, BatchBox::TxStep);
        }
    }
    const bool decode = On(BatchItem::DecodeTone);
    const bool encode = On(BatchItem::EncodeTone);
    if (decode) Check(rq, BatchBox::DecodeInterval);
    if (encode) Check(rq, BatchBox::EncodeInterval);
    if (decode || encode) random.Seed();
    if (On(BatchItem::Name) && rq.nameMode == BatchNameMode::Numbered) {
        Check(rq, BatchBox::FirstNumber);
        Check(rq, BatchBox::NumberStep);
    }
    if (On(BatchItem::UserTone)) rq.userTone = CheckCTCSSText(rq.userTone);
}

// Deletes every normal channel numbered outside the range; true when any went.
bool DeleteOutside(BatchRange range) {
    bool deleted = false;
    int i = 0;
    while (i < std::min<int>(CurData.CHCount, kMaxChannels)) {
        const int16_t no = UFreList[static_cast<std::size_t>(i)].CHNo;
        const int16_t before = CurData.CHCount;
        if (no < range.first || no > range.last) DeleteCH(no, kNormalList);
        if (CurData.CHCount < before)
            deleted = true;  // the next entry moved into place i
        else
            ++i;
    }
    return deleted;
}

// The values of the checked boxes, read once.
struct BatchValues {
    Fre rxStart, rxStep, offset, txStart, txStep;
    int64_t decodeInterval = 0, encodeInterval = 0;
    int64_t firstNumber = 0, numberStep = 0;
    int16_t userTone = 0;
};

int64_t Whole(const std::string& text) { return WholeNumberOf(text).value_or(0); }
Fre MHzBox(const std::string& text) { return Fre{ReadRounded(text, kMHzDecimals).value_or(0)}; }
Fre KHzBox(const std::string& text) { return Fre{ReadRounded(text, kKHzDecimals).value_or(0)}; }

BatchValues ValuesOf(const BatchRequest& rq) {
    const auto& b = rq.boxes;
    BatchValues v;
    v.rxStart = MHzBox(b[static_cast<std::size_t>(BatchBox::RxStart)]);
    v.rxStep = KHzBox(b[static_cast<std::size_t>(BatchBox::RxStep)]);
    v.offset = MHzBox(b[static_cast<std::size_t>(BatchBox::Offset)]);
    v.txStart = MHzBox(b[static_cast<std::size_t>(BatchBox::TxStart)]);
    v.txStep = KHzBox(b[static_cast<std::size_t>(BatchBox::TxStep)]);
    v.decodeInterval = Whole(b[static_cast<std::size_t>(BatchBox::DecodeInterval)]);
    v.encodeInterval = Whole(b[static_cast<std::size_t>(BatchBox::EncodeInterval)]);
    v.firstNumber = Whole(b[static_cast<std::size_t>(BatchBox::FirstNumber)]);
    v.numberStep = Whole(b[static_cast<std::size_t>(BatchBox::NumberStep)]);
    v.userTone = static_cast<int16_t>(ReadRounded(rq.userTone, 1).value_or(UserCTCSSDefault));
    return v;
}

// start + step * n, or start - step * n.
Fre Stepped(Fre start, Fre step, int64_t n, bool increase) {
    return Fre{increase ? start.units + step.units * n : start.units - step.units * n};
}

std::string CodeOf(Fre f) { return FreToCode(FormatFre(f)); }

void ApplyTx(const BatchRequest& rq, const BatchValues& v, int64_t n, UFreData& ch) {
    if (rq.txMode == BatchTxMode::Default) {
        ch.ShiftDir = 0;
        ch.OffsetFre = "000000000";
        return;
    }
    // A channel without a readable receive frequency has nothing to derive from.
    const auto r = FreOfCode(ch.RxFre.value());
    if (!r) return;
    Fre tx = *r;
    if (rq.txMode == BatchTxMode::Offset) {
        if (rq.offsetDir == BatchOffsetDir::Plus) tx = *r + v.offset;
        else if (rq.offsetDir == BatchOffsetDir::Minus) tx = *r - v.offset;
    } else {
        tx = Stepped(v.txStart, v.txStep, n, rq.txIncrease);
    }
    const Fre t = CheckTxFre(tx, ch.StepIndex, kNoWarning, kNormalList, 0);
    const Fre d = t - *r;
    ch.ShiftDir = d.units > 0 ? 2 : d.units < 0 ? 1 : 0;
    const std::string offset =
        GetTxByOffset(FormatOffset(Abs(d)), FormatFre(*r), ch.ShiftDir, ch.StepIndex, kNoWarning, kNormalList, ch.CHNo);
    ch.OffsetFre = FreToCode(offset);
}

int TonePosition(const BatchRequest& rq, const BatchToneChoice& choice, int64_t interval, int64_t n,
                 BatchRandom& random) {
    const int count = static_cast<int>(rq.toneItems.size());
    if (choice.random) return RandomTonePosition(random.Next(), count);
    return StepTonePosition(choice.selected, interval, n, choice.increase, count);
}

void ApplyTone(const BatchRequest& rq, int position, ToneFieldRefs out) {
    if (rq.toneItems.empty()) return;
    GetToneByText(rq.toneItems[static_cast<std::size_t>(position)], position, out);
}

std::string NumberedName(const BatchRequest& rq, const BatchValues& v, int64_t n) {
    const std::string& prefix = rq.boxes[static_cast<std::size_t>(BatchBox::Name)];
    const std::size_t k =
        std::clamp<std::size_t>(rq.boxes[static_cast<std::size_t>(BatchBox::FirstNumber)].size(), 1, kNameWidth);
    int64_t m = 1;
    for (std::size_t i = 0; i < k; ++i) m *= 10;
    const int64_t raw = v.firstNumber + (rq.numberIncrease ? v.numberStep * n : -v.numberStep * n);
    std::string digits = std::to_string(((raw % m) + m) % m);
    digits.insert(0, k - digits.size(), '0');
    return prefix.substr(0, kNameWidth - k) + digits;
}

int16_t Selected(const BatchRequest& rq, BatchList list) {
    return static_cast<int16_t>(std::max(rq.listIndex[static_cast<std::size_t>(list)], 0));
}

const std::string& CodeText(const BatchRequest& rq, BatchList list) {
    return rq.codeTexts[static_cast<std::size_t>(static_cast<int>(list) - static_cast<int>(BatchList::DTMFCode))];
}

int16_t SquelchFor(int16_t mode, const UFreData& ch) {
    const bool tone = (ch.Reverse > 0 ? ch.En_CTC_Type : ch.De_CTC_Type) != 0;
    const bool signal = ch.OptSig != 0;
    const bool needsTone = mode == kSquelchTone || mode > kSquelchSignal;
    const bool needsSignal = mode >= kSquelchSignal;
    if ((needsTone && !tone) || (needsSignal && !signal)) return 0;
    return mode;
}

// Every on item but the receive frequency, in the batch's order.
void ApplyItems(const BatchRequest& rq, const BatchValues& v, int64_t n, BatchRandom& random, UFreData& ch) {
    if (On(BatchItem::TxFre)) ApplyTx(rq, v, n, ch);
    if (On(BatchItem::DecodeTone))
        ApplyTone(rq, TonePosition(rq, rq.decode, v.decodeInterval, n, random),
                  {ch.De_CTC_Type, ch.De_CTCSS, ch.De_DCSCode, ch.De_DCSInvert});
    if (On(BatchItem::EncodeTone)) {
        if (rq.encodeFollowsDecode) {
            ch.En_CTC_Type = ch.De_CTC_Type;
            ch.En_CTCSS = ch.De_CTCSS;
            ch.En_DCSCode = ch.De_DCSCode;
            ch.En_DCSInvert = ch.De_DCSInvert;
        } else {
            ApplyTone(rq, TonePosition(rq, rq.encode, v.encodeInterval, n, random),
                      {ch.En_CTC_Type, ch.En_CTCSS, ch.En_DCSCode, ch.En_DCSInvert});
        }
    }
    if (On(BatchItem::Name))
        ch.CHName = rq.nameMode == BatchNameMode::Numbered ? NumberedName(rq, v, n)
                                                           : rq.boxes[static_cast<std::size_t>(BatchBox::Name)];
    if (On(BatchItem::Step)) ch.StepIndex = Selected(rq, BatchList::Step);
    if (On(BatchItem::Bandwidth)) ch.Bandwidth = Selected(rq, BatchList::Bandwidth);
    if (On(BatchItem::Power)) ch.TxPower = Selected(rq, BatchList::Power);
    if (On(BatchItem::Signalling)) {
        ch.OptSig = Selected(rq, BatchList::Signalling);
        ch.DTMFCodeNo = static_cast<int16_t>(GetNumByText(CodeText(rq, BatchList::DTMFCode), 1, "M") - 1);
        ch.Tone2No = GetNumByText(CodeText(rq, BatchList::Tone2Entry), 0, "");
        ch.Tone5No = GetNumByText(CodeText(rq, BatchList::Tone5Code), 0, "");
    }
    if (On(BatchItem::Reverse)) {
        ch.Reverse = rq.reverse;
        if (ch.Reverse > 0 && ch.TalkAround > 0) ch.TalkAround = 0;
    }
    if (On(BatchItem::Squelch)) ch.SQLMode = SquelchFor(Selected(rq, BatchList::Squelch), ch);
    if (On(BatchItem::PttId)) ch.PTTIDType = Selected(rq, BatchList::PttId);
    if (On(BatchItem::Modulation)) ch.Modulation = Selected(rq, BatchList::Modulation);
    if (On(BatchItem::Scrambler)) ch.Scrambler = Selected(rq, BatchList::Scrambler);
    if (On(BatchItem::BusyLock)) ch.BusyLock = Selected(rq, BatchList::BusyLock);
    if (On(BatchItem::TxInhibit)) ch.TxInhibit = rq.txInhibit;
    if (On(BatchItem::Compander)) ch.Compander = rq.compander;
    if (On(BatchItem::ScanSkip)) ch.ScanSkip = Selected(rq, BatchList::ScanSkip);
    if (On(BatchItem::UserTone)) ch.UserCTCSS = v.userTone;
}

}  // namespace

void ClockSeededRandom::Seed() {
    engine_.seed(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double ClockSeededRandom::Next() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

BatchRange RangeOf(const BatchRequest& rq) {
    if (rq.allChannels) return {};
    const auto box = [](const std::string& text) {
        return static_cast<int>(std::clamp<int64_t>(WholeNumberOf(text).value_or(0), 0, kBatchLastChannel));
    };
    int first = box(rq.firstChannel);
    int last = box(rq.lastChannel);
    if (first > last) std::swap(first, last);
    // 0 is no channel number.
    return {std::max(first, 1), last};
}

void ApplyBatch(BatchRequest& rq, BatchRandom& random) {
    const BatchRange range = RangeOf(rq);
    CheckBoxes(rq, random);
    bool listChanged = rq.deleteOutside && DeleteOutside(range);
    const BatchValues v = ValuesOf(rq);

    for (int no = range.first; no <= range.last; ++no) {
        const int64_t n = no - range.first;
        const auto chNo = static_cast<int16_t>(no);
        int16_t at = GetCHIndex(chNo);
        if (On(BatchItem::RxFre)) {
            const Fre rx = CheckRxFre(Stepped(v.rxStart, v.rxStep, n, rq.rxIncrease), 0, kNoWarning, kNormalList, 0);
            if (at < 0) {
                const int16_t before = CurData.CHCount;
                AddDefaultFreData(chNo, FormatFre(rx), kNormalList, 0);
                if (CurData.CHCount > before) {
                    at = static_cast<int16_t>(CurData.CHCount - 1);
                    listChanged = true;
                }
            }
            // New channels too get the exact frequency, not one cut to 100 Hz.
            if (at >= 0) UFreList[static_cast<std::size_t>(at)].RxFre = CodeOf(rx);
        }
        if (at < 0) continue;
        ApplyItems(rq, v, n, random, UFreList[static_cast<std::size_t>(at)]);
    }

    if (listChanged) CheckCHLink();
    MainView().ReShowListByData();
}
