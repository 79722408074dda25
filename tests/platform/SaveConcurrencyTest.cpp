// One set of files saved, recovered and loaded by two processes at once, or
// by one after another died: at every step of a save or of a recovery, a
// load reads one whole set, a save never mixes with another or is undone
// after it, and nothing but the set a dead save names is ever locked out.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "FaultyFileSystem.h"
#include "FolderContents.h"
#include "TempDir.h"
#include "platform/FolderLocks.h"
#include "platform/SaveRecovery.h"
#include "platform/StagedFiles.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kBusy = "Another program is saving this file; try again when it is done";

// A set of three files in versions named by a letter; each version differs
// in every file, and in length.
struct SetOfFiles {
    std::string folder;
    std::array<std::string, 3> names{"a.fre", "a.ted", "a.dat"};

    FolderContents Version(char v) const {
        FolderContents out;
        for (std::size_t i = 0; i < names.size(); ++i)
            out[names[i]] = names[i] + " " + std::string(i + 1 + static_cast<std::size_t>(v - 'a'), v);
        return out;
    }
    std::vector<std::string> Paths() const {
        std::vector<std::string> out;
        for (const std::string& name : names) out.push_back(folder + "/" + name);
        return out;
    }
    // Saves version `v`: nothing when saved, else the problem's text.
    std::string Save(char v) const {
        platform::StagedFiles files;
        const FolderContents bytes = Version(v);
        bool saved = files.Reserve(Paths());
        for (const std::string& name : names) saved = saved && files.Stage(folder + "/" + name, Bytes(bytes.at(name)));
        saved = saved && files.Commit();
        return saved ? "" : files.Problem() ? files.Problem()->Text() : "not saved";
    }
    // What a load reads while it holds the set, or why it was refused.
    std::string Load() const {
        const auto read = platform::ReadSteadily(Paths(), [&] {
            std::string out;
            for (const std::string& name : names) out += name + "=" + ReadWithoutWaiting(folder + "/" + name) + "\n";
            return out;
        });
        if (const auto* refused = std::get_if<platform::FileProblem>(&read)) return "refused: " + refused->Text();
        return std::get<std::string>(read);
    }
    std::string Loaded(char v) const {
        std::string out;
        for (const auto& name : names) out += name + "=" + Version(v).at(name) + "\n";
        return out;
    }
    // The folder holds version `v` and nothing else.
    void Reset(char v) const {
        for (const auto& e : fs::directory_iterator(folder)) fs::remove(e.path());
        for (const auto& [name, bytes] : Version(v)) TempDirWrite(name, bytes);
    }
    void TempDirWrite(const std::string& name, const std::string& bytes) const {
        const int fd = ::open((folder + "/" + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ::close(fd);
    }
};

// Saves version 'n' over 'o', dying after step `n`; whether it got that far.
bool SaveDyingAfter(const SetOfFiles& set, int n, bool hardLinks = true) {
    FaultyFileSystem faults;
    if (!hardLinks) faults.NoHardLinks();
    faults.DieAfter(n);
    set.Save('n');
    return faults.steps > n;
}

// Saves version 'n' over 'o', dying just after the new a.fre went in;
// whether it got that far.
bool SaveDyingAfterItsFirstFileWentIn(const SetOfFiles& set) {
    int renamed = 0;
    {
        FaultyFileSystem counting;
        set.Save('n');
        for (const std::string& step : counting.log)
            if (step.find(": rename ") != std::string::npos && step.ends_with("-> " + set.folder + "/a.fre"))
                renamed = std::stoi(step);
    }
    set.Reset('o');
    return renamed > 0 && SaveDyingAfter(set, renamed);
}

TEST(SaveRecovery, ARecoveryCutShortAtAnyOfItsStepsIsFinishedByTheNextAndLocksNothingOut) {
    FaultyFileSystem quick;  // counts no kill and skips the syncs, which would only slow each step down
    TempDir dir;
    const SetOfFiles set{dir.path()};
    const SetOfFiles other{dir.path(), {"b.fre", "b.dat", "b.cb"}};
    for (bool hardLinks : {true, false})
        for (int n = 1;; ++n) {
            set.Reset('o');
            if (!SaveDyingAfter(set, n, hardLinks)) break;
            for (int m = 0;; ++m) {
                SCOPED_TRACE("save killed after step " + std::to_string(n) + ", its recovery after step " +
                             std::to_string(m) + (hardLinks ? "" : ", without hard links"));
                set.Reset('o');
                SaveDyingAfter(set, n, hardLinks);
                int steps = 0;
                {
                    FaultyFileSystem faults;
                    if (!hardLinks) faults.NoHardLinks();
                    faults.DieAfter(m);
                    set.Load();  // the load's recovery is cut short
                    steps = faults.steps;
                }
                const std::string loaded = set.Load();
                EXPECT_TRUE(loaded == set.Loaded('o') || loaded == set.Loaded('n')) << loaded;
                EXPECT_TRUE(NoTemporaryFiles(dir));
                // Every other file of the folder still saves.
                EXPECT_EQ(other.Save('b'), "");
                for (const auto& name : other.names) fs::remove(dir.file(name));
                if (steps <= m) break;
            }
        }
}

TEST(SaveRecovery, TwoLoadsAfterACrashReadTheSameWholeSet) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    // Each load's steps are slow, so one comes by while the other recovers.
    const auto load = [&](int, ChildProcess::Parent&) {
        FaultyFileSystem slow;
        slow.beforeStep = [](int) { std::this_thread::sleep_for(1ms); };
        return set.Load();
    };
    ChildProcess first(load), second(load);
    for (int n = 1;; ++n) {
        SCOPED_TRACE("save killed after step " + std::to_string(n));
        set.Reset('o');
        if (!SaveDyingAfter(set, n)) break;
        first.Start(0);
        second.Start(0);
        const std::string a = first.Receive(), b = second.Receive();
        EXPECT_TRUE(a == set.Loaded('o') || a == set.Loaded('n')) << a;
        EXPECT_EQ(a, b);
        EXPECT_TRUE(NoTemporaryFiles(dir));
    }
}

TEST(SaveRecovery, ASecondSaveWaitsForOneUnderWayOrGivesUpAndNeverMixesWithIt) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    const auto saveB = [&](int patienceMs, ChildProcess::Parent&) {
        platform::ScopedLockPatience patience{std::chrono::milliseconds(patienceMs)};
        return set.Save('b');
    };
    ChildProcess impatient(saveB), patient(saveB);
    for (bool firstDies : {false, true})
        for (int n = 1;; ++n) {
            SCOPED_TRACE("the first save held before step " + std::to_string(n) + (firstDies ? ", then killed" : ""));
            set.Reset('o');
            bool reached = false;
            {
                FaultyFileSystem faults;
                if (firstDies) faults.DieAfter(n - 1);
                faults.beforeStep = [&](int step) {
                    if (step != n) return;
                    reached = true;
                    const FolderContents before = Contents(dir);
                    EXPECT_EQ(impatient.Run(0), dir.file("a.fre") + ": " + kBusy);
                    EXPECT_EQ(Contents(dir), before);
                    patient.Start(10'000);
                    std::this_thread::sleep_for(20ms);  // it is waiting now
                };
                set.Save('a');
            }
            if (!reached) break;
            // The second save went in after the first one, whole or dead.
            EXPECT_EQ(patient.Receive(), "");
            EXPECT_EQ(Contents(dir), set.Version('b'));
            EXPECT_EQ(set.Load(), set.Loaded('b'));
        }
}

TEST(SaveRecovery, ASaveWaitsWhileAnotherProcessRecoversADeadSaveAndIsNotUndoneByIt) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    // Recovers, stopping before its first step until it is told to go on.
    ChildProcess recovery([&](int, ChildProcess::Parent& parent) {
        FaultyFileSystem faults;
        faults.beforeStep = [&](int step) {
            if (step != 1) return;
            parent.Send("recovering");
            parent.Receive();
        };
        const auto problem = platform::RecoverInterruptedSaves(set.folder);
        return problem ? problem->Text() : "";
    });
    ChildProcess saver([&](int, ChildProcess::Parent&) { return set.Save('b'); });
    for (int n = 1;; ++n) {
        SCOPED_TRACE("save killed after step " + std::to_string(n));
        set.Reset('o');
        if (!SaveDyingAfter(set, n)) break;
        recovery.Start(0);
        std::string recovered = recovery.Receive();
        saver.Start(0);
        if (recovered == "recovering") {
            std::this_thread::sleep_for(20ms);  // the save is waiting now
            recovery.Send("go");
            recovered = recovery.Receive();
        }
        EXPECT_EQ(recovered, "");
        EXPECT_EQ(saver.Receive(), "");
        EXPECT_EQ(Contents(dir), set.Version('b'));
        EXPECT_EQ(set.Load(), set.Loaded('b'));
    }
}

TEST(SaveRecovery, LoadsWhileAnotherProcessSavesReadOneWholeSet) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    set.Reset('a');
    // Slow saves one after another until the test has loaded enough, so that
    // many loads come while one is half-way.
    ChildProcess saver([&](int, ChildProcess::Parent& parent) {
        FaultyFileSystem slow;
        slow.beforeStep = [](int) { std::this_thread::sleep_for(200us); };
        parent.Send("saving");
        for (int i = 0; !parent.Pending(); ++i) {
            if (std::string problem = set.Save(i % 2 ? 'a' : 'b'); !problem.empty()) return problem;
            std::this_thread::sleep_for(1ms);
        }
        return std::string();
    });
    saver.Start(0);
    ASSERT_EQ(saver.Receive(), "saving");
    int loads = 0, mixed = 0;
    for (const auto end = std::chrono::steady_clock::now() + 300ms; std::chrono::steady_clock::now() < end; ++loads) {
        const std::string loaded = set.Load();
        if (loaded != set.Loaded('a') && loaded != set.Loaded('b') && mixed++ == 0) ADD_FAILURE() << loaded;
    }
    saver.Send("enough");
    EXPECT_EQ(saver.Receive(), "");
    EXPECT_EQ(mixed, 0) << "of " << loads << " loads";
}

TEST(SaveRecovery, AJournalThatCannotBeOpenedRefusesTheLoadAndTheSave) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    set.Reset('o');
    // Killed half-way through putting the new files in place.
    ASSERT_TRUE(SaveDyingAfterItsFirstFileWentIn(set));
    const FolderContents halfSaved = Contents(dir);
    {
        // As to another user, when its owner made it private.
        FaultyFileSystem faults;
        faults.Unopenable(".jnl");
        const std::string loaded = set.Load();
        EXPECT_EQ(loaded.substr(0, 9), "refused: ");
        EXPECT_NE(loaded.find("its record cannot be read: Permission denied"), std::string::npos) << loaded;
        EXPECT_NE(set.Save('b').find("Permission denied"), std::string::npos);
    }
    EXPECT_EQ(Contents(dir), halfSaved);
    EXPECT_EQ(set.Load(), set.Loaded('o'));
}

TEST(SaveRecovery, ASaveThatCannotBeFinishedLocksOutOnlyTheFilesItNames) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    set.Reset('o');
    ASSERT_TRUE(SaveDyingAfterItsFirstFileWentIn(set));
    // The old files' second names are lost, as to someone who cleared the
    // folder of hidden files.
    std::string journal;
    for (const auto& [name, bytes] : Contents(dir)) {
        if (name.ends_with(".bak")) fs::remove(dir.file(name));
        if (name.ends_with(".jnl")) journal = name;
    }
    const FolderContents mixed = Contents(dir);
    const std::string why = ": An interrupted save of a.fre, a.ted, a.dat could not be finished (its old contents "
                            "are missing); " + journal + " keeps its record";
    EXPECT_EQ(set.Load(), "refused: " + dir.file("a.fre") + why);
    EXPECT_EQ(set.Save('b'), dir.file("a.fre") + why);
    EXPECT_EQ(Contents(dir), mixed);

    const SetOfFiles other{dir.path(), {"b.fre", "b.ted", "b.dat"}};
    EXPECT_EQ(other.Save('b'), "");
    EXPECT_EQ(other.Load(), other.Loaded('b'));
    EXPECT_FALSE(platform::WriteFileHead(dir.file("c.cb"), Bytes("book")));
}

}  // namespace
