#include "app/ui/DialogRegistration.h"

#include "app/ui/ProgramReportSources.h"

#include "channels/ui/FrmCHEdit.h"
#include "channels/ui/FrmCHBatch.h"
#include "core/ui/FrmLanguage.h"
#include "core/ui/FrmModel.h"
#include "link/ui/FrmComSet.h"
#include "link/ui/FrmTestData.h"
#include "mainwindow/DialogLauncher.h"
#include "mainwindow/ui/frmAbout.h"
#include "printing/ui/FrmPrintList.h"
#include "settings/ui/FrmAlert.h"
#include "settings/ui/FrmCommuBook.h"
#include "settings/ui/FrmNote.h"
#include "settings/ui/FrmOption.h"
#include "settings/ui/FrmScan.h"
#include "signalling/ui/Frm2Tone.h"
#include "signalling/ui/FrmDTMF.h"
#include "signalling/ui/Frm5Tone.h"

namespace {

template <class Dialog>
void ShowModal() {
    Dialog dialog;
    dialog.exec();
}

}  // namespace

void RegisterProgramDialogs(QWidget* mainWindow) {
    SetDialogOpener(DialogId::CHEdit, &ShowModal<FrmCHEdit>);
    SetDialogOpener(DialogId::Model, &ShowFrmModel);
    SetDialogOpener(DialogId::CHBatch, &ShowModal<FrmCHBatch>);
    SetDialogOpener(DialogId::ComSet, &ShowModal<FrmComSet>);
    SetDialogOpener(DialogId::Language, &ShowFrmLanguage);
    SetDialogOpener(DialogId::TestData, &ShowModal<FrmTestData>);
    SetDialogOpener(DialogId::Option, &ShowModal<FrmOption>);
    SetDialogOpener(DialogId::Note, &ShowModal<FrmNote>);
    SetDialogOpener(DialogId::CommuBook, &ShowModal<FrmCommuBook>);
    // The main window offers it only while the alert feature is switched on.
    SetDialogOpener(DialogId::Alert, &ShowModal<FrmAlert>);
    SetDialogOpener(DialogId::DTMF, &ShowFrmDTMF);
    SetDialogOpener(DialogId::Tone2, &ShowModal<Frm2Tone>);
    // The main window offers it only while the scan feature is switched on.
    SetDialogOpener(DialogId::Scan, &ShowModal<FrmScan>);
    SetDialogOpener(DialogId::Tone5, &ShowModal<Frm5Tone>);
    // Without an owner, as the main window always showed it; the report
    // reads the window's tone lists.
    SetDialogOpener(DialogId::PrintList, [mainWindow] {
        FrmPrintList dialog(ProgramReportSources(mainWindow));
        dialog.exec();
    });
    SetDialogOpener(DialogId::About, [mainWindow] {
        frmAbout box(mainWindow);
        box.exec();
    });
}
