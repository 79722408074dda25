#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include "WaitFor.h"
#include "platform/ui/FirstPaint.h"

namespace {

constexpr const char* kAsk = "KQ314_MARK_FIRST_PAINT";

// Sees a window's next paint and then lets the event loop run once more, so
// that whatever that paint set off (it queues its work) has run too.
class PaintSeen : public QObject {
public:
    explicit PaintSeen(QWidget& window) : window_(window) { window_.installEventFilter(this); }
    ~PaintSeen() override { window_.removeEventFilter(this); }
    bool Settled() const { return settled_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] { settled_ = true; });
        }
        return false;
    }

private:
    QWidget& window_;
    bool seen_ = false;
    bool settled_ = false;
};

// What the program writes to standard output while `show` makes `window`
// paint, until that paint and what it set off are over.
template <class Show>
std::string OutputWhile(QWidget& window, Show show) {
    PaintSeen paint(window);
    testing::internal::CaptureStdout();
    show();
    const bool painted = WaitFor([&] { return paint.Settled(); });
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(painted) << "the window never painted";
    return out;
}

}  // namespace

TEST(FirstPaintMark, SaidOnceWhenTheFirstMainWindowHasPaintedAndOnlyWhenAsked) {
    ::unsetenv(kAsk);
    platform::MarkFirstPaintWhenAsked();
    QMainWindow unasked;
    EXPECT_EQ(OutputWhile(unasked, [&] { unasked.show(); }), "") << "nothing is said without the variable";
    unasked.close();

    ::setenv(kAsk, "1", 1);
    platform::MarkFirstPaintWhenAsked();
    ::unsetenv(kAsk);
    QDialog box;
    EXPECT_EQ(OutputWhile(box, [&] { box.show(); }), "") << "a window that is no main window is not the one waited for";
    QMainWindow window;
    EXPECT_EQ(OutputWhile(window, [&] { window.show(); }), "first paint\n");
    EXPECT_EQ(OutputWhile(window, [&] { window.repaint(); }), "") << "said once";
}

TEST(FirstPaint, WhatWaitsForAWindowRunsOnceAfterItsFirstPaintInTheOrderAsked) {
    std::vector<std::string> ran;
    QMainWindow window;
    QDialog other;
    const auto isWindow = [&window](const QWidget& w) { return &w == &window; };
    platform::AfterFirstPaint(isWindow, [&] { ran.push_back("asked first"); });
    platform::AfterFirstPaint(isWindow, [&] { ran.push_back("asked second"); });
    OutputWhile(other, [&] { other.show(); });
    EXPECT_TRUE(ran.empty()) << "another window painted";
    OutputWhile(window, [&] { window.show(); });
    EXPECT_EQ(ran, (std::vector<std::string>{"asked first", "asked second"}));
    OutputWhile(window, [&] { window.repaint(); });
    EXPECT_EQ(ran.size(), 2u) << "once";
}
