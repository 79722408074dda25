// Redraw of the normal channel view with every channel in use.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include <QApplication>

#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/UserSettings.h"

namespace {

void FillAllChannels() {
    CurData.CHCount = kMaxChannels;
    for (int i = 0; i < kMaxChannels; ++i) {
        UFreData& ch = UFreList[static_cast<std::size_t>(i)];
        ch = UFreData{};
        ch.CHNo = static_cast<int16_t>(kMaxChannels - i);  // the list is unordered
        ch.UsedFlag = 1;
        ch.RxFre = std::string_view(i % 2 ? "014512500" : "043725000");
        ch.OffsetFre = std::string_view("000060000");
        ch.CHName = std::string_view("CH");
        ch.ShiftDir = static_cast<int16_t>(i % 3);
        ch.De_CTC_Type = static_cast<int16_t>(i % 3);
        ch.En_CTC_Type = static_cast<int16_t>((i + 1) % 3);
        ch.De_DCSCode = static_cast<int16_t>(i % 512);
        ch.En_CTCSS = static_cast<int16_t>(i % 52);
        ch.OptSig = static_cast<int16_t>(i % 4);
        ch.TxPower = static_cast<int16_t>(i % 4);
    }
}

// A loaded window over 758 channels, built once for all benchmarks.
frmMain& FullWindow() {
    static frmMain* window = [] {
        SetBandByType(0);
        InitHyperRange();
        InitRadioData();
        FillAllChannels();
        auto* w = new frmMain();
        w->Form_Load();
        return w;
    }();
    return *window;
}

void BM_ReShowListByDataNormalView(benchmark::State& state) {
    platform::MemoryUserSettings settings;
    platform::ScopedUserSettings use(settings);
    frmMain& window = FullWindow();
    for (auto _ : state) window.ReShowListByData();
}
BENCHMARK(BM_ReShowListByDataNormalView)->Unit(benchmark::kMillisecond);

// The same redraw into empty rows, so that every cell really changes.
void BM_ReShowListByDataIntoEmptyRows(benchmark::State& state) {
    platform::MemoryUserSettings settings;
    platform::ScopedUserSettings use(settings);
    frmMain& window = FullWindow();
    for (auto _ : state) {
        state.PauseTiming();
        for (int16_t r = 1; r <= kMaxChannels; ++r) window.ClearGridRow(r);
        state.ResumeTiming();
        window.ReShowListByData();
    }
}
BENCHMARK(BM_ReShowListByDataIntoEmptyRows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
