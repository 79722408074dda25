#pragma once
// The report driver: the printer dialog, then the ticked sections in their
// fixed order, each on pages of its own, then the end of the document.
//
// A run either sends the whole report or nothing: a cancelled printer
// dialog ends it quietly, and any error on the way (a printer failure, a
// dialog that cannot be loaded or read) stops it before the document is
// sent; the caller reports the failure afterwards. A message box on the way
// (a dialog loaded hidden that meets a damaged frequency code) is no error:
// the user answers it and the run goes on.
#include <array>
#include <cstdint>
#include <string>

#include "platform/Printer.h"
#include "printing/ReportDialog.h"
#include "printing/ReportPage.h"

// The print items, one a check box of the print dialog: 0 channels, 1 and 2
// hidden (they select nothing), 3 options, 4 DTMF, 5 two-tone, 6 five-tone,
// 7 contact book, 8 embedded information, 9 alert.
inline constexpr int kPrintItems = 10;
using PrintTicks = std::array<int16_t, kPrintItems>;

// The ticks of the print dialog when OK was last pressed with something
// ticked.
extern PrintTicks PrintSelect;
// Whether the last print run ended without an error or a cancel.
extern bool PrintOK;
// Both back to their start (nothing ticked, no run).
void ResetPrintState();

// Whether the user can see and tick item `item`.
bool IsShownPrintItem(int item);
// True when no item the user can see is ticked.
bool NoPrintItemTicked(const PrintTicks& ticks);

enum class PrintOutcome { Printed, Cancelled, Failed };
struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Printed;
    std::string failure;  // what stopped a failed run
};

// Runs the report for PrintSelect; PrintOK tells whether it was sent.
PrintResult PrintData(const ReportSources& sources, platform::PrinterDialogKind dialogKind);

// The sections PrintSelect ticks, in their fixed order, on an open document.
void PrintSections(Report& report, const ReportSources& sources);
