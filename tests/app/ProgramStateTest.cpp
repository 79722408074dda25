// What ResetProgramState puts back, and what a test sandbox sets up and
// restores.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <span>

#include "ProgramSandbox.h"
#include "app/ProgramState.h"
#include "core/FactoryDataHooks.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "link/Session.h"
#include "link/SessionHooks.h"
#include "mainwindow/DialogLauncher.h"
#include "platform/FileDialogs.h"
#include "platform/Prompts.h"
#include "platform/ReplyTimer.h"
#include "platform/SerialPort.h"

namespace {

class ClosedPort : public platform::SerialPort {
public:
    bool Open() override { return false; }
    void Close() override {}
    bool IsOpen() const override { return false; }
    bool Write(std::span<const uint8_t>) override { return false; }
};

}  // namespace

TEST(ProgramState, EveryPartOfTheStateGoesBackToItsStart) {
    ProgramSandbox sandbox;
    int portsMade = 0;
    SessionHooks hooks;
    hooks.makePort = [&] {
        ++portsMade;
        return std::make_unique<ClosedPort>();
    };
    hooks.makeTimer = [] { return std::make_unique<platform::ManualReplyTimer>(); };
    ScopedSessionHooks installed(hooks);

    CurCHNo = 7;
    SessionPort();
    FactoryHooks().enabled = [] { return true; };
    SetDialogOpener(DialogId::About, [] {});
    // A language file replaced by one of the same size and time: only a
    // forgotten value shows the new text.
    const auto english = sandbox.write("language/english.ini", "[OTHER]\n1501=Before\n");
    ASSERT_EQ(GetLangText(1501), "Before");
    const auto written = std::filesystem::last_write_time(english);
    sandbox.write("language/english.ini", "[OTHER]\n1501=Latest\n");
    std::filesystem::last_write_time(english, written);

    ResetProgramState();

    EXPECT_EQ(CurCHNo, 0);
    SessionPort();
    EXPECT_EQ(portsMade, 2) << "the link makes its port anew";
    EXPECT_FALSE(FactoryDataActive());
    EXPECT_FALSE(OpenDialog(DialogId::About));
    EXPECT_EQ(GetLangText(1501), "Latest");
    EXPECT_EQ(&Hooks(), &hooks) << "installed services stay";
}

TEST(ProgramSandbox, SetsUpAWholeProgramAndPutsEverythingBack) {
    const std::string folderBefore = platform::ProgramFolder();
    platform::UserSettingsStore* settingsBefore = &platform::UserSettings();
    platform::PromptService* promptsBefore = platform::CurrentPromptService();
    std::string sandboxFolder;
    {
        ProgramSandbox sandbox;
        sandboxFolder = sandbox.path();
        EXPECT_EQ(platform::ProgramFolder(), sandbox.path());
        EXPECT_EQ(GetLangText(1501), "English");
        EXPECT_TRUE(std::filesystem::exists(sandbox.file("language/Tchinese.ini")));
        EXPECT_EQ(&platform::UserSettings(), &sandbox.settings);
        EXPECT_EQ(platform::Now().year, 2015);
        EXPECT_EQ(platform::CurrentPromptService(), &sandbox.prompts);
        EXPECT_NONFATAL_FAILURE(platform::MsgBox("Surprise"), "unexpected prompt: \"Surprise\"");
        EXPECT_NONFATAL_FAILURE(platform::OpenFileDialog({.title = "Pick one", .filter = {}, .initialName = {}}), "unexpected open dialog");
        CurCHNo = 9;
    }
    EXPECT_EQ(CurCHNo, 0);
    EXPECT_EQ(platform::ProgramFolder(), folderBefore);
    EXPECT_EQ(&platform::UserSettings(), settingsBefore);
    EXPECT_EQ(platform::CurrentPromptService(), promptsBefore);
    EXPECT_FALSE(std::filesystem::exists(sandboxFolder));

    EXPECT_NONFATAL_FAILURE(
        {
            ProgramSandbox sandbox;
            sandbox.prompts.expect("Never shown", platform::Buttons::Ok, platform::Answer::Ok);
        },
        "an expected prompt never came");
}

TEST(ProgramSandbox, OutsideOneNoPromptIsAnsweredUnlessATestExpectsIt) {
    EXPECT_NONFATAL_FAILURE(platform::MsgBox("Nobody asked"), "unexpected prompt");
    EXPECT_NONFATAL_FAILURE(platform::SaveFileDialog({.title = "Save as", .filter = {}, .initialName = {}}), "unexpected save dialog");
}
