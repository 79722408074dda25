// Captions and shown texts read alike from every kind of control, as the
// report reads dialogs it never shows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlText.h"
#include "platform/ui/TextBox.h"

TEST(ControlText, CaptionsAndShownTextsOfEveryKind) {
    QDialog form;
    form.setWindowTitle("打印列表");
    auto* label = new QLabel("Squelch", &form);
    auto* check = new QCheckBox("&Reverse", &form);
    auto* button = new QPushButton("&OK", &form);
    auto* frame = new QGroupBox("Dealer", &form);
    auto* box = new platform::TextBox(&form);
    box->setText("Wé");
    auto* reason = new QTextEdit(&form);
    reason->setPlainText("Keypad replaced");
    auto* list = new platform::ComboBox(&form);
    list->AddItem("Band 1");
    list->AddItem("Band 2");

    EXPECT_EQ(platform::CaptionOf(&form), "打印列表");
    EXPECT_EQ(platform::CaptionOf(label), "Squelch");
    EXPECT_EQ(platform::CaptionOf(check), "&Reverse");
    EXPECT_EQ(platform::CaptionOf(button), "&OK");
    EXPECT_EQ(platform::CaptionOf(frame), "Dealer");
    EXPECT_EQ(platform::CaptionOf(box), "") << "a text box has no caption";

    EXPECT_EQ(platform::ShownTextOf(box), "Wé");
    EXPECT_EQ(platform::ShownTextOf(reason), "Keypad replaced");
    EXPECT_EQ(platform::ShownTextOf(list), "") << "nothing selected yet";
    list->SetListIndex(1);
    EXPECT_EQ(platform::ShownTextOf(list), "Band 2");
    EXPECT_EQ(platform::ShownTextOf(label), "") << "a label shows no value";
}
