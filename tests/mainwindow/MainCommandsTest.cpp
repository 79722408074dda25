#include <gtest/gtest.h>

#include <filesystem>

#include "ProgramSandbox.h"
#include "core/BandPlan.h"
#include "core/ChannelOps.h"
#include "core/DataFiles.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/MsgText.h"
#include "core/SavedCopy.h"
#include "core/SharedState.h"
#include "mainwindow/MainCommands.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

constexpr const char* kClearAll = "All data will be cleared.";
constexpr const char* kModified = "File has been modify,save it now?";
constexpr const char* kSaveFirst = "Data has been modified. Save it first?";

// The program folder with the shipped language and default data files, and a
// fresh untitled configuration as start-up leaves it.
class FileCommands : public testing::Test {
protected:
    void SetUp() override {
        for (const char* f : {"Init/314KTR_0.dat", "Init/314KTR_0.fre"})
            std::filesystem::copy_file(std::string(KQ_SOURCE_DIR) + "/data/" + f, folder.write(f, ""),
                                       std::filesystem::copy_options::overwrite_existing);
        LangIndex = 1;
        LangFilePath = "language/english.ini";
        RadioModel = "314KTR";
        SetBandByType(0);
        InitHyperRange();
        NewRadioData();
    }
    // A change the comparison with the saved copy finds.
    static void ChangeData() { CurData.Hyper[0].Setting.ModeL = 2; }

    // Saves the current data as `name` in the folder and returns its path.
    std::string SaveAs(const std::string& name) {
        dialogs.expectSave(folder.file(name));
        EXPECT_TRUE(FileSaveAs());
        return folder.file(name);
    }

    ProgramSandbox folder;
    ScriptedPrompts& prompts = folder.prompts;
    ScriptedFileDialogs& dialogs = folder.fileDialogs;
};

TEST_F(FileCommands, NewAsksToClearOnlyWhenUnchangedAndCancelKeepsEverything) {
    DataFileName = SaveAs("kept.dat");
    AddDefaultFreData(30, "145.00000", 0, 0);
    SaveOldRadioData();

    prompts.expect(kClearAll, Buttons::OkCancel, Answer::Cancel, Icon::Exclamation, true);
    FileNew();
    EXPECT_TRUE(IsCHExist(30));
    EXPECT_EQ(DataFileName, folder.file("kept.dat"));

    prompts.expect(kClearAll, Buttons::OkCancel, Answer::Ok, Icon::Exclamation, true);
    FileNew();
    EXPECT_FALSE(IsCHExist(30));
    EXPECT_EQ(CurData.CHCount, 4);  // channels 1 to 4 of the default file
    EXPECT_EQ(DataFileName, "new.dat");
    EXPECT_NE(IsNewFile, 0);
    EXPECT_FALSE(IsDataChanged());
}

TEST_F(FileCommands, NewWithChangedDataAsksFirstAndCancelThereStillLeadsToTheClearQuestion) {
    ChangeData();
    prompts.expect(kSaveFirst, Buttons::YesNoCancel, Answer::Cancel, Icon::Exclamation, true);
    prompts.expect(kClearAll, Buttons::OkCancel, Answer::Ok, Icon::Exclamation, true);
    FileNew();
    EXPECT_FALSE(IsDataChanged());
    EXPECT_EQ(CurData.Hyper[0].Setting.ModeL, 0);
}

TEST_F(FileCommands, AYesWhoseSaveDidNotHappenStopsNewOpenAndInit) {
    struct Case {
        const char* name;
        void (*command)();
        const char* question;
    };
    const Case cases[] = {
        {"new", &FileNew, kSaveFirst},
        {"open", &FileOpen, kModified},
        {"init", &SetInit, kSaveFirst},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChangeData();
        prompts.expect(c.question, Buttons::YesNoCancel, Answer::Yes);
        dialogs.expectSave(std::nullopt);  // the untitled data goes to Save As, cancelled
        c.command();
        EXPECT_TRUE(IsDataChanged());
        EXPECT_EQ(DataFileName, "new.dat");
        EXPECT_TRUE(prompts.allAnswered());
        EXPECT_TRUE(dialogs.allAnswered());
    }
}

TEST_F(FileCommands, YesSavesUntitledDataFirstThenGoesOn) {
    ChangeData();
    prompts.expect(kModified, Buttons::YesNoCancel, Answer::Yes);
    dialogs.expectSave(folder.file("first"));
    dialogs.expectOpen(std::nullopt);
    FileOpen();
    ASSERT_EQ(dialogs.asked().size(), 2u);
    EXPECT_EQ(dialogs.asked()[0].kind, ScriptedFileDialogs::Kind::Save);
    EXPECT_EQ(dialogs.asked()[1].kind, ScriptedFileDialogs::Kind::Open);
    EXPECT_TRUE(std::filesystem::exists(folder.file("first.dat")));
    EXPECT_EQ(DataFileName, folder.file("first.dat"));
}

TEST_F(FileCommands, OpenCancelledAtTheQuestionShowsNoDialog) {
    ChangeData();
    prompts.expect(kModified, Buttons::YesNoCancel, Answer::Cancel, Icon::Exclamation, true);
    FileOpen();
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_TRUE(IsDataChanged());
}

TEST_F(FileCommands, OpenLoadsTheChosenFileWithTheDataFilter) {
    AddDefaultFreData(77, "146.00000", 0, 0);
    const std::string path = SaveAs("radio.dat");
    NewRadioData();

    dialogs.expectOpen(path);
    FileOpen();
    EXPECT_EQ(dialogs.asked().back().request.filter, "Data File (*.dat)|*.dat");
    EXPECT_TRUE(IsCHExist(77));
    EXPECT_EQ(DataFileName, path);
    EXPECT_EQ(IsNewFile, 0);
    EXPECT_FALSE(IsDataChanged());
}

TEST_F(FileCommands, ARefusedFileKeepsTheDataItsSavedCopyAndItsName) {
    const std::string current = SaveAs("current.dat");
    AddDefaultFreData(12, "145.50000", 0, 0);  // an unsaved change
    const std::string bad = folder.write("bad.dat", "not a data file at all");

    prompts.expect(kModified, Buttons::YesNoCancel, Answer::No);
    dialogs.expectOpen(bad);
    prompts.expectAny(Answer::Ok);  // the file's own message
    FileOpen();
    EXPECT_EQ(DataFileName, current);
    EXPECT_TRUE(IsCHExist(12));
    EXPECT_TRUE(IsDataChanged());
    EXPECT_EQ(IsNewFile, 0);
}

TEST_F(FileCommands, SaveOfATitledFileAsksTheOverwriteQuestionNamingTheFile) {
    const std::string path = SaveAs("a.dat");
    const std::string question = "\"a.dat\"file will be Overwrite,Continue?";
    AddDefaultFreData(40, "145.00000", 0, 0);

    prompts.expect(question, Buttons::OkCancel, Answer::Cancel, Icon::Question, true);
    EXPECT_FALSE(FileSave());
    EXPECT_TRUE(IsDataChanged());

    prompts.expect(question, Buttons::OkCancel, Answer::Ok, Icon::Question, true);
    EXPECT_TRUE(FileSave());
    EXPECT_FALSE(IsDataChanged());
    EXPECT_EQ(OverwriteQuestion("C:\\radios\\a.dat"), question);
}

TEST_F(FileCommands, SaveOfUntitledDataIsSaveAsAndAsksNothing) {
    dialogs.expectSave(folder.file("Mixed.DAT"));
    EXPECT_TRUE(FileSave());
    EXPECT_EQ(dialogs.asked()[0].request.initialName, "new.dat");
    EXPECT_EQ(dialogs.asked()[0].request.filter, "Data File (*.dat)|*.dat");
    EXPECT_EQ(DataFileName, folder.file("Mixed.DAT"));
    EXPECT_EQ(IsNewFile, 0);

    // A name without the extension gets it, so its companions differ from it.
    dialogs.expectSave(folder.file("plain"));
    EXPECT_TRUE(FileSaveAs());
    EXPECT_EQ(DataFileName, folder.file("plain.dat"));
    EXPECT_TRUE(std::filesystem::exists(folder.file("plain.dat")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("plain.fre")));
}

TEST_F(FileCommands, ACancelledOrFailedSaveAsKeepsTheName) {
    const std::string path = SaveAs("kept.dat");
    dialogs.expectSave(std::nullopt);
    EXPECT_FALSE(FileSaveAs());
    EXPECT_EQ(DataFileName, path);

    dialogs.expectSave(folder.file("no/such/folder/x.dat"));
    prompts.expect("file error.\n" + folder.file("no/such/folder/x.fre") + ": No such file or directory",
                   Buttons::Ok, Answer::Ok);
    EXPECT_FALSE(FileSaveAs());
    EXPECT_EQ(DataFileName, path);
    EXPECT_EQ(IsNewFile, 0);
}

TEST_F(FileCommands, InitAsksNothingOnUnchangedDataAndKeepsEveryDefaultChannel) {
    SetInit();
    EXPECT_EQ(CurData.CHCount, 6);
    EXPECT_EQ(InitDataMode, 0);
    EXPECT_EQ(DataFileName, "new.dat");
}

TEST_F(FileCommands, InitStopsAtCancelAndGoesOnAtNo) {
    ChangeData();
    prompts.expect(kSaveFirst, Buttons::YesNoCancel, Answer::Cancel);
    SetInit();
    EXPECT_TRUE(IsDataChanged());
    EXPECT_EQ(InitDataMode, 0);

    prompts.expect(kSaveFirst, Buttons::YesNoCancel, Answer::No);
    SetInit();
    EXPECT_FALSE(IsDataChanged());
    EXPECT_EQ(CurData.CHCount, 6);
}

TEST_F(FileCommands, HyperPanelChannelListsFollowTheTransmitRangeOfTheRightSide) {
    CurData.CHCount = 0;
    for (auto [no, mhz] : {std::pair<int16_t, const char*>{9, "145.00000"}, {3, "440.00000"},
                          {5, "108.50000"}, {1, "520.00000"}})
        AddDefaultFreData(no, mhz, 0, 0);
    const HyperChannelLists lists = HyperNormalChannelLists();
    EXPECT_EQ(lists.left, (std::vector<int16_t>{1, 3, 5, 9}));
    EXPECT_EQ(lists.right, (std::vector<int16_t>{3, 9}));

    CurData.CHCount = 0;
    EXPECT_TRUE(HyperNormalChannelLists().left.empty());
}

}  // namespace
