#pragma once
// The DTMF code composer, modal over the DTMF dialog: an ANI code (a called
// ID, the separator and the own ID) or a PTT-ID code (the separator and the
// own ID) for the code box of the DTMF dialog that last had the focus. Its
// OK replaces that box's text and closes; Cancel writes nothing. It reads
// the separator (Combo1(5)) and the own ID (Text3) from the DTMF dialog as
// they stand at OK.
//
// Controls: Label1 with Combo1(0) ("ANI", "PTTID"), Frame1 holding Label2
// with Text1 (the called ID), CommandOK, CommandCancel.
#include <QDialog>

class FrmDTMF;

class FrmDTMFSpecial : public QDialog {
public:
    explicit FrmDTMFSpecial(FrmDTMF& owner);

    void Combo1_Click();
    void Text1_LostFocus();
    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void Form_Load();

    FrmDTMF& owner_;
};
