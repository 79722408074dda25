#include <gtest/gtest.h>

#include "mainwindow/MainLayout.h"

using namespace layout;

namespace {

Input Window(double outerWidth, double splitter) {
    Input in;
    in.splitter = splitter;
    in.outerWidth = outerWidth;
    in.clientWidth = outerWidth - 120;
    in.clientHeight = 9000;
    in.toolbarHeight = 420;
    in.statusHeight = 300;
    return in;
}

}  // namespace

TEST(MainLayout, SplitterIsHeldInsideTheWindow) {
    struct Case { const char* name; double outer, wanted, got; };
    const Case cases[] = {
        {"left of the edge", 20000, -500, 30},
        {"at the minimum", 20000, 30, 30},
        {"inside", 20000, 2400, 2400},
        {"past the right edge", 20000, 25000, 19970},
    };
    for (const auto& c : cases) EXPECT_EQ(SizeControls(Window(c.outer, c.wanted)).splitter, c.got) << c.name;
}

TEST(MainLayout, GridKeepsItsMinimumWidthAndOtherwiseFillsTheRest) {
    struct Case { const char* name; double clientWidth, gridWidth; };
    const Case cases[] = {
        // The grid runs past the right edge rather than shrink.
        {"narrow", 6000 - 120, kGridMinWidth},
        {"exactly the minimum", 2430 + kGridMinWidth, kGridMinWidth},
        {"wide", 20000, 20000 - 2430},
    };
    for (const auto& c : cases) {
        Input in = Window(20000, 2400);
        in.clientWidth = c.clientWidth;
        const auto r = SizeControls(in);
        EXPECT_EQ(r.grid.left, 2430) << c.name;
        EXPECT_EQ(r.grid.width, c.gridWidth) << c.name;
    }
}

TEST(MainLayout, BarsDecideTopAndHeight) {
    struct Case { const char* name; bool toolbar, status; double top, treeHeight; };
    const Case cases[] = {
        {"both bars", true, true, 420, 9000 - 300 - 420},
        {"no toolbar", false, true, 0, 9000 - 300},
        {"no status bar", true, false, 420, 9000 - 420},
        {"neither", false, false, 0, 9000},
    };
    for (const auto& c : cases) {
        Input in = Window(20000, 2400);
        in.toolbarVisible = c.toolbar;
        in.statusVisible = c.status;
        const auto r = SizeControls(in);
        EXPECT_EQ(r.tree, (Rect{0, c.top, 2400, c.treeHeight})) << c.name;
        EXPECT_EQ(r.splitterStrip, (Rect{2400, c.top, kSplitterWidth, c.treeHeight})) << c.name;
        EXPECT_EQ(r.grid.top, c.top) << c.name;
        EXPECT_EQ(r.grid.height, c.treeHeight - 30) << c.name;
    }
}

TEST(MainLayout, DragBarStopsAtTheEdgeAndTheMiddle) {
    EXPECT_EQ(DragBarLeft(2400, -3000, 20000), 30);
    EXPECT_EQ(DragBarLeft(2400, 600, 20000), 3000);
    EXPECT_EQ(DragBarLeft(2400, 9000, 20000), 10000);
    EXPECT_EQ(DragBar(Rect{2400, 420, 150, 8280}), (Rect{2400, 420, 75, 8260}));
    EXPECT_EQ(DragBar(Rect{2400, 420, 151, 8280}).width, 75);
}
