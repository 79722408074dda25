#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogHelpers.h"

using platform::ComboBox;

namespace {
void Fill(ComboBox& c, std::initializer_list<const char*> items) {
    for (const char* i : items) c.AddItem(i);
}
}  // namespace

TEST(ComboBox, BehavesLikeTheOldLists) {
    ComboBox c;
    int changes = 0;
    QObject::connect(&c, &QComboBox::currentIndexChanged, [&] { ++changes; });
    Fill(c, {"a", "b"});
    EXPECT_EQ(c.ListIndex(), -1) << "the first item is not selected on its own";
    EXPECT_EQ(c.Text(), "");
    EXPECT_EQ(changes, 0);

    c.SetListIndex(1);
    EXPECT_EQ(c.Text(), "b");
    EXPECT_EQ(changes, 1) << "programmatic changes fire the rules";
    c.clear();
    EXPECT_EQ(c.ListCount(), 0);
    EXPECT_EQ(c.ListIndex(), -1);
    EXPECT_EQ(changes, 1) << "clearing sends no change";

    c.SetList(0, "x");  // appends at the end
    c.SetList(0, "y");  // replaces
    c.SetList(5, "z");  // beyond the end: ignored
    EXPECT_EQ(c.ListCount(), 1);
    EXPECT_EQ(c.List(0), "y");
    EXPECT_EQ(c.List(1), "");
    EXPECT_EQ(c.ListIndex(), -1);
}

// Many items in one change of the list, with the same items and selection
// as one at a time.
TEST(ComboBox, ManyItemsChangeTheListOnce) {
    ComboBox c;
    int inserts = 0;
    QObject::connect(c.model(), &QAbstractItemModel::rowsInserted, [&] { ++inserts; });
    c.AddItems(std::vector<std::string>{"a", "b", "c"});
    EXPECT_EQ(inserts, 1);
    EXPECT_EQ(c.ListIndex(), -1) << "the first item is not selected on its own";

    c.SetLists(2, std::vector<std::string>{"C", "d", "e"});  // replaces one, appends two
    EXPECT_EQ(inserts, 2);
    c.SetLists(6, std::vector<std::string>{"z"});  // beyond the end: ignored
    c.SetLists(0, std::vector<std::string>{"A"});
    std::vector<std::string> items;
    for (int i = 0; i < c.ListCount(); ++i) items.push_back(c.List(i));
    EXPECT_EQ(items, (std::vector<std::string>{"A", "b", "C", "d", "e"}));
    EXPECT_EQ(inserts, 2);
}

TEST(ComboHelpers, EmptyList) {
    ComboBox c;
    EXPECT_EQ(FindComboText(c, "a"), "");
    EXPECT_EQ(GetComboItem(c, 0), "");
    EXPECT_EQ(GetComboListText(0, c, 0), "");
    EXPECT_EQ(GetComboIndex(c, "a", 7), 7);
    SetComboText(c, "a");
    EXPECT_EQ(c.ListIndex(), -1);
    SelectComboItem(c, 0);
    EXPECT_EQ(c.ListIndex(), -1);
    int value = 42;
    GetComboValue(c, value, -1);
    EXPECT_EQ(value, 42);
}

TEST(ComboHelpers, IndexesAndTexts) {
    ComboBox c;
    Fill(c, {"10", "20", "abc", "20"});
    struct Case { int index; const char* item; };
    for (const Case& k : {Case{-1, "10"}, Case{0, "10"}, Case{3, "20"}, Case{4, "10"}})
        EXPECT_EQ(GetComboItem(c, k.index), k.item) << k.index;
    EXPECT_EQ(GetComboListText(9, c, 2), "abc");
    EXPECT_EQ(GetComboListText(9, c, 9), "");

    EXPECT_EQ(GetComboIndex(c, "20", 5), 1) << "the first equal entry";
    EXPECT_EQ(GetComboIndex(c, "missing", 5), 0);
    EXPECT_EQ(GetComboIndex(c, "", 5), 5);
    EXPECT_EQ(GetComboIndex(c, "ABC", 5), 0) << "case counts";

    // By index, whatever the texts: the second "20" stays the second.
    for (const Case& k : {Case{3, "20"}, Case{-1, "10"}, Case{4, "10"}}) {
        SelectComboItem(c, k.index);
        EXPECT_EQ(c.ListIndex(), k.index == 3 ? 3 : 0) << k.index;
    }

    EXPECT_EQ(FindComboText(c, "missing"), "10");
    SetComboText(c, "abc");
    EXPECT_EQ(c.ListIndex(), 2);
    SetComboText(c, "missing");
    EXPECT_EQ(c.ListIndex(), 0) << "a missing text shows the first entry";

    AddComboItem(c, "20");
    AddComboItem(c, "30");
    EXPECT_EQ(c.ListCount(), 5);
}

TEST(ComboHelpers, GetComboValue) {
    ComboBox c;
    Fill(c, {"10", "abc", "32767", "40000", "-32768"});
    struct Case { const char* what; int index; int16_t offset; int16_t before; int16_t after; };
    const Case cases[] = {
        {"no selection", -1, -1, 5, 5},
        {"number plus offset", 0, -1, 5, 9},
        {"not a number", 1, 0, 5, 5},
        {"largest 16-bit", 2, 0, 5, 32767},
        {"sum beyond 16 bits", 2, 1, 5, 5},
        {"item beyond 16 bits", 3, -10000, 5, 5},
        {"a signed item is no number", 4, 0, 5, 5},
    };
    for (const auto& k : cases) {
        c.SetListIndex(k.index);
        int16_t value = k.before;
        GetComboValue(c, value, k.offset);
        EXPECT_EQ(value, k.after) << k.what;
    }
}
