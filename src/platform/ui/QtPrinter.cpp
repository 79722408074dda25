#include "platform/ui/QtPrinter.h"

#include <QApplication>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/ui/PrinterReportSurface.h"

namespace platform {

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::Device() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageSize(QPageSize(QPageSize::A4));
    }
    return *printer_;
}

bool QtPrinter::ShowDialog(PrinterDialogKind kind) {
    QPrinter& printer = Device();
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // The report is always printed whole and once: the dialog offers no page
    // range, selection or copies to choose.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    if (kind == PrinterDialogKind::SetUp) dialog.setWindowTitle(QPrintDialog::tr("Print Setup"));
    const bool chosen = dialog.exec() == QDialog::Accepted;
    printer.setCopyCount(1);
    printer.setPrintRange(QPrinter::AllPages);
    return chosen;
}

std::unique_ptr<ReportSurface> QtPrinter::OpenDocument() { return std::make_unique<PrinterReportSurface>(Device()); }

}  // namespace platform
