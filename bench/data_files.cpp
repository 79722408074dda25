// Packing and unpacking a full configuration (758 channels) into the bytes of
// its .dat and .fre files, in memory: the part of a save or a load that does
// not wait for the disk.
#include <benchmark/benchmark.h>

#include <span>
#include <vector>

#include "core/ChannelRecord.h"
#include "core/DataFiles.h"
#include "core/Defaults.h"
#include "core/SharedState.h"
#include "platform/ProgramFolder.h"

namespace {

void FullConfiguration() {
    ResetSharedState();
    platform::SetProgramFolder("/nonexistent/bench");
    InitRadioData();
    CurData.CHCount = 0;
    for (int16_t no = 1; no <= kMaxChannels; ++no) AddDefaultFreData(no, "145.5000", 0, 0);
}

void BM_PackDataFiles(benchmark::State& state) {
    FullConfiguration();
    for (auto _ : state) {
        auto dat = PackDatFile(CurData);
        auto fre = PackFreFile(std::span<const UFreData>(UFreList).first(kMaxChannels));
        benchmark::DoNotOptimize(dat.data());
        benchmark::DoNotOptimize(fre.data());
    }
}
BENCHMARK(BM_PackDataFiles)->Unit(benchmark::kMicrosecond);

void BM_UnpackDataFiles(benchmark::State& state) {
    FullConfiguration();
    const auto dat = PackDatFile(CurData);
    const auto fre = PackFreFile(std::span<const UFreData>(UFreList).first(kMaxChannels));
    for (auto _ : state) {
        auto record = UnpackDatFile(dat, DatLayout::V200, OldData);
        auto channels = UnpackFreFile(fre, record->CHCount);
        benchmark::DoNotOptimize(record->CHCount);
        benchmark::DoNotOptimize(channels->data());
    }
}
BENCHMARK(BM_UnpackDataFiles)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
