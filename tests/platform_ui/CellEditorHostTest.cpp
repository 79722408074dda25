// The floating editors of a grid: placed exactly over a cell (also from
// another container, also on a dialog never shown), the keys typed into them
// handed to the dialog first, a pending edit committed or dropped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>

#include "KeyPresses.h"
#include "platform/ui/CellEditorHost.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Grid.h"
#include "platform/ui/TextBox.h"

using platform::CellEditorHost;
using platform::Ctl;
using platform::Kind;
using platform::Row;

namespace {

enum Editor { kCode = 3, kStandard = 2, kPeriod = 7 };

// The grid sits in a frame; the code editor beside it on the form, the two
// lists in the frame, as a dialog may draw them.
constexpr platform::ControlRow kRows[] = {
    Row(Kind::BorderlessFrame, "Frame1").At(300, 450, 6000, 3000),
    Row(Kind::Grid, "MSHFlexGrid1").At(150, 240, 5500, 2400).In("Frame1").Tab(0),
    Row(Kind::TextBox, "Text3").Hidden(),
    Row(Kind::List, "Combo2").In("Frame1").Hidden(),
    Row(Kind::List, "Combo3").In("Frame1").Hidden(),
    Row(Kind::CommandButton, "CommandOK").At(300, 3600, 1095).Tab(1).Literal("OK"),
};

class CellEditorHostTest : public testing::Test {
protected:
    void SetUp() override {
        platform::BuildForm(dialog, platform::Form("Frm5Tone").Size(6600, 4200), kRows);
        grid = Ctl<platform::Grid>(&dialog, "MSHFlexGrid1");
        grid->SetCols(6);
        grid->SetRows(31);
        grid->SetFixedCols(2);
        for (int c = 0; c < 6; ++c) grid->SetColWidthTwips(c, 900);
        host = new CellEditorHost(*grid);
        host->Add(kCode, Ctl<platform::TextBox>(&dialog, "Text3"));
        host->Add(kStandard, Ctl<platform::ComboBox>(&dialog, "Combo2"));
        host->Add(kPeriod, Ctl<platform::ComboBox>(&dialog, "Combo3"));
        for (const char* item : {"30", "70", "100"}) Ctl<platform::ComboBox>(&dialog, "Combo3")->AddItem(item);
    }
    // Where a widget's top left corner is on the dialog.
    QPoint OnDialog(const QWidget* w, QPoint at = {}) const { return w->mapTo(&dialog, at); }

    QDialog dialog;
    platform::Grid* grid = nullptr;
    CellEditorHost* host = nullptr;
};

TEST_F(CellEditorHostTest, EditorsLieExactlyOverTheirCell) {
    ASSERT_FALSE(dialog.isVisible());
    EXPECT_EQ(host->Open(), CellEditorHost::kNone);

    QWidget* code = host->PlaceOver(kCode, 4, 2);
    const QRect cell = grid->CellRect(4, 2);
    EXPECT_EQ(OnDialog(code), OnDialog(grid, cell.topLeft())) << "from the form, over a grid in a frame";
    EXPECT_EQ(code->size(), cell.size()) << "a text box as high as the cell";
    EXPECT_EQ(host->Open(), kCode);

    QWidget* standard = host->PlaceOver(kStandard, 12, 3);
    EXPECT_EQ(OnDialog(standard), OnDialog(grid, grid->CellRect(12, 3).topLeft()));
    EXPECT_EQ(standard->width(), grid->CellRect(12, 3).width());
    EXPECT_EQ(standard->height(), standard->sizeHint().height()) << "a list keeps its own height";
    EXPECT_EQ(host->Open(), kCode) << "the first open editor in the order they were added";

    code->hide();
    QWidget* period = host->PlaceInstead(kPeriod, kStandard);
    EXPECT_TRUE(standard->isHidden());
    EXPECT_EQ(period->geometry().topLeft(), standard->geometry().topLeft());
    EXPECT_EQ(period->width(), standard->width());
    EXPECT_EQ(host->Open(), kPeriod);

    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(OnDialog(host->PlaceOver(kCode, 4, 2)), OnDialog(grid, cell.topLeft())) << "the same once shown";

    host->Drop();
    EXPECT_EQ(host->Open(), CellEditorHost::kNone);
}

TEST_F(CellEditorHostTest, KeysReachTheDialogBeforeTheEditor) {
    std::vector<std::string> seen;
    host->SetKeys(
        [&](int editor, QKeyEvent& key) {
            seen.push_back(std::to_string(editor) + " " + key.text().toStdString());
            // Enter moves the grid's cell, "G" is no hex digit.
            if (key.key() == Qt::Key_Return) {
                grid->SetRow(grid->Row() + 1);
                return true;
            }
            return key.text() == "G";
        },
        [&](int editor, QKeyEvent& key) {
            seen.push_back("list " + std::to_string(editor) + " " + std::to_string(key.key()));
            return true;
        });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    grid->SetCurrentCell(4, 2);
    auto* code = static_cast<platform::TextBox*>(host->PlaceOver(kCode, 4, 2));
    code->setFocus();
    Type(code, "1G2");
    Key(code, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(code->text(), "12");
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_TRUE(code->hasFocus()) << "an Enter the dialog used never moves the focus on";

    auto* period = static_cast<platform::ComboBox*>(host->PlaceOver(kPeriod, 5, 4));
    period->SetListIndex(1);
    period->showPopup();
    Key(period->view(), Qt::Key_Down);
    EXPECT_EQ(period->view()->currentIndex().row(), 1) << "the list never saw the key";
    period->hidePopup();
    EXPECT_EQ(seen, (std::vector<std::string>{"3 1", "3 G", "3 2", "3 \r", "list 7 " + std::to_string(Qt::Key_Down)}));
}

TEST_F(CellEditorHostTest, APendingEditIsCommittedOrDropped) {
    struct Case {
        const char* name;
        bool accepted;
    };
    for (const Case c : {Case{"an accepted value", true}, Case{"a refused value", false}}) {
        QWidget* code = host->PlaceOver(kCode, 2, 2);
        int commits = 0;
        host->CommitOrDrop([&] {
            ++commits;
            if (c.accepted) code->hide();
            return c.accepted;
        });
        EXPECT_EQ(commits, 1) << c.name;
        EXPECT_EQ(host->Open(), CellEditorHost::kNone) << c.name;
    }
}

}  // namespace
