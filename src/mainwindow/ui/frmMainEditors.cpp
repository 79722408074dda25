// The channel grid's in-cell editors: opening one over a cell, storing its
// value into the channel, the chain from a tone type into its code list, and
// the editors' keys. The rules themselves are in CellEditing.h.
#include <map>
#include <optional>
#include <string>

#include <QAbstractItemView>
#include <QKeyEvent>

#include "core/BandPlan.h"
#include "core/ChannelOps.h"
#include "core/SharedState.h"
#include "mainwindow/CellEditing.h"
#include "platform/ui/Grid.h"
#include "mainwindow/ChannelViews.h"
#include "mainwindow/ColumnMap.h"
#include "mainwindow/DialogLauncher.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
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

}  // namespace

// Hands the keys typed into an editor, or into the dropped-down list of a
// tone editor, to the window before the editor or the list sees them.
class frmMain::EditorKeys : public QObject {
public:
    explicit EditorKeys(frmMain* window) : QObject(window), window_(window) {}
    void Watch(QWidget* editor, CellEditor e) {
        editors_[editor] = e;
        editor->installEventFilter(this);
    }
    void WatchList(QWidget* list, CellEditor e) {
        lists_[list] = e;
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (const auto list = lists_.find(watched); list != lists_.end())
            return window_->OpenListKey(list->second, key);
        const auto it = editors_.find(watched);
        return it != editors_.end() && window_->EditorKey(it->second, key);
    }

private:
    frmMain* window_;
    std::map<QObject*, CellEditor> editors_;
    std::map<QObject*, CellEditor> lists_;
};

void frmMain::WireEditors(QWidget* central) {
    auto text = [central](std::string_view name, TextKind kind) {
        auto* box = new platform::TextBox(central, name);
        box->hide();
        box->SetCharRule([kind](QChar c) -> std::optional<QChar> {
            if (TextEditorTakes(kind, c.unicode())) return c;
            return std::nullopt;
        });
        box->SetTypingLimit(kind == TextKind::Name ? kNameTypingLimit : kFreTypingLimit);
        box->SetSwallowClipboardKeys(true);
        box->SetSelectAllOnFocus(true);
        return box;
    };
    TextFreRx = text("TextFreRx", TextKind::Frequency);
    TextFreTx = text("TextFreTx", TextKind::Frequency);
    TextName = text("TextName", TextKind::Name);

    editorKeys_ = new EditorKeys(this);
    for (auto e = static_cast<int>(CellEditor::TextFreRx); e <= static_cast<int>(CellEditor::ComboOptSig); ++e) {
        const auto editor = static_cast<CellEditor>(e);
        editorKeys_->Watch(EditorWidget(editor), editor);
        if (auto* box = qobject_cast<platform::ComboBox*>(EditorWidget(editor))) {
            // Only a selection the user makes is stored; the program's own
            // selections prime the list.
            platform::OnEvent(box, &QComboBox::activated, this, "ListEditorChosen",
                              [this, editor](int index) { ListEditorChosen(editor, index); });
            if (IsToneTypeEditor(editor) || IsToneCodeList(editor)) editorKeys_->WatchList(box->view(), editor);
        }
    }

    platform::OnEvent(MSFlexGrid1, &platform::Grid::DblClick, this, "MSFlexGrid1_DblClick",
                      [this] { MSFlexGrid1_DblClick(0); });
    platform::OnEvent(MSFlexGrid1, &platform::Grid::KeyPress, this, "MSFlexGrid1_KeyPress",
                      [this](int key) { MSFlexGrid1_KeyPress(0, key); });
    platform::OnEvent(MSFlexGrid1, &platform::Grid::EnterCell, this, "MSFlexGrid1_EnterCell",
                      [this] { MSFlexGrid1_EnterCell(0); });
    platform::OnEvent(MSFlexGrid1, &platform::Grid::Click, this, "MSFlexGrid1_Click", [this] { MSFlexGrid1_Click(0); });
}

QWidget* frmMain::EditorWidget(CellEditor e) const {
    switch (e) {
        case CellEditor::TextFreRx: return TextFreRx;
        case CellEditor::TextFreTx: return TextFreTx;
        case CellEditor::TextName: return TextName;
        case CellEditor::ComboStep: return ComboStep;
        case CellEditor::ComboWN: return ComboWN;
        case CellEditor::ComboPower: return ComboPower;
        case CellEditor::ComboDe_CTC_Type: return ComboDe_CTC_Type;
        case CellEditor::ComboDe_CTCSS: return ComboDe_CTCSS;
        case CellEditor::ComboDe_CDCSS: return ComboDe_CDCSS;
        case CellEditor::ComboEn_CTC_Type: return ComboEn_CTC_Type;
        case CellEditor::ComboEn_CTCSS: return ComboEn_CTCSS;
        case CellEditor::ComboEn_CDCSS: return ComboEn_CDCSS;
        case CellEditor::ComboOptSig: return ComboOptSig;
        case CellEditor::None: break;
    }
    return nullptr;
}

// The first shown editor, in the order the store looks at them.
CellEditor frmMain::OpenEditor() const {
    for (auto e = static_cast<int>(CellEditor::TextFreRx); e <= static_cast<int>(CellEditor::ComboOptSig); ++e)
        if (platform::IsShown(EditorWidget(static_cast<CellEditor>(e)))) return static_cast<CellEditor>(e);
    return CellEditor::None;
}

void frmMain::MSFlexGrid1_KeyPress(int16_t index, int key) {
    if (index == 0 && key == 13) MSFlexGrid1_DblClick(index);
}

void frmMain::MSFlexGrid1_DblClick(int16_t index) {
    if (index != 0) return;
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
    QWidget* editor = EditorWidget(e);
    if (!editor) return;
    editList_ = ShownList();
    rxWarned_ = false;
    const QRect cell = MSFlexGrid1->CellRect(GridEditRow, GridEditCol);
    const QPoint at = MSFlexGrid1->pos() + cell.topLeft();
    const int height = IsTextEditor(e) ? cell.height() : editor->sizeHint().height();
    editor->setGeometry(at.x(), at.y(), cell.width(), height);
    editor->show();
    editor->raise();
    if (IsTextEditor(e)) {
        auto* box = static_cast<platform::TextBox*>(editor);
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
    auto* box = static_cast<platform::ComboBox*>(EditorWidget(e));
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
    if (IsToneTypeEditor(e) && !static_cast<QComboBox*>(EditorWidget(e))->view()->isVisible())
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
    auto* type = static_cast<platform::ComboBox*>(EditorWidget(typeEditor));
    const CellEditor codeEditor = ChainedCodeList(typeEditor, type->ListIndex());
    if (codeEditor == CellEditor::None) return;
    auto* code = static_cast<platform::ComboBox*>(EditorWidget(codeEditor));
    type->hide();
    code->setGeometry(type->x(), type->y(), type->width(), code->sizeHint().height());
    code->show();
    code->raise();
    PrimeList(codeEditor);
}

bool frmMain::SaveOldData() {
    const CellEditor open = OpenEditor();
    switch (open) {
        case CellEditor::None: return true;
        case CellEditor::TextFreRx: return StoreReceiveText();
        case CellEditor::TextFreTx:
        case CellEditor::TextName: {
            auto* box = static_cast<platform::TextBox*>(EditorWidget(open));
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
    const std::string text = platform::TextBytes(TextFreRx->text());
    if (GridEditCol != GetShowCol(Col::RxFre)) {
        TextFreRx->hide();
        return true;
    }
    const RxText kind = ClassifyRxText(text);
    if (kind == RxText::NotANumber) {
        if (!rxWarned_ || rxWarnedText_ != text) ShowFreWarning(kShowWarning);
        rxWarned_ = true;
        rxWarnedText_ = text;
        TextFreRx->setFocus();
        return false;
    }
    TextFreRx->hide();
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
    if (!SaveOldData()) TextFreRx->hide();
}

void frmMain::DropPendingEditor() {
    for (auto e = static_cast<int>(CellEditor::TextFreRx); e <= static_cast<int>(CellEditor::ComboOptSig); ++e)
        EditorWidget(static_cast<CellEditor>(e))->hide();
}

void frmMain::MSFlexGrid1_EnterCell(int16_t index) {
    if (!FormLoaded || ListIniting || ListRefreshing) return;
    if (index != 0) return;
    if (platform::IsShown(TextFreRx) && MSFlexGrid1->Row() == CurCHNo &&
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
        static_cast<QComboBox*>(EditorWidget(e))->showPopup();
        MoveInList(e, arrow);
        return true;
    }
    return false;
}

bool frmMain::OpenListKey(CellEditor e, const QKeyEvent* event) {
    const int arrow = ArrowCode(event->key());
    if (arrow == 0) return false;  // Enter, Escape, letters: the list's own
    MoveInList(e, arrow);
    return true;
}

// An arrow in a dropped-down tone list selects the next item and stores it at
// once, as a click would; the list stays open, so a type is stored without
// opening its code list.
void frmMain::MoveInList(CellEditor e, int arrow) {
    auto* box = static_cast<platform::ComboBox*>(EditorWidget(e));
    // From the item the open list shows marked (other keys may have moved
    // the mark without choosing).
    const int from = box->view()->isVisible() ? box->view()->currentIndex().row() : box->ListIndex();
    const int next = ArrowStep(from, box->ListCount(), arrow);
    if (next == from && next == box->ListIndex()) return;
    box->SetListIndex(next);
    box->view()->setCurrentIndex(box->model()->index(next, box->modelColumn()));
    ListEditorChosen(e, next);
}
