#pragma once
// The five-tone pages: the settings, the PTT-ID lines and every caption and
// column title as the five-tone dialog shows them after its hidden load; the
// 16 decode codes and the list of codes in use from the stored block as it
// was when the section began. The code list alone may run on to further
// pages, each headed "5Tone" and the list's column titles again; a page
// breaks only while codes are left to print.
#include <cstdint>
#include <vector>

#include "core/SignallingRecords.h"
#include "printing/ReportDialog.h"
#include "printing/ReportPage.h"

// The entries (1..100) of the code list that print: those whose code length
// is from 1 to 40, in list order.
std::vector<int16_t> PrintableTone5Entries(const Tone5Data& block);

// The whole section from a loaded Frm5Tone and a copy of the stored block.
void PrintFiveTonePages(Report& report, const ReportDialog& tone5, const Tone5Data& block);

void Prt_5Tone(Report& report, const ReportSources& sources);
