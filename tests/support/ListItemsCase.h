#pragma once
// A list told by the number of its items, its first and its last: the rows
// of the list tables in the tests of the dialogs' rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

struct ListItemsCase {
    int list;  // Combo1(list)
    std::size_t count;
    std::string first;
    std::string last;
};

inline void ExpectListItems(const std::vector<std::string>& items, const ListItemsCase& c) {
    ASSERT_EQ(items.size(), c.count) << "Combo1(" << c.list << ")";
    EXPECT_EQ(items.front(), c.first) << "Combo1(" << c.list << ")";
    EXPECT_EQ(items.back(), c.last) << "Combo1(" << c.list << ")";
}
