// The five-tone dialog's frame: its controls, the load, the four extra
// buttons, OK, Cancel and the unload. Showing and saving the block is in
// Frm5ToneShow.cpp, the decode-code editor in Frm5ToneInfoCodes.cpp.
#include "signalling/ui/Frm5Tone.h"

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/ChannelOps.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Grid.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/TextBox.h"
#include "signalling/FiveToneBlock.h"
#include "signalling/FiveToneCodes.h"
#include "signalling/FiveToneInfoCodes.h"
#include "signalling/FiveToneGrid.h"
#include "signalling/FiveToneStandards.h"
#include "signalling/ui/Frm5ToneDefTS.h"
#include "signalling/ui/FiveToneCallDialog.h"

namespace {

using platform::Kind;
using platform::Row;

constexpr int kGap = 100;    // between a caption label and its control
constexpr int kDrop = 30;    // a label stands this far below its control's top
constexpr int kColumn = 5640;
constexpr int kListWidth = 1695;
constexpr int kFirstList = 6000;
constexpr int kListPitch = 360;

constexpr int ListTop(int i) { return kFirstList + (i - 1) * kListPitch; }

constexpr platform::ControlRow kRows[] = {
    // The tone table and the code list with its floating editors.
    Row(Kind::MultiLineText, "Text1").At(120, 120, 2655, 9375).Tab(38),
    Row(Kind::Grid, "MSHFlexGrid1").At(3000, 120, 10695, 3540).Tab(19),
    Row(Kind::TextBox, "Text3").At(3000, 600, 4300).Tab(20).Limit(40).Hidden(),
    Row(Kind::List, "Combo2").At(3000, 600, 1600).Tab(21).Hidden(),
    Row(Kind::List, "Combo3").At(3000, 600, 1800).Tab(22).Hidden(),
    Row(Kind::TextBox, "Text6").At(3000, 600, 1050).Tab(48).Limit(7).Hidden(),
    // The button row.
    Row(Kind::CommandButton, "Command1").At(3240, 3720, 2055).Tab(31),
    Row(Kind::CommandButton, "Command4").At(5520, 3720, 2055).Tab(57),
    Row(Kind::CommandButton, "CommandOK").At(7800, 3720, 975).Tab(32),
    Row(Kind::CommandButton, "CommandCancel").At(8880, 3720, 975).Tab(33),
    // The PTT-ID begin and end codes.
    Row(Kind::Frame, "Frame1", 0).At(3240, 4200, 5295, 1215),
    Row(Kind::Label, "Label2", 0).At(120, 300 + kDrop).In("Frame1", 0),
    Row(Kind::TextBox, "Text4", 0).At(960, 300, 4200).Tab(23).Limit(24).In("Frame1", 0),
    Row(Kind::List, "Combo4", 0).At(120, 720, 1815).Tab(24).In("Frame1", 0),
    Row(Kind::List, "Combo5", 0).At(2040, 720, 855).Tab(25).In("Frame1", 0),
    Row(Kind::CommandButton, "Command2").At(3000, 690, 2160).Tab(26).In("Frame1", 0),
    Row(Kind::Frame, "Frame1", 1).At(8760, 4200, 4935, 1215),
    Row(Kind::Label, "Label2", 1).At(120, 300 + kDrop).In("Frame1", 1),
    Row(Kind::TextBox, "Text4", 1).At(960, 300, 3855).Tab(27).Limit(24).In("Frame1", 1),
    Row(Kind::List, "Combo4", 1).At(120, 720, 1815).Tab(28).In("Frame1", 1),
    Row(Kind::List, "Combo5", 1).At(2040, 720, 855).Tab(29).In("Frame1", 1),
    Row(Kind::CommandButton, "Command3").At(3000, 690, 1815).Tab(30).In("Frame1", 1),
    // The own ID and the system settings.
    Row(Kind::Label, "Label1", 0).At(0, 5640 + kDrop).Before("Text2", -1, kGap),
    Row(Kind::TextBox, "Text2").At(kColumn, 5640, kListWidth).Tab(0).Limit(5),
    Row(Kind::Label, "Label1", 1).At(0, ListTop(1) + kDrop).Before("Combo1", 1, kGap),
    Row(Kind::List, "Combo1", 1).At(kColumn, ListTop(1), kListWidth).Tab(1),
    Row(Kind::Label, "Label1", 2).At(0, ListTop(2) + kDrop).Before("Combo1", 2, kGap),
    Row(Kind::List, "Combo1", 2).At(kColumn, ListTop(2), kListWidth).Tab(2),
    Row(Kind::Label, "Label1", 3).At(0, ListTop(3) + kDrop).Before("Combo1", 3, kGap),
    Row(Kind::List, "Combo1", 3).At(kColumn, ListTop(3), kListWidth).Tab(3),
    Row(Kind::Label, "Label1", 4).At(0, ListTop(4) + kDrop).Before("Combo1", 4, kGap),
    Row(Kind::List, "Combo1", 4).At(kColumn, ListTop(4), kListWidth).Tab(4),
    Row(Kind::Label, "Label1", 5).At(0, ListTop(5) + kDrop).Before("Combo1", 5, kGap),
    Row(Kind::List, "Combo1", 5).At(kColumn, ListTop(5), kListWidth).Tab(5),
    Row(Kind::Label, "Label1", 6).At(0, ListTop(6) + kDrop).Before("Combo1", 6, kGap),
    Row(Kind::List, "Combo1", 6).At(kColumn, ListTop(6), kListWidth).Tab(6),
    Row(Kind::Label, "Label1", 7).At(0, ListTop(7) + kDrop).Before("Combo1", 7, kGap),
    Row(Kind::List, "Combo1", 7).At(kColumn, ListTop(7), kListWidth).Tab(7),
    Row(Kind::Label, "Label1", 8).At(0, ListTop(8) + kDrop).Before("Combo1", 8, kGap),
    Row(Kind::List, "Combo1", 8).At(kColumn, ListTop(8), kListWidth).Tab(8),
    Row(Kind::Label, "Label1", 10).At(0, 8880 + kDrop).Before("Combo1", 10, kGap),
    Row(Kind::List, "Combo1", 10).At(kColumn, 8880, kListWidth).Tab(9),
    Row(Kind::Label, "Label1", 9).At(0, 9240 + kDrop).Before("Combo1", 9, kGap),
    Row(Kind::List, "Combo1", 9).At(kColumn, 9240, kListWidth).Tab(10),
    Row(Kind::Label, "Label1", 11).At(0, 8520 + kDrop).Before("Combo1", 11, kGap),
    Row(Kind::List, "Combo1", 11).At(10200, 8520, kListWidth).Tab(11),
    Row(Kind::Label, "Label1", 12).At(0, 8880 + kDrop).Before("Combo1", 12, kGap),
    Row(Kind::List, "Combo1", 12).At(10200, 8880, kListWidth).Tab(12),
    Row(Kind::CheckBox, "Check1").At(8400, 9360, 3495).Tab(13),
    // The decode codes.
    Row(Kind::Frame, "Frame2").At(8400, 5520, 5175, 2895),
    Row(Kind::Label, "Label3").At(0, 240 + kDrop).In("Frame2").Before("Combo6", -1, kGap),
    Row(Kind::List, "Combo6").At(1920, 240, 855).Tab(14).In("Frame2"),
    Row(Kind::Frame, "Frame3").At(120, 600, 4935, 2175).In("Frame2"),
    Row(Kind::Label, "Label4", 0).At(0, 330 + kDrop).In("Frame3").Before("Combo7", 0, kGap),
    Row(Kind::List, "Combo7", 0).At(1800, 330, 3015).Tab(15).In("Frame3"),
    Row(Kind::Label, "Label4", 1).At(0, 750 + kDrop).In("Frame3").Before("Combo7", 1, kGap),
    Row(Kind::List, "Combo7", 1).At(1800, 750, 3015).Tab(16).In("Frame3"),
    Row(Kind::Label, "Label4", 2).At(0, 1170 + kDrop).In("Frame3").Before("Text5", -1, kGap),
    Row(Kind::TextBox, "Text5").At(1800, 1170, 3015).Tab(17).Limit(kInfoCodeLength).In("Frame3"),
    Row(Kind::Label, "Label4", 3).At(0, 1590 + kDrop).In("Frame3").Before("Text7", -1, kGap),
    Row(Kind::TextBox, "Text7").At(1800, 1590, 1455).Tab(18).Limit(kInfoNameLength).In("Frame3"),
};

constexpr auto kForm = platform::Form("Frm5Tone").Size(13800, 9660).Font("Arial", 9);

constexpr int kGridRows = 101;
constexpr int kGridCols = 6;
constexpr int kHeaderHeight = 500;
constexpr std::array<int, kGridCols> kColWidths = {400, 1200, 4300, 1600, 1800, 1050};
const QColor kHeaderColor(0, 0, 155);
const QColor kNumberColor(0, 0, 255);

// Language texts of the load (section "OPTION" unless noted).
constexpr int32_t kCaptionText = 60052;
constexpr int32_t kOKText = 60024;
constexpr int32_t kCancelText = 60025;
constexpr int32_t kOwnIDText = 60072;
constexpr int16_t kSystemStandardText = 3004;  // OTHER
constexpr int16_t kUserStandardButtonText = 3104;  // OTHER
constexpr int16_t kUserStandardText = 3102;    // OTHER
constexpr int16_t kOffText = 1755;             // OTHER
constexpr int32_t kSpecialText = 60062;
constexpr int32_t kCodeText = 60079;
constexpr int32_t kDecodeCodeText = 60095;
constexpr std::array<int32_t, kGridCols> kHeaderTexts = {60053, 60062, 60079, 60061, 60080, 60305};
// Captions of Combo1(2..12) (Label1(2..12)).
constexpr std::array<int32_t, 11> kSettingTexts = {60070, 60071, 60081, 60307, 60308, 60309,
                                                   60310, 60311, 60314, 60315, 60316};
constexpr std::array<int32_t, 2> kPTTIDFrameTexts = {60302, 60303};
constexpr int32_t kSideToneText = 60312;
constexpr std::array<int32_t, 4> kDecodeLabelTexts = {60096, 60070, 60097, 60306};

QString Option(int32_t id) { return platform::QText(GetOptionText(id)); }

}  // namespace

Frm5Tone::Frm5Tone(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, kRows);
    // What the design holds before the load.
    for (auto [name, index] : {std::pair{"Combo1", 1}, {"Combo2", -1}, {"Combo4", 0}, {"Combo4", 1}})
        for (std::string_view standard : kStandardNames) Combo(name, index)->AddItem(standard);
    for (int i = 1; i <= kInfoCodes; ++i) Combo("Combo6")->AddItem(std::to_string(i));
    platform::Grid* grid = Grid();
    grid->SetRows(kGridRows);
    grid->SetCols(kGridCols);
    grid->SetFixedRows(1);
    grid->SetFixedCols(2);
    SetUpBoxes();
    ConnectRules();
    Form_Load();
    Box("Text2")->setFocus();
}

platform::ComboBox* Frm5Tone::Combo(std::string_view name, int index) const {
    return platform::Ctl<platform::ComboBox>(this, name, index);
}

platform::TextBox* Frm5Tone::Box(std::string_view name, int index) const {
    return platform::Ctl<platform::TextBox>(this, name, index);
}

platform::Grid* Frm5Tone::Grid() const { return platform::Ctl<platform::Grid>(this, "MSHFlexGrid1"); }

std::string Frm5Tone::OwnID() const { return platform::TextBytes(Box("Text2")->text()); }

std::string Frm5Tone::Mid5ToneNoE(std::string_view code, int start, int length) const {
    return ::Mid5ToneNoE(code, start, length);
}

void Frm5Tone::SetUpBoxes() {
    platform::TextBox* code = Box("Text5");
    code->SetCharRule(platform::rules::HexDigit);
    code->SetSwallowClipboardKeys(true);
    code->SetEnterMovesFocus(true);
    code->SetSelectAllOnFocus(true);
    // The name takes any ASCII character, the clipboard keys included; Enter
    // does nothing in it.
    platform::TextBox* name = Box("Text7");
    name->SetCharRule([](QChar c) -> std::optional<QChar> {
        if (c.unicode() < 128) return c;
        return std::nullopt;
    });
    name->SetEnterKept(true);
    name->SetSelectAllOnFocus(true);
    // The own ID and the PTT-ID codes: Enter moves on, as Tab does.
    const auto codeBox = [](platform::TextBox* box, platform::TextBox::CharRule rule) {
        box->SetCharRule(std::move(rule));
        box->SetSwallowClipboardKeys(true);
        box->SetEnterMovesFocus(true);
        box->SetSelectAllOnFocus(true);
    };
    codeBox(Box("Text2"), platform::rules::Digit);
    for (int i : {0, 1}) codeBox(Box("Text4", i), platform::rules::HexDigit);
    // The floating editors take the focus only when placed over a cell; the
    // grid hands them Enter.
    platform::TextBox* codeEditor = Box("Text3");
    codeEditor->SetCharRule(platform::rules::HexDigit);
    platform::TextBox* nameEditor = Box("Text6");
    nameEditor->SetCharRule([](QChar c) -> std::optional<QChar> {
        if (const auto kept = Tone5NameChar(c.unicode())) return QChar(*kept);
        return std::nullopt;
    });
    for (platform::TextBox* editor : {codeEditor, nameEditor}) {
        editor->SetSwallowClipboardKeys(true);
        editor->SetSelectAllOnFocus(true);
        editor->setFocusPolicy(Qt::ClickFocus);
    }
    SetUpCellEditors();
}

void Frm5Tone::ConnectRules() {
    using platform::OnEvent;
    using platform::OnClick;
    OnClick(this, "Command1", [this] { Command1_Click(); });
    OnClick(this, "Command2", [this] { Command2_Click(); });
    OnClick(this, "Command3", [this] { Command3_Click(); });
    OnClick(this, "Command4", [this] { Command4_Click(); });
    OnClick(this, "CommandOK", [this] { CommandOK_Click(); });
    OnClick(this, "CommandCancel", [this] { CommandCancel_Click(); });
    for (int i = 1; i <= kSettingLists; ++i)
        OnEvent(Combo("Combo1", i), &QComboBox::currentIndexChanged, this, "Combo1_Click",
                [this, i] { Combo1_Click(i); });
    for (int i : {0, 1}) {
        OnEvent(Combo("Combo4", i), &QComboBox::currentIndexChanged, this, "Combo4_Click",
                [this, i] { Combo4_Click(i); });
        OnEvent(Combo("Combo7", i), &QComboBox::currentIndexChanged, this, "Combo7_Click",
                [this, i] { Combo7_Click(i); });
    }
    OnEvent(Combo("Combo2"), &QComboBox::currentIndexChanged, this, "Combo2_Click", [this] { Combo2_Click(); });
    OnEvent(Combo("Combo6"), &QComboBox::currentIndexChanged, this, "Combo6_Click", [this] { Combo6_Click(); });
    OnEvent(Grid(), &platform::Grid::EnterCell, this, "MSHFlexGrid1_EnterCell", [this] { MSHFlexGrid1_EnterCell(); });
    OnEvent(Grid(), &platform::Grid::Click, this, "MSHFlexGrid1_Click", [this] { MSHFlexGrid1_Click(); });
    OnEvent(Grid(), &platform::Grid::DblClick, this, "MSHFlexGrid1_DblClick", [this] { MSHFlexGrid1_DblClick(); });
    OnEvent(Grid(), &platform::Grid::Scroll, this, "MSHFlexGrid1_Scroll", [this] { MSHFlexGrid1_Scroll(); });
    OnEvent(Box("Text2"), &platform::TextBox::LostFocus, this, "Text2_LostFocus", [this] { Text2_LostFocus(); });
    for (int i : {0, 1})
        OnEvent(Box("Text4", i), &platform::TextBox::LostFocus, this, "Text4_LostFocus",
                [this, i] { Text4_LostFocus(i); });
}

// ---- load and unload --------------------------------------------------------

void Frm5Tone::Form_Load() {
    for (const auto& [name, index] : {std::pair{"Text2", -1}, {"Text3", -1}, {"Text4", 0}, {"Text4", 1}})
        RidTextMenu(Box(name, index));
    IsFormReady = false;
    CurTone5Row = 0;
    CurTone5Col = 0;
    CurInfoCodeID = 0;
    Box("Text3")->hide();
    Combo("Combo2")->hide();
    Combo("Combo3")->hide();
    platform::Ctl<QPushButton>(this, "Command4")->setText(platform::QText(GetLangText(kUserStandardButtonText)));
    SetLoadTexts();
    platform::PlaceLabels(*this);
    Init5ToneCombo();
    Init5ToneGrid();
    TempFunSetData = CurData.FunSet;
    Show5ToneData();
    IsFormReady = true;
}

void Frm5Tone::SetLoadTexts() {
    // Every caption label sizes itself to its text.
    const auto label = [this](std::string_view name, int index, const QString& text) {
        QLabel* l = platform::Ctl<QLabel>(this, name, index);
        l->setText(text);
        l->adjustSize();
    };
    const auto button = [this](std::string_view name, const QString& text) {
        platform::Ctl<QPushButton>(this, name)->setText(text);
    };
    platform::Grid* grid = Grid();
    setWindowTitle(Option(kCaptionText));
    button("CommandOK", Option(kOKText));
    button("CommandCancel", Option(kCancelText));
    label("Label1", 0, Option(kOwnIDText));
    label("Label1", 1, platform::QText(GetLangText(kSystemStandardText)));
    grid->SetTextMatrix(0, 3, Option(kHeaderTexts[3]));
    label("Label1", 2, Option(kSettingTexts[0]));
    label("Label1", 3, Option(kSettingTexts[1]));
    // Filled from item 0, so a second load never adds an item twice.
    for (auto [name, index] : {std::pair{"Combo1", 2}, {"Combo7", 1}, {"Combo7", 0}}) Combo(name, index)->Clear();
    for (int32_t id : kResponseTexts) {
        Combo("Combo1", 2)->AddItem(GetOptionText(id));
        Combo("Combo7", 1)->AddItem(GetOptionText(id));
    }
    for (int c : {0, 1, 2}) grid->SetTextMatrix(0, c, Option(kHeaderTexts[static_cast<std::size_t>(c)]));
    for (int k : {0, 1}) {
        label("Label2", k, Option(kCodeText));
        platform::Ctl<QGroupBox>(this, "Frame1", k)->setTitle(Option(kPTTIDFrameTexts[static_cast<std::size_t>(k)]));
    }
    for (int c : {4, 5}) grid->SetTextMatrix(0, c, Option(kHeaderTexts[static_cast<std::size_t>(c)]));
    for (int i = 4; i <= kSettingLists; ++i) label("Label1", i, Option(kSettingTexts[static_cast<std::size_t>(i - 2)]));
    platform::Ctl<QCheckBox>(this, "Check1")->setText(Option(kSideToneText));
    for (const char* special : {"Command1", "Command2", "Command3"}) button(special, Option(kSpecialText));
    label("Label3", -1, Option(kDecodeCodeText));
    for (int k = 0; k < 4; ++k) label("Label4", k, Option(kDecodeLabelTexts[static_cast<std::size_t>(k)]));
    for (int32_t id : kInfoFunctionTexts) Combo("Combo7", 0)->AddItem(GetOptionText(id));
}

void Frm5Tone::Init5ToneCombo() {
    const std::string user = GetLangText(kUserStandardText);
    for (auto [name, index] : {std::pair{"Combo1", 1}, {"Combo2", -1}, {"Combo4", 0}, {"Combo4", 1}})
        Combo(name, index)->SetList(kUserStandard, user);
    const std::vector<std::string> periods = PeriodItems();
    for (std::size_t v = 0; v < periods.size(); ++v)
        for (auto [name, index] : {std::pair{"Combo3", -1}, {"Combo1", 3}, {"Combo5", 0}, {"Combo5", 1}})
            Combo(name, index)->SetList(static_cast<int>(v), periods[v]);
    const std::vector<std::string> tenths = TenthItems();
    for (std::size_t k = 0; k < tenths.size(); ++k) Combo("Combo1", 5)->SetList(static_cast<int>(k), tenths[k]);
    for (int i : {4, 6, 8, 9, 12}) Combo("Combo1", i)->Clear();
    for (const std::string& t : TensItems(1, 255))
        for (int i : {4, 6, 8}) Combo("Combo1", i)->AddItem(t);
    for (const std::string& t : TensItems(0, 250)) Combo("Combo1", 12)->AddItem(t);
    for (const std::string& t : TensItems(0, 255)) Combo("Combo1", 9)->AddItem(t);
    const std::string off = GetLangText(kOffText);
    platform::ComboBox* settingD = Combo("Combo1", 7);
    settingD->Clear();
    settingD->AddItem(off);
    for (const std::string& t : CountItems(5, 75)) settingD->AddItem(t);
    platform::ComboBox* pauseCode = Combo("Combo1", 10);
    pauseCode->Clear();
    pauseCode->AddItem(off);
    for (std::string_view letter : kPauseCodeLetters) pauseCode->AddItem(letter);
    const std::vector<std::string> decodeTimes = TensItems(0, 200);
    for (std::size_t k = 0; k < decodeTimes.size(); ++k)
        Combo("Combo1", 11)->SetList(static_cast<int>(k), decodeTimes[k]);
}

void Frm5Tone::Init5ToneGrid() {
    platform::Grid* grid = Grid();
    grid->SetRowHeightTwips(0, kHeaderHeight);
    for (int c = 0; c < kGridCols; ++c) grid->SetColWidthTwips(c, kColWidths[static_cast<std::size_t>(c)]);
    for (int c = 0; c < kGridCols; ++c) grid->SetColAlignment(c, Qt::AlignCenter);
    for (int r = 1; r < grid->Rows(); ++r) grid->SetTextMatrix(r, 0, QString::number(r - 1));
    grid->SetRow(0);
    for (int c = 0; c < grid->Cols(); ++c) grid->SetCellForeColor(0, c, kHeaderColor);
    for (int r = grid->FixedRows(); r < grid->Rows(); ++r) grid->SetCellForeColor(r, 0, kNumberColor);
    grid->SetCurrentCell(grid->Rows() - 1, 0);
}

void Frm5Tone::Form_Unload() {
    for (const auto& [name, index] : {std::pair{"Text2", -1}, {"Text3", -1}, {"Text4", 0}, {"Text4", 1}})
        UnRidTextMenu(Box(name, index));
}

void Frm5Tone::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

// ---- buttons ----------------------------------------------------------------

void Frm5Tone::OpenSpecialCall(SpecialTarget target) {
    SpecialCallTarget = target;
    ShowSpecialCall();
}

void Frm5Tone::ShowSpecialCall() {
    FrmSpecial composer(*this);
    composer.exec();
}

void Frm5Tone::ShowUserStandard() {
    Frm5ToneDefTS tones(this);
    tones.exec();
}

void Frm5Tone::Command1_Click() {
    EndCodeEditing();
    OpenSpecialCall(SpecialTarget::ListEntry);
}

void Frm5Tone::Command2_Click() { OpenSpecialCall(SpecialTarget::PTTIDBegin); }

void Frm5Tone::Command3_Click() { OpenSpecialCall(SpecialTarget::PTTIDEnd); }

void Frm5Tone::Command4_Click() {
    ShowUserStandard();
    ShowStandardTone(Combo("Combo1", 1)->Text());
}

void Frm5Tone::CommandOK_Click() {
    if (OwnID().size() != kTone5OwnIDLength) {
        platform::MsgBox(GetMsgText(kShortOwnIDMessage), platform::Buttons::Ok);
        Box("Text2")->setFocus();
        return;
    }
    Save5ToneCell(CurTone5Row, CurTone5Col);
    Save5ToneData();
    if (CurInfoCodeID > 0) SaveInfoCode(CurInfoCodeID);
    if (!IsInfoKillStunWakenOK()) return;
    CurData.FunSet = TempFunSetData;
    CheckCHSignal();
    CheckAlert5Tone();
    accept();
}

void Frm5Tone::CommandCancel_Click() { reject(); }
