#pragma once
// The main window: the tree of data areas on the left, the channel grid on
// the right, toolbar, status bar and the hyper bank panel. This file holds
// the frame (load, reload, unload, layout, title) and the channel grid's
// views and row clipboard; the tree, the menus, the in-cell editors and the
// hyper panel add their parts to the same class.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include <QMainWindow>

#include "core/ChannelLists.h"
#include "mainwindow/ChannelRowText.h"
#include "mainwindow/MainCommands.h"
#include "platform/ui/Controls.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QTimer;
class QTreeWidget;
class QToolBar;
class QStatusBar;
namespace platform {
class CellEditorHost;
class ComboBox;
class Grid;
class TextBox;
}
// The in-cell editors' names (mainwindow/CellEditing.h).
enum class CellEditor : int8_t;
class QKeyEvent;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // ---- frame ----
    // Runs once after creation, before the window is first shown.
    void Form_Load();
    // Re-applies the language after a language switch.
    void Form_ReLoad();
    // Runs once when the window closes.
    void Form_Unload();
    // "KQ_314[model][File:path]".
    void ShowMainTxt();
    // Lays out tree, splitter and grid with the splitter at x twips.
    void SizeControls(float x);
    void MnuViewToolBar_Click();
    void MnuViewStatusBar_Click();
    // The splitter drag; x is the mouse position in twips from the
    // splitter's left edge.
    void imgSplitter_MouseDown();
    void imgSplitter_MouseMove(float x);
    void imgSplitter_MouseUp();
    // Builds the tree of data areas.
    void LoadShowTree();

    // ---- menus, toolbar and tree ----
    // Runs a command of the menus, the toolbar or the tree.
    void RunCommand(MainCommand command);
    void mnuFileNew_Click() { RunCommand(MainCommand::FileNew); }
    void mnuFileOpen_Click() { RunCommand(MainCommand::FileOpen); }
    void mnuFileSave_Click() { RunCommand(MainCommand::FileSave); }
    void mnuFileSaveAs_Click() { RunCommand(MainCommand::FileSaveAs); }
    void mnuFileExit_Click() { RunCommand(MainCommand::FileExit); }
    // The print item dialog; its menu item ships hidden.
    void mnuFilePrint_Click() { RunCommand(MainCommand::FilePrint); }
    void MnuModelInfo_Click() { RunCommand(MainCommand::ModelInfo); }
    void mnuEditCH_Normal_Click() { RunCommand(MainCommand::ViewNormal); }
    void mnuEditCH_Limit_Click() { RunCommand(MainCommand::ViewLimit); }
    void mnuEditCH_Hyper1_Click() { RunCommand(MainCommand::ViewHyper1); }
    void mnuEditCH_Hyper2_Click() { RunCommand(MainCommand::ViewHyper2); }
    void MnuSetInit_Click() { RunCommand(MainCommand::SetInit); }
    void mnuProRead_Click() { RunCommand(MainCommand::ProRead); }
    void MnuProWrite_Click() { RunCommand(MainCommand::ProWrite); }
    void MnuEMg_Click() { RunCommand(MainCommand::EmbedInfo); }
    void MnuHelpAbout_Click() { RunCommand(MainCommand::HelpAbout); }
    void MnuViewSetMode_Click() { RunCommand(MainCommand::Options); }
    void MnuViewDTMF_Click() { RunCommand(MainCommand::DTMF); }
    void MnuView2Tone_Click() { RunCommand(MainCommand::TwoTone); }
    void MnuView5Tone_Click() { RunCommand(MainCommand::FiveTone); }
    void MnuViewScan_Click() { RunCommand(MainCommand::Scan); }
    void MnuViewAlert_Click() { RunCommand(MainCommand::Alert); }
    void MnuCommBook_Click() { RunCommand(MainCommand::CommBook); }
    void MnuViewNote_Click() { RunCommand(MainCommand::Note); }
    void mnuTestData_Click() { RunCommand(MainCommand::TestData); }
    void MnuCHBatch_Click() { RunCommand(MainCommand::CHBatch); }
    void MnuSetCom_Click() { RunCommand(MainCommand::SetCom); }
    void MnuSetLanguage_Click() { RunCommand(MainCommand::SetLanguage); }
    void MnuProPassWord_Click() { RunCommand(MainCommand::ProPassWord); }
    void MnuHelpContent_Click() { RunCommand(MainCommand::HelpContent); }
    // The toolbar's click by button key; an unknown key does nothing.
    void tbToolBar_ButtonClick(std::string_view key);
    // A click (or Enter) on the tree node `key`.
    void tvTreeView_NodeClick(std::string_view key);
    // A menu item or a toolbar button by its name or key; nullptr when none.
    QAction* MenuItem(std::string_view name) const;
    QAction* ToolButton(std::string_view key) const;

    // ---- hyper bank panel ----
    // Store a panel control's value into the viewed bank (hyper views only).
    void Combo2_Click(int16_t index);
    void Check1_Click(int16_t index);

    // ---- channel grid views ----
    // Shape, headers and lists of the current view, then every row.
    void ShowListByData();
    void InitShowListContent();
    // Title and every row of the current view (and the hyper panel).
    void ReShowListByData();
    // Writes row `row` from `ch`; without it, from ShowCHData.
    void ShowCHInfoByList(int16_t row, const UFreData& ch);
    void ShowCHInfoByList(int16_t row);
    // Header row, lookup lists and editor lists.
    void LoadShowList();
    // The in-cell editors' lists.
    void LoadEditorLists();

    // ---- row redraw and row clipboard ----
    // Redraws one row of grid 0 from the data of the current view; the
    // column is not used.
    void ReShowGrid(int16_t index, int16_t row, int16_t col);
    // Empties the ten data cells of a row.
    void ClearGridRow(int16_t row);
    // Ctrl+C, Ctrl+X, Ctrl+V on the grid. `shift`: 1 Shift, 2 Ctrl, 4 Alt.
    void MSFlexGrid1_KeyDown(int16_t index, int keyCode, int shift);

    // ---- in-cell editing ----
    // Opens the editor of the grid's current cell (double-click, Enter).
    void MSFlexGrid1_DblClick(int16_t index);
    // Enter (13) opens the editor of the current cell; other keys nothing.
    void MSFlexGrid1_KeyPress(int16_t index, int key);
    // The current cell moved: closes the open editor.
    void MSFlexGrid1_EnterCell(int16_t index);
    void MSFlexGrid1_Click(int16_t index);
    // Stores the open text editor's value and closes whichever editor is
    // open. False when the receive editor stays open on a text that is no
    // number (after the frequency warning).
    bool SaveOldData();
    // A channel without a receive frequency gets the receive editor instead
    // of the one asked for: false then.
    bool CheckRxBeforeEdit(int16_t& chNo);
    // The tone chain from a type editor into its CTCSS or DCS list (mode 1).
    void ShowDeToneCombo(int16_t mode);
    void ShowEnToneCombo(int16_t mode);
    // Stores an open editor into the list and channel it was opened on and
    // closes it; a receive text that is no number is dropped after the
    // warning. Every command that switches the view or replaces the data
    // calls it first.
    void CommitPendingEditor();

    // The hidden lookup lists (step, CTCSS, DCS) the cells and the printed
    // report read.
    const RowLookups& Lookups() const { return lookups_; }

    // ---- window flags ----
    bool FormLoaded = false;
    bool ListRefreshing = false;
    bool ListIniting = false;
    bool ComboSetting = false;
    bool SplitterMoving = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class RedrawSeam;

    // The window's controls, all named and found by name and index from
    // outside (platform::Ctl); kept here for the window's own use.
    platform::Grid* MSFlexGrid1 = nullptr;
    QTreeWidget* tvTreeView = nullptr;
    QToolBar* tbToolBar = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QWidget* imgSplitter = nullptr;
    QWidget* picSplitter = nullptr;
    // The hyper bank panel, shown in the hyper views only.
    QFrame* Frame1 = nullptr;
    std::array<platform::ComboBox*, 14> Combo2{};
    std::array<QCheckBox*, 9> Check1{};
    std::array<QLabel*, 8> Label1{};
    std::array<QLabel*, 2> Label2{};
    QLabel* Label3 = nullptr;
    // The radio session's reply timer.
    QTimer* WaitTimer = nullptr;
    // The View menu's two check items (the menu places them).
    QAction* MnuViewToolBar = nullptr;
    QAction* MnuViewStatusBar = nullptr;
    // The thirteen in-cell editors, hidden until an edit opens one.
    platform::CellEditorHost* editors_ = nullptr;
    // Names `control` and keeps it in the window's index of controls.
    template <class T>
    T* Keep(T* control, std::string_view name, int index = -1) {
        platform::SetControlName(control, name, index);
        platform::IndexControl(this, control);
        return control;
    }

    void CreateControls();
    void CreateMenus();
    void CreateToolBarButtons();
    void ConnectTree();
    void CreateHyperPanel();
    void ShowMenusBySwitches();
    // Shows the channel grid, and the hyper panel in the hyper views.
    void ShowGridView(int16_t which);
    void SwitchView(int16_t listType);
    // The two normal-channel lists of the hyper panel, from the data.
    void FillHyperChannelLists();
    // The in-cell editors and the grid events they follow.
    void CreateEditors(QWidget* central);
    void CreateStatusBar();
    void UpdateClock();
    void ApplyBarSwitches();
    void FitTreeToNodeTexts();
    bool BelowMinimumWidth() const;
    void RestoreGeometry();
    void StoreGeometry();
    void SetGridFixedFormat();
    void RefreshCellLanguageTexts();
    bool RowShowsText(int16_t row) const;
    // Places kept for the hyper panel: its captions and lists, and its
    // values from the viewed bank.
    void LoadHyperPanelLists();
    void FitHyperPanelColumns();
    void ShowHyperPanel();
    double SplitterLeftTwips() const;
    double ClientTopOfCentralTwips() const;

    RowLookups lookups_;
    QLabel* statusText_ = nullptr;
    QLabel* statusDate_ = nullptr;
    QLabel* statusTime_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    RedrawSeam* seam_ = nullptr;
    bool unloaded_ = false;

    // In-cell editing (frmMainEditors.cpp).
    QWidget* EditorWidget(CellEditor e) const;
    platform::ComboBox* List(CellEditor e) const;
    platform::TextBox* TextEditor(CellEditor e) const;
    CellEditor OpenEditor() const;
    void ShowEditorOverCell(CellEditor e);
    void PrimeList(CellEditor e);
    void ListEditorChosen(CellEditor e, int index);
    void ShowToneCodeList(CellEditor typeEditor);
    bool EditorKey(CellEditor e, QKeyEvent* event);
    // A key typed into the dropped-down list of a tone editor.
    bool OpenListKey(CellEditor e, const QKeyEvent* event);
    void MoveInList(CellEditor e, int arrow);
    bool StoreReceiveText();
    // Closes an open editor without storing: the data under it has been
    // replaced.
    void DropPendingEditor();
    // The list the last editor was opened on.
    ListType editList_ = ListType::Normal;
    // The receive text last warned about: one mistake, one warning, however
    // many cell moves try to store it; Enter in the editor warns again.
    std::string rxWarnedText_;
    bool rxWarned_ = false;
};
