// The report surface on a QPrinter writing a PDF file: the whole A4 sheet,
// the printer's own font measures, text placed by its top left corner, and
// a document that is only written once it ends.
#include <gtest/gtest.h>

#include <filesystem>

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>

#include "PdfText.h"
#include "TempDir.h"
#include "platform/ui/PrinterReportSurface.h"
#include "platform/ui/QtPrinter.h"

namespace {

class PrinterReportSurfaceTest : public testing::Test {
protected:
    void SetUp() override {
        platform::SetPdfOutput(printer, QString::fromStdString(pdf));
    }
    // Layout units of the printer in points.
    double Points(double units) const { return units * 72.0 / printer.resolution(); }

    TempDir dir;
    std::string pdf = dir.file("report.pdf");
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(PrinterReportSurfaceTest, TheSheetIsTheWholeA4PageAndWidthsAreThePrintersOwn) {
    platform::PrinterReportSurface surface(printer);
    EXPECT_NEAR(Points(surface.ScaleWidth()), 595.3, 0.5);
    EXPECT_NEAR(Points(surface.ScaleHeight()), 841.9, 0.5);
    for (auto [points, bold] : {std::pair{10.0, false}, {25.0, true}}) {
        surface.SetFontSize(points);
        surface.SetFontBold(bold);
        QFont font;
        font.setPointSizeF(points);
        font.setBold(bold);
        const QFontMetricsF metrics(font, &printer);
        const char* title = "KQ_314 Radio Programming Information";
        EXPECT_DOUBLE_EQ(surface.TextWidth(title), metrics.horizontalAdvance(title)) << points;
        EXPECT_DOUBLE_EQ(surface.TextWidth("CH\t1\x01"), metrics.horizontalAdvance("CH 1 "))
            << points << ": controls are measured as the blanks they are drawn as";
        // A text of this size is about half a point a character per point wide
        // on the page, whatever the device resolution.
        EXPECT_NEAR(Points(surface.TextWidth(title)) / points, 36 * 0.55, 36 * 0.25) << points;
        const double y = surface.CurrentY();
        surface.Print("x");
        EXPECT_DOUBLE_EQ(surface.CurrentY() - y, metrics.lineSpacing()) << points;
    }
}

TEST_F(PrinterReportSurfaceTest, TextStandsBelowItsPositionOnTheRightPagesAndNothingIsWrittenBeforeTheEnd) {
    {
        platform::PrinterReportSurface surface(printer);
        surface.SetCurrentX(surface.ScaleWidth() / 2);
        surface.SetCurrentY(surface.ScaleHeight() / 2);
        surface.Print("Middle");
        surface.NewPage();
        surface.NewPage();
        surface.SetCurrentY(surface.ScaleHeight() * 0.97);
        surface.Print("Third");
        surface.NewPage();  // a new page that nothing follows
        EXPECT_FALSE(std::filesystem::exists(pdf)) << "nothing goes to the printer before the end";
        surface.EndDoc();
    }
    const PdfContent content = ReadPdf(pdf);
    ASSERT_EQ(content.pages.size(), 3U) << "the empty second page is kept, no empty fourth page is added";
    const PdfWord* middle = content.Find("Middle");
    ASSERT_NE(middle, nullptr);
    EXPECT_EQ(middle->page, 1);
    EXPECT_NEAR(middle->xMin, content.pageWidth / 2, 1.5);
    // The top of the line (its ascent above the baseline) at the position; a
    // baseline at the position would put the word a whole ascent higher.
    EXPECT_NEAR(middle->yMin, content.pageHeight / 2, 1.5);
    const PdfWord* third = content.Find("Third");
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->page, 3);
    EXPECT_GT(third->yMin, content.pageHeight * 0.965);
}

TEST_F(PrinterReportSurfaceTest, ADocumentThatIsNotEndedLeavesNoFile) {
    {
        platform::PrinterReportSurface surface(printer);
        surface.Print("half a report");
        surface.NewPage();
    }
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrinterReportSurfaceTest, AFileThatCannotBeWrittenFailsTheEndOfTheDocument) {
    printer.setOutputFileName(QString::fromStdString(dir.file("no/such/folder/report.pdf")));
    platform::PrinterReportSurface surface(printer);
    surface.Print("text");
    EXPECT_THROW(surface.EndDoc(), std::runtime_error);
}

TEST(QtPrinter, TheProgramsPrinterStartsOnAWholeA4Sheet) {
    platform::QtPrinter printer;
    const auto surface = printer.OpenDocument();
    // A4 is 297 by 210 mm; Letter, the usual other default, is far squarer.
    EXPECT_NEAR(surface->ScaleHeight() / surface->ScaleWidth(), 297.0 / 210.0, 0.005);
}

}  // namespace
