#pragma once
// The report surface on a QPrinter: a printer or a PDF file. Layout units are
// the printer's device pixels over the whole sheet (not only its printable
// area); widths and line heights come from the printer's own font metrics,
// and a printed line places the top left corner of its text, so the baseline
// lies one ascent lower.
//
// Pages are kept until the end of the document and only then drawn and sent:
// a report that stops on an error sends nothing at all.
#include <map>
#include <utility>
#include <vector>

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "platform/ReportSurface.h"

class QPrinter;

namespace platform {

class PrinterReportSurface : public ReportSurface {
public:
    // The printer must outlive the surface. It is switched to whole-sheet
    // coordinates.
    explicit PrinterReportSurface(QPrinter& printer);
    ~PrinterReportSurface() override;

protected:
    double MeasureWidth(std::string_view text, const ReportFont& font) const override;
    double LineHeight(const ReportFont& font) const override;
    void DrawLine(int page, double x, double y, std::string_view text, const ReportFont& font) override;
    void Finish(int pages) override;

private:
    struct Face {
        QFont font;
        QFontMetricsF metrics;
    };
    const Face& FaceOf(const ReportFont& font) const;

    struct Line {
        int page;
        double x;
        double baseline;
        QString text;
        ReportFont font;
    };

    QPrinter& printer_;
    mutable std::map<std::pair<double, bool>, Face> faces_;
    std::vector<Line> lines_;
};

// Sends what `printer` prints to the PDF file `path`, on A4.
void SetPdfOutput(QPrinter& printer, const QString& path);

}  // namespace platform
