// The signalling dialogs loaded hidden, as the printed report loads them:
// the DTMF dialog with its thirteen lists (about a thousand items), the
// two-tone dialog with its lists and its 25 x 4 call grid, every call in use,
// and the five-tone dialog with all 100 codes of its list in use (its 2,200
// list items, the 101 x 6 grid and the tone-table view).
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
#include "signalling/ui/Frm5Tone.h"
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

void BM_FiveToneDialogWith100CodesLoadedHidden(benchmark::State& state) {
    DefaultData();
    Tone5Data& t5 = CurData.FunSet.Tone5;
    t5.SelfID = "12345";
    for (int n = 1; n <= 100; ++n) {
        Tone5Code& code = t5.Tone5List[n];
        code.EmptyFlag = 0;
        // Plain codes, data calls and ANI codes in turn.
        const std::string id = std::to_string(10000 + n);
        code.Code = n % 3 == 0 ? "E1" + id + "E414243" : n % 3 == 1 ? id + "12345" : id + "1E1E1";
        code.CodeLen = static_cast<uint8_t>(code.Code.value().size());
        code.Standard = static_cast<uint8_t>(n % 16);
        code.TonePeriod = static_cast<uint8_t>(30 + n % 71);
        code.Name = "Unit" + std::to_string(n);
    }
    for (auto _ : state) {
        Frm5Tone dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_FiveToneDialogWith100CodesLoadedHidden)->Unit(benchmark::kMillisecond);

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
