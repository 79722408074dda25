#pragma once
// The printer the report goes to, behind a seam: its dialog and the documents
// printed on the printer chosen there. Tests answer the dialog from a script
// and read the documents back; the running program uses the system's printers
// (platform/ui/QtPrinter.h).
#include <memory>

#include "platform/ReportSurface.h"
#include "platform/Seam.h"

namespace platform {

// The print variant of the printer dialog, or the set-up variant that only
// chooses the printer and its paper.
enum class PrinterDialogKind { Print, SetUp };

class Printer {
public:
    virtual ~Printer() = default;
    // Shows the printer dialog; false when the user cancelled it.
    virtual bool ShowDialog(PrinterDialogKind kind) = 0;
    // A new document on the printer chosen last. Throws when the printer
    // cannot take one.
    virtual std::unique_ptr<ReportSurface> OpenDocument() = 0;
};

// Installs the printer every request goes to; returns the previous one.
// Without one, the printer dialog answers as if the user cancelled it.
Printer* SetPrinter(Printer* printer);
using ScopedPrinter = Scoped<&SetPrinter>;

bool ShowPrinterDialog(PrinterDialogKind kind);
// Throws when no printer is installed.
std::unique_ptr<ReportSurface> OpenPrinterDocument();

}  // namespace platform
