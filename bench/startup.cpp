// Start-up to the main window shown with the default files: the start-up
// procedure over a fresh copy of the built program's data folder, the main
// window created, loaded, shown and its first paint done. The QApplication
// exists before the clock starts, as the program creates it first thing.
// Reported:
//   peak_rss_mb   the peak resident memory of ONE start-up in a fresh process
//                 (this program run again with --once)
//   cold_ms       the time of that one start-up, the first window the
//                 process shows (fonts and styles are loaded then)
//   prompts       message boxes raised during start-up (must be 0)
//
//   bench_startup --once FOLDER   one start-up over FOLDER, then prints
//                                 "<microseconds> <peak RSS kB>" and exits
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "app/ProgramState.h"
#include "app/Startup.h"
#include "app/ui/ProgramServices.h"
#include "app/ui/ShowMainWindow.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"

namespace fs = std::filesystem;

namespace {

// Start-up must raise no message box; one would block a real start-up.
class CountingPrompts : public platform::PromptService {
public:
    platform::Answer Ask(const platform::Prompt& p) override {
        ++count;
        last = p.text;
        return p.buttons == platform::Buttons::YesNo || p.buttons == platform::Buttons::YesNoCancel
                   ? platform::Answer::No
                   : platform::Answer::Cancel;
    }
    int count = 0;
    std::string last;
};
CountingPrompts prompts;

// Sees the first paint of any widget of the main window.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            const auto* w = static_cast<QWidget*>(watched);
            if (qobject_cast<frmMain*>(w->window())) painted = true;
        }
        return false;
    }
};

// The built program's folder: the benchmark lives in <build>/bench.
fs::path BuildFolder() { return fs::path(platform::ExecutableFolder()).parent_path(); }

// A program folder as installed: the data the build places beside the program.
bool CopyProgramData(const fs::path& to, std::string& error) {
    std::error_code ec;
    fs::remove_all(to, ec);
    fs::create_directories(to, ec);
    for (const char* sub : {"language", "Init", "icons"}) {
        fs::copy(BuildFolder() / sub, to / sub, fs::copy_options::recursive, ec);
        if (ec) {
            error = "cannot copy " + (BuildFolder() / sub).string() + ": " + ec.message();
            return false;
        }
    }
    return true;
}

// One start-up: the procedure, the window shown and painted once. Returns the
// window, or nullptr when no paint came.
frmMain* StartUp() {
    frmMain* window = nullptr;
    FirstPaint paint;
    qApp->installEventFilter(&paint);
    Main([&window] { window = ShowMainWindow(); });
    QElapsedTimer limit;
    limit.start();
    while (!paint.painted && limit.elapsed() < 10'000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    qApp->removeEventFilter(&paint);
    return paint.painted ? window : nullptr;
}

void CloseWindow(frmMain* window) {
    if (window) window->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

long PeakRssKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// One start-up in a fresh process: this program again with --once.
bool RunOnce(const fs::path& folder, double& ms, double& rssMb, std::string& error) {
    const std::string command = "'" + (fs::path(platform::ExecutableFolder()) / "bench_startup").string() +
                                "' --once '" + folder.string() + "'";
    FILE* child = ::popen(command.c_str(), "r");
    if (!child) {
        error = "cannot run " + command;
        return false;
    }
    long us = -1, kb = -1;
    const int got = std::fscanf(child, "%ld %ld", &us, &kb);
    const int status = ::pclose(child);
    if (got != 2 || status != 0 || us < 0 || kb < 0) {
        error = "the single start-up failed (" + command + ")";
        return false;
    }
    ms = static_cast<double>(us) / 1000.0;
    rssMb = static_cast<double>(kb) / 1024.0;
    return true;
}

fs::path WorkFolder() { return fs::temp_directory_path() / ("kq314-startup-" + std::to_string(::getpid())); }

void BM_StartupToMainWindowShown(benchmark::State& state) {
    const fs::path work = WorkFolder();
    int round = 0;
    int promptsSeen = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ResetProgramState();
        // A new folder each time: nothing read before is remembered for it.
        const fs::path folder = work / std::to_string(++round);
        std::string error;
        if (!CopyProgramData(folder, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        platform::SetProgramFolder(folder.string());
        prompts.count = 0;
        state.ResumeTiming();

        frmMain* window = StartUp();

        state.PauseTiming();
        promptsSeen += prompts.count;
        CloseWindow(window);
        std::error_code ec;
        fs::remove_all(folder, ec);
        if (!window) {
            state.SkipWithError("the main window was never painted");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["prompts"] = promptsSeen;
    if (promptsSeen > 0) state.SkipWithError(("start-up raised a message box: " + prompts.last).c_str());

    double ms = 0, rssMb = 0;
    std::string error;
    const fs::path folder = work / "once";
    if (!CopyProgramData(folder, error) || !RunOnce(folder, ms, rssMb, error)) {
        state.SkipWithError(error.c_str());
    } else {
        state.counters["cold_ms"] = ms;
        state.counters["peak_rss_mb"] = rssMb;
    }
    std::error_code ec;
    fs::remove_all(work, ec);
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime();

int RunOnceMode(const char* folder) {
    ResetProgramState();
    platform::SetProgramFolder(folder);
    const auto start = std::chrono::steady_clock::now();
    frmMain* window = StartUp();
    const auto us =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
    const long kb = PeakRssKb();
    CloseWindow(window);
    if (!window || prompts.count > 0) return 1;
    std::printf("%ld %ld\n", static_cast<long>(us), kb);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The window keeps its place in the per-user settings: keep the user's own
    // settings out of reach.
    const fs::path config = WorkFolder().string() + "-config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    int result = 0;
    {
        QApplication app(argc, argv);
        app.setQuitOnLastWindowClosed(false);
        ProgramServices services;
        platform::ScopedPromptService counting(prompts);
        if (argc == 3 && std::string(argv[1]) == "--once") {
            result = RunOnceMode(argv[2]);
        } else {
            benchmark::Initialize(&argc, argv);
            benchmark::RunSpecifiedBenchmarks();
            benchmark::Shutdown();
        }
    }
    std::error_code ec;
    fs::remove_all(config, ec);
    return result;
}
