#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMainWindow>

#include "platform/ui/FirstPaint.h"

namespace {

constexpr const char* kAsk = "KQ314_MARK_FIRST_PAINT";

// What the program writes to standard output while `show` runs and the event
// loop has run long enough for any window shown to paint.
template <class Show>
std::string OutputWhile(Show show) {
    testing::internal::CaptureStdout();
    show();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 300) QApplication::processEvents();
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(FirstPaintMark, SaidOnceWhenTheFirstMainWindowHasPaintedAndOnlyWhenAsked) {
    ::unsetenv(kAsk);
    platform::MarkFirstPaintWhenAsked();
    QMainWindow unasked;
    EXPECT_EQ(OutputWhile([&] { unasked.show(); }), "") << "nothing is said without the variable";
    unasked.close();

    ::setenv(kAsk, "1", 1);
    platform::MarkFirstPaintWhenAsked();
    ::unsetenv(kAsk);
    QDialog box;
    EXPECT_EQ(OutputWhile([&] { box.show(); }), "") << "a window that is no main window is not the one waited for";
    QMainWindow window;
    EXPECT_EQ(OutputWhile([&] { window.show(); }), "first paint\n");
    EXPECT_EQ(OutputWhile([&] { window.repaint(); }), "") << "said once";
}

TEST(FirstPaint, WhatWaitsForAWindowRunsOnceAfterItsFirstPaintInTheOrderAsked) {
    std::vector<std::string> ran;
    QMainWindow window;
    QDialog other;
    const auto isWindow = [&window](const QWidget& w) { return &w == &window; };
    platform::AfterFirstPaint(isWindow, [&] { ran.push_back("asked first"); });
    platform::AfterFirstPaint(isWindow, [&] { ran.push_back("asked second"); });
    OutputWhile([&] { other.show(); });
    EXPECT_TRUE(ran.empty()) << "another window painted";
    OutputWhile([&] { window.show(); });
    EXPECT_EQ(ran, (std::vector<std::string>{"asked first", "asked second"}));
    OutputWhile([&] { window.repaint(); });
    EXPECT_EQ(ran.size(), 2u) << "once";
}
