// Whole print runs from the print dialog to a PDF file on A4 with the
// machine's own fonts, read back with pdftotext.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QPushButton>

#include "ChannelTestRecords.h"
#include "PdfText.h"
#include "ProgramSandbox.h"
#include "app/ui/ProgramReportSources.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/ui/Controls.h"
#include "platform/ui/PrinterReportSurface.h"
#include "printing/ChannelPages.h"
#include "printing/PrintData.h"
#include "printing/ui/FrmPrintList.h"

namespace {

class ReportPdfTest : public testing::Test {
protected:
    void SetUp() override {
        StartWithoutChannels();
        InitEmbedInfo();
        ModelName = "KQ-314";
        RadioModel = "314KTR";
        DataFileName = "new.dat";
        platform::SetPdfOutput(printer, QString::fromStdString(pdf));
        sandbox.printer.makeDocumentsWith([this] { return std::make_unique<platform::PrinterReportSurface>(printer); });
    }
    void AddChannels(int count) {
        for (int16_t no = 1; no <= count; ++no) {
            UFreData ch;
            ch.CHNo = no;
            ch.UsedFlag = 1;
            ch.RxFre = "014512500";
            ch.OffsetFre = "000600000";
            ch.ShiftDir = 1;
            ch.CHName = FixStr<7>::Of("REPEAT");
            ch.De_CTC_Type = 2;
            ch.De_DCSCode = 19;
            ch.De_DCSInvert = 1;
            UFreList[static_cast<std::size_t>(CurData.CHCount++)] = ch;
        }
    }
    void UseChinese() {
        LangIndex = 2;
        LangFilePath = "language/Tchinese.ini";
    }
    // Ticks `items` in the print dialog and presses OK.
    void PrintFromTheDialog(std::initializer_list<int> items) {
        FrmPrintList dialog(ProgramReportSources(nullptr));
        dialog.show();
        for (int i : items) platform::Ctl<QAbstractButton>(&dialog, "Check1", i)->setChecked(true);
        sandbox.printer.expectDialog(platform::PrinterDialogKind::Print);
        platform::Ctl<QPushButton>(&dialog, "Command1")->click();
        EXPECT_TRUE(PrintOK);
        EXPECT_FALSE(dialog.isVisible());
    }
    static bool Has(const std::string& page, const std::string& text) { return page.find(text) != std::string::npos; }

    ProgramSandbox sandbox;
    std::string pdf = sandbox.file("report.pdf");
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(ReportPdfTest, EverySectionPrintsOnItsOwnNumberedPages) {
    AddChannels(7);
    CurData.FunSet.Tone2.Tone2List[1].EmptyFlag = 0;
    CurData.FunSet.Tone2.Tone2List[1].Div1.set(1865);
    CurData.FunSet.Tone2.Tone2List[1].Tone1.set(3217);
    CurData.FunSet.Tone2.Tone2List[1].Name = "GATE";
    for (int n = 1; n <= 100; ++n) {
        Tone5Code& code = CurData.FunSet.Tone5.Tone5List[n];
        code.Code = FixStr<40>::Of("1234" + std::to_string(n - 1));
        code.CodeLen = 5;
        code.TonePeriod = 70;
        code.Name = FixStr<7>::Of("FT" + std::to_string(n - 1));
    }
    PrintFromTheDialog({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const PdfContent content = ReadPdf(pdf);
    // Two channel pages, options, DTMF, two-tone, three five-tone pages,
    // contact book, embedded information, alert.
    ASSERT_EQ(content.pages.size(), 11U);
    EXPECT_NEAR(content.pageWidth, 595.3, 0.5);
    EXPECT_NEAR(content.pageHeight, 841.9, 0.5);
    for (std::size_t p = 0; p < content.pages.size(); ++p) {
        const std::string& page = content.pages[p];
        EXPECT_TRUE(Has(page, "KQ_314 Radio Programming Information")) << p + 1;
        EXPECT_TRUE(Has(page, "Model Type")) << p + 1;
        EXPECT_TRUE(Has(page, "KQ-314")) << p + 1;
        EXPECT_TRUE(Has(page, "new.dat")) << p + 1;
        // The footer "- n -": pdftotext closes up its narrow blanks.
        std::string squeezed = page;
        std::erase(squeezed, ' ');
        EXPECT_TRUE(Has(squeezed, "\n-" + std::to_string(p + 1) + "-\n")) << page;
    }
    EXPECT_TRUE(Has(content.pages[0], "Channel Information"));
    EXPECT_TRUE(Has(content.pages[0], "Channel 4"));
    EXPECT_TRUE(Has(content.pages[0], "145.12500 MHz"));
    EXPECT_TRUE(Has(content.pages[0], "- 6.00000 MHz"));
    EXPECT_TRUE(Has(content.pages[0], "D023I"));
    EXPECT_TRUE(Has(content.pages[0], "REPEAT"));
    EXPECT_TRUE(Has(content.pages[1], "Channel 6"));
    EXPECT_FALSE(Has(content.pages[1], "Channel 4"));
    EXPECT_TRUE(Has(content.pages[2], "Optional Features"));
    EXPECT_TRUE(Has(content.pages[2], "Welcome"));
    EXPECT_TRUE(Has(content.pages[3], "DTMF"));
    EXPECT_TRUE(Has(content.pages[3], "M16"));
    EXPECT_TRUE(Has(content.pages[4], GetOptionText(60051)));
    EXPECT_TRUE(Has(content.pages[4], "321.7"));
    EXPECT_TRUE(Has(content.pages[4], "GATE"));
    EXPECT_TRUE(Has(content.pages[5], GetOptionText(60052)));
    EXPECT_TRUE(Has(content.pages[5], "FT0"));
    for (std::size_t p : {6U, 7U}) {
        EXPECT_TRUE(Has(content.pages[p], "5Tone")) << p + 1;
        EXPECT_TRUE(Has(content.pages[p], GetOptionText(60305))) << "the column titles again on page " << p + 1;
    }
    EXPECT_TRUE(Has(content.pages[7], "FT99"));
    EXPECT_TRUE(Has(content.pages[8], "Communication Book"));
    EXPECT_TRUE(Has(content.pages[8], "Call ID"));
    EXPECT_TRUE(Has(content.pages[9], "Embedded Message"));
    EXPECT_TRUE(Has(content.pages[9], "Serial Number"));
    EXPECT_TRUE(Has(content.pages[10], GetLangText(2600)));
    EXPECT_TRUE(Has(content.pages[10], GetLangText(2612))) << "the hidden lone-worker frame's sub-heading";
    EXPECT_TRUE(Has(content.pages[10], GetLangText(2615)));
}

TEST_F(ReportPdfTest, TheWholeReportPrintsWithADamagedReceiveCodeOnTheCurrentChannel) {
    AddChannels(2);
    UFreList[1].RxFre = FixStr<9>::Of("0145X2500");
    CHListType = 0;
    CurCHNo = 2;
    // The channel dialog, loaded hidden for the labels, meets the code first;
    // then the channel's own block.
    for (int i = 0; i < 2; ++i) sandbox.prompts.expect("Not IsNumeric", platform::Buttons::Ok, platform::Answer::Ok);
    PrintFromTheDialog({0, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_TRUE(sandbox.prompts.allAnswered());
    const PdfContent content = ReadPdf(pdf);
    ASSERT_EQ(content.pages.size(), 8U) << "every section printed, each on one page";
    EXPECT_TRUE(Has(content.pages[0], "Channel 1"));
    EXPECT_TRUE(Has(content.pages[0], "108 MHz")) << content.pages[0];
    EXPECT_TRUE(Has(content.pages[0], "145.12500 MHz")) << "the sound channel as it is";
    EXPECT_TRUE(Has(content.pages[7], GetLangText(2600)));
}

TEST_F(ReportPdfTest, ChineseLabelsReachThePdfAndTheReportsOwnTextsStayEnglish) {
    UseChinese();
    AddChannels(1);
    PrintFromTheDialog({0});
    const PdfContent content = ReadPdf(pdf);
    ASSERT_EQ(content.pages.size(), 1U);
    EXPECT_TRUE(Has(content.pages[0], GetLangText(3009))) << content.pages[0];
    EXPECT_TRUE(Has(content.pages[0], GetLangText(1751) + " 0")) << content.pages[0];
    EXPECT_TRUE(Has(content.pages[0], "KQ_314 Radio Programming Information"));
    EXPECT_TRUE(Has(content.pages[0], "File Name"));
}

// Five blocks fill a channel page: with this machine's fonts the last row
// must end above the footer at 97% of the height, in either language.
TEST_F(ReportPdfTest, FiveChannelBlocksEndAboveTheFooter) {
    AddChannels(5);
    for (bool chinese : {false, true}) {
        if (chinese) UseChinese();
        const ReportSources sources = ProgramReportSources(nullptr);
        const ChannelPageTexts texts = ReadChannelPageTexts(*sources.Load(ReportForm::CHEdit));
        {
            platform::PrinterReportSurface surface(printer);
            surface.SetFontSize(kReportPoints);
            Report report(surface);
            report.PrintTitle();
            report.PrintCaption(GetLangText(3009));
            PrintCHInfo(report, SortedChannelNumbers(), 1, 5, kChannelsPerPage, texts, sources);
            const double end = surface.CurrentY() / surface.ScaleHeight();
            EXPECT_LT(end, 0.97) << (chinese ? "Chinese" : "English");
            std::cout << "five blocks end at " << end * 100 << "% (" << (chinese ? "Chinese" : "English") << ")\n";
            report.EndPage();
            surface.EndDoc();
        }
        const PdfContent content = ReadPdf(pdf);
        ASSERT_EQ(content.pages.size(), 1U);
        double lowestRow = 0, footerTop = content.pageHeight;
        for (const PdfWord& w : content.words) {
            if (w.yMin >= content.pageHeight * 0.965) footerTop = std::min(footerTop, w.yMin);
            else lowestRow = std::max(lowestRow, w.yMax);
        }
        EXPECT_LT(lowestRow, footerTop) << "the last row stands clear of the footer";
        EXPECT_NEAR(footerTop, content.pageHeight * 0.97, 2);
    }
}

}  // namespace
