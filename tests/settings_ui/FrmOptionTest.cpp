// The option dialog: what a load shows (also hidden, as the report loads it),
// the list and check rules, the display-mode cascade, the power-on, password
// and scrambler boxes, OK and Cancel.
#include <gtest/gtest.h>

#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "WaitFor.h"
#include "core/Defaults.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Lang.h"
#include "platform/ui/TextBox.h"
#include "settings/OptionEdit.h"
#include "settings/ui/FrmOption.h"

namespace {

using namespace std::string_literals;
using platform::Ctl;
using platform::IsShown;

class FrmOptionTest : public testing::Test {
protected:
    void SetUp() override { InitOptionData(); }

    static platform::ComboBox* Combo(const FrmOption& f, int i) { return Ctl<platform::ComboBox>(&f, "Combo1", i); }
    static platform::TextBox* Box(const FrmOption& f, const char* name, int i = -1) {
        return Ctl<platform::TextBox>(&f, name, i);
    }
    static QCheckBox* Check(const FrmOption& f, const char* name, int i = -1) { return Ctl<QCheckBox>(&f, name, i); }
    // The user picks item k from the list's drop-down.
    static void Pick(platform::ComboBox* combo, int k) {
        combo->setCurrentIndex(k);
        emit combo->activated(k);
    }
    static void Show(QWidget& w) {
        w.show();
        QApplication::setActiveWindow(&w);
        EXPECT_TRUE(WaitFor([&] { return w.isActiveWindow(); }));
    }

    ProgramSandbox sandbox;
};

TEST_F(FrmOptionTest, HiddenLoadShowsTheDefaultsInEveryControl) {
    CurData.FunSet.Option.PowerOnPassWord.SetNulEnded("99");
    FrmOption f;
    EXPECT_TRUE(f.isHidden());
    EXPECT_TRUE(f.FormLoaded);
    EXPECT_EQ(f.windowTitle(), platform::Lang(1701));
    for (int i = 0; i < kOptionLists; ++i) {
        const auto items = OptionListItems(i);
        ASSERT_EQ(Combo(f, i)->ListCount(), static_cast<int>(items.size())) << "Combo1(" << i << ")";
        EXPECT_EQ(Combo(f, i)->ListIndex(), 0) << "Combo1(" << i << ")";
        EXPECT_EQ(Combo(f, i)->List(static_cast<int>(items.size()) - 1), items.back()) << "Combo1(" << i << ")";
        if (const int id = OptionListCaptionId(i))
            EXPECT_EQ(Ctl<QLabel>(&f, "Label1", i)->text(), platform::Lang(id)) << "Label1(" << i << ")";
    }
    EXPECT_EQ(Combo(f, kLongPressList)->currentText(), QString::fromStdString("1.0" + GetLangText(1781)));
    for (int i = 0; i < kPowerOnBoxes; ++i)
        EXPECT_EQ(Box(f, "Text1", i)->text(), i < 7 ? QString("Welcome").mid(i, 1) : QString()) << "Text1(" << i << ")";
    EXPECT_EQ(Box(f, "Text4", 0)->text(), "0");
    EXPECT_EQ(Box(f, "Text4", 1)->text(), "0");
    EXPECT_EQ(Box(f, "Text2")->text(), "99");
    EXPECT_EQ(Check(f, "Check1", 6)->text(), platform::Lang(1736));
    EXPECT_EQ(Ctl<QLabel>(&f, "Label2")->text(), platform::Lang(1742));
    EXPECT_EQ(Ctl<QPushButton>(&f, "CommandOK")->text(), platform::Lang(101));

    // Shown and hidden by the dialog itself, whether it is shown or not.
    const std::pair<const char*, int> hidden[] = {
        {"Text2", -1},  {"Label3", -1}, {"Combo1", 18}, {"Label1", 18}, {"Combo1", 12}, {"Label1", 12},
        {"Check1", 0},  {"Check1", 2},  {"Check1", 5},  {"Text1", 7},   {"Text1", 13},
    };
    for (const auto& [name, i] : hidden) EXPECT_FALSE(IsShown(Ctl<QWidget>(&f, name, i))) << name << "(" << i << ")";
    const std::pair<const char*, int> shown[] = {{"Combo1", 0}, {"Check1", 1}, {"Check1", 8}, {"Text1", 6},
                                                 {"Text4", 1},  {"Check2", -1}, {"Combo1", 28}};
    for (const auto& [name, i] : shown) EXPECT_TRUE(IsShown(Ctl<QWidget>(&f, name, i))) << name << "(" << i << ")";

    // Caption labels end 30 twips before their controls.
    for (const auto& [label, control] : {std::pair{"Label1", 27}, std::pair{"Label1", 21}}) {
        const QWidget* l = Ctl<QWidget>(&f, label, control);
        EXPECT_EQ(l->x() + l->width() + 2, Combo(f, control)->x()) << label << "(" << control << ")";
    }
}

TEST_F(FrmOptionTest, LoadShowsStoredValues) {
    OptionData& o = CurData.FunSet.Option;
    o.DisplayMode = 1;
    o.DisplayModeSub = 1;
    o.LongPressTime = 25;
    o.PDKeyFun = 18;
    o.BgGreen = 31;
    o.ClearMemLock = 1;
    o.Scrambler1 = 2731;
    o.Scrambler2 = 65535;
    o.PowerOnText = FixStr<14>::Of("AB D\0"s);
    o.PowerOnPWEnable = 1;
    CurData.BeepVolume = 1;
    CurData.ExtSpeaker = 1;
    FrmOption f;
    EXPECT_TRUE(IsShown(Combo(f, 18)));
    EXPECT_EQ(Combo(f, 18)->ListIndex(), 1);
    EXPECT_EQ(Combo(f, kLongPressList)->ListIndex(), 3);
    EXPECT_EQ(Combo(f, 21)->ListIndex(), 18);
    EXPECT_EQ(Combo(f, 26)->currentText(), "32");
    EXPECT_EQ(Combo(f, 28)->ListIndex(), 1);
    EXPECT_TRUE(Check(f, "Check1", 1)->isChecked());
    EXPECT_TRUE(Check(f, "Check1", 8)->isChecked());
    EXPECT_EQ(Box(f, "Text4", 0)->text(), "1000");
    EXPECT_EQ(Box(f, "Text4", 1)->text(), "23999");
    const char* chars[] = {"A", "B", "", "D", "", "", ""};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(Box(f, "Text1", i)->text(), chars[i]) << "Text1(" << i << ")";
    EXPECT_TRUE(IsShown(Box(f, "Text2")));
    EXPECT_TRUE(IsShown(Ctl<QWidget>(&f, "Label3")));
    EXPECT_EQ(f.OptionEdit(), o);
}

TEST_F(FrmOptionTest, IndexesOutsideTheirListsAreKeptUnlessPicked) {
    OptionData& o = CurData.FunSet.Option;
    o.SqlLeft = 25;
    o.LongPressTime = 30;
    o.KeyLight = -3;
    o.DisplayMode = 2;
    o.DisplayModeSub = 1;
    {
        FrmOption f;
        EXPECT_EQ(Combo(f, 1)->ListIndex(), 0);
        EXPECT_EQ(Combo(f, kLongPressList)->ListIndex(), 0);
        EXPECT_EQ(Combo(f, 24)->ListIndex(), 0);
        EXPECT_FALSE(IsShown(Combo(f, 18)));
        f.CommandOK_Click();
    }
    EXPECT_EQ(CurData.FunSet.Option.SqlLeft, 25);
    EXPECT_EQ(CurData.FunSet.Option.LongPressTime, 30);
    EXPECT_EQ(CurData.FunSet.Option.KeyLight, -3);
    EXPECT_EQ(CurData.FunSet.Option.DisplayModeSub, 1) << "a hidden load changes nothing";
    {
        // Picking the item already shown stores it.
        FrmOption f;
        Pick(Combo(f, 1), 0);
        Pick(Combo(f, kLongPressList), 2);
        f.CommandOK_Click();
    }
    EXPECT_EQ(CurData.FunSet.Option.SqlLeft, 0);
    EXPECT_EQ(CurData.FunSet.Option.LongPressTime, 20);
    EXPECT_EQ(CurData.FunSet.Option.KeyLight, -3);
}

TEST_F(FrmOptionTest, ListsAreReadByIndexWhateverTheirTexts) {
    // A language file whose PTT-lock items are all the same text.
    for (int id : {1760, 1761, 1762}) sandbox.SetEnglishText(id, "Same");
    CurData.FunSet.Option.PTTLock = 3;
    FrmOption f;
    EXPECT_EQ(Combo(f, 8)->ListIndex(), 3);
    Pick(Combo(f, 8), 2);
    EXPECT_EQ(f.OptionEdit().PTTLock, 2);
}

TEST_F(FrmOptionTest, DisplayModeCascade) {
    CurData.FunSet.Option.DisplayMode = 1;
    CurData.FunSet.Option.DisplayModeSub = 1;
    FrmOption f;
    Pick(Combo(f, 0), 0);
    EXPECT_FALSE(IsShown(Combo(f, 18)));
    EXPECT_EQ(f.OptionEdit().DisplayMode, 0);
    EXPECT_EQ(f.OptionEdit().DisplayModeSub, 0);
    Pick(Combo(f, 0), 1);
    EXPECT_TRUE(IsShown(Combo(f, 18)));
    EXPECT_EQ(Combo(f, 18)->ListIndex(), 0);
    Pick(Combo(f, 18), 1);
    Pick(Combo(f, 0), 2);
    EXPECT_FALSE(IsShown(Combo(f, 18)));
    EXPECT_EQ(f.OptionEdit().DisplayModeSub, 0);
    EXPECT_EQ(f.OptionEdit().DisplayMode, 2);

    // Sub choice stored out of range, display mode switched away: 0 all the same.
    CurData.FunSet.Option.DisplayModeSub = 9;
    FrmOption g;
    EXPECT_EQ(Combo(g, 18)->ListIndex(), 0);
    Pick(Combo(g, 0), 0);
    EXPECT_EQ(g.OptionEdit().DisplayModeSub, 0);
}

TEST_F(FrmOptionTest, ChecksGoIntoTheCopyAtOnceTheSpeakerAndVolumeAtOK) {
    const RadioData before = CurData;
    {
        FrmOption f;
        Check(f, "Check1", 6)->setChecked(true);
        Check(f, "Check1", 8)->setChecked(true);
        Pick(Combo(f, 28), 1);
        Pick(Combo(f, 13), 1);
        EXPECT_EQ(f.OptionEdit().Beep, 1);
        EXPECT_EQ(f.OptionEdit().CLKShift, 1);
        Box(f, "Text4", 0)->setText("1000");
        Box(f, "Text1", 0)->setText("Z");
        f.CommandCancel_Click();
    }
    EXPECT_EQ(CurData, before) << "Cancel keeps every change out";
    {
        FrmOption f;
        Check(f, "Check1", 6)->setChecked(true);
        Check(f, "Check1", 8)->setChecked(true);
        Pick(Combo(f, 28), 1);
        f.CommandOK_Click();
        EXPECT_EQ(f.result(), QDialog::Accepted);
    }
    EXPECT_EQ(CurData.FunSet.Option.Beep, 1);
    EXPECT_EQ(CurData.ExtSpeaker, 1);
    EXPECT_EQ(CurData.BeepVolume, 1);
}

TEST_F(FrmOptionTest, OKStoresTheBoxes) {
    CurData.FunSet.Option.Scrambler1 = 2500;
    CurData.FunSet.Option.Scrambler2 = 4321;
    CurData.FunSet.Option.PowerOnText = FixStr<14>::Of("1234567HIDDEN!");
    CurData.FunSet.Option.PowerOnPWEnable = 1;
    {
        FrmOption f;
        EXPECT_EQ(Box(f, "Text4", 0)->text(), "916");
        Box(f, "Text4", 1)->clear();
        const char* chars[] = {"A", "B", "", "D", "", "", ""};
        for (int i = 0; i < 7; ++i) Box(f, "Text1", i)->setText(chars[i]);
        Box(f, "Text2")->setText("123");
        Check(f, "Check2")->setChecked(false);
        EXPECT_FALSE(IsShown(Box(f, "Text2")));
        EXPECT_FALSE(IsShown(Ctl<QWidget>(&f, "Label3")));
        f.CommandOK_Click();
    }
    const OptionData& o = CurData.FunSet.Option;
    EXPECT_EQ(o.Scrambler1, 2501) << "rebuilt from the box although untouched";
    EXPECT_EQ(o.Scrambler2, 4321) << "an empty box keeps the loaded word";
    EXPECT_EQ(o.PowerOnText.raw(), "AB D   HIDDEN!");
    EXPECT_EQ(o.PowerOnPassWord.raw(), "123\0   "s);
    EXPECT_EQ(o.PowerOnPWEnable, 0);

    FrmOption again;
    EXPECT_EQ(Box(again, "Text2")->text(), "123");
    EXPECT_EQ(Box(again, "Text1", 2)->text(), "");
    EXPECT_EQ(Box(again, "Text1", 3)->text(), "D");
    EXPECT_EQ(Box(again, "Text1", 7)->text(), "H");
}

TEST_F(FrmOptionTest, TypingRunsThroughThePowerOnBoxes) {
    FrmOption f;
    Show(f);
    auto* first = Box(f, "Text1", 0);
    EXPECT_TRUE(first->hasFocus()) << "the dialog opens in the first power-on box";
    Type(first, "\\~");
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(first->text(), "W");
    first->selectAll();
    Type(first, "H");
    EXPECT_EQ(first->text(), "H");
    auto* second = Box(f, "Text1", 1);
    EXPECT_TRUE(second->hasFocus());
    second->selectAll();
    Key(second, 0, Qt::NoModifier, QString(QChar(0x4E2D)));  // does not fit one byte
    EXPECT_EQ(second->text(), "e");
    EXPECT_TRUE(second->hasFocus());
    Key(second, 0, Qt::NoModifier, QString(QChar(0xE9)));    // does
    EXPECT_EQ(second->text(), QString(QChar(0xE9)));
    QApplication::clipboard()->setText("Q");
    auto* third = Box(f, "Text1", 2);
    EXPECT_TRUE(third->hasFocus());
    third->selectAll();
    Key(third, Qt::Key_V, Qt::ControlModifier, "\x16");
    EXPECT_EQ(third->text(), "l") << "Ctrl+V is swallowed";
    for (int i = 2; i < 7; ++i) {
        auto* box = Box(f, "Text1", i);
        ASSERT_TRUE(box->hasFocus()) << "Text1(" << i << ")";
        box->selectAll();
        Type(box, "x");
    }
    EXPECT_TRUE(Combo(f, 0)->hasFocus()) << "after the seventh box the display mode";

    auto* pass = Box(f, "Text2");
    EXPECT_FALSE(IsShown(pass));
    Check(f, "Check2")->setChecked(true);
    pass->setFocus();
    Type(pass, "1a2-3 456789");
    EXPECT_EQ(pass->text(), "1234567");
    f.CommandOK_Click();
    EXPECT_EQ(CurData.FunSet.Option.PowerOnText.raw(), std::string("H\xE9xxxxx       "));
    EXPECT_EQ(CurData.FunSet.Option.PowerOnPassWord.raw(), "1234567");
    EXPECT_EQ(CurData.FunSet.Option.PowerOnPWEnable, 1);
}

}  // namespace
