#pragma once
// The alert dialog: the emergency alarm and lone-worker settings of the
// working data (CurData.FunSet.Alert), edited in a copy and stored whole on
// OK. It keeps no loaded flag: its rules run also while it loads, and the
// load is ordered so that the dialog ends in the stored state.
//
// Controls (read by the report): Label1(0..9) with Combo1(0..9) (Label1(7)
// and Combo1(7) hidden), Frame1 (hidden) holding Check1, Label2(0..1) and
// Combo2(0..1), CommandOK, CommandCancel.
#include <QDialog>

#include "core/OptionRecords.h"

class FrmAlert : public QDialog {
public:
    explicit FrmAlert(QWidget* parent = nullptr);

    void ChangShowByLanguage();
    // Every list but the ID-code group (Combo1(2)) and Combo1(7).
    void InitShowList();
    void ShowByData();

    void Combo1_Click(int index);
    void Check1_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    // The dialog's working copy of the alert block.
    const AlertData& AlertEdit() const { return alertEdit_; }

private:
    void Form_Load();
    // Refills Combo1(2) for the chosen ID-code type and shows the loaded group.
    void InitGroupList();

    AlertData alertEdit_{};
};
