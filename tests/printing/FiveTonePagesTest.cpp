// The five-tone pages: the dialog's settings and titles beside the stored
// block's decode codes and code list, and the list's page breaks.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "ProgramSandbox.h"
#include "ReportTestSupport.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "printing/FiveTonePages.h"

namespace {

// Entry n (1..100) in the list with code "C<n-1>".
void UseEntry(Tone5Data& block, int n, uint8_t period = 70) {
    Tone5Code& code = block.Tone5List[n];
    code.Code = FixStr<40>::Of("C" + std::to_string(n - 1));
    code.CodeLen = 5;
    code.TonePeriod = period;
    code.Standard = 1;
    code.Name = FixStr<7>::Of("N" + std::to_string(n - 1));
}

class FiveTonePagesTest : public testing::Test {
protected:
    void Print(platform::RecordingMetrics metrics = {}) {
        surface.emplace(std::make_shared<platform::ReportRecording>(), metrics);
        Report report(*surface);
        PrintFiveTonePages(report, *dialog, block);
        surface->EndDoc();
    }
    const platform::ReportRecording& doc() const { return *surface->Recording(); }
    double X(double percent) const { return surface->ScaleWidth() * percent / 100; }
    // The texts of the row that holds `first` (at its first match), in order.
    std::vector<std::string> RowOf(const std::string& first) const {
        const platform::PrintedLine* start = doc().Find(first);
        EXPECT_NE(start, nullptr) << first;
        std::vector<std::string> row;
        if (!start)
            return row;
        for (const auto& l : doc().lines)
            if (l.page == start->page && l.y == start->y) row.push_back(l.text);
        return row;
    }
    // The code-list rows as (page, number) pairs, read from their code column.
    std::vector<std::pair<int, std::string>> ListEntries() const {
        std::vector<std::pair<int, std::string>> entries;
        for (const auto& l : doc().lines)
            if (l.x == X(15) && l.text != "Code") entries.emplace_back(l.page, l.text);
        return entries;
    }

    ProgramSandbox sandbox;
    std::unique_ptr<FakeReportDialog> dialog = FakeFiveToneDialog();
    Tone5Data block;
    std::optional<platform::RecordingReportSurface> surface;
};

TEST_F(FiveTonePagesTest, SettingsDecodeCodesAndPTTIDLinesStandInTheirColumnsUnderTheDialogsCaption) {
    dialog->checks[{"Check1", -1}] = 2;  // greyed: its number prints and the page goes on
    Print();
    const platform::PrintedLine* caption = doc().Find("5Tone Settings");
    ASSERT_NE(caption, nullptr);
    EXPECT_DOUBLE_EQ(caption->x, X(5));
    EXPECT_EQ(RowOf("Label1(0)"), (std::vector<std::string>{"Label1(0)", "12345", "Label1(1)", "Combo1(1)"}));
    for (int j : {2, 4, 6, 8}) {
        const auto a = std::to_string(j), b = std::to_string(j + 1);
        EXPECT_EQ(RowOf("Label1(" + a + ")"),
                  (std::vector<std::string>{"Label1(" + a + ")", "Combo1(" + a + ")", "Label1(" + b + ")", "Combo1(" + b + ")"}));
    }
    EXPECT_EQ(RowOf("Side Tone"), (std::vector<std::string>{"Side Tone", "2"}));
    EXPECT_DOUBLE_EQ(doc().Find("2")->x, X(35));
    EXPECT_EQ(doc().Find("Label1(10)"), nullptr) << "pause code, decode time and delay are not printed";
    EXPECT_EQ(RowOf("Decode Code"),
              (std::vector<std::string>{"Decode Code", "Label4(0)", "Label4(1)", "Label4(2)", "Label4(3)"}));
    EXPECT_DOUBLE_EQ(doc().Find("Label4(2)")->x, X(60));
    // The PTT-ID title takes the grid's titles, from 35%.
    const platform::PrintedLine* code = doc().Find("Code");
    ASSERT_NE(code, nullptr);
    EXPECT_DOUBLE_EQ(code->x, X(35));
    EXPECT_EQ(RowOf("Code"), (std::vector<std::string>{"Code", "Standard", "Period"}));
    EXPECT_EQ(RowOf("PTT-ID End"), (std::vector<std::string>{"PTT-ID End", "Text4(1)", "Combo4(1)", "Combo5(1)"}));
    EXPECT_DOUBLE_EQ(doc().Find("Combo4(1)")->x, X(65));
}

TEST_F(FiveTonePagesTest, DecodeCodesPrintFromTheStoredBlock) {
    const auto set = [&](int i, uint8_t func, uint8_t resp, std::string code, uint8_t length, std::string name) {
        Tone5InfoCode& c = block.InfoCode[i];
        c.Func = func;
        c.Resp = resp;
        c.Code = FixStr<12>::Of(code);
        c.CodeLen = length;
        c.Name = FixStr<7>::Of(name);
    };
    set(1, 1, 0, "12345", 5, "GATE");
    set(2, 3, 2, "67890", 3, "KILL");     // only the first three characters count
    set(3, 0, 1, "111", 0, "EMPTY");      // no length: no code, the rest still prints
    set(4, 8, 3, "ABCDEF012345", 14, "X");  // a function and response beyond the lists
    set(5, 7, 2, "9", 1, "");
    Print();
    const struct {
        const char* number;
        std::vector<std::string> row;
    } cases[] = {
        {"1", {"1", "F1", GetOptionText(60057), "12345", "GATE"}},
        // The dialog holds two responses for code 1's function; the third
        // still prints for the codes that store it.
        {"2", {"2", "F3", GetOptionText(60059), "678", "KILL"}},
        {"3", {"3", "F0", GetOptionText(60058), "EMPTY"}},
        {"4", {"4", "ABCDEF012345", "X"}},
        {"5", {"5", "F7", GetOptionText(60059), "9"}},
        {"16", {"16", "F0", GetOptionText(60057)}},
    };
    for (const auto& c : cases) EXPECT_EQ(RowOf(c.number), c.row) << "decode code " << c.number;
    ASSERT_FALSE(GetOptionText(60059).empty());
}

TEST_F(FiveTonePagesTest, TheCodeListPrintsEntriesWhoseLengthIsOneToFortyNumberedFromZero) {
    UseEntry(block, 1);
    UseEntry(block, 2);
    block.Tone5List[2].CodeLen = 41;  // left out
    UseEntry(block, 3);
    block.Tone5List[3].CodeLen = 0;  // left out, named or not
    UseEntry(block, 4, 29);
    block.Tone5List[4].CodeLen = 40;
    block.Tone5List[4].EmptyFlag = 1;  // the length alone decides
    UseEntry(block, 5, 101);
    block.Tone5List[5].Standard = 16;  // beyond the standards: empty
    UseEntry(block, 6, 30);
    block.Tone5List[6].Code = FixStr<40>::Of("  12E4SelfID");
    UseEntry(block, 100, 100);
    EXPECT_EQ(PrintableTone5Entries(block), (std::vector<int16_t>{1, 4, 5, 6, 100}));
    Print();
    EXPECT_EQ(RowOf("C0"), (std::vector<std::string>{"0", "C0", "S1", "70", "N0"}));
    EXPECT_EQ(RowOf("C3"), (std::vector<std::string>{"3", "C3", "S1", "70", "N3"})) << "period 29 prints 70";
    EXPECT_EQ(RowOf("C4"), (std::vector<std::string>{"4", "C4", "70", "N4"})) << "period 101 prints 70";
    EXPECT_EQ(RowOf("12E4SelfID"), (std::vector<std::string>{"5", "12E4SelfID", "S1", "30", "N5"}));
    EXPECT_EQ(RowOf("C99"), (std::vector<std::string>{"99", "C99", "S1", "100", "N99"}));
    EXPECT_EQ(RowOf("No."), (std::vector<std::string>{"No.", "Code", "Standard", "Period", "Name"}));
    const platform::PrintedLine* name = doc().Find("Name");
    ASSERT_NE(name, nullptr);
    EXPECT_DOUBLE_EQ(name->x, X(92));
    EXPECT_EQ(doc().Find("Kind"), nullptr);
    EXPECT_EQ(doc().pagesSent, 1);
}

TEST_F(FiveTonePagesTest, WithoutPrintableEntriesTheColumnTitlesAndFooterEndTheOnePage) {
    Print();
    EXPECT_EQ(doc().pagesSent, 1);
    const auto texts = doc().Page(1);
    ASSERT_GE(texts.size(), 6U);
    EXPECT_EQ(texts[texts.size() - 6].text, "No.");
    EXPECT_EQ(texts.back().text, "- 1 -");
}

TEST_F(FiveTonePagesTest, AHundredEntriesRunOnToPagesHeadedFiveToneWithTheColumnTitles) {
    for (int n = 1; n <= 100; ++n) UseEntry(block, n);
    Print();
    const auto entries = ListEntries();
    ASSERT_EQ(entries.size(), 100U);
    for (int k = 0; k < 100; ++k) EXPECT_EQ(entries[static_cast<std::size_t>(k)].second, "C" + std::to_string(k));
    const int pages = doc().pagesSent;
    ASSERT_GE(pages, 2);
    const double line = surface->LineHeightOf({10, false});
    for (int page = 1; page <= pages; ++page) {
        const auto lines = doc().Page(page);
        EXPECT_EQ(lines.front().text, "KQ_314 Radio Programming Information") << page;
        EXPECT_EQ(lines.back().text, "- " + std::to_string(page) + " -");
        if (page > 1) {
            const auto heading = std::find_if(lines.begin(), lines.end(), [&](auto& l) { return l.x == X(5); });
            ASSERT_NE(heading, lines.end());
            EXPECT_EQ(heading->text, "5Tone") << page;
            EXPECT_EQ(std::next(heading)->text, "No.") << page;
            EXPECT_DOUBLE_EQ(std::next(heading)->y, heading->y + 5 * line)
                << "two empty lines after the heading, two more before the titles";
        }
        // Every page's last entry ends at or beyond 95%, but the last page's.
        const auto last = std::find_if(lines.rbegin(), lines.rend(), [&](auto& l) { return l.x == X(15); });
        ASSERT_NE(last, lines.rend());
        const double end = last->y + line;
        if (page < pages) EXPECT_GE(end, 2970 * 0.95) << page;
        EXPECT_LE(end, lines.back().y) << "the rows end above the footer";
    }
}

// A sheet 4000 units high puts the limit at 3800, where the 51st entry's
// row ends exactly: the page breaks there only when another entry follows.
TEST_F(FiveTonePagesTest, ARowEndingExactlyAtTheLimitBreaksThePageOnlyWhenMoreEntriesFollow) {
    platform::RecordingMetrics tall;
    tall.height = 4000;
    for (int n = 1; n <= 51; ++n) UseEntry(block, n);
    Print(tall);
    const double line = surface->LineHeightOf({10, false});
    ASSERT_DOUBLE_EQ(doc().Find("C50")->y + line, 3800) << "the layout the sheet was chosen for";
    EXPECT_EQ(doc().pagesSent, 1) << "no page of titles alone after the last entry";

    UseEntry(block, 52);
    Print(tall);
    EXPECT_EQ(doc().pagesSent, 2);
    EXPECT_EQ(doc().Find("C50")->page, 1);
    EXPECT_EQ(doc().Find("C51")->page, 2);
}

TEST(FiveToneSection, CopiesTheBlockAfterTheLoadAndReleasesTheDialog) {
    ProgramSandbox sandbox;
    int alive = 0;
    ReportSources sources;
    CurData.FunSet.Tone5 = {};
    UseEntry(CurData.FunSet.Tone5, 8);
    sources.loadDialog = [&](ReportForm form) -> std::unique_ptr<ReportDialog> {
        EXPECT_EQ(form, ReportForm::Tone5);
        // What a load does to the working data reaches the page.
        UseEntry(CurData.FunSet.Tone5, 9);
        return FakeFiveToneDialog(&alive);
    };
    platform::RecordingReportSurface surface;
    Report report(surface);
    Prt_5Tone(report, sources);
    EXPECT_EQ(alive, 0);
    EXPECT_NE(surface.Recording()->Find("C7"), nullptr);
    EXPECT_NE(surface.Recording()->Find("C8"), nullptr);
    EXPECT_EQ(surface.Page(), 2) << "the section ends with a new page";
}

}  // namespace
