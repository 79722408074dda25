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
#include "SavedSet.h"
#include "FaultyFileSystem.h"
#include "FolderContents.h"
#include "TempDir.h"
#include "platform/save/FolderLocks.h"
#include "platform/save/SaveRecovery.h"
#include "platform/save/StagedFiles.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kBusy = "Another program is saving this file; try again when it is done";

// Saves version `v`, telling the test once it waits for another program.
std::string SaveSayingWhenItWaits(const SetOfFiles& set, char v, ChildProcess::Parent& parent) {
    FaultyFileSystem watched;
    bool said = false;
    watched.onPause = [&] {
        if (!said) parent.Send("waiting");
        said = true;
    };
    return set.Save(v);
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
    const auto saveB = [&](int patienceMs, ChildProcess::Parent& parent) {
        platform::ScopedLockPatience patience{std::chrono::milliseconds(patienceMs)};
        return SaveSayingWhenItWaits(set, 'b', parent);
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
                    EXPECT_EQ(patient.Receive(), "waiting");
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
    ChildProcess saver([&](int, ChildProcess::Parent& parent) { return SaveSayingWhenItWaits(set, 'b', parent); });
    for (int n = 1;; ++n) {
        SCOPED_TRACE("save killed after step " + std::to_string(n));
        set.Reset('o');
        if (!SaveDyingAfter(set, n)) break;
        recovery.Start(0);
        std::string recovered = recovery.Receive();
        saver.Start(0);
        if (recovered == "recovering") {
            EXPECT_EQ(saver.Receive(), "waiting");
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
