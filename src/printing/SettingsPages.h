#pragma once
// The settings pages of the report: each loads its settings dialog without
// showing it, lets the dialog's own load fill it from the working data, and
// prints the dialog's captions beside the values its controls show, one pair
// a row, on one page of its own. Whether a control is visible in the dialog
// plays no part; an empty caption or value still takes its place.
#include <vector>

#include "printing/ReportDialog.h"
#include "printing/ReportPage.h"

// The rows of the option page, read from FrmOption after its load.
std::vector<ReportRow> OptionPageRows(const ReportDialog& option);
// The rows of the DTMF page, read from FrmDTMF after its load.
std::vector<ReportRow> DTMFPageRows(const ReportDialog& dtmf);
// The rows of the embedded-information page, read from FrmEMG after its load.
std::vector<ReportRow> EmbedInfoPageRows(const ReportDialog& emg);
// The rows of the alert page, read from FrmAlert after its load: the alarm
// rows, then the lone-worker frame's caption alone and its rows indented.
std::vector<ReportRow> AlertPageRows(const ReportDialog& alert);

void Prt_Option(Report& report, const ReportSources& sources);
void Prt_DTMF(Report& report, const ReportSources& sources);
void Prt_EMG(Report& report, const ReportSources& sources);
void Prt_Alert(Report& report, const ReportSources& sources);
