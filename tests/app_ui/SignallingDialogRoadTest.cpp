// The DTMF and two-tone dialogs as the user reaches them: from their menu
// entries and tree nodes, and the DTMF dialog's OK, which ends the modal
// run at once and stores the block on its timer's first tick.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "ProgramSandbox.h"
#include "WaitFor.h"
#include "app/ui/ShowMainWindow.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextBox.h"
#include "signalling/ui/FrmDTMF.h"

namespace {

class SignallingDialogRoad : public testing::Test {
protected:
    void SetUp() override {
        SetBandByType(0);
        InitHyperRange();
        InitRadioData();
        window = ShowMainWindow();
    }
    void TearDown() override {
        window->close();  // deletes itself
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Runs `open`, and in the modal dialog it shows, `inside`; the dialog's
    // form name, "" when none came up.
    std::string Opened(const std::function<void()>& open, const std::function<void(QWidget*)>& inside) {
        std::string shown;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = platform::ControlName(modal);
                inside(modal);
            }
        });
        open();
        return shown;
    }

    ProgramSandbox sandbox;
    frmMain* window = nullptr;
};

TEST_F(SignallingDialogRoad, MenuEntriesAndTreeNodesOpenTheDialogs) {
    const auto close = [](QWidget* modal) { modal->close(); };
    const std::pair<const char*, const char*> menus[] = {{"MnuViewDTMF", "FrmDTMF"}, {"MnuView2Tone", "Frm2Tone"}};
    for (const auto& [action, form] : menus)
        EXPECT_EQ(Opened([&, action = action] { platform::Ctl<QAction>(window, action)->trigger(); }, close), form)
            << action;
    const std::pair<const char*, const char*> nodes[] = {{"N5", "FrmDTMF"}, {"N6", "Frm2Tone"}};
    for (const auto& [node, form] : nodes)
        EXPECT_EQ(Opened([&, node = node] { window->tvTreeView_NodeClick(node); }, close), form) << node;
}

TEST_F(SignallingDialogRoad, TheDTMFDialogStoresItsOKAfterTheModalRunEnded) {
    QPointer<QWidget> dialog;
    const auto accept = [&](QWidget* modal) {
        dialog = modal;
        platform::Ctl<platform::TextBox>(modal, "Text2", 4)->setText("55*1");
        platform::Ctl<platform::ComboBox>(modal, "Combo1", 7)->SetListIndex(2);
        platform::Ctl<QPushButton>(modal, "CommandOK")->click();
    };
    ASSERT_EQ(Opened([&] { window->MnuViewDTMF_Click(); }, accept), "FrmDTMF");
    ASSERT_FALSE(dialog.isNull()) << "it lives on for its commit";
    EXPECT_TRUE(dialog->isHidden());
    EXPECT_TRUE(WaitFor([&] { return dialog.isNull(); })) << "and goes once it is done";
    EXPECT_EQ(CurData.FunSet.DTMF.DTMFCode[4].Code.value(), "55E1");
    EXPECT_EQ(CurData.FunSet.DTMF.DTMFDecodeResp, 2);

    // Opened again at once, a dialog whose commit is still to come stores
    // it first, so the new one shows what was accepted.
    ASSERT_EQ(Opened([&] { window->MnuViewDTMF_Click(); },
                     [&](QWidget* modal) {
                         platform::Ctl<platform::TextBox>(modal, "Text2", 4)->setText("66");
                         platform::Ctl<QPushButton>(modal, "CommandOK")->click();
                     }),
              "FrmDTMF");
    std::string shown;
    ASSERT_EQ(Opened([&] { window->MnuViewDTMF_Click(); },
                     [&](QWidget* modal) {
                         shown = platform::Ctl<platform::TextBox>(modal, "Text2", 4)->text().toStdString();
                         modal->close();
                     }),
              "FrmDTMF");
    EXPECT_EQ(shown, "66");
    EXPECT_EQ(CurData.FunSet.DTMF.DTMFCode[4].Code.value(), "66");
}

}  // namespace
