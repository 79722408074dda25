// Writing the head of a file: the rest of the file stays, and a file that
// already holds the head is not written at all.
#include <gtest/gtest.h>

#include <algorithm>

#include "FaultyFileSystem.h"
#include "TempDir.h"
#include "platform/SafeFile.h"

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

}  // namespace
