// The form builder and what it gives every dialog: names and places from a
// control table, the focus order, Enter as Tab, the lost-focus notice, the
// one-character boxes, label placement, loud lookups and guarded slots.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "KeyPresses.h"
#include "ScriptedPrompts.h"
#include "TempProgramFolder.h"
#include "WaitFor.h"
#include "platform/Twips.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Grid.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"
#include "platform/ui/TextBox.h"

using platform::Ctl;
using platform::Kind;
using platform::PixelsFromTwips;
using platform::Row;

namespace {

// Rows out of tab order on purpose: the focus follows the tab indexes.
constexpr platform::ControlRow kFocusRows[] = {
    Row(Kind::CommandButton, "CommandOK").At(240, 2400, 1215).Tab(7).Literal("OK"),
    Row(Kind::TextBox, "Text1", 0).At(240, 240, 1455).Tab(1),
    Row(Kind::List, "Combo1", 0).At(240, 600, 1455).Tab(2),
    Row(Kind::TextBox, "Text1", 1).At(1920, 240, 1455).Tab(3).Hidden(),
    Row(Kind::CheckBox, "Check1").At(240, 960, 1455).Tab(4).Literal("Check"),
    Row(Kind::BorderlessFrame, "Frame1").At(240, 1320, 3000, 600),
    Row(Kind::OptionButton, "Option1", 0).At(0, 0, 1455).Tab(5).Literal("One").In("Frame1"),
    Row(Kind::CommandButton, "Command1").At(240, 1920, 1215).Tab(6).Literal("Other"),
    Row(Kind::CommandButton, "CommandCancel").At(1680, 2400, 1215).Tab(8).Literal("Cancel"),
};

class FocusForm : public testing::Test {
protected:
    void SetUp() override {
        platform::BuildForm(dialog, platform::Form("FrmFocus").Size(4000, 3000), kFocusRows);
        QObject::connect(Ctl<QPushButton>(&dialog, "CommandOK"), &QPushButton::clicked, [this] { ++okPressed; });
        QObject::connect(Ctl<QPushButton>(&dialog, "Command1"), &QPushButton::clicked, [this] { ++otherPressed; });
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    QWidget* W(const char* name, int index = -1) { return Ctl<QWidget>(&dialog, name, index); }
    void FocusOn(QWidget* w) {
        w->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(WaitFor([w] { return w->hasFocus(); })) << platform::ControlName(w);
    }

    QDialog dialog;
    int okPressed = 0;
    int otherPressed = 0;
};

TEST_F(FocusForm, EnterMovesOnFromEveryKindAndNeverPressesAButton) {
    struct Case {
        const char* from;
        int fromIndex;
        const char* to;
        int toIndex;
    };
    const Case cases[] = {
        {"Text1", 0, "Combo1", 0},         // a text box
        {"Combo1", 0, "Check1", -1},       // a list; the hidden box is passed over
        {"Check1", -1, "Option1", 0},      // a check box; into a frame
        {"Option1", 0, "Command1", -1},    // an option button
        {"Command1", -1, "CommandOK", -1}, // a button
        {"CommandOK", -1, "CommandCancel", -1},
    };
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        for (const auto& c : cases) {
            FocusOn(W(c.from, c.fromIndex));
            const bool checked = Ctl<QCheckBox>(&dialog, "Check1")->isChecked();
            Key(QApplication::focusWidget(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier, "\r");
            EXPECT_TRUE(W(c.to, c.toIndex)->hasFocus()) << c.from << " to " << c.to << " by key " << key;
            EXPECT_EQ(Ctl<QCheckBox>(&dialog, "Check1")->isChecked(), checked);
        }
    }
    EXPECT_EQ(okPressed, 0);
    EXPECT_EQ(otherPressed, 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);

    // A disabled control is passed over as a hidden one is.
    W("Check1")->setEnabled(false);
    FocusOn(W("Combo1", 0));
    Key(W("Combo1", 0), Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_TRUE(W("Option1", 0)->hasFocus());
}

TEST_F(FocusForm, TabFollowsTheTabIndexes) {
    FocusOn(W("Text1", 0));
    std::vector<std::string> visited;
    for (int i = 0; i < 6; ++i) {
        Key(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(platform::ControlName(QApplication::focusWidget()));
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Combo1", "Check1", "Option1", "Command1", "CommandOK",
                                                 "CommandCancel"}));
}

TEST(FormBuilder, ControlsBeyondTheClientAreaTakeNoFocus) {
    constexpr platform::ControlRow rows[] = {
        Row(Kind::TextBox, "Text1", 0).At(240, 240, 1455).Tab(1),
        Row(Kind::List, "Combo1", 8).At(5000, 600, 1935).Tab(2),  // wholly beyond the right edge
        Row(Kind::List, "Combo1", 1).At(3000, 600, 1935).Tab(3),  // partly beyond it: seen
        Row(Kind::Frame, "Frame1").At(240, 1200, 3000, 600),
        Row(Kind::CheckBox, "Check1").At(120, 240, 1455).Tab(4).Literal("In").In("Frame1"),
        Row(Kind::CheckBox, "Check2").At(120, 700, 1455).Tab(5).Literal("Below").In("Frame1"),
        Row(Kind::CommandButton, "CommandOK").At(240, 2400, 1215).Tab(6).Literal("OK"),
    };
    QDialog dialog;
    platform::BuildForm(dialog, platform::Form("FrmOutside").Size(4000, 3000), rows);
    platform::KeepFocusInClientArea(dialog);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* box = Ctl<QWidget>(&dialog, "Text1", 0);
    box->setFocus();
    ASSERT_TRUE(WaitFor([box] { return box->hasFocus(); }));
    std::vector<std::pair<std::string, int>> visited;
    for (int i = 0; i < 4; ++i) {
        Key(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        visited.emplace_back(platform::ControlName(focus), platform::ControlIndex(focus));
    }
    EXPECT_EQ(visited, (std::vector<std::pair<std::string, int>>{
                           {"Combo1", 1}, {"Check1", -1}, {"CommandOK", -1}, {"Text1", 0}}));
    EXPECT_EQ(Ctl<QWidget>(&dialog, "Combo1", 8)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(Ctl<QWidget>(&dialog, "Check2")->focusPolicy(), Qt::NoFocus) << "below its frame's bottom";
    EXPECT_NE(Ctl<QWidget>(&dialog, "Combo1", 1)->focusPolicy(), Qt::NoFocus);
}

TEST(FormBuilder, AFormThatKeepsItsDefaultButtonPressesItOnEnter) {
    constexpr platform::ControlRow rows[] = {
        Row(Kind::TextBox, "Text1").At(240, 240, 1455).Tab(0),
        Row(Kind::CommandButton, "CommandOK").At(240, 600, 1215).Tab(1).Literal("OK"),
    };
    QDialog dialog;
    platform::BuildForm(dialog, platform::Form("FrmDefault").EnterPressesDefault(), rows);
    Ctl<QPushButton>(&dialog, "CommandOK")->setDefault(true);
    int pressed = 0;
    QObject::connect(Ctl<QPushButton>(&dialog, "CommandOK"), &QPushButton::clicked, [&] { ++pressed; });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* box = Ctl<platform::TextBox>(&dialog, "Text1");
    box->setFocus();
    ASSERT_TRUE(WaitFor([box] { return box->hasFocus(); }));
    Key(box, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(pressed, 1);
}

TEST_F(FocusForm, LostFocusFiresForMovesInsideTheDialogOnly) {
    auto* box = Ctl<platform::TextBox>(&dialog, "Text1", 0);
    int lost = 0;
    QObject::connect(box, &platform::TextBox::LostFocus, [&] { ++lost; });
    FocusOn(box);

    // A message box or a sub-dialog takes the focus from the window.
    QDialog other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(WaitFor([&] { return !box->hasFocus(); }));
    EXPECT_EQ(lost, 0);
    other.hide();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(WaitFor([&] { return box->hasFocus(); })) << "the box has the focus again";
    EXPECT_EQ(lost, 0);

    Key(box, Qt::Key_Tab);
    EXPECT_EQ(lost, 1) << "Tab to the next control";
    FocusOn(box);
    W("CommandOK")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(lost, 2) << "a click on a button";
}

TEST_F(FocusForm, OneCharacterBoxMovesOnAfterAnAcceptedCharacter) {
    auto* box = Ctl<platform::TextBox>(&dialog, "Text1", 0);
    box->SetTypingLimit(1);
    box->SetMoveOnAfterChar(true);
    box->SetCharRule([](QChar c) -> std::optional<QChar> {
        if (c == '\\' || c == '~') return std::nullopt;
        return c;
    });
    FocusOn(box);
    Type(box, "\\");
    EXPECT_TRUE(box->hasFocus()) << "a refused character keeps the focus";
    EXPECT_EQ(box->text(), "");
    Key(box, Qt::Key_Backspace, Qt::NoModifier, "\b");
    EXPECT_TRUE(box->hasFocus()) << "control keys do not move on";
    Type(box, "A");
    EXPECT_EQ(box->text(), "A");
    EXPECT_TRUE(W("Combo1", 0)->hasFocus());
}

class LanguageForm : public testing::Test {
protected:
    void SetUp() override {
        folder.write("language/english.ini", "[OTHER]\n1101=Receive:\n1300=Channel\n4030=A much longer caption:\n"
                                             "1102=Encode\n");
    }
    TempProgramFolder folder;
};

TEST_F(LanguageForm, BuildsNamedControlsInTwipsWithinTheirContainers) {
    constexpr platform::ControlRow rows[] = {
        Row(Kind::Frame, "Frame1").At(2040, 6960, 2175, 975),
        Row(Kind::CheckBox, "Check4", 1).At(120, 600, 1815).Tab(36).Literal("Talk around").In("Frame1"),
        Row(Kind::TextBox, "Text1", 0).At(2160, 240, 1455).Tab(1).Limit(9),
        Row(Kind::Label, "Label1", 0).At(0, 270).Text(1101),
        Row(Kind::List, "Combo1", 11).At(11280, 600, 2175).Hidden(),
        Row(Kind::TabControl, "SSTab1").At(120, 3000, 4000, 2000),
        Row(Kind::TabPage, "SSTab1Page", 0).In("SSTab1").Text(1102),
        Row(Kind::TextBox, "Text2", 0).At(120, 120, 1000).In("SSTab1Page", 0),
        Row(Kind::Grid, "MSFlexGrid1").At(120, 5400, 3000, 1000),
        Row(Kind::ListBox, "List1").At(3240, 5400, 3000, 1500),
    };
    QDialog dialog;
    platform::BuildForm(dialog, platform::Form("FrmCHEdit").Text(1300).Size(6495, 9495), rows);

    EXPECT_EQ(platform::ControlName(&dialog), "FrmCHEdit");
    EXPECT_EQ(dialog.windowTitle(), "Channel");
    EXPECT_EQ(dialog.size(), QSize(PixelsFromTwips(6495), PixelsFromTwips(9495)));

    auto* check = Ctl<QCheckBox>(&dialog, "Check4", 1);
    EXPECT_EQ(check->parentWidget(), Ctl<QGroupBox>(&dialog, "Frame1"));
    EXPECT_EQ(check->geometry(), QRect(PixelsFromTwips(120), PixelsFromTwips(600), PixelsFromTwips(1815),
                                       PixelsFromTwips(255)));
    EXPECT_EQ(check->text(), "Talk around");

    auto* box = Ctl<platform::TextBox>(&dialog, "Text1", 0);
    EXPECT_EQ(box->geometry(), QRect(PixelsFromTwips(2160), PixelsFromTwips(240), PixelsFromTwips(1455),
                                     PixelsFromTwips(285)));
    EXPECT_EQ(box->TypingLimit(), 9);
    EXPECT_EQ(box->maxLength(), 32767) << "the program's own texts are never cut";

    auto* label = Ctl<QLabel>(&dialog, "Label1", 0);
    EXPECT_EQ(label->text(), "Receive:");
    EXPECT_EQ(platform::LangTag(label), "1101");
    EXPECT_EQ(label->width(), label->sizeHint().width()) << "a label sizes itself to its caption";

    EXPECT_FALSE(platform::IsShown(Ctl<platform::ComboBox>(&dialog, "Combo1", 11)));
    EXPECT_TRUE(platform::IsShown(box));

    auto* tabs = Ctl<QTabWidget>(&dialog, "SSTab1");
    ASSERT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->tabText(0), "Encode");
    EXPECT_EQ(Ctl<platform::TextBox>(&dialog, "Text2", 0)->parentWidget(), tabs->widget(0));
    EXPECT_EQ(Ctl<platform::Grid>(&dialog, "MSFlexGrid1")->geometry(),
              QRect(PixelsFromTwips(120), PixelsFromTwips(5400), PixelsFromTwips(3000), PixelsFromTwips(1000)));
    auto* list = Ctl<QListWidget>(&dialog, "List1");
    EXPECT_EQ(list->geometry(), QRect(PixelsFromTwips(3240), PixelsFromTwips(5400), PixelsFromTwips(3000),
                                      PixelsFromTwips(1500)));
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(LanguageForm, LabelsEndTheirGapBeforeTheirControls) {
    for (const int gap : {30, 50, 100}) {
        const platform::ControlRow rows[] = {
            Row(Kind::Label, "Label4").At(0, 8040).Text(1101).Before("Text3", -1, gap),
            Row(Kind::TextBox, "Text3").At(3000, 8000, 1935),
            Row(Kind::Frame, "Frame1").At(2040, 240, 3000, 1000),
            Row(Kind::Label, "Label2", 0).At(0, 300).Text(1101).Before("Combo1", 0, gap),
            Row(Kind::List, "Combo1", 0).At(1500, 240, 1000).In("Frame1"),
        };
        QDialog dialog;
        platform::BuildForm(dialog, platform::Form("FrmLabels"), rows);
        auto* label = Ctl<QLabel>(&dialog, "Label4");
        auto* box = Ctl<QWidget>(&dialog, "Text3");
        EXPECT_EQ(label->x() + label->width() + PixelsFromTwips(gap), box->x()) << gap;
        EXPECT_EQ(label->y(), PixelsFromTwips(8040)) << "a label keeps its top";

        // A longer caption moves the label further left.
        const int rightEnd = label->x() + label->width();
        const int left = label->x();
        label->setText(platform::Lang(4030));
        platform::PlaceLabels(dialog);
        EXPECT_LT(label->x(), left) << gap;
        EXPECT_EQ(label->x() + label->width(), rightEnd) << gap;

        // A label on the form before a list inside a frame.
        auto* outer = Ctl<QLabel>(&dialog, "Label2", 0);
        const int listLeft = PixelsFromTwips(2040) + PixelsFromTwips(1500);
        EXPECT_EQ(outer->x() + outer->width() + PixelsFromTwips(gap), listLeft) << gap;
    }
}

TEST(FormBuilder, CtlFailsLoudlyWithTheNameAndIndex) {
    constexpr platform::ControlRow rows[] = {
        Row(Kind::Label, "Label1", 3).At(0, 0),
        Row(Kind::List, "Combo1", 2).At(0, 300, 1000),
    };
    QDialog dialog;
    platform::BuildForm(dialog, platform::Form("FrmCtl"), rows);
    EXPECT_EQ(Ctl<QComboBox>(&dialog, "Combo1", 2), platform::Control<QComboBox>(&dialog, "Combo1", 2));

    struct Case {
        const char* name;
        int index;
        const char* message;
    };
    const Case cases[] = {
        {"Combo1", 3, "no control Combo1(3) on FrmCtl"},
        {"Combo9", -1, "no control Combo9 on FrmCtl"},
        {"Label1", 3, "Label1(3) on FrmCtl is a QLabel, not a QComboBox"},
    };
    for (const auto& c : cases) {
        try {
            Ctl<QComboBox>(&dialog, c.name, c.index);
            ADD_FAILURE() << c.message << ": nothing thrown";
        } catch (const platform::ControlNotFound& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }

    // A table that puts a control into a container it does not hold.
    constexpr platform::ControlRow bad[] = {Row(Kind::CheckBox, "Check1").In("Frame9")};
    QDialog other;
    EXPECT_THROW(platform::BuildForm(other, platform::Form("FrmBad"), bad), platform::ControlNotFound);
}

TEST(FormBuilder, ControlsAreFoundAfterTheyWereRenamedOrRemoved) {
    constexpr platform::ControlRow rows[] = {
        Row(Kind::TextBox, "Text1", 0).At(0, 0, 1000),
        Row(Kind::TextBox, "Text1", 1).At(0, 300, 1000),
    };
    QDialog dialog;
    platform::BuildForm(dialog, platform::Form("FrmIndex"), rows);
    auto* first = Ctl<QWidget>(&dialog, "Text1", 0);
    platform::SetControlName(first, "Text9", 0);
    EXPECT_EQ(platform::Control<QWidget>(&dialog, "Text1", 0), nullptr);
    EXPECT_EQ(Ctl<QWidget>(&dialog, "Text9", 0), first);
    delete Ctl<QWidget>(&dialog, "Text1", 1);
    EXPECT_EQ(platform::Control<QWidget>(&dialog, "Text1", 1), nullptr);
}

TEST(GuardedSlots, AFailingHandlerShowsItsNameAndDetailAndTheDialogGoesOn) {
    QDialog dialog;
    auto* ok = platform::NewCommandButton(&dialog, "CommandOK");
    auto* list = new platform::ComboBox(&dialog, "Combo1");
    int runs = 0;
    int failAt = 1;
    platform::OnEvent(ok, &QPushButton::clicked, &dialog, "CommandOK_Click", [&] {
        ++runs;
        if (runs == failAt) throw std::out_of_range("index 25 of Tone2List");
    });
    std::vector<int> indexes;
    platform::OnEvent(list, &QComboBox::currentIndexChanged, &dialog, "Combo1_Click", [&](int index) {
        indexes.push_back(index);
        if (index == 1) throw 42;  // no text of its own
    });

    ScriptedPrompts prompts;
    prompts.expect("CommandOK_ClickError\nindex 25 of Tone2List", platform::Buttons::Ok, platform::Answer::Ok);
    ok->click();
    ok->click();
    EXPECT_EQ(runs, 2) << "the next click runs again";

    list->AddItem("a");
    list->AddItem("b");
    prompts.expect("Combo1_ClickError", platform::Buttons::Ok, platform::Answer::Ok);
    list->SetListIndex(1);
    list->SetListIndex(0);
    EXPECT_EQ(indexes, (std::vector<int>{1, 0})) << "the signal's argument reaches the handler";
    EXPECT_TRUE(prompts.allAnswered());
}

}  // namespace
