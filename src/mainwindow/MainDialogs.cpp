#include "mainwindow/MainDialogs.h"

#include "core/FrmLanguage.h"
#include "core/FrmModel.h"
#include "link/FrmComSet.h"
#include "link/FrmTestData.h"
#include "link/SessionHooks.h"
#include "mainwindow/DialogLauncher.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/frmAbout.h"

namespace {

template <class Dialog>
void ShowModal() {
    Dialog dialog;
    dialog.exec();
}

}  // namespace

void InstallMainDialogOpeners(QWidget* mainWindow) {
    SetDialogOpener(DialogId::Model, &ShowFrmModel);
    SetDialogOpener(DialogId::ComSet, &ShowModal<FrmComSet>);
    SetDialogOpener(DialogId::Language, &ShowFrmLanguage);
    SetDialogOpener(DialogId::TestData, &ShowModal<FrmTestData>);
    SetDialogOpener(DialogId::About, [mainWindow] {
        frmAbout box(mainWindow);
        box.exec();
    });
    Hooks().saveData = [] { FileSave(); };
}
