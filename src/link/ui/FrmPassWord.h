#pragma once
// The read-password dialog: the password of a protected radio, at most four
// characters, shown as "*". OK stores it in InputPassWord for the rest of the
// run (PassWordEntered true); Cancel keeps the old entry. Enter in the box
// presses OK. Controls: Label1, Text1, CommandOK, CommandCancel.
#include <QDialog>

class FrmPassWord : public QDialog {
public:
    explicit FrmPassWord(QWidget* parent = nullptr);

    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void Form_Load();
    void InitPassWordShow();
    void ShowPassWord();
};
