#include "printing/SettingsPages.h"

#include <array>
#include <memory>
#include <string_view>
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

// The DTMF page: the lists before and after the own ID, and the code boxes.
constexpr int kDTMFValueAt = 50;
constexpr int kDTMFCodeAt = 35;
constexpr std::array kDTMFListsBeforeOwnID = {1, 2};
constexpr int kDTMFOwnIDLabel = 4;
constexpr int kDTMFFirstListAfter = 5;
constexpr int kDTMFLastListAfter = 12;
constexpr int kDTMFCodeBoxes = 20;

// The alert page: the alarm lists but the hidden group list, and the
// lone-worker frame's rows indented under its caption.
constexpr int kAlarmValueAt = 45;
constexpr int kLoneWorkerLabelAt = 15;
constexpr int kLoneWorkerValueAt = 50;
constexpr int kAlarmLists = 10;
constexpr int kUnprintedAlarmList = 7;
constexpr int kLoneWorkerLists = 2;

ReportRow Pair(std::string label, int valueAt, std::string value, int labelAt = kLabelAt) {
    return ReportRow{{labelAt, std::move(label)}, {valueAt, std::move(value)}};
}

// The label and list of the same index.
ReportRow ListPair(const ReportDialog& d, std::string_view label, std::string_view list, int i, int valueAt,
                   int labelAt = kLabelAt) {
    return Pair(d.Caption(label, i), valueAt, d.Text(list, i), labelAt);
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

std::vector<ReportRow> DTMFPageRows(const ReportDialog& d) {
    std::vector<ReportRow> rows;
    for (int i : kDTMFListsBeforeOwnID) rows.push_back(ListPair(d, "Label3", "Combo1", i, kDTMFValueAt));
    rows.push_back(Pair(d.Caption("Label3", kDTMFOwnIDLabel), kDTMFValueAt, d.Text("Text3")));
    for (int i = kDTMFFirstListAfter; i <= kDTMFLastListAfter; ++i)
        rows.push_back(ListPair(d, "Label3", "Combo1", i, kDTMFValueAt));
    rows.push_back(Pair(d.Caption("Check1"), kDTMFValueAt, SwitchText(d.CheckValue("Check1"))));
    for (int i = 0; i < kDTMFCodeBoxes; ++i) rows.push_back(ListPair(d, "Label1", "Text2", i, kDTMFCodeAt));
    return rows;
}

std::vector<ReportRow> AlertPageRows(const ReportDialog& d) {
    std::vector<ReportRow> rows;
    for (int i = 0; i < kAlarmLists; ++i)
        if (i != kUnprintedAlarmList) rows.push_back(ListPair(d, "Label1", "Combo1", i, kAlarmValueAt));
    rows.push_back(ReportRow{{kLabelAt, d.Caption("Frame1")}});
    rows.push_back(Pair(d.Caption("Check1"), kLoneWorkerValueAt, SwitchText(d.CheckValue("Check1")), kLoneWorkerLabelAt));
    for (int i = 0; i < kLoneWorkerLists; ++i)
        rows.push_back(ListPair(d, "Label2", "Combo2", i, kLoneWorkerValueAt, kLoneWorkerLabelAt));
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

void Prt_DTMF(Report& report, const ReportSources& sources) {
    const std::unique_ptr<ReportDialog> dtmf = sources.Load(ReportForm::DTMF);
    report.PrintSectionPage(dtmf->FormCaption(), DTMFPageRows(*dtmf));
}

void Prt_Alert(Report& report, const ReportSources& sources) {
    const std::unique_ptr<ReportDialog> alert = sources.Load(ReportForm::Alert);
    report.PrintSectionPage(alert->FormCaption(), AlertPageRows(*alert));
}

void Prt_EMG(Report& report, const ReportSources& sources) {
    const std::unique_ptr<ReportDialog> emg = sources.Load(ReportForm::EMG);
    report.PrintSectionPage(ReportText().Item[kEmbedItem].shown(), EmbedInfoPageRows(*emg));
}
