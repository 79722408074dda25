#pragma once
// The factory test-data editor: the 48 bytes of the test record in
// hexadecimal boxes (only bytes 2..31 shown), Load and Save of .ted files,
// and OK storing the edited record into TestData. It never touches
// OldTestData, so an accepted edit shows as a change of the data.
// Controls: Frame1, Text1(0..47), Label1(1..31), Command1(0) Load,
// Command1(1) Save, CommandOK, CommandCancel.
#include <array>

#include <QDialog>

#include "core/SharedState.h"

class FrmTestData : public QDialog {
public:
    explicit FrmTestData(QWidget* parent = nullptr);

    // Command1(0) Load, Command1(1) Save.
    void Command1_Click(int index);
    void CommandOK_Click();
    void CommandCancel_Click();

    // The dialog's own copy of the record.
    const TestRecord& Working() const { return working_; }

private:
    void Form_Load();
    void LayOut();
    void ShowBoxes();
    std::array<std::string, kTestDataSize> BoxTexts() const;
    void LoadFile();
    void SaveFile();

    TestRecord working_{};
};
