// The two-tone page, read from its dialog as the dialog's load leaves it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "ProgramSandbox.h"
#include "ReportTestSupport.h"
#include "printing/TwoTonePage.h"

namespace {

using Call = std::vector<std::pair<int, std::string>>;

class TwoTonePageTest : public testing::Test {
protected:
    // Prints the page on a fresh document and gives its lines from the
    // caption on, in order.
    std::vector<platform::PrintedLine> Print(const FakeReportDialog& d) {
        r.emplace();
        PrintTwoTonePage(r->report, d);
        r->surface.EndDoc();
        const auto lines = r->recording().Page(1);
        const auto caption = std::find_if(lines.begin(), lines.end(), [](auto& l) { return l.text == "2Tone"; });
        return {caption, lines.end()};
    }
    double Line() const { return r->surface.LineHeightOf({10, false}); }
    double X(double percent) const { return r->X(percent); }
    // The call lines: (x percent, text) of every line below the settings.
    static std::vector<Call> CallLines(const std::vector<platform::PrintedLine>& lines) {
        std::vector<Call> calls;
        const auto lastSetting =
            std::find_if(lines.begin(), lines.end(), [](auto& l) { return l.text == "Side Tone"; });
        double y = -1;
        for (auto it = std::next(lastSetting, 2); it != lines.end() && it->text.front() != '-'; ++it) {
            if (it->y != y) calls.emplace_back(), y = it->y;
            calls.back().emplace_back(static_cast<int>(std::lround(it->x * 100 / 2100)), it->text);
        }
        return calls;
    }

    ProgramSandbox sandbox;
    std::optional<RecordedReport> r;
};

TEST_F(TwoTonePageTest, DecodeSettingsThenEncodeSettingsUnderTheirTabCaptionsInDoubleRows) {
    const auto lines = Print(*FakeTwoToneDialog());
    std::vector<std::string> texts;
    for (const auto& l : lines) texts.push_back(l.text);
    const std::vector<std::string> expected = {
        "2Tone",     "Decode",    "Label2(0)", "Combo2(0)", "Label2(1)", "Combo2(1)", "A Tone",   "Text2(0)",
        "B Tone",    "Text2(1)",  "C Tone",    "Text2(2)",  "D Tone",    "Text2(3)",  "Encode",   "Label1(0)",
        "Combo1(0)", "Label1(1)", "Combo1(1)", "Label1(2)", "Combo1(2)", "Label1(3)", "Combo1(3)", "Label1(4)",
        "Combo1(4)", "Side Tone", "OFF",       "- 1 -"};
    EXPECT_EQ(texts, expected) << "no call in use: the footer follows the settings";
    EXPECT_DOUBLE_EQ(lines[1].x, X(5));
    for (std::size_t i = 2; i < 6; ++i) EXPECT_EQ(lines[i].y, lines[2].y) << "a double row stands on one line";
    const double at[] = {10, 35, 55, 75};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(lines[23 + i].x, X(at[i]));
    // One line of CR LF leaves two empty lines before the encode tab's caption.
    EXPECT_DOUBLE_EQ(lines[14].y, lines[12].y + 3 * Line());
    EXPECT_DOUBLE_EQ(lines[14].x, X(5));
}

TEST_F(TwoTonePageTest, CallsInUsePairUpOnLinesInListOrderWithTheirGridNumbers) {
    const auto left = [](std::string n, std::string tone2 = "928.1") {
        return Call{{10, n}, {13, "321.7"}, {20, tone2}, {27, "C" + n}};
    };
    const auto right = [](std::string n) { return Call{{55, n}, {58, "321.7"}, {65, "928.1"}, {72, "C" + n}}; };
    const auto join = [](Call a, const Call& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const struct {
        const char* name;
        std::vector<int> used;
        std::vector<Call> lines;
    } cases[] = {
        {"one call: a left half alone", {4}, {left("4")}},
        {"calls 0, 1 and 5", {0, 1, 5}, {join(left("0"), right("1")), left("5")}},
        {"the last of the list", {22, 23}, {join(left("22"), right("23"))}},
    };
    for (const auto& c : cases) {
        auto d = FakeTwoToneDialog();
        for (int n : c.used) UseTwoToneCall(*d, n);
        EXPECT_EQ(CallLines(Print(*d)), c.lines) << c.name;
    }

    auto d = FakeTwoToneDialog();
    UseTwoToneCall(*d, 2, "");
    // An empty tone 2 draws nothing; the name keeps its column.
    const auto calls = CallLines(Print(*d));
    EXPECT_EQ(calls, (std::vector<Call>{{{10, "2"}, {13, "321.7"}, {27, "C2"}}}));
}

TEST_F(TwoTonePageTest, AllTwentyFourCallsTakeTwelveLinesOnTheOnePage) {
    auto d = FakeTwoToneDialog();
    for (int n = 0; n < 24; ++n) UseTwoToneCall(*d, n);
    const auto calls = CallLines(Print(*d));
    ASSERT_EQ(calls.size(), 12U);
    EXPECT_EQ(calls[11][4], (std::pair<int, std::string>{55, "23"}));
    EXPECT_EQ(r->recording().pagesSent, 1);
}

TEST(TwoToneSection, LoadsTheDialogOnceAndReleasesItAlsoWhenAControlIsMissing) {
    ProgramSandbox sandbox;
    int alive = 0;
    ReportSources sources;
    sources.loadDialog = [&](ReportForm form) -> std::unique_ptr<ReportDialog> {
        EXPECT_EQ(form, ReportForm::Tone2);
        return FakeTwoToneDialog(&alive);
    };
    RecordedReport r;
    Prt_2Tone(r.report, sources);
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(r.surface.Page(), 2) << "the page ends with a new page";

    sources.loadDialog = [&](ReportForm) -> std::unique_ptr<ReportDialog> {
        auto d = FakeTwoToneDialog(&alive);
        d->captions.erase({"SSTab1", 0});
        return d;
    };
    EXPECT_THROW(Prt_2Tone(r.report, sources), std::out_of_range);
    EXPECT_EQ(alive, 0);
}

}  // namespace
