// The user-defined standard's dialog: its boxes shown from the working copy,
// the range rule on leaving a box and at OK, storing, and Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTimer>

#include "ChannelTestRecords.h"
#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "WaitFor.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "platform/ui/ControlText.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextBox.h"
#include "signalling/ui/Frm5Tone.h"
#include "signalling/ui/Frm5ToneDefTS.h"

namespace {

using platform::Ctl;

class Frm5ToneDefTSTest : public testing::Test {
protected:
    void SetUp() override {
        StartWithoutChannels();
        for (int i = 0; i < 16; ++i) TempFunSetData.Tone5.DefTone[static_cast<std::size_t>(i)] = static_cast<int16_t>(10000 + i);
        TempFunSetData.Tone5.DefTone[15] = 0;
    }
    void Open() {
        d = std::make_unique<Frm5ToneDefTS>();
        d->show();
        QApplication::setActiveWindow(d.get());
        ASSERT_TRUE(WaitFor([&] { return d->isActiveWindow(); }));
    }
    platform::TextBox* Box(int i) const { return Ctl<platform::TextBox>(d.get(), "Text1", i); }
    QPushButton* Button(const char* name) const { return Ctl<QPushButton>(d.get(), name); }
    // Leaves box i for box j, as a Tab would.
    void Leave(int i, int j) {
        Box(i)->setFocus(Qt::TabFocusReason);
        Box(j)->setFocus(Qt::TabFocusReason);
    }
    static int16_t Tone(int i) { return TempFunSetData.Tone5.DefTone[static_cast<std::size_t>(i)]; }

    ProgramSandbox sandbox;
    std::unique_ptr<Frm5ToneDefTS> d;
};

TEST_F(Frm5ToneDefTSTest, TheLoadShowsTheTonesAndFocusesOK) {
    Open();
    EXPECT_EQ(platform::Utf8(d->windowTitle()), GetLangText(3103));
    EXPECT_EQ(platform::Utf8(Button("CommandOK")->text()), GetLangText(101));
    EXPECT_EQ(platform::Utf8(Button("CommandCancel")->text()), GetLangText(102));
    EXPECT_EQ(Box(0)->text(), "1000.0");
    EXPECT_EQ(Box(10)->text(), "1001.0");
    EXPECT_EQ(Box(15)->text(), ".0");
    EXPECT_EQ(platform::CaptionOf(platform::FindControl(d.get(), "Label1", 11)), "B");
    EXPECT_TRUE(Button("CommandOK")->hasFocus());
    // Four columns of four, filled top to bottom.
    EXPECT_EQ(Box(1)->x(), Box(0)->x());
    EXPECT_GT(Box(1)->y(), Box(0)->y());
    EXPECT_GT(Box(4)->x(), Box(3)->x());
    EXPECT_EQ(Box(4)->y(), Box(0)->y());
    EXPECT_EQ(Box(15)->y(), Box(3)->y());
    // Tab order: OK, Cancel, then the boxes.
    Key(Button("CommandOK"), Qt::Key_Tab);
    EXPECT_TRUE(Button("CommandCancel")->hasFocus());
    Key(Button("CommandCancel"), Qt::Key_Tab);
    EXPECT_TRUE(Box(0)->hasFocus());
}

TEST_F(Frm5ToneDefTSTest, LeavingABoxKeepsItInRangeAndOKStoresTenths) {
    Open();
    struct Case { const char* typed; const char* left; int16_t stored; };
    const Case cases[] = {
        {"", "288.5", 2885},       {".", "288.5", 2885},   {"1.2.3", "288.5", 2885}, {"12", "288.5", 2885},
        {"5000", "3106.0", 31060}, {"288.5", "288.5", 2885}, {"3106", "3106", 31060}, {"1000", "1000", 10000},
        {"1000.25", "1000.25", 10002},
    };
    int i = 0;
    for (const auto& c : cases) {
        Box(i)->setText(c.typed);
        Leave(i, i + 1);
        EXPECT_EQ(Box(i)->text(), c.left) << '"' << c.typed << '"';
        ++i;
    }
    Button("CommandOK")->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    for (int k = 0; k < i; ++k) EXPECT_EQ(Tone(k), cases[k].stored) << '"' << cases[k].typed << '"';
    EXPECT_EQ(Tone(15), 0) << "a box never left keeps its value, also out of range";
    EXPECT_EQ(Tone(14), 10014);
}

TEST_F(Frm5ToneDefTSTest, OKRunsTheRangeRuleForTheFocusedBoxFirst) {
    Open();
    Box(3)->setFocus();
    Box(3)->setText("99");
    d->CommandOK_Click();
    EXPECT_EQ(Tone(3), 2885);
}

TEST_F(Frm5ToneDefTSTest, KeysArePassedAsTheBoxesAllow) {
    Open();
    QApplication::clipboard()->setText("1x2");
    platform::TextBox* box = Box(15);
    box->setFocus();
    box->clear();
    Type(box, "1a2.-3");
    EXPECT_EQ(box->text(), "12.3");
    Type(box, "456");
    EXPECT_EQ(box->text(), "12.345") << "six characters fill a box";
    Key(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "12.345");
    box->clear();
    box->PasteFiltered();
    EXPECT_EQ(box->text(), "12") << "pasted text is filtered too";
    Key(box, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_TRUE(Button("CommandOK")->hasFocus()) << "Enter in the last box moves on to OK";
    EXPECT_EQ(box->text(), "288.5");
}

TEST_F(Frm5ToneDefTSTest, CancelStoresNothing) {
    const auto before = TempFunSetData.Tone5.DefTone;
    Open();
    Box(0)->setText("2000");
    Leave(0, 1);
    Button("CommandCancel")->click();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(TempFunSetData.Tone5.DefTone, before);
}

TEST_F(Frm5ToneDefTSTest, TheUserStandardButtonOpensItModallyOverTheFiveToneDialog) {
    CurData.FunSet.Tone5.Standard = 15;
    Frm5Tone f;
    f.show();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* tones = dynamic_cast<Frm5ToneDefTS*>(QApplication::activeModalWidget());
        if (!tones) return;
        opened = true;
        auto* box = Ctl<platform::TextBox>(tones, "Text1", 1);
        box->setFocus();
        box->setText("1234.5");
        tones->CommandOK_Click();
    });
    f.Command4_Click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(TempFunSetData.Tone5.DefTone[1], 12345);
    EXPECT_NE(platform::ShownTextOf(platform::FindControl(&f, "Text1")).find("1234.5"), std::string::npos);
}

}  // namespace
