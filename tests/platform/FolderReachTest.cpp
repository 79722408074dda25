// Saves, loads and their recoveries in every kind of folder: one that may be
// entered but not listed, one on a file system without locks, one reached
// under two names, one the reader may not write. A load never reads a set
// half-saved, a save never mixes with another or is undone later, and a set
// left whole is not locked out.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "FaultyFileSystem.h"
#include "FolderContents.h"
#include "SavedSet.h"
#include "TempDir.h"
#include "platform/save/FolderLocks.h"
#include "platform/save/SaveRecovery.h"
#include "platform/save/StagedFiles.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kBusy = "Another program is saving this file; try again when it is done";

// The journal a save left in the folder, by name; "" when there is none.
std::string JournalIn(const std::string& folder) {
    for (const auto& [name, bytes] : Contents(folder))
        if (name.ends_with(".jnl") || name.ends_with(".jok")) return name;
    return "";
}

// A load in a folder it may enter but neither list nor hold, as another
// user's program meets a folder of mode 0711: whatever state a save of the
// set is in, it reads one whole set, or is refused with the reason.
TEST(FolderReach, ALoadThatCannotListItsFolderNeverReadsASetHalfSaved) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    // A save stopped between its renames: the load waits, then gives up.
    const int second = RenameStep(set, "-> " + dir.file("a.ted"));
    ASSERT_GT(second, 0);
    std::string during;
    {
        FaultyFileSystem saving;
        saving.beforeStep = [&](int step) {
            if (step != second) return;
            FaultyFileSystem seam;
            seam.Unlistable(dir.path());
            platform::ScopedLockPatience impatient{0ms};
            during = set.Load();
        };
        EXPECT_EQ(set.Save('n'), "");
    }
    EXPECT_EQ(during, "refused: " + dir.file("a.fre") + ": " + kBusy);

    // A save cut short between its renames: this user's program finishes
    // it; another user's is refused with the journal named.
    set.Reset('o');
    ASSERT_TRUE(SaveDyingAfterItsFirstFileWentIn(set));
    const std::string journal = JournalIn(dir.path());
    {
        FaultyFileSystem seam;
        seam.Unlistable(dir.path());
        seam.ForeignOwner(".jnl");
        EXPECT_EQ(set.Load(), "refused: " + dir.file(journal) +
                                  ": Another user's save of a.fre, a.ted, a.dat was cut short; only that user's "
                                  "program can finish it");
        seam.Heal();
        seam.Unlistable(dir.path());
        EXPECT_EQ(set.Load(), set.Loaded('o'));
    }
    EXPECT_TRUE(NoTemporaryFiles(dir));
}

// A load that cannot hold its folder reads the set again when a save
// changed it while it was read.
TEST(FolderReach, ALoadThatCannotHoldItsFolderReadsAgainWhatASaveChangedMeanwhile) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    set.Reset('o');
    FaultyFileSystem seam;
    seam.Unlistable(dir.path());
    int reads = 0;
    const auto read = platform::ReadSteadily(set.Paths(), [&] {
        std::string out;
        for (const std::string& name : set.names) {
            out += name + "=" + ReadWithoutWaiting(set.folder + "/" + name) + "\n";
            if (++reads == 1) EXPECT_EQ(set.Save('n'), "") << "a whole save after the first file was read";
        }
        return out;
    });
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), set.Loaded('n'));
    EXPECT_EQ(reads, 6);
}

// A save in a folder it may write but not list finishes a save of its files
// cut short before it saves (a later load would otherwise undo it), and two
// such saves of one set never mix.
TEST(FolderReach, ASaveThatCannotListItsFolderFinishesACutShortSaveAndKeepsApartFromAnother) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    set.Reset('o');
    ASSERT_TRUE(SaveDyingAfterItsFirstFileWentIn(set));
    {
        FaultyFileSystem seam;
        seam.Unlistable(dir.path());
        EXPECT_EQ(set.Save('b'), "");
    }
    EXPECT_EQ(set.Load(), set.Loaded('b'));
    EXPECT_TRUE(NoTemporaryFiles(dir));

    set.Reset('o');
    const int second = RenameStep(set, "-> " + dir.file("a.ted"));
    std::string other;
    FolderContents during;
    {
        FaultyFileSystem seam;
        seam.Unlistable(dir.path());
        bool stopped = false;
        seam.beforeStep = [&](int step) {
            if (step != second || stopped) return;
            stopped = true;
            platform::ScopedLockPatience impatient{0ms};
            during = Contents(dir);
            other = set.Save('b');
            EXPECT_EQ(Contents(dir), during) << "the second save changed nothing";
        };
        EXPECT_EQ(set.Save('n'), "");
    }
    EXPECT_EQ(other, dir.file("a.fre") + ": " + kBusy);
    EXPECT_EQ(set.Load(), set.Loaded('n'));
}

// The same as another user who may enter the folder (mode 0711) but not
// list or write it, while the folder's owner saves: the system's own
// permissions, not a stand-in.
TEST(FolderReach, AnotherUserReadingAFolderItMayNotListSeesNoHalfSavedSet) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs the superuser, to be another user";
    TempDir dir;
    const SetOfFiles set{dir.file("set")};
    fs::create_directory(set.folder);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0711), 0);
    ASSERT_EQ(::chmod(set.folder.c_str(), 0711), 0);
    ChildProcess nobody([&](int, ChildProcess::Parent&) -> std::string {
        static const bool becameNobody = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        if (!becameNobody) return "still the superuser";
        platform::ScopedLockPatience impatient{0ms};
        return set.Load();
    });
    const int second = RenameStep(set, "-> " + set.folder + "/a.ted");
    std::string during;
    {
        FaultyFileSystem saving;
        saving.beforeStep = [&](int step) {
            if (step == second) during = nobody.Run(0);
        };
        EXPECT_EQ(set.Save('n'), "");
    }
    EXPECT_EQ(during, "refused: " + set.folder + "/a.fre: " + kBusy);
    EXPECT_EQ(nobody.Run(0), set.Loaded('n'));

    set.Reset('o');
    ASSERT_TRUE(SaveDyingAfterItsFirstFileWentIn(set));
    const FolderContents halfSaved = Contents(set.folder);
    EXPECT_EQ(nobody.Run(0), "refused: " + set.folder + "/" + JournalIn(set.folder) +
                                 ": Another user's save of a.fre, a.ted, a.dat was cut short; only that user's "
                                 "program can finish it");
    EXPECT_EQ(Contents(set.folder), halfSaved);

    // Cut short before it changed any file: the old set stands whole, and
    // is read though the reader cannot clear the save's traces away.
    set.Reset('o');
    ASSERT_TRUE(SaveDyingBeforeItsRenames(set));
    const FolderContents whole = Contents(set.folder);
    EXPECT_EQ(nobody.Run(0), set.Loaded('o'));
    EXPECT_EQ(Contents(set.folder), whole);

    // A folder that may not even be entered hides no marker: the files'
    // own reads say what is wrong.
    ASSERT_EQ(::chmod(set.folder.c_str(), 0700), 0);
    EXPECT_EQ(nobody.Run(0), "a.fre=\na.ted=\na.dat=\n");
}

// A reader who may not change the folder (no write permission, a read-only
// mount) reads a set a dead save left whole, old or, once committed, new,
// and leaves the traces for a writer; only a set that needs restoring is
// refused.
TEST(FolderReach, AReaderWhoCannotWriteTheFolderReadsASetLeftWhole) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    struct Case {
        const char* what;
        std::function<bool()> dieIn;
        std::string reads;
    };
    const Case cases[] = {
        {"before its renames", [&] { return SaveDyingBeforeItsRenames(set); }, set.Loaded('o')},
        {"between its renames", [&] { return SaveDyingAfterItsFirstFileWentIn(set); },
         "refused: " + dir.file("a.fre") + ": An interrupted save of a.fre, a.ted, a.dat could not be finished "
                                           "(Read-only file system); "},
        {"once committed", [&] { return SaveDyingAfter(set, RenameStep(set, ".jok")); }, set.Loaded('n')},
    };
    for (const Case& c : cases) {
        set.Reset('o');
        ASSERT_TRUE(c.dieIn()) << c.what;
        const FolderContents left = Contents(dir);
        std::string loaded;
        {
            FaultyFileSystem faults;
            faults.ReadOnlyFolder(dir.path());
            loaded = set.Load();
        }
        if (c.reads.starts_with("refused"))
            EXPECT_EQ(loaded.substr(0, c.reads.size()), c.reads) << c.what;
        else
            EXPECT_EQ(loaded, c.reads) << c.what;
        EXPECT_EQ(Contents(dir), left) << c.what;
        // A writer clears it all away.
        const std::string cleared = set.Load();
        EXPECT_TRUE(cleared == set.Loaded('o') || cleared == set.Loaded('n')) << c.what;
        EXPECT_TRUE(NoTemporaryFiles(dir)) << c.what;
    }
}

// Where the file system keeps no locks, a save killed at any step is
// finished by the next load as anywhere else: the set loads whole, the next
// save goes through and no journal stays.
TEST(FolderReach, WhereTheFileSystemKeepsNoLocksASaveKilledAtAnyStepLocksNothingOut) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    const std::function<void(FaultyFileSystem&)> noLocks = [](FaultyFileSystem& faults) { faults.NoLocks(); };
    for (int n = 1;; ++n) {
        SCOPED_TRACE("save killed after step " + std::to_string(n));
        set.Reset('o');
        if (!SaveDyingAfter(set, n, noLocks)) break;
        FaultyFileSystem faults;
        faults.NoLocks();
        const std::string loaded = set.Load();
        EXPECT_TRUE(loaded == set.Loaded('o') || loaded == set.Loaded('n')) << loaded;
        EXPECT_EQ(set.Save('b'), "");
        EXPECT_EQ(JournalIn(dir.path()), "");
        EXPECT_EQ(set.Load(), set.Loaded('b'));
    }
}

// One folder reached under two names (a bind mount), with two sets whose
// files are linked crosswise: both saves take the folders in one order, so
// neither can hold one while the other holds the second.
TEST(FolderReach, FoldersAreTakenInOneOrderWhateverNameReachesThem) {
    TempDir dir;
    for (const char* folder : {"p", "z", "q"}) fs::create_directory(dir.file(folder));
    ChildProcess mounted([&](int, ChildProcess::Parent&) -> std::string {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(dir.file("p").c_str(), dir.file("z").c_str(), nullptr, MS_BIND, nullptr) != 0)
            return "no mounts here";
        std::map<std::pair<dev_t, ino_t>, char> letters;
        struct stat st {};
        for (const auto& [name, letter] : {std::pair{"p", 'P'}, std::pair{"q", 'Q'}})
            if (::stat(dir.file(name).c_str(), &st) == 0) letters[{st.st_dev, st.st_ino}] = letter;
        // The folders each save holds, in the order it took them.
        const auto order = [&](const std::vector<std::string>& files) {
            FaultyFileSystem watching;
            platform::StagedFiles save;
            bool saved = save.Reserve(files);
            for (const std::string& f : files) saved = saved && save.Stage(f, Bytes("new"));
            saved = saved && save.Commit();
            std::string taken = saved ? "" : "not saved: ";
            for (const std::string& path : watching.locked)
                if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && letters.contains({st.st_dev, st.st_ino}))
                    taken += letters[{st.st_dev, st.st_ino}];
            return taken;
        };
        return order({dir.file("p/x.dat"), dir.file("q/x.fre")}) + " " +
               order({dir.file("q/y.dat"), dir.file("z/y.fre")});
    });
    const std::string taken = mounted.Run(0);
    if (taken == "no mounts here") GTEST_SKIP() << "this system lets no test mount a folder";
    const auto space = taken.find(' ');
    ASSERT_NE(space, std::string::npos) << taken;
    EXPECT_EQ(taken.substr(0, space), taken.substr(space + 1));
    EXPECT_EQ(taken.size(), 5u) << taken;
}

}  // namespace
