#include "printing/PrintData.h"

#include <array>
#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/Prompts.h"
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

// Takes every message a loaded dialog raises while the report runs: none
// shows, and the first one fails the run. The answer given is the one that
// goes no further.
class HeldPrompts : public platform::PromptService {
public:
    platform::Answer Ask(const platform::Prompt& prompt) override {
        if (!first) first = prompt.text;
        switch (prompt.buttons) {
            case platform::Buttons::Ok: return platform::Answer::Ok;
            case platform::Buttons::YesNo: return platform::Answer::No;
            case platform::Buttons::AbortRetryIgnore: return platform::Answer::Abort;
            default: return platform::Answer::Cancel;
        }
    }
    std::optional<std::string> first;
};

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
    HeldPrompts held;
    std::exception_ptr error;
    {
        platform::ScopedPromptService hold(held);
        try {
            std::unique_ptr<platform::ReportSurface> printer = platform::OpenPrinterDocument();
            printer->SetFontSize(kReportPoints);
            Report report(*printer);
            PrintSections(report, sources);
            // A message held back means something went wrong on the way.
            if (held.first) throw std::runtime_error(*held.first);
            printer->EndDoc();
        } catch (...) {
            error = std::current_exception();
        }
    }
    if (!error) return {PrintOutcome::Printed, {}};
    PrintOK = false;
    return {PrintOutcome::Failed, FailureText(error)};
}
