// What the channel dialogs cost to open: the single-channel dialog created,
// loaded hidden (every caption, both 512-item code lists, the channel shown)
// and destroyed, as the printed report and every ">>" do.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include <QApplication>

#include "channels/ui/FrmCHEdit.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "platform/ProgramFolder.h"

namespace {

// A used channel with tones and signalling, so that every rule runs.
void OneFullChannel() {
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    UFreData& ch = UFreList[0];
    ch.CHNo = 1;
    ch.UsedFlag = 1;
    ch.RxFre = std::string_view("014512500");
    ch.OffsetFre = std::string_view("000060000");
    ch.ShiftDir = 1;
    ch.CHName = std::string_view("BENCH");
    ch.De_CTC_Type = 1;
    ch.De_CTCSS = 12;
    ch.En_CTC_Type = 2;
    ch.En_DCSCode = 83;
    ch.OptSig = 2;
    ch.SQLMode = 3;
    CurData.CHCount = 1;
    CHListType = 0;
    CurCHNo = 1;
}

void BM_ChannelDialogLoadedHidden(benchmark::State& state) {
    OneFullChannel();
    for (auto _ : state) {
        FrmCHEdit dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_ChannelDialogLoadedHidden)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // The language files the build lays beside the program (a full build).
    platform::SetProgramFolder(platform::ExecutableFolder() + "/..");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
