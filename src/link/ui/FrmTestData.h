#pragma once
// The factory test-data editor: the 48 bytes of the test record in
// hexadecimal boxes (only bytes 2..31 shown), Load and Save of .ted files,
// and OK storing the edited record into TestData. It never touches
// OldTestData, so an accepted edit shows as a change of the data.
#include <array>

#include <QDialog>

#include "core/SharedState.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace platform {
class TextBox;
}

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

    QGroupBox* Frame1 = nullptr;
    std::array<platform::TextBox*, kTestDataSize> Text1{};
    // Index 0 is unused: labels are numbered 1..31.
    std::array<QLabel*, 32> Label1{};
    std::array<QPushButton*, 2> Command1{};
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    TestRecord working_{};
};
