#include "platform/Printer.h"

#include <stdexcept>
#include <utility>

namespace platform {
namespace {
Printer* g_printer = nullptr;
}

Printer* SetPrinter(Printer* printer) { return std::exchange(g_printer, printer); }

bool ShowPrinterDialog(PrinterDialogKind kind) { return g_printer && g_printer->ShowDialog(kind); }

std::unique_ptr<ReportSurface> OpenPrinterDocument() {
    if (!g_printer) throw std::runtime_error("no printer is installed");
    return g_printer->OpenDocument();
}

}  // namespace platform
