#pragma once
// The event-record dialog: the radio's event records newest first; the user
// may delete records, and OK stores the rest packed into the lowest slots.
// Nothing reaches the working data before OK.
//
// Controls: List1 (the records), CommandDel, CommandOK, CommandCancel.
#include <QDialog>

class FrmNote : public QDialog {
public:
    explicit FrmNote(QWidget* parent = nullptr);

    void ChangShowByLanguage();
    void ShowNoteList();
    void CommandDel_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void Form_Load();
};
