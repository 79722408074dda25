#pragma once
// The band-plan dialog: the model the program is set up for and the band
// plan of the data. A different plan changes the band edges, so choosing one
// starts a new configuration for it once the user agreed to lose the
// frequency data.
#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;
namespace platform {
class ComboBox;
}

class FrmModel : public QDialog {
    Q_OBJECT
public:
    explicit FrmModel(QWidget* parent = nullptr);

    // Combo1(0) the model, Combo1(1) the band plans.
    platform::ComboBox* Combo1(int index) const { return index == 0 ? combo0_ : combo1_; }
    QTextEdit* Text1() const { return text1_; }

    void CommandOK_Click();
    void CommandCancel_Click() { reject(); }

private:
    void InitModelShow();
    void ShowModelList();
    void ShowCurBand();
    void Combo1_Click(int index);

    QLabel* label0_;
    QLabel* label1_;
    platform::ComboBox* combo0_;
    platform::ComboBox* combo1_;
    QTextEdit* text1_;
    QPushButton* commandOK_;
    QPushButton* commandCancel_;
};

// Shows the dialog modal (the main window's model command).
void ShowFrmModel();
