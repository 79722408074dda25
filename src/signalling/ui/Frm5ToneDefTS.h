#pragma once
// The user-defined five-tone standard, modal over the five-tone dialog: the
// tones of the sixteen digits in Hz, one box a digit (Text1(0..15), captions
// Label1(0..15) "0".."F"), four columns of four. OK stores them in the
// working copy (TempFunSetData.Tone5.DefTone); Cancel stores nothing.
#include <QDialog>

class Frm5ToneDefTS : public QDialog {
public:
    explicit Frm5ToneDefTS(QWidget* parent = nullptr);

    void Text1_LostFocus(int index);
    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void Form_Load();
    void InitDefTSShow();
    void ShowDefTSData();
};
