#pragma once
// The serial port dialog: the ports of this machine as "COM" entries, the
// device of the chosen one beside the list (LabelDevice), refreshed every
// second; OK stores the choice, Enter presses OK. Controls: Label1, Combo1,
// LabelDevice, CommandOK, CommandCancel and the timer ReShowComPortTimer.
#include <cstdint>
#include <string>
#include <vector>

#include <QDialog>

class FrmComSet : public QDialog {
public:
    explicit FrmComSet(QWidget* parent = nullptr);

    // The number of the port shown as chosen; 0 when the list is empty or
    // nothing is chosen.
    int16_t PortID = 0;

    void ReShowComPortTimer_Timer();
    void CommandOK_Click();
    void CommandCancel_Click();
    void done(int result) override;

private:
    void Form_Load();
    void InitComSetShow();
    void Combo1_Click();
    // Puts a fresh list into the combo box and chooses entry `index`.
    void ShowList(const std::vector<std::string>& entries, const std::vector<std::string>& paths,
                  int index);
    void ShowDevice();

    std::vector<std::string> paths_;
};
