#include "mainwindow/ShowMainWindow.h"

#include "mainwindow/MainDialogs.h"
#include "mainwindow/frmMain.h"

frmMain* ShowMainWindow() {
    auto* window = new frmMain();
    InstallMainDialogOpeners(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
    return window;
}
