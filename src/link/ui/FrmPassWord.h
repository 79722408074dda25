#pragma once
// The read-password dialog: the password of a protected radio, at most four
// characters, shown as "*". OK stores it in InputPassWord for the rest of the
// run (PassWordEntered true); Cancel keeps the old entry.
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform {
class TextBox;
}

class FrmPassWord : public QDialog {
public:
    explicit FrmPassWord(QWidget* parent = nullptr);

    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void Form_Load();
    void InitPassWordShow();
    void ShowPassWord();

    QLabel* Label1 = nullptr;
    platform::TextBox* Text1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};
