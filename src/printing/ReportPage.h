#pragma once
// The furniture every page of the report is built from, and the one place
// that places things on it: the page header and footer, the section caption
// and rows of label/value items.
//
// Positions are percentages of the sheet's width (x) and height (y). A row
// keeps the y at which it began in PrintY and prints each of its items from
// there, left to right, so the items stand on one line and the next row
// begins one line lower. Nothing is cut or wrapped: a text wider than its
// column runs into the next one.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ReportSurface.h"

class QLocale;

// One text of a row at a column, in percent of the sheet's width.
struct RowItem {
    int at = 0;
    std::string text;
    bool operator==(const RowItem&) const = default;
};
using ReportRow = std::vector<RowItem>;

// Two label/value pairs on one line: labels at 10% and 55%, values at 35%
// and 75%, as the signalling pages set their settings side by side.
ReportRow DoubleRow(std::string leftLabel, std::string leftValue, std::string rightLabel, std::string rightValue);

// The texts' font: 25 points bold for the title, 10 points bold for the rest
// of the header, 10 points everywhere else.
inline constexpr double kReportTitlePoints = 25;
inline constexpr double kReportPoints = 10;

class Report {
public:
    explicit Report(platform::ReportSurface& printer) : printer_(printer) {}

    platform::ReportSurface& Printer() { return printer_; }

    // Percent of the sheet's width and height in layout units.
    double X(double percent) const { return printer_.ScaleWidth() * percent / 100; }
    double Y(double percent) const { return printer_.ScaleHeight() * percent / 100; }

    // The page header: the title centred at 2%, the date and time at 75%, the
    // model and the data file; leaves the position on the line below it, at
    // 10 points not bold.
    void PrintTitle();
    // The footer "- n -" centred at 97% of the height. It starts no new page.
    void PrintPage();
    // The caption of a section's page at 5%, followed by two empty lines.
    void PrintCaption(std::string_view caption);
    // A text alone on its line at `at` percent.
    void PrintSubHeading(int at, std::string_view text);
    // A row: PrintY takes the current y, then the items are printed from it.
    void PrintRow(const ReportRow& row);
    // One print line of nothing but CR LF: two empty lines of space.
    void PrintGap();
    // The items on the row that PrintY still holds (the right half of a line
    // whose left half was printed before).
    void PrintOnSameRow(const ReportRow& row);
    // The footer, then a new page: how every page of a section ends.
    void EndPage();
    // A section page of a fixed layout: the header, the caption, the rows,
    // the footer and a new page.
    void PrintSectionPage(std::string_view caption, const std::vector<ReportRow>& rows);

    // The y at which the current row began, in whole layout units.
    int32_t PrintY = 0;

private:
    platform::ReportSurface& printer_;
};

// The clock's date and time for the header, each in the locale's own format
// (short date, long time without a time zone), joined by four blanks; the
// report uses the system's locale.
std::string ReportDateTimeText(const QLocale& locale);
