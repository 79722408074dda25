// Every control of every dialog built from a control table, and of the main
// window, is found by its name and index, is of its kind, and no named
// control is left unlisted.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "TempDir.h"
#include "TempProgramFolder.h"
#include "channels/ui/FrmCHEdit.h"
#include "channels/ui/FrmCHBatch.h"
#include "core/SharedState.h"
#include "core/ui/FrmLanguage.h"
#include "core/ui/FrmModel.h"
#include "link/ui/FrmComSet.h"
#include "link/ui/FrmPassWord.h"
#include "link/ui/FrmProgress.h"
#include "link/ui/FrmTestData.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/ui/frmAbout.h"
#include "printing/ui/FrmPrintList.h"
#include "settings/ui/FrmEMG.h"
#include "settings/ui/FrmAlert.h"
#include "settings/ui/FrmCommuBook.h"
#include "settings/ui/FrmNote.h"
#include "settings/ui/FrmOption.h"
#include "settings/ui/FrmScan.h"
#include "signalling/ui/Frm2Tone.h"
#include "signalling/ui/FrmDTMF.h"
#include "signalling/ui/DTMFCallDialog.h"
#include "signalling/ui/Frm5Tone.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/SerialDevices.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/TextBox.h"

namespace {

// A control array name with its first and last index (-1, -1: no array).
struct Expected {
    std::string name;
    int first;
    int last;
    const QMetaObject* kind;
};

struct DialogCase {
    const char* form;
    std::function<std::shared_ptr<QWidget>()> make;
    std::vector<Expected> controls;
};

const QMetaObject* Label = &QLabel::staticMetaObject;
const QMetaObject* Button = &QPushButton::staticMetaObject;
const QMetaObject* List = &platform::ComboBox::staticMetaObject;
const QMetaObject* Box = &platform::TextBox::staticMetaObject;
const QMetaObject* Check = &QCheckBox::staticMetaObject;
const QMetaObject* Option = &QRadioButton::staticMetaObject;

template <class T>
std::function<std::shared_ptr<QWidget>()> Make() {
    return [] { return std::make_unique<T>(); };
}

// The main window: its frame, the hyper panel, the in-cell editors, and
// every menu item and toolbar button of its tables.
std::vector<Expected> MainWindowControls() {
    const QMetaObject* Action = &QAction::staticMetaObject;
    std::vector<Expected> controls = {
        {"MSFlexGrid1", 0, 0, &platform::Grid::staticMetaObject},
        {"tvTreeView", -1, -1, &QTreeWidget::staticMetaObject},
        {"tbToolBar", -1, -1, &QToolBar::staticMetaObject},
        {"sbStatusBar", -1, -1, &QStatusBar::staticMetaObject},
        {"imgSplitter", -1, -1, &QWidget::staticMetaObject},
        {"picSplitter", -1, -1, &QWidget::staticMetaObject},
        {"WaitTimer", -1, -1, &QTimer::staticMetaObject},
        {"Frame1", -1, -1, &QFrame::staticMetaObject},
        {"Combo2", 0, 13, List},
        {"Check1", 0, 8, &QCheckBox::staticMetaObject},
        {"Label1", 0, 7, Label},
        {"Label2", 0, 1, Label},
        {"Label3", -1, -1, Label},
    };
    for (const char* box : {"TextFreRx", "TextFreTx", "TextName"}) controls.push_back({box, -1, -1, Box});
    for (const char* list : {"ComboStep", "ComboWN", "ComboPower", "ComboDe_CTC_Type", "ComboDe_CTCSS",
                             "ComboDe_CDCSS", "ComboEn_CTC_Type", "ComboEn_CTCSS", "ComboEn_CDCSS", "ComboOptSig"})
        controls.push_back({list, -1, -1, List});
    for (const MenuEntry& e : MenuEntries()) controls.push_back({std::string(e.name), -1, -1, Action});
    for (const ToolButtonEntry& e : ToolButtonEntries())
        if (!e.key.empty()) controls.push_back({std::string(e.key), -1, -1, Action});
    return controls;
}

std::vector<DialogCase> Dialogs() {
    return {
        {"FrmComSet",
         Make<FrmComSet>(),
         {{"Label1", -1, -1, Label},
          {"Combo1", -1, -1, List},
          {"LabelDevice", -1, -1, Label},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button},
          {"ReShowComPortTimer", -1, -1, &QTimer::staticMetaObject}}},
        {"FrmTestData",
         Make<FrmTestData>(),
         {{"Frame1", -1, -1, &QGroupBox::staticMetaObject},
          {"Text1", 0, 47, Box},
          {"Label1", 1, 31, Label},
          {"Command1", 0, 1, Button},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"FrmCHEdit",
         Make<FrmCHEdit>(),
         {{"Label1", 0, 3, Label},
          {"Text1", 0, 10, Box},
          {"Label2", 0, 16, Label},
          {"Combo1", 0, 16, List},
          {"Combo2", -1, -1, List},
          {"Combo3", 0, 3, List},
          {"Combo4", 0, 2, List},
          {"Check1", -1, -1, Check},
          {"Check2", 0, 1, Check},
          {"Check3", -1, -1, Check},
          {"Check4", 0, 1, Check},
          {"Check5", -1, -1, Check},
          {"Check6", -1, -1, Check},
          {"Check7", -1, -1, Check},
          {"Frame1", -1, -1, &QGroupBox::staticMetaObject},
          {"Label3", -1, -1, Label},
          {"Label4", -1, -1, Label},
          {"Text2", -1, -1, Box},
          {"Text3", -1, -1, Box},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"FrmPassWord",
         Make<FrmPassWord>(),
         {{"Label1", -1, -1, Label},
          {"Text1", -1, -1, Box},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"FrmProgress",
         Make<FrmProgress>(),
         {{"Label1", -1, -1, Label},
          {"Label2", -1, -1, Label},
          {"ProgressBar1", -1, -1, &QProgressBar::staticMetaObject},
          {"Command1", -1, -1, Button},
          {"RefreshTimer", -1, -1, &QTimer::staticMetaObject}}},
        {"FrmModel",
         Make<FrmModel>(),
         {{"Label1", 0, 1, Label},
          {"Combo1", 0, 1, List},
          {"Text1", -1, -1, &QTextEdit::staticMetaObject},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"FrmLanguage",
         Make<FrmLanguage>(),
         {{"Label1", -1, -1, Label},
          {"Combo1", -1, -1, List},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"FrmCHBatch",
         Make<FrmCHBatch>(),
         {{"Label1", -1, -1, Label},
          {"Option1", 0, 1, Option},
          {"Text1", 0, 1, Box},
          {"Label2", -1, -1, Label},
          {"Check4", -1, -1, Check},
          {"Frame1", -1, -1, &QGroupBox::staticMetaObject},
          {"Line1", -1, -1, &QFrame::staticMetaObject},
          {"Label3", 0, 15, Label},
          {"Label4", 0, 9, Label},
          {"Text2", 0, 11, Box},
          {"Frame3", 0, 8, &QFrame::staticMetaObject},
          {"Option2", 0, 1, Option},
          {"Option3", 0, 2, Option},
          {"Option4", 0, 1, Option},
          {"Option5", 0, 1, Option},
          {"Option6", 0, 1, Option},
          {"Option7", 0, 1, Option},
          {"Option8", 0, 1, Option},
          {"Option9", 0, 1, Option},
          {"Option10", 0, 1, Option},
          {"Check3", 0, 2, Check},
          {"Combo1", 0, 14, List},
          {"Check1", 0, 5, Check},
          {"Label5", -1, -1, Label},
          {"Text3", -1, -1, Box},
          {"Frame2", -1, -1, &QGroupBox::staticMetaObject},
          {"Check2", 0, 20, Check},
          {"CommandSelAll", -1, -1, Button},
          {"CommandSelNone", -1, -1, Button},
          {"CommandFun", -1, -1, Button},
          {"CommandApply", -1, -1, Button},
          {"CommandClose", -1, -1, Button}}},
        {"frmMain", Make<frmMain>(), MainWindowControls()},
        {"frmAbout",
         Make<frmAbout>(),
         {{"picIcon", -1, -1, Label},
          {"lblTitle", -1, -1, Label},
          {"lblVersion", -1, -1, Label},
          {"lblDescription", -1, -1, Label},
          {"lblDisclaimer", -1, -1, Label},
          {"Line1", 0, 1, &QFrame::staticMetaObject},
          {"cmdOK", -1, -1, Button},
          {"cmdSysInfo", -1, -1, Button}}},
        {"FrmOption",
         Make<FrmOption>(),
         {{"Label1", 0, 28, Label},
          {"Combo1", 0, 28, List},
          {"Check1", 0, 8, Check},
          {"Check2", -1, -1, Check},
          {"Label2", -1, -1, Label},
          {"Text1", 0, 13, Box},
          {"Label3", -1, -1, Label},
          {"Text2", -1, -1, Box},
          {"Label5", 0, 1, Label},
          {"Text4", 0, 1, Box},
          {"Frame1", -1, -1, &QGroupBox::staticMetaObject},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"FrmEMG",
         Make<FrmEMG>(),
         {{"Frame1", -1, -1, &QGroupBox::staticMetaObject},
          {"Combo1", 0, 1, List},
          {"Text1", 0, 3, Box},
          {"Text1", 4, 4, &QTextEdit::staticMetaObject},
          {"Text1", 5, 11, Box},
          {"Label2", -1, -1, Label},
          {"Label1", 0, 13, Label},
          {"CommandClose", -1, -1, Button},
          {"CommandHelp", -1, -1, Button}}},
        {"FrmNote",
         Make<FrmNote>(),
         {{"List1", -1, -1, &QListWidget::staticMetaObject},
          {"CommandDel", -1, -1, Button},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"FrmCommuBook",
         Make<FrmCommuBook>(),
         {{"MSFlexGrid1", -1, -1, &platform::Grid::staticMetaObject},
          {"Text1", -1, -1, Box},
          {"CommandInput", -1, -1, Button},
          {"CommandOutput", -1, -1, Button},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"FrmAlert",
         Make<FrmAlert>(),
         {{"Label1", 0, 9, Label},
          {"Combo1", 0, 9, List},
          {"Frame1", -1, -1, &QGroupBox::staticMetaObject},
          {"Check1", -1, -1, Check},
          {"Label2", 0, 1, Label},
          {"Combo2", 0, 1, List},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"FrmScan",
         Make<FrmScan>(),
         {{"Label1", 0, 12, Label},
          {"Combo1", 0, 12, List},
          {"Combo2", -1, -1, List},
          {"Check1", -1, -1, Check},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"FrmDTMF",
         Make<FrmDTMF>(),
         {{"Frame1", -1, -1, &QGroupBox::staticMetaObject},
          {"Label1", 0, 19, Label},
          {"Text2", 0, 19, Box},
          {"Label2", -1, -1, Label},
          {"CommandSpecial", -1, -1, Button},
          {"Label3", 0, 12, Label},
          {"Combo1", 0, 12, List},
          {"Text3", -1, -1, Box},
          {"Check1", -1, -1, Check},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button},
          {"Frame2", -1, -1, &QGroupBox::staticMetaObject},
          {"Text1", -1, -1, Box},
          {"SSTab1", -1, -1, &QTabWidget::staticMetaObject},
          {"SSTab1Page", 0, 2, &QWidget::staticMetaObject}}},
        {"FrmDTMFSpecial",
         [] {
             // The composer is a child of the DTMF dialog it writes to; the
             // pointer keeps that dialog, and with it the composer, alive.
             const auto owner = std::make_shared<FrmDTMF>();
             return std::shared_ptr<QWidget>(owner, new FrmDTMFSpecial(*owner));
         },
         {{"Label1", -1, -1, Label},
          {"Combo1", 0, 0, List},
          {"Frame1", -1, -1, &QGroupBox::staticMetaObject},
          {"Label2", -1, -1, Label},
          {"Text1", -1, -1, Box},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"Frm2Tone",
         Make<Frm2Tone>(),
         {{"Picture1", -1, -1, Label},
          {"SSTab1", -1, -1, &QTabWidget::staticMetaObject},
          {"SSTab1Page", 0, 1, &QWidget::staticMetaObject},
          {"MSHFlexGrid1", -1, -1, &platform::Grid::staticMetaObject},
          {"Text1", -1, -1, Box},
          {"Text3", -1, -1, Box},
          {"Label1", 0, 4, Label},
          {"Combo1", 0, 4, List},
          {"Check1", -1, -1, Check},
          {"Label2", 0, 1, Label},
          {"Combo2", 0, 1, List},
          {"Label3", 0, 3, Label},
          {"Text2", 0, 3, Box},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button}}},
        {"Frm5Tone",
         Make<Frm5Tone>(),
         {{"Text1", -1, -1, &QTextEdit::staticMetaObject},
          {"MSHFlexGrid1", -1, -1, &platform::Grid::staticMetaObject},
          {"Text3", -1, -1, Box},
          {"Combo2", -1, -1, List},
          {"Combo3", -1, -1, List},
          {"Text6", -1, -1, Box},
          {"Command1", -1, -1, Button},
          {"Command2", -1, -1, Button},
          {"Command3", -1, -1, Button},
          {"Command4", -1, -1, Button},
          {"CommandOK", -1, -1, Button},
          {"CommandCancel", -1, -1, Button},
          {"Frame1", 0, 1, &QGroupBox::staticMetaObject},
          {"Label2", 0, 1, Label},
          {"Text4", 0, 1, Box},
          {"Combo4", 0, 1, List},
          {"Combo5", 0, 1, List},
          {"Label1", 0, 12, Label},
          {"Text2", -1, -1, Box},
          {"Combo1", 1, 12, List},
          {"Check1", -1, -1, Check},
          {"Frame2", -1, -1, &QGroupBox::staticMetaObject},
          {"Label3", -1, -1, Label},
          {"Combo6", -1, -1, List},
          {"Frame3", -1, -1, &QGroupBox::staticMetaObject},
          {"Label4", 0, 3, Label},
          {"Combo7", 0, 1, List},
          {"Text5", -1, -1, Box},
          {"Text7", -1, -1, Box}}},
        {"FrmPrintList",
         [] { return std::make_unique<FrmPrintList>(ReportSources{}); },
         {{"Check1", 0, 9, Check},
          {"CommandSelAll", -1, -1, Button},
          {"CommandClrAll", -1, -1, Button},
          {"CommandSet", -1, -1, Button},
          {"Command1", -1, -1, Button},
          {"Command2", -1, -1, Button}}},
    };
}

class DialogControls : public testing::Test {
protected:
    void SetUp() override {
        platform::SetSerialScanOptions({devices_.path(), false});
        CommMode = SessionMode::Write;
    }
    void TearDown() override { platform::SetSerialScanOptions({}); }

    TempProgramFolder folder_;
    TempDir devices_;
};

TEST_F(DialogControls, EveryControlIsFoundByNameAndIndex) {
    for (const DialogCase& d : Dialogs()) {
        const std::shared_ptr<QWidget> dialog = d.make();
        EXPECT_EQ(platform::ControlName(dialog.get()), d.form);
        std::set<std::pair<std::string, int>> listed;
        for (const Expected& e : d.controls) {
            for (int i = e.first; i <= e.last; ++i) {
                listed.insert({e.name, i});
                try {
                    const QObject* control = platform::Ctl<QObject>(dialog.get(), e.name, i);
                    EXPECT_TRUE(control->metaObject()->inherits(e.kind))
                        << d.form << "." << e.name << "(" << i << ") is a " << control->metaObject()->className();
                } catch (const platform::ControlNotFound& error) {
                    ADD_FAILURE() << error.what();
                }
            }
        }
        for (const QObject* o : dialog->findChildren<QObject*>()) {
            const std::string name = platform::ControlName(o);
            if (name.empty()) continue;
            EXPECT_TRUE(listed.count({name, platform::ControlIndex(o)}))
                << d.form << "." << name << "(" << platform::ControlIndex(o) << ") is not listed";
        }
    }
}

}  // namespace
