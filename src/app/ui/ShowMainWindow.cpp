#include "app/ui/ShowMainWindow.h"

#include <QPointer>

#include "app/ui/DialogRegistration.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/LateWork.h"
#include "platform/ui/FirstPaint.h"

frmMain* ShowMainWindow() {
    auto* window = new frmMain();
    RegisterProgramDialogs(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    // What start-up left for later runs as soon as the window has painted.
    platform::AfterFirstPaint([shown = QPointer<frmMain>(window)](const QWidget& w) { return &w == shown; },
                              [] { platform::SetHoldLateWork(false); });
    window->show();
    return window;
}
