#pragma once
// What the main window's menus, toolbar and tree offer, as plain tables, and
// the file commands behind them. The window builds its widgets from the
// tables and calls the commands; neither depends on a widget.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Every command the menus, the toolbar and the tree can run.
enum class MainCommand {
    None,
    // File
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FilePrint,
    FileExit,
    // Model
    ModelInfo,
    // Edit: the four channel views, the settings and signalling dialogs
    ShowGrid,
    ViewNormal,
    ViewLimit,
    ViewHyper1,
    ViewHyper2,
    Options,
    TVList,
    DTMF,
    TwoTone,
    FiveTone,
    Scan,
    Alert,
    CommBook,
    Note,
    EmbedInfo,
    TestData,
    CHBatch,
    // Set
    SetCom,
    SetLanguage,
    SetInit,
    // Program
    ProRead,
    ProWrite,
    ProPassWord,
    // View
    ViewToolBar,
    ViewStatusBar,
    // Help
    HelpContent,
    HelpAbout,
};

// ---- menu bar -------------------------------------------------------------------

// One entry of the menu tree, in menu order. A top-level menu has an empty
// parent; a separator has caption 0.
struct MenuEntry {
    std::string_view name;
    std::string_view parent;
    int16_t caption = 0;
    std::string_view shortcut;  // "Ctrl+N", or empty
    bool shown = true;          // decided by the feature switches at load
    MainCommand command = MainCommand::None;
    bool checkable = false;
};

// The whole menu tree under the current feature switches (ScanEnable,
// AlertEnable, HelpEnable and the factory mode). Items that are never shown
// (Print, its separator, the 128-frequency list) are part of it, hidden.
std::vector<MenuEntry> MenuEntries();

// ---- toolbar --------------------------------------------------------------------

// One toolbar button, left to right; a separator has an empty key. `tip` 0:
// the button has no tip. `picture` numbers the toolbar pictures from 1.
struct ToolButtonEntry {
    std::string_view key;
    int16_t tip = 0;
    int picture = 0;
    MainCommand command = MainCommand::None;
};
const std::vector<ToolButtonEntry>& ToolButtonEntries();
// The command of a button key (exact comparison); None for an unknown key.
MainCommand ToolButtonCommand(std::string_view key);

// ---- tree -----------------------------------------------------------------------

struct TreeNodeEntry {
    std::string key;
    std::string parent;  // empty for the root
    std::string text;    // UTF-8, in the current language
    MainCommand command = MainCommand::None;
    bool expanded = false;
};
// The nodes of the tree in build order, with the texts of the current
// language; nodes of a switched-off feature are left out.
std::vector<TreeNodeEntry> TreeNodes();
// The command a click on the node `key` runs; None for the root and any
// unknown key.
MainCommand TreeNodeCommand(std::string_view key);

// ---- file commands -----------------------------------------------------------------
// Each asks through the prompt seam and chooses files through the file-dialog
// seam; the data operations redraw the main window themselves.

// "Data File (*.dat)|*.dat".
std::string DataFileFilter();
// The overwrite question: "\"a.dat\"file will be Overwrite,Continue?".
std::string OverwriteQuestion(std::string_view dataFileName);

// File > New. Asks to save changed data first (a "Yes" whose save did not
// happen stops it), then, unless Set > Init runs it, whether to clear all
// data; then the default configuration, untitled.
void FileNew();
// File > Open. Asks to save changed data first (Cancel, or a "Yes" whose
// save did not happen, stops it), then opens the chosen file. A file that is
// cancelled or refused leaves the data, its saved copy and its name alone.
void FileOpen();
// File > Save: Save As while the data has no file of its own, else the
// overwrite question and the save. True when the data was written.
bool FileSave();
// File > Save As: the chosen name (".dat" added when missing) becomes the
// data file's name only when the save succeeds. True when written.
bool FileSaveAs();
// Set > Init: File New that loads every channel of the default data file
// and asks no clearing question. Cancel at the save-first question, or a
// "Yes" whose save did not happen, stops it.
void SetInit();

// ---- hyper bank panel ------------------------------------------------------------

// The numbers of the used normal channels for the panel's two normal-channel
// lists, ascending: every one on the left, on the right only those whose
// receive frequency a hyper bank's right side can transmit on.
struct HyperChannelLists {
    std::vector<int16_t> left;
    std::vector<int16_t> right;
};
HyperChannelLists HyperNormalChannelLists();
