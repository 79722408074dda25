// The channel pages: the block of one channel, the order and labels of the
// channels, five to a page, and the section with no channel or a full table.
#include <gtest/gtest.h>

#include <functional>

#include "ProgramSandbox.h"
#include "ReportTestSupport.h"
#include "core/BandPlan.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "printing/ChannelPages.h"

namespace {

class ChannelPagesTest : public testing::Test {
protected:
    void SetUp() override {
        CurData.CHCount = 0;
        RadioModel = "314KTR";
        DataFileName = "new.dat";
        sources.ctcss = TestCTCSSItems();
        sources.dcs = TestDCSItems();
        sources.loadDialog = [this](ReportForm form) -> std::unique_ptr<ReportDialog> {
            EXPECT_EQ(form, ReportForm::CHEdit);
            ++loads;
            return FakeChannelDialog(&alive);
        };
    }
    void Add(const UFreData& ch) { UFreList[static_cast<std::size_t>(CurData.CHCount++)] = ch; }
    // The labels of the channel headings printed, in order: the lines at 5%
    // but the page captions.
    std::vector<std::string> Headings() const {
        const std::string prefix = GetLangText(1751) + " ";
        std::vector<std::string> headings;
        for (const auto& line : r.recording().lines)
            if (line.x == r.X(5) && line.text != GetLangText(3009)) {
                EXPECT_EQ(line.text.rfind(prefix, 0), 0U) << line.text;
                headings.push_back(line.text.substr(prefix.size()));
            }
        return headings;
    }

    ProgramSandbox sandbox;
    RecordedReport r;
    ReportSources sources;
    int loads = 0;
    int alive = 0;
};

TEST_F(ChannelPagesTest, TheBlockPrintsEveryFieldAsTheDialogAndTheToneListsName) {
    const ChannelPageTexts texts = ReadChannelPageTexts(*FakeChannelDialog());
    const std::string none = GetLangText(1206);
    struct Case {
        const char* name;
        std::function<void(UFreData&)> set;
        std::size_t row;
        std::size_t item;  // 1 the left value, 3 the right value
        std::string printed;
    };
    const Case cases[] = {
        {"receive frequency", [](UFreData&) {}, 0, 1, "145.12500 MHz"},
        {"no offset", [](UFreData&) {}, 0, 3, "Same 0.00000 MHz"},
        {"plus 5 MHz", [](UFreData& c) { c.ShiftDir = 2, c.OffsetFre = "000500000"; }, 0, 3, "+ 5.00000 MHz"},
        {"no receive frequency", [](UFreData& c) { c.RxFre = "FFFFFFFFF"; }, 0, 1, " MHz"},
        {"name cut at its NUL", [](UFreData& c) { c.CHName = FixStr<7>::Of(std::string("AB\0CD", 5)); }, 1, 1, "AB"},
        {"name with a blank inside", [](UFreData& c) { c.CHName = FixStr<7>::Of("A B"); }, 1, 1, "A B"},
        {"step", [](UFreData& c) { c.StepIndex = 9; }, 1, 3, "50K"},
        {"step beyond the list", [](UFreData& c) { c.StepIndex = 12; }, 1, 3, ""},
        {"bandwidth", [](UFreData& c) { c.Bandwidth = 2; }, 2, 1, "12.5KHz"},
        {"power", [](UFreData& c) { c.TxPower = 3; }, 2, 3, "High"},
        {"no decode tone", [](UFreData&) {}, 3, 1, none},
        {"CTCSS decode", [](UFreData& c) { c.De_CTC_Type = 1, c.De_CTCSS = 20; }, 3, 1, "127.3"},
        {"CTCSS 52 as 0", [](UFreData& c) { c.De_CTC_Type = 1, c.De_CTCSS = 52; }, 3, 1, "62.5"},
        {"user tone", [](UFreData& c) { c.En_CTC_Type = 1, c.En_CTCSS = 51; }, 3, 3, "User"},
        {"DCS 19 inverted", [](UFreData& c) { c.De_CTC_Type = 2, c.De_DCSCode = 19, c.De_DCSInvert = 1; }, 3, 1,
         "D023I"},
        {"DCS 19 normal", [](UFreData& c) { c.De_CTC_Type = 2, c.De_DCSCode = 19; }, 3, 1, "D023N"},
        {"DCS above 511 as 0", [](UFreData& c) { c.En_CTC_Type = 2, c.En_DCSCode = 600, c.En_DCSInvert = 1; }, 3, 3,
         "D000I"},
        {"DTMF memory 0", [](UFreData& c) { c.OptSig = 1; }, 4, 1, "DTMF M1"},
        {"two-tone", [](UFreData& c) { c.OptSig = 2, c.Tone2No = 5; }, 4, 1, "2tone 5"},
        {"five-tone code 7", [](UFreData& c) { c.OptSig = 3, c.Tone5No = 7; }, 4, 1, "5tone 7"},
        {"no signalling", [](UFreData&) {}, 4, 1, none},
        {"squelch mode", [](UFreData& c) { c.SQLMode = 4; }, 4, 3, "SQ4"},
        {"PTT ID", [](UFreData& c) { c.PTTIDType = 3; }, 5, 1, "Both"},
        {"busy lock", [](UFreData& c) { c.BusyLock = 1; }, 6, 1, "Repeater"},
        {"scrambler", [](UFreData& c) { c.Scrambler = 11; }, 6, 3, "S2"},
        {"transmit inhibit on", [](UFreData& c) { c.TxInhibit = 1; }, 7, 1, "ON"},
        {"compander stored 2 prints its number", [](UFreData& c) { c.Compander = 2; }, 7, 3, "2"},
        {"reverse on", [](UFreData& c) { c.Reverse = 1; }, 8, 1, "ON"},
        {"talk-around off", [](UFreData&) {}, 8, 3, "OFF"},
        {"scan 2", [](UFreData& c) { c.ScanSkip = 2; }, 9, 1, "P Scan"},
        {"scan 1", [](UFreData& c) { c.ScanSkip = 1; }, 9, 1, "Skip"},
    };
    for (const Case& c : cases) {
        UFreData ch = PrintChannel(1);
        c.set(ch);
        const auto rows = ChannelBlockRows(ch, texts, sources.ctcss, sources.dcs);
        ASSERT_EQ(rows.size(), 10U);
        ASSERT_GT(rows[c.row].size(), c.item) << c.name;
        EXPECT_EQ(rows[c.row][c.item].text, c.printed) << c.name;
    }
}

TEST_F(ChannelPagesTest, ADamagedCodeWarnsAndPrintsTheCodecsFallback) {
    PCBand = 0;
    SetBandByType(0);
    const ChannelPageTexts texts = ReadChannelPageTexts(*FakeChannelDialog());
    struct Case {
        const char* name;
        std::function<void(UFreData&)> set;
        std::size_t item;
        std::string printed;
    };
    const Case cases[] = {
        {"receive code: the lowest receive edge", [](UFreData& c) { c.RxFre = "0145X2500"; }, 1, "108 MHz"},
        {"offset code: no offset", [](UFreData& c) { c.ShiftDir = 1, c.OffsetFre = "00050?000"; }, 3,
         "- 0.00000 MHz"},
    };
    for (const Case& c : cases) {
        UFreData ch = PrintChannel(1);
        c.set(ch);
        sandbox.prompts.expect("Not IsNumeric", platform::Buttons::Ok, platform::Answer::Ok);
        const auto rows = ChannelBlockRows(ch, texts, sources.ctcss, sources.dcs);
        EXPECT_TRUE(sandbox.prompts.allAnswered()) << c.name;
        EXPECT_EQ(rows[0][c.item].text, c.printed) << c.name;
    }
}

TEST_F(ChannelPagesTest, TheBlockTakesItsLabelsFromTheDialogAndTheLanguageInFourColumns) {
    const auto rows = ChannelBlockRows(PrintChannel(1), ReadChannelPageTexts(*FakeChannelDialog()), sources.ctcss,
                                       sources.dcs);
    const std::vector<std::vector<std::string>> labels = {
        {GetLangText(1101), GetLangText(1102)},  {"Name", GetLangText(1104)},
        {GetLangText(1106), GetLangText(1109)},  {"Label2(5)", "Label2(10)"},
        {"Label2(4)", "Label2(9)"},              {"Label2(7)"},
        {"Label2(13)", "Label2(6)"},             {"TX Inhibit", "Compander"},
        {"Reverse", "Talk Around"},              {"Label2(16)"},
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(rows[r].size(), 2 * labels[r].size()) << "row " << r + 1;
        const int columns[] = {10, 30, 55, 75};
        for (std::size_t i = 0; i < rows[r].size(); ++i) EXPECT_EQ(rows[r][i].at, columns[i]) << "row " << r + 1;
        for (std::size_t k = 0; k < labels[r].size(); ++k) EXPECT_EQ(rows[r][2 * k].text, labels[r][k]) << "row " << r + 1;
    }
}

TEST_F(ChannelPagesTest, ChannelsPrintInNumberOrderUnderTheirLabels) {
    for (int16_t no : {758, 20, 1, 757, 756}) Add(PrintChannel(no));
    // A channel stored late with a low number still prints first.
    Add(PrintChannel(2));
    Prt_UHFChannel(r.report, sources);
    r.surface.EndDoc();
    EXPECT_EQ(Headings(), (std::vector<std::string>{"0", "1", "19", "PA", "PB", "VFO"}));
    EXPECT_EQ(r.recording().pagesSent, 2) << "six channels: five on the first page, one on the second";
    EXPECT_EQ(Headings().size(), 6U);
    int blocksOnPage2 = 0;
    for (const auto& text : r.Texts(2)) blocksOnPage2 += text == GetLangText(1751) + " VFO";
    EXPECT_EQ(blocksOnPage2, 1);
    EXPECT_EQ(r.Texts(2).back(), "- 2 -");
    EXPECT_EQ(loads, 1) << "the channel dialog is loaded once for all pages";
    EXPECT_EQ(alive, 0) << "and released after the last";
}

TEST_F(ChannelPagesTest, APageHasItsHeaderCaptionFiveBlocksAndFooterInThatOrder) {
    for (int16_t no = 1; no <= 5; ++no) Add(PrintChannel(no));
    Prt_UHFChannel(r.report, sources);
    const auto texts = r.Texts(1);
    EXPECT_EQ(texts[0], "KQ_314 Radio Programming Information");
    EXPECT_EQ(texts[6], GetLangText(3009));
    EXPECT_EQ(texts[7], GetLangText(1751) + " 0");
    EXPECT_EQ(texts.back(), "- 1 -");
    // Heading at 5%, rows below it; each block is eleven lines high.
    const auto page = r.recording().Page(1);
    const double line = r.surface.LineHeightOf({10, false});
    EXPECT_DOUBLE_EQ(page[7].x, r.X(5));
    EXPECT_NEAR(page[8].y, page[7].y + line, 0.5);
    const auto second = r.recording().Find(GetLangText(1751) + " 1");
    ASSERT_NE(second, nullptr);
    EXPECT_NEAR(second->y, page[7].y + 11 * line, 1);
    EXPECT_EQ(r.surface.Page(), 2) << "the section leaves the document on a fresh page";
}

TEST_F(ChannelPagesTest, WithoutChannelsOnePageCarriesTheCaptionAloneAndNoDialogIsLoaded) {
    Prt_UHFChannel(r.report, sources);
    r.surface.EndDoc();
    EXPECT_EQ(loads, 0);
    EXPECT_EQ(r.recording().pagesSent, 1);
    const auto texts = r.Texts(1);
    ASSERT_EQ(texts.size(), 8U);
    EXPECT_EQ(texts[6], GetLangText(3009));
    EXPECT_EQ(texts[7], "- 1 -");
}

TEST_F(ChannelPagesTest, AFullTableOf758ChannelsPrintsEveryOneOn152Pages) {
    for (int16_t no = kMaxChannels; no >= 1; --no) Add(PrintChannel(no));
    Prt_UHFChannel(r.report, sources);
    r.surface.EndDoc();
    const auto headings = Headings();
    ASSERT_EQ(headings.size(), 758U);
    EXPECT_EQ(headings[0], "0");
    EXPECT_EQ(headings[754], "754");
    EXPECT_EQ(headings[757], "VFO");
    EXPECT_EQ(r.recording().pagesSent, 152);
    EXPECT_EQ(r.Texts(152).back(), "- 152 -");
}

}  // namespace
