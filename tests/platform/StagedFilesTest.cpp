#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "TempDir.h"
#include "platform/StagedFiles.h"

namespace {

std::vector<uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

bool NoTemporaryFiles(const TempDir& dir) {
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        if (e.path().string().find('~') != std::string::npos) return false;
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

TEST(StagedFiles, AFailedRenameStopsBeforeTheFilesStagedAfterIt) {
    TempDir dir;
    dir.write("a.dat", "old data");
    std::filesystem::create_directory(dir.file("a.fre"));
    platform::StagedFiles files;
    ASSERT_TRUE(files.Stage(dir.file("a.fre"), Bytes("new channels")));
    ASSERT_TRUE(files.Stage(dir.file("a.dat"), Bytes("new data")));
    EXPECT_FALSE(files.Commit());
    EXPECT_EQ(dir.read("a.dat"), "old data");
}

TEST(StagedFiles, AFolderThatDoesNotExistCannotBeStaged) {
    TempDir dir;
    platform::StagedFiles files;
    EXPECT_FALSE(files.Stage(dir.file("no/such/folder.dat"), Bytes("x")));
}

}  // namespace
