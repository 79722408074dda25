// The option and embedded-information pages, read from their dialogs as the
// dialogs' loads leave them, and the contact-book page from the data.
#include <gtest/gtest.h>

#include <algorithm>

#include "ProgramSandbox.h"
#include "ReportTestSupport.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "printing/CommBookPage.h"
#include "printing/SettingsPages.h"

namespace {

using namespace std::string_literals;

// FrmOption as its load leaves it: "Welcome" in the power-on boxes.
std::unique_ptr<FakeReportDialog> FakeOptionDialog(int* alive = nullptr) {
    auto d = std::make_unique<FakeReportDialog>(alive);
    d->caption = "Option Settings";
    d->captions[{"Label2", -1}] = "Power-on Text";
    for (int i = 0; i <= 28; ++i) {
        d->captions[{"Label1", i}] = "Label1(" + std::to_string(i) + ")";
        d->texts[{"Combo1", i}] = "Combo1(" + std::to_string(i) + ")";
    }
    for (int i = 0; i <= 8; ++i) {
        d->captions[{"Check1", i}] = "Check1(" + std::to_string(i) + ")";
        d->checks[{"Check1", i}] = 0;
    }
    const std::string welcome = "Welcome";
    for (int i = 0; i < 14; ++i) d->texts[{"Text1", i}] = i < 7 ? welcome.substr(static_cast<std::size_t>(i), 1) : "";
    d->listIndexes[{"Combo1", 0}] = 0;
    return d;
}

std::unique_ptr<FakeReportDialog> FakeEmbedDialog() {
    auto d = std::make_unique<FakeReportDialog>();
    d->captions[{"Label2", -1}] = "Area Code";
    for (int i = 0; i <= 13; ++i) d->captions[{"Label1", i}] = "L" + std::to_string(i);
    for (int i = 0; i <= 11; ++i) d->texts[{"Text1", i}] = "T" + std::to_string(i);
    d->texts[{"Combo1", 0}] = "KQ-314";
    d->texts[{"Combo1", 1}] = "Band 2";
    return d;
}

std::vector<std::string> Labels(const std::vector<ReportRow>& rows) {
    std::vector<std::string> labels;
    for (const ReportRow& row : rows) labels.push_back(row.at(0).text);
    return labels;
}

TEST(OptionPage, RowsFollowTheDialogInTheirFixedOrderAndColumns) {
    const auto rows = OptionPageRows(*FakeOptionDialog());
    std::vector<std::string> expected = {"Power-on Text", "Label1(0)"};
    for (int i : {1, 2, 3, 5, 8, 9, 10, 11, 12, 14, 16, 17, 19, 20, 21, 22, 23})
        expected.push_back("Label1(" + std::to_string(i) + ")");
    for (int i : {1, 2, 3}) expected.push_back("Check1(" + std::to_string(i) + ")");
    EXPECT_EQ(Labels(rows), expected);
    EXPECT_EQ(rows[0], (ReportRow{{10, "Power-on Text"}, {35, "Welcome"}}));
    EXPECT_EQ(rows[2], (ReportRow{{10, "Label1(1)"}, {50, "Combo1(1)"}}));
    EXPECT_EQ(rows[19], (ReportRow{{10, "Check1(1)"}, {55, "OFF"}}));
}

TEST(OptionPage, PowerOnTextAlwaysPrintsSevenCharacters) {
    const struct {
        const char* name;
        std::vector<std::string> boxes;
        std::string printed;
    } cases[] = {
        {"two characters", {"H", "i", "", "", "", "", ""}, "Hi     "},
        {"a blank inside shown as an empty box", {"A", "", "B", "", "", "", ""}, "A B    "},
        {"all seven", {"1", "2", "3", "4", "5", "6", "7"}, "1234567"},
        {"empty", {"", "", "", "", "", "", ""}, "       "},
    };
    for (const auto& c : cases) {
        auto d = FakeOptionDialog();
        for (int i = 0; i < 7; ++i) d->texts[{"Text1", i}] = c.boxes[static_cast<std::size_t>(i)];
        d->texts[{"Text1", 7}] = "8";  // never printed
        EXPECT_EQ(OptionPageRows(*d)[0][1].text, c.printed) << c.name;
    }
}

TEST(OptionPage, DisplayModeOneJoinsItsSecondChoiceAndSwitchesPrintTheirState) {
    const struct {
        int displayIndex;
        int check;
        std::string display;
        std::string switchText;
    } cases[] = {
        {0, 0, "Combo1(0)", "OFF"},
        {1, 1, "Combo1(0)Combo1(18)", "ON"},
        {2, 2, "Combo1(0)", "2"},  // a greyed box prints its number, and the page goes on
    };
    for (const auto& c : cases) {
        auto d = FakeOptionDialog();
        d->listIndexes[{"Combo1", 0}] = c.displayIndex;
        d->checks[{"Check1", 3}] = c.check;
        const auto rows = OptionPageRows(*d);
        EXPECT_EQ(rows[1][1].text, c.display) << c.displayIndex;
        EXPECT_EQ(rows.back()[1].text, c.switchText) << c.check;
    }
}

TEST(EmbedInfoPage, FourteenRowsPairTheCaptionsWithTheBoxesTheyName) {
    const auto rows = EmbedInfoPageRows(*FakeEmbedDialog());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Area Code", "T0"}, {"L0", "T6"},  {"L9", "T7"},    {"L1", "KQ-314"}, {"L2", "Band 2"},
        {"L3", "T1"},        {"L4", "T2"},  {"L5", "T3"},    {"L8", "T5"},     {"L6 L7", "T4"},
        {"L10", "T8"},       {"L11", "T9"}, {"L12", "T10"},  {"L13", "T11"},
    };
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i], (ReportRow{{10, expected[i].first}, {35, expected[i].second}})) << "row " << i + 1;
}

TEST(DTMFPage, ListsOwnIDSideToneAndTwentyCodeBoxesInTheirOrderAndColumns) {
    auto d = FakeDTMFDialog();
    d->checks[{"Check1", -1}] = 2;  // greyed: its number prints
    const auto rows = DTMFPageRows(*d);
    std::vector<ReportRow> expected;
    for (int i : {1, 2}) expected.push_back({{10, "Label3(" + std::to_string(i) + ")"}, {50, "Combo1(" + std::to_string(i) + ")"}});
    expected.push_back({{10, "Label3(4)"}, {50, "123"}});
    for (int i = 5; i <= 12; ++i)
        expected.push_back({{10, "Label3(" + std::to_string(i) + ")"}, {50, "Combo1(" + std::to_string(i) + ")"}});
    expected.push_back({{10, "Side Tone"}, {50, "2"}});
    for (int i = 0; i <= 19; ++i) {
        const std::string label = i < 16 ? "M" + std::to_string(i + 1) : "Label1(" + std::to_string(i) + ")";
        expected.push_back({{10, label}, {35, "Text2(" + std::to_string(i) + ")"}});
    }
    EXPECT_EQ(rows, expected);
}

TEST(AlertPage, AlarmRowsLeaveOutTheGroupListAndTheLoneWorkerRowsStandIndentedUnderTheFrame) {
    const auto rows = AlertPageRows(*FakeAlertDialog());
    std::vector<ReportRow> expected;
    for (int i : {0, 1, 2, 3, 4, 5, 6, 8, 9})
        expected.push_back({{10, "Label1(" + std::to_string(i) + ")"}, {45, "Combo1(" + std::to_string(i) + ")"}});
    expected.push_back({{10, "Lone Worker"}});
    expected.push_back({{15, "Auto Detect"}, {50, "OFF"}});
    expected.push_back({{15, "Label2(0)"}, {50, "Combo2(0)"}});
    expected.push_back({{15, "Label2(1)"}, {50, "Combo2(1)"}});
    EXPECT_EQ(rows, expected);
}

class SettingsSectionTest : public testing::Test {
protected:
    void SetUp() override {
        sources.loadDialog = [this](ReportForm form) -> std::unique_ptr<ReportDialog> {
            if (form == ReportForm::Option) return FakeOptionDialog(&alive);
            if (form == ReportForm::EMG) return FakeEmbedDialog();
            if (form == ReportForm::DTMF) return FakeDTMFDialog(&alive);
            if (form == ReportForm::Alert) return FakeAlertDialog(&alive);
            return nullptr;
        };
    }
    ProgramSandbox sandbox;
    RecordedReport r;
    ReportSources sources;
    int alive = 0;
};

TEST_F(SettingsSectionTest, OptionPageIsHeadedByTheDialogAndEmbedPageByTheReportsOwnText) {
    Prt_Option(r.report, sources);
    Prt_EMG(r.report, sources);
    r.surface.EndDoc();
    EXPECT_EQ(alive, 0) << "the option dialog is released after its page";
    ASSERT_EQ(r.recording().pagesSent, 2);
    const auto option = r.recording().Page(1);
    const auto caption = std::find_if(option.begin(), option.end(), [](auto& l) { return l.text == "Option Settings"; });
    ASSERT_NE(caption, option.end());
    EXPECT_DOUBLE_EQ(caption->x, r.X(5));
    EXPECT_EQ(r.Texts(1).back(), "- 1 -");
    EXPECT_NE(std::find(r.Texts(2).begin(), r.Texts(2).end(), "Embedded Message"), r.Texts(2).end());
    EXPECT_EQ(r.Texts(2).back(), "- 2 -");
}

TEST_F(SettingsSectionTest, DTMFAndAlertPagesAreHeadedByTheirDialogsCaptionsOneAPage) {
    Prt_DTMF(r.report, sources);
    Prt_Alert(r.report, sources);
    r.surface.EndDoc();
    EXPECT_EQ(alive, 0);
    ASSERT_EQ(r.recording().pagesSent, 2);
    for (int page : {1, 2}) {
        const auto lines = r.recording().Page(page);
        // The caption at 5%, then the first row two empty lines below it.
        const auto caption = std::find_if(lines.begin(), lines.end(), [&](auto& l) { return l.x == r.X(5); });
        ASSERT_NE(caption, lines.end());
        EXPECT_EQ(caption->text, page == 1 ? "DTMF" : "Alert");
        EXPECT_DOUBLE_EQ(std::next(caption)->y, caption->y + 3 * r.surface.LineHeightOf({10, false}));
        EXPECT_EQ(lines.back().text, "- " + std::to_string(page) + " -");
    }
    const auto alert = r.recording().Page(2);
    const auto frame = std::find_if(alert.begin(), alert.end(), [](auto& l) { return l.text == "Lone Worker"; });
    ASSERT_NE(frame, alert.end());
    EXPECT_EQ(std::next(frame)->text, "Auto Detect");
    EXPECT_DOUBLE_EQ(std::next(frame)->y, frame->y + r.surface.LineHeightOf({10, false})) << "the sub-heading takes its own line";
}

TEST_F(SettingsSectionTest, AControlTheDialogLacksStopsThePageAndStillReleasesTheDialog) {
    sources.loadDialog = [this](ReportForm) -> std::unique_ptr<ReportDialog> {
        auto d = FakeOptionDialog(&alive);
        d->checks.erase({"Check1", 2});
        return d;
    };
    EXPECT_THROW(Prt_Option(r.report, sources), std::out_of_range);
    EXPECT_EQ(alive, 0);
}

TEST(CommBookPage, FiftyRowsOfTwoGroupsUnderThreeGroupsOfHeadings) {
    ProgramSandbox sandbox;
    for (auto& entry : CurData.CommuBook) {
        entry.CallID = FixStr<5>::NulText();
        entry.Name = FixStr<7>::NulText();
    }
    CurData.CommuBook[0].CallID = FixStr<5>::Of("123");
    CurData.CommuBook[0].Name = FixStr<7>::Of("ALPHA  ");
    CurData.CommuBook[49].Name = FixStr<7>::Of("AB\0CDEF"s);
    CurData.CommuBook[50].CallID = FixStr<5>::Of("98765");
    CurData.CommuBook[99].Name = FixStr<7>::Of("  Z");
    CurData.CommuBook[99].No = 7;  // the position is printed, never this

    const auto rows = CommBookRows();
    ASSERT_EQ(rows.size(), 51U);
    const std::string number = GetLangText(3007);
    EXPECT_EQ(rows[0], (ReportRow{{10, number}, {18, "Call ID"}, {28, "Name"}, {38, number}, {46, "Call ID"},
                                  {56, "Name"}, {66, number}, {74, "Call ID"}, {84, "Name"}}));
    EXPECT_EQ(rows[1], (ReportRow{{10, "0"}, {18, "123"}, {28, "ALPHA"}, {38, "50"}, {46, "98765"}, {56, ""}}));
    EXPECT_EQ(rows[50], (ReportRow{{10, "49"}, {18, ""}, {28, "AB"}, {38, "99"}, {46, ""}, {56, "  Z"}}));

    RecordedReport r;
    Prt_CommBook(r.report);
    r.surface.EndDoc();
    EXPECT_EQ(r.recording().pagesSent, 1) << "the whole book on one page";
    EXPECT_NE(r.recording().Find("Communication Book"), nullptr);
    EXPECT_EQ(r.Texts(1).back(), "- 1 -");
}

}  // namespace
