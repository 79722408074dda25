// Start-up as the user waits for it: from starting the program's process to
// the end of its main window's first paint, the program told by the
// environment variable KQ314_MARK_FIRST_PAINT to say when that is. Beside it,
// the same way, a minimal Qt window (menu bar, tree, empty table; built
// beside this benchmark), so that what Qt itself costs on this machine can be
// told from what the program adds. The two alternate, run after run.
//
// Both run on the offscreen platform unless QT_QPA_PLATFORM names another
// (for example QT_QPA_PLATFORM=xcb with DISPLAY set); the label says which.
// The program runs from a folder laid out as installed, with its own
// per-user settings folder, and is ended once it has painted.
//
// Reported (medians over the runs):
//   kq314_ms       the program, process start to first paint finished
//   minimal_qt_ms  the minimal Qt window, the same
//   own_ms         kq314_ms - minimal_qt_ms: the program's own share
//   *_cpu_ms       the same in processor time (user and system) of the
//                  process: less at the mercy of other work on a busy machine
//   peak_rss_mb    the program's peak resident memory, up to its first paint
// The label also gives the system load (one-minute average) at the start.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/ProgramFolder.h"

extern char** environ;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 11;
constexpr auto kPaintLimit = std::chrono::seconds(20);

// The build folder: this benchmark lives in <build>/bench.
fs::path BenchFolder() { return fs::path(platform::ExecutableFolder()); }
fs::path BuildFolder() { return BenchFolder().parent_path(); }

fs::path WorkFolder() { return fs::temp_directory_path() / ("kq314-startup-" + std::to_string(::getpid())); }

// The program as installed: the executable and the data the build places
// beside it. A hard link where the file system allows, so that the program
// file is the one the system already has in memory, as it is for a user.
bool InstallProgram(const fs::path& to, std::string& error) {
    std::error_code ec;
    fs::remove_all(to, ec);
    fs::create_directories(to, ec);
    fs::create_hard_link(BuildFolder() / "kq314", to / "kq314", ec);
    if (ec) fs::copy_file(BuildFolder() / "kq314", to / "kq314", ec);
    if (ec) {
        error = "cannot install " + (BuildFolder() / "kq314").string() + ": " + ec.message();
        return false;
    }
    for (const char* sub : {"language", "Init", "icons"}) {
        fs::copy(BuildFolder() / sub, to / sub, fs::copy_options::recursive, ec);
        if (ec) {
            error = "cannot copy " + (BuildFolder() / sub).string() + ": " + ec.message();
            return false;
        }
    }
    return true;
}

struct Run {
    double ms = 0;
    double cpuMs = 0;
    double peakRssMb = 0;
};

double Ms(const timeval& t) { return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0; }

// The environment of a child: ours, with the platform, the paint marker and
// a settings folder of its own.
std::vector<std::string> ChildEnvironment(const fs::path& config) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        if (entry.starts_with("XDG_CONFIG_HOME=") || entry.starts_with("KQ314_MARK_FIRST_PAINT=")) continue;
        env.emplace_back(entry);
    }
    env.push_back("XDG_CONFIG_HOME=" + config.string());
    env.push_back("KQ314_MARK_FIRST_PAINT=1");
    return env;
}

// Starts `program`, waits for its first-paint line and ends it. The time
// runs from just before the process is created to the line's arrival.
bool TimeOneStart(const fs::path& program, const fs::path& config, Run& run, std::string& error) {
    std::error_code ec;
    fs::remove_all(config, ec);
    fs::create_directories(config, ec);
    std::vector<std::string> env = ChildEnvironment(config);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program.string();
    char* argv[] = {path.data(), nullptr};

    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        error = "cannot start " + path + ": " + std::strerror(spawned);
        return false;
    }

    std::string seen;
    bool painted = false;
    while (!painted) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(start + kPaintLimit - Clock::now());
        if (left.count() <= 0) break;
        pollfd p{out[0], POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
        char buffer[256];
        const ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;  // the child ended without painting
        seen.append(buffer, static_cast<std::size_t>(n));
        painted = seen.find("first paint\n") != std::string::npos;
    }
    const Clock::time_point end = Clock::now();

    ::kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    ::close(out[0]);
    if (!painted) {
        error = path + " did not report a first paint within " + std::to_string(kPaintLimit.count()) + " s";
        return false;
    }
    run.ms = std::chrono::duration<double, std::milli>(end - start).count();
    run.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
    run.peakRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return true;
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t mid = v.size() / 2;
    return v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one;
    in >> one;
    return one.empty() ? "?" : one;
}

void BM_StartupProcessToFirstPaint(benchmark::State& state) {
    const fs::path work = WorkFolder();
    const fs::path folder = work / "program";
    const fs::path config = work / "config";
    const fs::path program = folder / "kq314";
    const fs::path minimal = BenchFolder() / "bench_startup_minimal_window";
    const char* platformName = std::getenv("QT_QPA_PLATFORM");
    state.SetLabel(std::string("platform ") + (platformName ? platformName : "?") + ", load " + LoadAverage());

    std::string error;
    if (!InstallProgram(folder, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    // The language texts of a file changed in the last two seconds are read
    // afresh at every look-up; an installed program's files are older.
    const Clock::time_point installed = Clock::now();
    // One start of each first, uncounted: the first start of a binary
    // also pays for loading it from disc.
    Run warm;
    if (!TimeOneStart(program, config, warm, error) || !TimeOneStart(minimal, config, warm, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::this_thread::sleep_until(installed + std::chrono::milliseconds(2100));

    std::vector<double> programMs, minimalMs, programCpuMs, minimalCpuMs, rssMb;
    bool programFirst = true;
    for (auto _ : state) {
        Run p, m;
        const bool ok = programFirst
                            ? TimeOneStart(program, config, p, error) && TimeOneStart(minimal, config, m, error)
                            : TimeOneStart(minimal, config, m, error) && TimeOneStart(program, config, p, error);
        if (!ok) {
            state.SkipWithError(error.c_str());
            break;
        }
        programFirst = !programFirst;
        state.SetIterationTime(p.ms / 1000.0);
        programMs.push_back(p.ms);
        minimalMs.push_back(m.ms);
        programCpuMs.push_back(p.cpuMs);
        minimalCpuMs.push_back(m.cpuMs);
        rssMb.push_back(p.peakRssMb);
    }
    std::error_code ec;
    fs::remove_all(work, ec);
    const double programMedian = Median(programMs);
    const double minimalMedian = Median(minimalMs);
    state.counters["kq314_ms"] = programMedian;
    state.counters["minimal_qt_ms"] = minimalMedian;
    state.counters["own_ms"] = programMedian - minimalMedian;
    const double programCpu = Median(programCpuMs);
    const double minimalCpu = Median(minimalCpuMs);
    state.counters["kq314_cpu_ms"] = programCpu;
    state.counters["minimal_qt_cpu_ms"] = minimalCpu;
    state.counters["own_cpu_ms"] = programCpu - minimalCpu;
    state.counters["peak_rss_mb"] = Median(rssMb);
}
BENCHMARK(BM_StartupProcessToFirstPaint)->Iterations(kRuns)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The children inherit the platform; offscreen unless one was chosen.
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
