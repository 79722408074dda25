#include "signalling/ui/Frm2Tone.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "core/ChannelOps.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "platform/ui/CellEditorHost.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Grid.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/TextBox.h"
#include "signalling/TwoToneEdit.h"
#include "signalling/TwoToneWords.h"
#include "signalling/ui/RuledBox.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

// The window design in twips.
constexpr int kLabelGap = 100;
constexpr int kLabelDrop = 30;
constexpr int kGridWidth = 4815;
constexpr int kHeaderHeight = 500;
constexpr int kNumberWidth = 500;
constexpr int kGridMargin = 300;
constexpr int kTimeListLeft = 7260;
constexpr int kTimeListWidth = 1215;
constexpr int kTimeRowPitch = 480;
constexpr int kDecodeLeft = 2640;
constexpr int kToneBoxWidth = 1335;
constexpr int kButtonTop = 5640;
constexpr int kButtonWidth = 1215;

// The cell editors, in the order the host looks for an open one.
constexpr int kToneEditor = 0;
constexpr int kNameEditor = 1;

std::vector<platform::ControlRow> ControlRows() {
    std::vector<platform::ControlRow> rows;
    rows.push_back(Row(Kind::Picture, "Picture1").At(0, 0, 8895, 6255));
    rows.push_back(Row(Kind::TabControl, "SSTab1").At(120, 120, 8655, 5295));
    rows.push_back(Row(Kind::TabPage, "SSTab1Page", 0).In("SSTab1"));
    rows.push_back(Row(Kind::TabPage, "SSTab1Page", 1).In("SSTab1"));
    rows.push_back(Row(Kind::Grid, "MSHFlexGrid1").At(120, 120, kGridWidth, 4695).In("SSTab1Page", 0).Tab(0));
    rows.push_back(Row(Kind::TextBox, "Text1").At(120, 120, 1000).In("SSTab1Page", 0).Limit(kToneTextLength).Hidden());
    rows.push_back(Row(Kind::TextBox, "Text3").At(120, 120, 1000).In("SSTab1Page", 0).Limit(kCallNameLength).Hidden());
    int tab = 1;
    for (int i = 0; i < kTwoToneTimeLists; ++i) {
        const int top = 240 + i * kTimeRowPitch;
        rows.push_back(Row(Kind::Label, "Label1", i).At(0, top + kLabelDrop).In("SSTab1Page", 0).Before("Combo1", i, kLabelGap));
        rows.push_back(Row(Kind::List, "Combo1", i).At(kTimeListLeft, top, kTimeListWidth).In("SSTab1Page", 0).Tab(tab++));
    }
    rows.push_back(Row(Kind::CheckBox, "Check1")
                       .At(kTimeListLeft, 240 + kTwoToneTimeLists * kTimeRowPitch, kTimeListWidth)
                       .In("SSTab1Page", 0)
                       .Tab(tab++));
    for (int j = 0; j < 2; ++j) {
        const int top = 360 + j * kTimeRowPitch;
        rows.push_back(Row(Kind::Label, "Label2", j).At(0, top + kLabelDrop).In("SSTab1Page", 1).Before("Combo2", j, kLabelGap));
        rows.push_back(Row(Kind::List, "Combo2", j).At(kDecodeLeft, top, j == 0 ? kToneBoxWidth : 2655).In("SSTab1Page", 1).Tab(tab++));
    }
    for (int j = 0; j < kToneBoxes; ++j) {
        const int top = 1560 + j * kTimeRowPitch;
        rows.push_back(Row(Kind::Label, "Label3", j).At(0, top + kLabelDrop).In("SSTab1Page", 1).Before("Text2", j, kLabelGap));
        rows.push_back(Row(Kind::TextBox, "Text2", j).At(kDecodeLeft, top, kToneBoxWidth).In("SSTab1Page", 1).Limit(kToneTextLength).Tab(tab++));
    }
    rows.push_back(Row(Kind::CommandButton, "CommandOK").At(6000, kButtonTop, kButtonWidth).Tab(tab++));
    rows.push_back(Row(Kind::CommandButton, "CommandCancel").At(7440, kButtonTop, kButtonWidth).Tab(tab++));
    return rows;
}

constexpr auto kForm = platform::Form("Frm2Tone").Size(8895, 6255);

platform::ComboBox* Combo1(const QObject* f, int index) { return Ctl<platform::ComboBox>(f, "Combo1", index); }
platform::ComboBox* Combo2(const QObject* f, int index) { return Ctl<platform::ComboBox>(f, "Combo2", index); }
platform::TextBox* ToneBox(const QObject* f, int index) { return Ctl<platform::TextBox>(f, "Text2", index); }
platform::TextBox* Box(const QObject* f, const char* name) { return Ctl<platform::TextBox>(f, name); }
QString Option(int key) { return platform::QText(GetOptionText(key)); }

void Fill(platform::ComboBox* combo, const std::vector<std::string>& items) {
    combo->Clear();
    for (const std::string& item : items) combo->AddItem(item);
}

bool IsEnter(const QKeyEvent& e) { return e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter; }

}  // namespace

Frm2Tone::Frm2Tone(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, ControlRows());
    grid_ = Ctl<platform::Grid>(this, "MSHFlexGrid1");
    // The grid's design shape, which the captions' header texts need.
    grid_->SetRows(kTwoToneGridRows);
    grid_->SetCols(kTwoToneGridCols);
    editors_ = new platform::CellEditorHost(*grid_);
    editors_->Add(kToneEditor, Box(this, "Text1"));
    editors_->Add(kNameEditor, Box(this, "Text3"));
    editors_->SetKeys([this](int editor, QKeyEvent& key) { return EditorKey(editor, key); });
    SetUpBoxes();
    ConnectRules();
    Form_Load();
}

void Frm2Tone::SetUpBoxes() {
    for (int i = 0; i < kToneBoxes; ++i) SetUpRuledBox(ToneBox(this, i), &ToneChar);
    SetUpRuledBox(Box(this, "Text1"), &ToneChar);
    SetUpRuledBox(Box(this, "Text3"), &CallNameChar);
}

void Frm2Tone::ConnectRules() {
    using platform::OnEvent;
    OnEvent(Combo2(this, 0), &QComboBox::currentIndexChanged, this, "Combo2_Click", [this] { Combo2_Click(0); });
    OnEvent(grid_, &platform::Grid::Click, this, "MSHFlexGrid1_Click", [this] { MSHFlexGrid1_Click(); });
    OnEvent(grid_, &platform::Grid::EnterCell, this, "MSHFlexGrid1_EnterCell", [this] { MSHFlexGrid1_EnterCell(); });
    OnEvent(grid_, &platform::Grid::Scroll, this, "MSHFlexGrid1_Scroll", [this] { MSHFlexGrid1_Scroll(); });
    for (int i = 0; i < kToneBoxes; ++i)
        OnEvent(ToneBox(this, i), &platform::TextBox::LostFocus, this, "Text2_LostFocus",
                [this, i] { Text2_LostFocus(i); });
    OnEvent(Ctl<QPushButton>(this, "CommandOK"), &QPushButton::clicked, this, "CommandOK_Click",
            [this] { CommandOK_Click(); });
    OnEvent(Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this, "CommandCancel_Click",
            [this] { CommandCancel_Click(); });
}

// ---- load -------------------------------------------------------------------

void Frm2Tone::Form_Load() {
    isTone2Loaded_ = false;
    curTone2Row_ = 0;
    curTone2Col_ = 0;
    editors_->Drop();
    SetCaptions();
    platform::PlaceLabels(*this);
    Init2ToneList();
    Init2ToneGrid();
    TempFunSetData = CurData.FunSet;
    Show2ToneData();
    isTone2Loaded_ = true;
}

void Frm2Tone::SetCaptions() {
    auto* tabs = Ctl<QTabWidget>(this, "SSTab1");
    tabs->setTabText(0, Option(60043));
    tabs->setTabText(1, Option(60044));
    for (int i = 0; i < 4; ++i) Ctl<QLabel>(this, "Label1", i)->setText(Option(60045 + i));
    Ctl<QLabel>(this, "Label1", 4)->setText(Option(60307));
    Ctl<QCheckBox>(this, "Check1")->setText(Option(60312));
    Ctl<QLabel>(this, "Label2", 0)->setText(Option(60049));
    Ctl<QLabel>(this, "Label2", 1)->setText(Option(60050));
    setWindowTitle(Option(60051));
    for (int c = 0; c < kTwoToneGridCols; ++c) grid_->SetTextMatrix(0, c, Option(c < 3 ? 60053 + c : 60304));
    Ctl<QPushButton>(this, "CommandOK")->setText(Option(60024));
    Ctl<QPushButton>(this, "CommandCancel")->setText(Option(60025));
    const QString tone = Option(60056);
    for (int j = 0; j < kToneBoxes; ++j) Ctl<QLabel>(this, "Label3", j)->setText(QChar(u'A' + j) + tone);
    Fill(Combo2(this, 1), DecodeResponseItems());
}

void Frm2Tone::Init2ToneList() {
    for (int list = 0; list < kTwoToneTimeLists; ++list) Fill(Combo1(this, list), TwoToneTimeItems(list));
    auto* pairs = Combo2(this, 0);
    pairs->Clear();
    for (const DecodePair& p : kDecodePairs) pairs->AddItem(p.item);
}

void Frm2Tone::Init2ToneGrid() {
    grid_->SetRows(kTwoToneGridRows);
    grid_->SetCols(kTwoToneGridCols);
    grid_->SetFixedRows(1);
    grid_->SetFixedCols(1);
    grid_->SetRowHeightTwips(0, kHeaderHeight);
    grid_->SetColWidthTwips(0, kNumberWidth);
    const int width = static_cast<int>(std::lround((kGridWidth - kNumberWidth - kGridMargin) / 3.0));
    for (int c = 1; c < kTwoToneGridCols; ++c) grid_->SetColWidthTwips(c, width);
    for (int r = 1; r < kTwoToneGridRows; ++r) grid_->SetTextMatrix(r, 0, QString::number(r - 1));
    for (int c = 0; c < kTwoToneGridCols; ++c) grid_->SetColAlignment(c, Qt::AlignCenter);
    for (int c = 0; c < kTwoToneGridCols; ++c) grid_->SetCellForeColor(0, c, QColor(0, 0, 155));
    for (int r = 1; r < kTwoToneGridRows; ++r) grid_->SetCellForeColor(r, 0, QColor(0, 0, 255));
}

void Frm2Tone::Show2ToneData() {
    Tone2Data& t = TempFunSetData.Tone2;
    for (int r = 1; r <= kTwoToneCalls; ++r) {
        const TwoToneRow row = TwoToneRowOf(t.Tone2List[r]);
        grid_->SetTextMatrix(r, kFirstToneCol, platform::QText(row.tone1));
        grid_->SetTextMatrix(r, kSecondToneCol, platform::QText(row.tone2));
        grid_->SetTextMatrix(r, kNameCol, platform::ByteText(row.name));
    }
    const TwoToneHeadControls c = ShowTwoToneHead(t.Tone2Set);
    Combo2(this, 0)->SetListIndex(c.pair);
    Combo2(this, 1)->SetListIndex(c.decodeResp);
    for (int list = 0; list < kTwoToneTimeLists; ++list)
        Combo1(this, list)->SetListIndex(c.times[static_cast<std::size_t>(list)]);
    platform::SetCheckValue(Ctl<QCheckBox>(this, "Check1"), c.sideTone);
    EnableToneBoxes(t.Tone2Set.DecPair);
    for (int i = 0; i < kToneBoxes; ++i) ToneBox(this, i)->setText(platform::QText(c.tones[static_cast<std::size_t>(i)]));
}

void Frm2Tone::EnableToneBoxes(int pair) {
    const auto on = DecodePairBoxes(pair);
    for (int i = 0; i < kToneBoxes; ++i) ToneBox(this, i)->setEnabled(on[static_cast<std::size_t>(i)]);
}

// ---- rules ------------------------------------------------------------------

void Frm2Tone::Combo2_Click(int index) {
    if (index == 0) EnableToneBoxes(Combo2(this, 0)->ListIndex());
}

void Frm2Tone::Text2_LostFocus(int index) {
    auto* box = ToneBox(this, index);
    box->setText(platform::QText(ToneBoxOnLeave(platform::Utf8(box->text()))));
}

void Frm2Tone::MSHFlexGrid1_Click() {
    if (isTone2Loaded_) MSHFlexGrid1_EnterCell();
}

void Frm2Tone::MSHFlexGrid1_EnterCell() {
    if (!isTone2Loaded_) return;
    const int r = grid_->Row();
    const int c = grid_->Col();
    if (r < 1 || c < 1) return;
    const bool firstToneJustTyped = r == curTone2Row_ && curTone2Col_ == kFirstToneCol &&
                                    ToneHz::Read(platform::Utf8(Box(this, "Text1")->text())).has_value();
    if (OpensFirstToneInstead(c, grid_->TextMatrix(r, kFirstToneCol).isEmpty(), firstToneJustTyped)) {
        grid_->SetCol(kFirstToneCol);
        return;
    }
    Save2ToneCell(curTone2Row_, curTone2Col_);
    curTone2Row_ = r;
    curTone2Col_ = c;
    editors_->Drop();
    // A move of the program does not scroll: bring the cell into view before
    // the editor is laid over it. That scroll is no user's and commits nothing.
    scrollingToEditor_ = true;
    grid_->ScrollToCell(r, c);
    scrollingToEditor_ = false;
    const int editor = c == kNameCol ? kNameEditor : kToneEditor;
    auto* box = static_cast<platform::TextBox*>(editors_->Editor(editor));
    box->setText(grid_->TextMatrix(r, c));
    editors_->PlaceOver(editor, r, c);
    box->setFocus();
}

void Frm2Tone::MSHFlexGrid1_Scroll() {
    if (scrollingToEditor_) return;
    Save2ToneCell(grid_->Row(), grid_->Col());
    Box(this, "Text1")->hide();
}

void Frm2Tone::Save2ToneCell(int row, int col) {
    if (curTone2Row_ < 1 || curTone2Col_ < 1) return;
    if (row < 1 || row > kTwoToneCalls || col < 1) return;
    TwoToneRow texts{platform::Utf8(grid_->TextMatrix(row, kFirstToneCol)),
                     platform::Utf8(grid_->TextMatrix(row, kSecondToneCol)),
                     platform::TextBytes(grid_->TextMatrix(row, kNameCol))};
    const char* editor = col >= kNameCol ? "Text3" : "Text1";
    CommitTwoToneCell(TempFunSetData.Tone2.Tone2List[row], texts, col, platform::TextBytes(Box(this, editor)->text()));
    grid_->SetTextMatrix(row, kFirstToneCol, platform::QText(texts.tone1));
    grid_->SetTextMatrix(row, kSecondToneCol, platform::QText(texts.tone2));
    grid_->SetTextMatrix(row, kNameCol, platform::ByteText(texts.name));
}

bool Frm2Tone::EditorKey(int editor, QKeyEvent& key) {
    if (!IsEnter(key) || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    CellMove move;
    if (editor == kToneEditor) {
        move = ToneEditorEnter(grid_->Row(), grid_->Col(), Box(this, "Text1")->text().isEmpty());
        if (move.commitFirst) Save2ToneCell(curTone2Row_, curTone2Col_);
    } else {
        move = NameEditorEnter(grid_->Row());
    }
    grid_->SetCurrentCell(move.row, move.col);
    return true;
}

void Frm2Tone::Save2ToneData() {
    TwoToneHeadControls c;
    c.pair = Combo2(this, 0)->ListIndex();
    c.decodeResp = Combo2(this, 1)->ListIndex();
    for (int list = 0; list < kTwoToneTimeLists; ++list) c.times[static_cast<std::size_t>(list)] = Combo1(this, list)->ListIndex();
    c.sideTone = platform::CheckValue(Ctl<QCheckBox>(this, "Check1"));
    for (int i = 0; i < kToneBoxes; ++i) c.tones[static_cast<std::size_t>(i)] = platform::Utf8(ToneBox(this, i)->text());
    StoreTwoToneHead(c, TempFunSetData.Tone2.Tone2Set);
    for (int i = 0; i < kToneBoxes; ++i) ToneBox(this, i)->setText(platform::QText(c.tones[static_cast<std::size_t>(i)]));
}

void Frm2Tone::CommandOK_Click() {
    Save2ToneData();
    Save2ToneCell(curTone2Row_, curTone2Col_);
    CurData.FunSet = TempFunSetData;
    CheckCHSignal();
    accept();
}

void Frm2Tone::CommandCancel_Click() { reject(); }
