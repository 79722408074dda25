#include "printing/TwoTonePage.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "printing/ReportText.h"

namespace {

constexpr int kSubHeadingAt = 5;
constexpr int kEncodeTab = 0;
constexpr int kDecodeTab = 1;
constexpr std::string_view kCallGrid = "MSHFlexGrid1";
constexpr int kToneColumn = 1;
constexpr int kCallColumns = 3;  // tone 1, tone 2, name

// A call's number and its three cells stand at these columns, on the left
// half of a line or on the right one.
constexpr std::array<int, 4> kLeftCall = {10, 13, 20, 27};
constexpr std::array<int, 4> kRightCall = {55, 58, 65, 72};

ReportRow PairsOf(const ReportDialog& d, std::string_view label, std::string_view value, int left) {
    return DoubleRow(d.Caption(label, left), d.Text(value, left), d.Caption(label, left + 1), d.Text(value, left + 1));
}

void PrintCalls(Report& report, const ReportDialog& d) {
    int16_t printed = 0;
    const int rows = d.GridRows(kCallGrid);
    for (int r = 1; r < rows; ++r) {
        // The tone-1 cell is filled exactly for the calls in use.
        if (d.GridText(kCallGrid, r, kToneColumn).empty()) continue;
        const std::array<int, 4>& at = printed % 2 == 0 ? kLeftCall : kRightCall;
        ReportRow call{{at[0], std::to_string(r - 1)}};
        for (int c = 1; c <= kCallColumns; ++c)
            call.push_back({at[static_cast<std::size_t>(c)], d.GridText(kCallGrid, r, c)});
        if (printed % 2 == 0) report.PrintRow(call);
        else report.PrintOnSameRow(call);
        ++printed;
    }
}

}  // namespace

void PrintTwoTonePage(Report& report, const ReportDialog& d) {
    report.PrintTitle();
    report.PrintCaption(d.FormCaption());
    report.PrintSubHeading(kSubHeadingAt, d.TabCaption("SSTab1", kDecodeTab));
    report.PrintRow(PairsOf(d, "Label2", "Combo2", 0));
    for (int j : {0, 2}) report.PrintRow(PairsOf(d, "Label3", "Text2", j));
    report.PrintGap();
    report.PrintSubHeading(kSubHeadingAt, d.TabCaption("SSTab1", kEncodeTab));
    for (int j : {0, 2}) report.PrintRow(PairsOf(d, "Label1", "Combo1", j));
    report.PrintRow(DoubleRow(d.Caption("Label1", 4), d.Text("Combo1", 4), d.Caption("Check1"),
                              SwitchText(d.CheckValue("Check1"))));
    PrintCalls(report, d);
    report.EndPage();
}

void Prt_2Tone(Report& report, const ReportSources& sources) {
    const std::unique_ptr<ReportDialog> tone2 = sources.Load(ReportForm::Tone2);
    PrintTwoTonePage(report, *tone2);
}
