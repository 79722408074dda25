// The program's own services and dialogs, put in place by the composition
// root.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "ProgramSandbox.h"
#include "app/ui/ProgramReportSources.h"
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
        platform::Printer* printer = platform::SetPrinter(nullptr);
        EXPECT_NE(dynamic_cast<platform::QtPrinter*>(printer), nullptr);
        platform::SetPrinter(printer);
        const SessionHooks& session = Hooks();
        EXPECT_TRUE(session.makePort && session.makeTimer) << "the real port and timer";
        EXPECT_TRUE(session.makeProgress && session.askPassWord && session.showEmbedInfo) << "the session's dialogs";
        EXPECT_TRUE(session.saveData) << "the read's save-first answer";
    }
    EXPECT_EQ(platform::CurrentPromptService(), &sandbox.prompts);
    EXPECT_EQ(platform::SetPrinter(&sandbox.printer), &sandbox.printer) << "the sandbox's printer is back";
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
                        DialogId::TestData, DialogId::About, DialogId::Option, DialogId::Note, DialogId::Scan,
                        DialogId::PrintList, DialogId::DTMF, DialogId::Tone2, DialogId::Tone5,
                        DialogId::CommuBook, DialogId::Alert})
        EXPECT_TRUE(SetDialogOpener(id, {})) << "dialog " << static_cast<int>(id) << " has no opener";
    window->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ShowMainWindow, SettingsAndPrintDialogsOpenModalFromTheirOpeners) {
    ProgramSandbox sandbox;
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    frmMain* window = ShowMainWindow();
    const std::pair<DialogId, const char*> cases[] = {{DialogId::Option, "FrmOption"},
                                                      {DialogId::Note, "FrmNote"},
                                                      {DialogId::Scan, "FrmScan"},
                                                      {DialogId::CommuBook, "FrmCommuBook"},
                                                      {DialogId::Alert, "FrmAlert"},
                                                      {DialogId::PrintList, "FrmPrintList"},
                                                      {DialogId::Tone5, "Frm5Tone"}};
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

TEST(ShowMainWindow, TheReportPrintsTheMainWindowsToneLists) {
    ProgramSandbox sandbox;
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    sandbox.SetEnglishText(4031, "Own tone");
    frmMain* window = ShowMainWindow();
    const ReportSources sources = ProgramReportSources(window);
    EXPECT_EQ(sources.ctcss, window->Lookups().ctcss);
    EXPECT_EQ(sources.ctcss.at(51), "Own tone");
    EXPECT_EQ(sources.dcs, window->Lookups().dcs);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
