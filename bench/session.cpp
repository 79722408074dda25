// A full read and a full write through the real serial port against the
// simulated radio on a pseudo-terminal, paced at 9600 baud (real time: about
// a minute each; one iteration). The write sends every area its plan can
// leave out (all channel slots, limit channels, two-tone calls and five-tone
// codes in use), the read gets a radio that uses them all: both are the
// longest transfers there are. Each runs twice: with a windowless stand-in
// for the progress dialog, and through the real progress dialog on the
// offscreen platform (the rows with "Progress" in their names). Reported:
//   wire_ratio        session time / (bytes the PC received, echo included,
//                     x 10 bits / 9600 baud)
//   bytes_in, exchanges
//                     bytes the PC received; replies followed by a frame
//   turnaround_p50_us, turnaround_p99_us, turnaround_max_us
//                     receive event of an accepted reply to the next frame's
//                     write, per exchange
//   vs_windowless     (progress dialog rows) session time / the windowless
//                     run's of the same command in this run
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "WidgetBenchMain.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/MsgText.h"
#include "core/SavedCopy.h"
#include "core/SharedState.h"
#include "link/ImageAreas.h"
#include "link/Session.h"
#include "link/SimPty.h"
#include "link/ui/SessionDialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/QtSerialPort.h"
#include "platform/ReplyTimer.h"

namespace {

int64_t NowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// What the PC saw: bytes in, and when each receive event and write happened.
struct Timing {
    int64_t bytesIn = 0;
    int64_t lastEventUs = -1;
    std::vector<int64_t> turnaroundUs;
};
Timing timing;

class TimedPort : public platform::QtSerialPort {
public:
    // Timed once the frame is with the device.
    bool Write(std::span<const uint8_t> bytes) override {
        const bool ok = QtSerialPort::Write(bytes);
        if (timing.lastEventUs >= 0) timing.turnaroundUs.push_back(NowUs() - timing.lastEventUs);
        timing.lastEventUs = -1;
        return ok;
    }
};

// The progress dialog without a window: a nested event loop.
class LoopProgress : public ProgressView {
public:
    void RunModal(const std::function<void()>& load) override {
        QTimer::singleShot(0, [load] { load(); });
        if (!closed_) loop_.exec();
    }
    void SetProgressValue(int32_t) override {}
    bool IsVisible() const override { return !closed_; }
    void Close() override {
        closed_ = true;
        loop_.quit();
    }

private:
    QEventLoop loop_;
    bool closed_ = false;
};

class AnswerOk : public platform::PromptService {
public:
    platform::Answer Ask(const platform::Prompt& p) override {
        last = p.text;
        ++count;
        return p.buttons == platform::Buttons::RetryCancel ? platform::Answer::Cancel : platform::Answer::Ok;
    }
    std::string last;
    int count = 0;
};

void Prepare() {
    ResetSharedState();
    // The language files of the build.
    platform::SetProgramFolder(platform::ExecutableFolder() + "/..");
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    ScanEnable = 0;
    AlertEnable = -1;
    CurData.CHCount = 0;
    for (int16_t no = 1; no <= kMaxChannels; ++no) {
        UFreData ch;
        ch.CHNo = no;
        ch.UsedFlag = 1;
        ch.RxFre = "014512500";
        ch.OffsetFre = "000000000";
        ch.CHName = FixStr<7>::NulText();
        UFreList[CurData.CHCount++] = ch;
    }
    for (auto& ch : CurData.LimitCH) {
        ch.UsedFlag = 1;
        ch.RxFre = "043512500";
        ch.OffsetFre = "000000000";
        ch.CHName = "LIMIT";
    }
    auto& tone2 = CurData.FunSet.Tone2.Tone2List;
    for (int i = tone2.first(); i <= tone2.last(); ++i) {
        tone2[i].EmptyFlag = 0;
        tone2[i].Tone1.set(10000 + 100 * i);
        tone2[i].Name = "CALL" + std::to_string(i);
    }
    auto& tone5 = CurData.FunSet.Tone5.Tone5List;
    for (int i = tone5.first(); i <= tone5.last(); ++i) {
        tone5[i].EmptyFlag = 0;
        tone5[i].CodeLen = 5;
        tone5[i].TonePeriod = 70;
        tone5[i].Code = std::to_string(10000 + i * 7);
        tone5[i].Name = "CODE" + std::to_string(i);
    }
    SaveOldRadioData();
}

enum class Command { Read, Write };
enum class Dialog { Windowless, Progress };

// Session time of the windowless runs, for the progress dialog rows.
std::optional<double> windowlessUs[2];

void RunSession(benchmark::State& state, Command command, Dialog dialog) {
    const bool write = command == Command::Write;
    for (auto _ : state) {
        state.PauseTiming();
        Prepare();
        sim::SimRadioConfig config;
        // KQ_BENCH_UNPACED=1: no pacing (a quick check of the bench itself).
        config.paced = std::getenv("KQ_BENCH_UNPACED") == nullptr;
        sim::SimRadio radio(config);
        std::mt19937 rng(3);
        for (auto& b : radio.Mem()) b = static_cast<uint8_t>(rng());
        std::fill(radio.Mem().begin() + image_map::kFlagNibbles, radio.Mem().begin() + 0x0280, 0x00);
        std::fill(radio.Mem().begin() + image_map::kTone5Bitmap, radio.Mem().begin() + 0x03A0, 0x00);
        radio.SetReadPassword("");
        sim::SimPty pty;
        std::string error;
        if (!pty.Open(error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        std::atomic<bool> stop{false};
        std::thread server([&] { pty.Serve(radio, stop); });
        SessionHooks hooks;
        const std::string path = pty.DevicePath();
        hooks.makePort = [path] {
            auto p = std::make_unique<TimedPort>();
            p->SetDevicePathOverride(path);
            return p;
        };
        hooks.makeTimer = [] { return std::make_unique<platform::QtReplyTimer>(); };
        if (dialog == Dialog::Progress)
            AddSessionDialogs(hooks);
        else
            hooks.makeProgress = [] { return std::make_unique<LoopProgress>(); };
        std::optional<ScopedSessionHooks> installed(std::in_place, hooks);
        auto& port = SessionPort();
        port.OnComm([&port](platform::CommEvent e) {
            if (e == platform::CommEvent::Receive) {
                timing.bytesIn += static_cast<int64_t>(port.InBufferCount());
                timing.lastEventUs = NowUs();
            }
            OnCommEvent(static_cast<int>(e));
        });
        AnswerOk answers;
        std::optional<platform::ScopedPromptService> answering(std::in_place, answers);
        timing = Timing{};
        state.ResumeTiming();

        const int64_t start = NowUs();
        if (write) WriteToRadio();
        else ReadFromRadio();
        const int64_t elapsed = NowUs() - start;

        state.PauseTiming();
        answering.reset();
        stop = true;
        server.join();
        installed.reset();
        if (answers.last != GetLangText(write ? 2005 : 2004)) {
            const std::string why = "session failed after " + std::to_string(answers.count) + " prompts, " +
                                    std::to_string(elapsed / 1000) + " ms, " + std::to_string(timing.bytesIn) +
                                    " bytes in: \"" + answers.last + "\"";
            state.SkipWithError(why.c_str());
            break;
        }
        auto t = timing.turnaroundUs;
        std::sort(t.begin(), t.end());
        const double wireUs = static_cast<double>(timing.bytesIn) * 10.0 / 9600.0 * 1e6;
        state.counters["wire_ratio"] = static_cast<double>(elapsed) / wireUs;
        state.counters["bytes_in"] = static_cast<double>(timing.bytesIn);
        state.counters["exchanges"] = static_cast<double>(t.size());
        auto& windowless = windowlessUs[write ? 1 : 0];
        if (dialog == Dialog::Windowless)
            windowless = static_cast<double>(elapsed);
        else if (windowless)
            state.counters["vs_windowless"] = static_cast<double>(elapsed) / *windowless;
        if (!t.empty()) {
            state.counters["turnaround_p50_us"] = static_cast<double>(t[t.size() / 2]);
            state.counters["turnaround_p99_us"] = static_cast<double>(t[t.size() * 99 / 100]);
            state.counters["turnaround_max_us"] = static_cast<double>(t.back());
        }
        state.ResumeTiming();
    }
}

void BM_FullRead(benchmark::State& state) { RunSession(state, Command::Read, Dialog::Windowless); }
void BM_FullReadProgressDialog(benchmark::State& state) { RunSession(state, Command::Read, Dialog::Progress); }
void BM_FullWrite(benchmark::State& state) { RunSession(state, Command::Write, Dialog::Windowless); }
void BM_FullWriteProgressDialog(benchmark::State& state) { RunSession(state, Command::Write, Dialog::Progress); }

}  // namespace

BENCHMARK(BM_FullRead)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_FullReadProgressDialog)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_FullWrite)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_FullWriteProgressDialog)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }
