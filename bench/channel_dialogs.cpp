// What the channel dialogs cost: the single-channel dialog created, loaded
// hidden (every caption, both 512-item code lists, the channel shown) and
// destroyed, as the printed report and every ">>" do; loading the batch
// editor (its two tone lists of 1077 items, the edit-item boxes rewriting
// BatchFun.ini), and a batch of every offered item over channels 1 to 758
// into an empty list, with the main window's redraw of all 758 rows.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>


#include "WidgetBenchMain.h"
#include "channels/BatchApply.h"
#include "channels/BatchFun.h"
#include "channels/BatchTones.h"
#include "channels/ui/FrmCHBatch.h"
#include "channels/ui/FrmCHEdit.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ProgramFolder.h"
#include "platform/UserSettings.h"

namespace {

namespace fs = std::filesystem;

// A program folder of its own, so that BatchFun.ini is written there and not
// beside the build. Its language folder links to the build's: freshly copied
// files would count as just edited and be read afresh at every lookup.
class BenchFolder {
public:
    BenchFolder() : path_(fs::temp_directory_path() / ("kq-bench-batch-" + std::to_string(::getpid()))) {
        std::error_code ec;
        fs::create_directories(path_, ec);
        const fs::path languages = fs::canonical(fs::path(platform::ExecutableFolder()) / ".." / "language", ec);
        fs::create_directory_symlink(languages, path_ / "language", ec);
        platform::SetProgramFolder(path_.string());
    }
    ~BenchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }

private:
    fs::path path_;
};

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
    BenchFolder folder;
    OneFullChannel();
    for (auto _ : state) {
        FrmCHEdit dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_ChannelDialogLoadedHidden)->Unit(benchmark::kMillisecond);

void PrepareData() {
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    CurData.CHCount = 0;
    LoadBatchFun();
}

void BM_BatchEditorLoaded(benchmark::State& state) {
    BenchFolder folder;
    PrepareData();
    for (auto _ : state) {
        FrmCHBatch dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_BatchEditorLoaded)->Unit(benchmark::kMillisecond);

class NoRandom : public BatchRandom {
public:
    void Seed() override {}
    double Next() override { return 0.5; }
};

void BM_BatchOfEveryItemOverAllChannelsIntoAnEmptyList(benchmark::State& state) {
    BenchFolder folder;
    platform::MemoryUserSettings settings;
    platform::ScopedUserSettings use(settings);
    PrepareData();
    auto* window = new frmMain();  // redraws the 758 rows once a batch
    window->Form_Load();
    for (int flag = 0; flag <= 18; ++flag) BatchFunFlag[static_cast<std::size_t>(flag)] = 1;
    const std::vector<std::string> tones = BatchToneItems();
    NoRandom random;
    for (auto _ : state) {
        state.PauseTiming();
        CurData.CHCount = 0;
        BatchRequest request;
        request.toneItems = tones;
        request.boxes = {"145", "12.5", "0.6", "136", "0", "1", "0", "CH", "001", "1"};
        request.txMode = BatchTxMode::Offset;
        request.decode.selected = 1;
        request.nameMode = BatchNameMode::Numbered;
        request.listIndex[static_cast<std::size_t>(BatchList::Squelch)] = 1;
        state.ResumeTiming();
        ApplyBatch(request, random);
    }
    state.counters["channels"] = CurData.CHCount;
    delete window;
}
BENCHMARK(BM_BatchOfEveryItemOverAllChannelsIntoAnEmptyList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }
