// The code list's in-place editing: the four floating editors placed over
// the cell entered, Enter moving through the row and on to the next, the
// reset of a special call, and what a scroll commits.
#include <QApplication>
#include <QScopedValueRollback>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "core/ToneCodec.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
#include "platform/ui/CellEditorHost.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/Grid.h"
#include "platform/ui/TextBox.h"
#include "signalling/FiveToneBlock.h"
#include "signalling/FiveToneGrid.h"
#include "signalling/ui/Frm5Tone.h"

namespace {

constexpr std::string_view kResetQuestion = "Reset Special Call of this channel,OK or Not?";

bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

}  // namespace

void Frm5Tone::SetUpCellEditors() {
    editors_ = new platform::CellEditorHost(*Grid());
    editors_->Add(kTone5CodeCol, Box("Text3"));
    editors_->Add(kTone5StandardCol, Combo("Combo2"));
    editors_->Add(kTone5PeriodCol, Combo("Combo3"));
    editors_->Add(kTone5NameCol, Box("Text6"));
    editors_->SetKeys([this](int editor, QKeyEvent& key) { return CellEditorKey(editor, key); });
}

void Frm5Tone::MSHFlexGrid1_EnterCell() {
    // The load moves the current cell while it lays out and fills the grid.
    if (!IsFormReady) return;
    const platform::Grid* grid = Grid();
    const int row = grid->Row();
    const int col = grid->Col();
    const QString kind = grid->TextMatrix(row, kTone5KindCol);
    Tone5EnteredCell entered{
        .col = col,
        .isOpenCell = row == CurTone5Row && col == CurTone5Col,
        .specialRow = !kind.isEmpty(),
        .codeEmpty = grid->TextMatrix(row, kTone5CodeCol).isEmpty(),
        .pttidRow = kind == platform::QText(kPTTIDKind),
    };
    if (EnterTone5Cell(entered) == Tone5CellEntry::Stay) return;
    Save5ToneCell(CurTone5Row, CurTone5Col);
    // A code just committed into this row counts.
    entered.codeEmpty = grid->TextMatrix(row, kTone5CodeCol).isEmpty();
    if (EnterTone5Cell(entered) != Tone5CellEntry::CommitAndOpen) return;
    CurTone5Row = static_cast<int16_t>(row);
    CurTone5Col = static_cast<int16_t>(col);
    editors_->Drop();
    PlaceCellEditor();
}

void Frm5Tone::PlaceCellEditor() {
    platform::Grid* grid = Grid();
    const int row = grid->Row();
    const int col = grid->Col();
    if (col < kTone5CodeCol || col > kTone5NameCol) return;
    {
        // The cell was just committed; bringing it into view commits nothing.
        const QScopedValueRollback placing(placing_, true);
        grid->ScrollToCell(row, col);
    }
    const QString cell = grid->TextMatrix(row, col);
    QWidget* editor = editors_->PlaceOver(col, row, col);
    if (col == kTone5CodeCol || col == kTone5NameCol) {
        auto* box = static_cast<platform::TextBox*>(editor);
        box->setText(cell);
        box->setFocus();
        box->selectAll();
        return;
    }
    auto* list = static_cast<platform::ComboBox*>(editor);
    {
        // Placing shows the row's value; only the user's pick proposes a period.
        const QSignalBlocker quiet(list);
        if (cell.isEmpty())
            SelectComboItem(*list, 0);
        else if (col == kTone5StandardCol)
            SelectComboItem(*list, StandardOfCell(platform::Utf8(cell), rowStandard_[static_cast<std::size_t>(row)],
                                                  StandardItems()));
        else
            SelectComboItem(*list, GetComboIndex(*list, platform::Utf8(cell), 0));
    }
    if (col == kTone5StandardCol) ShowStandardTone(list->Text());
    list->setFocus();
}

bool Frm5Tone::CellEditorKey(int editor, const QKeyEvent& key) {
    if (!IsEnter(key)) return false;
    platform::Grid* grid = Grid();
    const bool empty = editor == kTone5CodeCol && Box("Text3")->text().isEmpty();
    const Tone5EnterMove move = EnterMoveOf(editor, grid->Row(), grid->Col(), empty);
    if (move.firstCol) grid->SetCol(*move.firstCol);
    if (move.row) grid->SetRow(*move.row);
    if (move.lastCol) grid->SetCol(*move.lastCol);
    return true;
}

void Frm5Tone::MSHFlexGrid1_Click() {
    if (!IsFormReady) return;
    MSHFlexGrid1_EnterCell();
}

void Frm5Tone::MSHFlexGrid1_DblClick() {
    platform::Grid* grid = Grid();
    const int row = grid->Row();
    if (grid->Col() != kTone5CodeCol || row < kTone5FirstRow || row > kTone5LastRow) return;
    if (grid->TextMatrix(row, kTone5KindCol).isEmpty()) return;
    if (platform::MsgBox(kResetQuestion, platform::Buttons::OkCancel) != platform::Answer::Ok) return;
    Tone5Code& entry = TempFunSetData.Tone5.Tone5List[row];
    entry.CodeLen = 0;
    entry.Code = "";
    grid->SetTextMatrix(row, kTone5KindCol, QString());
    grid->SetTextMatrix(row, kTone5CodeCol, QString());
    MSHFlexGrid1_EnterCell();
}

void Frm5Tone::MSHFlexGrid1_Scroll() {
    if (placing_) return;
    Save5ToneCell(CurTone5Row, CurTone5Col);
    // The open cell stays recorded; the name editor is left where it is.
    for (int editor : {kTone5CodeCol, kTone5StandardCol, kTone5PeriodCol}) editors_->Editor(editor)->hide();
}

void Frm5Tone::EndCodeEditing() {
    if (CurTone5Col != kTone5CodeCol || CurTone5Row < kTone5FirstRow) return;
    platform::TextBox* codeEditor = Box("Text3");
    // A code editor a scroll hid was committed then.
    if (platform::IsShown(codeEditor)) Save5ToneCell(CurTone5Row, CurTone5Col);
    codeEditor->hide();
    CurTone5Row = 0;
}

// ---- the own ID and the PTT-ID codes ------------------------------------------

bool Frm5Tone::FocusWentToCancel() const {
    return QApplication::focusWidget() == platform::FindControl(this, "CommandCancel");
}

void Frm5Tone::Text2_LostFocus() {
    const std::string ownID = OwnID();
    if (ownID.size() < kTone5OwnIDLength) {
        // Cancel must always work: a short own ID going to it is dropped
        // with the rest, unasked.
        if (FocusWentToCancel()) return;
        platform::MsgBox(GetMsgText(kShortOwnIDMessage), platform::Buttons::Ok);
        Box("Text2")->setFocus();
        return;
    }
    Tone5Data& block = TempFunSetData.Tone5;
    OldSelfID = block.SelfID.value();
    block.SelfID = ownID;
    EndCodeEditing();
    Save5ToneData();
    UpdateSelfIDCode();
    Show5ToneData();
}

void Frm5Tone::Text4_LostFocus(int index) {
    platform::TextBox* box = Box("Text4", index);
    box->setText(platform::ByteText(Encode5ToneCode(platform::TextBytes(box->text()), OwnID())));
}
