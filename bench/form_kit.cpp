// What the form kit costs a dialog: building a table of about a hundred and
// fifty controls, and finding every one of them again by name and index (a
// load reads and writes its controls that way).
#include <benchmark/benchmark.h>

#include <vector>

#include <QDialog>

#include "WidgetBenchMain.h"
#include "link/ui/FrmTestData.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"

namespace {

using platform::Kind;
using platform::Row;

constexpr int kLists = 50;
constexpr int kBoxes = 50;

// Labels before lists and text boxes, as the channel and option dialogs are.
std::vector<platform::ControlRow> WideTable() {
    std::vector<platform::ControlRow> rows;
    rows.push_back(Row(Kind::Frame, "Frame1").At(120, 120, 9000, 9000));
    for (int i = 0; i < kLists; ++i) {
        rows.push_back(Row(Kind::Label, "Label2", i).At(0, 240 + 360 * i).Literal("Label").Before("Combo1", i, 100));
        rows.push_back(Row(Kind::List, "Combo1", i).At(2160, 240 + 360 * i, 1455).Tab(i).In("Frame1"));
    }
    for (int i = 0; i < kBoxes; ++i)
        rows.push_back(Row(Kind::TextBox, "Text1", i).At(4000, 240 + 360 * i, 1455).Tab(kLists + i).Limit(9));
    return rows;
}

void BM_BuildFormOf150Controls(benchmark::State& state) {
    const auto rows = WideTable();
    for (auto _ : state) {
        QDialog dialog;
        platform::BuildForm(dialog, platform::Form("FrmWide").Size(9495, 9495), rows);
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_BuildFormOf150Controls)->Unit(benchmark::kMillisecond);

void BM_FindEveryControlByName(benchmark::State& state) {
    QDialog dialog;
    platform::BuildForm(dialog, platform::Form("FrmWide"), WideTable());
    for (auto _ : state) {
        for (int i = 0; i < kLists; ++i) {
            benchmark::DoNotOptimize(platform::Ctl<QWidget>(&dialog, "Label2", i));
            benchmark::DoNotOptimize(platform::Ctl<QWidget>(&dialog, "Combo1", i));
        }
        for (int i = 0; i < kBoxes; ++i) benchmark::DoNotOptimize(platform::Ctl<QWidget>(&dialog, "Text1", i));
    }
}
BENCHMARK(BM_FindEveryControlByName)->Unit(benchmark::kMicrosecond);

void BM_TestDataEditorLoaded(benchmark::State& state) {
    for (auto _ : state) {
        FrmTestData dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_TestDataEditorLoaded)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }
