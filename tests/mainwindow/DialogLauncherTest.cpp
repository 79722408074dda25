#include <gtest/gtest.h>

#include "mainwindow/DialogLauncher.h"

TEST(DialogLauncher, RunsTheRegisteredOpenerAndNothingWithout) {
    EXPECT_FALSE(OpenDialog(DialogId::CHEdit));
    int opened = 0;
    EXPECT_FALSE(SetDialogOpener(DialogId::CHEdit, [&] { ++opened; }));
    EXPECT_TRUE(OpenDialog(DialogId::CHEdit));
    EXPECT_FALSE(OpenDialog(DialogId::About));
    EXPECT_EQ(opened, 1);
    // An opener that replaces itself while it runs finishes normally.
    SetDialogOpener(DialogId::CHEdit, [&] {
        SetDialogOpener(DialogId::CHEdit, {});
        ++opened;
    });
    EXPECT_TRUE(OpenDialog(DialogId::CHEdit));
    EXPECT_EQ(opened, 2);
    EXPECT_FALSE(OpenDialog(DialogId::CHEdit));
}

TEST(DialogLauncher, AScopedOpenerPutsBackTheOneItReplaced) {
    std::string opened;
    ScopedDialogOpener program(DialogId::About, [&] { opened += "program;"; });
    {
        ScopedDialogOpener standIn(DialogId::About, [&] { opened += "test;"; });
        OpenDialog(DialogId::About);
    }
    OpenDialog(DialogId::About);
    EXPECT_EQ(opened, "test;program;");
    ResetDialogOpeners();
    EXPECT_FALSE(OpenDialog(DialogId::About));
}
