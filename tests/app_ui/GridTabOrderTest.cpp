// Every window with a grid, shown: Tab and Shift+Tab in the grid move the
// focus to the next and previous control of the window's tab order and leave
// the current cell where it was; the arrow keys move from cell to cell.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include <QApplication>
#include <QWidget>

#include "ChannelTestRecords.h"
#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "WaitFor.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "signalling/ui/Frm2Tone.h"
#include "signalling/ui/Frm5Tone.h"

namespace {

using platform::Ctl;

// The own ID the dialog opens on is a whole one: leaving it asks nothing.
std::unique_ptr<QWidget> FiveToneDialog() {
    CurData.FunSet.Tone5.SelfID = "12345";
    return std::make_unique<Frm5Tone>();
}

std::unique_ptr<QWidget> MainWindow() {
    auto window = std::make_unique<frmMain>();
    window->Form_Load();
    return window;
}

// The focused control as "Name" or "Name(index)"; a part of a control (the
// tab strip of a tab control) by the control's name.
std::string FocusedControl() {
    for (const QObject* at = QApplication::focusWidget(); at; at = at->parent()) {
        const std::string name = platform::ControlName(at);
        if (name.empty()) continue;
        const int index = platform::ControlIndex(at);
        return index < 0 ? name : name + "(" + std::to_string(index) + ")";
    }
    return "";
}

struct Case {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> open;
    const char* grid;
    int gridIndex;
    // The controls Tab and Shift+Tab reach from the grid.
    const char* next;
    const char* previous;
};

class GridTabOrder : public testing::Test {
protected:
    void SetUp() override { StartWithoutChannels(); }

    ProgramSandbox sandbox;
};

TEST_F(GridTabOrder, TabLeavesTheGridAndArrowsMoveInIt) {
    const Case cases[] = {
        {"two-tone calls", [] { return std::make_unique<Frm2Tone>(); }, "MSHFlexGrid1", -1, "Combo1(0)",
         "SSTab1"},
        {"five-tone codes", FiveToneDialog, "MSHFlexGrid1", -1, "Text4(0)", "Text5"},
        {"main window channels", MainWindow, "MSFlexGrid1", 0, "tvTreeView", "tvTreeView"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QWidget> window = c.open();
        window->show();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
        auto* grid = Ctl<platform::Grid>(window.get(), c.grid, c.gridIndex);
        const std::pair<int, int> current{grid->Row(), grid->Col()};
        // The control a key in the focused grid leaves the focus on.
        const auto from = [&](int key, Qt::KeyboardModifiers mods) {
            grid->setFocus(Qt::TabFocusReason);
            EXPECT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
            Key(grid, key, mods);
            return FocusedControl();
        };
        EXPECT_EQ(from(Qt::Key_Tab, Qt::NoModifier), c.next);
        EXPECT_EQ(from(Qt::Key_Backtab, Qt::ShiftModifier), c.previous);
        EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), current) << "Tab moved the current cell";

        const int row = grid->FixedRows();
        const int col = grid->FixedCols();
        grid->SetCurrentCell(row, col);
        from(Qt::Key_Down, Qt::NoModifier);
        EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(row + 1, col));
        from(Qt::Key_Up, Qt::NoModifier);
        EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(row, col));
    }
}

}  // namespace
