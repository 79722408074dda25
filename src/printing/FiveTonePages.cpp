#include "printing/FiveTonePages.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "platform/TextConvert.h"
#include "printing/ReportText.h"

namespace {

constexpr std::string_view kCodeGrid = "MSHFlexGrid1";
constexpr int kTitleRow = 0;
// The code grid's columns (the kind column 1 is never printed).
constexpr int kNumberColumn = 0;
constexpr int kCodeColumn = 2;
constexpr int kStandardColumn = 3;
constexpr int kPeriodColumn = 4;
constexpr int kNameColumn = 5;

constexpr int kSideToneLabelAt = 10;
constexpr int kSideToneValueAt = 35;

// The decode-code table: number, function, response, code, name.
constexpr std::array<int, 5> kDecodeColumns = {10, 25, 40, 60, 80};
// The responses a decode code can store, whatever the list the dialog holds
// for the code it happens to show (section "OPTION").
constexpr std::array<int32_t, 3> kResponseTexts = {60057, 60058, 60059};

// The PTT-ID lines: frame caption, code, standard, period.
constexpr std::array<int, 4> kPTTIDColumns = {10, 35, 65, 80};
constexpr int kPTTIDLines = 2;

// The code list: number, code, standard, period, name.
constexpr std::array<int, 5> kListColumns = {10, 15, 55, 70, 92};
constexpr int kMaxCodeLength = 40;
constexpr int kMinPeriod = 30;
constexpr int kMaxPeriod = 100;
constexpr std::string_view kDefaultPeriod = "70";
// The code list breaks the page once a row ends this far down (percent).
constexpr float kBottomPercent = 5;
// The print item whose text heads the continuation pages.
constexpr std::size_t kTone5Item = 6;

std::string Item(const std::vector<std::string>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)] : "";
}

// A stored text as the page shows it: up to its first NUL.
std::string Shown(std::string_view bytes) {
    return platform::BytesToUtf8(bytes.substr(0, bytes.find('\0')));
}

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

void PrintSettings(Report& report, const ReportDialog& d) {
    report.PrintRow(DoubleRow(d.Caption("Label1", 0), d.Text("Text2"), d.Caption("Label1", 1), d.Text("Combo1", 1)));
    for (int j = 2; j <= 8; j += 2)
        report.PrintRow(
            DoubleRow(d.Caption("Label1", j), d.Text("Combo1", j), d.Caption("Label1", j + 1), d.Text("Combo1", j + 1)));
    report.PrintRow({{kSideToneLabelAt, d.Caption("Check1")}, {kSideToneValueAt, SwitchText(d.CheckValue("Check1"))}});
}

void PrintDecodeCodes(Report& report, const ReportDialog& d, const Tone5Data& block) {
    const auto& at = kDecodeColumns;
    report.PrintRow({{at[0], d.Caption("Label3")},
                     {at[1], d.Caption("Label4", 0)},
                     {at[2], d.Caption("Label4", 1)},
                     {at[3], d.Caption("Label4", 2)},
                     {at[4], d.Caption("Label4", 3)}});
    const std::vector<std::string> functions = d.ListItems("Combo7", 0);
    std::vector<std::string> responses;
    for (int32_t id : kResponseTexts) responses.push_back(GetOptionText(id));
    for (int i = block.InfoCode.first(); i <= block.InfoCode.last(); ++i) {
        const Tone5InfoCode& code = block.InfoCode[i];
        const std::string stored = code.Code.raw();
        report.PrintRow({{at[0], std::to_string(i)},
                         {at[1], Item(functions, code.Func)},
                         {at[2], Item(responses, code.Resp)},
                         {at[3], code.CodeLen > 0 ? Shown(std::string_view(stored).substr(0, code.CodeLen)) : ""},
                         {at[4], platform::BytesToUtf8(code.Name.value())}});
    }
}

void PrintPTTIDLines(Report& report, const ReportDialog& d) {
    const auto& at = kPTTIDColumns;
    report.PrintRow({{at[1], d.GridText(kCodeGrid, kTitleRow, kCodeColumn)},
                     {at[2], d.GridText(kCodeGrid, kTitleRow, kStandardColumn)},
                     {at[3], d.GridText(kCodeGrid, kTitleRow, kPeriodColumn)}});
    for (int k = 0; k < kPTTIDLines; ++k)
        report.PrintRow({{at[0], d.Caption("Frame1", k)},
                         {at[1], d.Text("Text4", k)},
                         {at[2], d.Text("Combo4", k)},
                         {at[3], d.Text("Combo5", k)}});
}

ReportRow ListTitleRow(const ReportDialog& d) {
    const auto& at = kListColumns;
    const auto title = [&](int column) { return d.GridText(kCodeGrid, kTitleRow, column); };
    return {{at[0], title(kNumberColumn)},
            {at[1], title(kCodeColumn)},
            {at[2], title(kStandardColumn)},
            {at[3], title(kPeriodColumn)},
            {at[4], title(kNameColumn)}};
}

ReportRow ListRow(int16_t entry, const Tone5Code& code, const std::vector<std::string>& standards) {
    const auto& at = kListColumns;
    const bool knownPeriod = code.TonePeriod >= kMinPeriod && code.TonePeriod <= kMaxPeriod;
    return {{at[0], std::to_string(entry - 1)},
            {at[1], Shown(TrimBlanks(code.Code.raw()))},
            {at[2], Item(standards, code.Standard)},
            {at[3], knownPeriod ? std::to_string(code.TonePeriod) : std::string(kDefaultPeriod)},
            {at[4], platform::BytesToUtf8(code.Name.value())}};
}

void PrintCodeList(Report& report, const ReportDialog& d, const Tone5Data& block) {
    const std::vector<int16_t> entries = PrintableTone5Entries(block);
    const std::vector<std::string> standards = d.ListItems("Combo2");
    const ReportRow titles = ListTitleRow(d);
    platform::ReportSurface& printer = report.Printer();
    const float height = static_cast<float>(printer.ScaleHeight());
    const float bottom = height - height * kBottomPercent / 100;
    report.PrintGap();
    report.PrintRow(titles);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        report.PrintRow(ListRow(entries[k], block.Tone5List[entries[k]], standards));
        if (k + 1 < entries.size() && printer.CurrentY() >= bottom) {
            report.EndPage();
            report.PrintTitle();
            report.PrintCaption(ReportText().Item[kTone5Item].shown());
            report.PrintGap();
            report.PrintRow(titles);
        }
    }
}

}  // namespace

std::vector<int16_t> PrintableTone5Entries(const Tone5Data& block) {
    std::vector<int16_t> entries;
    for (int n = block.Tone5List.first(); n <= block.Tone5List.last(); ++n) {
        const int length = block.Tone5List[n].CodeLen;
        if (length >= 1 && length <= kMaxCodeLength) entries.push_back(static_cast<int16_t>(n));
    }
    return entries;
}

void PrintFiveTonePages(Report& report, const ReportDialog& d, const Tone5Data& block) {
    report.PrintTitle();
    report.PrintCaption(d.FormCaption());
    PrintSettings(report, d);
    PrintDecodeCodes(report, d, block);
    PrintPTTIDLines(report, d);
    PrintCodeList(report, d, block);
    report.EndPage();
}

void Prt_5Tone(Report& report, const ReportSources& sources) {
    const std::unique_ptr<ReportDialog> tone5 = sources.Load(ReportForm::Tone5);
    const Tone5Data block = CurData.FunSet.Tone5;
    PrintFiveTonePages(report, *tone5, block);
}
