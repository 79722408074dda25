#include <gtest/gtest.h>

#include <optional>

#include <QLabel>
#include <QPushButton>

#include "ProgramSandbox.h"
#include "core/ui/FrmLanguage.h"
#include "core/LangText.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ProgramFolder.h"

namespace {

platform::ComboBox* Combo1(FrmLanguage& dialog) { return platform::Ctl<platform::ComboBox>(&dialog, "Combo1"); }

class LanguageDialog : public ::testing::Test {
protected:
    void SetUp() override {
        dir_.write("language/english.ini",
                   "[OTHER]\n101=OK\n102=Cancel\n1501=English\n1502=Chinese\n1503=Language\n");
        dir_.write("language/Tchinese.ini", "[OTHER]\n101=確定\n1501=英文\n1502=中文\n1503=語言\n");
    }
    // The main window as the dialog reaches it.
    class ReloadCounter : public MainWindowView {
    public:
        void Form_ReLoad() override {
            ++reloads;
            reloadedIn = GetLangText(1503);
        }
        int reloads = 0;
        std::string reloadedIn;
    };

    ProgramSandbox dir_;
    ReloadCounter window_;
    std::optional<ScopedMainView> installed_{std::in_place, window_};
};

TEST_F(LanguageDialog, OkSwitchesTheLanguageAndReloadsTheMainWindow) {
    FrmLanguage dialog;
    EXPECT_EQ(dialog.windowTitle(), "Language");
    EXPECT_EQ(platform::Control<QLabel>(&dialog, "Label1")->text(), "Language");
    EXPECT_EQ(platform::Control<QPushButton>(&dialog, "CommandOK")->text(), "OK");
    ASSERT_EQ(Combo1(dialog)->ListCount(), 2);
    EXPECT_EQ(Combo1(dialog)->List(1), "Chinese");
    EXPECT_EQ(Combo1(dialog)->ListIndex(), 0) << "the current language is selected";

    Combo1(dialog)->SetListIndex(1);
    dialog.CommandOK_Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(LangIndex, 2);
    EXPECT_EQ(LangFilePath, "language/Tchinese.ini");
    EXPECT_EQ(window_.reloads, 1);
    EXPECT_EQ(window_.reloadedIn, "語言") << "the main window reloads in the new language";

    FrmLanguage again;  // the next dialog opens in Chinese
    EXPECT_EQ(again.windowTitle(), "語言");
    EXPECT_EQ(platform::Control<QPushButton>(&again, "CommandCancel")->text(), "Cancel");
    EXPECT_EQ(Combo1(again)->ListIndex(), 1);
}

TEST_F(LanguageDialog, CancelChangesNothing) {
    FrmLanguage dialog;
    Combo1(dialog)->SetListIndex(1);
    dialog.CommandCancel_Click();
    EXPECT_EQ(LangIndex, 1);
    EXPECT_EQ(LangFilePath, "language/english.ini");
    EXPECT_EQ(window_.reloads, 0);
}

TEST_F(LanguageDialog, WorksBeforeTheMainWindowExists) {
    installed_.reset();
    FrmLanguage dialog;
    Combo1(dialog)->SetListIndex(1);
    dialog.CommandOK_Click();
    EXPECT_EQ(LangIndex, 2);
}

}  // namespace
