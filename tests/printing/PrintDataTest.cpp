// The report driver: the printer dialog, the sections in their fixed order,
// a message on the way that the user answers, and a run that is cancelled or
// fails, sending nothing and showing nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <QString>

#include "ProgramSandbox.h"
#include "ReportTestSupport.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/Prompts.h"
#include "printing/PrintData.h"

namespace {

using platform::PrinterDialogKind;

// Dialogs whose captions say which section printed.
std::unique_ptr<FakeReportDialog> FakeDialog(ReportForm form, int* alive) {
    std::unique_ptr<FakeReportDialog> d;
    switch (form) {
        case ReportForm::CHEdit: return FakeChannelDialog(alive);
        case ReportForm::DTMF: d = FakeDTMFDialog(alive); break;
        case ReportForm::Tone2: d = FakeTwoToneDialog(alive); break;
        case ReportForm::Tone5: d = FakeFiveToneDialog(alive); break;
        case ReportForm::Alert: d = FakeAlertDialog(alive); break;
        default: break;
    }
    if (d) {
        d->caption = std::string(ReportFormName(form));
        return d;
    }
    d = std::make_unique<FakeReportDialog>(alive);
    d->caption = std::string(ReportFormName(form));
    for (int i = 0; i <= 28; ++i) d->captions[{"Label1", i}] = d->texts[{"Combo1", i}] = "";
    for (int i = 0; i <= 13; ++i) d->texts[{"Text1", i}] = "";
    for (int i = 0; i <= 8; ++i) d->captions[{"Check1", i}] = "", d->checks[{"Check1", i}] = 0;
    d->captions[{"Label2", -1}] = "";
    d->listIndexes[{"Combo1", 0}] = 0;
    return d;
}

class PrintDataTest : public testing::Test {
public:
    void SetUp() override {
        CurData.CHCount = 0;
        UFreList[static_cast<std::size_t>(CurData.CHCount++)] = PrintChannel(1);
        sources.ctcss = TestCTCSSItems();
        sources.dcs = TestDCSItems();
        sources.loadDialog = [this](ReportForm form) -> std::unique_ptr<ReportDialog> {
            loaded.push_back(form);
            return FakeDialog(form, &alive);
        };
    }
    void Tick(std::initializer_list<int> items) {
        PrintSelect = {};
        for (int i : items) PrintSelect[static_cast<std::size_t>(i)] = 1;
    }
    // The page captions printed (the first line at 5% of a page), in page order.
    static std::vector<std::string> Captions(const platform::ReportRecording& doc) {
        const double captionX = platform::RecordingMetrics{}.width * 5 / 100;
        std::vector<std::string> captions;
        for (int page = 1; page <= doc.pagesSent; ++page)
            for (const auto& line : doc.Page(page))
                if (line.x == captionX) {
                    captions.push_back(line.text);
                    break;
                }
        return captions;
    }

    ProgramSandbox sandbox;
    ReportSources sources;
    std::vector<ReportForm> loaded;
    int alive = 0;
};

TEST_F(PrintDataTest, EveryTickedSectionPrintsInTheFixedOrderAndHiddenItemsAddNothing) {
    PrintSelect.fill(1);
    sandbox.printer.expectDialog(PrinterDialogKind::Print);
    const PrintResult result = PrintData(sources, PrinterDialogKind::Print);
    EXPECT_EQ(result.outcome, PrintOutcome::Printed) << result.failure;
    EXPECT_TRUE(PrintOK);
    const auto& doc = sandbox.printer.lastDocument();
    ASSERT_TRUE(doc.ended());
    EXPECT_EQ(Captions(doc), (std::vector<std::string>{GetLangText(3009), "FrmOption", "FrmDTMF", "Frm2Tone",
                                                       "Frm5Tone", "Communication Book", "Embedded Message",
                                                       "FrmAlert"}));
    EXPECT_EQ(doc.pagesSent, 8);
    for (int page = 1; page <= 8; ++page) EXPECT_EQ(doc.Page(page).back().text, "- " + std::to_string(page) + " -");
    EXPECT_EQ(loaded, (std::vector<ReportForm>{ReportForm::CHEdit, ReportForm::Option, ReportForm::DTMF,
                                               ReportForm::Tone2, ReportForm::Tone5, ReportForm::EMG,
                                               ReportForm::Alert}));
    EXPECT_EQ(alive, 0) << "every dialog the report loaded is gone";
}

TEST_F(PrintDataTest, OnlyTheContactBookPrintsItsOnePageAndTheDocumentEnds) {
    Tick({7});
    sandbox.printer.expectDialog(PrinterDialogKind::Print);
    PrintData(sources, PrinterDialogKind::Print);
    const auto& doc = sandbox.printer.lastDocument();
    EXPECT_EQ(doc.pagesSent, 1);
    EXPECT_EQ(Captions(doc), (std::vector<std::string>{"Communication Book"}));
    EXPECT_EQ(doc.lines.back().text, "- 1 -");
    EXPECT_TRUE(loaded.empty());
}

TEST_F(PrintDataTest, TheDialogVariantIsTheOneAskedFor) {
    Tick({7});
    sandbox.printer.expectDialog(PrinterDialogKind::SetUp);
    EXPECT_EQ(PrintData(sources, PrinterDialogKind::SetUp).outcome, PrintOutcome::Printed);
}

TEST_F(PrintDataTest, ACancelledPrinterDialogPrintsNothingQuietly) {
    Tick({0, 7});
    sandbox.printer.expectDialog(PrinterDialogKind::Print, false);
    const PrintResult result = PrintData(sources, PrinterDialogKind::Print);
    EXPECT_EQ(result.outcome, PrintOutcome::Cancelled);
    EXPECT_TRUE(result.failure.empty());
    EXPECT_FALSE(PrintOK);
    EXPECT_TRUE(sandbox.printer.documents().empty()) << "no document was opened";
    EXPECT_TRUE(loaded.empty());
}

TEST_F(PrintDataTest, AMessageALoadedDialogRaisesIsAnsweredAndTheRunGoesOn) {
    Tick({0, 3, 7, 8});
    sources.loadDialog = [this](ReportForm form) -> std::unique_ptr<ReportDialog> {
        if (form == ReportForm::CHEdit) platform::MsgBox("Not IsNumeric");
        return FakeDialog(form, &alive);
    };
    sandbox.printer.expectDialog(PrinterDialogKind::Print);
    sandbox.prompts.expect("Not IsNumeric", platform::Buttons::Ok, platform::Answer::Ok);
    const PrintResult result = PrintData(sources, PrinterDialogKind::Print);
    EXPECT_TRUE(sandbox.prompts.allAnswered());
    EXPECT_EQ(result.outcome, PrintOutcome::Printed) << result.failure;
    EXPECT_TRUE(PrintOK);
    const auto& doc = sandbox.printer.lastDocument();
    ASSERT_TRUE(doc.ended());
    EXPECT_EQ(Captions(doc), (std::vector<std::string>{GetLangText(3009), "FrmOption", "Communication Book",
                                                       "Embedded Message"}));
}

TEST_F(PrintDataTest, ControlBytesOfStoredNamesReachNoPageOfTheReport) {
    UFreList[0].CHName = FixStr<7>::Of("A\x01" "B");
    CurData.CommuBook[0].Name = FixStr<7>::Of("C\x8D" "D");
    CurData.FunSet.Tone5.InfoCode[1].Name = FixStr<7>::Of("E\x7F" "F");
    PrintSelect.fill(1);
    sandbox.printer.expectDialog(PrinterDialogKind::Print);
    ASSERT_EQ(PrintData(sources, PrinterDialogKind::Print).outcome, PrintOutcome::Printed);
    const auto& doc = sandbox.printer.lastDocument();
    for (const char* name : {"A B", "C D", "E F"}) EXPECT_NE(doc.Find(name), nullptr) << name;
    for (const auto& line : doc.lines) {
        const QString text = QString::fromStdString(line.text);
        EXPECT_FALSE(std::ranges::any_of(text, [](QChar c) { return c.category() == QChar::Other_Control; }))
            << "page " << line.page << ": " << line.text;
    }
}

TEST_F(PrintDataTest, AFailureOnTheWayStopsTheRunAndSendsNothing) {
    struct Case {
        const char* name;
        std::function<void(PrintDataTest&)> arrange;
        std::string failure;
    };
    const Case cases[] = {
        {"the printer fails in the middle",
         [](PrintDataTest& t) { t.sandbox.printer.failNextDocumentAtLine(30); }, "the printer stopped responding"},
        {"a dialog lacks a control the page reads",
         [](PrintDataTest& t) {
             t.sources.loadDialog = [&t](ReportForm form) -> std::unique_ptr<ReportDialog> {
                 auto d = FakeDialog(form, &t.alive);
                 d->captions.erase({"Label2", -1});
                 return d;
             };
         },
         "no control Label2(-1)"},
        {"no dialog can be loaded",
         [](PrintDataTest& t) { t.sources.loadDialog = nullptr; }, "the report cannot load FrmCHEdit"},
    };
    for (const Case& c : cases) {
        SetUp();
        Tick({0, 3, 7, 8});
        sandbox.printer.expectDialog(PrinterDialogKind::Print);
        c.arrange(*this);
        const PrintResult result = PrintData(sources, PrinterDialogKind::Print);
        EXPECT_EQ(result.outcome, PrintOutcome::Failed) << c.name;
        EXPECT_EQ(result.failure, c.failure) << c.name;
        EXPECT_FALSE(PrintOK) << c.name;
        ASSERT_FALSE(sandbox.printer.documents().empty()) << c.name;
        EXPECT_FALSE(sandbox.printer.documents().back()->ended()) << c.name << ": the document is never sent";
        EXPECT_EQ(alive, 0) << c.name << ": no dialog stays loaded";
    }
}

TEST(PrintItems, OnlyTheBoxesTheUserSeesCountAsASelection) {
    const struct {
        const char* name;
        PrintTicks ticks;
        bool nothing;
    } cases[] = {
        {"nothing ticked", {}, true},
        {"only the two hidden boxes", {0, 1, 1, 0, 0, 0, 0, 0, 0, 0}, true},
        {"the alert box", {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, false},
        {"the channel box", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, false},
        {"a greyed box", {0, 0, 0, 0, 0, 0, 0, 2, 0, 0}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(NoPrintItemTicked(c.ticks), c.nothing) << c.name;
}

}  // namespace
