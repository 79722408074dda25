// The report's text output model, on the recording surface: where a printed
// line goes and where it leaves the position, lazy new pages, the end of the
// document, and a printer that fails.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Printer.h"
#include "platform/RecordingReportSurface.h"

namespace {

using platform::RecordingReportSurface;

TEST(ReportSurface, PrintedLinesStartAtThePositionAndEachCrLfEndsALine) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> drawn;
        int linesDown;
    };
    const Case cases[] = {
        {"one line", "Channel", {"Channel"}, 1},
        {"a line and one empty line", "Title\r\n", {"Title"}, 2},
        {"a caption and two empty lines", "Option\r\n\r\n", {"Option"}, 3},
        {"two lines in one print", "A\r\nB", {"A", "B"}, 2},
        {"an empty text still takes its line", "", {}, 1},
        {"a lone LF is no line end", "A\nB", {"A B"}, 1},
    };
    for (const Case& c : cases) {
        RecordingReportSurface surface;
        const double line = surface.LineHeightOf({12, false});
        surface.SetFontSize(12);
        surface.SetCurrentX(300);
        surface.SetCurrentY(100);
        surface.Print(c.text);
        const auto& lines = surface.Recording()->lines;
        ASSERT_EQ(lines.size(), c.drawn.size()) << c.name;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].text, c.drawn[i]) << c.name;
            // The first line at the position, every later one at the left edge.
            EXPECT_EQ(lines[i].x, i == 0 ? 300 : 0) << c.name;
            EXPECT_EQ(lines[i].y, 100 + static_cast<double>(i) * line) << c.name;
        }
        EXPECT_EQ(surface.CurrentX(), 0) << c.name;
        EXPECT_EQ(surface.CurrentY(), 100 + c.linesDown * line) << c.name;
    }
}

TEST(ReportSurface, ControlCharactersAreDrawnAsBlanksAndNothingElseChanges) {
    const struct {
        const char* name;
        std::string text;
        std::string drawn;
    } cases[] = {
        {"C0", "A\x01" "B\x1F", "A B "},
        {"a lone CR and a tab", "A\rB\tC", "A B C"},
        {"DEL", "A\x7F" "B", "A B"},
        {"the first and last C1", "\xC2\x80" "A\xC2\x9F", " A "},
        {"C1 0x8D from a name byte", "N\xC2\x8D" "1", "N 1"},
        {"a no-break space and accented letters stay", "\xC2\xA0\xC3\xA9\xC2\xBF", "\xC2\xA0\xC3\xA9\xC2\xBF"},
        {"Chinese whose bytes include 0x80..0x9F stays", "\xE9\x96\x8B\xE4\xB8\xAD", "\xE9\x96\x8B\xE4\xB8\xAD"},
    };
    for (const auto& c : cases) {
        RecordingReportSurface surface;
        surface.Print(c.text + "\r\n" + c.text);
        const auto& lines = surface.Recording()->lines;
        ASSERT_EQ(lines.size(), 2U) << c.name;
        for (const auto& line : lines) EXPECT_EQ(line.text, c.drawn) << c.name;
    }
}

// A surface on which a byte is one unit wide and a control character, to
// which a font may give any width, ten.
class ByteWideSurface : public platform::ReportSurface {
public:
    ByteWideSurface() : ReportSurface(1000, 1000) {}

protected:
    double MeasureWidth(std::string_view text, const platform::ReportFont&) const override {
        double width = 0;
        for (const char c : text) width += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? 10 : 1;
        return width;
    }
    double LineHeight(const platform::ReportFont&) const override { return 10; }
    void DrawLine(int, double, double, std::string_view, const platform::ReportFont&) override {}
    void Finish(int) override {}
};

TEST(ReportSurface, ATextIsAsWideAsItsWidestLineIsDrawn) {
    const struct {
        const char* name;
        std::string text;
        double width;
    } cases[] = {
        {"plain", "Channel", 7},
        {"C0 controls as blanks", "A\x01" "B\x1F", 4},
        {"a tab and a lone CR as blanks", "A\tB\rC", 5},
        {"DEL as a blank", "A\x7F", 2},
        {"a C1 control of two bytes as one blank", "N\xC2\x8D" "1", 3},
        {"the widest of its lines", "AB\r\nChannel\r\nC", 7},
        {"a line end is no width", "Title\r\n", 5},
        {"empty", "", 0},
    };
    for (const auto& c : cases) {
        ByteWideSurface surface;
        EXPECT_EQ(surface.TextWidth(c.text), c.width) << c.name;
    }
}

TEST(ReportSurface, EachLineKeepsTheFontItWasPrintedIn) {
    RecordingReportSurface surface;
    surface.SetFontSize(25);
    surface.SetFontBold(true);
    surface.Print("Title");
    surface.SetFontSize(10);
    surface.Print("Date");
    surface.SetFontBold(false);
    surface.Print("Row");
    const auto& lines = surface.Recording()->lines;
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0].font, (platform::ReportFont{25, true}));
    EXPECT_EQ(lines[1].font, (platform::ReportFont{10, true}));
    EXPECT_EQ(lines[2].font, (platform::ReportFont{10, false}));
    // The 25-point line pushed the next one down by its own, larger height.
    EXPECT_EQ(lines[1].y, surface.LineHeightOf({25, true}));
    EXPECT_GT(surface.TextWidth("Title"), 0);
    surface.SetFontSize(20);
    const double wide = surface.TextWidth("Title");
    surface.SetFontSize(10);
    EXPECT_EQ(wide, 2 * surface.TextWidth("Title")) << "widths follow the font size";
}

TEST(ReportSurface, ANewPageThatNoTextFollowsAddsNoSheet) {
    RecordingReportSurface surface;
    surface.Print("- 1 -");
    surface.NewPage();
    EXPECT_EQ(surface.Page(), 2);
    EXPECT_EQ(surface.CurrentX(), 0);
    EXPECT_EQ(surface.CurrentY(), 0);
    surface.SetCurrentY(500);
    surface.Print("- 2 -");
    surface.NewPage();
    EXPECT_EQ(surface.Page(), 3) << "the page number counts the last new page as well";
    EXPECT_FALSE(surface.Recording()->ended()) << "nothing is sent before the end of the document";
    surface.EndDoc();
    EXPECT_EQ(surface.Recording()->pagesSent, 2);
    ASSERT_EQ(surface.Recording()->Page(2).size(), 1U);
    EXPECT_EQ(surface.Recording()->Page(2)[0].y, 500);
    EXPECT_THROW(surface.Print("late"), std::logic_error) << "nothing follows the end of the document";
}

TEST(ReportSurface, AFailingPrinterThrowsAndTheDocumentIsNeverSent) {
    RecordingReportSurface surface;
    surface.FailAtLine(2);
    surface.Print("first");
    EXPECT_THROW(surface.Print("second"), std::runtime_error);
    EXPECT_EQ(surface.Recording()->lines.size(), 1U);
    EXPECT_FALSE(surface.Recording()->ended());
}

TEST(Printer, WithoutAPrinterTheDialogIsCancelledAndNoDocumentOpens) {
    EXPECT_FALSE(platform::ShowPrinterDialog(platform::PrinterDialogKind::Print));
    EXPECT_THROW(platform::OpenPrinterDocument(), std::runtime_error);
}

}  // namespace
