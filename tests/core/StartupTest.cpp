#include <gtest/gtest.h>

#include "core/Startup.h"

TEST(IniValues, BooleansAndIntegers) {
    EXPECT_EQ(ParseIniBool("1"), true);
    EXPECT_EQ(ParseIniBool(" True "), true);
    EXPECT_EQ(ParseIniBool("false"), false);
    EXPECT_EQ(ParseIniBool("0"), false);
    EXPECT_EQ(ParseIniBool(""), std::nullopt);
    EXPECT_EQ(ParseIniBool("yes"), std::nullopt);
    EXPECT_EQ(ParseIniInt(" 12 "), 12);
    EXPECT_EQ(ParseIniInt("-3"), -3);
    EXPECT_EQ(ParseIniInt("1.5"), std::nullopt);
    EXPECT_EQ(ParseIniInt("40000"), std::nullopt);
}
