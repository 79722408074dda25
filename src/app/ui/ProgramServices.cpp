#include "app/ui/ProgramServices.h"

#include "app/SessionDevices.h"
#include "link/ui/SessionDialogs.h"
#include "mainwindow/MainCommands.h"

ProgramServices::ProgramServices() {
    AddSessionDevices(session_);
    AddSessionDialogs(session_);
    // The read's save-first answer runs the window's own Save.
    session_.saveData = [] { FileSave(); };
}
