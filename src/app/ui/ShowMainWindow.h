#pragma once
// Creates the main window, registers the dialogs it opens, loads it and shows
// it; once it has painted, start-up work left for later runs
// (platform/LateWork.h). The window deletes itself when it closes, which
// ends the program.
class frmMain;

frmMain* ShowMainWindow();
