#include "printing/PrintData.h"

#include <array>
#include <exception>
#include <memory>
#include <string>

#include "printing/ChannelPages.h"
#include "printing/CommBookPage.h"
#include "printing/FiveTonePages.h"
#include "printing/SettingsPages.h"
#include "printing/TwoTonePage.h"

PrintTicks PrintSelect{};
bool PrintOK = false;

void ResetPrintState() {
    PrintSelect = {};
    PrintOK = false;
}

namespace {

using Section = void (*)(Report&, const ReportSources&);

void CommBookSection(Report& report, const ReportSources&) { Prt_CommBook(report); }

// The sections in the order they print, each with the item that ticks it.
struct SectionEntry {
    int item;
    Section print;
};
constexpr std::array<SectionEntry, 8> kSections = {{
    {0, &Prt_UHFChannel},
    {3, &Prt_Option},
    {4, &Prt_DTMF},
    {5, &Prt_2Tone},
    {6, &Prt_5Tone},
    {7, &CommBookSection},
    {8, &Prt_EMG},
    {9, &Prt_Alert},
}};

std::string FailureText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return {};
    }
}

}  // namespace

bool IsShownPrintItem(int item) { return item >= 0 && item < kPrintItems && item != 1 && item != 2; }

bool NoPrintItemTicked(const PrintTicks& ticks) {
    for (int i = 0; i < kPrintItems; ++i)
        if (IsShownPrintItem(i) && ticks[static_cast<std::size_t>(i)] != 0) return false;
    return true;
}

void PrintSections(Report& report, const ReportSources& sources) {
    for (const SectionEntry& s : kSections)
        if (PrintSelect[static_cast<std::size_t>(s.item)] != 0) s.print(report, sources);
}

PrintResult PrintData(const ReportSources& sources, platform::PrinterDialogKind dialogKind) {
    PrintOK = true;
    if (!platform::ShowPrinterDialog(dialogKind)) {
        PrintOK = false;
        return {PrintOutcome::Cancelled, {}};
    }
    // A message box a section or a dialog it loads raises is answered like
    // any other and the run goes on; only a failure ends it.
    std::exception_ptr error;
    try {
        std::unique_ptr<platform::ReportSurface> printer = platform::OpenPrinterDocument();
        printer->SetFontSize(kReportPoints);
        Report report(*printer);
        PrintSections(report, sources);
        printer->EndDoc();
    } catch (...) {
        error = std::current_exception();
    }
    if (!error) return {PrintOutcome::Printed, {}};
    PrintOK = false;
    return {PrintOutcome::Failed, FailureText(error)};
}
