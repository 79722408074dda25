// The five-tone special-call composer over the five-tone dialog: its load
// (slot preset, separator, call type), the call-type change, its checks, and
// what OK writes for the code list and for the PTT-ID code boxes.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ChannelTestRecords.h"
#include "FiveToneTestCodes.h"
#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "WaitFor.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/TextBox.h"
#include "signalling/ui/Frm5Tone.h"
#include "signalling/ui/FiveToneCallDialog.h"

namespace {

using platform::Ctl;

constexpr const char* kTooLong = "The code has more than 24 digits and does not fit a PTT-ID code.";

class FrmSpecialTest : public testing::Test {
protected:
    void SetUp() override {
        StartWithoutChannels();
        CurData.FunSet.Tone5.SelfID = "67890";
        CurData.FunSet.Tone5.Tone5List[37] = UsedTone5Code("555", 4, 60, "Kept");
        owner = std::make_unique<Frm5Tone>();
    }
    // A composer for `target`, over the five-tone dialog.
    std::unique_ptr<FrmSpecial> Composer(SpecialTarget target) {
        SpecialCallTarget = target;
        return std::make_unique<FrmSpecial>(*owner);
    }
    static platform::ComboBox* List(const QWidget& c, const char* name, int i = -1) {
        return Ctl<platform::ComboBox>(&c, name, i);
    }
    static platform::TextBox* Box(const QWidget& c, const char* name, int i = -1) {
        return Ctl<platform::TextBox>(&c, name, i);
    }
    static bool Shown(const QWidget& c, const char* name) { return !Ctl<QWidget>(&c, name)->isHidden(); }
    static void OK(const QWidget& c) { Ctl<QPushButton>(&c, "CommandOK")->click(); }
    std::string Cell(int r, int col) const {
        return platform::Utf8(Ctl<platform::Grid>(owner.get(), "MSHFlexGrid1")->TextMatrix(r, col));
    }
    static Tone5Code& Work(int row) { return TempFunSetData.Tone5.Tone5List[row]; }
    static std::string O(int id) { return GetOptionText(id); }

    ProgramSandbox sandbox;
    std::unique_ptr<Frm5Tone> owner;
};

TEST_F(FrmSpecialTest, TheLoadPresetsTheSlotTheStoredSeparatorAndTheDataCall) {
    TempFunSetData.Tone5.SepCode = 13;
    auto c = Composer(SpecialTarget::ListEntry);
    EXPECT_EQ(platform::Utf8(c->windowTitle()), O(60062));
    EXPECT_EQ(platform::Utf8(Ctl<QLabel>(c.get(), "Label1", 0)->text()), O(60063));
    EXPECT_EQ(platform::Utf8(Ctl<QLabel>(c.get(), "Label5")->text()), O(60313));
    EXPECT_EQ(List(*c, "Combo1", 0)->ListCount(), 100);
    EXPECT_EQ(List(*c, "Combo1", 0)->Text(), "99") << "the grid's current row is 100 after the load";
    EXPECT_EQ(List(*c, "Combo1", 1)->ListCount(), 3);
    EXPECT_EQ(List(*c, "Combo1", 1)->Text(), O(60073));
    EXPECT_EQ(List(*c, "Combo3")->List(0), O(60318));
    EXPECT_EQ(List(*c, "Combo3")->Text(), "D");
    EXPECT_TRUE(Shown(*c, "Frame2"));
    EXPECT_FALSE(Shown(*c, "Frame4"));
    EXPECT_EQ(Box(*c, "Text1", 0)->text(), "12345");
    EXPECT_EQ(Box(*c, "Text1", 1)->text(), "12345");
    EXPECT_EQ(Box(*c, "Text2")->text(), "");

    Ctl<platform::Grid>(owner.get(), "MSHFlexGrid1")->SetCurrentCell(0, 0);
    for (int16_t stored : {0, 9, 16}) {
        TempFunSetData.Tone5.SepCode = stored;
        auto d = Composer(SpecialTarget::ListEntry);
        EXPECT_EQ(List(*d, "Combo1", 0)->Text(), "0") << "a row below 1 presets slot 0";
        EXPECT_EQ(List(*d, "Combo3")->ListIndex(), 0) << stored;
    }
}

TEST_F(FrmSpecialTest, ANIForTheListKeepsThePlaceholderAndFillsTheRow) {
    Ctl<platform::Grid>(owner.get(), "MSHFlexGrid1")->SetCurrentCell(37, 0);
    auto c = Composer(SpecialTarget::ListEntry);
    EXPECT_EQ(List(*c, "Combo1", 0)->Text(), "36");
    List(*c, "Combo1", 1)->SetListIndex(1);
    EXPECT_FALSE(Shown(*c, "Frame2"));
    EXPECT_TRUE(Shown(*c, "Frame4"));
    EXPECT_EQ(platform::Utf8(Ctl<QGroupBox>(c.get(), "Frame4")->title()), "ANI");
    List(*c, "Combo3")->SetListIndex(2);
    OK(*c);
    EXPECT_EQ(c->result(), QDialog::Accepted);
    EXPECT_EQ(TempFunSetData.Tone5.SepCode, 11);
    EXPECT_EQ(Work(37).Code.value(), "12345BSelfID");
    EXPECT_EQ(Work(37).CodeLen, 12);
    EXPECT_EQ(Work(37).EmptyFlag, 0);
    EXPECT_EQ(Work(37).Standard, 4);
    EXPECT_EQ(Work(37).TonePeriod, 60);
    EXPECT_EQ(Work(37).Name.value(), "Kept");
    EXPECT_EQ(Cell(37, 1), "ANI");
    EXPECT_EQ(Cell(37, 2), "12345B");
    EXPECT_EQ(Cell(37, 5), "Kept");

    // Another slot chosen before OK is the one written.
    auto d = Composer(SpecialTarget::ListEntry);
    List(*d, "Combo1", 0)->SetListIndex(4);
    List(*d, "Combo1", 1)->SetListIndex(2);
    OK(*d);
    EXPECT_EQ(Work(5).Code.value(), "E6SelfID");
    EXPECT_EQ(Work(5).CodeLen, 8);
    EXPECT_EQ(Cell(5, 1), "PTTID");
    EXPECT_EQ(Cell(5, 2), "");
    EXPECT_EQ(Work(37).Code.value(), "12345BSelfID");
}

TEST_F(FrmSpecialTest, ADataCallShowsItsMessageInTheCell) {
    auto c = Composer(SpecialTarget::ListEntry);
    List(*c, "Combo1", 0)->SetListIndex(36);
    Box(*c, "Text2")->setText("AB");
    OK(*c);
    EXPECT_EQ(Work(37).Code.value(), "E1E2345E4142");
    EXPECT_EQ(Work(37).CodeLen, 12);
    EXPECT_EQ(Cell(37, 1), O(60073));
    EXPECT_EQ(Cell(37, 2), "12345 " + TrimFixStr(O(60084)) + "AB");
}

TEST_F(FrmSpecialTest, PTTIDBoxesGetTheCodeWithTheOwnID) {
    TempFunSetData.Tone5.SepCode = 0;
    const auto listBefore = TempFunSetData.Tone5.Tone5List;
    auto c = Composer(SpecialTarget::PTTIDBegin);
    EXPECT_EQ(platform::Utf8(Ctl<QLabel>(c.get(), "Label1", 0)->text()), O(60302));
    EXPECT_TRUE(List(*c, "Combo1", 0)->isHidden());
    List(*c, "Combo1", 1)->SetListIndex(1);
    OK(*c);
    EXPECT_EQ(Box(*owner, "Text4", 0)->text(), "1234567890");

    auto d = Composer(SpecialTarget::PTTIDEnd);
    EXPECT_EQ(platform::Utf8(Ctl<QLabel>(d.get(), "Label1", 0)->text()), O(60303));
    List(*d, "Combo1", 1)->SetListIndex(2);
    OK(*d);
    EXPECT_EQ(Box(*owner, "Text4", 1)->text(), "E6E7890") << "E6 and the own ID, with repeat tones";
    EXPECT_TRUE(TempFunSetData.Tone5.Tone5List == listBefore) << "the list is not touched";
}

TEST_F(FrmSpecialTest, ACallLongerThanAPTTIDSlotIsRefused) {
    Box(*owner, "Text4", 0)->setText("99");
    auto c = Composer(SpecialTarget::PTTIDBegin);
    Box(*c, "Text2")->setText("ABCDEFGH");  // 8 + 16 digits: fits
    OK(*c);
    EXPECT_EQ(Box(*owner, "Text4", 0)->text(), "E1E2345E4142434445464748");

    auto d = Composer(SpecialTarget::PTTIDBegin);
    Box(*d, "Text2")->setText("ABCDEFGHI");
    sandbox.prompts.expect(kTooLong, platform::Buttons::Ok, platform::Answer::Ok);
    OK(*d);
    EXPECT_EQ(Box(*owner, "Text4", 0)->text(), "E1E2345E4142434445464748");
    EXPECT_NE(d->result(), QDialog::Accepted);
}

TEST_F(FrmSpecialTest, AShortIDStopsOKButTheSeparatorIsStored) {
    auto c = Composer(SpecialTarget::ListEntry);
    List(*c, "Combo1", 1)->SetListIndex(1);
    Box(*c, "Text1", 1)->setText("123");
    List(*c, "Combo3")->SetListIndex(6);
    sandbox.prompts.expect(GetMsgText("900C"), platform::Buttons::Ok, platform::Answer::Ok);
    OK(*c);
    EXPECT_TRUE(sandbox.prompts.allAnswered());
    EXPECT_EQ(TempFunSetData.Tone5.SepCode, 15);
    EXPECT_EQ(Work(100).CodeLen, 0) << "nothing composed";
    EXPECT_NE(c->result(), QDialog::Accepted);
}

TEST_F(FrmSpecialTest, SwitchingTheCallTypeShowsTheStoredSeparatorAgain) {
    TempFunSetData.Tone5.SepCode = 12;
    auto c = Composer(SpecialTarget::ListEntry);
    List(*c, "Combo1", 1)->SetListIndex(1);
    List(*c, "Combo3")->SetListIndex(5);
    List(*c, "Combo1", 1)->SetListIndex(0);
    List(*c, "Combo1", 1)->SetListIndex(1);
    EXPECT_EQ(List(*c, "Combo3")->Text(), "C");
    List(*c, "Combo1", 1)->SetListIndex(2);
    EXPECT_FALSE(Shown(*c, "Frame2"));
    EXPECT_FALSE(Shown(*c, "Frame4"));
}

TEST_F(FrmSpecialTest, BoxesFilterTheirKeysAndALeftShortIDIsReported) {
    auto c = Composer(SpecialTarget::ListEntry);
    c->show();
    QApplication::setActiveWindow(c.get());
    ASSERT_TRUE(WaitFor([&] { return c->isActiveWindow(); }));
    platform::TextBox* id = Box(*c, "Text1", 0);
    id->setFocus();
    id->clear();
    Type(id, "1a2b-");
    EXPECT_EQ(id->text(), "1A2");
    platform::TextBox* message = Box(*c, "Text2");
    sandbox.prompts.expect(GetMsgText("900C"), platform::Buttons::Ok, platform::Answer::Ok);
    message->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(sandbox.prompts.allAnswered());
    EXPECT_EQ(id->text(), "1A2") << "the text stays as typed";
    Type(message, "ab 9!");
    EXPECT_EQ(message->text(), "AB9");

    // Cancel always works, also from a short ID.
    id->setFocus();
    Ctl<QPushButton>(c.get(), "CommandCancel")->setFocus(Qt::MouseFocusReason);
    Ctl<QPushButton>(c.get(), "CommandCancel")->click();
    EXPECT_EQ(c->result(), QDialog::Rejected);
}

TEST_F(FrmSpecialTest, TheSpecialButtonOpensTheComposerModally) {
    owner->show();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* composer = dynamic_cast<FrmSpecial*>(QApplication::activeModalWidget());
        if (!composer) return;
        opened = true;
        EXPECT_EQ(List(*composer, "Combo1", 0)->Text(), "99");
        List(*composer, "Combo1", 1)->SetListIndex(2);
        OK(*composer);
    });
    owner->Command1_Click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(Work(100).Code.value(), "E6SelfID");
}

}  // namespace
