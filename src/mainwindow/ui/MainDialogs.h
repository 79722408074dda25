#pragma once
// Registers the openers of the dialogs that exist, and the main window's
// part in a radio read (its Save), for the running program. Tests register
// their own openers instead, or call this to get the real dialogs.
class QWidget;

// `mainWindow` owns the About box.
void InstallMainDialogOpeners(QWidget* mainWindow);
