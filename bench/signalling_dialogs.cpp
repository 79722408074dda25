// The signalling dialogs loaded hidden, as the printed report loads them:
// the DTMF dialog with its thirteen lists (about a thousand items) and the
// two-tone dialog with its lists and its 25 x 4 call grid, every call in use.
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
#include "signalling/ui/Frm2Tone.h"
#include "signalling/ui/FrmDTMF.h"

namespace {

// The language files the build lays beside the program, one folder up.
std::string BuildFolder() {
    return std::filesystem::path(platform::ExecutableFolder()).parent_path().string();
}

void DefaultData() {
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
}

void BM_DTMFDialogLoadedHidden(benchmark::State& state) {
    DefaultData();
    for (DTMFCodeItem& m : CurData.FunSet.DTMF.DTMFCode) m = {FixStr<24>::Of("123E456"), 7};
    for (auto _ : state) {
        FrmDTMF dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_DTMFDialogLoadedHidden)->Unit(benchmark::kMillisecond);

void BM_TwoToneDialogLoadedHidden(benchmark::State& state) {
    DefaultData();
    for (Tone2Item& call : CurData.FunSet.Tone2.Tone2List) {
        call.EmptyFlag = 0;
        call.Tone1.set(3217);
        call.Div1.set(1865);
        call.Tone2.set(9281);
        call.Div2.set(646);
        call.Name = "CALL";
    }
    for (auto _ : state) {
        Frm2Tone dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_TwoToneDialogLoadedHidden)->Unit(benchmark::kMillisecond);

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
