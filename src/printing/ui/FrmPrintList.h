#pragma once
// The print item dialog: the report's sections as check boxes, Select all,
// Clear all, the printer set-up, and OK, which prints the ticked sections
// (the dialog closes once the report was sent; after a cancelled printer
// dialog or a failed run it stays open with its ticks). Its captions are the
// report's own English texts in every language, but for the alert box, which
// takes the current language's text.
//
// Controls: Check1(0..9), of which 1 and 2 stay hidden; CommandSelAll,
// CommandClrAll, CommandSet, Command1 (OK), Command2 (Cancel).
#include <QDialog>

#include "platform/Printer.h"
#include "printing/PrintData.h"
#include "printing/ReportDialog.h"

class FrmPrintList : public QDialog {
public:
    explicit FrmPrintList(ReportSources sources, QWidget* parent = nullptr);

    void ChangShowByLanguage();
    // PrintSelect takes the value of every box.
    void GetPrintSelect();

    void CommandSelAll_Click();
    void CommandClrAll_Click();
    void CommandSet_Click();
    void Command1_Click();
    void Command2_Click();

    // The printer dialog's variant for the next run: the print variant until
    // Set has been used.
    platform::PrinterDialogKind PrinterDialogVariant() const { return dialogKind_; }

private:
    void Form_Load();
    PrintTicks Ticks() const;
    void SetAllTicks(int value);

    ReportSources sources_;
    platform::PrinterDialogKind dialogKind_ = platform::PrinterDialogKind::Print;
};

// Command1 and Command2 of `form` get the report's English OK and Cancel
// captions.
void SetPrintButtonText(const QObject* form);
