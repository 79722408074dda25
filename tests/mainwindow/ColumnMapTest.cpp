#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "ProgramSandbox.h"
#include "ScriptedPrompts.h"
#include "core/SharedState.h"
#include "mainwindow/ColumnMap.h"

namespace {

std::string TwentyOnePairs() {
    std::string s = "21\r\n";
    for (int i = 0; i < 21; ++i) s += "1,1\r\n";
    return s;
}

const char* const kFailed = "错误！打开“MainShowList.ini”文件失败！";

class ColumnMapTest : public testing::Test {
protected:
    // Loads `content` (nullopt: no file); the failure box must show exactly
    // when `message` says so.
    void Load(std::optional<std::string> content, bool message) {
        if (content) dir_.write("language/MainShowList.ini", *content);
        ScriptedPrompts prompts;
        if (message) prompts.expect(kFailed, platform::Buttons::Ok, platform::Answer::Ok);
        LoadMainShowList();
        EXPECT_TRUE(prompts.allAnswered());
    }
    static bool IsIdentity() {
        for (int16_t c = 0; c < kGridCols; ++c)
            if (GetShowCol(c) != c || GetDataCol(c) != c) return false;
        return true;
    }

    ProgramSandbox dir_;
};

}  // namespace

TEST_F(ColumnMapTest, FailuresGiveTheIdentityAndOneMessage) {
    struct Case {
        const char* name;
        std::optional<std::string> content;
        bool message;
    };
    const Case cases[] = {
        {"no file", std::nullopt, true},
        {"empty file", "", true},
        {"only blanks and line ends", " \r\n\r\n", true},
        {"zero pairs", "0\r\n", false},
        {"negative count", "-3\r\n1,2\r\n", false},
        {"fewer pairs than announced", "3\r\n2,3\r\n3,2\r\n", true},
        {"half a pair", "1\r\n2\r\n", true},
        {"more than twenty pairs", TwentyOnePairs(), true},
        {"a word instead of a number", "1\r\n2,x\r\n", true},
        {"a value beyond 16 bits", "1\r\n2,40000\r\n", true},
        {"display column beyond the grid", "2\r\n2,3\r\n3,13\r\n", true},
        {"negative display column", "1\r\n2,-1\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetSharedState();
        if (!c.content) std::remove(dir_.file("language/MainShowList.ini").c_str());
        Load(c.content, c.message);
        EXPECT_TRUE(IsIdentity());
        EXPECT_LE(MainShowCount, 0);
    }
}

TEST_F(ColumnMapTest, PairsMoveColumnsBothWays) {
    // Swaps the transmit frequency and the name; the text after the
    // announced pairs is never read.
    Load("2\r\n2,3,3,2\r\nrest is ignored", false);
    EXPECT_EQ(GetShowCol(Col::TxFre), 3);
    EXPECT_EQ(GetShowCol(Col::Name), 2);
    EXPECT_EQ(GetDataCol(3), 2);
    EXPECT_EQ(GetDataCol(2), 3);
    EXPECT_EQ(GetShowCol(Col::RxFre), 1);
    EXPECT_EQ(GetDataCol(12), 12);
}

TEST_F(ColumnMapTest, FirstMatchingPairWins) {
    Load("2 2 3 2 5", false);
    EXPECT_EQ(GetShowCol(2), 3);
    EXPECT_EQ(GetDataCol(5), 2);
    EXPECT_EQ(GetDataCol(3), 2);
    // A column no pair names stays put, even where a moved column now stands.
    EXPECT_EQ(GetShowCol(3), 3);
}

TEST_F(ColumnMapTest, ShippedFileIsTheIdentityWithoutMessage) {
    std::ifstream in(std::string(KQ_SOURCE_DIR) + "/data/language/MainShowList.ini", std::ios::binary);
    ASSERT_TRUE(in);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Load(content, false);
    EXPECT_EQ(MainShowCount, 12);
    EXPECT_TRUE(IsIdentity());
}
