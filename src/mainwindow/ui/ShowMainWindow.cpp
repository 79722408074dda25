#include "mainwindow/ui/ShowMainWindow.h"

#include "mainwindow/ui/MainDialogs.h"
#include "mainwindow/ui/frmMain.h"

frmMain* ShowMainWindow() {
    auto* window = new frmMain();
    InstallMainDialogOpeners(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
    return window;
}
