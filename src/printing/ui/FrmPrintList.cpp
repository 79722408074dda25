#include "printing/ui/FrmPrintList.h"

#include <array>
#include <utility>

#include <QCheckBox>
#include <QPushButton>

#include "platform/Guard.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"
#include "printing/ReportText.h"

namespace {

using platform::Kind;
using platform::Row;

constexpr int kAlertText = 2600;

// The boxes stand in one column, 360 twips apart, in this order; the two
// hidden ones keep places of their own below the others.
constexpr int kBoxLeft = 240;
constexpr int kBoxTop = 240;
constexpr int kBoxPitch = 360;
constexpr int kBoxWidth = 2895;
// Select all, Clear all and Set one below the other, as wide as OK and
// Cancel side by side below them.
constexpr int kButtonLeft = 3480;
constexpr int kButtonWidth = 1215;
constexpr int kButtonGap = 120;
constexpr int kWideButton = 2 * kButtonWidth + kButtonGap;
constexpr int kButtonPitch = 480;
constexpr int kOkCancelTop = 2640;

constexpr platform::ControlRow Box(int index, int place, int tab) {
    return Row(Kind::CheckBox, "Check1", index).At(kBoxLeft, kBoxTop + place * kBoxPitch, kBoxWidth).Tab(tab);
}

constexpr platform::ControlRow kRows[] = {
    Box(0, 0, 0),
    Box(3, 1, 1),
    Box(4, 2, 2),
    Box(5, 3, 3),
    Box(6, 4, 4),
    Box(7, 5, 5),
    Box(8, 6, 6),
    Box(9, 7, 7),
    Box(1, 8, 13).Hidden(),
    Box(2, 9, 14).Hidden(),
    Row(Kind::CommandButton, "CommandSelAll").At(kButtonLeft, kBoxTop, kWideButton).Tab(8),
    Row(Kind::CommandButton, "CommandClrAll").At(kButtonLeft, kBoxTop + kButtonPitch, kWideButton).Tab(9),
    Row(Kind::CommandButton, "CommandSet").At(kButtonLeft, kBoxTop + 2 * kButtonPitch, kWideButton).Tab(10),
    Row(Kind::CommandButton, "Command1").At(kButtonLeft, kOkCancelTop, kButtonWidth).Tab(11),
    Row(Kind::CommandButton, "Command2").At(kButtonLeft + kButtonWidth + kButtonGap, kOkCancelTop, kButtonWidth).Tab(12),
};

// Its caption is the same in every language.
constexpr auto kForm = platform::Form("FrmPrintList").Literal("打印列表").Size(kButtonLeft + kWideButton + 240, 3255);

QCheckBox* Check1(const QObject* form, int index) { return platform::Ctl<QCheckBox>(form, "Check1", index); }

}  // namespace

FrmPrintList::FrmPrintList(ReportSources sources, QWidget* parent) : QDialog(parent), sources_(std::move(sources)) {
    platform::BuildForm(*this, kForm, kRows);
    const auto connect = [this](const char* button, const char* procedure, void (FrmPrintList::*click)()) {
        platform::OnEvent(platform::Ctl<QPushButton>(this, button), &QPushButton::clicked, this, procedure,
                          [this, click] { (this->*click)(); });
    };
    connect("CommandSelAll", "CommandSelAll_Click", &FrmPrintList::CommandSelAll_Click);
    connect("CommandClrAll", "CommandClrAll_Click", &FrmPrintList::CommandClrAll_Click);
    connect("CommandSet", "CommandSet_Click", &FrmPrintList::CommandSet_Click);
    connect("Command1", "Command1_Click", &FrmPrintList::Command1_Click);
    connect("Command2", "Command2_Click", &FrmPrintList::Command2_Click);
    Form_Load();
}

void FrmPrintList::Form_Load() { ChangShowByLanguage(); }

void FrmPrintList::ChangShowByLanguage() {
    const ReportTextTable& t = ReportText();
    platform::SetButtonCaption(this, "CommandSelAll", t.SelectAll.shown());
    platform::SetButtonCaption(this, "CommandClrAll", t.ClearAll.shown());
    platform::SetButtonCaption(this, "CommandSet", t.SetUp.shown());
    for (int i = 0; i < static_cast<int>(t.Item.size()); ++i)
        Check1(this, i)->setText(platform::QText(t.Item[static_cast<std::size_t>(i)].shown()));
    Check1(this, 9)->setText(platform::Lang(kAlertText));
    SetPrintButtonText(this);
}

PrintTicks FrmPrintList::Ticks() const {
    PrintTicks ticks{};
    for (int i = 0; i < kPrintItems; ++i)
        ticks[static_cast<std::size_t>(i)] = static_cast<int16_t>(platform::CheckValue(Check1(this, i)));
    return ticks;
}

void FrmPrintList::GetPrintSelect() { PrintSelect = Ticks(); }

void FrmPrintList::SetAllTicks(int value) {
    for (int i = 0; i < kPrintItems; ++i) platform::SetCheckValue(Check1(this, i), value);
}

void FrmPrintList::CommandSelAll_Click() { SetAllTicks(1); }

void FrmPrintList::CommandClrAll_Click() { SetAllTicks(0); }

void FrmPrintList::CommandSet_Click() {
    // From now on every run of this dialog asks with the set-up variant; a
    // cancelled set-up keeps the printer chosen before.
    dialogKind_ = platform::PrinterDialogKind::SetUp;
    platform::ShowPrinterDialog(dialogKind_);
}

void FrmPrintList::Command1_Click() {
    if (NoPrintItemTicked(Ticks())) {
        platform::MsgBox(ReportText().EmptySelection.shown(), platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    GetPrintSelect();
    const PrintResult result = PrintData(sources_, dialogKind_);
    if (result.outcome == PrintOutcome::Failed) platform::ReportGuardedFailure("PrintData", result.failure);
    if (PrintOK) accept();
}

void FrmPrintList::Command2_Click() { reject(); }

void SetPrintButtonText(const QObject* form) {
    platform::SetButtonCaption(form, "Command1", ReportText().OK.shown());
    platform::SetButtonCaption(form, "Command2", ReportText().Cancel.shown());
}
