#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "FifoWatchdog.h"
#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "core/BandPlan.h"
#include "core/ChannelOps.h"
#include "core/DataFiles.h"
#include "core/Defaults.h"
#include "core/ui/FrmLanguage.h"
#include "core/ui/FrmModel.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/MsgText.h"
#include "core/SavedCopy.h"
#include "core/SharedState.h"
#include "platform/ui/Grid.h"
#include "mainwindow/ColumnMap.h"
#include "mainwindow/DialogLauncher.h"
#include "mainwindow/ui/frmAbout.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/Controls.h"

// How the window system offers a key to the shortcuts before any widget
// sees it (the same entry the Qt test library uses).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int key, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

std::string S(const QString& q) { return q.toStdString(); }

// Every dialog id the menus and the tree open through the launcher.
constexpr DialogId kLaunched[] = {
    DialogId::Model, DialogId::Option,   DialogId::DTMF,   DialogId::Tone2,   DialogId::Tone5,
    DialogId::Scan,  DialogId::Alert,    DialogId::CommuBook, DialogId::Note, DialogId::TestData,
    DialogId::CHBatch, DialogId::ComSet, DialogId::Language, DialogId::About, DialogId::PrintList,
};

class MainMenus : public testing::Test {
protected:
    void SetUp() override {
        for (const char* f : {"Init/314KTR_0.dat", "Init/314KTR_0.fre", "Init/314KTR_1.dat", "Init/314KTR_1.fre"})
            std::filesystem::copy_file(std::string(KQ_SOURCE_DIR) + "/data/" + f, folder.write(f, ""),
                                       std::filesystem::copy_options::overwrite_existing);
        UseLanguage(1);
        RadioModel = "314KTR";
        ModelName = "KQ-314";
        ScanEnable = 0;
        AlertEnable = -1;
        HelpEnable = 0;
        SetBandByType(0);
        InitHyperRange();
        NewRadioData();
        // Each launched dialog counts its openings unless a test puts its own.
        for (DialogId id : kLaunched) SetDialogOpener(id, [this, id] { ++opened[id]; });
    }
    void TearDown() override { window.reset(); }

    // The shipped pictures in the program folder.
    void CopyPictures() {
        for (const auto& f : std::filesystem::directory_iterator(std::string(KQ_SOURCE_DIR) + "/data/icons"))
            std::filesystem::copy_file(f.path(), folder.write("icons/" + f.path().filename().string(), ""),
                                       std::filesystem::copy_options::overwrite_existing);
    }

    static void UseLanguage(int16_t index) {
        LangIndex = index;
        LangFilePath = LangFileOf(index);
    }

    frmMain& Open() {
        window = std::make_unique<frmMain>();
        window->Form_Load();
        window->show();
        QApplication::processEvents();
        return *window;
    }

    // The window's controls, by name and index.
    template <class T>
    T* Control(std::string_view name, int index = -1) {
        return platform::Ctl<T>(window.get(), name, index);
    }
    QAction* Item(std::string_view name) {
        QAction* a = window->MenuItem(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    // The texts of the visible items of a menu, separators as "-".
    std::vector<std::string> Shown(std::string_view menu) {
        std::vector<std::string> out;
        for (QAction* a : Item(menu)->menu()->actions())
            if (a->isVisible()) out.push_back(a->isSeparator() ? "-" : S(a->text()));
        return out;
    }
    std::vector<std::string> BarMenus() {
        std::vector<std::string> out;
        for (QAction* a : window->menuBar()->actions()) out.push_back(S(a->text()));
        return out;
    }

    QTreeWidgetItem* Node(std::string_view key) {
        for (QTreeWidgetItemIterator it(Control<QTreeWidget>("tvTreeView")); *it; ++it)
            if (S((*it)->data(0, Qt::UserRole).toString()) == key) return *it;
        return nullptr;
    }
    // "key text" of every node, depth first.
    std::vector<std::string> TreeLines() {
        std::vector<std::string> out;
        for (QTreeWidgetItemIterator it(Control<QTreeWidget>("tvTreeView")); *it; ++it)
            out.push_back(S((*it)->data(0, Qt::UserRole).toString()) + " " + S((*it)->text(0)));
        return out;
    }
    void ClickNode(std::string_view key) {
        QTreeWidgetItem* item = Node(key);
        ASSERT_NE(item, nullptr) << key;
        QTreeWidget* tree = Control<QTreeWidget>("tvTreeView");
        tree->scrollToItem(item);
        const QPoint at = tree->visualItemRect(item).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, tree->viewport()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, tree->viewport()->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &release);
    }

    std::string Header(Col c) { return S(Control<platform::Grid>("MSFlexGrid1", 0)->TextMatrix(0, GetShowCol(c))); }

    ProgramSandbox folder;
    ScriptedPrompts& prompts = folder.prompts;
    ScriptedFileDialogs& dialogs = folder.fileDialogs;
    std::unique_ptr<frmMain> window;
    std::map<DialogId, int> opened;
};

TEST_F(MainMenus, MenuBarAndTreeInBothLanguagesAndInFactoryMode) {
    struct Case {
        const char* name;
        int16_t lang;
        bool factory;
        std::vector<std::string> bar;
        std::vector<std::string> file;
        std::vector<std::string> edit;
        std::vector<std::string> tree;
    };
    const Case cases[] = {
        {"English",
         1,
         false,
         {"&File", "&Model", "&Edit", "&Set", "&Program", "&View", "&Help"},
         {"&New", "&Open...", "&Save", "Save &As...", "-", "E&xit"},
         {"&Channels", "&Optional Features...", "&DTMF...", "&2-Tone...", "&5-Tone...", "A&lert...",
          "Contact &Book...", "&Event Records...", "Radio &Information", "-", "&Batch Channel Edit..."},
         {"N0 KQ-314", "N1 CH", "N100 Normal Channels", "N101 Limit Channels", "N102 Hyper Bank 1",
          "N103 Hyper Bank 2", "N4 Optional Features", "N5 DTMF", "N6 2-Tone", "N7 5-Tone", "N11 Alert",
          "N8 Contact Book", "N15 Event Records", "N9 Radio Information"}},
        {"Chinese, factory mode",
         2,
         true,
         {"檔案(&F)", "機型(&M)", "編輯(&E)", "設定(&S)", "寫頻(&P)", "檢視(&V)", "說明(&H)"},
         {"新增(&N)", "開啟(&O)...", "儲存(&S)", "另存新檔(&A)...", "-", "結束(&X)"},
         {"頻道(&C)", "選擇功能(&O)...", "DTMF(&D)...", "二音(&2)...", "五音(&5)...", "警報(&L)...",
          "通訊錄(&B)...", "事件記錄(&E)...", "對講機資訊(&I)", "測試資料(&T)...", "-", "批次編輯頻道(&B)..."},
         {"N0 KQ-314", "N1 CH", "N100 一般頻道", "N101 限制頻道", "N102 Hyper 頻道組 1", "N103 Hyper 頻道組 2",
          "N4 選擇功能", "N5 DTMF", "N6 二音", "N7 五音", "N11 警報", "N8 通訊錄", "N15 事件記錄",
          "N9 對講機資訊", "N14 測試資料"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseLanguage(c.lang);
        TestDataEnable = c.factory;
        Open();
        EXPECT_EQ(BarMenus(), c.bar);
        EXPECT_EQ(Shown("mnuFile"), c.file);
        EXPECT_EQ(Shown("mnuEdit"), c.edit);
        EXPECT_EQ(Shown("mnuEditCH").size(), 4u);
        EXPECT_EQ(Shown("MnuHelp").size(), 1u);  // no help contents while help is off
        EXPECT_EQ(Shown("MnuView").size(), 2u);
        EXPECT_EQ(TreeLines(), c.tree);
        EXPECT_TRUE(Node("N0")->isExpanded());
        EXPECT_TRUE(Node("N1")->isExpanded());
    }
    // The hidden items exist all the same.
    EXPECT_FALSE(Item("mnuFilePrint")->isVisible());
    EXPECT_FALSE(Item("MnuViewTV")->isVisible());
    EXPECT_FALSE(Item("MnuViewScan")->isVisible());
    EXPECT_EQ(Item("mnuFileNew")->shortcut(), QKeySequence("Ctrl+N"));
}

// Every node text shows whole, never cut to an ellipsis, and the pane is as
// wide as its longest node text at the window's first size, in both
// languages and after a switch between them: no node needs scrolling.
TEST_F(MainMenus, TreeNodeTextsAreShownWhole) {
    auto expectWhole = [this] {
        QTreeWidget* tree = Control<QTreeWidget>("tvTreeView");
        const QFontMetrics metrics(tree->font());
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            const QString text = (*it)->text(0);
            const QRect rect = tree->visualItemRect(*it);
            EXPECT_GE(rect.width(), metrics.horizontalAdvance(text)) << S(text);
            EXPECT_LE(rect.right(), tree->viewport()->width() - 1) << S(text);
        }
        EXPECT_EQ(tree->horizontalScrollBar()->maximum(), 0);
        EXPECT_GE(Control<QTreeWidget>("tvTreeView")->width(), 160);  // never narrower than 2400 twips
    };
    for (int16_t lang : {1, 2}) {
        SCOPED_TRACE(lang);
        UseLanguage(lang);
        Open();
        expectWhole();
        SetDialogOpener(DialogId::Language, [lang] {
            FrmLanguage dialog;
            platform::Ctl<platform::ComboBox>(&dialog, "Combo1")->SetListIndex(lang == 1 ? 1 : 0);
            dialog.CommandOK_Click();
        });
        Item("MnuSetLanguage")->trigger();
        QApplication::processEvents();
        SCOPED_TRACE("after the switch");
        expectWhole();
    }
}

TEST_F(MainMenus, ToolbarButtonsInOrderWithTheirTipsAndPictures) {
    CopyPictures();
    Open();
    std::vector<std::string> keys;
    for (QAction* a : Control<QToolBar>("tbToolBar")->actions())
        keys.push_back(a->isSeparator() ? "-" : platform::ControlName(a));
    EXPECT_EQ(keys, (std::vector<std::string>{"-", "TNewFile", "TOpenFile", "TSaveFile", "-", "TCommRead",
                                              "TCommPort", "TCommWrite", "-", "TAbout"}));
    EXPECT_EQ(S(window->ToolButton("TNewFile")->toolTip()), "&New");
    EXPECT_EQ(S(window->ToolButton("TCommRead")->toolTip()), "&Read from Radio");
    EXPECT_TRUE(window->ToolButton("TCommPort")->toolTip().isEmpty());
    for (const char* key : {"TNewFile", "TOpenFile", "TSaveFile", "TCommRead", "TCommPort", "TCommWrite", "TAbout"})
        EXPECT_FALSE(window->ToolButton(key)->icon().isNull()) << key;

    window->ToolButton("TCommPort")->trigger();
    window->ToolButton("TAbout")->trigger();
    window->tbToolBar_ButtonClick("TNoSuchKey");
    EXPECT_EQ(opened[DialogId::ComSet], 1);
    EXPECT_EQ(opened[DialogId::About], 1);
}

TEST_F(MainMenus, PicturesThatAreNotRegularFilesAreLeftOutWithoutWaiting) {
    CopyPictures();
    const std::vector<std::string> fifos{folder.file("icons/tool1_new.png"), folder.file("icons/program.png")};
    for (const std::string& f : fifos) std::filesystem::remove(f);
    FifoWatchdog watchdog(fifos);
    Open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->ToolButton("TNewFile")->icon().isNull());
    EXPECT_FALSE(window->ToolButton("TOpenFile")->icon().isNull());
    frmAbout box;
    EXPECT_TRUE(platform::Ctl<QLabel>(&box, "picIcon")->pixmap().isNull());
    EXPECT_FALSE(watchdog.fired());
}

TEST_F(MainMenus, TreeNodesAndMenuItemsOpenTheSameDialogs) {
    TestDataEnable = true;
    AlertEnable = -1;
    Open();
    struct Case {
        const char* node;
        const char* item;
        DialogId dialog;
    };
    const Case cases[] = {
        {"N4", "MnuViewSetMode", DialogId::Option}, {"N5", "MnuViewDTMF", DialogId::DTMF},
        {"N6", "MnuView2Tone", DialogId::Tone2},    {"N7", "MnuView5Tone", DialogId::Tone5},
        {"N11", "MnuViewAlert", DialogId::Alert},   {"N8", "MnuCommBook", DialogId::CommuBook},
        {"N15", "MnuViewNote", DialogId::Note},     {"N14", "mnuTestData", DialogId::TestData},
    };
    for (const Case& c : cases) {
        ClickNode(c.node);
        EXPECT_EQ(opened[c.dialog], 1) << c.node;
        Item(c.item)->trigger();
        EXPECT_EQ(opened[c.dialog], 2) << c.item;
    }
    // File > Print works although its item ships hidden.
    for (const char* item :
         {"MnuModelInfo", "MnuCHBatch", "MnuSetCom", "MnuSetLanguage", "MnuHelpAbout", "mnuFilePrint"})
        Item(item)->trigger();
    for (DialogId id : {DialogId::Model, DialogId::CHBatch, DialogId::ComSet, DialogId::Language, DialogId::About,
                        DialogId::PrintList})
        EXPECT_EQ(opened[id], 1);
    window->mnuFilePrint_Click();
    EXPECT_EQ(opened[DialogId::PrintList], 2);
    EXPECT_EQ(opened[DialogId::About], 1) << "printing no longer falls through to the About box";
}

TEST_F(MainMenus, TreeSwitchesViewsAndTheRootAndChannelNodesChangeNothing) {
    AddDefaultFreData(20, "145.00000", 0, 0);
    Open();
    ClickNode("N102");
    EXPECT_EQ(CHListType, 2);
    EXPECT_EQ(Control<platform::Grid>("MSFlexGrid1", 0)->Rows(), 13);
    EXPECT_TRUE(Control<QFrame>("Frame1")->isVisible());

    for (const char* key : {"N0", "N1"}) {
        ClickNode(key);
        EXPECT_EQ(CHListType, 2) << key;
        EXPECT_EQ(Control<platform::Grid>("MSFlexGrid1", 0)->Rows(), 13) << key;
    }

    Item("mnuEditCH_Limit")->trigger();
    EXPECT_EQ(CHListType, 1);
    EXPECT_EQ(Control<platform::Grid>("MSFlexGrid1", 0)->Rows(), 11);
    EXPECT_FALSE(Control<QFrame>("Frame1")->isVisible());

    // Arrow keys only move the selection; Enter acts as a click.
    QTreeWidget* tree = Control<QTreeWidget>("tvTreeView");
    tree->setFocus();
    tree->setCurrentItem(Node("N100"));
    Key(tree, Qt::Key_Down);
    EXPECT_EQ(tree->currentItem(), Node("N101"));
    Key(tree, Qt::Key_Down);
    EXPECT_EQ(CHListType, 1);
    Key(tree, Qt::Key_Return);
    EXPECT_EQ(CHListType, 2);
    tree->setCurrentItem(Node("N100"));
    Key(tree, Qt::Key_Enter);
    EXPECT_EQ(CHListType, 0);
    EXPECT_EQ(S(Control<platform::Grid>("MSFlexGrid1", 0)->TextMatrix(20, GetShowCol(Col::RxFre))), "145.00000");
}

TEST_F(MainMenus, AnOpenCellEditorIsTakenIntoItsOwnListBeforeTheViewSwitches) {
    CurData.CHCount = 0;
    Open();
    Control<platform::Grid>("MSFlexGrid1", 0)->SetCurrentCell(9, GetShowCol(Col::RxFre));
    window->MSFlexGrid1_DblClick(0);
    ASSERT_FALSE(Control<platform::TextBox>("TextFreRx")->isHidden());
    Type(Control<platform::TextBox>("TextFreRx"), "145.5");
    const auto limitBefore = CurData.LimitCH;

    ClickNode("N101");
    EXPECT_TRUE(Control<platform::TextBox>("TextFreRx")->isHidden());
    ASSERT_EQ(CurData.CHCount, 1);
    EXPECT_EQ(UFreList[0].CHNo, 9);
    EXPECT_EQ(CurData.LimitCH, limitBefore);
    // The view's double-click lands on the empty last column of its last
    // even row: no editor, only that row becomes the current channel.
    EXPECT_EQ(CurCHNo, 10);
    EXPECT_TRUE(Control<platform::TextBox>("TextFreRx")->isHidden());
}

TEST_F(MainMenus, ALanguageSwitchRelocalisesMenusTreeAndGridAndKeepsTheView) {
    Open();
    Item("mnuEditCH_Hyper2")->trigger();
    SetDialogOpener(DialogId::Language, [] {
        FrmLanguage dialog;
        platform::Ctl<platform::ComboBox>(&dialog, "Combo1")->SetListIndex(1);
        dialog.CommandOK_Click();
    });
    Item("MnuSetLanguage")->trigger();

    EXPECT_EQ(LangIndex, 2);
    EXPECT_EQ(BarMenus().front(), "檔案(&F)");
    EXPECT_EQ(S(Node("N100")->text(0)), "一般頻道");
    EXPECT_EQ(S(Node("N0")->text(0)), "KQ-314");
    EXPECT_EQ(Header(Col::RxFre), GetLangText(1101));
    EXPECT_NE(Header(Col::RxFre), "RX Freq (MHz)");
    EXPECT_EQ(S(window->ToolButton("TNewFile")->toolTip()), "新增(&N)");
    EXPECT_EQ(S(Control<QLabel>("Label1", 0)->text()), "模式：");
    EXPECT_EQ(CHListType, 3);
    EXPECT_EQ(Control<platform::Grid>("MSFlexGrid1", 0)->Rows(), 13);
    EXPECT_TRUE(Control<QFrame>("Frame1")->isVisible());
}

TEST_F(MainMenus, FileCommandsRunFromMenusShortcutsAndToolbar) {
    Open();
    const QString untitledTitle = window->windowTitle();
    EXPECT_TRUE(untitledTitle.endsWith(":new.dat]"));

    // Ctrl+S on untitled data is Save As; cancelled, it keeps the title.
    dialogs.expectSave(std::nullopt);
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    qt_sendShortcutOverrideEvent(window.get(), 0, Qt::Key_S, Qt::ControlModifier, QString(), false, 1);
    QApplication::processEvents();
    EXPECT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(window->windowTitle(), untitledTitle);

    dialogs.expectSave(folder.file("shop"));
    window->ToolButton("TSaveFile")->trigger();
    EXPECT_TRUE(window->windowTitle().endsWith(QString::fromStdString(":" + folder.file("shop.dat") + "]")));

    prompts.expect(MsgText().MsgClearAll, Buttons::OkCancel, Answer::Ok, Icon::Exclamation, true);
    Item("mnuFileNew")->trigger();
    EXPECT_TRUE(window->windowTitle().endsWith(":new.dat]"));

    dialogs.expectOpen(folder.file("shop.dat"));
    window->ToolButton("TOpenFile")->trigger();
    EXPECT_TRUE(window->windowTitle().endsWith(QString::fromStdString(":" + folder.file("shop.dat") + "]")));

    Item("MnuSetInit")->trigger();  // unchanged data: no question
    EXPECT_EQ(CurData.CHCount, 6);

    // Ctrl+O opens a file.
    dialogs.expectOpen(folder.file("shop.dat"));
    qt_sendShortcutOverrideEvent(window.get(), 0, Qt::Key_O, Qt::ControlModifier, QString(), false, 1);
    QApplication::processEvents();
    EXPECT_TRUE(window->windowTitle().endsWith(QString::fromStdString(":" + folder.file("shop.dat") + "]")));

    Item("mnuFileExit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

class HyperPanel : public MainMenus {
protected:
    void SetUp() override {
        MainMenus::SetUp();
        CurData.CHCount = 0;
        for (auto [no, mhz] : {std::pair<int16_t, const char*>{10, "145.00000"}, {4, "108.50000"},
                              {7, "440.00000"}})
            AddDefaultFreData(no, mhz, 0, 0);
    }
    platform::ComboBox& Combo(int i) { return *Control<platform::ComboBox>("Combo2", i); }
    std::vector<std::string> Items(int i) {
        std::vector<std::string> out;
        for (int k = 0; k < Combo(i).ListCount(); ++k) out.push_back(Combo(i).List(k));
        return out;
    }
};

TEST_F(HyperPanel, ShowsAndEditsTheViewedBankOnly) {
    HyperSetData& bank1 = CurData.Hyper[0].Setting;
    HyperSetData& bank2 = CurData.Hyper[1].Setting;
    bank2.VFOBandR = 4;
    bank2.NormalIDL = 9;   // channel 10 exists
    bank2.NormalIDR = 3;   // channel 4 is not in the right list
    bank2.AMAuto = 5;      // no valid check state
    CurData.HyperMode = {1, 0};
    const HyperSetData bank1Before = bank1;
    Open();

    Item("mnuEditCH_Hyper2")->trigger();
    EXPECT_EQ(Items(2), (std::vector<std::string>{"4", "7", "10"}));
    EXPECT_EQ(Items(3), (std::vector<std::string>{"7", "10"}));
    EXPECT_EQ(Items(7), (std::vector<std::string>{"136 MHz", "400 MHz"}));
    EXPECT_EQ(Combo(7).ListIndex(), 0);
    EXPECT_EQ(Combo(2).Text(), "10");
    EXPECT_EQ(Combo(3).Text(), "7");
    EXPECT_EQ(bank2.NormalIDR, 6);  // the lowest listed channel, stored as shown
    EXPECT_FALSE(Control<QCheckBox>("Check1", 1)->isChecked());
    EXPECT_EQ(bank2.AMAuto, 0);

    Combo(7).SetListIndex(1);
    Combo(2).SetListIndex(0);
    Combo(13).SetListIndex(2);
    Control<QCheckBox>("Check1", 0)->setChecked(true);
    EXPECT_EQ(bank2.VFOBandR, 5);
    EXPECT_EQ(bank2.NormalIDL, 3);
    EXPECT_EQ(CurData.HyperMode[1], 2);
    EXPECT_EQ(bank2.VFOBandEdge, 1);
    EXPECT_EQ(CurData.HyperMode[0], 1);
    EXPECT_EQ(bank1, bank1Before);
    EXPECT_TRUE(IsDataChanged());

    // Bank 1 shows its own values; in the normal view no bank changes.
    Item("mnuEditCH_Hyper1")->trigger();
    EXPECT_EQ(Combo(13).ListIndex(), 1);
    Item("mnuEditCH_Normal")->trigger();
    EXPECT_FALSE(Control<QFrame>("Frame1")->isVisible());
    const HyperSetData bank2Now = bank2;
    Combo(7).SetListIndex(0);
    Control<QCheckBox>("Check1", 0)->setChecked(false);
    EXPECT_EQ(bank2, bank2Now);
}

// Every list shows its longest item whole ("Normal Channel" is the longest
// mode), in both languages, and no shown list covers another control.
TEST_F(HyperPanel, ListsShowTheirItemsWholeWithoutOverlap) {
    for (int16_t lang : {1, 2}) {
        SCOPED_TRACE(lang);
        UseLanguage(lang);
        Open();
        Item("mnuEditCH_Hyper1")->trigger();
        std::vector<QWidget*> shown;
        for (QWidget* w : Control<QFrame>("Frame1")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && (qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w))) shown.push_back(w);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (auto* box = qobject_cast<QComboBox*>(shown[i])) {
                QComboBox sample;
                sample.setFont(box->font());
                sample.setSizeAdjustPolicy(QComboBox::AdjustToContents);
                for (int k = 0; k < box->count(); ++k) sample.addItem(box->itemText(k));
                EXPECT_GE(box->width(), sample.sizeHint().width()) << S(box->objectName());
            }
            for (std::size_t j = i + 1; j < shown.size(); ++j)
                if (qobject_cast<QComboBox*>(shown[i]) || qobject_cast<QComboBox*>(shown[j]))
                    EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << S(shown[i]->objectName()) << " " << S(shown[j]->objectName());
        }
    }
}

TEST_F(HyperPanel, HiddenControlsPassTheirValuesThrough) {
    HyperSetData& bank1 = CurData.Hyper[0].Setting;
    bank1.DisplayMode = 2;
    bank1.RelayMode = 1;
    bank1.TVOpen = 1;
    bank1.HomeReturnR = 7;  // outside its list: becomes the first item's value
    Open();
    Item("mnuEditCH_Hyper1")->trigger();
    EXPECT_TRUE(Combo(8).isHidden());
    EXPECT_EQ(bank1.DisplayMode, 2);
    EXPECT_EQ(bank1.RelayMode, 1);
    EXPECT_EQ(bank1.TVOpen, 1);
    EXPECT_EQ(bank1.HomeReturnR, 0);
}

TEST_F(HyperPanel, ListsFollowTheDataOfAFreshlyOpenedFile) {
    Open();
    Item("mnuEditCH_Hyper1")->trigger();
    ASSERT_EQ(Items(2).size(), 3u);

    CurData.CHCount = 0;
    AddDefaultFreData(300, "146.00000", 0, 0);
    dialogs.expectSave(folder.file("other.dat"));
    ASSERT_TRUE(FileSaveAs());
    NewRadioData();
    window->ReShowListByData();

    dialogs.expectOpen(folder.file("other.dat"));
    Item("mnuFileOpen")->trigger();
    EXPECT_EQ(Items(2), (std::vector<std::string>{"300"}));
    EXPECT_EQ(CurData.Hyper[0].Setting.NormalIDL, 299);
}

TEST_F(HyperPanel, NoNormalChannelLeavesTheStoredChannelsAlone) {
    CurData.CHCount = 0;
    CurData.Hyper[0].Setting.NormalIDL = 41;
    Open();
    Item("mnuEditCH_Hyper1")->trigger();
    EXPECT_EQ(Combo(2).ListCount(), 0);
    EXPECT_EQ(Combo(2).ListIndex(), -1);
    EXPECT_EQ(CurData.Hyper[0].Setting.NormalIDL, 41);
}

class BandPlanDialog : public MainMenus {};

TEST_F(BandPlanDialog, TheSamePlanChangesNothingAndCancelKeepsTheData) {
    AddDefaultFreData(50, "145.00000", 0, 0);
    Open();
    FrmModel dialog;
    EXPECT_EQ(platform::Ctl<platform::ComboBox>(&dialog, "Combo1", 0)->Text(), "KQ-314");
    EXPECT_FALSE(platform::Ctl<platform::ComboBox>(&dialog, "Combo1", 0)->isEnabled());
    EXPECT_EQ(platform::Ctl<platform::ComboBox>(&dialog, "Combo1", 1)->Text(), "Band 1");
    EXPECT_EQ(S(platform::Ctl<QTextEdit>(&dialog, "Text1")->toPlainText()), [] {
        std::string t = GetBandText(0);
        for (auto at = t.find("\r\n"); at != std::string::npos; at = t.find("\r\n")) t.erase(at, 1);
        return t;
    }());
    dialog.CommandOK_Click();
    EXPECT_TRUE(IsCHExist(50));

    FrmModel second;
    platform::Ctl<platform::ComboBox>(&second, "Combo1", 1)->SetListIndex(1);
    EXPECT_EQ(S(platform::Ctl<QTextEdit>(&second, "Text1")->toPlainText()).substr(0, 10), GetBandText(1).substr(0, 10));
    prompts.expect("Frequency data will be cleared.", Buttons::OkCancel, Answer::Cancel, Icon::Exclamation, true);
    second.CommandOK_Click();
    EXPECT_EQ(PCBand, 0);
    EXPECT_TRUE(IsCHExist(50));
    EXPECT_EQ(second.result(), QDialog::Accepted);
}

TEST_F(BandPlanDialog, TheOtherPlanStartsItsDefaultDataUntitled) {
    SetBandByType(1);
    const auto plan1Bands = FreLimitText;
    SetBandByType(0);
    AddDefaultFreData(50, "145.00000", 0, 0);
    Open();
    FrmModel dialog;
    platform::Ctl<platform::ComboBox>(&dialog, "Combo1", 1)->SetListIndex(1);
    prompts.expect("Frequency data will be cleared.", Buttons::OkCancel, Answer::Ok, Icon::Exclamation, true);
    dialog.CommandOK_Click();
    EXPECT_EQ(prompts.asked().back().title, "Warning");
    EXPECT_EQ(PCBand, 1);
    EXPECT_EQ(FreLimitText, plan1Bands);
    EXPECT_FALSE(IsCHExist(50));
    EXPECT_EQ(DataFileName, "new.dat");
    EXPECT_FALSE(IsDataChanged());
    EXPECT_TRUE(window->windowTitle().endsWith(":new.dat]"));
}

// A plan other than the two (from a data file) shows as the first, yet OK
// compares the choice with the stored plan: they differ, so it asks, and
// plan 0 applies with its band table and hyper ranges.
TEST_F(BandPlanDialog, APlanFromAFileOutsideTheTwoAsksAndAppliesTheChoice) {
    const auto plan0Ranges = HyperRangeText;
    const auto plan0Bands = FreLimitText;
    PCBand = 1;
    SetBandByType(1);
    InitHyperRange();
    ASSERT_NE(HyperRangeText, plan0Ranges);
    AddDefaultFreData(50, "145.00000", 0, 0);
    PCBand = 7;  // keeps the ranges it had
    Open();
    for (const Answer answer : {Answer::Cancel, Answer::Ok}) {
        FrmModel dialog;
        EXPECT_EQ(platform::Ctl<platform::ComboBox>(&dialog, "Combo1", 1)->ListIndex(), 0);
        prompts.expect("Frequency data will be cleared.", Buttons::OkCancel, answer, Icon::Exclamation, true);
        dialog.CommandOK_Click();
        EXPECT_TRUE(prompts.allAnswered());
        if (answer == Answer::Cancel) {
            EXPECT_EQ(PCBand, 7);
            EXPECT_TRUE(IsCHExist(50));
        }
    }
    EXPECT_EQ(PCBand, 0);
    EXPECT_EQ(HyperRangeText, plan0Ranges);
    EXPECT_EQ(FreLimitText, plan0Bands);
    EXPECT_FALSE(IsCHExist(50));
    EXPECT_EQ(DataFileName, "new.dat");
}

TEST_F(MainMenus, AboutBoxShowsTitleVersionAndTextsAndHasNoSystemInformation) {
    CopyPictures();
    for (int16_t lang : {int16_t{1}, int16_t{2}}) {
        UseLanguage(lang);
        frmAbout box;
        EXPECT_EQ(S(box.windowTitle()), GetLangText(5052));
        EXPECT_FALSE(platform::Ctl<QLabel>(&box, "picIcon")->pixmap().isNull());
        EXPECT_EQ(S(platform::Ctl<QLabel>(&box, "lblTitle")->text()), "KQ_314");
        EXPECT_EQ(S(platform::Ctl<QLabel>(&box, "lblVersion")->text()), GetLangText(2200) + " 2.0.3");
        EXPECT_EQ(S(platform::Ctl<QLabel>(&box, "lblDescription")->text()), GetLangText(2101));
        EXPECT_EQ(S(platform::Ctl<QLabel>(&box, "lblDisclaimer")->text()), GetLangText(2100));
        EXPECT_EQ(S(platform::Ctl<QPushButton>(&box, "cmdOK")->text()), GetLangText(101));
        EXPECT_TRUE(platform::Ctl<QPushButton>(&box, "cmdOK")->isDefault());
        prompts.expect("此时系统信息不可用", Buttons::Ok, Answer::Ok);
        platform::Ctl<QPushButton>(&box, "cmdSysInfo")->click();
        EXPECT_TRUE(prompts.allAnswered());
    }
}

}  // namespace
