// The settings dialogs loaded hidden, as the printed report loads them: the
// option dialog with its 29 lists, the embedded-information viewer, and the
// scan dialog with every channel in use (its two priority-channel lists).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <QApplication>

#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "platform/ProgramFolder.h"
#include "settings/ui/FrmEMG.h"
#include "settings/ui/FrmOption.h"
#include "settings/ui/FrmScan.h"

namespace {

// The language files the build lays beside the program, one folder up.
std::string BuildFolder() {
    return std::filesystem::path(platform::ExecutableFolder()).parent_path().string();
}

void DefaultData() {
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    InitEmbedInfo();
}

void BM_OptionDialogLoadedHidden(benchmark::State& state) {
    DefaultData();
    for (auto _ : state) {
        FrmOption dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_OptionDialogLoadedHidden)->Unit(benchmark::kMillisecond);

void BM_EmbedInfoViewerLoadedHidden(benchmark::State& state) {
    DefaultData();
    for (auto _ : state) {
        FrmEMG dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_EmbedInfoViewerLoadedHidden)->Unit(benchmark::kMillisecond);

void BM_ScanDialogWith758Channels(benchmark::State& state) {
    DefaultData();
    CurData.CHCount = kMaxChannels;
    for (int i = 0; i < kMaxChannels; ++i) {
        UFreData& ch = UFreList[static_cast<std::size_t>(i)];
        ch.CHNo = static_cast<int16_t>(kMaxChannels - i);  // the list is unordered
        ch.UsedFlag = 1;
    }
    CurData.FunSet.Scan.ScanMode = 1;
    CurData.FunSet.Scan.PriorityMode = 3;
    CurData.FunSet.Scan.PriorityCH1 = 700;
    for (auto _ : state) {
        FrmScan dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_ScanDialogWith758Channels)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    platform::ScopedProgramFolder folder(BuildFolder());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
