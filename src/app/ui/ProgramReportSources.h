#pragma once
// What the running program gives the report: the main window's hidden tone
// lists and the program's dialogs, loaded hidden.
#include "printing/ReportDialog.h"

class QWidget;

// `mainWindow` is the program's main window, whose tone lists the channel
// pages print; without one, the lists as the main window builds them.
ReportSources ProgramReportSources(const QWidget* mainWindow);
