// The test-data editor: what it shows, its key rule, OK and Cancel, and Load
// and Save through the file dialogs with their failures.
#include <gtest/gtest.h>

#include <filesystem>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QApplication>

#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "TestRecordBytes.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "link/ui/FrmTestData.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextBox.h"

using platform::Answer;
using platform::Buttons;

namespace {

class FrmTestDataTest : public testing::Test {
protected:
    void SetUp() override {
        LangIndex = 1;
        LangFilePath = "language/english.ini";
        TestData = CountingRecord(0x20);
        OldTestData = CountingRecord(0x20);
    }
    static platform::TextBox* Box(FrmTestData& d, int i) { return platform::Control<platform::TextBox>(&d, "Text1", i); }
    static void Click(FrmTestData& d, const char* name, int index = -1) {
        platform::Control<QPushButton>(&d, name, index)->click();
    }

    ProgramSandbox folder;
    ScriptedPrompts& prompts = folder.prompts;
    ScriptedFileDialogs& files = folder.fileDialogs;
};

TEST_F(FrmTestDataTest, ShowsTheRecordWithOnlyBytes2To31OnShow) {
    FrmTestData dialog;
    EXPECT_EQ(dialog.windowTitle(), "Test Data");
    EXPECT_EQ(platform::Control<QPushButton>(&dialog, "Command1", 0)->text(), "&Load");
    EXPECT_EQ(platform::Control<QPushButton>(&dialog, "CommandOK")->text(), "OK");
    auto* frame = platform::Control<QGroupBox>(&dialog, "Frame1");
    for (int i = 0; i < 48; ++i) {
        EXPECT_EQ(Box(dialog, i)->text().toStdString(), ByteToHex(static_cast<uint8_t>(0x20 + i))) << i;
        const bool shown = i >= 2 && i <= 31;
        EXPECT_EQ(platform::IsShown(Box(dialog, i)), shown) << i;
        EXPECT_EQ(Box(dialog, i)->parentWidget() == frame, shown) << i;
    }
    auto* label = platform::Control<QLabel>(&dialog, "Label1", 5);
    EXPECT_EQ(label->text(), "VHF Middle Power");
    EXPECT_LE(label->geometry().right(), Box(dialog, 5)->geometry().left());
    EXPECT_FALSE(platform::IsShown(platform::Control<QLabel>(&dialog, "Label1", 1)));
    // Bytes 30 and 31 close their columns.
    EXPECT_GT(Box(dialog, 30)->y(), Box(dialog, 15)->y());
    EXPECT_EQ(Box(dialog, 31)->y(), Box(dialog, 30)->y());
    EXPECT_GT(Box(dialog, 31)->x(), Box(dialog, 30)->x());

    LangIndex = 2;
    LangFilePath = "language/Tchinese.ini";
    FrmTestData chinese;
    EXPECT_EQ(chinese.windowTitle(), "测试数据");
    EXPECT_EQ(platform::Control<QPushButton>(&chinese, "Command1", 1)->text(), "保存(&S)");
    EXPECT_EQ(platform::Control<QLabel>(&chinese, "Label1", 28)->text(), "UHF SQL");
}

TEST_F(FrmTestDataTest, KeyRuleTakesTwoHexDigitsInUpperCase) {
    FrmTestData dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* box = Box(dialog, 5);
    box->setFocus();
    box->clear();
    Type(box, "a-g9");
    EXPECT_EQ(box->text(), "A9");
    Type(box, "C");  // a third character
    EXPECT_EQ(box->text(), "A9");
    Key(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "A");
    Key(box, Qt::Key_X, Qt::ControlModifier, QString(QChar(24)));
    EXPECT_EQ(box->text(), "A");
    Key(box, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(box->text(), "A");
    EXPECT_TRUE(Box(dialog, 6)->hasFocus());
    EXPECT_EQ(Box(dialog, 6)->selectedText(), "26");  // the whole text is selected
}

TEST_F(FrmTestDataTest, OkStoresEveryBoxAndCancelNothing) {
    {
        FrmTestData dialog;
        Box(dialog, 5)->setText("7F");
        Click(dialog, "CommandCancel");
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(TestData, CountingRecord(0x20));
    }
    FrmTestData dialog;
    Box(dialog, 5)->setText("7F");
    Box(dialog, 40)->setText("01");  // a hidden box is read like the others
    Click(dialog, "CommandOK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    TestRecord expected = CountingRecord(0x20);
    expected[5] = 0x7F;
    expected[40] = 0x01;
    EXPECT_EQ(TestData, expected);
    EXPECT_EQ(OldTestData, CountingRecord(0x20));
}

TEST_F(FrmTestDataTest, OkWithAnEmptyOrBadBoxKeepsThatByteAndSaysWhich) {
    FrmTestData dialog;
    Box(dialog, 5)->clear();
    Box(dialog, 17)->setText("ZZ");
    Box(dialog, 6)->setText("00");
    prompts.expect(
        "These boxes are empty or do not hold a hexadecimal number (00 to FF); their old values are kept:\n"
        "05: VHF Middle Power\n11: UHF Higher Power",
        Buttons::Ok, Answer::Ok);
    Click(dialog, "CommandOK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    TestRecord expected = CountingRecord(0x20);
    expected[6] = 0x00;
    EXPECT_EQ(TestData, expected);
}

TEST_F(FrmTestDataTest, LoadFillsTheDialogOnlyAndOkTakesAll48Bytes) {
    const std::string ted = folder.write("radio.ted", RecordBytes(CountingRecord(0x90)));
    {
        FrmTestData dialog;
        files.expectOpen(ted);
        Click(dialog, "Command1", 0);
        EXPECT_EQ(Box(dialog, 2)->text(), "92");
        EXPECT_EQ(TestData, CountingRecord(0x20));
        Click(dialog, "CommandCancel");
        EXPECT_EQ(TestData, CountingRecord(0x20));
    }
    FrmTestData dialog;
    files.expectOpen(ted);
    Click(dialog, "Command1", 0);
    EXPECT_EQ(files.asked().back().request.filter, "Test Data File (*.ted)|*.ted");
    Click(dialog, "CommandOK");
    EXPECT_EQ(TestData, CountingRecord(0x90));
}

TEST_F(FrmTestDataTest, LoadThatFailsOrIsCancelledChangesNothing) {
    FrmTestData dialog;
    dialog.show();
    Box(dialog, 3)->setText("AB");  // an edit not yet stored must survive
    files.expectOpen(std::nullopt);
    Click(dialog, "Command1", 0);

    const std::string shortFile = folder.write("short.ted", std::string(47, '\x11'));
    files.expectOpen(shortFile);
    prompts.expect("The test data file is too short; a test data file holds 48 bytes:\n" + shortFile, Buttons::Ok,
                   Answer::Ok);
    Click(dialog, "Command1", 0);

    files.expectOpen(folder.file("missing.ted"));
    prompts.expect("The test data file cannot be read:\n" + folder.file("missing.ted"), Buttons::Ok, Answer::Ok);
    Click(dialog, "Command1", 0);

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Box(dialog, 3)->text(), "AB");
    EXPECT_EQ(Box(dialog, 4)->text(), "24");
    EXPECT_EQ(TedFileName, "");
}

TEST_F(FrmTestDataTest, SaveWritesTheEditedCopyAndNotTestData) {
    TedFileName = folder.file("last.ted");
    FrmTestData dialog;
    dialog.show();
    Box(dialog, 31)->setText("5");
    files.expectSave(folder.file("out.ted"));
    Click(dialog, "Command1", 1);
    EXPECT_EQ(files.asked().back().request.initialName, folder.file("last.ted"));
    TestRecord expected = CountingRecord(0x20);
    expected[31] = 0x05;
    EXPECT_EQ(folder.read("out.ted"), RecordBytes(expected));
    EXPECT_EQ(TedFileName, folder.file("out.ted"));
    EXPECT_EQ(TestData, CountingRecord(0x20));

    // A bad box: nothing is asked or written.
    Box(dialog, 2)->clear();
    prompts.expect(
        "These boxes are empty or do not hold a hexadecimal number (00 to FF); nothing was saved:\n"
        "02: VHF Frequency Adjust",
        Buttons::Ok, Answer::Ok);
    Click(dialog, "Command1", 1);

    // A file that cannot be written is reported; the dialog stays.
    Box(dialog, 2)->setText("22");
    const std::string bad = folder.file("no/such/folder/x.ted");
    files.expectSave(bad);
    prompts.expect("The test data file cannot be written:\n" + bad, Buttons::Ok, Answer::Ok);
    Click(dialog, "Command1", 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(TedFileName, folder.file("out.ted"));

    files.expectSave(std::nullopt);  // cancelled: nothing happens
    Click(dialog, "Command1", 1);
    EXPECT_EQ(folder.read("out.ted"), RecordBytes(expected));
}

}  // namespace
