#pragma once
// The scan dialog: the scan block of the working data. Its list rules run
// also while it loads, and every load ends by writing the shown record back
// (a revert channel the priority mode does not offer, or a prompt-tone value
// above 1, is thereby corrected in the working data even when the dialog is
// then cancelled). OK stores every list.
//
// Controls: Label1(0..12) with Combo1(0..12) (Combo1(3) and (5) unused,
// hidden with their "-" captions; Combo1(11) and (12) hidden with theirs),
// Check1, Combo2 (the hidden revert template), CommandOK, CommandCancel.
#include <vector>

#include <QDialog>

#include "core/OptionRecords.h"

class FrmScan : public QDialog {
public:
    explicit FrmScan(QWidget* parent = nullptr);

    // Refills the revert list Combo1(6) for the chosen priority mode.
    void InitRevertList();
    void ChangShowByLanguage();
    void InitShowList();
    void ShowByData();
    void EnableByScanMode();

    void Combo1_Click(int index);
    void CommandOK_Click();
    void CommandCancel_Click();

    // The dialog's working copy of the scan block.
    const ScanData& ScanEdit() const { return scanEdit_; }

private:
    void Form_Load();
    // Shows the stored revert channel when the revert list offers it, else
    // the list's first item, and keeps what is shown.
    void ShowRevertChoice();

    ScanData scanEdit_{};
    // The template index of each item of Combo1(6).
    std::vector<int> revertOffered_;
};
