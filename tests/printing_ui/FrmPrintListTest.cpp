// The print item dialog: its captions in both languages, Select all and
// Clear all, the empty selection, a run that prints, is cancelled or fails,
// and the printer set-up.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

#include "FakeReportDialog.h"
#include "ProgramSandbox.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/ui/Controls.h"
#include "printing/PrintData.h"
#include "printing/ui/FrmPrintList.h"

namespace {

using platform::Ctl;
using platform::PrinterDialogKind;

class FrmPrintListTest : public testing::Test {
protected:
    void SetUp() override { CurData.CHCount = 0; }

    static QCheckBox* Box(const FrmPrintList& f, int i) { return Ctl<QCheckBox>(&f, "Check1", i); }
    static std::string Caption(const FrmPrintList& f, const char* name, int i = -1) {
        return Ctl<QAbstractButton>(&f, name, i)->text().toStdString();
    }
    static void Click(const FrmPrintList& f, const char* button) { Ctl<QPushButton>(&f, button)->click(); }
    static PrintTicks Ticks(const FrmPrintList& f) {
        PrintTicks ticks{};
        for (int i = 0; i < kPrintItems; ++i) ticks[static_cast<std::size_t>(i)] = Box(f, i)->isChecked() ? 1 : 0;
        return ticks;
    }
    void ExpectEmptySelectionMessage() {
        sandbox.prompts.expect("Please select printing items.", platform::Buttons::Ok, platform::Answer::Ok,
                               platform::Icon::Exclamation, true);
    }

    ProgramSandbox sandbox;
};

TEST_F(FrmPrintListTest, CaptionsAreTheReportsEnglishTextsButTheAlertBoxFollowsTheLanguage) {
    for (int language : {1, 2}) {
        LangIndex = static_cast<int16_t>(language);
        LangFilePath = language == 1 ? "language/english.ini" : "language/Tchinese.ini";
        FrmPrintList f({});
        EXPECT_TRUE(f.isHidden());
        EXPECT_EQ(f.windowTitle().toStdString(), "打印列表");
        const char* items[] = {"Channel Infomation", "VHF Channel Infomation", "Radio Channel Infomation", "Option",
                               "DTMF", "2Tone", "5Tone", "Communication Book", "Embedded Message"};
        for (int i = 0; i < 9; ++i) EXPECT_EQ(Caption(f, "Check1", i), items[i]) << language;
        EXPECT_EQ(Caption(f, "Check1", 9), language == 1 ? "Alert" : "警報");
        EXPECT_EQ(Caption(f, "CommandSelAll"), "Select &All");
        EXPECT_EQ(Caption(f, "CommandClrAll"), "&Clear All");
        EXPECT_EQ(Caption(f, "CommandSet"), "&Set");
        EXPECT_EQ(Caption(f, "Command1"), "&OK");
        EXPECT_EQ(Caption(f, "Command2"), "&Cancel");
        for (int i = 0; i < kPrintItems; ++i) {
            EXPECT_FALSE(Box(f, i)->isChecked()) << "every box starts cleared";
            EXPECT_EQ(platform::IsShown(Box(f, i)), i != 1 && i != 2) << i;
        }
    }
}

TEST_F(FrmPrintListTest, TheVisibleBoxesStandInOneColumnInPrintOrder) {
    FrmPrintList f({});
    int previous = -1;
    for (int i : {0, 3, 4, 5, 6, 7, 8, 9}) {
        EXPECT_EQ(Box(f, i)->x(), Box(f, 0)->x());
        EXPECT_GT(Box(f, i)->y(), previous) << i;
        previous = Box(f, i)->y();
    }
    EXPECT_GT(Ctl<QPushButton>(&f, "CommandSelAll")->x(), Box(f, 0)->geometry().right());
}

TEST_F(FrmPrintListTest, SelectAllTicksEveryBoxAndClearAllClearsThem) {
    FrmPrintList f({});
    Click(f, "CommandSelAll");
    EXPECT_EQ(Ticks(f), (PrintTicks{1, 1, 1, 1, 1, 1, 1, 1, 1, 1})) << "the hidden boxes too";
    Click(f, "CommandClrAll");
    EXPECT_EQ(Ticks(f), PrintTicks{});
}

TEST_F(FrmPrintListTest, OkWithNoVisibleBoxTickedAsksForASelectionAndPrintsNothing) {
    for (const auto& tick : std::vector<std::vector<int>>{{}, {1, 2}}) {
        FrmPrintList f({});
        f.show();
        for (int i : tick) Box(f, i)->setChecked(true);
        ExpectEmptySelectionMessage();
        Click(f, "Command1");
        EXPECT_TRUE(f.isVisible()) << "the dialog stays open";
        EXPECT_TRUE(sandbox.printer.dialogsShown().empty());
        EXPECT_EQ(PrintSelect, PrintTicks{}) << "the selection is not taken";
    }
}

TEST_F(FrmPrintListTest, OkPrintsTheTickedSectionsAndCloses) {
    FrmPrintList f({});
    f.show();
    Box(f, 7)->setChecked(true);
    Box(f, 1)->setChecked(true);
    sandbox.printer.expectDialog(PrinterDialogKind::Print);
    Click(f, "Command1");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_TRUE(PrintOK);
    EXPECT_EQ(PrintSelect, (PrintTicks{0, 1, 0, 0, 0, 0, 0, 1, 0, 0}));
    const auto& doc = sandbox.printer.lastDocument();
    EXPECT_EQ(doc.pagesSent, 1);
    EXPECT_NE(doc.Find("Communication Book"), nullptr);
    EXPECT_EQ(doc.lines.back().text, "- 1 -");
}

TEST_F(FrmPrintListTest, ACancelledPrinterDialogLeavesTheDialogOpenWithItsTicksAndSaysNothing) {
    FrmPrintList f({});
    f.show();
    Box(f, 0)->setChecked(true);
    Box(f, 9)->setChecked(true);
    sandbox.printer.expectDialog(PrinterDialogKind::Print, false);
    Click(f, "Command1");
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(PrintOK);
    EXPECT_EQ(Ticks(f), (PrintTicks{1, 0, 0, 0, 0, 0, 0, 0, 0, 1}));

    // OK may be pressed again.
    sandbox.printer.expectDialog(PrinterDialogKind::Print, false);
    Click(f, "Command1");
    EXPECT_TRUE(f.isVisible());
}

TEST_F(FrmPrintListTest, AFailedRunShowsOneMessageAfterwardsAndKeepsTheDialogOpen) {
    FrmPrintList f({});  // no dialog can be loaded
    f.show();
    Box(f, 3)->setChecked(true);
    sandbox.printer.expectDialog(PrinterDialogKind::Print);
    sandbox.prompts.expect("PrintDataError\nthe report cannot load FrmOption", platform::Buttons::Ok,
                           platform::Answer::Ok);
    Click(f, "Command1");
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(PrintOK);
    EXPECT_TRUE(Box(f, 3)->isChecked());
    EXPECT_FALSE(sandbox.printer.lastDocument().ended());
}

TEST_F(FrmPrintListTest, AfterSetTheRunsAskWithTheSetUpVariant) {
    FrmPrintList f({});
    f.show();
    EXPECT_EQ(f.PrinterDialogVariant(), PrinterDialogKind::Print);
    // A cancelled set-up says nothing, and the dialog stays as it was.
    sandbox.printer.expectDialog(PrinterDialogKind::SetUp, false);
    Click(f, "CommandSet");
    EXPECT_TRUE(f.isVisible());
    Box(f, 7)->setChecked(true);
    sandbox.printer.expectDialog(PrinterDialogKind::SetUp);
    Click(f, "Command1");
    EXPECT_EQ(sandbox.printer.dialogsShown(),
              (std::vector<PrinterDialogKind>{PrinterDialogKind::SetUp, PrinterDialogKind::SetUp}));
    EXPECT_TRUE(PrintOK);

    // A new dialog starts with the print variant again.
    FrmPrintList next({});
    EXPECT_EQ(next.PrinterDialogVariant(), PrinterDialogKind::Print);
}

TEST_F(FrmPrintListTest, CancelClosesWithoutPrinting) {
    FrmPrintList f({});
    f.show();
    Box(f, 0)->setChecked(true);
    Click(f, "Command2");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_TRUE(sandbox.printer.dialogsShown().empty());
}

}  // namespace
