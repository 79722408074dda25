#include "printing/SettingsPages.h"

#include <array>
#include <string>
#include <utility>

#include "printing/ReportText.h"

namespace {

constexpr int kLabelAt = 10;
constexpr int kPowerOnAt = 35;
constexpr int kListAt = 50;
constexpr int kCheckAt = 55;
constexpr int kEmbedValueAt = 35;
// The print item whose text heads the embedded-information page.
constexpr std::size_t kEmbedItem = 8;

// The power-on text's boxes the page prints, and the option lists and check
// boxes after the display mode, in page order.
constexpr int kPowerOnBoxes = 7;
constexpr std::array kOptionLists = {1, 2, 3, 5, 8, 9, 10, 11, 12, 14, 16, 17, 19, 20, 21, 22, 23};
constexpr std::array kOptionChecks = {1, 2, 3};
constexpr int kDisplayModeList = 0;
constexpr int kDisplaySubList = 18;
constexpr int kDisplayModeWithSub = 1;

// The embedded-information rows: caption of `label`, value of `value`.
struct EmbedRow {
    const char* label;
    int labelIndex;
    const char* value;
    int valueIndex;
};
constexpr std::array<EmbedRow, 9> kEmbedRowsBefore = {{
    {"Label2", -1, "Text1", 0},
    {"Label1", 0, "Text1", 6},
    {"Label1", 9, "Text1", 7},
    {"Label1", 1, "Combo1", 0},
    {"Label1", 2, "Combo1", 1},
    {"Label1", 3, "Text1", 1},
    {"Label1", 4, "Text1", 2},
    {"Label1", 5, "Text1", 3},
    {"Label1", 8, "Text1", 5},
}};
constexpr std::array<EmbedRow, 4> kEmbedRowsAfter = {{
    {"Label1", 10, "Text1", 8},
    {"Label1", 11, "Text1", 9},
    {"Label1", 12, "Text1", 10},
    {"Label1", 13, "Text1", 11},
}};

ReportRow Pair(std::string label, int valueAt, std::string value) {
    return ReportRow{{kLabelAt, std::move(label)}, {valueAt, std::move(value)}};
}

}  // namespace

std::vector<ReportRow> OptionPageRows(const ReportDialog& d) {
    std::vector<ReportRow> rows;
    // An empty power-on box stands for a blank, so the text keeps its width.
    std::string powerOn;
    for (int i = 0; i < kPowerOnBoxes; ++i) {
        const std::string box = d.Text("Text1", i);
        powerOn += box.empty() ? std::string(" ") : box;
    }
    rows.push_back(Pair(d.Caption("Label2"), kPowerOnAt, powerOn));

    std::string display = d.Text("Combo1", kDisplayModeList);
    if (d.ListIndex("Combo1", kDisplayModeList) == kDisplayModeWithSub) display += d.Text("Combo1", kDisplaySubList);
    rows.push_back(Pair(d.Caption("Label1", kDisplayModeList), kListAt, display));

    for (int i : kOptionLists) rows.push_back(Pair(d.Caption("Label1", i), kListAt, d.Text("Combo1", i)));
    for (int i : kOptionChecks)
        rows.push_back(Pair(d.Caption("Check1", i), kCheckAt, SwitchText(d.CheckValue("Check1", i))));
    return rows;
}

std::vector<ReportRow> EmbedInfoPageRows(const ReportDialog& d) {
    std::vector<ReportRow> rows;
    const auto add = [&](const EmbedRow& r) {
        rows.push_back(Pair(d.Caption(r.label, r.labelIndex), kEmbedValueAt, d.Text(r.value, r.valueIndex)));
    };
    for (const EmbedRow& r : kEmbedRowsBefore) add(r);
    // The maintenance row's caption stands on two labels.
    rows.push_back(Pair(d.Caption("Label1", 6) + " " + d.Caption("Label1", 7), kEmbedValueAt, d.Text("Text1", 4)));
    for (const EmbedRow& r : kEmbedRowsAfter) add(r);
    return rows;
}

void Prt_Option(Report& report, const ReportSources& sources) {
    const std::unique_ptr<ReportDialog> option = sources.Load(ReportForm::Option);
    report.PrintSectionPage(option->FormCaption(), OptionPageRows(*option));
}

void Prt_EMG(Report& report, const ReportSources& sources) {
    const std::unique_ptr<ReportDialog> emg = sources.Load(ReportForm::EMG);
    report.PrintSectionPage(ReportText().Item[kEmbedItem].shown(), EmbedInfoPageRows(*emg));
}
