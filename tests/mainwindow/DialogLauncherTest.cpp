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
