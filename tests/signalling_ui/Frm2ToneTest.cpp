// The two-tone dialog: what a hidden load fills, the cell editors over the
// call grid (commit, Enter, the first-tone redirect, scrolling), the tone
// boxes, OK with its header bytes and channel repair, and Cancel.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include "ChannelTestRecords.h"
#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "core/LangText.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "platform/Twips.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/TextBox.h"
#include "signalling/TwoToneEdit.h"
#include "signalling/ui/Frm2Tone.h"

using platform::Ctl;

namespace {

std::string O(int key) { return GetOptionText(key); }

class RedrawCounter : public MainWindowView {
public:
    void ReShowListByData() override { ++redraws; }
    int redraws = 0;
};

class Frm2ToneTest : public testing::Test {
protected:
    void SetUp() override { StartWithoutChannels(); }
    Frm2Tone& Open() {
        dialog = std::make_unique<Frm2Tone>();
        grid = Ctl<platform::Grid>(dialog.get(), "MSHFlexGrid1");
        return *dialog;
    }
    void Show() {
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QApplication::processEvents();
    }
    platform::TextBox* Box(const char* name, int index = -1) { return Ctl<platform::TextBox>(dialog.get(), name, index); }
    platform::ComboBox* Combo(const char* name, int index) { return Ctl<platform::ComboBox>(dialog.get(), name, index); }
    std::string Cell(int row, int col) { return platform::Utf8(grid->TextMatrix(row, col)); }
    std::pair<int, int> Current() { return {grid->Row(), grid->Col()}; }
    // The open editor: which one, over which cell, its text.
    std::string OpenEditor() {
        for (const char* name : {"Text1", "Text3"})
            if (platform::IsShown(Box(name))) return name;
        return "";
    }
    bool EditorOverCurrentCell(const char* name) {
        QWidget* editor = Box(name);
        const QRect cell = grid->CellRect();
        const QPoint at = editor->parentWidget()->mapFrom(dialog.get(), grid->mapTo(dialog.get(), cell.topLeft()));
        return editor->geometry() == QRect(at, cell.size());
    }
    void Enter(const char* editor) { Key(Box(editor), Qt::Key_Return); }
    void TypeInto(const char* editor, const QString& text) {
        Box(editor)->selectAll();
        Type(Box(editor), text);
    }
    const Tone2Item& Call(int r) { return TempFunSetData.Tone2.Tone2List[r]; }

    ProgramSandbox sandbox;
    std::unique_ptr<Frm2Tone> dialog;
    platform::Grid* grid = nullptr;
};

TEST_F(Frm2ToneTest, AHiddenLoadFillsEveryControl) {
    CurData.FunSet.Tone2.Tone2Set.ToneA.set(0);
    CurData.FunSet.Tone2.Tone2Set.SideTone = 2;
    const FunSetData before = CurData.FunSet;
    Open();
    ASSERT_TRUE(dialog->isHidden());
    EXPECT_TRUE(dialog->IsTone2Loaded());
    EXPECT_EQ(platform::Utf8(dialog->windowTitle()), O(60051));
    auto* tabs = Ctl<QTabWidget>(dialog.get(), "SSTab1");
    EXPECT_EQ(platform::Utf8(tabs->tabText(0)), O(60043));
    EXPECT_EQ(platform::Utf8(tabs->tabText(1)), O(60044));
    EXPECT_EQ(platform::Utf8(Ctl<QLabel>(dialog.get(), "Label1", 3)->text()), O(60048));
    EXPECT_EQ(platform::Utf8(Ctl<QLabel>(dialog.get(), "Label1", 4)->text()), O(60307));
    EXPECT_EQ(platform::Utf8(Ctl<QLabel>(dialog.get(), "Label2", 1)->text()), O(60050));
    EXPECT_EQ(platform::Utf8(Ctl<QLabel>(dialog.get(), "Label3", 2)->text()), "C" + O(60056));
    EXPECT_EQ(platform::Utf8(Ctl<QCheckBox>(dialog.get(), "Check1")->text()), O(60312));
    EXPECT_EQ(platform::Utf8(Ctl<QPushButton>(dialog.get(), "CommandOK")->text()), O(60024));
    EXPECT_EQ(platform::Utf8(Ctl<QPushButton>(dialog.get(), "CommandCancel")->text()), O(60025));

    ASSERT_EQ(grid->Rows(), 25);
    ASSERT_EQ(grid->Cols(), 4);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(Cell(0, c), O(c < 3 ? 60053 + c : 60304)) << c;
    EXPECT_EQ(grid->CellForeColor(0, 2), QColor(0, 0, 155));
    EXPECT_EQ(grid->CellForeColor(7, 0), QColor(0, 0, 255));
    for (int r = 1; r <= 24; ++r) EXPECT_EQ(Cell(r, 0), std::to_string(r - 1));
    EXPECT_EQ(Cell(1, 1), "321.7");
    EXPECT_EQ(Cell(1, 2), "928.1");
    for (int r = 2; r <= 24; ++r) EXPECT_EQ(Cell(r, 1) + Cell(r, 2) + Cell(r, 3), "") << r;

    EXPECT_EQ(Combo("Combo1", 0)->ListCount(), 96);
    EXPECT_EQ(Combo("Combo1", 2)->Text(), "1.0");
    EXPECT_EQ(Combo("Combo1", 3)->Text(), "0");
    EXPECT_EQ(Combo("Combo1", 4)->ListCount(), 251);
    EXPECT_EQ(Combo("Combo2", 0)->Text(), "A-B");
    EXPECT_EQ(Combo("Combo2", 1)->ListCount(), 3);
    EXPECT_EQ(Combo("Combo2", 1)->Text(), O(60057));
    const char* tones[] = {"321.7", "928.1", "626.5", "2043.8"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(platform::Utf8(Box("Text2", i)->text()), tones[i]) << i;
    EXPECT_TRUE(Box("Text2", 0)->isEnabled());
    EXPECT_TRUE(Box("Text2", 1)->isEnabled());
    EXPECT_FALSE(Box("Text2", 2)->isEnabled());
    EXPECT_FALSE(Box("Text2", 3)->isEnabled());
    EXPECT_EQ(platform::CheckValue(Ctl<QCheckBox>(dialog.get(), "Check1")), 0);
    EXPECT_EQ(OpenEditor(), "");
    EXPECT_EQ(std::make_pair(dialog->CurTone2Row(), dialog->CurTone2Col()), std::make_pair(0, 0));

    // Defaults go into the working copy only.
    EXPECT_EQ(TempFunSetData.Tone2.Tone2Set.ToneA.bytes, (std::array<uint8_t, 2>{145, 12}));
    EXPECT_EQ(TempFunSetData.Tone2.Tone2Set.SideTone, 0);
    EXPECT_EQ(CurData.FunSet, before);
}

TEST_F(Frm2ToneTest, ThePairEnablesItsToneBoxes) {
    CurData.FunSet.Tone2.Tone2Set.DecPair = 15;
    Open();
    EXPECT_EQ(Combo("Combo2", 0)->Text(), "A-B");
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(Box("Text2", i)->isEnabled()) << "a pair outside the list enables none";
    Combo("Combo2", 0)->SetListIndex(13);  // Long B
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Box("Text2", i)->isEnabled(), i == 1) << i;
    Combo("Combo2", 0)->SetListIndex(11);  // D-C
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Box("Text2", i)->isEnabled(), i >= 2) << i;
}

TEST_F(Frm2ToneTest, EditingCallsInTheGrid) {
    Open();
    Show();
    grid->SetCurrentCell(2, 1);
    EXPECT_EQ(OpenEditor(), "Text1");
    EXPECT_TRUE(EditorOverCurrentCell("Text1"));
    EXPECT_TRUE(Box("Text1")->hasFocus());
    TypeInto("Text1", "5000");
    Enter("Text1");
    EXPECT_EQ(Cell(2, 1), "3116.0");
    EXPECT_EQ(Call(2).Tone1.bytes, (std::array<uint8_t, 2>{0x79, 0xB8}));
    EXPECT_EQ(Call(2).Div1.bytes, (std::array<uint8_t, 2>{0x00, 0xC0}));
    EXPECT_EQ(Call(2).EmptyFlag, 0);
    EXPECT_EQ(Current(), std::make_pair(2, 2)) << "on to the second tone";
    EXPECT_EQ(OpenEditor(), "Text1");

    Enter("Text1");  // no second tone
    EXPECT_EQ(Current(), std::make_pair(2, 3));
    EXPECT_EQ(OpenEditor(), "Text3");
    EXPECT_TRUE(EditorOverCurrentCell("Text3"));
    TypeInto("Text3", "BA\\S~E12345");
    EXPECT_EQ(Box("Text3")->text(), "BASE123");
    Enter("Text3");
    EXPECT_EQ(Cell(2, 3), "BASE123");
    EXPECT_EQ(Call(2).Name.raw(), "BASE123");
    EXPECT_EQ(Current(), std::make_pair(3, 1));
    EXPECT_EQ(OpenEditor(), "Text1");

    // A name cell of a row without a first tone opens its first tone.
    grid->SetCurrentCell(5, 3);
    EXPECT_EQ(Current(), std::make_pair(5, 1));
    EXPECT_EQ(OpenEditor(), "Text1");
    EXPECT_TRUE(EditorOverCurrentCell("Text1"));
    // ... unless the first tone was just typed into that row's editor.
    TypeInto("Text1", "1000");
    grid->SetCurrentCell(5, 3);
    EXPECT_EQ(Cell(5, 1), "1000.0");
    EXPECT_EQ(Call(5).EmptyFlag, 0);
    EXPECT_EQ(Current(), std::make_pair(5, 3));
    EXPECT_EQ(OpenEditor(), "Text3");

    // A lone point empties the call and leaves the editor on its first tone.
    grid->SetCurrentCell(1, 1);
    TypeInto("Text1", ".");
    Enter("Text1");
    EXPECT_EQ(Cell(1, 1) + Cell(1, 2) + Cell(1, 3), "");
    EXPECT_EQ(Call(1).EmptyFlag, 1);
    EXPECT_EQ(Call(1).Div2.value(), 0);
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    EXPECT_EQ(Box("Text1")->text(), "");
}

TEST_F(Frm2ToneTest, EnterWrapsFromTheLastCallToTheFirstAndKeepsTheEditorInView) {
    Open();
    Show();
    grid->SetCurrentCell(12, 1);
    for (int r = 12; r < 24; ++r) {
        Enter("Text1");  // empty: down one row
        EXPECT_EQ(Current(), std::make_pair(r + 1, 1));
        EXPECT_TRUE(grid->viewport()->geometry().contains(grid->CellRect())) << "row " << r + 1 << " is in view";
        EXPECT_TRUE(EditorOverCurrentCell("Text1")) << r + 1;
    }
    EXPECT_GT(grid->verticalScrollBar()->value(), 0);
    TypeInto("Text1", "700");
    grid->SetCurrentCell(24, 3);
    Enter("Text3");
    EXPECT_EQ(Cell(24, 1), "700.0");
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    EXPECT_TRUE(grid->viewport()->geometry().contains(grid->CellRect()));
    EXPECT_EQ(Cell(1, 1), "321.7") << "the scroll back committed nothing into row 1";

    // Enter in an empty first tone of row 24 empties its call and opens row 1.
    grid->SetCurrentCell(24, 1);
    Box("Text1")->clear();
    Enter("Text1");
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    EXPECT_EQ(Call(24).EmptyFlag, 1);
    EXPECT_EQ(Cell(24, 1), "");
    EXPECT_EQ(Box("Text1")->text(), "321.7");
}

TEST_F(Frm2ToneTest, ScrollingCommitsTheOpenEditor) {
    Open();
    Show();
    grid->SetCurrentCell(1, 2);
    TypeInto("Text1", "700");
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    EXPECT_EQ(Cell(1, 2), "700.0");
    EXPECT_EQ(Call(1).Tone2.value(), 7000);
    EXPECT_EQ(OpenEditor(), "");

    grid->verticalScrollBar()->setValue(0);
    grid->SetCurrentCell(1, 3);
    const QRect at = Box("Text3")->geometry();
    TypeInto("Text3", "NORTH");
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    EXPECT_EQ(Cell(1, 3), "NORTH");
    EXPECT_EQ(Call(1).Name.raw(), "NORTH  ");
    EXPECT_EQ(OpenEditor(), "Text3") << "the name editor stays where it was";
    EXPECT_EQ(Box("Text3")->geometry(), at);
}

TEST_F(Frm2ToneTest, ToneBoxesAreLimitedWhenLeftAndAgainAtOK) {
    CurData.FunSet.Tone2.Tone2Set.ToneB.set(2500);  // 250.0 Hz, never touched
    Open();
    Show();
    Ctl<QTabWidget>(dialog.get(), "SSTab1")->setCurrentIndex(1);
    auto* a = Box("Text2", 0);
    a->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    a->selectAll();
    Type(a, "25x0");
    EXPECT_EQ(a->text(), "250");
    Key(a, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_FALSE(a->hasFocus());
    EXPECT_EQ(a->text(), "288");

    dialog->CommandOK_Click();
    EXPECT_EQ(Box("Text2", 1)->text(), "280");
    const Tone2Head& h = CurData.FunSet.Tone2.Tone2Set;
    EXPECT_EQ(h.ToneA.value(), 2880);
    EXPECT_EQ(h.ToneB.value(), 2800);
    EXPECT_EQ(h.DecTone1.value(), 2880) << "pair A-B decodes tone A";
    EXPECT_EQ(h.DecTone2.value(), 2800);
}

TEST_F(Frm2ToneTest, OKStoresTheWorkingCopyAndRepointsChannels) {
    RedrawCounter view;
    ScopedMainView installed(&view);
    UFreData ch = UsedChannel(1, "145000000");
    ch.OptSig = 2;
    ch.Tone2No = 4;  // call 5: empty
    AddNormalChannel(ch);
    UFreData kept = UsedChannel(2, "146000000");
    kept.OptSig = 2;
    kept.Tone2No = 2;  // call 3: made used below
    AddNormalChannel(kept);

    Open();
    Show();
    grid->SetCurrentCell(3, 1);
    TypeInto("Text1", "1500");
    Enter("Text1");
    TypeInto("Text1", "2000");  // the last editor, never left: OK commits it
    Combo("Combo1", 0)->SetListIndex(3);
    Combo("Combo2", 0)->SetListIndex(12);  // Long A
    dialog->CommandOK_Click();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(CurData.FunSet, TempFunSetData);
    const Tone2Data& t = CurData.FunSet.Tone2;
    EXPECT_EQ(t.Tone2List[3].Tone1.value(), 15000);
    EXPECT_EQ(t.Tone2List[3].Tone2.value(), 20000);
    EXPECT_EQ(t.Tone2List[3].Div2.value(), 300);
    EXPECT_EQ(t.Tone2Set.Time20, 8);
    EXPECT_EQ(t.Tone2Set.DecPair, 12);
    EXPECT_EQ(t.Tone2Set.DecTone1.value(), 3217);
    EXPECT_EQ(t.Tone2Set.DecDiv1.value(), 14920);
    EXPECT_EQ(t.Tone2Set.DecTone2.value(), 0);
    EXPECT_EQ(t.Tone2Set.DecDiv2.value(), 0);
    EXPECT_EQ(UFreList[0].Tone2No, 0) << "re-pointed at the first call in use";
    EXPECT_EQ(UFreList[1].Tone2No, 2);
    EXPECT_EQ(view.redraws, 1);
}

TEST_F(Frm2ToneTest, OKStoresEveryTimeAndTheDecodeResponseAsPicked) {
    struct Case {
        const char* list;
        int index;
        int item;  // neither the loaded item nor the list's fallback
        int stored;
        int (*field)(const Tone2Head&);
    };
    const Case cases[] = {
        {"Combo1", 0, 3, 8, [](const Tone2Head& h) { return int{h.Time20}; }},
        {"Combo1", 1, 7, 12, [](const Tone2Head& h) { return int{h.Time21}; }},
        {"Combo1", 2, 9, 14, [](const Tone2Head& h) { return int{h.Time22}; }},
        {"Combo1", 3, 4, 4, [](const Tone2Head& h) { return int{h.Time23}; }},
        {"Combo1", 4, 100, 100, [](const Tone2Head& h) { return int{h.Time9}; }},
        {"Combo2", 1, 2, 2, [](const Tone2Head& h) { return int{h.DecodeResp}; }},
    };
    Open();
    for (const Case& c : cases) {
        ASSERT_NE(Combo(c.list, c.index)->ListIndex(), c.item) << c.list << "(" << c.index << ")";
        Combo(c.list, c.index)->SetListIndex(c.item);
    }
    dialog->CommandOK_Click();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    for (const Case& c : cases)
        EXPECT_EQ(c.field(CurData.FunSet.Tone2.Tone2Set), c.stored) << c.list << "(" << c.index << ")";
}

TEST_F(Frm2ToneTest, CancelLeavesTheWorkingDataAsItWas) {
    CurData.FunSet.Tone2.Tone2Set.ToneC.set(0);
    const FunSetData before = CurData.FunSet;
    Open();
    Show();
    grid->SetCurrentCell(1, 1);
    TypeInto("Text1", "400");
    Enter("Text1");
    Combo("Combo1", 4)->SetListIndex(100);
    Box("Text2", 0)->setText("1000");
    dialog->CommandCancel_Click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(CurData.FunSet, before);
}

}  // namespace
