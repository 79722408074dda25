#include "mainwindow/MainCommands.h"

#include <algorithm>
#include <array>

#include "core/BandPlan.h"
#include "core/DataFiles.h"
#include "core/FreCodec.h"
#include "core/LangText.h"
#include "core/MsgText.h"
#include "core/NumericText.h"
#include "core/SavedCopy.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "platform/FileDialogs.h"
#include "platform/Prompts.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

bool On(int16_t featureSwitch) { return featureSwitch != 0; }

std::string TrimBlanks(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The question before data that changed is replaced. Yes saves first; the
// command goes on only when that save really happened, since going on
// would otherwise lose the data the user meant to keep.
enum class SaveFirst { GoOn, Stop };
SaveFirst AskSaveFirst(const std::string& question, bool cancelStops) {
    if (!IsDataChanged()) return SaveFirst::GoOn;
    switch (platform::MsgBox(question, Buttons::YesNoCancel, Icon::Exclamation)) {
        case Answer::Yes: return FileSave() ? SaveFirst::GoOn : SaveFirst::Stop;
        case Answer::Cancel: return cancelStops ? SaveFirst::Stop : SaveFirst::GoOn;
        default: return SaveFirst::GoOn;
    }
}

// New and Init share everything but the clearing question and whether
// Cancel at the first question stops.
void NewData(bool cancelStops) {
    const std::string question = TrimBlanks(GetMsgText("9001"));
    if (AskSaveFirst(question, cancelStops) == SaveFirst::Stop) return;
    if (InitDataMode == 0 &&
        platform::MsgBox(MsgText().MsgClearAll, Buttons::OkCancel, Icon::Exclamation) != Answer::Ok)
        return;
    NewDataFile();
}

}  // namespace

namespace {

MenuEntry Menu(std::string_view name, std::string_view parent, int16_t caption) {
    return {name, parent, caption, {}, true, MainCommand::None, false};
}
MenuEntry Bar(std::string_view name, std::string_view parent, bool shown = true) {
    return {name, parent, 0, {}, shown, MainCommand::None, false};
}
MenuEntry Item(std::string_view name, std::string_view parent, int16_t caption, MainCommand command,
               bool shown = true, std::string_view shortcut = {}) {
    return {name, parent, caption, shortcut, shown, command, false};
}
MenuEntry Check(std::string_view name, std::string_view parent, int16_t caption, MainCommand command) {
    return {name, parent, caption, {}, true, command, true};
}
ToolButtonEntry Gap() { return {{}, 0, 0, MainCommand::None}; }

}  // namespace

std::vector<MenuEntry> MenuEntries() {
    using C = MainCommand;
    const bool scan = On(ScanEnable);
    const bool alert = On(AlertEnable);
    const bool help = On(HelpEnable);
    const bool factory = TestDataEnable;
    constexpr bool kNeverShown = false;
    return {
        Menu("mnuFile", "", 1000),
        Item("mnuFileNew", "mnuFile", 1001, C::FileNew, true, "Ctrl+N"),
        Item("mnuFileOpen", "mnuFile", 1002, C::FileOpen, true, "Ctrl+O"),
        Item("mnuFileSave", "mnuFile", 1003, C::FileSave, true, "Ctrl+S"),
        Item("mnuFileSaveAs", "mnuFile", 1004, C::FileSaveAs),
        Bar("mnuFileBar0", "mnuFile", kNeverShown),
        Item("mnuFilePrint", "mnuFile", 1005, C::FilePrint, kNeverShown),
        Bar("mnuFileBar1", "mnuFile"),
        Item("mnuFileExit", "mnuFile", 1006, C::FileExit),
        Menu("MnuModel", "", 1060),
        Item("MnuModelInfo", "MnuModel", 1061, C::ModelInfo),
        Menu("mnuEdit", "", 1010),
        Menu("mnuEditCH", "mnuEdit", 1011),
        Item("mnuEditCH_Normal", "mnuEditCH", 1070, C::ViewNormal),
        Item("mnuEditCH_Limit", "mnuEditCH", 1071, C::ViewLimit),
        Item("mnuEditCH_Hyper1", "mnuEditCH", 1072, C::ViewHyper1),
        Item("mnuEditCH_Hyper2", "mnuEditCH", 1073, C::ViewHyper2),
        Item("MnuViewSetMode", "mnuEdit", 1021, C::Options),
        Item("MnuViewTV", "mnuEdit", 1022, C::TVList, kNeverShown),
        Item("MnuViewDTMF", "mnuEdit", 1023, C::DTMF),
        Item("MnuView2Tone", "mnuEdit", 1024, C::TwoTone),
        Item("MnuView5Tone", "mnuEdit", 1025, C::FiveTone),
        Item("MnuViewScan", "mnuEdit", 2401, C::Scan, scan),
        Item("MnuViewAlert", "mnuEdit", 2601, C::Alert, alert),
        Item("MnuCommBook", "mnuEdit", 1804, C::CommBook),
        Item("MnuViewNote", "mnuEdit", 3301, C::Note),
        Item("MnuEMg", "mnuEdit", 1028, C::EmbedInfo),
        Item("mnuTestData", "mnuEdit", 8001, C::TestData, factory),
        Bar("mnuEditBar0", "mnuEdit"),
        Item("MnuCHBatch", "mnuEdit", 1029, C::CHBatch),
        Menu("MnuSet", "", 1030),
        Item("MnuSetCom", "MnuSet", 1031, C::SetCom),
        Item("MnuSetLanguage", "MnuSet", 1032, C::SetLanguage),
        Item("MnuSetInit", "MnuSet", 1033, C::SetInit),
        Menu("mnuPro", "", 1040),
        Item("mnuProRead", "mnuPro", 1041, C::ProRead),
        Item("MnuProWrite", "mnuPro", 1042, C::ProWrite),
        Item("MnuProPassWord", "mnuPro", 1043, C::ProPassWord),
        Menu("MnuView", "", 1020),
        Check("MnuViewToolBar", "MnuView", 1026, C::ViewToolBar),
        Check("MnuViewStatusBar", "MnuView", 1027, C::ViewStatusBar),
        Menu("MnuHelp", "", 1050),
        Item("MnuHelpContent", "MnuHelp", 1051, C::HelpContent, help),
        Item("MnuHelpAbout", "MnuHelp", 1052, C::HelpAbout),
    };
}

const std::vector<ToolButtonEntry>& ToolButtonEntries() {
    using C = MainCommand;
    static const std::vector<ToolButtonEntry> entries = {
        Gap(),
        {"TNewFile", 1001, 1, C::FileNew},
        {"TOpenFile", 1002, 2, C::FileOpen},
        {"TSaveFile", 1003, 3, C::FileSave},
        Gap(),
        {"TCommRead", 1041, 5, C::ProRead},
        {"TCommPort", 0, 6, C::SetCom},
        {"TCommWrite", 1042, 7, C::ProWrite},
        Gap(),
        {"TAbout", 1052, 8, C::HelpAbout},
    };
    return entries;
}

MainCommand ToolButtonCommand(std::string_view key) {
    for (const auto& e : ToolButtonEntries())
        if (!e.key.empty() && e.key == key) return e.command;
    return MainCommand::None;
}

namespace {

struct TreeSpec {
    std::string_view key;
    std::string_view parent;
    int16_t text;  // language text; 0 for the two nodes with texts of their own
    MainCommand command;
};

constexpr std::array kTree{
    TreeSpec{"N0", "", 0, MainCommand::None},
    TreeSpec{"N1", "N0", 0, MainCommand::ShowGrid},
    TreeSpec{"N100", "N1", 5070, MainCommand::ViewNormal},
    TreeSpec{"N101", "N1", 5071, MainCommand::ViewLimit},
    TreeSpec{"N102", "N1", 5072, MainCommand::ViewHyper1},
    TreeSpec{"N103", "N1", 5073, MainCommand::ViewHyper2},
    TreeSpec{"N4", "N0", 5021, MainCommand::Options},
    TreeSpec{"N5", "N0", 5023, MainCommand::DTMF},
    TreeSpec{"N6", "N0", 5024, MainCommand::TwoTone},
    TreeSpec{"N7", "N0", 5025, MainCommand::FiveTone},
    TreeSpec{"N10", "N0", 2400, MainCommand::Scan},
    TreeSpec{"N11", "N0", 2600, MainCommand::Alert},
    TreeSpec{"N8", "N0", 5804, MainCommand::CommBook},
    TreeSpec{"N15", "N0", 3300, MainCommand::Note},
    TreeSpec{"N9", "N0", 5028, MainCommand::EmbedInfo},
    TreeSpec{"N14", "N0", 8000, MainCommand::TestData},
};

bool NodeExists(std::string_view key) {
    if (key == "N10") return On(ScanEnable);
    if (key == "N11") return On(AlertEnable);
    if (key == "N14") return TestDataEnable;
    return true;
}

}  // namespace

std::vector<TreeNodeEntry> TreeNodes() {
    std::vector<TreeNodeEntry> nodes;
    for (const TreeSpec& s : kTree) {
        if (!NodeExists(s.key)) continue;
        std::string text = s.key == "N0" ? ModelName : s.key == "N1" ? std::string("CH") : GetLangText(s.text);
        nodes.push_back({std::string(s.key), std::string(s.parent), std::move(text), s.command,
                         s.key == "N0" || s.key == "N1"});
    }
    return nodes;
}

MainCommand TreeNodeCommand(std::string_view key) {
    for (const TreeSpec& s : kTree)
        if (s.key == key) return s.command;
    return MainCommand::None;
}

std::string DataFileFilter() { return MsgText().MsgDataFile + " (*.dat)|*.dat"; }

std::string OverwriteQuestion(std::string_view dataFileName) {
    return "\"" + GetFileTitle(dataFileName) + "\"" + MsgText().MsgOverwrite;
}

void FileNew() { NewData(false); }

void SetInit() {
    InitDataMode = -1;
    NewData(true);
    InitDataMode = 0;
}

void FileOpen() {
    if (AskSaveFirst(MsgText().MsgFileModified, true) == SaveFirst::Stop) return;
    platform::FileDialogRequest request;
    request.filter = DataFileFilter();
    const auto path = platform::OpenFileDialog(request);
    if (!path) return;
    ReadDatFile(*path);
}

bool FileSave() {
    if (IsNewFile != 0) return FileSaveAs();
    if (platform::MsgBox(OverwriteQuestion(DataFileName), Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return false;
    return WriteDatFile();
}

bool FileSaveAs() {
    platform::FileDialogRequest request;
    request.filter = DataFileFilter();
    request.initialName = DataFileName;
    const auto path = platform::SaveFileDialog(request);
    if (!path || path->empty()) return false;
    const std::string previous = DataFileName;
    DataFileName = WithDatExtension(*path);
    if (WriteDatFile()) return true;
    DataFileName = previous;
    return false;
}

HyperChannelLists HyperNormalChannelLists() {
    HyperChannelLists lists;
    const auto count = std::clamp<int16_t>(CurData.CHCount, 0, kMaxChannels);
    for (int16_t i = 0; i < count; ++i) {
        const UFreData& ch = UFreList[static_cast<std::size_t>(i)];
        lists.left.push_back(ch.CHNo);
        // A damaged code lists the channel on the left only, without a message.
        const std::string code = ch.RxFre.value();
        const auto rx = IsNumericText(code) ? ReadFre(CodeToFre(code)) : std::nullopt;
        if (rx && IsStdTxFre(*rx)) lists.right.push_back(ch.CHNo);
    }
    for (auto* list : {&lists.left, &lists.right}) {
        std::sort(list->begin(), list->end());
        list->erase(std::unique(list->begin(), list->end()), list->end());
    }
    return lists;
}
