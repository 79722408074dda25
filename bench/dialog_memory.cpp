// Resident memory of the program while a user opens and closes its dialogs:
// the program started as it starts (its data folder, the main window shown),
// then every dialog opened through the opener the main window uses, shown
// modally and closed by its own Cancel, Close or OK button, round after
// round. A dialog opened from another (the DTMF code composer, the five-tone
// special call and user standard) is opened by its button in that dialog;
// the session's dialogs (password, embedded information, progress) by the
// session's own openers. After each closing the main window is painted
// again, as a window system has it painted where the dialog lay.
//
//   BM_EveryDialogOpenedAndClosed   one round: every dialog once, in turn;
//                                   runs first, on the freshly shown window
//   BM_DialogOpenedAndClosed/<form> one round: that dialog once; runs after
//                                   the rounds of every dialog, so what it
//                                   adds is growth beyond a warm program.
//                                   For one dialog in a fresh process:
//                                   --benchmark_filter=/FrmCHEdit
// Reported:
//   rss_first_mb    resident memory after the first round
//   rss_last_mb     resident memory after the last round
//   rss_growth_mb   their difference
//   heap_growth_mb  the same for the bytes malloc has handed out and not had
//                   back: a leak grows both, memory the allocator keeps for
//                   reuse grows the resident figure only
//   widgets_growth  widgets alive after the last round beyond the first
//   prompts         message boxes raised (must be 0)
//
// Memory the allocator keeps for reuse shows with --trim, or with glibc's
// moving mmap threshold held still:
//   GLIBC_TUNABLES=glibc.malloc.mmap_threshold=131072
//
//   bench_dialog_memory [--rounds=N] [--trim] [--trace] [benchmark flags]
//     --rounds=N  rounds per benchmark (50)
//     --trim      malloc_trim(0) before each reading: what is left is what
//                 the program still holds
//     --trace     every round's readings on stderr
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "CountingPrompts.h"
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "app/ui/ProgramServices.h"
#include "app/ui/ShowMainWindow.h"
#include "link/SessionHooks.h"
#include "mainwindow/DialogLauncher.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ProgramFolder.h"
#include "platform/UserSettings.h"
#include "platform/ui/Controls.h"

namespace fs = std::filesystem;

namespace {

int g_rounds = 50;
QWidget* g_window = nullptr;
bool g_trim = false;
bool g_trace = false;

// One click of the user's: `button` of the modal dialog `form`.
struct Press {
    const char* form;
    const char* button;
};

// A dialog as a user opens it: how it is opened (the main window's opener or
// the session's), and the buttons pressed in turn until it is closed again.
struct DialogCase {
    const char* name;
    std::function<void()> open;
    std::vector<Press> presses;
};

std::function<void()> Opener(DialogId id) {
    return [id] { OpenDialog(id); };
}

// The progress dialog of a session closes when the session ends; here the
// session ends as soon as it has started.
void RunEmptyProgress() {
    std::unique_ptr<ProgressView> view = Hooks().makeProgress();
    view->RunModal([&view] { QTimer::singleShot(0, [&view] { view->Close(); }); });
}

std::vector<DialogCase> Dialogs() {
    return {
        {"FrmCHEdit", Opener(DialogId::CHEdit), {{"FrmCHEdit", "CommandCancel"}}},
        {"FrmCHBatch", Opener(DialogId::CHBatch), {{"FrmCHBatch", "CommandClose"}}},
        {"FrmOption", Opener(DialogId::Option), {{"FrmOption", "CommandCancel"}}},
        {"FrmCommuBook", Opener(DialogId::CommuBook), {{"FrmCommuBook", "CommandCancel"}}},
        {"FrmAlert", Opener(DialogId::Alert), {{"FrmAlert", "CommandCancel"}}},
        {"FrmScan", Opener(DialogId::Scan), {{"FrmScan", "CommandCancel"}}},
        {"FrmNote", Opener(DialogId::Note), {{"FrmNote", "CommandCancel"}}},
        {"FrmDTMF", Opener(DialogId::DTMF), {{"FrmDTMF", "CommandCancel"}}},
        {"FrmDTMFSpecial",
         Opener(DialogId::DTMF),
         {{"FrmDTMF", "CommandSpecial"}, {"FrmDTMFSpecial", "CommandCancel"}, {"FrmDTMF", "CommandCancel"}}},
        {"Frm2Tone", Opener(DialogId::Tone2), {{"Frm2Tone", "CommandCancel"}}},
        {"Frm5Tone", Opener(DialogId::Tone5), {{"Frm5Tone", "CommandCancel"}}},
        {"FrmSpecial",
         Opener(DialogId::Tone5),
         {{"Frm5Tone", "Command2"}, {"FrmSpecial", "CommandCancel"}, {"Frm5Tone", "CommandCancel"}}},
        {"Frm5ToneDefTS",
         Opener(DialogId::Tone5),
         {{"Frm5Tone", "Command4"}, {"Frm5ToneDefTS", "CommandCancel"}, {"Frm5Tone", "CommandCancel"}}},
        {"FrmModel", Opener(DialogId::Model), {{"FrmModel", "CommandCancel"}}},
        {"FrmComSet", Opener(DialogId::ComSet), {{"FrmComSet", "CommandCancel"}}},
        {"FrmLanguage", Opener(DialogId::Language), {{"FrmLanguage", "CommandCancel"}}},
        {"FrmPrintList", Opener(DialogId::PrintList), {{"FrmPrintList", "Command2"}}},
        {"FrmTestData", Opener(DialogId::TestData), {{"FrmTestData", "CommandCancel"}}},
        {"frmAbout", Opener(DialogId::About), {{"frmAbout", "cmdOK"}}},
        {"FrmPassWord", [] { Hooks().askPassWord(); }, {{"FrmPassWord", "CommandCancel"}}},
        {"FrmEMG", [] { Hooks().showEmbedInfo(); }, {{"FrmEMG", "CommandClose"}}},
        {"FrmProgress", &RunEmptyProgress, {}},
    };
}

// Presses the buttons of a case in turn as their dialogs come up. It polls
// from a timer of its own and clicks from a single shot, so that the click's
// nested event loop keeps the polling going.
class User : public QObject {
public:
    explicit User(const std::vector<Press>& presses) : presses_(presses) {
        connect(&poll_, &QTimer::timeout, this, [this] { Look(); });
        poll_.start(1);
        clock_.start();
    }
    bool Done() const { return next_ == presses_.size(); }
    std::string Failure() const { return failure_; }

private:
    void Look() {
        if (Done() || !failure_.empty()) return;
        const Press& press = presses_[next_];
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && platform::ControlName(modal) == press.form) {
            if (auto* button = platform::Control<QAbstractButton>(modal, press.button);
                button && button->isEnabled()) {
                ++next_;
                clock_.restart();
                QTimer::singleShot(0, button, &QAbstractButton::click);
                return;
            }
        }
        if (clock_.elapsed() > 5000) {
            failure_ = std::string("no usable ") + press.button + " on " + press.form + " (the dialog up: " +
                       (modal ? platform::ControlName(modal) : std::string("none")) + ")";
            // Unblock whatever is up, so that the benchmark can end.
            for (QWidget* up = QApplication::activeModalWidget(); up; up = QApplication::activeModalWidget()) {
                up->close();
                if (up == QApplication::activeModalWidget()) break;
            }
        }
    }

    std::vector<Press> presses_;
    std::size_t next_ = 0;
    QTimer poll_;
    QElapsedTimer clock_;
    std::string failure_;
};

// Every widget of the window, the insides of its grid and tree too (a
// repaint of the window alone passes over them).
void PaintAgain(QWidget* window) {
    window->update();
    for (QWidget* w : window->findChildren<QWidget*>()) w->update();
    QCoreApplication::processEvents();
}

// One opening and closing; an empty text when it went as a user's would.
std::string Round(const DialogCase& dialog) {
    User user(dialog.presses);
    dialog.open();
    // A window system has the main window painted again where the dialog
    // lay; the offscreen platform does not, so the round does.
    PaintAgain(g_window);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    if (!user.Failure().empty()) return std::string(dialog.name) + ": " + user.Failure();
    if (!user.Done()) return std::string(dialog.name) + ": closed before every button was pressed";
    if (QApplication::activeModalWidget())
        return std::string(dialog.name) + ": " + platform::ControlName(QApplication::activeModalWidget()) +
               " still up";
    return {};
}

struct Reading {
    double rssMb = 0;
    double heapMb = 0;
    int widgets = 0;
};

Reading Read() {
    if (g_trim) malloc_trim(0);
    Reading r;
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    r.rssMb = static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
    const struct mallinfo2 heap = mallinfo2();
    r.heapMb = static_cast<double>(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
    r.widgets = static_cast<int>(QApplication::allWidgets().size());
    return r;
}

// A dialog must not ask anything when it is cancelled.
CountingPrompts g_prompts;

void RunRounds(benchmark::State& state, const std::vector<DialogCase>& dialogs) {
    g_prompts.count = 0;
    Reading first, last;
    bool firstRead = false;
    int round = 0;
    for (auto _ : state) {
        for (const DialogCase& dialog : dialogs) {
            if (const std::string failure = Round(dialog); !failure.empty()) {
                state.SkipWithError(failure.c_str());
                return;
            }
        }
        state.PauseTiming();
        last = Read();
        if (g_trace)
            std::fprintf(stderr, "round %d: rss %.2f MB, heap %.2f MB, widgets %d\n",
                         ++round, last.rssMb, last.heapMb, last.widgets);
        if (!firstRead) {
            first = last;
            firstRead = true;
        }
        state.ResumeTiming();
    }
    state.counters["rss_first_mb"] = first.rssMb;
    state.counters["rss_last_mb"] = last.rssMb;
    state.counters["rss_growth_mb"] = last.rssMb - first.rssMb;
    state.counters["heap_growth_mb"] = last.heapMb - first.heapMb;
    state.counters["widgets_growth"] = last.widgets - first.widgets;
    state.counters["prompts"] = g_prompts.count;
    if (g_prompts.count > 0) state.SkipWithError(("a dialog asked: " + g_prompts.last).c_str());
}

// The built program's folder: the benchmark lives in <build>/bench.
fs::path BuildFolder() { return fs::path(platform::ExecutableFolder()).parent_path(); }

fs::path WorkFolder() { return fs::temp_directory_path() / ("kq314-dialog-memory-" + std::to_string(::getpid())); }

// The program folder as installed, and the program started over it.
frmMain* StartProgram() {
    const fs::path folder = WorkFolder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    for (const char* sub : {"language", "Init", "icons"}) {
        fs::copy(BuildFolder() / sub, folder / sub, fs::copy_options::recursive, ec);
        if (ec) {
            std::fprintf(stderr, "cannot copy %s: %s\n", (BuildFolder() / sub).c_str(), ec.message().c_str());
            return nullptr;
        }
    }
    platform::SetProgramFolder(folder.string());
    ResetProgramState();
    frmMain* window = nullptr;
    Main([&window] { window = ShowMainWindow(); });
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 200) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return window;
}

void ParseOwnFlags(int& argc, char** argv) {
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--rounds=", 0) == 0)
            g_rounds = std::max(1, std::atoi(arg.c_str() + 9));
        else if (arg == "--trim")
            g_trim = true;
        else if (arg == "--trace")
            g_trace = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ParseOwnFlags(argc, argv);
    int result = 0;
    {
        QApplication app(argc, argv);
        app.setQuitOnLastWindowClosed(false);
        ProgramServices services;
        platform::ScopedPromptService counting(g_prompts);
        platform::MemoryUserSettings settings;
        platform::ScopedUserSettings useSettings(settings);
        frmMain* window = StartProgram();
        g_window = window;
        if (!window) {
            result = 1;
        } else {
            static const std::vector<DialogCase> dialogs = Dialogs();
            benchmark::RegisterBenchmark("BM_EveryDialogOpenedAndClosed",
                                         [](benchmark::State& state) { RunRounds(state, dialogs); })
                ->Iterations(g_rounds)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
            for (const DialogCase& dialog : dialogs)
                benchmark::RegisterBenchmark((std::string("BM_DialogOpenedAndClosed/") + dialog.name).c_str(),
                                             [&dialog](benchmark::State& state) { RunRounds(state, {dialog}); })
                    ->Iterations(g_rounds)
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime();
            benchmark::Initialize(&argc, argv);
            benchmark::RunSpecifiedBenchmarks();
            benchmark::Shutdown();
            window->close();  // deletes itself
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    std::error_code ec;
    fs::remove_all(WorkFolder(), ec);
    return result;
}
