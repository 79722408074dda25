#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "FaultyFileSystem.h"
#include "FolderContents.h"
#include "TempDir.h"
#include "platform/save/StagedFiles.h"

namespace {

namespace fs = std::filesystem;

TEST(StagedFiles, AllFilesChangeOnlyAtCommit) {
    TempDir dir;
    dir.write("a.fre", "old channels");
    dir.write("a.dat", "old data");
    platform::StagedFiles files;
    ASSERT_TRUE(files.Stage(dir.file("a.fre"), Bytes("new channels")));
    ASSERT_TRUE(files.Stage(dir.file("a.dat"), Bytes("new data")));
    EXPECT_EQ(dir.read("a.fre"), "old channels");
    EXPECT_EQ(dir.read("a.dat"), "old data");
    ASSERT_TRUE(files.Commit());
    EXPECT_EQ(dir.read("a.fre"), "new channels");
    EXPECT_EQ(dir.read("a.dat"), "new data");
    EXPECT_TRUE(NoTemporaryFiles(dir));
}

// Each sync waits for the disk: a save of a data file and its channel file
// takes no more than it needs to survive a power cut at any instant.
TEST(StagedFiles, ASaveOfTwoFilesSyncsElevenTimes) {
    TempDir dir;
    dir.write("a.fre", "old channels");
    dir.write("a.dat", "old data");
    FaultyFileSystem counting;
    platform::StagedFiles files;
    ASSERT_TRUE(files.Reserve(std::vector<std::string>{dir.file("a.dat"), dir.file("a.fre")}));
    ASSERT_TRUE(files.Stage(dir.file("a.fre"), Bytes("new channels")));
    ASSERT_TRUE(files.Stage(dir.file("a.dat"), Bytes("new data")));
    ASSERT_TRUE(files.Commit());
    EXPECT_EQ(std::count_if(counting.log.begin(), counting.log.end(),
                            [](const std::string& step) { return step.ends_with(": sync"); }),
              11);
}

TEST(StagedFiles, ASaveThatNeverReachesItsRenamesLeavesTheOldFiles) {
    TempDir dir;
    dir.write("a.dat", "old data");
    {
        platform::StagedFiles files;
        ASSERT_TRUE(files.Stage(dir.file("a.fre"), Bytes("new channels")));
        ASSERT_TRUE(files.Stage(dir.file("a.dat"), Bytes("new data")));
    }
    EXPECT_EQ(dir.read("a.dat"), "old data");
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.fre")));
    EXPECT_TRUE(NoTemporaryFiles(dir));
}

TEST(StagedFiles, AFolderInAFilesPlaceIsNeverMovedAway) {
    TempDir dir;
    dir.write("a.dat", "old data");
    std::filesystem::create_directory(dir.file("a.fre"));
    platform::StagedFiles files;
    EXPECT_FALSE(files.Stage(dir.file("a.fre"), Bytes("new channels")));
    ASSERT_TRUE(files.Problem());
    EXPECT_EQ(files.Problem()->Text(), dir.file("a.fre") + ": Is a directory");
    EXPECT_TRUE(fs::is_directory(dir.file("a.fre")));
    EXPECT_EQ(dir.read("a.dat"), "old data");
}

// Two files with old contents and one new file, saved as one set.
struct SetOfThree {
    TempDir dir;
    FolderContents old, now;
    SetOfThree() {
        dir.write("a.fre", "old channels");
        dir.write("a.dat", "old data");
        old = Contents(dir);
        now = {{"a.fre", "new channels"}, {"a.dat", "new data"}, {"a.ted", "new test data"}};
    }
    // Stages and commits the new set; false when any step failed.
    bool Save() {
        platform::StagedFiles files;
        for (const char* name : {"a.fre", "a.ted", "a.dat"})
            if (!files.Stage(dir.file(name), Bytes(now.at(name)))) return false;
        return files.Commit();
    }
    void Restore() {
        for (const auto& e : fs::directory_iterator(dir.path())) fs::remove(e.path());
        for (const auto& [name, bytes] : old) dir.write(name, bytes);
    }
};

TEST(StagedFiles, AFailureAtAnyStepLeavesTheOldSetWhole) {
    SetOfThree set;
    int total = 0;
    for (int n = 1; n < 200; ++n) {
        set.Restore();
        FaultyFileSystem faults;
        faults.FailStep(n);
        const bool saved = set.Save();
        if (faults.steps < n) {  // the save went through without reaching step n
            total = n - 1;
            EXPECT_TRUE(saved);
            break;
        }
        SCOPED_TRACE("failed " + faults.log[static_cast<std::size_t>(n - 1)]);
        if (!saved) {
            EXPECT_EQ(Contents(set.dir), set.old);
            continue;
        }
        // Past the commit point only the clean-up can fail: the new set stands,
        // and what is left of the save goes with the next one.
        faults.Heal();
        EXPECT_FALSE(platform::RecoverInterruptedSaves(set.dir.path()));
        EXPECT_EQ(Contents(set.dir), set.now);
    }
    EXPECT_GT(total, 20);
}

TEST(StagedFiles, AKillAtAnyStepIsFinishedWholeByTheNextSaveOrRecovery) {
    SetOfThree set;
    for (int n = 0; n < 200; ++n) {
        set.Restore();
        int steps = 0;
        {
            FaultyFileSystem faults;
            faults.DieAfter(n);
            set.Save();
            steps = faults.steps;
        }
        SCOPED_TRACE("killed after step " + std::to_string(n));
        const FolderContents left = Contents(set.dir);
        if (n % 2 == 0) {
            EXPECT_FALSE(platform::RecoverInterruptedSaves(set.dir.path()));
        } else {
            // The next save into the folder finishes the old one first.
            platform::StagedFiles other;
            ASSERT_TRUE(other.Stage(set.dir.file("other.txt"), Bytes("x")));
            ASSERT_TRUE(other.Commit());
            fs::remove(set.dir.file("other.txt"));
        }
        const FolderContents after = Contents(set.dir);
        EXPECT_TRUE(after == set.old || after == set.now) << "left " << left.size() << " entries";
        if (steps <= n) break;  // the save was never cut short
    }
}

TEST(StagedFiles, AFullDiskOrAReadOnlyFolderChangesNothing) {
    SetOfThree set;
    {
        FaultyFileSystem faults;
        faults.DiskFull(20);
        EXPECT_FALSE(set.Save());
    }
    EXPECT_EQ(Contents(set.dir), set.old);
    {
        FaultyFileSystem faults;
        faults.ReadOnlyFolder(set.dir.path());
        platform::StagedFiles files;
        EXPECT_FALSE(files.Stage(set.dir.file("a.dat"), Bytes("new")));
        ASSERT_TRUE(files.Problem());
        EXPECT_EQ(files.Problem()->Text(), set.dir.file("a.dat") + ": Read-only file system");
    }
    EXPECT_EQ(Contents(set.dir), set.old);
}

TEST(StagedFiles, WritingPastTheFileSizeLimitFailsWithoutEndingTheProgram) {
    SetOfThree set;
    set.now["a.dat"] = std::string(64 * 1024, 'd');
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 16 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    platform::StagedFiles files;
    const bool staged = files.Stage(set.dir.file("a.dat"), Bytes(set.now["a.dat"]));
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(staged);
    ASSERT_TRUE(files.Problem());
    EXPECT_EQ(files.Problem()->Text(), set.dir.file("a.dat") + ": File too large");
    EXPECT_EQ(Contents(set.dir), set.old);
}

TEST(StagedFiles, NamesOfTheLongestLengthStillSave) {
    TempDir dir;
    const std::string name = std::string(251, 'n') + ".dat";  // 255 bytes
    dir.write(name, "old");
    platform::StagedFiles files;
    ASSERT_TRUE(files.Stage(dir.file(name), Bytes("new")));
    ASSERT_TRUE(files.Stage(dir.file(std::string(251, 'n') + ".fre"), Bytes("channels")));
    ASSERT_TRUE(files.Commit());
    EXPECT_EQ(dir.read(name), "new");
    EXPECT_TRUE(NoTemporaryFiles(dir));
}

TEST(StagedFiles, ALinkKeepsPointingAtTheFileItNames) {
    TempDir dir;
    dir.write("real/radio.dat", "old");
    ::chmod(dir.file("real/radio.dat").c_str(), 0640);
    fs::create_symlink("real/radio.dat", dir.file("link.dat"));
    ASSERT_FALSE(platform::ReplaceFile(dir.file("link.dat"), Bytes("new")));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.dat")));
    EXPECT_EQ(dir.read("real/radio.dat"), "new");
    // The file keeps its permissions.
    EXPECT_EQ(fs::status(dir.file("real/radio.dat")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A trace file of a save under way: open and locked for as long as it lives.
struct HeldTrace {
    int fd;
    explicit HeldTrace(const std::string& path) : fd(::open(path.c_str(), O_RDONLY)) { ::flock(fd, LOCK_EX); }
    ~HeldTrace() { ::close(fd); }
};

TEST(StagedFiles, ATraceNobodyHoldsGoesWhateverItsProcessIdAndAHeldOneStays) {
    TempDir dir;
    const std::string mine = ".kq-" + std::to_string(::getpid()) + "-999999.tmp";
    const std::string liveId = ".kq-1-5.tmp";  // process 1 always runs
    const std::string held = ".kq-1-6.tmp";
    dir.write(mine, "half a file");
    dir.write(liveId, "half a file");
    dir.write(held, "being written");
    {
        HeldTrace running(dir.file(held));
        EXPECT_FALSE(platform::ReplaceFile(dir.file("a.dat"), Bytes("new")));
        EXPECT_FALSE(fs::exists(dir.file(mine)));
        EXPECT_FALSE(fs::exists(dir.file(liveId))) << "its process id says nothing";
        EXPECT_TRUE(fs::exists(dir.file(held)));
    }
    EXPECT_TRUE(platform::IsSaveTraceName(liveId));
    EXPECT_FALSE(platform::IsSaveTraceName("a.dat"));
}

TEST(StagedFiles, AJournalThatCannotBeReadKeepsEveryFileOfItsFolderAsItStands) {
    TempDir dir;
    dir.write("a.dat", "old data");
    dir.write("b.dat", "other data");
    const std::string journal = ".kq-1-7.jnl";
    const std::string temp = ".kq-1-8.tmp";
    dir.write(journal, "no journal");
    dir.write(temp, "may be named in it");
    const FolderContents old = Contents(dir);
    // It may name any file of the folder, so none is saved or read, and
    // whoever looks into it finds it and every temporary file as they were.
    const std::string why = "An interrupted save could not be finished (its record cannot be read); " + journal +
                            " keeps its record";
    for (const char* name : {"a.dat", "b.dat"}) {
        const auto problem = platform::ReplaceFile(dir.file(name), Bytes("new"));
        ASSERT_TRUE(problem) << name;
        EXPECT_EQ(problem->Text(), dir.file(journal) + ": " + why) << name;
        platform::SetReading reading;
        const std::vector<std::string> files{dir.file(name)};
        const auto refused = reading.Hold(files, platform::LockDeadline());
        ASSERT_TRUE(refused) << name;
        EXPECT_EQ(refused->Text(), dir.file(journal) + ": " + why) << name;
    }
    EXPECT_EQ(Contents(dir), old);
}

// A process that saves on request and dies in each save after a given step
// (every later change refused, its files closed, so its locks are gone), yet
// runs on: the id in its traces stays alive, as a killed save's id does once
// another process has it.
class KilledSavesInAChild {
public:
    KilledSavesInAChild(bool hardLinks, const std::function<bool()>& save) {
        int up[2], down[2];
        if (::pipe(up) != 0 || ::pipe(down) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(up[0]);
            ::close(down[1]);
            for (int n = 0; ::read(down[0], &n, sizeof n) == sizeof n && n > 0;) {
                char reached = 0;
                {
                    FaultyFileSystem faults;
                    if (!hardLinks) faults.NoHardLinks();
                    faults.DieAfter(n);
                    save();
                    reached = faults.steps > n ? 1 : 0;
                }
                (void)::write(up[1], &reached, 1);
            }
            ::_exit(0);
        }
        ::close(up[1]);
        ::close(down[0]);
        fromChild_ = up[0];
        toChild_ = down[1];
    }
    ~KilledSavesInAChild() {
        ::close(toChild_);  // the child ends
        ::close(fromChild_);
        ::waitpid(pid_, nullptr, 0);
    }
    // Whether the save got past step `n` (else it ended before).
    bool SaveDyingAfter(int n) {
        char reached = 0;
        return ::write(toChild_, &n, sizeof n) == sizeof n && ::read(fromChild_, &reached, 1) == 1 && reached;
    }

private:
    pid_t pid_ = 0;
    int fromChild_ = -1, toChild_ = -1;
};

TEST(StagedFiles, EveryNameStaysWholeAndOnlyADeadSaveIsFinishedWhereverItsFolderWent) {
    enum class Stop { LeftRunning, DiedThoughItsIdLives, DiedAndItsFolderMoved };
    TempDir dir;
    const std::string folder = dir.file("set"), moved = dir.file("moved");
    const FolderContents old = {{"a.fre", "old channels"}, {"a.dat", "old data"}};
    const FolderContents now = {{"a.fre", "new channels"}, {"a.dat", "new data"}, {"a.ted", "new test data"}};
    const auto save = [&] {
        platform::StagedFiles files;
        for (const char* name : {"a.fre", "a.ted", "a.dat"})
            if (!files.Stage(folder + "/" + name, Bytes(now.at(name)))) return false;
        return files.Commit();
    };
    // Every name holds a whole file, old or new.
    const auto expectWhole = [&](const FolderContents& left) {
        for (const auto& [name, bytes] : now) {
            const auto at = left.find(name);
            const bool whole = at == left.end() ? !old.contains(name)
                                                : at->second == bytes || (old.contains(name) && at->second == old.at(name));
            EXPECT_TRUE(whole) << name << " holds \"" << (at == left.end() ? "" : at->second) << "\"";
        }
    };
    for (bool hardLinks : {true, false})
        for (Stop stop : {Stop::LeftRunning, Stop::DiedThoughItsIdLives, Stop::DiedAndItsFolderMoved}) {
            std::optional<KilledSavesInAChild> child;
            if (stop == Stop::DiedThoughItsIdLives) child.emplace(hardLinks, save);
            for (int n = 1;; ++n) {
                SCOPED_TRACE("step " + std::to_string(n) + (hardLinks ? "" : " without hard links") + ", case " +
                             std::to_string(static_cast<int>(stop)));
                fs::remove_all(folder);
                fs::remove_all(moved);
                for (const auto& [name, bytes] : old) dir.write("set/" + name, bytes);
                bool reached = false;
                if (stop == Stop::LeftRunning) {
                    // Another recovery comes by while the save is at step n:
                    // a running save is nobody else's to finish, and it says
                    // so once it has waited as long as it may.
                    FaultyFileSystem faults;
                    if (!hardLinks) faults.NoHardLinks();
                    faults.beforeStep = [&](int step) {
                        if (step != n || reached) return;
                        reached = true;
                        const FolderContents left = Contents(folder);
                        expectWhole(left);
                        platform::ScopedLockPatience impatient(std::chrono::milliseconds(0));
                        const auto busy = platform::RecoverInterruptedSaves(folder);
                        ASSERT_TRUE(busy);
                        EXPECT_EQ(busy->reason, "Another program is saving this file; try again when it is done");
                        EXPECT_EQ(Contents(folder), left);
                    };
                    EXPECT_TRUE(save());
                    if (reached) EXPECT_EQ(Contents(folder), now);
                } else if (stop == Stop::DiedThoughItsIdLives) {
                    reached = child->SaveDyingAfter(n);
                } else {
                    FaultyFileSystem faults;
                    if (!hardLinks) faults.NoHardLinks();
                    faults.DieAfter(n);
                    save();
                    reached = faults.steps > n;
                }
                if (!reached) {
                    EXPECT_EQ(Contents(folder), now);
                    EXPECT_GT(n, 20);
                    break;
                }
                if (stop == Stop::LeftRunning) continue;
                expectWhole(Contents(folder));
                std::string recovered = folder;
                if (stop == Stop::DiedAndItsFolderMoved) {
                    fs::rename(folder, moved);
                    recovered = moved;
                }
                EXPECT_FALSE(platform::RecoverInterruptedSaves(recovered));
                const FolderContents done = Contents(recovered);
                EXPECT_TRUE(done == old || done == now) << done.size() << " entries";
            }
        }
}

TEST(StagedFiles, ARelativePathSavesFromTheWorkingFolder) {
    TempDir dir;
    dir.write("d/a.dat", "old data");
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    bool saved = false;
    std::string problem;
    {
        platform::StagedFiles files;
        saved = files.Stage("d/a.fre", Bytes("new channels")) && files.Stage("d/a.dat", Bytes("new data"));
        // The names were taken from the working folder as it stood.
        fs::current_path(before);
        saved = saved && files.Commit();
        if (files.Problem()) problem = files.Problem()->Text();
    }
    EXPECT_TRUE(saved) << problem;
    EXPECT_EQ(Contents(dir.file("d")), (FolderContents{{"a.fre", "new channels"}, {"a.dat", "new data"}}));
}

// Writes are refused for paths ending in `name`, as for a file whose owner
// is someone else.
struct NoWriteAccessTo : FaultyFileSystem {
    explicit NoWriteAccessTo(std::string name) : name(std::move(name)) {}
    int Access(const std::string& path, int mode) override {
        if ((mode & W_OK) && path.ends_with(name)) return errno = EACCES, -1;
        return FaultyFileSystem::Access(path, mode);
    }
    std::string name;
};

TEST(StagedFiles, AFileTheUserMayNotWriteIsNeitherReplacedNorRewritten) {
    struct Case { const char* what; mode_t mode; bool systemRefuses; };
    const Case cases[] = {
        // The mode decides even for the superuser, whom the system lets write.
        {"no write permission for anyone", 0444, false},
        {"the system refuses to open it for writing", 0644, true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("a.fre", "old channels");
        dir.write("a.dat", "old data");
        ASSERT_EQ(::chmod(dir.file("a.dat").c_str(), c.mode), 0);
        const FolderContents old = Contents(dir);
        std::optional<NoWriteAccessTo> refusing;
        if (c.systemRefuses) refusing.emplace("a.dat");
        const std::string denied = dir.file("a.dat") + ": Permission denied";
        {
            platform::StagedFiles files;
            ASSERT_TRUE(files.Stage(dir.file("a.fre"), Bytes("new channels"))) << c.what;
            EXPECT_FALSE(files.Stage(dir.file("a.dat"), Bytes("new data"))) << c.what;
            ASSERT_TRUE(files.Problem()) << c.what;
            EXPECT_EQ(files.Problem()->Text(), denied) << c.what;
        }
        for (const char* head : {"new", "old"}) {  // an unchanged head is refused all the same
            const auto problem = platform::WriteFileHead(dir.file("a.dat"), Bytes(head));
            ASSERT_TRUE(problem) << c.what << ", " << head;
            EXPECT_EQ(problem->Text(), denied) << c.what << ", " << head;
        }
        EXPECT_EQ(Contents(dir), old) << c.what;
    }
}

TEST(StagedFiles, AFolderThatDoesNotExistCannotBeStaged) {
    TempDir dir;
    platform::StagedFiles files;
    EXPECT_FALSE(files.Stage(dir.file("no/such/folder.dat"), Bytes("x")));
}

}  // namespace

namespace {

TEST(StagedFiles, AFileSystemThatKeepsNoPermissionsStillSaves) {
    for (int error : {ENOSYS, EPERM}) {
        SetOfThree set;
        ::chmod(set.dir.file("a.dat").c_str(), 0600);
        FaultyFileSystem faults;
        faults.NoModes(error);
        EXPECT_TRUE(set.Save()) << error;
        EXPECT_EQ(Contents(set.dir), set.now) << error;
        // The new file was born with the old one's permissions all the same.
        EXPECT_EQ(fs::status(set.dir.file("a.dat")).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write)
            << error;
    }
}

}  // namespace

namespace {

// A journal is carried out by whoever comes by, so one the file layer did
// not write (copied in with a folder, or made to do harm) moves and removes
// nothing it does not own.
TEST(StagedFiles, AJournalItDidNotWriteMovesAndRemovesNothingElse) {
    TempDir dir;
    dir.write("victim/notes.txt", "keep me");
    dir.write("victim/plain.txt", "keep me too");
    dir.write("set/.kq-1-2.bak", "someone else's");
    const auto entry = [](const char* kind, const std::string& target, const std::string& temp,
                          const std::string& backup) {
        std::string line = kind;
        for (const std::string& f : {target, temp, backup, std::string("-"), std::string("-")})
            line += " " + std::to_string(f.size()) + ":" + f;
        return line + "\n";
    };
    struct Case { const char* what; std::string journal; };
    const Case cases[] = {
        // Its new file would be gone and nothing was there before: a file
        // it cannot tell for its own stays.
        {"a new file elsewhere", entry("E0", "../victim/notes.txt", "../victim/.kq-1-1.tmp", "../victim/.kq-1-2.bak")},
        // A backup that is no trace beside the file it would replace.
        {"a backup from elsewhere", entry("E1", "../victim/notes.txt", "../victim/.kq-1-1.tmp", ".kq-1-2.bak")},
        {"a backup that is a plain file", entry("E1", "../victim/notes.txt", "../victim/.kq-1-1.tmp",
                                                "../victim/plain.txt")},
    };
    for (const Case& c : cases) {
        dir.write("set/.kq-1-3.jnl", "KQSAVE 3\n" + c.journal + "END\n");
        platform::RecoverInterruptedSaves(dir.file("set"));
        EXPECT_EQ(dir.read("victim/notes.txt"), "keep me") << c.what;
        EXPECT_EQ(dir.read("victim/plain.txt"), "keep me too") << c.what;
        EXPECT_EQ(dir.read("set/.kq-1-2.bak"), "someone else's") << c.what;
        fs::remove(dir.file("set/.kq-1-3.jnl"));
    }
}

}  // namespace
