#pragma once
// The five-tone special-call composer, modal over the five-tone dialog: a
// data call, an ANI call or a PTT-ID code, for the list entry chosen in its
// slot list (SpecialCallTarget 0) or for the PTT-ID begin or end code box
// (1, 2). Its OK writes the working copy and the five-tone dialog's grid or
// box and closes; Cancel writes nothing.
//
// Controls: Frame1 with Label1(0..1) and Combo1(0) (slot), Combo1(1) (call
// type); Frame2 (data call) with Label2(0), Text1(0) (called ID), Label3,
// Text2 (message); Frame4 (ANI) with Label2(1), Text1(1) (called ID), Label5,
// Combo3 (separator); CommandOK, CommandCancel.
#include <QDialog>

class Frm5Tone;

class FrmSpecial : public QDialog {
public:
    explicit FrmSpecial(Frm5Tone& owner);

    void Combo1_Click(int index);
    void Text1_LostFocus(int index);
    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void Form_Load();
    void ResetSpecialShow();
    void InitSpecialList();
    // Shows the "900C" message when the ID box is short; true when complete.
    bool CheckCalledID(int index) const;

    Frm5Tone& owner_;
};
