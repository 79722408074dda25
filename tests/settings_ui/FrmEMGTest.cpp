// The embedded-information viewer in both languages, loaded hidden.
#include <gtest/gtest.h>

#include <string>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "ProgramSandbox.h"
#include "core/Defaults.h"
#include "core/MsgText.h"
#include "core/SharedState.h"
#include "platform/Twips.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextBox.h"
#include "settings/ui/FrmEMG.h"

namespace {

using namespace std::string_literals;
using platform::Ctl;

class FrmEMGTest : public testing::Test {
protected:
    void SetUp() override {
        InitLangButtonText();
        InitEmbedInfo();
        ModelName = "KQ-314";
    }
    static QString Box(const FrmEMG& f, int i) {
        if (auto* multi = platform::Control<QTextEdit>(&f, "Text1", i)) return multi->toPlainText();
        return Ctl<platform::TextBox>(&f, "Text1", i)->text();
    }
    static QString Caption(const FrmEMG& f, const char* name, int i = -1) { return Ctl<QLabel>(&f, name, i)->text(); }

    ProgramSandbox sandbox;
};

TEST_F(FrmEMGTest, EnglishCaptionsAndTheDefaultsLoadedHidden) {
    const EmbedInfoData before = EmbedInfo;
    FrmEMG f;
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(f.windowTitle(), "Embedded Message");
    EXPECT_EQ(Ctl<QGroupBox>(&f, "Frame1")->title(), "Dealer Information");
    EXPECT_EQ(Caption(f, "Label2"), "Area Code");
    EXPECT_EQ(Caption(f, "Label1", 1), "Radio Type");
    EXPECT_EQ(Caption(f, "Label1", 7), "Description");
    EXPECT_EQ(Caption(f, "Label1", 13), "Seller");
    EXPECT_EQ(Ctl<QPushButton>(&f, "CommandClose")->text(), "&Close");
    EXPECT_EQ(Ctl<QPushButton>(&f, "CommandHelp")->text(), "&Help");
    EXPECT_FALSE(platform::IsShown(Ctl<QWidget>(&f, "CommandHelp")));

    auto* model = Ctl<platform::ComboBox>(&f, "Combo1", 0);
    EXPECT_EQ(model->ListCount(), 1);
    EXPECT_EQ(model->currentText(), "KQ-314");
    EXPECT_EQ(Ctl<platform::ComboBox>(&f, "Combo1", 1)->currentText(), "Band 1");
    // The defaults, as before any read: fixed clock 2015-05-26.
    EXPECT_EQ(Box(f, 1), "2015052600000001");
    EXPECT_EQ(Box(f, 6), "05-1-E-1");
    EXPECT_EQ(Box(f, 5), "V2.00");
    EXPECT_EQ(Box(f, 0), "");
    EXPECT_EQ(Box(f, 8), "");
    for (int i = 0; i < 12; ++i) EXPECT_FALSE(Ctl<QWidget>(&f, "Text1", i)->isEnabled()) << "Text1(" << i << ")";
    EXPECT_FALSE(Ctl<QWidget>(&f, "Combo1", 0)->isEnabled());
    EXPECT_FALSE(Ctl<QWidget>(&f, "Combo1", 1)->isEnabled());
    const QWidget* version = Ctl<QWidget>(&f, "Text1", 5);
    EXPECT_EQ(version->palette().color(QPalette::Disabled, QPalette::Base),
              f.palette().color(QPalette::Disabled, QPalette::Window));

    // Labels end 50 twips before their column of boxes, inside and below the frame.
    for (const auto& [label, i, box] : {std::tuple{"Label1", 3, 1}, std::tuple{"Label2", -1, 0},
                                        std::tuple{"Label1", 11, 9}}) {
        const QWidget* l = Ctl<QWidget>(&f, label, i);
        EXPECT_EQ(l->x() + l->width() + platform::PixelsFromTwips(50), Ctl<QWidget>(&f, "Text1", box)->x())
            << label << "(" << i << ")";
    }
    f.CommandClose_Click();
    EXPECT_EQ(EmbedInfo, before);
}

TEST_F(FrmEMGTest, ChineseCaptionsAndTheFieldsAsStored) {
    LangIndex = 2;
    EmbedInfo.Band = 7;
    EmbedInfo.Version = "V2.10  ";
    EmbedInfo.SerialNo = FixStr<16>::Of("                ");
    EmbedInfo.Seller = FixStr<16>::Of("\0Name"s);
    EmbedInfo.MaintainReason = FixStr<96>::Of("Keypad replaced ");
    FrmEMG f;
    EXPECT_EQ(f.windowTitle(), "嵌入信息");
    EXPECT_EQ(Caption(f, "Label1", 6), "维修原因");
    EXPECT_EQ(Caption(f, "Label1", 7), "");
    EXPECT_EQ(Ctl<QPushButton>(&f, "CommandClose")->text(), "&Close");
    EXPECT_EQ(Ctl<QPushButton>(&f, "CommandHelp")->text(), "&Help");
    EXPECT_EQ(Ctl<platform::ComboBox>(&f, "Combo1", 1)->currentText(), "Band 1");
    EXPECT_EQ(Box(f, 5), "V2.10  ") << "the version as stored";
    EXPECT_EQ(Box(f, 1), "");
    EXPECT_EQ(Box(f, 11), "");
    EXPECT_EQ(Box(f, 4), "Keypad replaced");

    EmbedInfo.Band = 1;
    FrmEMG second;
    EXPECT_EQ(Ctl<platform::ComboBox>(&second, "Combo1", 1)->currentText(), "Band 2");
}

}  // namespace
