#include "app/ui/ShowMainWindow.h"

#include "app/ui/DialogRegistration.h"
#include "mainwindow/ui/frmMain.h"

frmMain* ShowMainWindow() {
    auto* window = new frmMain();
    RegisterProgramDialogs(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
    return window;
}
