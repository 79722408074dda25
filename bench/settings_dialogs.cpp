// The settings dialogs loaded hidden, as the printed report loads them: the
// option dialog with its 29 lists, the embedded-information viewer, and the
// scan dialog with every channel in use (its two priority-channel lists),
// the alert dialog likewise (its emergency-channel list), and the contact
// book with its 100-row grid.
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
#include "settings/ui/FrmAlert.h"
#include "settings/ui/FrmCommuBook.h"
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

// Every channel in use, in no order.
void UseEveryChannel() {
    CurData.CHCount = kMaxChannels;
    for (int i = 0; i < kMaxChannels; ++i) {
        UFreData& ch = UFreList[static_cast<std::size_t>(i)];
        ch.CHNo = static_cast<int16_t>(kMaxChannels - i);
        ch.UsedFlag = 1;
    }
}

void BM_ScanDialogWith758Channels(benchmark::State& state) {
    DefaultData();
    UseEveryChannel();
    CurData.FunSet.Scan.ScanMode = 1;
    CurData.FunSet.Scan.PriorityMode = 3;
    CurData.FunSet.Scan.PriorityCH1 = 700;
    for (auto _ : state) {
        FrmScan dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_ScanDialogWith758Channels)->Unit(benchmark::kMillisecond);

// Target: under 25 ms.
void BM_AlertDialogWith758Channels(benchmark::State& state) {
    DefaultData();
    UseEveryChannel();
    CurData.FunSet.Alert.IDCodeType = 2;
    CurData.FunSet.Alert.EmgCHNo = 700;
    for (int i = 1; i <= 100; ++i) CurData.FunSet.Tone5.Tone5List[i].EmptyFlag = 0;
    for (auto _ : state) {
        FrmAlert dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_AlertDialogWith758Channels)->Unit(benchmark::kMillisecond);

// Target: under 10 ms.
void BM_ContactBookLoaded(benchmark::State& state) {
    DefaultData();
    for (int i = 0; i < kCommuBookSize; ++i) {
        CurData.CommuBook[static_cast<std::size_t>(i)].CallID = std::to_string(10000 + i);
        CurData.CommuBook[static_cast<std::size_t>(i)].Name = "NAME" + std::to_string(i);
    }
    for (auto _ : state) {
        FrmCommuBook dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_ContactBookLoaded)->Unit(benchmark::kMillisecond);

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
