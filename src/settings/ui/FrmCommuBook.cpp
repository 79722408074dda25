#include "settings/ui/FrmCommuBook.h"

#include <array>

#include <QColor>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>

#include "core/MsgText.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "platform/FileDialogs.h"
#include "platform/Guard.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
#include "platform/ui/CellEditorHost.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Grid.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"
#include "platform/ui/TextBox.h"
#include "settings/CommuBookSort.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

constexpr platform::ControlRow kRows[] = {
    Row(Kind::Grid, "MSFlexGrid1").At(2160, 0, 3330, 4695).Tab(0),
    Row(Kind::CommandButton, "CommandInput").At(240, 480, 1335).Tab(1).Text(1802),
    Row(Kind::CommandButton, "CommandOutput").At(240, 1200, 1335).Tab(2).Text(1803),
    Row(Kind::CommandButton, "CommandOK").At(1440, 4920, 1215).Tab(3),
    Row(Kind::CommandButton, "CommandCancel").At(3480, 4920, 1215).Tab(4),
    Row(Kind::TextBox, "Text1").At(2160, 0, 1000).Tab(5).Hidden(),
};

constexpr auto kForm = platform::Form("FrmCommuBook").Text(1800).Size(5610, 5430);

constexpr int kGridRows = kCommuBookSize + 1;
constexpr int kGridCols = 3;
constexpr std::array<int, kGridCols> kColWidths = {500, 1000, 1500};
const QColor kHeaderColor(0, 0, 155);
const QColor kNumberColor(0, 0, 255);
constexpr int kEditor = 0;

constexpr int kCaptionText = 1800;
constexpr int kNumberText = 3007;
constexpr int kNameText = 1801;
constexpr int kImportText = 1802;
constexpr int kExportText = 1803;
// The file type the dialogs offer first.
constexpr int kBookFileText = 5804;

bool IsBookCell(int row, int col) { return row >= 1 && row <= kCommuBookSize && col >= 1 && col < kGridCols; }

std::string BookFileFilter() { return platform::Utf8(platform::Lang(kBookFileText)) + " (*.cb)|*.cb|*.*|*.*"; }

void ShowFileError() { platform::MsgBox(MsgText().MsgFileErr, platform::Buttons::Ok); }

}  // namespace

FrmCommuBook::FrmCommuBook(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, kRows);
    grid_ = Ctl<platform::Grid>(this, "MSFlexGrid1");
    grid_->SetRows(kGridRows);
    grid_->SetCols(kGridCols);
    grid_->SetFixedRows(1);
    grid_->SetFixedCols(1);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    platform::TextBox* box = Editor();
    box->SetCharRule([this](QChar c) -> std::optional<QChar> {
        if (const auto kept = BookFieldChar(CurBookEditCol, c.unicode())) return QChar(*kept);
        return std::nullopt;
    });
    box->SetSwallowClipboardKeys(true);
    box->SetSelectAllOnFocus(true);
    box->SetEnterMovesFocus(true);
    editors_ = new platform::CellEditorHost(*grid_);
    editors_->Add(kEditor, box);

    using platform::OnEvent;
    using platform::OnClick;
    OnClick(this, "CommandOK", [this] { CommandOK_Click(); });
    OnClick(this, "CommandCancel", [this] { CommandCancel_Click(); });
    OnClick(this, "CommandInput", [this] { CommandInput_Click(); });
    OnClick(this, "CommandOutput", [this] { CommandOutput_Click(); });
    OnEvent(grid_, &platform::Grid::EnterCell, this, "MSFlexGrid1_EnterCell", [this] { MSFlexGrid1_EnterCell(); });
    OnEvent(grid_, &platform::Grid::Click, this, "MSFlexGrid1_Click", [this] { MSFlexGrid1_Click(); });
    OnEvent(grid_, &platform::Grid::Scroll, this, "MSFlexGrid1_Scroll", [this] { MSFlexGrid1_Scroll(); });
    // The grid never makes a cell of its fixed column current for the user;
    // a click there ends the edit all the same.
    grid_->verticalHeader()->viewport()->installEventFilter(this);
    Form_Load();
}

platform::TextBox* FrmCommuBook::Editor() const { return Ctl<platform::TextBox>(this, "Text1"); }

// ---- load and unload ----------------------------------------------------------

void FrmCommuBook::Form_Load() {
    FormLoaded = false;
    editors_->Drop();
    CurBookEditRow = 0;
    CurBookEditCol = 0;
    ChangShowByLanguage();
    InitBookGrid();
    GetBookData();
    ShowBookData();
    FormLoaded = true;
}

void FrmCommuBook::ChangShowByLanguage() {
    setWindowTitle(platform::Lang(kCaptionText));
    grid_->SetTextMatrix(0, 0, platform::Lang(kNumberText));
    grid_->SetTextMatrix(0, 1, "Call ID");
    grid_->SetTextMatrix(0, 2, platform::Lang(kNameText));
    Ctl<QPushButton>(this, "CommandInput")->setText(platform::Lang(kImportText));
    Ctl<QPushButton>(this, "CommandOutput")->setText(platform::Lang(kExportText));
    SetOKCancelCaption(this);
}

void FrmCommuBook::InitBookGrid() {
    for (int c = 0; c < kGridCols; ++c) {
        grid_->SetColWidthTwips(c, kColWidths[static_cast<std::size_t>(c)]);
        grid_->SetColAlignment(c, Qt::AlignCenter);
        grid_->SetCellForeColor(0, c, kHeaderColor);
    }
    for (int r = 1; r < kGridRows; ++r) grid_->SetCellForeColor(r, 0, kNumberColor);
}

void FrmCommuBook::Form_Unload() {
    // The book goes back sorted however the dialog closes. A call ID that is
    // no number leaves it as it is: the radio link reports that book when it
    // is written, and the dialog must still close.
    try {
        SortCommBook();
    } catch (const CommuBookKeyError&) {
    }
}

void FrmCommuBook::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}

// ---- the book -------------------------------------------------------------------

void FrmCommuBook::GetBookData() { bookFileData_ = CurData.CommuBook; }

void FrmCommuBook::SetBookData() { CurData.CommuBook = bookFileData_; }

void FrmCommuBook::ShowBookData() {
    grid_->SetRedraw(false);
    for (int r = 1; r < kGridRows; ++r) {
        const CommuBookItem& entry = bookFileData_[static_cast<std::size_t>(r - 1)];
        grid_->SetTextMatrix(r, 0, QString::number(r - 1));
        grid_->SetTextMatrix(r, kBookCallIDCol, platform::ByteText(entry.CallID.value()));
        grid_->SetTextMatrix(r, kBookNameCol, platform::ByteText(entry.Name.value()));
    }
    grid_->SetRedraw(true);
}

void FrmCommuBook::SaveBookEditData(int16_t row, int16_t col) {
    if (!IsBookCell(row, col)) return;
    CommuBookItem& entry = bookFileData_[static_cast<std::size_t>(row - 1)];
    StoreBookField(entry, col, TrimFixStr(platform::TextBytes(Editor()->text())));
    const std::string shown = col == kBookCallIDCol ? entry.CallID.value() : entry.Name.value();
    grid_->SetTextMatrix(row, col, platform::ByteText(shown));
}

bool FrmCommuBook::FreLoadBookFile() {
    const std::optional<CommuBook> book = ReadBookFile(BookFileName);
    if (!book) {
        ShowFileError();
        return false;
    }
    bookFileData_ = *book;
    ShowBookData();
    return true;
}

void FrmCommuBook::FreSaveBookFile() {
    SaveBookEditData(CurBookEditRow, CurBookEditCol);
    if (!WriteBookFile(BookFileName, bookFileData_)) ShowFileError();
}

// ---- buttons ----------------------------------------------------------------------

void FrmCommuBook::CommandInput_Click() {
    platform::FileDialogRequest request;
    request.filter = BookFileFilter();
    request.initialName = dialogFileName_;
    const std::optional<std::string> path = platform::OpenFileDialog(request);
    if (!path) return;
    dialogFileName_ = *path;
    BookFileName = *path;
    // The editor stays open over its cell: its text goes into the imported
    // entry at the next commit.
    FreLoadBookFile();
}

void FrmCommuBook::CommandOutput_Click() {
    dialogFileName_ = BookFileName;
    platform::FileDialogRequest request;
    request.filter = BookFileFilter();
    request.initialName = BookFileName;
    request.confirmOverwrite = false;
    const std::optional<std::string> path = platform::SaveFileDialog(request);
    if (!path) return;
    dialogFileName_ = *path;
    BookFileName = *path;
    FreSaveBookFile();
}

void FrmCommuBook::CommandOK_Click() {
    SaveBookEditData(CurBookEditRow, CurBookEditCol);
    SetBookData();
    accept();
}

void FrmCommuBook::CommandCancel_Click() { reject(); }

// ---- the grid and its editor ---------------------------------------------------------

bool FrmCommuBook::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->verticalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const int index = grid_->verticalHeader()->logicalIndexAt(press->position().toPoint());
        if (press->button() == Qt::LeftButton && index >= 0)
            platform::RunGuarded("MSFlexGrid1_Click", [this, index] { NumberColumn_Click(index + grid_->FixedRows()); });
    }
    return QDialog::eventFilter(watched, event);
}

void FrmCommuBook::NumberColumn_Click(int row) {
    grid_->setFocus(Qt::MouseFocusReason);
    grid_->SetCurrentCell(row, 0);
    MSFlexGrid1_Click();
}

void FrmCommuBook::MSFlexGrid1_Click() {
    if (FormLoaded) MSFlexGrid1_EnterCell();
}

void FrmCommuBook::MSFlexGrid1_EnterCell() {
    if (!FormLoaded) return;
    const int row = grid_->Row();
    const int col = grid_->Col();
    if (row == CurBookEditRow && col == CurBookEditCol) return;
    SaveBookEditData(CurBookEditRow, CurBookEditCol);
    CurBookEditRow = static_cast<int16_t>(row);
    CurBookEditCol = static_cast<int16_t>(col);
    editors_->Drop();
    if (!IsBookCell(row, col)) return;
    platform::TextBox* box = Editor();
    box->SetTypingLimit(col == kBookCallIDCol ? kBookCallIDLength : kBookNameLength);
    box->setText(grid_->TextMatrix(row, col));
    // A move of the program does not scroll: bring the cell into view first.
    grid_->ScrollToCell(row, col);
    editors_->PlaceOver(kEditor, row, col);
    box->setFocus();
}

void FrmCommuBook::MSFlexGrid1_Scroll() {
    if (FormLoaded && IsBookCell(CurBookEditRow, CurBookEditCol)) FollowEditorCell();
}

void FrmCommuBook::FollowEditorCell() {
    // The editor keeps its cell and its text; it only moves with the cell,
    // and lies hidden while the cell is scrolled out of view.
    const QRect cell = grid_->CellRect(CurBookEditRow, CurBookEditCol);
    if (grid_->viewport()->geometry().contains(cell))
        editors_->PlaceOver(kEditor, CurBookEditRow, CurBookEditCol);
    else
        editors_->Drop();
}
