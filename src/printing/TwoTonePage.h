#pragma once
// The two-tone page: the settings of the two-tone dialog loaded hidden, the
// decode tab's first and the encode tab's after it, each under its tab's
// caption, then the calls in use, two a line. Every text is the dialog's
// own (captions, the values its controls and its call grid show) but the
// on/off text of the side tone and the call numbers.
#include "printing/ReportDialog.h"
#include "printing/ReportPage.h"

// The page from a loaded Frm2Tone, header and footer included.
void PrintTwoTonePage(Report& report, const ReportDialog& tone2);

void Prt_2Tone(Report& report, const ReportSources& sources);
