#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QHeaderView>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include "MainWindowFixture.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "core/BandPlan.h"
#include "core/DataFiles.h"
#include "core/Defaults.h"
#include "core/HyperChannel.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"
#include "platform/ui/Grid.h"
#include "mainwindow/ColumnMap.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/Clock.h"
#include "platform/LateWork.h"
#include "platform/ui/ComboBox.h"
#include "platform/ProgramFolder.h"
#include "platform/UserSettings.h"

namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    void UseColumnMap(const std::string& content) {
        dir_.write("language/MainShowList.ini", content);
        LoadMainShowList();
    }
    // A window as large as a 1280 x 1024 screen, where a user first sees it.
    void OpenScreenSized() {
        settings_.SaveSetting("KQ_314", "Settings", "MainWidth", "19200");
        settings_.SaveSetting("KQ_314", "Settings", "MainHeight", "15360");
        Open();
    }
    std::vector<QLabel*> StatusPanels() {
        std::vector<QLabel*> panels;
        for (QLabel* l : Control<QStatusBar>("sbStatusBar")->findChildren<QLabel*>())
            if (l->text() != "Status") panels.push_back(l);
        return panels;
    }
    static std::string S(const QString& q) { return q.toStdString(); }
    // Whether rectangle `r` of widget `w` lies inside the client area.
    bool InClient(const QWidget* w, const QRect& r) {
        QWidget* client = window_->centralWidget();
        return client->rect().contains(QRect(w->mapTo(client, r.topLeft()), r.size()));
    }
    void Key(int key, Qt::KeyboardModifiers mods, int row) {
        Grid().SetCurrentCell(row, 1);
        QKeyEvent press(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(&Grid(), &press);
    }
};

}  // namespace

TEST_F(MainWindowTest, NormalViewPlacesChannelsByNumberAndLeavesTheCurrentCellHarmless) {
    UFreData a = Channel(500, "014512500", "REPEAT");
    a.ShiftDir = 1;
    a.De_CTC_Type = 2;
    a.De_DCSCode = 19;
    a.De_DCSInvert = 1;
    a.OptSig = 1;
    AddNormal(a);
    AddNormal(Channel(3, "022500000"));
    Open();

    EXPECT_EQ(Grid().Rows(), 759);
    EXPECT_EQ(Cell(500, Col::RxFre), "145.12500");
    EXPECT_EQ(Cell(500, Col::TxFre), "144.52500");
    EXPECT_EQ(Cell(500, Col::Name), "REPEAT");
    EXPECT_EQ(Cell(500, Col::DecodeTone), "D023I");
    EXPECT_EQ(Cell(500, Col::OptSig), "DTMF M1");
    EXPECT_EQ(Cell(3, Col::TxFre), "");  // receive band 1
    EXPECT_EQ(Cell(1, Col::RxFre), "");
    EXPECT_EQ(Cell(758, Col::Label), "758");
    EXPECT_EQ(Cell(758, Col::Open), ">>");
    EXPECT_EQ(Cell(0, Col::RxFre), "RX Freq (MHz)");
    EXPECT_EQ(Cell(0, Col::DecodeTone), "CTCSS/DCS\r\nDecode");
    EXPECT_EQ(Grid().ColWidthTwips(GetShowCol(Col::Name)), 1200);
    EXPECT_FALSE(Control<QFrame>("Frame1")->isVisible());
    // The rebuild leaves the current cell in the empty last column of the
    // last even row.
    EXPECT_EQ(Grid().Row(), 758);
    EXPECT_EQ(Grid().Col(), 12);
    EXPECT_TRUE(window_->FormLoaded);
    EXPECT_FALSE(window_->ListRefreshing);
    // Colours belong to display positions.
    EXPECT_EQ(Grid().CellForeColor(0, 3), QColor(0, 0, 155));
    EXPECT_EQ(Grid().CellForeColor(7, 0), QColor(0, 0, 255));
    EXPECT_EQ(Grid().CellBackColor(8, 5), QColor(250, 250, 240));
    EXPECT_FALSE(Grid().CellBackColor(7, 5).isValid());
}

TEST_F(MainWindowTest, LimitAndHyperViewsShowUsedRowsOnly) {
    CurData.LimitCH[2] = Channel(3, "043500000");
    CurData.LimitCH[3] = Channel(4, "043600000");
    CurData.LimitCH[3].UsedFlag = 2;
    Open();

    SwitchTo(1);
    EXPECT_EQ(Grid().Rows(), 11);
    EXPECT_EQ(Cell(3, Col::Label), "L2");
    EXPECT_EQ(Cell(10, Col::Label), "U5");
    EXPECT_EQ(Cell(3, Col::RxFre), "435.00000");
    EXPECT_EQ(Cell(4, Col::RxFre), "");
    EXPECT_EQ(Grid().Row(), 10);

    for (int16_t view : {2, 3}) {
        SwitchTo(view);
        EXPECT_EQ(Grid().Rows(), 13);
        EXPECT_EQ(Cell(1, Col::Label), "L-108");
        EXPECT_EQ(Cell(12, Col::Label), "HR-400");
        EXPECT_EQ(Cell(1, Col::RxFre), "108.00000");  // default hyper rows are used
        EXPECT_EQ(Grid().ColWidthTwips(GetShowCol(Col::Name)), 0);
        EXPECT_TRUE(Control<QFrame>("Frame1")->isVisible());
    }
    UFreData row = GetHyperChannel(2, 1);
    row.UsedFlag = 0;
    SetHyperChannel(2, 1, row);
    window_->ReShowGrid(0, 2, 0);
    EXPECT_EQ(Cell(2, Col::RxFre), "");
    EXPECT_EQ(Cell(2, Col::Label), "L-220");
    EXPECT_EQ(Cell(2, Col::Open), ">>");
}

TEST_F(MainWindowTest, NormalViewBlanksEveryAbsentRowThatShowsText) {
    AddNormal(Channel(2, "014600000"));
    CurData.LimitCH[0] = Channel(1, "043500000");
    Open();
    SwitchTo(1);
    EXPECT_EQ(Cell(1, Col::RxFre), "435.00000");
    // A leftover cell with text but an empty receive cell is blanked too.
    Grid().SetTextMatrix(5, GetShowCol(Col::Name), "stale");
    SwitchTo(0);
    EXPECT_EQ(Cell(1, Col::RxFre), "");
    EXPECT_EQ(Cell(1, Col::Power), "");
    EXPECT_EQ(Cell(2, Col::RxFre), "146.00000");
    EXPECT_EQ(Cell(5, Col::Name), "");
    EXPECT_EQ(Cell(1, Col::Label), "1");
}

TEST_F(MainWindowTest, SwappedColumnMapMovesHeadersAndCells) {
    UseColumnMap("2\r\n2,3\r\n3,2\r\n");
    UFreData ch = Channel(1, "014512500", "NAME");
    ch.ShiftDir = 2;
    AddNormal(ch);
    Open();
    EXPECT_EQ(Grid().TextMatrix(0, 3).toStdString(), "TX Freq (MHz)");
    EXPECT_EQ(Grid().TextMatrix(0, 2).toStdString(), "Name");
    EXPECT_EQ(Grid().TextMatrix(1, 3).toStdString(), "145.72500");
    EXPECT_EQ(Grid().TextMatrix(1, 2).toStdString(), "NAME");
    EXPECT_EQ(Grid().ColWidthTwips(2), 1200);  // the name column's width follows the name
    window_->ClearGridRow(1);
    for (int c = 1; c <= 10; ++c) EXPECT_EQ(Grid().TextMatrix(1, c).toStdString(), "") << c;
    EXPECT_EQ(Grid().TextMatrix(1, 11).toStdString(), ">>");
    EXPECT_EQ(Grid().TextMatrix(1, 0).toStdString(), "1");
}

TEST_F(MainWindowTest, EditorListsAreFilledOnceAndFollowTheLanguage) {
    Open();
    auto& w = *window_;
    SwitchTo(1);
    for (auto* box : {List("ComboDe_CTCSS"), List("ComboEn_CTCSS")}) {
        EXPECT_EQ(box->ListCount(), 52);
        EXPECT_EQ(box->List(51), "User");
    }
    EXPECT_EQ(w.Lookups().ctcss.size(), 52u);
    EXPECT_EQ(List("ComboDe_CDCSS")->ListCount(), 1024);
    EXPECT_EQ(List("ComboEn_CDCSS")->List(19), "D023N");
    EXPECT_EQ(List("ComboEn_CDCSS")->List(531), "D023I");
    EXPECT_EQ(List("ComboDe_CDCSS")->List(1023), "D777I");
    EXPECT_EQ(List("ComboStep")->List(2), "6.25K");
    EXPECT_EQ(List("ComboWN")->List(1), "20KHz");
    EXPECT_EQ(List("ComboOptSig")->ListCount(), 4);
    EXPECT_EQ(List("ComboOptSig")->List(2), "2Tone");

    LangIndex = 2;
    LangFilePath = "language/Tchinese.ini";
    w.Form_ReLoad();
    EXPECT_EQ(List("ComboDe_CTCSS")->ListCount(), 52);
    EXPECT_EQ(List("ComboDe_CTCSS")->List(51), "User");  // kept from the first fill
    EXPECT_NE(List("ComboPower")->List(0), "Low");
    EXPECT_NE(Cell(0, Col::RxFre), "RX Freq (MHz)");
    EXPECT_EQ(CHListType, 1);
    EXPECT_EQ(Grid().Rows(), 11);
}

// The filling of the editors' lists waits while late work is held; a window
// destroyed unclosed (closing would have run it) takes that work with it.
TEST_F(MainWindowTest, LateWorkOfAWindowDestroyedUnclosedIsDropped) {
    platform::ScopedHoldLateWork hold(true);
    Open();
    EXPECT_EQ(List("ComboDe_CDCSS")->ListCount(), 0) << "held";
    window_.reset();
    platform::RunLateWork();  // ASan: no use of the destroyed window
    Open();
    platform::RunLateWork();
    EXPECT_EQ(List("ComboDe_CDCSS")->ListCount(), 1024) << "a living window's work still runs";
}

TEST_F(MainWindowTest, RowClipboardCopiesCutsAndPastesInTheNormalView) {
    UFreData five = Channel(5, "014512500", "FIVE");
    five.TxPower = 3;
    AddNormal(five);
    AddNormal(Channel(7, "014700000"));
    Open();

    Key(Qt::Key_V, Qt::ControlModifier, 9);  // nothing copied yet
    EXPECT_EQ(CurData.CHCount, 2);

    Key(Qt::Key_C, Qt::ControlModifier, 5);
    Key(Qt::Key_V, Qt::ControlModifier, 9);
    EXPECT_EQ(CurData.CHCount, 3);
    EXPECT_EQ(Cell(9, Col::Name), "FIVE");
    EXPECT_EQ(Cell(9, Col::Power), "High");

    Key(Qt::Key_X, Qt::ControlModifier, 5);
    EXPECT_EQ(Cell(5, Col::RxFre), "");
    EXPECT_EQ(CurData.CHCount, 2);
    Key(Qt::Key_V, Qt::ControlModifier, 5);
    EXPECT_EQ(Cell(5, Col::Name), "FIVE");

    // Only Ctrl alone counts.
    Key(Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier, 7);
    Key(Qt::Key_Delete, Qt::NoModifier, 7);
    EXPECT_EQ(Cell(7, Col::RxFre), "147.00000");

    // An empty row's copy empties the target.
    Key(Qt::Key_C, Qt::ControlModifier, 20);
    Key(Qt::Key_V, Qt::ControlModifier, 7);
    EXPECT_EQ(Cell(7, Col::RxFre), "");
    EXPECT_EQ(CurData.CHCount, 2);
}

// Channel references are repaired after every Ctrl key on the grid, the
// three clipboard keys and any other.
TEST_F(MainWindowTest, RowClipboardKeysRepairChannelReferences) {
    AddNormal(Channel(5, "014512500"));
    AddNormal(Channel(7, "014700000"));
    Open();
    int16_t& emergency = CurData.FunSet.Alert.EmgCHNo;  // channel number - 1
    struct Step { const char* name; int key; int row; int16_t before, after; };
    const Step steps[] = {
        {"copy", Qt::Key_C, 5, 19, 6},           // channel 20 is missing: the last listed, 7
        {"cut", Qt::Key_X, 7, 6, 4},             // channel 7 goes: 5 is the last listed
        {"paste", Qt::Key_V, 9, 29, 8},          // channel 9 is appended
        {"another Ctrl key", Qt::Key_A, 9, 29, 8},
    };
    for (const Step& step : steps) {
        emergency = step.before;
        Key(step.key, Qt::ControlModifier, step.row);
        EXPECT_EQ(emergency, step.after) << step.name;
    }
}

TEST_F(MainWindowTest, PowerToneAndSignallingCellsFollowALanguageSwitch) {
    UFreData low = Channel(1, "014500000");
    low.TxPower = 0;
    UFreData mid = Channel(2, "014500000");
    mid.TxPower = 2;
    UFreData high = Channel(3, "014500000");
    high.TxPower = 3;
    for (const UFreData& ch : {low, mid, high}) AddNormal(ch);
    Open();
    ASSERT_EQ(Cell(1, Col::Power), "Low");
    ASSERT_EQ(Cell(1, Col::OptSig), "OFF");

    LangIndex = 2;
    LangFilePath = "language/Tchinese.ini";
    window_->Form_ReLoad();
    ASSERT_NE(GetLangText(1204), "Low");
    EXPECT_EQ(Cell(1, Col::Power), GetLangText(1204));
    EXPECT_EQ(Cell(2, Col::Power), GetLangText(1221) + "2");
    EXPECT_EQ(Cell(3, Col::Power), GetLangText(1205));
    for (const Col c : {Col::DecodeTone, Col::EncodeTone, Col::OptSig})
        EXPECT_EQ(Cell(1, c), GetLangText(1206)) << static_cast<int>(c);
}

// Closing the window writes the radio's feature flags to Setting.ini and
// takes every other open window of the program with it.
TEST_F(MainWindowTest, ClosingWritesTheFlagsFileAndClosesTheOtherWindows) {
    dir_.write("Setting.ini", std::string(10, 'x'));
    Open();
    QDialog first;
    QDialog second;
    first.show();
    second.show();
    QApplication::processEvents();
    SettingFlag = {1, 0, -1, 2};
    window_->close();
    EXPECT_EQ(dir_.read("Setting.ini"), std::string("\x01\x00\x00\x00\xFF\xFF\x02\x00xx", 10));
    EXPECT_FALSE(first.isVisible());
    EXPECT_FALSE(second.isVisible());
}

TEST_F(MainWindowTest, RowClipboardDoesNothingOutsideTheNormalView) {
    AddNormal(Channel(1, "014512500"));
    CurData.LimitCH[1] = Channel(2, "043500000");
    Open();
    Key(Qt::Key_C, Qt::ControlModifier, 1);
    SwitchTo(1);
    Key(Qt::Key_V, Qt::ControlModifier, 2);
    Key(Qt::Key_X, Qt::ControlModifier, 2);
    EXPECT_EQ(CurData.LimitCH[1].UsedFlag, 1);
    EXPECT_EQ(Cell(2, Col::RxFre), "435.00000");
    EXPECT_EQ(CurData.CHCount, 1);
}

TEST_F(MainWindowTest, ClipboardSurvivesOpenAndIsClearedByNew) {
    AddNormal(Channel(5, "014512500", "FIVE"));
    Open();
    Key(Qt::Key_C, Qt::ControlModifier, 5);

    DataFileName = dir_.file("a.dat");
    ASSERT_TRUE(WriteDatFile());
    ASSERT_TRUE(ReadDatFile(dir_.file("a.dat")));
    Key(Qt::Key_V, Qt::ControlModifier, 8);
    EXPECT_EQ(Cell(8, Col::Name), "FIVE");

    NewDataFile();
    const int16_t count = CurData.CHCount;
    Key(Qt::Key_V, Qt::ControlModifier, 9);
    EXPECT_EQ(CurData.CHCount, count);
    EXPECT_EQ(Cell(9, Col::RxFre), "");
}

TEST_F(MainWindowTest, TitleNamesTheModelAndTheDataFile) {
    Open();
    EXPECT_EQ(window_->windowTitle().toStdString(), "KQ_314[KQ-314][File:new.dat]");
    DataFileName = dir_.file("radio.dat");
    ASSERT_TRUE(WriteDatFile());
    EXPECT_EQ(window_->windowTitle().toStdString(), "KQ_314[KQ-314][File:" + dir_.file("radio.dat") + "]");
    NewDataFile();
    EXPECT_EQ(window_->windowTitle().toStdString(), "KQ_314[KQ-314][File:new.dat]");
}

TEST_F(MainWindowTest, DialogsRedrawARowOrReloadTheWindowThroughItsView) {
    AddNormal(Channel(3, "014512500", "OLD"));
    Open();
    UFreList[0].CHName = FixStr<7>::Of("NEW");
    MainView().ReShowGrid(1, 3, 0);
    EXPECT_EQ(Cell(3, Col::Name), "OLD") << "only grid 0 has channel rows";
    MainView().ReShowGrid(0, 3, 0);
    EXPECT_EQ(Cell(3, Col::Name), "NEW");

    const std::string english = Cell(0, Col::RxFre);
    LangIndex = 2;
    LangFilePath = LangFileOf(2);
    MainView().Form_ReLoad();
    EXPECT_EQ(Cell(0, Col::RxFre), GetLangText(1101));
    EXPECT_NE(Cell(0, Col::RxFre), english);

    window_->close();
    UFreList[0].CHName = FixStr<7>::Of("LAST");
    MainView().ReShowGrid(0, 3, 0);
    EXPECT_EQ(Cell(3, Col::Name), "NEW") << "a closed window is out of reach";
}

TEST_F(MainWindowTest, WindowPositionIsRestoredAndStored) {
    settings_.SaveSetting("KQ_314", "Settings", "MainLeft", "1500");
    settings_.SaveSetting("KQ_314", "Settings", "MainTop", "3000");
    settings_.SaveSetting("KQ_314", "Settings", "MainWidth", "15000");
    settings_.SaveSetting("KQ_314", "Settings", "MainHeight", "9000");
    Open();
    EXPECT_EQ(window_->frameGeometry(), QRect(100, 200, 1000, 600));
    // 30 twips right of the splitter, which stands at 2400 twips or right of
    // the longest node text.
    EXPECT_GE(Control<QTreeWidget>("tvTreeView")->width(), 160);
    EXPECT_EQ((&Grid())->x(), Control<QTreeWidget>("tvTreeView")->width() + 2);

    // The outer bounds are stored, frame included.
    window_->move(40, 60);
    window_->resize(900, 700);
    const QSize outer = window_->frameGeometry().size();
    ASSERT_NE(outer, QSize(900, 700));
    window_->close();
    EXPECT_EQ(settings_.GetSetting("KQ_314", "Settings", "MainLeft", ""), "600");
    EXPECT_EQ(settings_.GetSetting("KQ_314", "Settings", "MainTop", ""), "900");
    EXPECT_EQ(settings_.GetSetting("KQ_314", "Settings", "MainWidth", ""), std::to_string(outer.width() * 15));
    EXPECT_EQ(settings_.GetSetting("KQ_314", "Settings", "MainHeight", ""), std::to_string(outer.height() * 15));
}

TEST_F(MainWindowTest, MinimisedWindowKeepsTheStoredBounds) {
    settings_.SaveSetting("KQ_314", "Settings", "MainLeft", "1500");
    Open();
    window_->showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(window_->isMinimized());
    window_->move(300, 300);
    window_->close();
    EXPECT_EQ(settings_.GetSetting("KQ_314", "Settings", "MainLeft", ""), "1500");
    EXPECT_FALSE(settings_.Has("KQ_314", "Settings", "MainWidth"));
}

TEST_F(MainWindowTest, FirstRunFillsTheScreen) {
    settings_.SaveSetting("KQ_314", "Settings", "MainWidth", "not a number");
    Open();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(window_->frameGeometry(), QRect(QPoint(0, 0), screen));
}

// Nothing in the window (status panels, toolbar, menu bar) holds it wider
// than 3000 twips, and narrower snaps back to exactly that.
TEST_F(MainWindowTest, TheWindowNarrowsTo3000TwipsAndNoFurther) {
    dir_.clock.Set({2015, 12, 26, 14, 7, 9});
    OpenScreenSized();
    auto& w = *window_;
    // With room, the date and time panels are at least 1440 twips wide.
    for (QLabel* panel : StatusPanels()) EXPECT_GE(panel->width(), 96) << S(panel->text());
    struct Case { const char* name; int asked, got; };
    const Case cases[] = {
        {"narrower", 100, 200},
        {"exactly 3000 twips", 200, 200},
        {"a little wider", 230, 230},
    };
    const int splitter = Control<QWidget>("imgSplitter")->x();
    for (const auto& c : cases) {
        w.resize(c.asked - (w.frameGeometry().width() - w.width()), 500);
        QApplication::processEvents();
        EXPECT_EQ(w.frameGeometry().width(), c.got) << c.name;
        // The passing narrower width does not push the splitter left.
        EXPECT_EQ(Control<QWidget>("imgSplitter")->x(), splitter) << c.name;
    }
}

TEST_F(MainWindowTest, BarSwitchesKeepTheHeaderRowAndTheTreeInView) {
    dir_.clock.Set({2015, 5, 26, 14, 7, 9});
    OpenScreenSized();
    auto& w = *window_;
    QWidget* client = w.centralWidget();
    QTreeWidget* tree = Control<QTreeWidget>("tvTreeView");
    QWidget* header = Grid().horizontalHeader();
    struct Step { const char* name; QAction* item; bool toolbar, status; };
    const Step steps[] = {
        {"toolbar off", Control<QAction>("MnuViewToolBar"), false, true},
        {"status bar off", Control<QAction>("MnuViewStatusBar"), false, false},
        {"toolbar on", Control<QAction>("MnuViewToolBar"), true, false},
        {"status bar on", Control<QAction>("MnuViewStatusBar"), true, true},
    };
    for (const Step& step : steps) {
        step.item->trigger();  // as the menu does
        QApplication::processEvents();
        SCOPED_TRACE(step.name);
        EXPECT_EQ(Control<QToolBar>("tbToolBar")->isHidden(), !step.toolbar);
        EXPECT_EQ(Control<QStatusBar>("sbStatusBar")->isHidden(), !step.status);
        // Tree and grid fill the client area from its top to its bottom.
        for (QWidget* pane : {static_cast<QWidget*>(tree), static_cast<QWidget*>(&Grid())}) {
            EXPECT_EQ(pane->y(), 0) << S(pane->objectName());
            EXPECT_LE(pane->geometry().bottom(), client->height() - 1) << S(pane->objectName());
        }
        EXPECT_EQ(tree->geometry().bottom(), client->height() - 1);
        // The whole header row and the first node lie inside the client area.
        EXPECT_TRUE(InClient(header, header->rect()));
        EXPECT_TRUE(InClient(tree->viewport(), tree->visualItemRect(tree->topLevelItem(0))));
        // The client area starts right below the toolbar, or the menu bar.
        const int barBottom =
            step.toolbar ? Control<QToolBar>("tbToolBar")->geometry().bottom() + 1 : w.menuBar()->height();
        EXPECT_EQ(client->y(), barBottom);
    }

    QStringList texts;
    for (QLabel* l : Control<QStatusBar>("sbStatusBar")->findChildren<QLabel*>()) texts << l->text();
    EXPECT_TRUE(texts.contains("Status"));
    EXPECT_TRUE(texts.contains(QLocale::system().toString(QDate(2015, 5, 26), QLocale::ShortFormat)));
    EXPECT_TRUE(texts.contains(QLocale::system().toString(QTime(14, 7, 9), QLocale::ShortFormat)));
}

// The panel stands 3240 twips from the left and 4440 twips below the top of
// the client area (the menu bar's bottom), wherever the toolbar is; each shown
// caption ends 50 twips before its list and is centred on it.
TEST_F(MainWindowTest, HyperPanelStandsAtItsPlaceWithCaptionsBesideTheirLists) {
    OpenScreenSized();
    auto& w = *window_;
    w.mnuEditCH_Hyper1_Click();
    QAction* toolbarSwitch = Control<QAction>("MnuViewToolBar");
    for (QAction* toolbar : {static_cast<QAction*>(nullptr), toolbarSwitch, toolbarSwitch}) {
        if (toolbar) toolbar->trigger();
        QApplication::processEvents();
        SCOPED_TRACE(Control<QToolBar>("tbToolBar")->isHidden() ? "without toolbar" : "with toolbar");
        ASSERT_TRUE(Control<QFrame>("Frame1")->isVisible());
        EXPECT_EQ(Control<QFrame>("Frame1")->mapTo(&w, QPoint()), QPoint(216, w.menuBar()->height() + 296));
        EXPECT_EQ(Control<QFrame>("Frame1")->size(), QSize(585, 177));
    }
    constexpr int kListOfLabel[] = {0, 2, 4, 6, 8, 9, 10, 11};
    for (int i = 0; i < 8; ++i) {
        const QLabel* label = Control<QLabel>("Label1", i);
        const QWidget* list = Control<platform::ComboBox>("Combo2", kListOfLabel[i]);
        EXPECT_EQ(label->geometry().right() + 1 + 3, list->x()) << i;  // 50 twips
        EXPECT_LE(std::abs(label->geometry().center().y() - list->geometry().center().y()), 1) << i;
        EXPECT_EQ(label->text().toStdString(), GetLangText(static_cast<int16_t>(7001 + i))) << i;
    }
}

// The last, empty column takes exactly the width the other columns leave, so
// no view of a screen-sized window scrolls sideways; a narrow window does.
TEST_F(MainWindowTest, TheLastColumnFillsTheGridWithoutAScrollBar) {
    OpenScreenSized();
    auto& w = *window_;
    auto columnsWidth = [&] {
        int sum = 0;
        for (int c = 0; c < Grid().model()->columnCount(); ++c) sum += Grid().columnWidth(c);
        return sum;
    };
    for (int16_t view : {0, 1, 2, 3, 0}) {
        SCOPED_TRACE(view);
        SwitchTo(view);
        QApplication::processEvents();
        EXPECT_EQ(Grid().horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(columnsWidth(), Grid().viewport()->width());
        EXPECT_GT(Grid().ColWidthTwips(12), 0);
    }
    LangIndex = 2;
    LangFilePath = "language/Tchinese.ini";
    w.Form_ReLoad();
    QApplication::processEvents();
    EXPECT_EQ(Grid().horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(columnsWidth(), Grid().viewport()->width());

    // Narrow: the columns keep their widths and the last one has none.
    w.resize(400, w.height());
    QApplication::processEvents();
    EXPECT_EQ(Grid().ColWidthTwips(12), 0);
    EXPECT_GT(Grid().horizontalScrollBar()->maximum(), 0);
}

TEST_F(MainWindowTest, SplitterDragStopsAtTheEdgeAndTheMiddle) {
    settings_.SaveSetting("KQ_314", "Settings", "MainWidth", "30000");
    settings_.SaveSetting("KQ_314", "Settings", "MainHeight", "12000");
    Open();
    auto& w = *window_;
    const int start = Control<QWidget>("imgSplitter")->x();
    w.imgSplitter_MouseDown();
    EXPECT_TRUE(Control<QWidget>("picSplitter")->isVisible());
    w.imgSplitter_MouseMove(-9000);
    EXPECT_EQ(Control<QWidget>("picSplitter")->x(), 2);  // 30 twips
    w.imgSplitter_MouseMove(20000);
    EXPECT_EQ(Control<QWidget>("picSplitter")->x(), 1000);  // half of 2000 pixels
    w.imgSplitter_MouseMove(600);
    w.imgSplitter_MouseUp();
    EXPECT_FALSE(Control<QWidget>("picSplitter")->isVisible());
    EXPECT_FALSE(w.SplitterMoving);
    EXPECT_EQ(Control<QTreeWidget>("tvTreeView")->width(), start + 40);  // 600 twips right
    EXPECT_EQ((&Grid())->x(), start + 42);
}
