#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

#include "FaultyFileSystem.h"
#include "TempDir.h"
#include "platform/StagedFiles.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

// Every entry of a folder: a file's bytes, a link's target.
using FolderContents = std::map<std::string, std::string>;
FolderContents Contents(const TempDir& dir) {
    FolderContents out;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        const std::string name = e.path().filename().string();
        out[name] = e.is_symlink() ? "-> " + fs::read_symlink(e.path()).string() : dir.read(name);
    }
    return out;
}

bool NoTemporaryFiles(const TempDir& dir) {
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        if (platform::IsSaveTraceName(e.path().filename().string())) return false;
    return true;
}

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

TEST(StagedFiles, LeftoversOfADeadSaveGoButALiveOnesStay) {
    TempDir dir;
    const std::string dead = ".kq-" + std::to_string(::getpid()) + "-999999.tmp";
    const std::string live = ".kq-1-5.tmp";  // process 1 always runs
    dir.write(dead, "half a file");
    dir.write(live, "being written");
    EXPECT_FALSE(platform::ReplaceFile(dir.file("a.dat"), Bytes("new")));
    EXPECT_FALSE(fs::exists(dir.file(dead)));
    EXPECT_TRUE(fs::exists(dir.file(live)));
    EXPECT_TRUE(platform::IsSaveTraceName(live));
    EXPECT_FALSE(platform::IsSaveTraceName("a.dat"));
}

TEST(StagedFiles, AFolderThatDoesNotExistCannotBeStaged) {
    TempDir dir;
    platform::StagedFiles files;
    EXPECT_FALSE(files.Stage(dir.file("no/such/folder.dat"), Bytes("x")));
}

}  // namespace
