#include "platform/ui/PrinterReportSurface.h"

#include <stdexcept>
#include <string>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "platform/TextConvert.h"

namespace platform {
namespace {

QSizeF SheetSize(QPrinter& printer) {
    printer.setFullPage(true);
    return printer.pageLayout().fullRectPixels(printer.resolution()).size();
}

// Where the document goes, for a message that says what failed.
std::string Destination(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty()) return "the file " + Utf8(printer.outputFileName());
    return "the printer " + Utf8(printer.printerName());
}

}  // namespace

PrinterReportSurface::PrinterReportSurface(QPrinter& printer)
    : ReportSurface(SheetSize(printer).width(), SheetSize(printer).height()), printer_(printer) {}

PrinterReportSurface::~PrinterReportSurface() = default;

const PrinterReportSurface::Face& PrinterReportSurface::FaceOf(const ReportFont& font) const {
    const auto key = std::pair(font.points, font.bold);
    auto it = faces_.find(key);
    if (it == faces_.end()) {
        QFont f;
        f.setPointSizeF(font.points);
        f.setBold(font.bold);
        it = faces_.emplace(key, Face{f, QFontMetricsF(f, &printer_)}).first;
    }
    return it->second;
}

double PrinterReportSurface::MeasureWidth(std::string_view text, const ReportFont& font) const {
    return FaceOf(font).metrics.horizontalAdvance(QText(text));
}

double PrinterReportSurface::LineHeight(const ReportFont& font) const { return FaceOf(font).metrics.lineSpacing(); }

void PrinterReportSurface::DrawLine(int page, double x, double y, std::string_view text, const ReportFont& font) {
    lines_.push_back({page, x, y + FaceOf(font).metrics.ascent(), QText(text), font});
}

void PrinterReportSurface::Finish(int pages) {
    QPainter painter;
    if (!painter.begin(&printer_)) throw std::runtime_error("the report could not be started on " + Destination(printer_));
    int page = 1;
    for (const Line& line : lines_) {
        for (; page < line.page; ++page)
            if (!printer_.newPage()) throw std::runtime_error("a new page failed on " + Destination(printer_));
        painter.setFont(FaceOf(line.font).font);
        painter.drawText(QPointF(line.x, line.baseline), line.text);
    }
    for (; page < pages; ++page)
        if (!printer_.newPage()) throw std::runtime_error("a new page failed on " + Destination(printer_));
    if (!painter.end()) throw std::runtime_error("the report could not be finished on " + Destination(printer_));
    lines_.clear();
}

void SetPdfOutput(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

}  // namespace platform
