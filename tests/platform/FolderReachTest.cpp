// Saves, loads and their recoveries in every kind of folder: one that may be
// entered but not listed, one on a file system without locks, one reached
// under two names, one the reader may not write, one shared by several users.
// A load never reads a set half-saved, a save never mixes with another or is
// undone later, and a set left whole is not locked out.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
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
#include "platform/save/SaveTraces.h"
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

// Makes the process (a ChildProcess's: the test's own stays the superuser)
// user 65534, nobody; whether it worked.
bool BecomeNobody() {
    static const bool became = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
    return became;
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
    const FolderContents halfSaved = Contents(dir);
    {
        FaultyFileSystem seam;
        seam.Unlistable(dir.path());
        seam.ForeignOwner(".jnl");
        EXPECT_EQ(set.Load(), "refused: " + dir.file(journal) +
                                  ": Another user's save of a.fre, a.ted, a.dat was cut short; only that user's "
                                  "program can finish it");
        // The markers are all that lead to the journal here: one that is
        // there but cannot be opened may hide it, and is no marker missing.
        seam.Heal();
        seam.Unlistable(dir.path());
        seam.Unopenable(".mrk");
        {
            platform::ScopedLockPatience impatient{0ms};
            EXPECT_EQ(set.Load(),
                      "refused: " + platform::traces::MarkerOf(dir.file("a.fre")) + ": Permission denied");
        }
        EXPECT_EQ(Contents(dir), halfSaved);
        seam.Heal();
        seam.Unlistable(dir.path());
        EXPECT_EQ(set.Load(), set.Loaded('o'));
    }
    EXPECT_TRUE(NoTemporaryFiles(dir));
}

// A load that cannot hold its folder reads the set again when a save
// changed it while it was read, until its patience is over.
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

    // Saves that change the set during every read: the load gives up with
    // the file the user asked for named. One that never gave up would read
    // on for good; the saves stop after a hundred reads so that it ends.
    platform::ScopedLockPatience impatient{0ms};
    int saves = 0;
    const auto gaveUp = platform::ReadSteadily(set.Paths(), [&] {
        if (saves < 100) EXPECT_EQ(set.Save(saves++ % 2 ? 'n' : 'o'), "");
        return saves;
    });
    ASSERT_TRUE(std::holds_alternative<platform::FileProblem>(gaveUp)) << "read after " << saves << " saves";
    EXPECT_EQ(std::get<platform::FileProblem>(gaveUp).Text(), dir.file("a.fre") + ": " + kBusy);
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

// A load that finishes a save cut short, itself killed at any of its steps,
// in a folder it may neither list nor hold: only the markers lead to the
// journal there, so they must stay until the journal is gone, or the set
// stays mixed with nothing to tell. Once later saves replaced the files a
// journal names, it locks nothing out when the folder is listed again.
TEST(FolderReach, ALoadCutShortWhereTheFolderCannotBeListedLeavesTheSaveFindable) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    const std::function<void(FaultyFileSystem&)> unlistable = [&](FaultyFileSystem& seam) {
        seam.Unlistable(dir.path());
    };
    for (int m = 0;; ++m) {
        SCOPED_TRACE("the load killed after step " + std::to_string(m));
        set.Reset('o');
        ASSERT_TRUE(SaveDyingAfterItsFirstFileWentIn(set, unlistable));
        int steps = 0;
        {
            FaultyFileSystem seam;
            unlistable(seam);
            seam.DieAfter(m);
            set.Load();
            steps = seam.steps;
        }
        {
            FaultyFileSystem seam;
            unlistable(seam);
            const std::string loaded = set.Load();
            EXPECT_TRUE(loaded == set.Loaded('o') || loaded == set.Loaded('n')) << loaded;
            EXPECT_EQ(set.Save('b'), "");
        }
        EXPECT_EQ(set.Load(), set.Loaded('b'));
        EXPECT_TRUE(NoTemporaryFiles(dir));
        if (steps <= m) break;
    }
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
        if (!BecomeNobody()) return "still the superuser";
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

// Whoever may read a set may read the markers and the journal its save puts
// beside it, whatever the umask of the program that saves: another user's
// load that cannot open them cannot tell whether the set is whole, and is
// locked out of it for as long as they stand.
TEST(FolderReach, WhoeverMayReadASetMayReadWhatItsSaveLeavesBesideIt) {
    TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    const SetOfFiles set{dir.path()};
    std::optional<ChildProcess> nobody;
    if (::geteuid() == 0)
        nobody.emplace([&](int, ChildProcess::Parent&) -> std::string {
            if (!BecomeNobody()) return "still the superuser";
            platform::ScopedLockPatience impatient{0ms};
            return set.Load();
        });
    struct PrivateUmask {
        const mode_t previous = ::umask(077);
        ~PrivateUmask() { ::umask(previous); }
    } umask;
    int markers = 0, journals = 0;
    for (int n = 1;; ++n) {
        SCOPED_TRACE("save killed after step " + std::to_string(n));
        set.Reset('o');
        for (const std::string& path : set.Paths()) ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
        if (!SaveDyingAfter(set, n)) break;
        for (const auto& [name, bytes] : Contents(dir)) {
            const auto kind = platform::traces::KindOf(name);
            if (kind != platform::traces::Kind::Marker && kind != platform::traces::Kind::Journal &&
                kind != platform::traces::Kind::Committed)
                continue;
            ++(kind == platform::traces::Kind::Marker ? markers : journals);
            struct stat st {};
            ASSERT_EQ(::stat(dir.file(name).c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 0044, 0044u) << name << " has mode " << std::oct << (st.st_mode & 07777);
        }
        if (!nobody) continue;
        const std::string loaded = nobody->Run(0);
        const std::string journal = JournalIn(dir.path());
        EXPECT_TRUE(loaded == set.Loaded('o') || loaded == set.Loaded('n') ||
                    loaded == "refused: " + dir.file(journal) +
                                  ": Another user's save of a.fre, a.ted, a.dat was cut short; only that user's "
                                  "program can finish it")
            << loaded;
    }
    EXPECT_GT(markers, 0);
    EXPECT_GT(journals, 0);
}

// A reader who may not change the folder (no write permission, a read-only
// mount) reads a set a dead save left whole, old or, once committed, new,
// and leaves the traces for a writer; only a set that needs restoring, or
// one whose files it cannot read to tell, is refused.
TEST(FolderReach, AReaderWhoCannotWriteTheFolderReadsASetLeftWhole) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    struct Case {
        const char* what;
        std::function<bool()> dieIn;
        std::string reads;
        std::string unreadable = "";  // a file of the set whose reads fail
    };
    const Case cases[] = {
        {"before its renames", [&] { return SaveDyingBeforeItsRenames(set); }, set.Loaded('o')},
        {"between its renames", [&] { return SaveDyingAfterItsFirstFileWentIn(set); },
         "refused: " + dir.file("a.fre") + ": An interrupted save of a.fre, a.ted, a.dat could not be finished "
                                           "(Read-only file system); "},
        {"once committed", [&] { return SaveDyingAfter(set, RenameStep(set, ".jok")); }, set.Loaded('n')},
        // A file that cannot be read may hold anything: the set is not
        // known to be whole.
        {"before its renames, a.ted unreadable", [&] { return SaveDyingBeforeItsRenames(set); },
         "refused: " + dir.file("a.ted") + ": An interrupted save of a.fre, a.ted, a.dat could not be finished "
                                           "(Input/output error); ",
         dir.file("a.ted")},
    };
    for (const Case& c : cases) {
        set.Reset('o');
        ASSERT_TRUE(c.dieIn()) << c.what;
        const FolderContents left = Contents(dir);
        std::string loaded;
        {
            FaultyFileSystem faults;
            faults.ReadOnlyFolder(dir.path());
            if (!c.unreadable.empty()) faults.FailReads(c.unreadable, EIO);
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

// Where the file system keeps no locks, nothing tells a save under way from
// a dead one, so a load changes no file: it reads the set when it stands
// whole (all old under a save not committed, all new under a committed one)
// and otherwise says a save may be under way.
const std::string kMayBeUnderWay = ": A save of a.fre, a.ted, a.dat may still be under way (this file system keeps "
                                   "no locks that would tell); try again when it is done, or save the file to "
                                   "finish a save that was cut short";

// Only a save finishes a save killed there: after a kill at any step the
// next save goes through and no journal stays.
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
        const FolderContents left = Contents(dir);
        const std::string journal = JournalIn(dir.path());
        const std::string loaded = set.Load();
        EXPECT_EQ(Contents(dir), left);
        if (journal.ends_with(".jnl") && WithoutTraces(left) != set.Version('o'))
            EXPECT_EQ(loaded, "refused: " + dir.file(journal) + kMayBeUnderWay);
        else
            EXPECT_TRUE(loaded == set.Loaded('o') || loaded == set.Loaded('n')) << loaded;
        EXPECT_EQ(set.Save('b'), "");
        EXPECT_EQ(JournalIn(dir.path()), "");
        EXPECT_EQ(set.Load(), set.Loaded('b'));
    }
}

// A load there that comes by while a save runs leaves the save alone, which
// then goes through.
TEST(FolderReach, WhereTheFileSystemKeepsNoLocksALoadLeavesASaveUnderWayAlone) {
    TempDir dir;
    const SetOfFiles set{dir.path()};
    const std::function<void(FaultyFileSystem&)> noLocks = [](FaultyFileSystem& faults) { faults.NoLocks(); };
    struct Case {
        const char* what;
        int step;      // the save's step the load comes before
        bool refused;  // else it reads the old set
    };
    const int journalWritten = RenameStep(set, ".jnl", noLocks);
    const int second = RenameStep(set, "-> " + dir.file("a.ted"), noLocks);
    ASSERT_GT(journalWritten, 0);
    ASSERT_GT(second, journalWritten);
    const Case cases[] = {
        {"once its journal is written, before it changed a file", journalWritten + 1, false},
        {"between its renames", second, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        set.Reset('o');
        std::string journal, loaded;
        FolderContents before, after;
        {
            FaultyFileSystem saving;
            saving.NoLocks();
            saving.beforeStep = [&](int step) {
                if (step != c.step) return;
                FaultyFileSystem seam;
                seam.NoLocks();
                platform::ScopedLockPatience impatient{0ms};
                journal = JournalIn(dir.path());
                before = Contents(dir);
                loaded = set.Load();
                after = Contents(dir);
            };
            EXPECT_EQ(set.Save('n'), "");
        }
        ASSERT_TRUE(journal.ends_with(".jnl")) << journal;
        EXPECT_EQ(loaded, c.refused ? "refused: " + dir.file(journal) + kMayBeUnderWay : set.Loaded('o'));
        EXPECT_EQ(after, before);
        EXPECT_EQ(set.Load(), set.Loaded('n'));
        EXPECT_TRUE(NoTemporaryFiles(dir));
    }
}

// In a shared folder (mode 1777, as /tmp) only a file's owner may replace
// it, whatever the file's permissions let others write: another user's save
// is refused before it writes anything, since the traces it could not
// remove again (its backups are the owner's files) would stand in the
// owner's way.
TEST(FolderReach, AnotherUsersSaveInASharedFolderIsRefusedBeforeItChangesAnything) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs the superuser, to be another user";
    TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    const SetOfFiles set{dir.file("set")};
    fs::create_directory(set.folder);
    ASSERT_EQ(::chmod(set.folder.c_str(), 01777), 0);
    set.Reset('o');
    for (const std::string& path : set.Paths()) ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ChildProcess nobody([&](int, ChildProcess::Parent&) -> std::string {
        if (!BecomeNobody()) return "still the superuser";
        platform::ScopedLockPatience impatient{0ms};
        return set.Save('n');
    });
    const FolderContents before = Contents(set.folder);
    EXPECT_EQ(nobody.Run(0), set.folder + "/a.fre: This shared folder lets only the file's owner replace it "
                                          "(Operation not permitted)");
    EXPECT_EQ(Contents(set.folder), before);
    EXPECT_EQ(set.Save('b'), "");
    EXPECT_EQ(set.Load(), set.Loaded('b'));
}

TEST(FolderReach, ASharedFolderLetsOnlyTheOwnersAndTheSuperuserReplaceAFile) {
    constexpr uid_t kFolderOwner = 1000, kFileOwner = 1001, kSomeoneElse = 1002;
    struct Case {
        const char* who;
        mode_t folderMode;
        uid_t user;
        bool lets;
    };
    const Case cases[] = {
        {"anyone, where the folder is not shared", 0777, kSomeoneElse, true},
        {"the superuser", 01777, 0, true},
        {"the file's owner", 01777, kFileOwner, true},
        {"the folder's owner", 01777, kFolderOwner, true},
        {"anyone else", 01777, kSomeoneElse, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::StickyFolderLets(c.folderMode, kFolderOwner, kFileOwner, c.user), c.lets) << c.who;
}

// One folder reached under two names (a bind mount), with two sets whose
// files are linked crosswise: both saves take the folders in one order, so
// neither can hold one while the other holds the second. Where the folders
// cannot be held, the same holds for the markers that stand in for them.
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
        const auto letter = [&](const std::string& folder) -> std::string {
            if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || !letters.contains({st.st_dev, st.st_ino}))
                return "";
            return std::string(1, letters[{st.st_dev, st.st_ino}]);
        };
        // The folders each save holds, in the order it took them; where
        // they cannot be held, the folders of the markers it placed (each
        // is linked to its name once written).
        const auto order = [&](const std::vector<std::string>& files, bool held) {
            FaultyFileSystem watching;
            if (!held)
                for (const char* folder : {"p", "q", "z"}) watching.Unlistable(dir.file(folder));
            platform::StagedFiles save;
            bool saved = save.Reserve(files);
            for (const std::string& f : files) saved = saved && save.Stage(f, Bytes("new"));
            saved = saved && save.Commit();
            std::string taken = saved ? "" : "not saved: ";
            if (held)
                for (const std::string& path : watching.locked) taken += letter(path);
            else
                for (const std::string& step : watching.log) {
                    const std::string path = step.substr(step.rfind(' ') + 1);
                    const bool marker = platform::traces::KindOf(platform::traces::NameOf(path)) ==
                                        platform::traces::Kind::Marker;
                    if (step.find(": link ") != std::string::npos && marker)
                        taken += letter(platform::traces::FolderOf(path));
                }
            return taken;
        };
        std::string taken;
        for (bool held : {true, false})
            taken += order({dir.file("p/x.dat"), dir.file("q/x.fre")}, held) + " " +
                     order({dir.file("q/y.dat"), dir.file("z/y.fre")}, held) + " ";
        return taken;
    });
    const std::string taken = mounted.Run(0);
    if (taken == "no mounts here") GTEST_SKIP() << "this system lets no test mount a folder";
    std::vector<std::string> orders;
    for (std::size_t at = 0, space; (space = taken.find(' ', at)) != std::string::npos; at = space + 1)
        orders.push_back(taken.substr(at, space - at));
    ASSERT_EQ(orders.size(), 4u) << taken;
    EXPECT_EQ(orders[0], orders[1]) << "folders";
    EXPECT_EQ(orders[0].size(), 2u) << taken;
    EXPECT_EQ(orders[2], orders[3]) << "markers";
    EXPECT_EQ(orders[2].size(), 2u) << taken;
}

}  // namespace
