#include "mainwindow/ShowMainWindow.h"

#include "mainwindow/frmMain.h"

frmMain* ShowMainWindow() {
    auto* window = new frmMain();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
    return window;
}
