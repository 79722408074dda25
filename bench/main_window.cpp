// Redraw of the normal channel view with every channel in use, as the user
// sees it: the window is shown (on the offscreen platform unless
// QT_QPA_PLATFORM names another) and each redraw is timed until the grid has
// painted. Reported: grid_paints, the grid's paints per redraw (at least 1).
#include <benchmark/benchmark.h>

#include <string>

#include <QApplication>
#include <QEvent>
#include <QHeaderView>

#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/UserSettings.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"

#include "WidgetBenchMain.h"

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

// Counts the paints of the grid's cells.
class PaintCount : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// A loaded window over 758 channels, shown as on a first run (as large as
// the screen), built once for all benchmarks.
frmMain& FullWindow() {
    static platform::MemoryUserSettings settings;
    static frmMain* window = [] {
        platform::ScopedUserSettings use(settings);
        SetBandByType(0);
        InitHyperRange();
        InitRadioData();
        FillAllChannels();
        auto* w = new frmMain();
        w->Form_Load();
        w->show();
        QCoreApplication::processEvents();
        return w;
    }();
    return *window;
}

platform::Grid& ChannelGrid(frmMain& window) { return *platform::Ctl<platform::Grid>(&window, "MSFlexGrid1", 0); }

// Paints the whole grid now (its cells and both header bands, whatever the
// redraw changed), and lets the event loop run once more as it would before
// the user sees the next thing.
void PaintNow(platform::Grid& grid) {
    for (QWidget* part : {grid.viewport(), grid.horizontalHeader()->viewport(), grid.verticalHeader()->viewport()})
        part->update();
    grid.repaint();
    QCoreApplication::processEvents();
}

void CountPaints(benchmark::State& state, const PaintCount& count) {
    state.counters["grid_paints"] = benchmark::Counter(count.paints, benchmark::Counter::kAvgIterations);
    if (state.iterations() > 0 && count.paints < state.iterations()) state.SkipWithError("the grid did not paint");
}

void BM_ReShowListByDataNormalViewPainted(benchmark::State& state) {
    frmMain& window = FullWindow();
    platform::Grid& grid = ChannelGrid(window);
    PaintNow(grid);
    PaintCount count;
    grid.viewport()->installEventFilter(&count);
    for (auto _ : state) {
        window.ReShowListByData();
        PaintNow(grid);
    }
    grid.viewport()->removeEventFilter(&count);
    CountPaints(state, count);
}
BENCHMARK(BM_ReShowListByDataNormalViewPainted)->Unit(benchmark::kMillisecond);

// The same redraw into empty rows, so that every cell really changes.
void BM_ReShowListByDataIntoEmptyRowsPainted(benchmark::State& state) {
    frmMain& window = FullWindow();
    platform::Grid& grid = ChannelGrid(window);
    PaintCount count;
    for (auto _ : state) {
        state.PauseTiming();
        for (int16_t r = 1; r <= kMaxChannels; ++r) window.ClearGridRow(r);
        PaintNow(grid);
        grid.viewport()->installEventFilter(&count);
        state.ResumeTiming();
        window.ReShowListByData();
        PaintNow(grid);
        state.PauseTiming();
        grid.viewport()->removeEventFilter(&count);
        state.ResumeTiming();
    }
    CountPaints(state, count);
}
BENCHMARK(BM_ReShowListByDataIntoEmptyRowsPainted)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }
