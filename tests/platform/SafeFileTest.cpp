// Writing the head of a file: the rest of the file stays, and a file that
// already holds the head is not written at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "FaultyFileSystem.h"
#include "FifoWatchdog.h"
#include "TempDir.h"
#include "platform/SafeFile.h"
#include "platform/save/StagedFiles.h"

namespace {

std::vector<uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

TEST(WriteFileHead, ReplacesTheHeadAndKeepsTheRest) {
    struct Case {
        const char* what;
        bool exists;
        std::string before;
        std::string after;
        bool written;
    };
    const Case cases[] = {
        {"a missing file is created", false, "", "abc", true},
        {"a shorter file is extended", true, "x", "abc", true},
        {"a longer file keeps its tail", true, "xyzTAIL", "abcTAIL", true},
        {"a file holding the head is left alone", true, "abcTAIL", "abcTAIL", false},
        {"a file that is exactly the head is left alone", true, "abc", "abc", false},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.exists) dir.write("f.ini", c.before);
        FaultyFileSystem counting;
        EXPECT_FALSE(platform::WriteFileHead(dir.file("f.ini"), Bytes("abc"))) << c.what;
        EXPECT_EQ(dir.read("f.ini"), c.after) << c.what;
        const auto isRename = [](const std::string& step) { return step.find(": rename ") != std::string::npos; };
        EXPECT_EQ(std::any_of(counting.log.begin(), counting.log.end(), isRename), c.written) << c.what;
    }
}

TEST(WriteFileHead, AnUnchangedHeadNeedsNoWritableFolderButAChangedOneDoes) {
    TempDir dir;
    dir.write("f.ini", "abcTAIL");
    FaultyFileSystem faults;
    faults.ReadOnlyFolder(dir.path());
    EXPECT_FALSE(platform::WriteFileHead(dir.file("f.ini"), Bytes("abc")));
    EXPECT_TRUE(platform::WriteFileHead(dir.file("f.ini"), Bytes("abd")));
    EXPECT_EQ(dir.read("f.ini"), "abcTAIL");
}

TEST(WriteFileHead, AFileThatCannotBeReadIsNeverReplaced) {
    TempDir dir;
    dir.write("f.ini", "xyzTAIL");
    FaultyFileSystem faults;
    faults.FailReads("f.ini");
    EXPECT_TRUE(platform::WriteFileHead(dir.file("f.ini"), Bytes("abc")));
    faults.Heal();
    EXPECT_EQ(dir.read("f.ini"), "xyzTAIL");
}

TEST(WriteFileHead, AFileOfAnyLengthKeepsItsRestWholeEvenWhenAStepFails) {
    TempDir dir;
    std::string old(2 * 1024 * 1024 + 123, '\0');
    for (std::size_t i = 0; i < old.size(); ++i) old[i] = static_cast<char>(i * 7 % 251);
    const std::string head(1400, 'h');
    const std::string now = head + old.substr(head.size());
    int steps = 0;
    for (int n = 1;; ++n) {
        SCOPED_TRACE("failed step " + std::to_string(n));
        dir.write("big.cb", old);
        bool written = false;
        {
            FaultyFileSystem faults;
            faults.FailStep(n);
            written = !platform::WriteFileHead(dir.file("big.cb"), Bytes(head));
            steps = faults.steps;
        }
        const std::string after = dir.read("big.cb");
        EXPECT_EQ(after.size(), old.size()) << "never shorter";
        EXPECT_TRUE(written ? after == now : after == old);
        if (steps < n) {
            EXPECT_TRUE(written);
            break;
        }
    }
    EXPECT_GT(steps, 30) << "copied in blocks";
}

TEST(SafeFile, AFifoInAFilesPlaceIsRefusedWithoutWaiting) {
    TempDir dir;
    const std::string fifo = dir.file("f.ini");
    FifoWatchdog watchdog({fifo});
    const std::string refused = fifo + ": Not a regular file";
    const auto head = platform::ReadFileHead(fifo, 21);
    ASSERT_TRUE(head.problem);
    EXPECT_EQ(head.problem->Text(), refused);
    const auto upTo = platform::ReadFileUpTo(fifo, 100);
    ASSERT_TRUE(upTo.problem);
    EXPECT_EQ(upTo.problem->Text(), refused);
    EXPECT_FALSE(platform::ReadWholeFile(fifo));
    const auto written = platform::WriteFileHead(fifo, Bytes("abc"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->Text(), refused);
    const auto replaced = platform::ReplaceFile(fifo, Bytes("abc"));
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->Text(), refused);
    EXPECT_FALSE(watchdog.fired());
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

}  // namespace
