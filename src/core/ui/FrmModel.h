#pragma once
// The band-plan dialog: the model the program is set up for and the band
// plan of the data. A different plan changes the band edges, so choosing one
// starts a new configuration for it once the user agreed to lose the
// frequency data. Controls: Label1(0..1), Combo1(0) the model, Combo1(1) the
// band plans, Text1 the band edges, CommandOK, CommandCancel.
#include <QDialog>

class FrmModel : public QDialog {
    Q_OBJECT
public:
    explicit FrmModel(QWidget* parent = nullptr);

    void CommandOK_Click();
    void CommandCancel_Click() { reject(); }

private:
    void InitModelShow();
    void ShowModelList();
    void ShowCurBand();
    void Combo1_Click(int index);
};

// Shows the dialog modal (the main window's model command).
void ShowFrmModel();
