// The channel grid's in-cell editors: opening one over a cell, storing its
// value into the channel, the chain from a tone type into its code list, and
// the editors' keys. The rules themselves are in CellEditing.h.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <QAbstractItemView>
#include <QKeyEvent>

#include "core/BandPlan.h"
#include "core/ChannelOps.h"
#include "core/SharedState.h"
#include "core/ToneCodec.h"
#include "mainwindow/CellEditing.h"
#include "mainwindow/ChannelViews.h"
#include "mainwindow/ColumnMap.h"
#include "mainwindow/DialogLauncher.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/LateWork.h"
#include "platform/TextConvert.h"
#include "platform/ui/CellEditorHost.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/TextBox.h"

namespace {

constexpr int16_t kShowWarning = 1;

// The old key codes of the arrow keys, 0 for any other key.
int ArrowCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        default: return 0;
    }
}

bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

// The thirteen editors by name, in the order the store looks at them.
struct EditorPlace {
    CellEditor editor;
    std::string_view name;
};
constexpr std::array<EditorPlace, 13> kEditors{{
    {CellEditor::TextFreRx, "TextFreRx"},
    {CellEditor::TextFreTx, "TextFreTx"},
    {CellEditor::TextName, "TextName"},
    {CellEditor::ComboStep, "ComboStep"},
    {CellEditor::ComboWN, "ComboWN"},
    {CellEditor::ComboPower, "ComboPower"},
    {CellEditor::ComboDe_CTC_Type, "ComboDe_CTC_Type"},
    {CellEditor::ComboDe_CTCSS, "ComboDe_CTCSS"},
    {CellEditor::ComboDe_CDCSS, "ComboDe_CDCSS"},
    {CellEditor::ComboEn_CTC_Type, "ComboEn_CTC_Type"},
    {CellEditor::ComboEn_CTCSS, "ComboEn_CTCSS"},
    {CellEditor::ComboEn_CDCSS, "ComboEn_CDCSS"},
    {CellEditor::ComboOptSig, "ComboOptSig"},
}};

platform::TextBox* NewTextEditor(QWidget* parent, std::string_view name, TextKind kind) {
    auto* box = new platform::TextBox(parent, name);
    box->SetCharRule([kind](QChar c) -> std::optional<QChar> {
        if (TextEditorTakes(kind, c.unicode())) return c;
        return std::nullopt;
    });
    box->SetTypingLimit(kind == TextKind::Name ? kNameTypingLimit : kFreTypingLimit);
    box->SetSwallowClipboardKeys(true);
    box->SetSelectAllOnFocus(true);
    return box;
}

}  // namespace

void frmMain::CreateEditors(QWidget* central) {
    editors_ = new platform::CellEditorHost(*MSFlexGrid1);
    for (const EditorPlace& e : kEditors) {
        QWidget* editor = nullptr;
        if (IsTextEditor(e.editor))
            editor = NewTextEditor(central, e.name, TextKindOf(e.editor));
        else
            editor = new platform::ComboBox(central, e.name);
        platform::IndexControl(this, editor);
        editors_->Add(static_cast<int>(e.editor), editor);
    }
    editors_->SetKeys([this](int e, QKeyEvent& key) { return EditorKey(static_cast<CellEditor>(e), &key); },
                      [this](int e, QKeyEvent& key) { return OpenListKey(static_cast<CellEditor>(e), &key); });

    // What the lists hold from creation; the language fill replaces only
    // the "none" items and adds the user tone once.
    for (const CellEditor type : {CellEditor::ComboDe_CTC_Type, CellEditor::ComboEn_CTC_Type})
        for (const char* item : {"", "CTCSS", "DCS"}) List(type)->AddItem(item);
    for (const char* item : {"", "DTMF", "2Tone", "5Tone"}) List(CellEditor::ComboOptSig)->AddItem(item);
    const std::vector<std::string> tones(CTCSSTones.begin(), CTCSSTones.end());
    for (const CellEditor list : {CellEditor::ComboDe_CTCSS, CellEditor::ComboEn_CTCSS}) List(list)->AddItems(tones);

    for (const EditorPlace& e : kEditors) {
        if (IsTextEditor(e.editor)) continue;
        // Only a selection the user makes is stored; the program's own
        // selections prime the list.
        const CellEditor editor = e.editor;
        platform::OnEvent(List(editor), &QComboBox::activated, this, "ListEditorChosen",
                          [this, editor](int index) { ListEditorChosen(editor, index); });
    }

    platform::OnEvent(MSFlexGrid1, &platform::Grid::DblClick, this, "MSFlexGrid1_DblClick",
                      [this] { MSFlexGrid1_DblClick(0); });
    platform::OnEvent(MSFlexGrid1, &platform::Grid::KeyPress, this, "MSFlexGrid1_KeyPress",
                      [this](int key) { MSFlexGrid1_KeyPress(0, key); });
    platform::OnEvent(MSFlexGrid1, &platform::Grid::EnterCell, this, "MSFlexGrid1_EnterCell",
                      [this] { MSFlexGrid1_EnterCell(0); });
    platform::OnEvent(MSFlexGrid1, &platform::Grid::Click, this, "MSFlexGrid1_Click", [this] { MSFlexGrid1_Click(0); });
}

QWidget* frmMain::EditorWidget(CellEditor e) const { return editors_->Editor(static_cast<int>(e)); }

platform::ComboBox* frmMain::List(CellEditor e) const {
    return static_cast<platform::ComboBox*>(EditorWidget(e));
}

platform::TextBox* frmMain::TextEditor(CellEditor e) const {
    return static_cast<platform::TextBox*>(EditorWidget(e));
}

// The first shown editor, in the order the store looks at them.
CellEditor frmMain::OpenEditor() const {
    const int open = editors_->Open();
    return open == platform::CellEditorHost::kNone ? CellEditor::None : static_cast<CellEditor>(open);
}

void frmMain::MSFlexGrid1_KeyPress(int16_t index, int key) {
    if (index == 0 && key == 13) MSFlexGrid1_DblClick(index);
}

void frmMain::MSFlexGrid1_DblClick(int16_t index) {
    if (index != 0) return;
    // The editors' lists, among what start-up may have left until the window
    // painted, are filled before any editor opens.
    platform::RunLateWork();
    const int row = MSFlexGrid1->Row();
    const int col = MSFlexGrid1->Col();
    const CellAction action = ActionOfCell(row, col, MSFlexGrid1->Cols());
    if (action.kind == CellAction::Kind::Nothing) return;
    // A receive text with a typing mistake keeps its editor open.
    if (!SaveOldData()) return;
    GridEditRow = static_cast<int16_t>(row);
    GridEditCol = static_cast<int16_t>(col);
    CurCHNo = GridEditRow;
    switch (action.kind) {
        case CellAction::Kind::ChannelDialog: OpenDialog(DialogId::CHEdit); return;
        case CellAction::Kind::Edit: break;
        default: return;
    }
    if (action.logical != static_cast<int16_t>(Col::RxFre)) {
        int16_t chNo = CurCHNo;
        if (!CheckRxBeforeEdit(chNo)) return;
    }
    ShowEditorOverCell(EditorOfColumn(action.logical));
}

bool frmMain::CheckRxBeforeEdit(int16_t& chNo) {
    const int rxCol = GetShowCol(Col::RxFre);
    if (!MSFlexGrid1->TextMatrix(chNo, rxCol).isEmpty()) return true;
    MSFlexGrid1->SetCurrentCell(chNo, rxCol);
    // Only when the receive cell could be reached, or this would ask again.
    if (MSFlexGrid1->Row() == chNo && MSFlexGrid1->Col() == rxCol) MSFlexGrid1_DblClick(0);
    ComboSetting = false;
    return false;
}

void frmMain::ShowEditorOverCell(CellEditor e) {
    if (e == CellEditor::None) return;
    editList_ = ShownList();
    rxWarned_ = false;
    editors_->PlaceOver(static_cast<int>(e), GridEditRow, GridEditCol);
    if (IsTextEditor(e)) {
        platform::TextBox* box = TextEditor(e);
        box->setText(MSFlexGrid1->TextMatrix(GridEditRow, GridEditCol));
        box->setFocus();
        if (!box->text().isEmpty()) box->selectAll();
        return;
    }
    PrimeList(e);
}

// Selects the stored value of the channel of the list the editor opened on
// (the first item for a value outside the list, or no channel), guarded so
// that the selection stores nothing.
void frmMain::PrimeList(CellEditor e) {
    platform::ComboBox* box = List(e);
    const std::optional<UFreData> record = RowRecord(editList_, CurCHNo);
    const int stored = record ? ListIndexOf(*record, e) : 0;
    ComboSetting = true;
    box->SetListIndex(stored >= 0 && stored < box->ListCount() ? stored : 0);
    ComboSetting = false;
    box->setFocus();
}

void frmMain::ListEditorChosen(CellEditor e, int index) {
    if (ComboSetting || index < 0) return;
    const std::optional<StoreTarget> target = StoreTargetOf(e);
    if (!target) return;
    SetCHDataByCol(editList_, CurCHNo, static_cast<long>(index), target->col, target->part);
    if (IsToneTypeEditor(e) && !List(e)->view()->isVisible())
        ShowToneCodeList(e);
    if (editList_ == ShownList()) ReShowGrid(0, CurCHNo, 0);
}

void frmMain::ShowDeToneCombo(int16_t mode) {
    if (mode == 1) ShowToneCodeList(CellEditor::ComboDe_CTC_Type);
}

void frmMain::ShowEnToneCombo(int16_t mode) {
    if (mode == 1) ShowToneCodeList(CellEditor::ComboEn_CTC_Type);
}

void frmMain::ShowToneCodeList(CellEditor typeEditor) {
    const CellEditor codeEditor = ChainedCodeList(typeEditor, List(typeEditor)->ListIndex());
    if (codeEditor == CellEditor::None) return;
    editors_->PlaceInstead(static_cast<int>(codeEditor), static_cast<int>(typeEditor));
    PrimeList(codeEditor);
}

bool frmMain::SaveOldData() {
    const CellEditor open = OpenEditor();
    switch (open) {
        case CellEditor::None: return true;
        case CellEditor::TextFreRx: return StoreReceiveText();
        case CellEditor::TextFreTx:
        case CellEditor::TextName: {
            platform::TextBox* box = TextEditor(open);
            const std::string text = platform::TextBytes(box->text());
            // Hidden first: a warning shown while storing must not find it
            // open and store it twice.
            box->hide();
            const Col logical = open == CellEditor::TextFreTx ? Col::TxFre : Col::Name;
            if (GridEditCol == GetShowCol(logical)) {
                SetCHDataByCol(editList_, CurCHNo, text, GetDataCol(GridEditCol), 0);
                if (editList_ == ShownList()) ReShowGrid(0, CurCHNo, 0);
            }
            return true;
        }
        default:
            // List editors stored on every selection.
            EditorWidget(open)->hide();
            return true;
    }
}

bool frmMain::StoreReceiveText() {
    platform::TextBox* editor = TextEditor(CellEditor::TextFreRx);
    const std::string text = platform::TextBytes(editor->text());
    if (GridEditCol != GetShowCol(Col::RxFre)) {
        editor->hide();
        return true;
    }
    const RxText kind = ClassifyRxText(text);
    if (kind == RxText::NotANumber) {
        if (!rxWarned_ || rxWarnedText_ != text) ShowFreWarning(kShowWarning);
        rxWarned_ = true;
        rxWarnedText_ = text;
        editor->setFocus();
        return false;
    }
    editor->hide();
    if (kind == RxText::NoDigits) {
        if (IsCHExist(editList_, CurCHNo)) DeleteCH(editList_, CurCHNo);
    } else if (IsCHExist(editList_, CurCHNo)) {
        SetCHDataByCol(editList_, CurCHNo, text, GetDataCol(GridEditCol), 0);
    } else {
        SetCHRxFre(editList_, CurCHNo, text);
    }
    if (editList_ == ShownList()) ReShowGrid(0, CurCHNo, 0);
    CheckCHLink();
    return true;
}

void frmMain::CommitPendingEditor() {
    editors_->CommitOrDrop([this] { return SaveOldData(); });
}

void frmMain::DropPendingEditor() { editors_->Drop(); }

void frmMain::MSFlexGrid1_EnterCell(int16_t index) {
    if (!FormLoaded || ListIniting || ListRefreshing) return;
    if (index != 0) return;
    if (OpenEditor() == CellEditor::TextFreRx && MSFlexGrid1->Row() == CurCHNo &&
        MSFlexGrid1->Col() == GetShowCol(Col::RxFre))
        return;
    SaveOldData();
}

void frmMain::MSFlexGrid1_Click(int16_t index) {
    if (ListRefreshing) return;
    MSFlexGrid1_EnterCell(index);
}

bool frmMain::EditorKey(CellEditor e, QKeyEvent* event) {
    if (IsTextEditor(e)) {
        const QString typed = event->text();
        int ascii = typed.isEmpty() ? -1 : typed.at(0).unicode();
        if (IsEnter(event)) ascii = 13;
        // Keys without a character (arrows, Home, Shift+Insert) are the box's.
        if (ascii < 0) return false;
        switch (TextEditorKeyPress(TextKindOf(e), ascii)) {
            case KeyAction::Pass: return false;
            case KeyAction::Swallow: return true;
            case KeyAction::Commit:
                rxWarned_ = false;
                if (SaveOldData()) MSFlexGrid1->setFocus();
                return true;
        }
        return true;
    }
    if (IsEnter(event)) {
        SaveOldData();
        MSFlexGrid1->setFocus();
        if (IsToneTypeEditor(e)) ShowToneCodeList(e);
        return true;
    }
    const int arrow = ArrowCode(event->key());
    if (DropsListDown(e, arrow)) {
        // The arrow drops the list down and then moves in it, as it would in
        // a list already open.
        List(e)->showPopup();
        MoveInList(e, arrow);
        return true;
    }
    return false;
}

bool frmMain::OpenListKey(CellEditor e, const QKeyEvent* event) {
    if (!IsToneTypeEditor(e) && !IsToneCodeList(e)) return false;
    const int arrow = ArrowCode(event->key());
    if (arrow == 0) return false;  // Enter, Escape, letters: the list's own
    MoveInList(e, arrow);
    return true;
}

// An arrow in a dropped-down tone list selects the next item and stores it at
// once, as a click would; the list stays open, so a type is stored without
// opening its code list.
void frmMain::MoveInList(CellEditor e, int arrow) {
    platform::ComboBox* box = List(e);
    // From the item the open list shows marked (other keys may have moved
    // the mark without choosing).
    const int from = box->view()->isVisible() ? box->view()->currentIndex().row() : box->ListIndex();
    const int next = ArrowStep(from, box->ListCount(), arrow);
    if (next == from && next == box->ListIndex()) return;
    box->SetListIndex(next);
    box->view()->setCurrentIndex(box->model()->index(next, box->modelColumn()));
    ListEditorChosen(e, next);
}
