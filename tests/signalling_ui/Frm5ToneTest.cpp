// The five-tone dialog: its load (also hidden, as the report reads it), the
// show step and its order, the standards' lists and view, the decode-code
// editor, the special-call and user-standard buttons, OK and Cancel.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "ChannelTestRecords.h"
#include "FiveToneTestCodes.h"
#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "WaitFor.h"
#include "core/LangText.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "platform/Twips.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlText.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/Grid.h"
#include "platform/ui/TextBox.h"
#include "signalling/ui/Frm5Tone.h"

namespace {

using platform::Ctl;

// The dialog with its two sub-dialogs replaced by observers.
class ObservedFrm5Tone : public Frm5Tone {
public:
    std::vector<SpecialTarget> specialTargets;
    std::function<void()> userStandard;

protected:
    void ShowSpecialCall() override { specialTargets.push_back(SpecialCallTarget); }
    void ShowUserStandard() override {
        if (userStandard) userStandard();
    }
};

class CountingView : public MainWindowView {
public:
    int redraws = 0;
    void ReShowListByData() override { ++redraws; }
};

class Frm5ToneTest : public testing::Test {
protected:
    void SetUp() override {
        StartWithoutChannels();
        Tone5().SelfID = "12345";
    }
    static Tone5Data& Tone5() { return CurData.FunSet.Tone5; }
    static Tone5Code UsedCode(std::string_view code, int standard = 0, int period = 70) {
        return UsedTone5Code(code, standard, period);
    }
    static platform::ComboBox* Combo(const QWidget& f, const char* name, int i = -1) {
        return Ctl<platform::ComboBox>(&f, name, i);
    }
    static platform::TextBox* Box(const QWidget& f, const char* name, int i = -1) {
        return Ctl<platform::TextBox>(&f, name, i);
    }
    static platform::Grid* Grid(const QWidget& f) { return Ctl<platform::Grid>(&f, "MSHFlexGrid1"); }
    static std::string Cell(const QWidget& f, int r, int c) { return Grid(f)->TextMatrix(r, c).toStdString(); }
    static std::string Caption(const QWidget& f, const char* name, int i = -1) {
        return platform::CaptionOf(platform::FindControl(&f, name, i));
    }
    static std::string Shown(const QWidget& f, const char* name, int i = -1) {
        return platform::ShownTextOf(platform::FindControl(&f, name, i));
    }
    // The tone-table view, line by line.
    static std::vector<std::string> View(const QWidget& f) {
        std::vector<std::string> lines;
        for (const QString& line : Ctl<QTextEdit>(&f, "Text1")->toPlainText().split('\n'))
            lines.push_back(line.toStdString());
        return lines;
    }
    static std::string O(int id) { return GetOptionText(id); }
    static void Show(QWidget& w) {
        w.show();
        QApplication::setActiveWindow(&w);
        EXPECT_TRUE(WaitFor([&] { return w.isActiveWindow(); }));
    }

    ProgramSandbox sandbox;
};

TEST_F(Frm5ToneTest, AHiddenLoadFillsEveryControlAsTheReportReadsIt) {
    TempFunSetData.Tone5.Standard = 9;  // left by an earlier opening
    Frm5Tone f;
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(TempFunSetData.Tone5, Tone5()) << "the load takes the working copy afresh";

    EXPECT_EQ(platform::Utf8(f.windowTitle()), O(60052));
    EXPECT_EQ(Caption(f, "Label1", 0), O(60072));
    EXPECT_EQ(Caption(f, "Label1", 1), GetLangText(3004));
    const int settingTexts[] = {60070, 60071, 60081, 60307, 60308, 60309, 60310, 60311, 60314, 60315, 60316};
    for (int i = 2; i <= 12; ++i) EXPECT_EQ(Caption(f, "Label1", i), O(settingTexts[i - 2])) << "Label1(" << i << ")";
    EXPECT_EQ(Caption(f, "Command4"), GetLangText(3104));
    for (const char* special : {"Command1", "Command2", "Command3"}) EXPECT_EQ(Caption(f, special), O(60062));
    EXPECT_EQ(Caption(f, "CommandOK"), O(60024));
    EXPECT_EQ(Caption(f, "CommandCancel"), O(60025));
    EXPECT_EQ(Caption(f, "Frame1", 0), O(60302));
    EXPECT_EQ(Caption(f, "Frame1", 1), O(60303));
    EXPECT_EQ(Caption(f, "Label2", 1), O(60079));
    EXPECT_EQ(Caption(f, "Check1"), O(60312));
    EXPECT_EQ(Caption(f, "Label3"), O(60095));
    const int decodeLabels[] = {60096, 60070, 60097, 60306};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Caption(f, "Label4", k), O(decodeLabels[k]));
    EXPECT_EQ(Caption(f, "Frame3"), GetLangText(3005) + "1");
    EXPECT_EQ(f.CurInfoCodeID, 1);
    EXPECT_EQ(f.CurTone5Row, 0);

    // The lists, as printing reads them.
    struct ListCase { const char* name; int index; int count; const char* first; const char* last; };
    const ListCase lists[] = {
        {"Combo1", 3, 71, "30", "100"},   {"Combo3", -1, 71, "30", "100"},  {"Combo5", 1, 71, "30", "100"},
        {"Combo1", 4, 255, "10", "2550"}, {"Combo1", 6, 255, "10", "2550"}, {"Combo1", 8, 255, "10", "2550"},
        {"Combo1", 5, 251, "0.0", "25.0"}, {"Combo1", 9, 256, "0", "2550"}, {"Combo1", 12, 251, "0", "2500"},
        {"Combo1", 11, 201, "0", "2000"}, {"Combo1", 7, 72, nullptr, "75"}, {"Combo1", 10, 5, nullptr, "F"},
        {"Combo6", -1, 16, "1", "16"},
    };
    for (const auto& l : lists) {
        const platform::ComboBox* list = Combo(f, l.name, l.index);
        ASSERT_EQ(list->ListCount(), l.count) << l.name << "(" << l.index << ")";
        EXPECT_EQ(list->List(0), l.first ? l.first : GetLangText(1755)) << l.name << "(" << l.index << ")";
        EXPECT_EQ(list->List(l.count - 1), l.last) << l.name << "(" << l.index << ")";
    }
    EXPECT_EQ(Combo(f, "Combo1", 7)->List(1), "5");
    for (auto [name, index] : {std::pair{"Combo1", 1}, {"Combo2", -1}, {"Combo4", 0}, {"Combo4", 1}}) {
        ASSERT_EQ(Combo(f, name, index)->ListCount(), 16) << name;
        EXPECT_EQ(Combo(f, name, index)->List(0), "ZVEI1") << name;
        EXPECT_EQ(Combo(f, name, index)->List(14), "EIA") << name;
        EXPECT_EQ(Combo(f, name, index)->List(15), GetLangText(3102)) << name;
    }
    EXPECT_EQ(Combo(f, "Combo1", 2)->ListCount(), 3);
    EXPECT_EQ(Combo(f, "Combo1", 2)->List(2), O(60059));
    EXPECT_EQ(Combo(f, "Combo7", 0)->List(3), O(60069));
    EXPECT_EQ(Combo(f, "Combo7", 0)->List(7), O(60100));

    // The grid.
    const platform::Grid* grid = Grid(f);
    ASSERT_EQ(grid->Rows(), 101);
    ASSERT_EQ(grid->Cols(), 6);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 2);
    const int headers[] = {60053, 60062, 60079, 60061, 60080, 60305};
    const int widths[] = {400, 1200, 4300, 1600, 1800, 1050};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(Cell(f, 0, c), O(headers[c])) << "header " << c;
        EXPECT_EQ(grid->ColWidthTwips(c), platform::TwipsFromPixels(platform::PixelsFromTwips(widths[c])));
        EXPECT_EQ(grid->CellForeColor(0, c), QColor(0, 0, 155));
    }
    EXPECT_EQ(Cell(f, 1, 0), "0");
    EXPECT_EQ(Cell(f, 100, 0), "99");
    EXPECT_EQ(grid->CellForeColor(100, 0), QColor(0, 0, 255));
    EXPECT_EQ(Cell(f, 1, 3), "ZVEI1") << "an empty entry shows the first standard";
    EXPECT_EQ(Cell(f, 1, 4), "70");
    EXPECT_EQ(grid->Row(), 100);
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(Shown(f, "Text2"), "12345");
    EXPECT_FALSE(Shown(f, "Text1").empty());
}

TEST_F(Frm5ToneTest, OptionTextsComeFromTheCurrentFileOnlyAndOtherTextsFallBack) {
    sandbox.write("language/Tchinese.ini", "[OTHER]\n3104=自定義制式\n[OPTION]\n60072=本機 ID\n");
    LangIndex = 2;
    LangFilePath = "language/Tchinese.ini";
    Frm5Tone f;
    EXPECT_EQ(platform::Utf8(f.windowTitle()), "") << "no caption and no English one";
    EXPECT_EQ(Caption(f, "Label1", 0), "本機 ID");
    EXPECT_EQ(Caption(f, "Command4"), "自定義制式");
    EXPECT_EQ(Caption(f, "Label1", 1), "System Standard") << "the English text of a missing OTHER key";
    EXPECT_EQ(Cell(f, 0, 2), "");
    EXPECT_EQ(Combo(f, "Combo7", 0)->ListCount(), 8) << "empty items still count";
}

TEST_F(Frm5ToneTest, CaptionLabelsEndAHundredTwipsBeforeTheirControls) {
    sandbox.SetEnglishText(60309, "A much longer caption than before (s)");
    Frm5Tone f;
    const std::pair<std::pair<const char*, int>, std::pair<const char*, int>> pairs[] = {
        {{"Label1", 0}, {"Text2", -1}},  {{"Label1", 1}, {"Combo1", 1}},  {{"Label1", 7}, {"Combo1", 7}},
        {{"Label1", 12}, {"Combo1", 12}}, {{"Label3", -1}, {"Combo6", -1}}, {{"Label4", 0}, {"Combo7", 0}},
        {{"Label4", 3}, {"Text7", -1}},
    };
    for (const auto& [label, control] : pairs) {
        const QWidget* l = Ctl<QLabel>(&f, label.first, label.second);
        const QWidget* c = Ctl<QWidget>(&f, control.first, control.second);
        EXPECT_EQ(l->geometry().right() + 1, c->x() - platform::PixelsFromTwips(100))
            << label.first << "(" << label.second << ")";
    }
    EXPECT_LT(Ctl<QLabel>(&f, "Label1", 7)->x(), Ctl<QLabel>(&f, "Label1", 6)->x());
}

TEST_F(Frm5ToneTest, TheStoredPeriodsWinOverTheStandardsProposals) {
    Tone5().Standard = 6;    // CCIR1 proposes 100
    Tone5().TonePeriod = 45;
    Tone5().PTTIDBegin.Standard = 14;  // EIA proposes 33
    Tone5().PTTIDBegin.TonePeriod = 50;
    Tone5().PTTIDEnd.Standard = 9;     // EEA proposes 40
    Tone5().PTTIDEnd.TonePeriod = 20;  // outside the list
    Frm5Tone f;
    EXPECT_EQ(Shown(f, "Combo1", 1), "CCIR1");
    EXPECT_EQ(Shown(f, "Combo1", 3), "45");
    EXPECT_EQ(Shown(f, "Combo4", 0), "EIA");
    EXPECT_EQ(Shown(f, "Combo5", 0), "50");
    EXPECT_EQ(Shown(f, "Combo5", 1), "70");
    EXPECT_EQ(TempFunSetData.Tone5.PTTIDEnd.TonePeriod, 20) << "a PTT-ID period is shown, not corrected";
    EXPECT_EQ(View(f).at(0), "EEA") << "the view ends with the PTT-ID end standard";

    Combo(f, "Combo1", 1)->SetListIndex(14);
    EXPECT_EQ(Shown(f, "Combo1", 3), "33");
    EXPECT_EQ(View(f).at(0), "EIA");
    Combo(f, "Combo4", 0)->SetListIndex(6);
    EXPECT_EQ(Shown(f, "Combo5", 0), "100");
    EXPECT_EQ(View(f).at(0), "CCIR1") << "a PTT-ID standard shows its table while the system standard differs";
    EXPECT_EQ(Shown(f, "Combo1", 3), "33");
    Combo(f, "Combo4", 1)->SetListIndex(15);
    EXPECT_EQ(Shown(f, "Combo5", 1), "70");
    const auto view = View(f);
    EXPECT_EQ(view.at(0), GetLangText(3102));
    EXPECT_EQ(view.at(2), "0 2400.0") << "the user-defined tones";
    EXPECT_EQ(view.at(18), O(60086) + "(ms) 70");
}

TEST_F(Frm5ToneTest, ThePauseCodeEnablesThePauseTime) {
    Tone5().PauseCode = 14;  // no item: shown as off
    Frm5Tone f;
    EXPECT_EQ(Combo(f, "Combo1", 10)->ListIndex(), 0);
    EXPECT_FALSE(Combo(f, "Combo1", 9)->isEnabled());
    for (int item = 1; item <= 4; ++item) {
        Combo(f, "Combo1", 9)->SetListIndex(item);
        Combo(f, "Combo1", 10)->SetListIndex(item);
        EXPECT_TRUE(Combo(f, "Combo1", 9)->isEnabled()) << item;
    }
    Combo(f, "Combo1", 10)->SetListIndex(0);
    EXPECT_FALSE(Combo(f, "Combo1", 9)->isEnabled());
    EXPECT_EQ(Combo(f, "Combo1", 9)->ListIndex(), 4) << "the pause time keeps its value";
}

TEST_F(Frm5ToneTest, GridRowsShowTheWorkingCopyWithItsCorrections) {
    Tone5().Tone5List[1] = UsedCode("E1E2345E4142", 6, 20);
    Tone5().Tone5List[2] = UsedCode("12345SelfID", 15);
    Tone5().Tone5List[3] = UsedCode("E6SelfID");
    Tone5().Tone5List[4] = UsedCode("12", 3, 100);
    Tone5().Tone5List[4].CodeLen = 4;
    Tone5().Tone5List[5] = UsedCode("1234512345", 20);
    Tone5().Tone5List[5].Name = "Base";
    Frm5Tone f;
    struct Row { int row; const char* kind; std::string code; const char* standard; const char* period; };
    const Row rows[] = {
        {1, "", "12345" + std::string(8, ' ') + O(60084) + "AB", "CCIR1", "70"},
        {2, "ANI", "12345", nullptr, "70"},
        {3, "PTTID", "", "ZVEI1", "70"},
        {4, "", "12EE", "PZVEI", "100"},
        {5, "ANI", "12345", "ZVEI1", "70"},
        {6, "", "", "ZVEI1", "70"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Cell(f, r.row, 1), r.row == 1 ? O(60073) : r.kind) << r.row;
        EXPECT_EQ(Cell(f, r.row, 2), r.code) << r.row;
        EXPECT_EQ(Cell(f, r.row, 3), r.standard ? r.standard : GetLangText(3102)) << r.row;
        EXPECT_EQ(Cell(f, r.row, 4), r.period) << r.row;
    }
    EXPECT_EQ(Cell(f, 5, 5), "Base");
    EXPECT_EQ(TempFunSetData.Tone5.Tone5List[1].TonePeriod, 70) << "corrected in the working copy";
    EXPECT_EQ(TempFunSetData.Tone5.Tone5List[5].Standard, 0);
    EXPECT_EQ(Tone5().Tone5List[1].TonePeriod, 20) << "and only there";
}

TEST_F(Frm5ToneTest, TheDecodeCodeEditorSwitchesEntriesAndAppliesTheFunctionRule) {
    Tone5().InfoCode[1].Func = 4;
    Tone5().InfoCode[1].Resp = 0;
    Tone5().InfoCode[1].Code = "123";
    Tone5().InfoCode[1].CodeLen = 3;
    Tone5().InfoCode[1].Name = "Stun";
    Tone5().InfoCode[7].Func = 1;
    Tone5().InfoCode[7].Resp = 1;
    Frm5Tone f;
    platform::ComboBox* function = Combo(f, "Combo7", 0);
    platform::ComboBox* response = Combo(f, "Combo7", 1);
    EXPECT_EQ(function->ListIndex(), 4);
    EXPECT_EQ(response->ListIndex(), 0) << "the stored response wins in the disabled list";
    EXPECT_FALSE(response->isEnabled());
    EXPECT_EQ(Shown(f, "Text5"), "123");
    EXPECT_EQ(Shown(f, "Text7"), "Stun");

    Box(f, "Text5")->setText("ABC");
    Combo(f, "Combo6")->SetListIndex(6);
    EXPECT_EQ(Caption(f, "Frame3"), GetLangText(3005) + "7");
    EXPECT_EQ(f.CurInfoCodeID, 7);
    EXPECT_EQ(TempFunSetData.Tone5.InfoCode[1].Code.value(), "ABC") << "the entry left is stored";
    EXPECT_EQ(TempFunSetData.Tone5.InfoCode[1].CodeLen, 3);
    ASSERT_EQ(response->ListCount(), 2) << "function 1 offers two responses";
    EXPECT_EQ(response->ListIndex(), 1);

    function->SetListIndex(0);
    response->SetListIndex(2);
    function->SetListIndex(1);
    EXPECT_EQ(response->ListCount(), 2);
    EXPECT_EQ(response->ListIndex(), 0);
    EXPECT_TRUE(response->isEnabled());
    function->SetListIndex(3);
    EXPECT_EQ(response->ListCount(), 3);
    EXPECT_EQ(response->ListIndex(), 2);
    EXPECT_FALSE(response->isEnabled());
    Box(f, "Text7")->setText("Gone");
    function->SetListIndex(6);
    EXPECT_FALSE(Box(f, "Text7")->isEnabled());
    EXPECT_EQ(Shown(f, "Text7"), "");
}

TEST_F(Frm5ToneTest, ShowingAgainStoresTheEditorAndShowsTheFirstDecodeCode) {
    Frm5Tone f;
    ASSERT_EQ(Combo(f, "Combo6")->ListIndex(), 0);
    Box(f, "Text5")->setText("9A");
    Combo(f, "Combo7", 0)->SetListIndex(5);
    f.Show5ToneData();
    EXPECT_EQ(TempFunSetData.Tone5.InfoCode[1].Code.value(), "9A");
    EXPECT_EQ(TempFunSetData.Tone5.InfoCode[1].Func, 5);
    EXPECT_EQ(Shown(f, "Text5"), "9A");
    EXPECT_EQ(Combo(f, "Combo7", 0)->ListIndex(), 5);
}

TEST_F(Frm5ToneTest, DecodeCodeBoxesFilterTheirKeys) {
    Frm5Tone f;
    Show(f);
    platform::TextBox* code = Box(f, "Text5");
    code->clear();
    code->setFocus();
    ASSERT_TRUE(WaitFor([&] { return code->hasFocus(); }));
    Type(code, "aG-9f");
    EXPECT_EQ(code->text(), "A9F");
    Key(code, Qt::Key_Return);
    platform::TextBox* name = Box(f, "Text7");
    Combo(f, "Combo7", 0)->SetListIndex(2);  // a function with a name
    name->setFocus();
    ASSERT_TRUE(WaitFor([&] { return name->hasFocus(); }));
    name->clear();
    Type(name, "a\\~é1");
    EXPECT_EQ(name->text(), "a\\~1");
    Key(name, Qt::Key_Return);
    EXPECT_TRUE(name->hasFocus()) << "Enter does not leave the name box";
}

TEST_F(Frm5ToneTest, OKRefusesAnOwnIDOfOtherThanFiveDigits) {
    Frm5Tone f;
    Show(f);
    Combo(f, "Combo1", 11)->SetListIndex(7);
    Combo(f, "Combo6")->setFocus();
    Box(f, "Text2")->setText("1234");
    const FunSetData before = CurData.FunSet;
    const int16_t time = CurData.Tone5DecodeTime;
    sandbox.prompts.expect(GetMsgText("900C"), platform::Buttons::Ok, platform::Answer::Ok);
    f.CommandOK_Click();
    EXPECT_TRUE(WaitFor([&] { return Box(f, "Text2")->hasFocus(); }));
    EXPECT_EQ(CurData.FunSet, before);
    EXPECT_EQ(CurData.Tone5DecodeTime, time);
    EXPECT_EQ(TempFunSetData.Tone5.SelfID.value(), "12345") << "nothing was saved";
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Frm5ToneTest, OKRefusedByTheDecodeCodesKeepsTheDecodeTimeItStored) {
    Tone5().InfoCode[1].Func = 3;  // a kill code with an empty code, no wake-up
    Frm5Tone f;
    Combo(f, "Combo1", 11)->SetListIndex(30);
    Combo(f, "Combo1", 4)->SetListIndex(9);
    const FunSetData before = CurData.FunSet;
    sandbox.prompts.expect(O(60300), platform::Buttons::Ok, platform::Answer::Ok);
    sandbox.prompts.expect(O(60301), platform::Buttons::Ok, platform::Answer::Ok);
    f.CommandOK_Click();
    EXPECT_EQ(CurData.FunSet, before);
    EXPECT_EQ(CurData.Tone5DecodeTime, 30) << "written straight into the data";
    EXPECT_EQ(TempFunSetData.Tone5.Time18, 10) << "the working copy holds the controls";
    EXPECT_NE(f.result(), QDialog::Accepted);
    f.CommandCancel_Click();
    EXPECT_EQ(CurData.Tone5DecodeTime, 30);
    EXPECT_EQ(CurData.FunSet, before);
}

TEST_F(Frm5ToneTest, OKCommitsTheWorkingCopyAndRepointsChannelsAndTheAlert) {
    Tone5().Tone5List[3] = UsedCode("333");
    Tone5().Tone5List[5] = UsedCode("555");
    UFreData ch = UsedChannel(1, "145000000");
    ch.OptSig = 3;
    ch.Tone5No = 4;  // entry 5
    AddNormalChannel(ch);
    CurData.FunSet.Alert.IDCodeType = 2;
    CurData.FunSet.Alert.IDCodeGroup = 4;
    CountingView view;
    ScopedMainView installed(&view);

    Frm5Tone f;
    // The code editor open over entry 5's code, emptied.
    f.CurTone5Row = 5;
    f.CurTone5Col = 2;
    Box(f, "Text3")->setText("");
    Combo(f, "Combo1", 1)->SetListIndex(12);
    f.CommandOK_Click();

    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(Tone5().Tone5List[5].EmptyFlag, 1);
    EXPECT_EQ(Tone5().Standard, 12);
    EXPECT_EQ(Tone5().TonePeriod, 40) << "MODAT's period";
    EXPECT_EQ(Tone5(), TempFunSetData.Tone5) << "the alert alone is repaired afterwards";
    EXPECT_EQ(UFreList[0].Tone5No, 2) << "re-pointed to the first used entry";
    EXPECT_EQ(CurData.FunSet.Alert.IDCodeGroup, 2);
    EXPECT_EQ(view.redraws, 1);
}

TEST_F(Frm5ToneTest, CancelLeavesTheDataAsItWas) {
    const FunSetData before = CurData.FunSet;
    Frm5Tone f;
    Combo(f, "Combo1", 1)->SetListIndex(3);
    Combo(f, "Combo1", 11)->SetListIndex(5);
    f.CommandCancel_Click();
    EXPECT_EQ(CurData.FunSet, before);
    EXPECT_EQ(CurData.Tone5DecodeTime, 2);
}

TEST_F(Frm5ToneTest, APTTIDCodeStoresTheSystemPeriodNotItsOwnList) {
    Tone5().PTTIDBegin.TonePeriod = 50;
    Tone5().PTTIDEnd.TonePeriod = 60;
    Frm5Tone f;
    SetComboText(*Combo(f, "Combo1", 3), "55");
    SetComboText(*Combo(f, "Combo5", 0), "40");
    SetComboText(*Combo(f, "Combo5", 1), "90");
    ASSERT_EQ(Shown(f, "Combo5", 0), "40");
    f.CommandOK_Click();
    ASSERT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(Tone5().TonePeriod, 55);
    EXPECT_EQ(Tone5().PTTIDBegin.TonePeriod, 55);
    EXPECT_EQ(Tone5().PTTIDEnd.TonePeriod, 55);
}

TEST_F(Frm5ToneTest, AGreyedSideToneStaysGreyedUntilTheUserClicksIt) {
    Tone5().SideTone = 2;
    {
        Frm5Tone f;
        EXPECT_EQ(Ctl<QCheckBox>(&f, "Check1")->checkState(), Qt::PartiallyChecked);
        f.CommandOK_Click();
        EXPECT_EQ(Tone5().SideTone, 2) << "opening and OK change no byte";
    }
    Frm5Tone f;
    Show(f);
    // An accepted own ID saves and shows the block again.
    Box(f, "Text2")->setFocus();
    ASSERT_TRUE(WaitFor([&] { return Box(f, "Text2")->hasFocus(); }));
    Combo(f, "Combo6")->setFocus();
    ASSERT_TRUE(WaitFor([&] { return Combo(f, "Combo6")->hasFocus(); }));
    QCheckBox* box = Ctl<QCheckBox>(&f, "Check1");
    EXPECT_EQ(TempFunSetData.Tone5.SideTone, 2);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);

    // The user's clicks go between on and off; none greys the box again.
    std::vector<int> clicked;
    for (int i = 0; i < 3; ++i) {
        box->click();
        clicked.push_back(platform::CheckValue(box));
    }
    EXPECT_EQ(clicked, (std::vector<int>{1, 0, 1}));
    f.CommandOK_Click();
    EXPECT_EQ(Tone5().SideTone, 1);
}

TEST_F(Frm5ToneTest, AStandardKeepsItsIndexWhateverItsItemReads) {
    for (const char* userText : {"ZVEI1", ""}) {
        sandbox.SetEnglishText(3102, userText);
        Tone5().Tone5List[1] = UsedCode("123", 15);
        Frm5Tone f;
        ASSERT_EQ(Cell(f, 1, 3), userText);
        f.CommandOK_Click();
        EXPECT_EQ(Tone5().Tone5List[1].Standard, 15) << '"' << userText << '"';
        sandbox.Reset();
        StartWithoutChannels();
        Tone5().SelfID = "12345";
    }
}

TEST_F(Frm5ToneTest, TheSpecialButtonsNameTheirTargetAndCommitAnOpenCode) {
    Tone5().Tone5List[8] = UsedCode("888");
    ObservedFrm5Tone f;
    f.CurTone5Row = 8;
    f.CurTone5Col = 2;
    Box(f, "Text3")->setText("11");
    Box(f, "Text3")->show();
    f.Command1_Click();
    EXPECT_EQ(TempFunSetData.Tone5.Tone5List[8].Code.value(), "1E");
    EXPECT_EQ(Cell(f, 8, 2), "1E");
    EXPECT_TRUE(Box(f, "Text3")->isHidden());
    EXPECT_EQ(f.CurTone5Row, 0);

    // With no code editor open nothing is committed.
    Combo(f, "Combo3")->SetListIndex(20);
    f.CurTone5Row = 8;
    f.CurTone5Col = 4;
    f.Command1_Click();
    EXPECT_EQ(Cell(f, 8, 4), "70");
    EXPECT_EQ(f.CurTone5Row, 8);

    f.Command2_Click();
    f.Command3_Click();
    EXPECT_EQ(f.specialTargets, (std::vector<SpecialTarget>{SpecialTarget::ListEntry, SpecialTarget::ListEntry,
                                                             SpecialTarget::PTTIDBegin, SpecialTarget::PTTIDEnd}));
}

TEST_F(Frm5ToneTest, TheUserStandardButtonShowsTheSystemStandardAgainAfterwards) {
    Tone5().Standard = 15;
    ObservedFrm5Tone f;
    ASSERT_EQ(View(f).at(0), "ZVEI1") << "the PTT-ID end standard shows last";
    f.userStandard = [] { TempFunSetData.Tone5.DefTone[0] = 12345; };
    f.Command4_Click();
    const auto view = View(f);
    EXPECT_EQ(view.at(0), GetLangText(3102));
    EXPECT_EQ(view.at(2), "0 1234.5");
}

TEST_F(Frm5ToneTest, CellCommitsWriteTheEntryAndItsCell) {
    Tone5().Tone5List[2] = UsedCode("22");
    Frm5Tone f;
    Grid(f)->SetTextMatrix(2, 4, "");
    Combo(f, "Combo2")->SetListIndex(9);
    f.Save5ToneCell(2, 3);
    EXPECT_EQ(Cell(f, 2, 3), "EEA");
    EXPECT_EQ(Cell(f, 2, 4), "70") << "an empty period becomes 70";
    EXPECT_EQ(TempFunSetData.Tone5.Tone5List[2].Standard, 9);

    Combo(f, "Combo3")->SetListIndex(55);
    f.Save5ToneCell(2, 4);
    EXPECT_EQ(Cell(f, 2, 4), "85");
    EXPECT_EQ(TempFunSetData.Tone5.Tone5List[2].TonePeriod, 85);

    Box(f, "Text6")->setText("Car 1  ");
    f.Save5ToneCell(2, 5);
    EXPECT_EQ(Cell(f, 2, 5), "Car 1");
    EXPECT_EQ(TempFunSetData.Tone5.Tone5List[2].Name.value(), "Car 1");

    const Tone5Data before = TempFunSetData.Tone5;
    f.Save5ToneCell(0, 3);
    f.Save5ToneCell(2, 1);
    f.Save5ToneCell(101, 2);
    EXPECT_EQ(TempFunSetData.Tone5, before) << "only cells of rows 1..100, columns 2..5";

    // Choosing a standard for the open row proposes its period.
    f.CurTone5Row = 2;
    Combo(f, "Combo2")->SetListIndex(14);
    EXPECT_EQ(Cell(f, 2, 4), "33");
    EXPECT_EQ(TempFunSetData.Tone5.Tone5List[2].TonePeriod, 33);
    EXPECT_EQ(TempFunSetData.Tone5.Tone5List[2].Standard, 9) << "the standard waits for the commit";
    EXPECT_EQ(View(f).at(0), "EIA");
}

}  // namespace
