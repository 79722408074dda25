#pragma once
// The contact-book page: the 100 entries of the working data's book on one
// page, in three column groups of number, call ID and name. Entries 0..49
// fill the first group and 50..99 the second; the third carries its headings
// above empty columns. Every entry prints, used or not, in book order; the
// number printed is the entry's position.
#include <vector>

#include "printing/ReportPage.h"

// The heading row, then the fifty entry rows.
std::vector<ReportRow> CommBookRows();

void Prt_CommBook(Report& report);
