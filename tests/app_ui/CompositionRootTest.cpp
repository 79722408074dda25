// The program's own services and dialogs, put in place by the composition
// root.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "ProgramSandbox.h"
#include "app/ui/ProgramServices.h"
#include "app/ui/ShowMainWindow.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "link/SessionHooks.h"
#include "mainwindow/DialogLauncher.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ui/Controls.h"

TEST(ProgramServices, InstallTheProgramsOwnServicesForTheirLifetime) {
    ProgramSandbox sandbox;
    {
        ProgramServices services;
        EXPECT_NE(dynamic_cast<platform::MessageBoxPrompts*>(platform::CurrentPromptService()), nullptr);
        platform::FileDialogs* dialogs = platform::SetFileDialogs(nullptr);
        EXPECT_NE(dynamic_cast<platform::QtFileDialogs*>(dialogs), nullptr);
        platform::SetFileDialogs(dialogs);
        const SessionHooks& session = Hooks();
        EXPECT_TRUE(session.makePort && session.makeTimer) << "the real port and timer";
        EXPECT_TRUE(session.makeProgress && session.askPassWord && session.showEmbedInfo) << "the session's dialogs";
        EXPECT_TRUE(session.saveData) << "the read's save-first answer";
    }
    EXPECT_EQ(platform::CurrentPromptService(), &sandbox.prompts);
    EXPECT_FALSE(Hooks().makePort);
}

TEST(ShowMainWindow, ShowsTheLoadedWindowWithEveryBuiltDialogRegistered) {
    ProgramSandbox sandbox;
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    frmMain* window = ShowMainWindow();
    EXPECT_TRUE(window->FormLoaded);
    EXPECT_TRUE(window->isVisible());
    for (DialogId id : {DialogId::CHEdit, DialogId::CHBatch, DialogId::Model, DialogId::ComSet, DialogId::Language,
                        DialogId::TestData, DialogId::About, DialogId::Option, DialogId::Note, DialogId::Scan})
        EXPECT_TRUE(SetDialogOpener(id, {})) << "dialog " << static_cast<int>(id) << " has no opener";
    window->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ShowMainWindow, SettingsDialogsOpenModalFromTheirOpeners) {
    ProgramSandbox sandbox;
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    frmMain* window = ShowMainWindow();
    const std::pair<DialogId, const char*> cases[] = {
        {DialogId::Option, "FrmOption"}, {DialogId::Note, "FrmNote"}, {DialogId::Scan, "FrmScan"}};
    for (const auto& [id, form] : cases) {
        std::string shown;
        QTimer::singleShot(0, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = platform::ControlName(modal);
                modal->close();
            }
        });
        EXPECT_TRUE(OpenDialog(id)) << form;
        EXPECT_EQ(shown, form);
    }
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
