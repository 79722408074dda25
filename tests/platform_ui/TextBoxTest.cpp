#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPushButton>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "KeyPresses.h"
#include "WaitFor.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/TextBox.h"

using platform::TextBox;

namespace {

// A hex box taking two characters, as the test-data editor uses.
struct HexBox {
    TextBox box;
    HexBox() {
        box.SetCharRule(platform::rules::HexDigit);
        box.SetTypingLimit(2);
    }
};

bool Drop(QWidget& target, const QString& text) {
    QMimeData mime;
    mime.setText(text);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

}  // namespace

TEST(TextBox, TypingPassesTheRuleAndTheLimit) {
    HexBox h;
    Type(&h.box, "a-g9Z3");
    EXPECT_EQ(h.box.text(), "A9") << "lower case raised, refused and third characters dropped";
    Key(&h.box, Qt::Key_Backspace, {}, "\b");
    EXPECT_EQ(h.box.text(), "A") << "control keys pass";
}

TEST(TextBox, ProgramTextIsNeverCut) {
    HexBox h;
    h.box.setText("not hex at all");
    EXPECT_EQ(h.box.text(), "not hex at all");
    h.box.setCursorPosition(int(h.box.text().size()));
    Type(&h.box, "1");
    EXPECT_EQ(h.box.text(), "not hex at all") << "but it leaves no room to type";
}

TEST(TextBox, PasteAndShiftInsertAreFiltered) {
    HexBox h;
    QApplication::clipboard()->setText("zz");
    Key(&h.box, Qt::Key_V, Qt::ControlModifier, "\x16");
    EXPECT_EQ(h.box.text(), "") << "nothing of the clipboard passes";
    QApplication::clipboard()->setText("x1fff");
    Key(&h.box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(h.box.text(), "1F") << "what passes is raised and cut to the limit";

    h.box.SetSwallowClipboardKeys(true);
    h.box.clear();
    Key(&h.box, Qt::Key_V, Qt::ControlModifier, "\x16");
    EXPECT_EQ(h.box.text(), "") << "Ctrl+V swallowed";
}

TEST(TextBox, DropIsFiltered) {
    HexBox h;
    EXPECT_FALSE(Drop(h.box, "xyz")) << "a drop with nothing admissible is refused";
    EXPECT_EQ(h.box.text(), "");
    Drop(h.box, "b-c-d");
    EXPECT_EQ(h.box.text(), "BC");
}

TEST(TextBox, InputMethodCommitIsFiltered) {
    HexBox h;
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("ｆe測"));
    QApplication::sendEvent(&h.box, &commit);
    EXPECT_EQ(h.box.text(), "E");
}

TEST(TextBox, EnterMovesFocusAndDialogButtonsStayPut) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* first = new TextBox(&dialog, "Text1", 0);
    auto* second = new TextBox(&dialog, "Text1", 1);
    QPushButton* ok = platform::NewCommandButton(&dialog, "CommandOK");
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(ok);
    bool pressed = false;
    QObject::connect(ok, &QPushButton::clicked, [&] { pressed = true; });
    first->SetEnterMovesFocus(true);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    first->setFocus();
    ASSERT_TRUE(WaitFor([&] { return first->hasFocus(); }));

    Key(first, Qt::Key_Enter);
    EXPECT_TRUE(second->hasFocus());
    Key(second, Qt::Key_Return);
    EXPECT_FALSE(pressed) << "Return in a text box presses no button";
    EXPECT_TRUE(dialog.isVisible());
}

TEST(TextBox, EnterKeptByTheBoxDoesNothingInAFormThatMovesOnEnter) {
    QDialog dialog;
    const platform::ControlRow rows[] = {
        platform::Row(platform::Kind::TextBox, "Text1", 0).At(0, 0, 900).Tab(0),
        platform::Row(platform::Kind::TextBox, "Text1", 1).At(0, 400, 900).Tab(1),
    };
    platform::BuildForm(dialog, platform::Form("FrmKeep"), rows);
    auto* first = platform::Ctl<TextBox>(&dialog, "Text1", 0);
    auto* second = platform::Ctl<TextBox>(&dialog, "Text1", 1);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    first->setFocus();
    ASSERT_TRUE(WaitFor([&] { return first->hasFocus(); }));
    Key(first, Qt::Key_Return);
    ASSERT_TRUE(second->hasFocus()) << "the form moves the focus on Enter";

    second->SetEnterKept(true);
    Key(second, Qt::Key_Return);
    Key(second, Qt::Key_Enter);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(second->text(), "");
}

TEST(TextBox, SelectsAllOnEntry) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* first = new TextBox(&dialog);
    auto* second = new TextBox(&dialog);
    layout->addWidget(first);
    layout->addWidget(second);
    second->setText("12");
    second->SetSelectAllOnFocus(true);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    first->setFocus();
    Key(first, Qt::Key_Tab);
    EXPECT_TRUE(WaitFor([&] { return second->selectedText() == "12"; }));
}

TEST(Controls, RidTextMenuIsIdempotentAndRestores) {
    TextBox box;
    box.setContextMenuPolicy(Qt::ActionsContextMenu);
    RidTextMenu(&box);
    RidTextMenu(&box);
    EXPECT_EQ(box.contextMenuPolicy(), Qt::PreventContextMenu);
    UnRidTextMenu(&box);
    EXPECT_EQ(box.contextMenuPolicy(), Qt::ActionsContextMenu) << "the first saved policy comes back";
    UnRidTextMenu(&box);
    EXPECT_EQ(box.contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST(Controls, NamedArraysAndOwnVisibility) {
    QDialog form;
    auto* c3 = platform::Named(new QCheckBox(&form), "Check1", 3);
    auto* c0 = platform::Named(new QCheckBox(&form), "Check1", 0);
    auto* odd = platform::Named(new QCheckBox(&form), "ComboDe_CTC_Type");
    EXPECT_EQ(c3->objectName(), "Check1_3");
    EXPECT_EQ(platform::Control<QCheckBox>(&form, "Check1", 3), c3);
    EXPECT_EQ(platform::Control<QCheckBox>(&form, "Check1", 1), nullptr);
    EXPECT_EQ(platform::Control<QCheckBox>(&form, "ComboDe_CTC_Type"), odd);
    EXPECT_EQ(platform::ControlArray(&form, "Check1"), (QList<QObject*>{c0, c3}));
    EXPECT_EQ(platform::ControlName(c3), "Check1");
    EXPECT_EQ(platform::ControlIndex(c3), 3);

    // The form was never shown: the controls' own flags still tell.
    c0->hide();
    EXPECT_FALSE(platform::IsShown(c0));
    EXPECT_TRUE(platform::IsShown(c3));

    for (int v : {0, 1, 2}) {
        platform::SetCheckValue(c3, v);
        EXPECT_EQ(platform::CheckValue(c3), v);
    }
}
