// The page furniture: header, footer, caption and rows, on the recording
// surface (2100 x 2970 units; a line is 4 units a point high).
#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>

#include "ProgramSandbox.h"
#include "ReportTestSupport.h"
#include "core/SharedState.h"

namespace {

class ReportPageTest : public testing::Test {
protected:
    void SetUp() override {
        RadioModel = "314KTR";
        DataFileName = "/home/user/radios/site a.dat";
    }
    ProgramSandbox sandbox;
    RecordedReport r;
};

TEST_F(ReportPageTest, TheHeaderCentresTheTitleThenDatesModelAndFileAndEndsAtTenPointsPlain) {
    r.report.PrintTitle();
    const auto& lines = r.recording().lines;
    ASSERT_EQ(lines.size(), 6U);
    const double line10 = r.surface.LineHeightOf({10, true});
    const double line25 = r.surface.LineHeightOf({25, true});

    EXPECT_EQ(lines[0].text, "KQ_314 Radio Programming Information");
    EXPECT_EQ(lines[0].font, (platform::ReportFont{25, true}));
    EXPECT_DOUBLE_EQ(lines[0].y, 2970 * 0.02);
    platform::RecordingReportSurface measure;
    measure.SetFontSize(25);
    measure.SetFontBold(true);
    EXPECT_DOUBLE_EQ(lines[0].x, (2100 - measure.TextWidth(lines[0].text)) / 2) << "centred at its 25-point bold width";

    // The title and one empty line at 25 points, then the date line at 75%.
    EXPECT_DOUBLE_EQ(lines[1].x, 2100 * 0.75);
    EXPECT_DOUBLE_EQ(lines[1].y, lines[0].y + 2 * line25);
    EXPECT_EQ(lines[1].font, (platform::ReportFont{10, true}));
    const std::string date = QLocale::system().toString(QDate(2015, 5, 26), QLocale::ShortFormat).toStdString();
    ASSERT_EQ(lines[1].text.substr(0, date.size() + 4), date + "    ") << lines[1].text;
    const std::string time = lines[1].text.substr(date.size() + 4);
    EXPECT_EQ(time.find("10:00:00"), 0U) << "the fixed clock's time, no zone: " << time;
    EXPECT_LE(time.size(), 11U) << time;

    // Model and file rows, bold, label at 8%, value at 25% on the label's line.
    const struct {
        std::size_t at;
        const char* text;
        double x;
    } rows[] = {{2, "Model Type", 8}, {3, "KQ-314", 25}, {4, "File Name", 8}, {5, "/home/user/radios/site a.dat", 25}};
    for (const auto& row : rows) {
        EXPECT_EQ(lines[row.at].text, row.text);
        EXPECT_DOUBLE_EQ(lines[row.at].x, r.X(row.x)) << row.text;
        EXPECT_TRUE(lines[row.at].font.bold) << row.text;
    }
    EXPECT_EQ(lines[2].y, lines[3].y);
    EXPECT_EQ(lines[4].y, lines[5].y);
    EXPECT_NEAR(lines[2].y, lines[1].y + 2 * line10, 0.5) << "one empty line after the date";
    EXPECT_NEAR(lines[4].y, lines[2].y + line10, 0.5);
    // One empty line after the file name, and the rest of the page is plain.
    EXPECT_NEAR(r.surface.CurrentY(), lines[4].y + 2 * line10, 0.5);
    EXPECT_EQ(r.surface.CurrentX(), 0);
    EXPECT_EQ(r.surface.Font(), (platform::ReportFont{10, false}));
}

TEST_F(ReportPageTest, TheFooterIsCentredOnItsOwnWidthAtNinetySevenPercent) {
    for (int page = 1; page <= 10; ++page) {
        r.report.PrintPage();
        if (page < 10) r.surface.NewPage();
    }
    const auto& lines = r.recording().lines;
    ASSERT_EQ(lines.size(), 10U);
    for (const auto& line : {lines[8], lines[9]}) {
        EXPECT_DOUBLE_EQ(line.x, (2100 - r.surface.TextWidth(line.text)) / 2) << line.text;
        EXPECT_DOUBLE_EQ(line.y, 2970 - 2970 * 3.0 / 100) << line.text;
    }
    EXPECT_EQ(lines[8].text, "- 9 -");
    EXPECT_EQ(lines[9].text, "- 10 -");
    EXPECT_LT(lines[9].x, lines[8].x) << "the wider number starts further left";
}

TEST_F(ReportPageTest, TwoOnePageSectionsNumberTheirPagesOnAndLeaveNoEmptyThirdPage) {
    r.report.PrintSectionPage("First", {{{10, "a"}, {50, "1"}}});
    r.report.PrintSectionPage("Second", {{{10, "b"}, {50, "2"}}});
    r.surface.EndDoc();
    EXPECT_EQ(r.recording().pagesSent, 2);
    for (int page : {1, 2}) {
        const auto texts = r.Texts(page);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), "- " + std::to_string(page) + " -");
    }
    EXPECT_EQ(r.Texts(2)[6], "Second");
}

TEST_F(ReportPageTest, ACaptionLeavesTwoEmptyLinesAndRowItemsShareTheirRowsLine) {
    r.surface.SetCurrentY(1000);
    r.report.PrintCaption("Option");
    r.report.PrintRow({{10, "Squelch"}, {50, ""}, {55, "Lock"}, {75, "ON"}});
    r.report.PrintRow({{10, "Next"}});
    const double line = r.surface.LineHeightOf({10, false});
    const auto& lines = r.recording().lines;
    ASSERT_EQ(lines.size(), 5U) << "the empty value draws nothing";
    EXPECT_DOUBLE_EQ(lines[0].x, r.X(5));
    EXPECT_EQ(lines[1].y, 1000 + 3 * line);
    EXPECT_EQ(r.report.PrintY, 1000 + 4 * line) << "the second row began one line below the first";
    for (std::size_t i : {2U, 3U}) EXPECT_EQ(lines[i].y, lines[1].y) << lines[i].text;
    EXPECT_DOUBLE_EQ(lines[3].x, r.X(75));
    EXPECT_EQ(lines[4].y, lines[1].y + line);

    // The right half of a line goes on the row PrintY still holds.
    r.report.PrintOnSameRow({{55, "Right"}});
    EXPECT_EQ(r.recording().lines.back().y, lines[4].y);
}

TEST_F(ReportPageTest, TheClockLineTakesTheLocalesFormatsWithoutATimeZone) {
    const struct {
        const char* locale;
        const char* text;
    } cases[] = {
        {"en_US", "5/26/15    10:00:00 AM"},
        {"de_DE", "26.05.15    10:00:00"},
        {"zh_TW", "2015/5/26    上午10:00:00"},
        {"fr_CA", "2015-05-26    10 h 00 min 00 s"},  // quoted letters stay
    };
    for (const auto& c : cases) EXPECT_EQ(ReportDateTimeText(QLocale(c.locale)), c.text) << c.locale;
}

TEST_F(ReportPageTest, AFileNameTooLongForTheLineRunsOffUncut) {
    DataFileName = std::string(300, 'x') + ".dat";
    r.report.PrintTitle();
    EXPECT_NE(r.recording().Find(DataFileName), nullptr);
}

}  // namespace
