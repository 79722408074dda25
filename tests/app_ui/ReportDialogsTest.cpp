// The program's dialogs as the report loads and reads them: hidden, whole,
// in the current language, and gone once the report lets go of them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "ChannelTestRecords.h"
#include "ProgramSandbox.h"
#include "app/ui/ProgramReportSources.h"
#include "core/Defaults.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/RecordingReportSurface.h"
#include "printing/ChannelPages.h"
#include "printing/FiveTonePages.h"
#include "printing/SettingsPages.h"
#include "printing/ui/HiddenForm.h"

namespace {

class ReportDialogsTest : public testing::Test {
protected:
    void SetUp() override {
        StartWithoutChannels();
        InitEmbedInfo();
        ModelName = "KQ-314";
    }
    void UseChinese() {
        LangIndex = 2;
        LangFilePath = "language/Tchinese.ini";
    }
    // Loads `form` as the report does, checks it stays hidden and is
    // destroyed with its owner, and hands its reading to `read`.
    template <class Read>
    void Load(ReportForm form, Read read) {
        std::unique_ptr<ReportDialog> dialog = ProgramReportSources(nullptr).Load(form);
        auto* hidden = dynamic_cast<HiddenForm*>(dialog.get());
        ASSERT_NE(hidden, nullptr);
        QPointer<const QWidget> widget(&hidden->Form());
        EXPECT_TRUE(widget->isHidden()) << ReportFormName(form);
        read(*dialog);
        dialog.reset();
        EXPECT_TRUE(widget.isNull()) << ReportFormName(form) << " is destroyed after use";
    }
    static std::string T(int id) { return GetLangText(id); }

    ProgramSandbox sandbox;
};

TEST_F(ReportDialogsTest, TheChannelDialogGivesTheBlocksItsCaptionsAndListsInEitherLanguage) {
    for (bool chinese : {false, true}) {
        if (chinese) UseChinese();
        Load(ReportForm::CHEdit, [&](const ReportDialog& d) {
            const ChannelPageTexts t = ReadChannelPageTexts(d);
            EXPECT_EQ(t.nameLabel, T(1103));
            EXPECT_EQ(t.decodeToneLabel, T(1107) + " " + T(1112));
            EXPECT_EQ(t.encodeToneLabel, T(1107) + " " + T(1113));
            EXPECT_EQ(t.signallingLabel, T(1110));
            EXPECT_EQ(t.squelchLabel, T(4020));
            EXPECT_EQ(t.pttIdLabel, T(4021));
            EXPECT_EQ(t.busyLockLabel, T(4024));
            EXPECT_EQ(t.scramblerLabel, T(4023));
            EXPECT_EQ(t.scanLabel, T(1111));
            EXPECT_EQ(t.txInhibitLabel, T(1105));
            EXPECT_EQ(t.companderLabel, T(4026));
            EXPECT_EQ(t.reverseLabel, T(1207));
            EXPECT_EQ(t.talkAroundLabel, T(1114));
            EXPECT_EQ(t.shiftDirs, (std::vector<std::string>{T(1210), "-", "+"}));
            EXPECT_EQ(t.steps, (std::vector<std::string>{"2.5K", "5K", "6.25K", "10K", "12.5K", "15K", "20K", "25K",
                                                         "30K", "50K"}));
            EXPECT_EQ(t.bandwidths, (std::vector<std::string>{"25KHz", "20KHz", "12.5KHz"}));
            EXPECT_EQ(t.powers, (std::vector<std::string>{T(1204), T(1221) + "1", T(1221) + "2", T(1205)}));
            ASSERT_EQ(t.scramblers.size(), 12U);
            EXPECT_EQ(t.scramblers.front(), T(1755));
            EXPECT_EQ(t.scramblers.back(), T(1115) + "2");
            EXPECT_EQ(t.pttIds, (std::vector<std::string>{T(1755), T(4080), T(4081), T(4082)}));
            EXPECT_EQ(t.squelchModes, (std::vector<std::string>{T(4075), T(4076), T(4077), T(4078), T(4079)}));
            EXPECT_EQ(t.busyLocks, (std::vector<std::string>{T(1755), "Repeater", "Busy"}));
            EXPECT_EQ(t.scans, (std::vector<std::string>{T(1755), "Skip", "P Scan"}));
        });
    }
}

TEST_F(ReportDialogsTest, TheOptionDialogGivesItsRowsAsItsLoadShowsTheWorkingData) {
    CurData.FunSet.Option.DisplayMode = 1;
    CurData.FunSet.Option.DisplayModeSub = 1;
    CurData.FunSet.Option.PowerOnText = FixStr<14>::Of("Hi there");
    CurData.FunSet.Option.ClearMemLock = 1;
    CurData.FunSet.Option.SetupLock = 2;  // shown greyed: the row prints its number
    const RadioData before = CurData;
    Load(ReportForm::Option, [&](const ReportDialog& d) {
        EXPECT_EQ(d.FormCaption(), T(1701));
        const auto rows = OptionPageRows(d);
        ASSERT_EQ(rows.size(), 22U);
        EXPECT_EQ(rows[0], (ReportRow{{10, T(1742)}, {35, "Hi ther"}}));
        EXPECT_EQ(rows[1], (ReportRow{{10, T(1702)}, {50, T(1751) + T(1774)}}));
        EXPECT_EQ(rows[2][0].text, T(1703));
        EXPECT_EQ(rows[19], (ReportRow{{10, T(1731)}, {55, "ON"}}));
        EXPECT_EQ(rows[21], (ReportRow{{10, T(1733)}, {55, "2"}}));
    });
    EXPECT_EQ(CurData, before) << "loading it for the report changes no data";
}

TEST_F(ReportDialogsTest, TheEmbeddedInformationDialogGivesItsRowsInEitherLanguage) {
    Load(ReportForm::EMG, [&](const ReportDialog& d) {
        const auto rows = EmbedInfoPageRows(d);
        std::vector<std::string> labels;
        for (const auto& row : rows) labels.push_back(row[0].text);
        EXPECT_EQ(labels, (std::vector<std::string>{"Area Code", "Manufacture Code", "User Code", "Radio Type",
                                                    "Frequency", "Serial Number", "Producted Date",
                                                    "Maintained Date", "Version", "Maintained Description",
                                                    "Dealer Code", "Stock Date", "Sell Date", "Seller"}));
        EXPECT_EQ(rows[3][1].text, "KQ-314");
        EXPECT_EQ(rows[4][1].text, "Band 1");
    });
    UseChinese();
    Load(ReportForm::EMG, [&](const ReportDialog& d) {
        const auto rows = EmbedInfoPageRows(d);
        EXPECT_EQ(rows[9][0].text, d.Caption("Label1", 6) + " ") << "the second label is empty in Chinese";
        EXPECT_NE(rows[9][0].text, " ");
    });
}

TEST_F(ReportDialogsTest, TheDTMFDialogGivesWhatItsPageReadsInEitherLanguage) {
    DTMFData& dtmf = CurData.FunSet.DTMF;
    dtmf.DTMFCode[15] = {FixStr<24>::Of("12E4F"), 5};
    dtmf.DTMFStunCode = {FixStr<14>::Of("987"), 3};
    dtmf.DTMFGroupCode = 20;
    dtmf.DTMFANI = 1;
    for (bool chinese : {false, true}) {
        if (chinese) UseChinese();
        Load(ReportForm::DTMF, [&](const ReportDialog& d) {
            EXPECT_EQ(d.FormCaption(), "DTMF");
            EXPECT_EQ(d.Caption("Label3", 1), T(1620));
            EXPECT_EQ(d.Text("Combo1", 1), T(1756)) << "the hidden ANI row is read too";
            EXPECT_EQ(d.Caption("Label3", 4), T(3002));
            EXPECT_EQ(d.Text("Text3"), "000");
            EXPECT_EQ(d.Caption("Label3", 6), T(1605));
            EXPECT_EQ(d.Text("Combo1", 6), T(1755));
            EXPECT_EQ(d.Text("Combo1", 12), "10");
            EXPECT_EQ(d.Caption("Check1"), T(1612));
            EXPECT_EQ(d.CheckValue("Check1"), 0);
            EXPECT_EQ(d.Caption("Label1", 15), "M16");
            EXPECT_EQ(d.Text("Text2", 15), "12*4#");
            EXPECT_EQ(d.Caption("Label1", 18), GetOptionText(60069));
            EXPECT_EQ(d.Text("Text2", 19), "987");
            EXPECT_EQ(d.ListCount("Combo1", 11), 250);
        });
    }
    EXPECT_EQ(dtmf.DTMFGroupCode, 255) << "loading it for the report corrects as opening it does";
}

TEST_F(ReportDialogsTest, TheTwoToneDialogGivesWhatItsPageReads) {
    CurData.FunSet.Tone2.Tone2List[3].EmptyFlag = 0;
    CurData.FunSet.Tone2.Tone2List[3].Div1.set(1865);
    CurData.FunSet.Tone2.Tone2List[3].Tone1.set(3217);
    CurData.FunSet.Tone2.Tone2List[3].Name = "GATE";
    CurData.FunSet.Tone2.Tone2Set.ToneD.set(0);
    const RadioData before = CurData;
    for (bool chinese : {false, true}) {
        if (chinese) UseChinese();
        Load(ReportForm::Tone2, [&](const ReportDialog& d) {
            EXPECT_EQ(d.FormCaption(), GetOptionText(60051));
            EXPECT_EQ(d.TabCaption("SSTab1", 0), GetOptionText(60043));
            EXPECT_EQ(d.TabCaption("SSTab1", 1), GetOptionText(60044));
            EXPECT_EQ(d.Caption("Label2", 0), GetOptionText(60049));
            EXPECT_EQ(d.Text("Combo2", 0), "A-B");
            EXPECT_EQ(d.Text("Combo2", 1), GetOptionText(60057));
            EXPECT_EQ(d.Caption("Label3", 3), "D" + GetOptionText(60056));
            EXPECT_EQ(d.Text("Text2", 3), "2043.8");
            EXPECT_EQ(d.Caption("Label1", 4), GetOptionText(60307));
            EXPECT_EQ(d.Text("Combo1", 2), "1.0");
            EXPECT_EQ(d.Caption("Check1"), GetOptionText(60312));
            EXPECT_EQ(d.CheckValue("Check1"), 0);
            ASSERT_EQ(d.GridRows("MSHFlexGrid1"), 25);
            EXPECT_EQ(d.GridText("MSHFlexGrid1", 3, 0), "2");
            EXPECT_EQ(d.GridText("MSHFlexGrid1", 3, 1), "321.7");
            EXPECT_EQ(d.GridText("MSHFlexGrid1", 3, 2), "");
            EXPECT_EQ(d.GridText("MSHFlexGrid1", 3, 3), "GATE");
            EXPECT_EQ(d.GridText("MSHFlexGrid1", 2, 1), "") << "a call not in use";
        });
    }
    EXPECT_EQ(CurData, before) << "the defaults go into the working copy only";
}

TEST_F(ReportDialogsTest, TheFiveToneDialogGivesWhatItsPagesReadInEitherLanguage) {
    Tone5Data& tone5 = CurData.FunSet.Tone5;
    tone5.InfoCode[1].Func = 1;  // its response list then holds two items
    tone5.PTTIDBegin.Code = FixStr<40>::Of("123");
    tone5.PTTIDBegin.CodeLen = 3;
    tone5.PTTIDBegin.TonePeriod = 20;
    tone5.SideTone = 1;
    const RadioData before = CurData;
    for (bool chinese : {false, true}) {
        if (chinese) UseChinese();
        Load(ReportForm::Tone5, [&](const ReportDialog& d) {
            EXPECT_EQ(d.FormCaption(), GetOptionText(60052));
            EXPECT_EQ(d.Caption("Label1", 0), GetOptionText(60072));
            EXPECT_EQ(d.Caption("Label1", 1), T(3004));
            EXPECT_EQ(d.Caption("Label1", 9), GetOptionText(60311));
            EXPECT_EQ(d.Caption("Check1"), GetOptionText(60312));
            EXPECT_EQ(d.CheckValue("Check1"), 1);
            EXPECT_EQ(d.Caption("Label3"), GetOptionText(60095));
            EXPECT_EQ(d.Caption("Label4", 3), GetOptionText(60306));
            EXPECT_EQ(d.ListItems("Combo7", 0).size(), 8U);
            EXPECT_EQ(d.ListItems("Combo7", 1), (std::vector<std::string>{GetOptionText(60057), GetOptionText(60058)}));
            ASSERT_EQ(d.ListCount("Combo2"), 16);
            EXPECT_EQ(d.ListItem("Combo2", -1, 0), "ZVEI1");
            EXPECT_EQ(d.ListItem("Combo2", -1, 15), T(3102));
            EXPECT_EQ(d.Caption("Frame1", 1), GetOptionText(60303));
            EXPECT_EQ(d.Text("Text4", 0), "123");
            EXPECT_EQ(d.Text("Combo5", 0), "70") << "the load's correction of the period shows";
            for (auto [column, text] : {std::pair{0, 60053}, {2, 60079}, {3, 60061}, {4, 60080}, {5, 60305}})
                EXPECT_EQ(d.GridText("MSHFlexGrid1", 0, column), GetOptionText(text)) << column;
        });
    }
    EXPECT_EQ(CurData, before) << "the load corrects the working copy only";
}

TEST_F(ReportDialogsTest, AGreyedFiveToneSideTonePrintsItsNumberAsTheDialogHoldsIt) {
    CurData.FunSet.Tone5.SideTone = 2;
    const Tone5Data block = CurData.FunSet.Tone5;
    Load(ReportForm::Tone5, [&](const ReportDialog& d) {
        EXPECT_EQ(d.CheckValue("Check1"), 2);
        platform::RecordingReportSurface surface;
        Report report(surface);
        PrintFiveTonePages(report, d, block);
        surface.EndDoc();
        const platform::ReportRecording& doc = *surface.Recording();
        const platform::PrintedLine* label = doc.Find(GetOptionText(60312));
        ASSERT_NE(label, nullptr);
        std::vector<std::string> row;
        for (const auto& line : doc.lines)
            if (line.page == label->page && line.y == label->y) row.push_back(line.text);
        EXPECT_EQ(row, (std::vector<std::string>{GetOptionText(60312), "2"}));
    });
    EXPECT_EQ(CurData.FunSet.Tone5.SideTone, 2);
}

TEST_F(ReportDialogsTest, TheAlertDialogGivesEveryControlItsLoadFills) {
    UFreList[0].CHNo = 12;
    UFreList[1].CHNo = 3;
    CurData.CHCount = 2;
    AlertData& alert = CurData.FunSet.Alert;
    alert.AlarmType = 1;
    alert.IDCodeType = 1;
    alert.IDCodeGroup = 4;
    CurData.FunSet.DTMF.DTMFCode[4].CodeLen = 3;
    alert.AlarmTime = 30;
    alert.RxTime = 0;
    alert.EmgCHNo = 11;
    alert.Period = 0;
    alert.AutoDetect = 1;
    alert.PreAlertTime = 20;
    alert.LoneWorkTime = 255;
    const RadioData before = CurData;
    for (bool chinese : {false, true}) {
        if (chinese) UseChinese();
        Load(ReportForm::Alert, [&](const ReportDialog& d) {
            EXPECT_EQ(d.FormCaption(), T(2600));
            for (int i = 0; i <= 9; ++i) EXPECT_EQ(d.Caption("Label1", i), T(2602 + i)) << i;
            const std::string shown[] = {T(2631), "DTMF", "M5", "30", "1", "1", T(2634), "", "12", T(2636)};
            for (int i = 0; i <= 9; ++i) EXPECT_EQ(d.Text("Combo1", i), shown[i]) << "Combo1(" << i << ")";
            EXPECT_EQ(d.ListItems("Combo1", 8), (std::vector<std::string>{"3", "12"}));
            EXPECT_EQ(d.Caption("Frame1"), T(2612));
            EXPECT_EQ(d.Caption("Check1"), T(2613));
            EXPECT_EQ(d.CheckValue("Check1"), 1);
            EXPECT_EQ(d.Caption("Label2", 0), T(2614));
            EXPECT_EQ(d.Text("Combo2", 0), "20");
            EXPECT_EQ(d.Caption("Label2", 1), T(2615));
            EXPECT_EQ(d.Text("Combo2", 1), "255");
        });
    }
    EXPECT_EQ(CurData, before) << "loading it for the report stores nothing";
}

TEST_F(ReportDialogsTest, WithoutAMainWindowTheToneListsAreTheOnesTheWindowBuilds) {
    const ReportSources sources = ProgramReportSources(nullptr);
    ASSERT_EQ(sources.ctcss.size(), 52U);
    EXPECT_EQ(sources.ctcss[0], "62.5");
    EXPECT_EQ(sources.ctcss[51], T(4031));
    ASSERT_EQ(sources.dcs.size(), 512U);
    EXPECT_EQ(sources.dcs[19], "023N");
}

}  // namespace
