// The alert dialog: its load from the working data, the rules of its lists
// and check box, and what OK stores.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

#include "ProgramSandbox.h"
#include "core/Defaults.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/Twips.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Lang.h"
#include "settings/ui/FrmAlert.h"

namespace {

using platform::Ctl;
using platform::IsShown;

class FrmAlertTest : public testing::Test {
protected:
    void SetUp() override {
        InitAlertData();
        CurData.FunSet.DTMF = {};
        for (int i = 1; i <= 100; ++i) CurData.FunSet.Tone5.Tone5List[i].EmptyFlag = 1;
        UseChannels({1});
    }
    static void UseChannels(std::initializer_list<int> numbers) {
        CurData.CHCount = 0;
        for (int n : numbers) UFreList[static_cast<std::size_t>(CurData.CHCount++)].CHNo = static_cast<int16_t>(n);
    }
    FrmAlert& Open() {
        dialog = std::make_unique<FrmAlert>();
        return *dialog;
    }
    platform::ComboBox* Combo(int i) { return Ctl<platform::ComboBox>(dialog.get(), "Combo1", i); }
    platform::ComboBox* Combo2(int j) { return Ctl<platform::ComboBox>(dialog.get(), "Combo2", j); }
    QCheckBox* Check() { return Ctl<QCheckBox>(dialog.get(), "Check1"); }
    static QStringList Items(const platform::ComboBox* c) {
        QStringList out;
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        return out;
    }
    // OK, and the stored record.
    const AlertData& Stored() {
        dialog->CommandOK_Click();
        return CurData.FunSet.Alert;
    }

    ProgramSandbox sandbox;
    std::unique_ptr<FrmAlert> dialog;
};

TEST_F(FrmAlertTest, DefaultsShowFirstItemsAndOKStoresThemBack) {
    const AlertData before = CurData.FunSet.Alert;
    ASSERT_EQ(before.PreAlertTime, 1);
    ASSERT_EQ(before.LoneWorkTime, 5);
    FrmAlert& f = Open();
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(f.windowTitle(), platform::Lang(2600));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Ctl<QLabel>(&f, "Label1", i)->text(), platform::Lang(2602 + i)) << "Label1(" << i << ")";
    EXPECT_EQ(Ctl<QGroupBox>(&f, "Frame1")->title(), platform::Lang(2612));
    EXPECT_EQ(Check()->text(), platform::Lang(2613));
    EXPECT_EQ(Ctl<QLabel>(&f, "Label2", 1)->text(), platform::Lang(2615));
    for (int i : {0, 1, 6}) EXPECT_EQ(Combo(i)->ListIndex(), 0) << i;
    for (int i : {3, 4, 5}) EXPECT_EQ(Combo(i)->currentText(), "1") << i;
    EXPECT_EQ(Combo(9)->currentText(), platform::Lang(2636));
    EXPECT_EQ(Combo(8)->currentText(), "1");
    EXPECT_EQ(Combo2(0)->currentText(), "1");
    EXPECT_EQ(Combo2(1)->currentText(), "5");
    EXPECT_EQ(Combo(2)->count(), 0);
    EXPECT_EQ(Combo(7)->count(), 0);
    EXPECT_TRUE(Combo(3)->isEnabled());
    for (int i : {1, 2, 4, 5}) EXPECT_FALSE(Combo(i)->isEnabled()) << i;
    for (const auto& [name, i] : {std::pair{"Label1", 7}, {"Combo1", 7}, {"Frame1", -1}})
        EXPECT_FALSE(IsShown(Ctl<QWidget>(&f, name, i))) << name << i;
    // Each caption ends 100 twips before its list.
    for (int i : {0, 8, 5}) {
        const QWidget* label = Ctl<QLabel>(&f, "Label1", i);
        EXPECT_NEAR(Combo(i)->x() - (label->x() + label->width()), platform::PixelsFromTwips(100), 1) << i;
    }
    EXPECT_EQ(CurData.FunSet.Alert, before) << "a load stores nothing";
    AlertData expected = before;
    expected.AlarmTime = expected.TxTime = expected.RxTime = 1;
    EXPECT_EQ(Stored(), expected);
}

TEST_F(FrmAlertTest, TheGroupListFollowsTheIDCodeType) {
    AlertData& a = CurData.FunSet.Alert;
    a.AlarmType = 1;
    a.IDCodeType = 1;
    struct Case {
        const char* name;
        std::vector<int> memories;  // DTMF memories holding a code, from 0
        int group;
        QStringList items;
        QString shown;
        int stored;
    };
    const Case cases[] = {
        {"stored memory listed", {1, 4}, 4, {"M2", "M5"}, "M5", 4},
        {"stored memory empty", {1, 4}, 7, {"M2", "M5"}, "M2", 1},
        {"no memory in use", {}, 3, {}, "", 0},
    };
    for (const Case& c : cases) {
        CurData.FunSet.DTMF = {};
        for (int m : c.memories) CurData.FunSet.DTMF.DTMFCode[static_cast<std::size_t>(m)].CodeLen = 2;
        a.IDCodeGroup = static_cast<uint8_t>(c.group);
        Open();
        EXPECT_EQ(Items(Combo(2)), c.items) << c.name;
        EXPECT_EQ(Combo(2)->currentText(), c.shown) << c.name;
        EXPECT_TRUE(Combo(2)->isEnabled()) << c.name;
        EXPECT_EQ(Stored().IDCodeGroup, c.stored) << c.name;
        a.IDCodeGroup = static_cast<uint8_t>(c.group);
    }

    a.IDCodeType = 2;
    a.IDCodeGroup = 7;
    Open();
    EXPECT_EQ(Items(Combo(2)), QStringList{"0"}) << "no five-tone code in use";
    EXPECT_EQ(Stored().IDCodeGroup, 0);
    CurData.FunSet.Tone5.Tone5List[2].EmptyFlag = 0;
    CurData.FunSet.Tone5.Tone5List[8].EmptyFlag = 0;
    a.IDCodeGroup = 7;
    Open();
    EXPECT_EQ(Items(Combo(2)), (QStringList{"1", "7"}));
    EXPECT_EQ(Combo(2)->currentText(), "7");
    // Away to no ID code and back: the loaded group is chosen again.
    Combo(2)->SetListIndex(0);
    Combo(1)->SetListIndex(0);
    EXPECT_EQ(Combo(2)->count(), 0);
    EXPECT_EQ(Stored().IDCodeGroup, 0);
    EXPECT_EQ(CurData.FunSet.Alert.IDCodeType, 0);
    a.IDCodeType = 2;
    a.IDCodeGroup = 7;
    Open();
    Combo(2)->SetListIndex(0);
    Combo(1)->SetListIndex(0);
    Combo(1)->SetListIndex(2);
    EXPECT_EQ(Combo(2)->currentText(), "7");
}

TEST_F(FrmAlertTest, TheEmergencyChannelListHoldsTheChannelsInUseInOrder) {
    UseChannels({12, 3, 40});
    CurData.FunSet.Alert.EmgCHNo = 11;
    Open();
    EXPECT_EQ(Items(Combo(8)), (QStringList{"3", "12", "40"}));
    EXPECT_EQ(Combo(8)->currentText(), "12");
    EXPECT_EQ(Stored().EmgCHNo, 11);

    CurData.FunSet.Alert.EmgCHNo = 99;
    Open();
    EXPECT_EQ(Combo(8)->currentText(), "3") << "a channel not in use shows the first";
    EXPECT_EQ(Stored().EmgCHNo, 2);

    UseChannels({});
    CurData.FunSet.Alert.EmgCHNo = 5;
    Open();
    EXPECT_EQ(Combo(8)->count(), 0);
    EXPECT_EQ(Combo(8)->ListIndex(), -1);
    EXPECT_EQ(Stored().EmgCHNo, 0);
}

TEST_F(FrmAlertTest, RulesOfAlarmTypeChannelSelectionAndLoneWorker) {
    AlertData& a = CurData.FunSet.Alert;
    a.AlarmType = 2;
    a.CHSelect = 1;
    a.AutoDetect = 1;
    Open();
    EXPECT_FALSE(Combo(3)->isEnabled());
    for (int i : {1, 2, 4, 5}) EXPECT_TRUE(Combo(i)->isEnabled()) << i;
    EXPECT_FALSE(Combo(7)->isEnabled());
    EXPECT_FALSE(Combo(8)->isEnabled());
    EXPECT_EQ(platform::CheckValue(Check()), 1);
    EXPECT_TRUE(Combo2(0)->isEnabled());
    Combo(0)->SetListIndex(0);
    Combo(6)->SetListIndex(0);
    Check()->setChecked(false);
    EXPECT_TRUE(Combo(3)->isEnabled());
    EXPECT_FALSE(Combo(4)->isEnabled());
    EXPECT_TRUE(Combo(7)->isEnabled());
    EXPECT_TRUE(Combo(8)->isEnabled());
    EXPECT_FALSE(Combo2(1)->isEnabled());
    const AlertData& s = Stored();
    EXPECT_EQ(s.AlarmType, 0);
    EXPECT_EQ(s.CHSelect, 0);
    EXPECT_EQ(s.AutoDetect, 0);
}

TEST_F(FrmAlertTest, ValuesOutsideTheirListsShowTheFirstItem) {
    AlertData& a = CurData.FunSet.Alert;
    a.AutoDetect = 5;
    a.PreAlertTime = 255;
    a.LoneWorkTime = 3;
    a.Period = 200;
    a.AlarmTime = 0;
    a.TxTime = 255;
    Open();
    EXPECT_EQ(platform::CheckValue(Check()), 0);
    EXPECT_FALSE(Combo2(0)->isEnabled());
    EXPECT_FALSE(Combo2(1)->isEnabled());
    EXPECT_EQ(Combo2(0)->currentText(), "1");
    EXPECT_EQ(Combo2(1)->currentText(), "5");
    EXPECT_EQ(Combo(9)->currentText(), "200");
    EXPECT_EQ(Combo(3)->currentText(), "1");
    EXPECT_EQ(Combo(4)->currentText(), "255");
    EXPECT_EQ(dialog->AlertEdit().AutoDetect, 0);
    EXPECT_EQ(CurData.FunSet.Alert.AutoDetect, 5) << "only OK stores";
    const AlertData& s = Stored();
    EXPECT_EQ(s.AutoDetect, 0);
    EXPECT_EQ(s.PreAlertTime, 1);
    EXPECT_EQ(s.LoneWorkTime, 5);
    EXPECT_EQ(s.Period, 200);
    EXPECT_EQ(s.AlarmTime, 1);
    EXPECT_EQ(s.TxTime, 255);
}

TEST_F(FrmAlertTest, CancelStoresNothing) {
    const AlertData before = CurData.FunSet.Alert;
    FrmAlert& f = Open();
    Combo(0)->SetListIndex(3);
    Combo(9)->SetListIndex(10);
    Check()->setChecked(true);
    f.CommandCancel_Click();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(CurData.FunSet.Alert, before);
}

}  // namespace
