#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "platform/LateWork.h"

using platform::DoLateWork;
using platform::RunLateWork;

TEST(LateWork, RunsAtOnceUnlessHeldAndThenOnceInItsOrder) {
    std::vector<std::string> ran;
    DoLateWork([&] { ran.push_back("now"); });
    EXPECT_EQ(ran, std::vector<std::string>{"now"}) << "nothing held: at once";
    {
        platform::ScopedHoldLateWork hold(true);
        DoLateWork([&] { ran.push_back("a"); });
        DoLateWork([&] {
            ran.push_back("b");
            DoLateWork([&] { ran.push_back("kept while b ran"); });
        });
        EXPECT_EQ(ran.size(), 1u) << "held";
        RunLateWork();
        EXPECT_EQ(ran, (std::vector<std::string>{"now", "a", "b", "kept while b ran"}));
        RunLateWork();
        EXPECT_EQ(ran.size(), 4u) << "each step once";
        DoLateWork([&] { ran.push_back("left at the end"); });
        DoLateWork([&] { ran.push_back("forgotten"); });
        platform::ResetLateWork();
        DoLateWork([&] { ran.push_back("left at the end"); });
    }
    EXPECT_EQ(ran.back(), "left at the end") << "the end of holding runs what is left";
    EXPECT_EQ(ran.size(), 5u) << "a reset forgets what was kept";
}

// A step that lets the user act (a message box) may see a command run,
// which runs the late work first: the steps after it run then, not twice.
TEST(LateWork, AStepThatLetsTheUserActFindsTheStepsAfterItRunFirst) {
    std::vector<std::string> ran;
    platform::ScopedHoldLateWork hold(true);
    DoLateWork([&] {
        ran.push_back("first");
        RunLateWork();  // a command the user gave meanwhile
        ran.push_back("first, after the command");
    });
    DoLateWork([&] { ran.push_back("second"); });
    RunLateWork();
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second", "first, after the command"}));
}

TEST(LateWork, KeptWorkGoesWithItsOwner) {
    std::vector<std::string> ran;
    auto stays = std::make_unique<QObject>();
    auto goes = std::make_unique<QObject>();
    {
        platform::ScopedHoldLateWork hold(true);
        DoLateWork(*goes, [&, owner = goes.get()] { ran.push_back(owner->objectName().toStdString()); });
        DoLateWork(*stays, [&] { ran.push_back("kept"); });
        goes.reset();
        RunLateWork();
    }
    DoLateWork(*stays, [&] { ran.push_back("not held: at once"); });
    EXPECT_EQ(ran, (std::vector<std::string>{"kept", "not held: at once"}));
}
