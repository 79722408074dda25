// The batch channel editor as a window: what a load shows, the edit-item
// boxes and their file, the rules that tie the controls together, the boxes'
// keys and checks, the panel toggle, and Apply.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "channels/BatchFun.h"
#include "channels/ui/FrmCHBatch.h"
#include "core/BandPlan.h"
#include "core/ChannelRecord.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextBox.h"

namespace {

class RedrawCounter : public MainWindowView {
public:
    void ReShowListByData() override { ++redraws; }
    int redraws = 0;
};

const std::string kDefaultFlags = std::string(20, '\x01') + std::string(1, '\0');

class FrmCHBatchTest : public testing::Test {
protected:
    void SetUp() override {
        LangIndex = 1;
        LangFilePath = "language/english.ini";
        PCBand = 0;
        SetBandByType(0);
        InitHyperRange();
        InitRadioData();
        CurData.CHCount = 0;
    }
    // Start-up with the given BatchFun.ini ("": none).
    void StartWith(const std::string& file) {
        if (!file.empty()) sandbox.write("BatchFun.ini", file);
        LoadBatchFun();
    }

    platform::TextBox* Text(const char* name, int index = -1) {
        return platform::Ctl<platform::TextBox>(&dialog(), name, index);
    }
    platform::ComboBox* Combo(int index) { return platform::Ctl<platform::ComboBox>(&dialog(), "Combo1", index); }
    QCheckBox* Check(const char* name, int index) { return platform::Ctl<QCheckBox>(&dialog(), name, index); }
    QRadioButton* Option(const char* name, int index) { return platform::Ctl<QRadioButton>(&dialog(), name, index); }
    QWidget* W(const char* name, int index = -1) { return platform::Ctl<QWidget>(&dialog(), name, index); }
    void Click(const char* name) { platform::Ctl<QPushButton>(&dialog(), name)->click(); }
    static std::string S(const QString& q) { return q.toStdString(); }

    FrmCHBatch& dialog() {
        if (!dialog_) dialog_ = std::make_unique<FrmCHBatch>();
        return *dialog_;
    }
    void ShowActive() {
        dialog().show();
        QApplication::setActiveWindow(&dialog());
    }

    ProgramSandbox sandbox;
    RedrawCounter view;
    ScopedMainView installed{&view};
    std::unique_ptr<FrmCHBatch> dialog_;
};

TEST_F(FrmCHBatchTest, AHiddenLoadFillsTheListsAndShowsTheDefaults) {
    StartWith("");
    ASSERT_EQ(sandbox.read("BatchFun.ini"), kDefaultFlags);
    FrmCHBatch& d = dialog();
    EXPECT_EQ(S(d.windowTitle()), "Batch Channel Edit");
    for (int list : {0, 1}) {
        ASSERT_EQ(Combo(list)->ListCount(), 1077);
        EXPECT_EQ(Combo(list)->List(0), "None");
        EXPECT_EQ(Combo(list)->List(51), "254.1");
        EXPECT_EQ(Combo(list)->List(52), "User CTCSS (Hz)");
        EXPECT_EQ(Combo(list)->List(564), "D777N");
        EXPECT_EQ(Combo(list)->List(1076), "D777I");
        EXPECT_EQ(Combo(list)->ListIndex(), 0);
    }
    EXPECT_EQ(Combo(4)->List(1), "Mid1");
    EXPECT_EQ(Combo(9)->ListCount(), 12);
    EXPECT_EQ(Combo(11)->ListCount(), 0) << "no DTMF memory holds digits";
    for (int list : {11, 12, 13})
        EXPECT_EQ(Combo(list)->ListIndex(), Combo(list)->ListCount() > 0 ? 0 : -1) << "an empty list selects nothing";
    const std::pair<int, const char*> texts[] = {{0, "108.00000"}, {1, "0"}, {2, "0.00000"}, {3, "136.00000"},
                                                 {4, "0"},         {5, "0"}, {6, "0"},       {7, ""},
                                                 {8, "0"},         {9, "0"}, {10, "000"},    {11, "0"}};
    for (const auto& [box, text] : texts) EXPECT_EQ(S(Text("Text2", box)->text()), text) << box;
    EXPECT_EQ(S(Text("Text3")->text()), "151.1");
    EXPECT_EQ(S(Text("Text1", 0)->text()), "1");
    EXPECT_EQ(S(Text("Text1", 1)->text()), "758");

    EXPECT_FALSE(d.PanelFlag());
    EXPECT_TRUE(platform::IsShown(W("Frame1")));
    EXPECT_FALSE(platform::IsShown(W("Frame2")));
    EXPECT_EQ(S(platform::Ctl<QPushButton>(&d, "CommandFun")->text()), "&Items >>");

    for (int box = 0; box < 21; ++box)
        EXPECT_EQ(platform::CheckValue(Check("Check2", box)), box == 19 ? 0 : 1) << "Check2(" << box << ")";
    for (auto [name, index] : {std::pair{"Text2", 0}, {"Option3", 2}, {"Combo1", 0}, {"Text2", 9}, {"Combo1", 13},
                               {"Label3", 12}, {"Check1", 3}, {"Label5", -1}, {"Text3", -1}})
        EXPECT_TRUE(platform::IsShown(W(name, index))) << name << "(" << index << ")";
    for (auto [name, index] : {std::pair{"Check1", 4}, {"Check1", 5}, {"Check2", 18}, {"Check2", 19}, {"Text2", 10},
                               {"Label3", 5}, {"Frame3", 6}})
        EXPECT_FALSE(platform::IsShown(W(name, index))) << name << "(" << index << ")";

    // The rules the defaults ran.
    for (auto [name, index] : {std::pair{"Text1", 0}, {"Text1", 1}, {"Text2", 2}, {"Option4", 0}, {"Text2", 3},
                               {"Text2", 4}, {"Option5", 1}, {"Text2", 8}, {"Text2", 9}, {"Option7", 0},
                               {"Combo1", 11}, {"Combo1", 12}, {"Combo1", 13}, {"Check3", 1}, {"Combo1", 1},
                               {"Text2", 6}, {"Option10", 1}})
        EXPECT_FALSE(W(name, index)->isEnabled()) << name << "(" << index << ")";
    for (auto [name, index] : {std::pair{"Combo1", 0}, {"Text2", 5}, {"Text2", 7}, {"Option9", 0}})
        EXPECT_TRUE(W(name, index)->isEnabled()) << name << "(" << index << ")";
    for (const char* group : {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7", "Option8",
                              "Option9", "Option10"})
        EXPECT_TRUE(Option(group, 0)->isChecked()) << group;

    EXPECT_EQ(sandbox.read("BatchFun.ini"), kDefaultFlags) << "the load rewrote the file with the same bytes";
    EXPECT_EQ(view.redraws, 0);
}

TEST_F(FrmCHBatchTest, ItemsThatAreOffHideTheirValuesAndFlag20IsClearedAtStart) {
    StartWith(std::string(20, '\0') + std::string(1, '\x01'));
    EXPECT_EQ(BatchFunFlag[20], 0);
    dialog();
    for (int box = 0; box < 21; ++box) EXPECT_EQ(platform::CheckValue(Check("Check2", box)), 0) << box;
    for (auto [name, index] : {std::pair{"Label3", 0}, {"Text2", 0}, {"Option3", 0}, {"Combo1", 1}, {"Text2", 7},
                               {"Combo1", 2}, {"Combo1", 11}, {"Combo1", 8}, {"Check1", 0}, {"Combo1", 14},
                               {"Text3", -1}, {"Check1", 5}})
        EXPECT_FALSE(platform::IsShown(W(name, index))) << name << "(" << index << ")";
    EXPECT_TRUE(platform::IsShown(W("Frame3", 7))) << "option frames stay; only their contents hide";
    EXPECT_EQ(sandbox.read("BatchFun.ini"), std::string(20, '\0') + std::string(1, '\x01'))
        << "no box turned on, so the load wrote nothing";

    // The next edit-item click writes flag 20's cleared byte.
    Check("Check2", 0)->setChecked(true);
    EXPECT_EQ(sandbox.read("BatchFun.ini"), std::string(1, '\x01') + std::string(20, '\0'));
}

TEST_F(FrmCHBatchTest, EditItemBoxesSetTheirFlagByteAndShowTheirRow) {
    StartWith("");
    dialog();
    Check("Check2", 11)->setChecked(false);
    std::string expected = kDefaultFlags;
    expected[13] = 0;
    EXPECT_EQ(sandbox.read("BatchFun.ini"), expected);
    EXPECT_FALSE(platform::IsShown(W("Label3", 12)));
    EXPECT_FALSE(platform::IsShown(W("Combo1", 8)));

    Check("Check2", 20)->setChecked(false);
    EXPECT_FALSE(platform::IsShown(W("Text3")));
    Check("Check2", 20)->setChecked(true);
    EXPECT_EQ(sandbox.read("BatchFun.ini")[14], 1);
    EXPECT_TRUE(platform::IsShown(W("Label5")));
    EXPECT_TRUE(platform::IsShown(W("Text3")));
}

TEST_F(FrmCHBatchTest, SelectAllAndNoneChangeOnlyTheShownBoxes) {
    StartWith("");
    dialog();
    Click("CommandSelNone");
    std::string none(21, '\0');
    none[19] = 1;
    EXPECT_EQ(sandbox.read("BatchFun.ini"), none);
    EXPECT_EQ(platform::CheckValue(Check("Check2", 18)), 1) << "a hidden box keeps its value";
    EXPECT_FALSE(platform::IsShown(W("Text2", 0)));

    Click("CommandSelAll");
    EXPECT_EQ(sandbox.read("BatchFun.ini"), kDefaultFlags);
    EXPECT_EQ(platform::CheckValue(Check("Check2", 19)), 0);
    EXPECT_FALSE(platform::IsShown(W("Check1", 5)));
    EXPECT_TRUE(platform::IsShown(W("Text2", 0)));
}

TEST_F(FrmCHBatchTest, ListRulesEnableTheCodeListAndKeepPTTIDAndAMApart) {
    CurData.FunSet.DTMF.DTMFCode[0].CodeLen = 2;
    CurData.FunSet.DTMF.DTMFCode[2].CodeLen = 5;
    StartWith("");
    dialog();
    EXPECT_EQ(Combo(11)->List(1), "M3");
    struct Case {
        int signalling;
        bool dtmf, tone2, tone5;
    };
    for (const Case& c : {Case{3, false, false, true}, Case{1, true, false, false}, Case{2, false, true, false},
                          Case{0, false, false, false}}) {
        Combo(5)->SetListIndex(c.signalling);
        EXPECT_EQ(Combo(11)->isEnabled(), c.dtmf) << c.signalling;
        EXPECT_EQ(Combo(12)->isEnabled(), c.tone2) << c.signalling;
        EXPECT_EQ(Combo(13)->isEnabled(), c.tone5) << c.signalling;
    }

    Combo(8)->SetListIndex(1);  // AM
    Combo(7)->SetListIndex(2);
    EXPECT_EQ(Combo(8)->ListIndex(), 0) << "a PTT ID sets FM back";
    Combo(8)->SetListIndex(1);
    EXPECT_EQ(Combo(7)->ListIndex(), 0) << "AM turns the PTT ID off";
    EXPECT_EQ(Combo(8)->ListIndex(), 1);
}

TEST_F(FrmCHBatchTest, RandomAndDefaultToneBoxesEnableTheToneControls) {
    StartWith("");
    dialog();
    auto encodeEnabled = [&] {
        return W("Combo1", 1)->isEnabled() && W("Text2", 6)->isEnabled() && W("Option10", 0)->isEnabled() &&
               W("Option10", 1)->isEnabled();
    };
    Check("Check3", 1)->setChecked(true);
    EXPECT_FALSE(encodeEnabled()) << "the default box still holds them";
    Check("Check3", 2)->setChecked(false);
    EXPECT_TRUE(W("Check3", 1)->isEnabled());
    EXPECT_FALSE(encodeEnabled()) << "the random box holds them";
    Check("Check3", 1)->setChecked(false);
    EXPECT_TRUE(encodeEnabled());
    Check("Check3", 2)->setChecked(true);
    EXPECT_FALSE(W("Check3", 1)->isEnabled());
    EXPECT_FALSE(encodeEnabled());

    Check("Check3", 0)->setChecked(true);
    for (auto [name, index] : {std::pair{"Combo1", 0}, {"Text2", 5}, {"Option9", 0}, {"Option9", 1}})
        EXPECT_FALSE(W(name, index)->isEnabled()) << name;
    Check("Check3", 0)->setChecked(false);
    EXPECT_TRUE(W("Combo1", 0)->isEnabled());
}

TEST_F(FrmCHBatchTest, OptionButtonsEnableTheirGroups) {
    StartWith("");
    dialog();
    Option("Option1", 1)->setChecked(true);
    EXPECT_TRUE(W("Text1", 0)->isEnabled() && W("Text1", 1)->isEnabled());
    Option("Option3", 1)->setChecked(true);
    EXPECT_TRUE(W("Text2", 2)->isEnabled() && W("Option4", 1)->isEnabled());
    EXPECT_FALSE(W("Text2", 3)->isEnabled() || W("Text2", 4)->isEnabled() || W("Option5", 0)->isEnabled());
    Option("Option3", 2)->setChecked(true);
    EXPECT_FALSE(W("Text2", 2)->isEnabled() || W("Option4", 0)->isEnabled());
    EXPECT_TRUE(W("Text2", 3)->isEnabled() && W("Text2", 4)->isEnabled() && W("Option5", 1)->isEnabled());
    Option("Option3", 1)->setChecked(true);
    EXPECT_FALSE(W("Text2", 3)->isEnabled() || W("Option5", 1)->isEnabled()) << "back from the own start";
    Option("Option3", 0)->setChecked(true);
    EXPECT_FALSE(W("Text2", 2)->isEnabled() || W("Option4", 1)->isEnabled() || W("Text2", 4)->isEnabled());
    Option("Option6", 1)->setChecked(true);
    EXPECT_TRUE(W("Text2", 8)->isEnabled() && W("Text2", 9)->isEnabled() && W("Option7", 1)->isEnabled());
    EXPECT_TRUE(W("Text2", 7)->isEnabled());
    Option("Option1", 0)->setChecked(true);
    EXPECT_FALSE(W("Text1", 0)->isEnabled());
}

TEST_F(FrmCHBatchTest, BoxesFilterKeysAndClampWhileTyping) {
    StartWith("");
    ShowActive();
    Option("Option1", 1)->setChecked(true);
    auto* first = Text("Text1", 0);
    first->setFocus();
    first->selectAll();
    Key(first, Qt::Key_Backspace, Qt::NoModifier, "\b");
    EXPECT_EQ(S(first->text()), "0") << "an empty range box shows 0 at once";
    first->selectAll();
    Type(first, "9a9.9");
    EXPECT_EQ(S(first->text()), "758");

    auto* step = Text("Text2", 1);
    step->setFocus();
    step->selectAll();
    Type(step, "2000");
    EXPECT_EQ(S(step->text()), "1000");

    auto* rx = Text("Text2", 0);
    rx->setText("");
    Type(rx, "14x5.1-");
    EXPECT_EQ(S(rx->text()), "145.1");

    Option("Option6", 1)->setChecked(true);
    auto* name = Text("Text2", 7);
    Type(name, "Ab-1 \u00e9Cdefgh");
    EXPECT_EQ(S(name->text()), "Ab1Cdef") << "letters and digits, seven at most";

    auto* tone = Text("Text3");
    tone->setText("");
    Type(tone, "67x");
    EXPECT_EQ(S(tone->text()), "67");
}

TEST_F(FrmCHBatchTest, LeavingABoxChecksItAndEnterChecksBeforeMovingOn) {
    StartWith("");
    ShowActive();
    auto* step = Text("Text2", 1);
    step->setFocus();
    step->setText("7");
    Key(step, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(S(step->text()), "5");
    EXPECT_NE(QApplication::focusWidget(), step) << "Enter moved the focus on";

    auto* offset = Text("Text2", 2);
    Option("Option3", 1)->setChecked(true);
    offset->setFocus();
    offset->setText("5.0063");
    Text("Text2", 5)->setFocus();
    EXPECT_EQ(S(offset->text()), "5.00500");

    Option("Option6", 1)->setChecked(true);
    Text("Text2", 8)->setText("007");
    auto* numberStep = Text("Text2", 9);
    numberStep->setFocus();
    numberStep->setText("12345");
    Text("Text2", 7)->setFocus();
    EXPECT_EQ(S(numberStep->text()), "123");
    EXPECT_EQ(S(Text("Text2", 7)->text()), "") << "the name box is never changed by leaving it";

    auto* tone = Text("Text3");
    tone->setFocus();
    tone->setText("300");
    Text("Text2", 0)->setFocus();
    EXPECT_EQ(S(tone->text()), "151.1");
}

TEST_F(FrmCHBatchTest, TheToggleSwapsThePanels) {
    StartWith("");
    dialog();
    Click("CommandFun");
    EXPECT_TRUE(dialog().PanelFlag());
    EXPECT_FALSE(platform::IsShown(W("Frame1")));
    EXPECT_TRUE(platform::IsShown(W("Frame2")));
    EXPECT_EQ(S(platform::Ctl<QPushButton>(&dialog(), "CommandFun")->text()), "<< &Values");
    Click("CommandFun");
    EXPECT_TRUE(platform::IsShown(W("Frame1")));
    EXPECT_FALSE(platform::IsShown(W("Frame2")));
    EXPECT_EQ(S(platform::Ctl<QPushButton>(&dialog(), "CommandFun")->text()), "&Items >>");
}

TEST_F(FrmCHBatchTest, ApplyWritesTheRangeRedrawsOnceAndShowsTheCheckedBoxes) {
    StartWith(std::string(21, '\0'));
    dialog();
    for (int box : {0, 4, 8}) Check("Check2", box)->setChecked(true);
    AddDefaultFreData(3, "430.0000", 0, 0);
    Option("Option1", 1)->setChecked(true);
    Text("Text1", 0)->setText("4");
    Text("Text1", 1)->setText("2");
    Text("Text2", 0)->setText("145");
    Text("Text2", 1)->setText("7");
    Option("Option6", 1)->setChecked(true);
    Text("Text2", 7)->setText("CH");
    Text("Text2", 8)->setText("1");
    Text("Text2", 9)->setText("1");
    Combo(5)->SetListIndex(2);
    Check("Check4", -1)->setChecked(true);
    AddDefaultFreData(9, "430.0000", 0, 0);

    Click("CommandApply");
    EXPECT_EQ(view.redraws, 1);
    EXPECT_EQ(CurData.CHCount, 3);
    for (int16_t no = 2; no <= 4; ++no) {
        const UFreData& ch = UFreList[static_cast<std::size_t>(GetCHIndex(no))];
        EXPECT_EQ(ch.RxFre.raw(), no == 2 ? "014500000" : no == 3 ? "014500500" : "014501000") << no;
        EXPECT_EQ(ch.CHName.value(), "CH" + std::to_string(no - 1)) << no;
        EXPECT_EQ(ch.OptSig, 2) << no;
    }
    EXPECT_LT(GetCHIndex(9), 0) << "deleted: outside the range";
    EXPECT_EQ(S(Text("Text2", 0)->text()), "145.00000");
    EXPECT_EQ(S(Text("Text2", 1)->text()), "5");
}

TEST_F(FrmCHBatchTest, ChineseCaptionsAndLabelsEndBeforeTheirBoxes) {
    LangIndex = 2;
    LangFilePath = "language/Tchinese.ini";
    StartWith("");
    FrmCHBatch& d = dialog();
    EXPECT_EQ(S(d.windowTitle()), "批量編輯頻道");
    EXPECT_EQ(S(platform::Ctl<QLabel>(&d, "Label4", 0)->text()), "起始頻率 (MHz)");
    EXPECT_EQ(Combo(0)->List(0), "無");
    const std::pair<int, std::pair<const char*, int>> labels[] = {
        {0, {"Text2", 0}}, {1, {"Text2", 1}}, {2, {"Text2", 4}}, {3, {"Combo1", 0}}, {4, {"Text2", 5}},
        {5, {"Combo1", 1}}, {6, {"Text2", 6}}, {7, {"Text2", 9}}, {8, {"Text2", 10}}, {9, {"Text2", 11}}};
    for (const auto& [label, box] : labels) {
        const QWidget* l = W("Label4", label);
        const QWidget* b = W(box.first, box.second);
        EXPECT_GE(l->x(), 0) << "Label4(" << label << ") starts inside";
        EXPECT_EQ(l->x() + l->width() + 7, b->x()) << "Label4(" << label << ") ends 100 twips before its box";
    }
}

}  // namespace
