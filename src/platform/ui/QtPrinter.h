#pragma once
// The running program's printer: the system's printer dialog and its
// printers (a PDF file among them). The printer chosen in the dialog keeps
// its settings for the rest of the run; it starts as the default printer on
// A4 paper.
#include <memory>

#include "platform/Printer.h"

class QPrinter;

namespace platform {

class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool ShowDialog(PrinterDialogKind kind) override;
    std::unique_ptr<ReportSurface> OpenDocument() override;

private:
    // Made at its first use: asking the system for its printers can take a
    // moment, and most runs never print.
    QPrinter& Device();

    std::unique_ptr<QPrinter> printer_;
};

}  // namespace platform
