#include "printing/ChannelPages.h"

#include <algorithm>

#include "core/ChannelTexts.h"
#include "core/FreCodec.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "printing/ReportText.h"

namespace {

constexpr int kLabelLeft = 10;
constexpr int kValueLeft = 30;
constexpr int kLabelRight = 55;
constexpr int kValueRight = 75;
constexpr int kHeadingAt = 5;

// Language texts of the labels the dialog does not hold, the heading and the
// caption of the channel pages.
constexpr int kRxLabel = 1101;
constexpr int kOffsetLabel = 1102;
constexpr int kStepLabel = 1104;
constexpr int kBandwidthLabel = 1106;
constexpr int kPowerLabel = 1109;
constexpr int kNoneText = 1206;
constexpr int kChannelText = 1751;
constexpr int kSectionCaption = 3009;

constexpr int16_t kVFONo = 758;
constexpr int16_t kPBNo = 757;
constexpr int16_t kPANo = 756;

std::string ItemOf(const std::vector<std::string>& items, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return {};
    return items[static_cast<std::size_t>(index)];
}

int32_t UsedChannels() { return std::clamp<int32_t>(CurData.CHCount, 0, kMaxChannels); }

const UFreData& ChannelRecord(int16_t chNo, int32_t used) {
    for (int32_t j = 0; j < used; ++j)
        if (UFreList[static_cast<std::size_t>(j)].CHNo == chNo) return UFreList[static_cast<std::size_t>(j)];
    // The numbers come from these entries, so one always matches.
    return UFreList[0];
}

}  // namespace

ChannelPageTexts ReadChannelPageTexts(const ReportDialog& d) {
    ChannelPageTexts t;
    t.heading = GetLangText(kChannelText);
    t.rxLabel = GetLangText(kRxLabel);
    t.offsetLabel = GetLangText(kOffsetLabel);
    t.stepLabel = GetLangText(kStepLabel);
    t.bandwidthLabel = GetLangText(kBandwidthLabel);
    t.powerLabel = GetLangText(kPowerLabel);
    t.none = GetLangText(kNoneText);
    t.nameLabel = d.Caption("Label1", 2);
    t.decodeToneLabel = d.Caption("Label2", 5);
    t.encodeToneLabel = d.Caption("Label2", 10);
    t.signallingLabel = d.Caption("Label2", 4);
    t.squelchLabel = d.Caption("Label2", 9);
    t.pttIdLabel = d.Caption("Label2", 7);
    t.busyLockLabel = d.Caption("Label2", 13);
    t.scramblerLabel = d.Caption("Label2", 6);
    t.scanLabel = d.Caption("Label2", 16);
    t.txInhibitLabel = d.Caption("Check1");
    t.companderLabel = d.Caption("Check5");
    t.reverseLabel = d.Caption("Check4", 0);
    t.talkAroundLabel = d.Caption("Check4", 1);
    t.shiftDirs = d.ListItems("Combo2");
    t.steps = d.ListItems("Combo1", 0);
    t.bandwidths = d.ListItems("Combo1", 1);
    t.powers = d.ListItems("Combo1", 2);
    t.scramblers = d.ListItems("Combo1", 6);
    t.pttIds = d.ListItems("Combo1", 7);
    t.squelchModes = d.ListItems("Combo1", 11);
    t.busyLocks = d.ListItems("Combo1", 13);
    t.scans = d.ListItems("Combo1", 16);
    return t;
}

std::string ChannelLabel(int16_t chNo) {
    switch (chNo) {
        case kVFONo: return "VFO";
        case kPBNo: return "PB";
        case kPANo: return "PA";
        default: return std::to_string(chNo - 1);
    }
}

std::vector<int16_t> SortedChannelNumbers() {
    const int32_t used = UsedChannels();
    std::vector<int16_t> numbers;
    numbers.reserve(static_cast<std::size_t>(used));
    for (int32_t j = 0; j < used; ++j) numbers.push_back(UFreList[static_cast<std::size_t>(j)].CHNo);
    std::stable_sort(numbers.begin(), numbers.end());
    return numbers;
}

std::vector<ReportRow> ChannelBlockRows(const UFreData& ch, const ChannelPageTexts& t,
                                        const std::vector<std::string>& ctcss, const std::vector<std::string>& dcs) {
    const std::string& none = t.none;
    const auto row = [](std::string label, std::string value) {
        return ReportRow{{kLabelLeft, std::move(label)}, {kValueLeft, std::move(value)}};
    };
    const auto pairs = [](std::string label, std::string value, std::string label2, std::string value2) {
        return ReportRow{{kLabelLeft, std::move(label)},
                         {kValueLeft, std::move(value)},
                         {kLabelRight, std::move(label2)},
                         {kValueRight, std::move(value2)}};
    };
    return {
        pairs(t.rxLabel, CodeToFre(ch.RxFre.value()) + " MHz", t.offsetLabel,
              ItemOf(t.shiftDirs, ch.ShiftDir) + " " + CodeToOffset(ch.OffsetFre.value()) + " MHz"),
        pairs(t.nameLabel, platform::BytesToUtf8(ch.CHName.value()), t.stepLabel,
              ItemOf(t.steps, ch.StepIndex)),
        pairs(t.bandwidthLabel, ItemOf(t.bandwidths, ch.Bandwidth), t.powerLabel,
              ItemOf(t.powers, ch.TxPower)),
        pairs(t.decodeToneLabel,
              ChannelToneText(ch.De_CTC_Type, ch.De_CTCSS, ch.De_DCSCode, ch.De_DCSInvert, ctcss, dcs, none),
              t.encodeToneLabel,
              ChannelToneText(ch.En_CTC_Type, ch.En_CTCSS, ch.En_DCSCode, ch.En_DCSInvert, ctcss, dcs, none)),
        pairs(t.signallingLabel, ChannelSignallingText(ch, none), t.squelchLabel, ItemOf(t.squelchModes, ch.SQLMode)),
        row(t.pttIdLabel, ItemOf(t.pttIds, ch.PTTIDType)),
        pairs(t.busyLockLabel, ItemOf(t.busyLocks, ch.BusyLock), t.scramblerLabel, ItemOf(t.scramblers, ch.Scrambler)),
        pairs(t.txInhibitLabel, SwitchText(ch.TxInhibit), t.companderLabel, SwitchText(ch.Compander)),
        pairs(t.reverseLabel, SwitchText(ch.Reverse), t.talkAroundLabel, SwitchText(ch.TalkAround)),
        row(t.scanLabel, ItemOf(t.scans, ch.ScanSkip)),
    };
}

void PrintCHInfo(Report& report, const std::vector<int16_t>& sorted, int32_t page, int32_t count, int16_t perPage,
                 const ChannelPageTexts& texts, const ReportSources& sources) {
    const std::string heading = texts.heading + " ";
    for (int32_t i = 0; i < perPage; ++i) {
        const int64_t k = static_cast<int64_t>(page - 1) * perPage + i;
        if (k >= count || k >= static_cast<int64_t>(sorted.size())) break;
        const int16_t chNo = sorted[static_cast<std::size_t>(k)];
        report.Printer().SetCurrentX(report.X(kHeadingAt));
        report.Printer().Print(heading + ChannelLabel(chNo));
        const UFreData ch = ChannelRecord(chNo, UsedChannels());
        for (const ReportRow& row : ChannelBlockRows(ch, texts, sources.ctcss, sources.dcs)) report.PrintRow(row);
    }
}

void Prt_UHFChannel(Report& report, const ReportSources& sources) {
    const std::vector<int16_t> sorted = SortedChannelNumbers();
    const auto count = static_cast<int32_t>(sorted.size());
    const int32_t pages = (count + kChannelsPerPage - 1) / kChannelsPerPage;
    const std::string caption = GetLangText(kSectionCaption);
    if (pages == 0) {
        report.PrintTitle();
        report.Printer().SetCurrentX(report.X(kHeadingAt));
        report.Printer().Print(caption + "\r\n");
        report.EndPage();
        return;
    }
    const std::unique_ptr<ReportDialog> chEdit = sources.Load(ReportForm::CHEdit);
    const ChannelPageTexts texts = ReadChannelPageTexts(*chEdit);
    for (int32_t p = 1; p <= pages; ++p) {
        report.PrintTitle();
        report.PrintCaption(caption);
        PrintCHInfo(report, sorted, p, count, kChannelsPerPage, texts, sources);
        report.EndPage();
    }
}
