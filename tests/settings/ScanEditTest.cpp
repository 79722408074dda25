// The scan dialog's rules: its lists, the revert template and its offers,
// the revert choice, the scan-mode rule and the priority channels.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ListItemsCase.h"
#include "ProgramSandbox.h"
#include "core/LangText.h"
#include "settings/ScanEdit.h"
#include "settings/UsedChannelItems.h"

namespace {

std::string T(int id) { return GetLangText(static_cast<int16_t>(id)); }

TEST(ScanEdit, ListItems) {
    ProgramSandbox sandbox;
    const ListItemsCase cases[] = {
        {0, 2, T(2430), T(2431)},
        {1, 4, T(2430), T(2403) + "1 + " + T(2403) + "2"},
        {7, 46, "0.5", "5.0"},
        {9, 50, "0.1", "5.0"},
        {11, 4, T(2436), T(2439)},
        {12, 254, "50", "6375"},
    };
    for (const auto& c : cases) ExpectListItems(ScanListItems(c.list), c);
    EXPECT_EQ(ScanListItems(7)[5], "1.0");
    EXPECT_TRUE(ScanListItems(3).empty());

    const auto t = RevertTemplateItems();
    EXPECT_EQ(t[0], T(2432));
    EXPECT_EQ(t[1], T(2432) + " + " + T(2433));
    EXPECT_EQ(t[3], T(2403) + "2");
    EXPECT_EQ(t[5], T(2435));
    EXPECT_EQ(t[6], T(2403) + "1 + " + T(2433));
}

TEST(ScanEdit, RevertOffersAndChoice) {
    struct Case {
        int priorityMode;
        std::vector<int> templates;
        std::array<bool, 4> enables;
    };
    const Case cases[] = {
        {0, {0, 1, 4, 5}, {false, false, false, false}},
        {1, {0, 1, 2, 4, 5, 6}, {true, true, false, false}},
        {2, {0, 1, 3, 4, 5, 7}, {false, false, true, true}},
        {3, {0, 1, 2, 3, 4, 5, 6, 7}, {true, true, true, true}},
        {-1, {}, {false, false, false, false}},
    };
    for (const auto& c : cases) {
        const RevertOffer offer = RevertOfferOf(c.priorityMode);
        EXPECT_EQ(offer.templates, c.templates) << c.priorityMode;
        EXPECT_EQ(offer.enables, c.enables) << c.priorityMode;
    }

    struct Choice {
        const char* name;
        int revertCH;
        int priorityMode;
        int position;
    };
    const Choice choices[] = {
        {"offered", 7, 3, 7},
        {"offered further down the list", 6, 1, 5},
        {"not offered falls back to the first", 2, 0, 0},
        {"above 7 is template item 0", 200, 3, 0},
        {"an empty list chooses nothing", 2, -1, -1},
    };
    for (const auto& c : choices)
        EXPECT_EQ(RevertChoice(c.revertCH, RevertOfferOf(c.priorityMode).templates), c.position) << c.name;
    const auto mode2 = RevertOfferOf(2).templates;
    EXPECT_EQ(RevertTemplateAt(mode2, 5), 7);
    EXPECT_EQ(RevertTemplateAt(mode2, -1), 0);
    EXPECT_EQ(RevertTemplateAt({}, 0), 0);
}

TEST(ScanEdit, ScanModeRule) {
    // Lists 1, 2, 4, 12 (Check1 follows list 1) for each pair of modes.
    struct Case {
        int scanMode;
        int priorityMode;
        std::array<std::optional<bool>, 4> enabled;
    };
    const Case cases[] = {
        {0, 3, {false, false, false, false}},
        {1, 0, {true, false, false, true}},
        {1, 1, {true, true, false, true}},
        {1, 2, {true, false, true, true}},
        {1, 3, {true, true, true, true}},
        {1, -1, {true, true, true, true}},
        {-1, 1, {std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
    };
    for (const auto& c : cases) {
        const std::array<int, 4> lists = {1, 2, 4, 12};
        for (std::size_t k = 0; k < lists.size(); ++k)
            EXPECT_EQ(ScanModeEnables(lists[k], c.scanMode, c.priorityMode), c.enabled[k])
                << "list " << lists[k] << " modes " << c.scanMode << "/" << c.priorityMode;
    }
    EXPECT_EQ(ScanModeEnables(3, 1, 1), true);
    EXPECT_EQ(ScanModeEnables(5, 1, 1), false);
}

TEST(ScanEdit, PriorityChannelsOnceEachInRisingOrder) {
    std::vector<UFreData> used(5);
    const int numbers[] = {10, 1, 3, 1, 758};
    for (std::size_t i = 0; i < used.size(); ++i) used[i].CHNo = static_cast<int16_t>(numbers[i]);
    EXPECT_EQ(UsedChannelItems(used), (std::vector<std::string>{"1", "3", "10", "758"}));
    EXPECT_TRUE(UsedChannelItems({}).empty());
}

}  // namespace
