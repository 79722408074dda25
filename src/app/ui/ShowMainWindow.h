#pragma once
// Creates the main window, registers the dialogs it opens, loads it and shows
// it; the window deletes itself when it closes, which ends the program.
class frmMain;

frmMain* ShowMainWindow();
