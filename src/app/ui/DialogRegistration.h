#pragma once
// The program's modal dialogs, registered under their ids for the main
// window's menus, toolbar, tree and grid to open.
class QWidget;

// Registers the opener of every dialog that exists. `mainWindow` owns the
// About box.
void RegisterProgramDialogs(QWidget* mainWindow);
