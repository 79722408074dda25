// The scan dialog, opened directly (the main window does not offer it while
// the scan feature is off): its load and the write-back that ends it, the
// revert list, the scan-mode rule and OK.
#include <gtest/gtest.h>

#include <string>

#include <QCheckBox>
#include <QLabel>

#include "ProgramSandbox.h"
#include "core/Defaults.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Lang.h"
#include "settings/ScanEdit.h"
#include "settings/ui/FrmScan.h"

namespace {

using platform::Ctl;
using platform::IsShown;

class FrmScanTest : public testing::Test {
protected:
    void SetUp() override {
        InitScanData();
        UseChannels({1});
    }
    static void UseChannels(std::initializer_list<int> numbers) {
        CurData.CHCount = 0;
        for (int n : numbers) UFreList[static_cast<std::size_t>(CurData.CHCount++)].CHNo = static_cast<int16_t>(n);
    }
    static platform::ComboBox* Combo(const FrmScan& f, int i) { return Ctl<platform::ComboBox>(&f, "Combo1", i); }
    static QStringList Items(const platform::ComboBox* c) {
        QStringList out;
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        return out;
    }
    static QStringList Template(std::initializer_list<int> indexes) {
        const auto t = RevertTemplateItems();
        QStringList out;
        for (int i : indexes) out << QString::fromStdString(t[static_cast<std::size_t>(i)]);
        return out;
    }

    ProgramSandbox sandbox;
};

TEST_F(FrmScanTest, DefaultsLoadedHidden) {
    const ScanData before = CurData.FunSet.Scan;
    FrmScan f;
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(f.windowTitle(), platform::Lang(2400));
    EXPECT_EQ(Ctl<QLabel>(&f, "Label1", 4)->text(), platform::Lang(2405));
    EXPECT_EQ(Ctl<QLabel>(&f, "Label1", 9)->text(), platform::Lang(2409));
    EXPECT_EQ(Ctl<QLabel>(&f, "Label1", 3)->text(), "-");
    EXPECT_EQ(Combo(f, 0)->ListIndex(), 0);
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(Combo(f, i)->isEnabled()) << "Combo1(" << i << ")";
    EXPECT_FALSE(Ctl<QCheckBox>(&f, "Check1")->isEnabled());
    EXPECT_EQ(Items(Combo(f, kRevertList)), Template({0, 1, 4, 5}));
    EXPECT_EQ(Combo(f, kRevertList)->ListIndex(), 0);
    EXPECT_EQ(Combo(f, 2)->currentText(), "1");
    EXPECT_EQ(Combo(f, 7)->currentText(), "1.0");
    EXPECT_EQ(Combo(f, 10)->currentText(), "0.1");
    EXPECT_EQ(Combo(f, 12)->currentText(), "50");
    for (const auto& [name, i] : {std::pair{"Combo1", 3}, std::pair{"Combo1", 5}, std::pair{"Combo1", 11},
                                  std::pair{"Label1", 12}, std::pair{"Combo2", -1}})
        EXPECT_FALSE(IsShown(Ctl<QWidget>(&f, name, i))) << name << "(" << i << ")";
    EXPECT_EQ(Ctl<platform::ComboBox>(&f, "Combo2")->count(), kRevertTemplateItems);
    EXPECT_EQ(CurData.FunSet.Scan, before) << "the write-back of a normal record changes nothing";
    f.CommandOK_Click();
    ScanData expected = before;
    expected.WaitTime = 2;
    EXPECT_EQ(CurData.FunSet.Scan, expected);
}

TEST_F(FrmScanTest, LoadWritesTheShownRecordBackEvenWhenCancelled) {
    struct Case {
        const char* name;
        uint8_t priorityMode;
        uint8_t revertCH;
        uint8_t scanTone;
        uint8_t revertAfter;
        uint8_t toneAfter;
        int shown;  // position in the revert list
    };
    const Case cases[] = {
        {"revert item not offered by mode 0", 0, 2, 0, 0, 0, 0},
        {"mode 3 offers all eight", 3, 7, 1, 7, 1, 7},
        {"above the template", 3, 9, 0, 0, 0, 0},
        {"prompt tone above 1", 1, 6, 3, 6, 0, 5},
    };
    for (const auto& c : cases) {
        InitScanData();
        CurData.FunSet.Scan.PriorityMode = c.priorityMode;
        CurData.FunSet.Scan.RevertCH = c.revertCH;
        CurData.FunSet.Scan.ScanTone = c.scanTone;
        FrmScan f;
        EXPECT_EQ(Combo(f, kRevertList)->ListIndex(), c.shown) << c.name;
        EXPECT_EQ(f.ScanEdit().RevertCH, c.revertAfter) << c.name;
        EXPECT_EQ(Ctl<QCheckBox>(&f, "Check1")->isChecked(), c.toneAfter == 1) << c.name;
        f.CommandCancel_Click();
        EXPECT_EQ(CurData.FunSet.Scan.RevertCH, c.revertAfter) << c.name;
        EXPECT_EQ(CurData.FunSet.Scan.ScanTone, c.toneAfter) << c.name;
        EXPECT_EQ(CurData.FunSet.Scan.PriorityMode, c.priorityMode) << c.name;
    }
}

TEST_F(FrmScanTest, SwitchingThePriorityModeKeepsAnOfferedRevertChoice) {
    CurData.FunSet.Scan.ScanMode = 1;
    CurData.FunSet.Scan.PriorityMode = 3;
    for (const auto& [chosen, after] : {std::pair{3, 0}, std::pair{2, 2}, std::pair{6, 6}}) {
        CurData.FunSet.Scan.RevertCH = static_cast<uint8_t>(chosen);
        FrmScan f;
        EXPECT_EQ(f.ScanEdit().RevertCH, chosen);
        Combo(f, kPriorityModeList)->setCurrentIndex(1);
        EXPECT_EQ(Items(Combo(f, kRevertList)), Template({0, 1, 2, 4, 5, 6}));
        EXPECT_EQ(f.ScanEdit().RevertCH, after) << "chosen " << chosen;
        EXPECT_EQ(Combo(f, kRevertList)->currentText(), Template({after}).front()) << "chosen " << chosen;
        Combo(f, kRevertList)->setCurrentIndex(1);
        EXPECT_EQ(f.ScanEdit().RevertCH, 1);
    }
}

TEST_F(FrmScanTest, ScanModeRuleAndOK) {
    UseChannels({4, 2, 3, 1});
    ScanData& s = CurData.FunSet.Scan;
    s.ScanMode = 1;
    s.PriorityMode = 1;
    s.PriorityCH1 = 99;  // no channel 100: the list shows its first item
    s.PriorityCH2 = 2;
    s.WaitTime = 255;
    s.RxResume = 49;
    s.ScanType = 3;
    FrmScan f;
    EXPECT_EQ(Items(Combo(f, 2)), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(Combo(f, 2)->currentText(), "1");
    EXPECT_EQ(Combo(f, 4)->currentText(), "3");
    EXPECT_TRUE(Combo(f, 1)->isEnabled());
    EXPECT_TRUE(Combo(f, 2)->isEnabled());
    EXPECT_FALSE(Combo(f, 4)->isEnabled());
    EXPECT_TRUE(Combo(f, 12)->isEnabled()) << "enabled although hidden";
    EXPECT_TRUE(Ctl<QCheckBox>(&f, "Check1")->isEnabled());
    EXPECT_EQ(Combo(f, 12)->currentText(), "6375");
    EXPECT_EQ(Combo(f, 9)->currentText(), "5.0");

    Combo(f, kScanModeList)->setCurrentIndex(0);
    EXPECT_FALSE(Combo(f, 2)->isEnabled());
    EXPECT_FALSE(Ctl<QCheckBox>(&f, "Check1")->isEnabled());
    Combo(f, kScanModeList)->setCurrentIndex(1);
    EXPECT_TRUE(Combo(f, 2)->isEnabled());
    EXPECT_FALSE(Combo(f, 4)->isEnabled());

    Combo(f, 7)->setCurrentIndex(10);
    Ctl<QCheckBox>(&f, "Check1")->setChecked(true);
    EXPECT_EQ(CurData.FunSet.Scan.LookBackA, 5) << "other lists wait for OK";
    f.CommandOK_Click();
    EXPECT_EQ(s.PriorityCH1, 0);
    EXPECT_EQ(s.PriorityCH2, 2) << "the disabled list is stored as shown";
    EXPECT_EQ(s.WaitTime, 255);
    EXPECT_EQ(s.RxResume, 49);
    EXPECT_EQ(s.ScanType, 3);
    EXPECT_EQ(s.LookBackA, 10);
    EXPECT_EQ(s.ScanTone, 1);
    EXPECT_EQ(s.PriorityMode, 1);

    // Without channels both priority lists are empty and store channel 1.
    UseChannels({});
    s.PriorityCH1 = 5;
    s.WaitTime = 1;
    FrmScan g;
    EXPECT_EQ(Combo(g, 2)->count(), 0);
    EXPECT_EQ(Combo(g, 12)->currentText(), "50");
    g.CommandOK_Click();
    EXPECT_EQ(s.PriorityCH1, 0);
    EXPECT_EQ(s.WaitTime, 2);
}

TEST_F(FrmScanTest, RevertChannelIsReadByTemplateIndexWhateverItsText) {
    // A language file in which the last two template items read alike.
    sandbox.SetEnglishText(2435, GetLangText(2434));
    CurData.FunSet.Scan.RevertCH = 5;
    FrmScan f;
    EXPECT_EQ(Combo(f, kRevertList)->ListIndex(), 3);
    f.CommandOK_Click();
    EXPECT_EQ(CurData.FunSet.Scan.RevertCH, 5);
}

}  // namespace
