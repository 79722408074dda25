#pragma once
// The language dialog: chooses the language until the program ends (the
// choice is not stored; the next start chooses by the system locale again).
// Controls: Label1, Combo1, CommandOK, CommandCancel.
#include <QDialog>

class FrmLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FrmLanguage(QWidget* parent = nullptr);

    // OK: sets LangIndex and LangFilePath from the list, lets the main window
    // re-localise itself and closes.
    void CommandOK_Click();
    void CommandCancel_Click() { reject(); }

private:
    void Form_Load();
};

// Shows the dialog modal (the main window's language command).
void ShowFrmLanguage();
