// Encode and decode of a full configuration: 758 normal channels, 10 limit
// channels, both hyper banks and a full contact book.
#include <benchmark/benchmark.h>

#include <string>

#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "link/ImageCodec.h"

namespace {

void FullConfiguration() {
    ResetSharedState();
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    RadioVersion = "V200";
    AlertEnable = -1;
    CurData.CHCount = 0;
    for (int16_t no = 1; no <= kMaxChannels; ++no) {
        UFreData c;
        c.CHNo = no;
        c.UsedFlag = 1;
        c.ScanSkip = static_cast<int16_t>(no % 3);
        std::string code = std::to_string(14000000 + no * 125);  // 140.00125 MHz on
        code.insert(code.begin(), '0');
        c.RxFre = code;
        c.OffsetFre = "000600000";
        c.CHName = "CH" + std::to_string(no);
        c.En_CTC_Type = 2;
        c.En_DCSCode = static_cast<int16_t>(no % 512);
        c.UserCTCSS = 1511;
        UFreList[CurData.CHCount++] = c;
    }
    for (int j = 0; j < kLimitChannels; ++j) {
        CurData.LimitCH[j] = UFreList[j];
        CurData.LimitCH[j].CHNo = static_cast<int16_t>(j + 1);
    }
    for (int i = 0; i < kCommuBookSize; ++i) {
        CurData.CommuBook[i].CallID = std::to_string(99999 - i * 13);
        CurData.CommuBook[i].Name = "NAME" + std::to_string(i);
    }
}

void BM_Encode(benchmark::State& state) {
    FullConfiguration();
    const RadioData data = CurData;
    for (auto _ : state) {
        // The book is sorted by the first write; start each from the same data.
        state.PauseTiming();
        CurData = data;
        state.ResumeTiming();
        InitCommData();
        WriteDataOK = true;
        SetCommData();
        benchmark::DoNotOptimize(CommData.data());
    }
    if (!WriteDataOK) state.SkipWithError("the encoder failed");
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMicrosecond);

void BM_Decode(benchmark::State& state) {
    FullConfiguration();
    InitCommData();
    WriteDataOK = true;
    SetCommData();
    for (auto _ : state) {
        GetDataByComm();
        benchmark::DoNotOptimize(CurData.CHCount);
    }
    if (CurData.CHCount != kMaxChannels) state.SkipWithError("channels lost");
}
BENCHMARK(BM_Decode)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
