#pragma once
// The language dialog: chooses the language until the program ends (the
// choice is not stored; the next start chooses by the system locale again).
#include <QDialog>

namespace platform {
class ComboBox;
}
class QLabel;
class QPushButton;

class FrmLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FrmLanguage(QWidget* parent = nullptr);

    platform::ComboBox* Combo1() const { return combo1_; }

    // OK: sets LangIndex and LangFilePath from the list, lets the main window
    // re-localise itself and closes.
    void CommandOK_Click();
    void CommandCancel_Click() { reject(); }

private:
    QLabel* label1_;
    platform::ComboBox* combo1_;
    QPushButton* commandOK_;
    QPushButton* commandCancel_;
};

// Shows the dialog modal (the main window's language command).
void ShowFrmLanguage();
