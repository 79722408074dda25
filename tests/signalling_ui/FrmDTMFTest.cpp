// The DTMF dialog: what a hidden load fills and corrects, the boxes' keys,
// the separator and own-ID rewrites, OK with its kill/stun check and its
// commit on the timer's first tick, and the code composer.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ChannelTestRecords.h"
#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "platform/Twips.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextBox.h"
#include "signalling/ui/FrmDTMF.h"
#include "signalling/ui/DTMFCallDialog.h"

using platform::Ctl;

namespace {

std::string T(int id) { return GetLangText(static_cast<int16_t>(id)); }

class FrmDTMFTest : public testing::Test {
protected:
    void SetUp() override {
        StartWithoutChannels();
        DTMFData& d = CurData.FunSet.DTMF;
        d.DTMFSelfID = "123";
        d.DTMFCode[0] = {FixStr<24>::Of("12E4F"), 5};
        d.DTMFKillCode = {FixStr<14>::Of("999"), 3};
    }
    FrmDTMF& Open() {
        auto timer = std::make_unique<platform::ManualReplyTimer>();
        okTimer = timer.get();
        dialog = std::make_unique<FrmDTMF>(nullptr, std::move(timer));
        return *dialog;
    }
    void Show() {
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QApplication::processEvents();
    }
    platform::TextBox* Box(const char* name, int index = -1) { return Ctl<platform::TextBox>(dialog.get(), name, index); }
    platform::TextBox* Code(int index) { return Box("Text2", index); }
    platform::ComboBox* Combo(int index) { return Ctl<platform::ComboBox>(dialog.get(), "Combo1", index); }
    std::string Text(platform::TextBox* box) { return platform::Utf8(box->text()); }
    QString Label(const char* name, int index) { return Ctl<QLabel>(dialog.get(), name, index)->text(); }
    // Focus moves inside the shown dialog, as Tab or a click moves it.
    void FocusOn(QWidget* w) {
        QApplication::setActiveWindow(dialog.get());  // back from a sub-dialog
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    ProgramSandbox sandbox;
    std::unique_ptr<FrmDTMF> dialog;
    platform::ManualReplyTimer* okTimer = nullptr;
};

TEST_F(FrmDTMFTest, AHiddenLoadFillsEveryControlInEitherLanguage) {
    for (bool chinese : {false, true}) {
        if (chinese) {
            LangIndex = 2;
            LangFilePath = "language/Tchinese.ini";
        }
        Open();
        ASSERT_TRUE(dialog->isHidden());
        EXPECT_EQ(dialog->windowTitle(), "DTMF");
        EXPECT_EQ(platform::Utf8(Ctl<QGroupBox>(dialog.get(), "Frame1")->title()), T(1602));
        EXPECT_EQ(platform::Utf8(Ctl<QGroupBox>(dialog.get(), "Frame2")->title()), T(1601));
        EXPECT_EQ(Label("Label1", 0), "M1");
        EXPECT_EQ(Label("Label1", 15), "M16");
        EXPECT_EQ(platform::Utf8(Label("Label1", 16)), GetOptionText(60302));
        EXPECT_EQ(platform::Utf8(Label("Label1", 19)), GetOptionText(60093));
        EXPECT_FALSE(GetOptionText(60093).empty());
        EXPECT_EQ(platform::Utf8(Label("Label3", 4)), T(3002));
        EXPECT_EQ(platform::Utf8(Label("Label3", 12)), T(1611));
        EXPECT_EQ(platform::Utf8(Ctl<QCheckBox>(dialog.get(), "Check1")->text()), T(1612));
        EXPECT_EQ(platform::Utf8(Ctl<QPushButton>(dialog.get(), "CommandSpecial")->text()), T(3003));
        EXPECT_EQ(platform::Utf8(Ctl<QPushButton>(dialog.get(), "CommandOK")->text()), T(101));

        const int counts[] = {16, 2, 7, 4, 7, 6, 7, 3, 251, 5, 251, 250, 72};
        for (int i = 0; i < kDTMFLists; ++i) EXPECT_EQ(Combo(i)->ListCount(), counts[i]) << "Combo1(" << i << ")";
        EXPECT_EQ(Combo(kSendTimeList)->Text(), "50" + T(1780));
        EXPECT_EQ(Combo(kSeparatorList)->Text(), "*");
        EXPECT_EQ(Combo(kPTTIDModeList)->Text(), T(4082));
        EXPECT_EQ(Text(Box("Text3")), "123");
        EXPECT_EQ(Text(Code(0)), "12*4#");
        EXPECT_EQ(Text(Code(kKillCodeBox)), "999");

        // Hidden by the dialog, placed out of sight, or both; none takes the focus.
        for (int list : {kMemoryList, kANIList, kPTTIDModeList}) {
            EXPECT_FALSE(platform::IsShown(Combo(list))) << list;
            EXPECT_FALSE(platform::IsShown(Ctl<QLabel>(dialog.get(), "Label3", list))) << list;
        }
        for (QWidget* parked : {static_cast<QWidget*>(Combo(kOwnIDRow)), static_cast<QWidget*>(Box("Text1"))}) {
            EXPECT_TRUE(platform::IsShown(parked));
            EXPECT_EQ(parked->focusPolicy(), Qt::NoFocus);
        }
        EXPECT_EQ(dialog->CurDTMFEditID(), 0);
        // Every label ends 100 twips before the value column.
        const int column = Combo(kSendTimeList)->x();
        for (int list : {kSendTimeList, kOwnIDRow, kPauseTimeList}) {
            QLabel* label = Ctl<QLabel>(dialog.get(), "Label3", list);
            EXPECT_EQ(label->x() + label->width() + platform::PixelsFromTwips(100), column) << list;
        }
    }
}

TEST_F(FrmDTMFTest, LoadCorrectionsStayWhenTheDialogIsCancelled) {
    DTMFData& d = CurData.FunSet.DTMF;
    d.DTMFGroupCode = 20;
    d.DTMFSepCode = 0;
    d.DTMFPauseTime = 3;
    d.DTMFSelfID = "7";
    d.DTMFSideTone = 2;
    Open();
    EXPECT_EQ(Combo(kGroupList)->ListIndex(), 0) << "off";
    EXPECT_EQ(Combo(kSeparatorList)->Text(), "*");
    EXPECT_EQ(Text(Box("Text3")), "700");
    dialog->CommandCancel_Click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(d.DTMFGroupCode, 255);
    EXPECT_EQ(d.DTMFSepCode, 14);
    EXPECT_EQ(d.DTMFPauseTime, 0);
    EXPECT_EQ(d.DTMFSelfID.value(), "700");
    EXPECT_EQ(d.DTMFSideTone, 0);
    EXPECT_EQ(d.DTMFCode[0].Code.value(), "12E4F") << "nothing else is written";
}

TEST_F(FrmDTMFTest, TheSeparatorIsShownBeforeTheCodesSoStoredCodesStayAsStored) {
    DTMFData& d = CurData.FunSet.DTMF;
    d.DTMFSepCode = 15;  // "#"
    d.DTMFCode[2] = {FixStr<24>::Of("456E123"), 7};
    d.PTTIDBeginCode = {FixStr<24>::Of("E123"), 4};
    Open();
    EXPECT_EQ(Combo(kSeparatorList)->Text(), "#");
    EXPECT_EQ(Text(Code(2)), "456*123");
    EXPECT_EQ(Text(Code(kBeginCodeBox)), "*123");
}

TEST_F(FrmDTMFTest, BoxesTakeOnlyTheirCharactersTypedOrPasted) {
    Open();
    Show();
    EXPECT_TRUE(Combo(kSendTimeList)->hasFocus()) << "the first control of the tab order";
    FocusOn(Code(3));
    EXPECT_EQ(dialog->CurDTMFEditID(), 3);
    Code(3)->clear();
    Type(Code(3), "a1e*#xD9");
    EXPECT_EQ(Text(Code(3)), "A1*#D9");

    QApplication::clipboard()->setText("12ab*x#");
    Key(Code(3), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(Code(3)), "A1*#D9") << "Ctrl+V is swallowed";
    Code(3)->clear();
    Code(3)->PasteFiltered();  // the context menu's paste
    EXPECT_EQ(Text(Code(3)), "12AB*#");
    QApplication::clipboard()->setText(QString(20, QLatin1Char('7')));
    Code(kStunCodeBox)->clear();
    Code(kStunCodeBox)->PasteFiltered();
    EXPECT_EQ(Text(Code(kStunCodeBox)), std::string(14, '7'));

    FocusOn(Box("Text3"));
    EXPECT_EQ(dialog->CurDTMFEditID(), 3) << "only a code box changes it";
    Box("Text3")->clear();
    Type(Box("Text3"), "1a*29");
    EXPECT_EQ(Text(Box("Text3")), "129");
    QApplication::clipboard()->setText("4x5");
    Box("Text3")->clear();
    Box("Text3")->PasteFiltered();
    EXPECT_EQ(Text(Box("Text3")), "45");

    // Enter moves on in the tab order: the own ID after the send time, the
    // separator after the own ID.
    FocusOn(Combo(kSendTimeList));
    Key(Combo(kSendTimeList), Qt::Key_Return);
    EXPECT_TRUE(Box("Text3")->hasFocus());
    Key(Box("Text3"), Qt::Key_Return);
    EXPECT_TRUE(Combo(kSeparatorList)->hasFocus());
    FocusOn(Code(kStunCodeBox));
    Key(Code(kStunCodeBox), Qt::Key_Enter);
    EXPECT_TRUE(Code(0)->hasFocus()) << "the stun code, then M1";
    EXPECT_EQ(dialog->CurDTMFEditID(), 0);
    EXPECT_EQ(Text(Box("Text3")), "450") << "leaving the box pads it";
}

TEST_F(FrmDTMFTest, SeparatorAndOwnIDRewriteComposedCodes) {
    Open();
    Show();
    Box("Text3")->setText("456");
    const std::pair<int, const char*> codes[] = {
        {0, "123*456"}, {1, "*456"}, {2, "123*789"}, {3, "A456"}, {kBeginCodeBox, "*456"},
        {kEndCodeBox, "555*456"}, {kKillCodeBox, "*456"}, {kStunCodeBox, "123*456"},
    };
    for (const auto& [box, code] : codes) Code(box)->setText(code);

    Combo(kSeparatorList)->SetListIndex(5);  // "#"
    const std::pair<int, const char*> afterSeparator[] = {
        {0, "123#456"}, {1, "#456"}, {2, "123*789"}, {3, "#456"}, {kBeginCodeBox, "#456"},
        {kEndCodeBox, "555#456"}, {kKillCodeBox, "*456"}, {kStunCodeBox, "123*456"},
    };
    for (const auto& [box, code] : afterSeparator) EXPECT_EQ(Text(Code(box)), code) << "Text2(" << box << ")";

    FocusOn(Box("Text3"));
    Box("Text3")->setText("789");
    FocusOn(Code(5));
    const std::pair<int, const char*> afterOwnID[] = {
        {0, "123#789"}, {1, "#789"}, {2, "123*789"}, {3, "#789"}, {kEndCodeBox, "555#789"},
        {kKillCodeBox, "*456"}, {kStunCodeBox, "123*456"},
    };
    for (const auto& [box, code] : afterOwnID) EXPECT_EQ(Text(Code(box)), code) << "Text2(" << box << ")";

    FocusOn(Box("Text3"));
    Box("Text3")->clear();
    FocusOn(Code(5));
    EXPECT_EQ(Text(Box("Text3")), "000");
    EXPECT_EQ(Text(Code(0)), "123#000");
    EXPECT_EQ(Text(Code(1)), "#000");
}

TEST_F(FrmDTMFTest, EqualKillAndStunCodesAreRefused) {
    Open();
    Show();
    Code(kKillCodeBox)->setText("123");
    Code(kStunCodeBox)->setText("123");
    FocusOn(Code(0));
    const DTMFData before = CurData.FunSet.DTMF;
    sandbox.prompts.expect(T(kKillEqualsStunText), platform::Buttons::Ok, platform::Answer::Ok, platform::Icon::None,
                           true);
    dialog->CommandOK_Click();
    QApplication::processEvents();
    EXPECT_TRUE(platform::IsShown(dialog.get())) << "the dialog stays open";
    EXPECT_TRUE(Code(kKillCodeBox)->hasFocus());
    EXPECT_EQ(dialog->CurDTMFEditID(), kKillCodeBox);
    EXPECT_FALSE(okTimer->IsActive());
    EXPECT_EQ(CurData.FunSet.DTMF, before);

    // An empty kill code passes whatever the stun code holds.
    Code(kKillCodeBox)->clear();
    dialog->CommandOK_Click();
    EXPECT_TRUE(dialog->CommitPending());
}

TEST_F(FrmDTMFTest, OKHidesAtOnceAndCommitsOnTheFirstTick) {
    Open();
    Show();
    Combo(kGroupList)->SetListIndex(0);        // off
    Combo(kPauseTimeList)->SetListIndex(1);    // "5"
    Combo(kPostDelayList)->SetListIndex(0);    // "10"
    Combo(kSendTimeList)->SetListIndex(0);     // "30"
    Ctl<QCheckBox>(dialog.get(), "Check1")->setChecked(true);
    Code(7)->setText("12*4#");
    Code(kKillCodeBox)->setText("1234");
    Code(kStunCodeBox)->setText("123");
    const DTMFData before = CurData.FunSet.DTMF;

    dialog->CommandOK_Click();
    EXPECT_TRUE(dialog->isHidden()) << "hidden at once";
    EXPECT_TRUE(okTimer->IsActive());
    EXPECT_EQ(CurData.FunSet.DTMF, before) << "OK itself writes nothing";
    dialog->CommandCancel_Click();
    dialog->reject();
    EXPECT_TRUE(dialog->CommitPending()) << "an accepted OK cannot be cancelled";

    ASSERT_TRUE(okTimer->Fire());
    const DTMFData& d = CurData.FunSet.DTMF;
    EXPECT_EQ(d.DTMFGroupCode, 255);
    EXPECT_EQ(d.DTMFPauseTime, 5);
    EXPECT_EQ(d.DTMFPostDelay, 1);
    EXPECT_EQ(d.DTMFSendTime, 0);
    EXPECT_EQ(d.DTMFSideTone, 1);
    EXPECT_EQ(d.DTMFCode[7].Code.value(), "12E4F");
    EXPECT_EQ(d.DTMFCode[7].CodeLen, 5);
    EXPECT_EQ(d.DTMFKillCode.Code.value(), "1234");
    EXPECT_EQ(d.DTMFStunCode.CodeLen, 3);
    EXPECT_EQ(d.DTMFSelfID.value(), "123");
    EXPECT_EQ(d.DTMFCode[0].Code.value(), "12E4F");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->CommitPending());
    EXPECT_FALSE(okTimer->Fire()) << "the commit runs once";
}

TEST_F(FrmDTMFTest, OKStoresEveryListAsPicked) {
    struct Case {
        int list;
        int item;
        int stored;
        int (*field)(const DTMFData&);
    };
    const Case cases[] = {
        {kANIList, 1, 1, [](const DTMFData& d) { return int{d.DTMFANI}; }},
        {kSendTimeList, 4, 4, [](const DTMFData& d) { return int{d.DTMFSendTime}; }},
        {kPTTIDModeList, 2, 2, [](const DTMFData& d) { return int{d.PTTIDMode}; }},
        {kSeparatorList, 3, 13, [](const DTMFData& d) { return int{d.DTMFSepCode}; }},
        {kGroupList, 2, 11, [](const DTMFData& d) { return int{d.DTMFGroupCode}; }},
        {kDecodeRespList, 2, 2, [](const DTMFData& d) { return int{d.DTMFDecodeResp}; }},
        {kFirstDelayList, 17, 17, [](const DTMFData& d) { return int{d.DTMFFirstDelay}; }},
        {kPreDelayList, 3, 3, [](const DTMFData& d) { return int{d.DTMFPreDelay}; }},
        {kResetTimeList, 123, 123, [](const DTMFData& d) { return int{d.DTMFResetTime}; }},
        {kPostDelayList, 44, 45, [](const DTMFData& d) { return int{d.DTMFPostDelay}; }},
        {kPauseTimeList, 10, 14, [](const DTMFData& d) { return int{d.DTMFPauseTime}; }},
    };
    Open();
    for (const Case& c : cases) {
        ASSERT_NE(Combo(c.list)->ListIndex(), c.item) << "Combo1(" << c.list << ") must change";
        ASSERT_NE(c.field(CurData.FunSet.DTMF), c.stored) << "Combo1(" << c.list << ") must store something new";
        Combo(c.list)->SetListIndex(c.item);
    }
    dialog->CommandOK_Click();
    ASSERT_TRUE(okTimer->Fire());
    for (const Case& c : cases) EXPECT_EQ(c.field(CurData.FunSet.DTMF), c.stored) << "Combo1(" << c.list << ")";
}

// The composer runs modally over the dialog; `drive` acts in it once it is up.
void RunComposer(FrmDTMF& dialog, const std::function<void(FrmDTMFSpecial&)>& drive, bool& opened) {
    opened = false;
    QTimer::singleShot(0, [&] {
        auto* composer = dynamic_cast<FrmDTMFSpecial*>(QApplication::activeModalWidget());
        if (!composer) return;
        opened = true;
        drive(*composer);
    });
    dialog.CommandSpecial_Click();
    QApplication::processEvents();
}

TEST_F(FrmDTMFTest, TheComposerFillsTheLastFocusedCodeBox) {
    Open();
    Show();
    bool opened = false;

    // No code box had the focus yet: the composer writes M1.
    RunComposer(*dialog, [](FrmDTMFSpecial& c) {
        EXPECT_EQ(c.windowTitle(), "DTMF Special Call");
        EXPECT_EQ(platform::Utf8(Ctl<QLabel>(&c, "Label1")->text()), GetOptionText(60064));
        EXPECT_EQ(platform::Utf8(Ctl<QLabel>(&c, "Label2")->text()), GetOptionText(60076));
        auto* kind = Ctl<platform::ComboBox>(&c, "Combo1", 0);
        EXPECT_EQ(kind->Text(), "ANI");
        EXPECT_EQ(kind->ListCount(), 2);
        EXPECT_TRUE(platform::IsShown(Ctl<QGroupBox>(&c, "Frame1")));
        auto* called = Ctl<platform::TextBox>(&c, "Text1");
        EXPECT_EQ(called->text(), "000");
        called->clear();
        Type(called, "5x");
        Ctl<QPushButton>(&c, "CommandOK")->click();
    }, opened);
    EXPECT_TRUE(opened);
    EXPECT_EQ(Text(Code(0)), "500*123");

    // The PTT-ID begin box; PTT-ID codes ignore the called ID.
    FocusOn(Code(kBeginCodeBox));
    Code(kBeginCodeBox)->setText("99");
    Combo(kSeparatorList)->SetListIndex(5);
    Box("Text3")->setText("007");
    RunComposer(*dialog, [](FrmDTMFSpecial& c) {
        Ctl<platform::ComboBox>(&c, "Combo1", 0)->SetListIndex(1);
        EXPECT_FALSE(platform::IsShown(Ctl<QGroupBox>(&c, "Frame1")));
        Ctl<platform::TextBox>(&c, "Text1")->setText("555");
        Ctl<QPushButton>(&c, "CommandOK")->click();
    }, opened);
    EXPECT_TRUE(opened);
    EXPECT_EQ(Text(Code(kBeginCodeBox)), "#007");

    // Cancel writes nothing.
    RunComposer(*dialog, [](FrmDTMFSpecial& c) { Ctl<QPushButton>(&c, "CommandCancel")->click(); }, opened);
    EXPECT_TRUE(opened);
    EXPECT_EQ(Text(Code(kBeginCodeBox)), "#007");

    // With the kill or stun box focused last, Special does nothing.
    for (int box : {kKillCodeBox, kStunCodeBox}) {
        FocusOn(Code(box));
        RunComposer(*dialog, [](FrmDTMFSpecial& c) { c.reject(); }, opened);
        EXPECT_FALSE(opened) << box;
    }
}

TEST_F(FrmDTMFTest, TheComposersCalledIDTakesDigitsAndIsPaddedOnLeaving) {
    Open();
    FrmDTMFSpecial composer(*dialog);
    composer.show();
    QApplication::setActiveWindow(&composer);
    auto* called = Ctl<platform::TextBox>(&composer, "Text1");
    called->setFocus(Qt::TabFocusReason);
    called->clear();
    Type(called, "a5*");
    EXPECT_EQ(called->text(), "5");
    Ctl<platform::ComboBox>(&composer, "Combo1", 0)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(called->text(), "500");
}

}  // namespace
