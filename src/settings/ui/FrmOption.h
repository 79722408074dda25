#pragma once
// The option dialog: the option block of the working data, with the beep
// volume and the external speaker that sit beside it. Every change goes into
// the dialog's own copy (OptionEdit) at once, the text boxes, Check2,
// Check1(8) and Combo1(28) at OK; OK stores the copy, Cancel drops it.
//
// Controls (the printed report reads them by name and index):
// Label1(0..28) captions of Combo1(0..28); Label1(18) stays hidden and
// Combo1(18), the further choice of display mode 1, is shown only while
// Combo1(0) shows item 1; Label1(12) and Combo1(12) stay hidden.
// Check1(0..8), of which 0 and 2..5 stay hidden; Check2 (password in use);
// Label3 with Text2 (password); Label5(0..1) with Text4(0..1) (scramblers in
// hertz); Label2 with Text1(0..13), one power-on character a box, 7..13
// hidden; Frame1 round Check1(1), (6), (8), (7); CommandOK, CommandCancel.
#include <cstdint>

#include <QDialog>

#include "core/OptionRecords.h"

class FrmOption : public QDialog {
public:
    explicit FrmOption(QWidget* parent = nullptr);

    void ChangShowByLanguage();
    void InitShowList();
    void ShowByData();
    // 1 shows the password box with its caption; any other value hides both.
    void EnablePassWord(int16_t value);

    void Combo1_Click(int index);
    void Check1_Click(int index);
    void Check2_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    // The dialog's working copy of the option block.
    const OptionData& OptionEdit() const { return optionEdit_; }
    // False while the dialog loads; the lists' rules wait for it.
    bool FormLoaded = false;

private:
    void Form_Load();

    OptionData optionEdit_{};
};
